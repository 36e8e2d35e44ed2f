#include "core/window/CoreCommands.h"

#include "core/Module1.h"
#include "core/window/FormFields.h"
#include "core/window/InsertHTMLDlg.h"
#include "platform/PlatformError.h"

namespace CoreCommands {

void InsertHTML(QWidget* owner) {
    InsertHTMLDlg dialog(owner);
    skipErrors([&] { dialog.exec(); });
}

void InsertFormField(int index) {
    const QString markup = FormFields::FormFieldMarkup(index, FormFields::DrawFieldNumber());
    if (markup.isEmpty())
        return;
    skipErrors([&] { Module1::PasteAtSelection(markup); });
}

} // namespace CoreCommands
