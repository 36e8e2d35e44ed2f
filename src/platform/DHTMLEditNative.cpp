#include "platform/DHTMLEdit.h"

// Commands the surface runs with the platform's own services (the clipboard, the find
// and font dialogs, parameter objects) rather than in the editing script.

bool DHTMLEdit::nativeCommand(int /*commandId*/, int /*option*/, const QVariant& /*argument*/,
                              QVariant& /*result*/) {
    return false;
}

bool DHTMLEdit::nativeStatus(int /*commandId*/, int& /*status*/) { return false; }
