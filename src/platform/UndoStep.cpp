#include "platform/UndoStep.h"

#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"

UndoStep::UndoStep(DHTMLEdit* editor) : editor_(editor) {
    if (!editor_)
        return;
    try {
        editor_->callEditor("beginStep");
        open_ = true;
    } catch (const PlatformError&) {
        // Without a step each change undoes on its own; nothing is lost.
    }
}

UndoStep::~UndoStep() {
    if (!open_)
        return;
    try {
        editor_->callEditor("endStep");
    } catch (...) {
        // A page that no longer answers has been replaced; its steps went with it. Bare,
        // as a destructor lets nothing out.
        traceSkipped(std::source_location::current());
    }
}
