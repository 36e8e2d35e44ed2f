#include "core/MainForm.h"

#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"

// The page's life: New, Open, Save, Save As, Print, the question before a changed page
// is lost, the browser preview, and the source view and options dialogs.

void MainForm::FileNew_Click() {}

void MainForm::FileOpen_Click() {}

void MainForm::FileSave_Click() {}

void MainForm::FileSaveAs_Click() {}

void MainForm::mnuFilePrint_Click() {}

int32_t MainForm::PromptSaveChanges() { return 0; }

bool MainForm::SavePage(bool /*askForName*/) { return false; }

void MainForm::BrowserPreview() {}

void MainForm::ShowSourceView() {}

void MainForm::ShowOptions() {}
