#include "core/window/InsertHTMLDlg.h"

#include "core/DialogParts.h"
#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace {

void focusEditor() {
    if (DHTMLEdit* editor = Module1::Editor())
        editor->setFocus();
}
} // namespace

InsertHTMLDlg::InsertHTMLDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("InsertHTMLDlg");
    setWindowTitle("Insert HTML");

    Label1 = new QLabel("Type the HTML source code you would like to insert:", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(Twips::toPixels(120, 120, 6360, 255));
    HTMLText = new QPlainTextEdit(this);
    HTMLText->setObjectName("HTMLText");
    HTMLText->setPlainText("<B> Tessaly is <I>great!</I></B>\r\n");
    HTMLText->setGeometry(Twips::toPixels(120, 420, 6360, 2400));
    Label1->setBuddy(HTMLText);
    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(Twips::toPixels(3900, 2970, 1215, 375));
    cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(Twips::toPixels(5265, 2970, 1215, 375));
    DialogParts::SetFormSize(this, 6600, 3480);

    connect(cmdOK, &QPushButton::clicked, this, &InsertHTMLDlg::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &InsertHTMLDlg::cmdCancel_Click);
    Form_Load();
}

QString InsertHTMLDlg::typedHtml() const {
    QString text = HTMLText->toPlainText();
    text.replace("\r\n", "\n");
    text.replace('\n', "\r\n");
    return text;
}

void InsertHTMLDlg::Form_Load() {
    // Typing replaces the sample.
    skipErrors([&] {
        HTMLText->selectAll();
        HTMLText->setFocus();
    });
}

void InsertHTMLDlg::cmdOK_Click() {
    skipErrors([&] { focusEditor(); });
    skipErrors([&] { Module1::PasteAtSelection(typedHtml()); });
    accept();
}

void InsertHTMLDlg::cmdCancel_Click() {
    reject();
    skipErrors([&] { focusEditor(); });
}
