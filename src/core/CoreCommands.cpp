#include "core/CoreCommands.h"

#include "core/FormFields.h"
#include "core/InsertHTMLDlg.h"
#include "core/Module1.h"
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
