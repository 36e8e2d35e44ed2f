#include "core/MainForm.h"

#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"

// The Insert menu's element dialogs: image, horizontal line, table, text box and the
// special-character picker.

void MainForm::mnuInsertHorizLine_Click() {}

void MainForm::mnuInsertImage_Click() {}

void MainForm::mnuInsertSpecChars_Click() {}

void MainForm::mnuTextBox_Click() {}

void MainForm::InsertTableDialog() {}
