#include "effects/PulldownURL.h"

#include "core/CFile.h"
#include "core/DialogParts.h"
#include "effects/JumpMenu.h"
#include "effects/Pulldown.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr int FormWidth = 6000;
constexpr int FormHeight = 2700;
constexpr int HelpTopic = 53;
} // namespace

PulldownURL::PulldownURL(Pulldown* owner, bool editMode)
    : QDialog(owner), EditMode(editMode), pulldown_(owner) {
    setObjectName("PulldownURL");
    setWindowTitle("Specify Menu item and URL");
    setProperty("HelpContextID", HelpTopic); // F1 only: the dialog has no help button
    DialogParts::SetFormSize(this, FormWidth, FormHeight);

    auto* label1 = new QLabel("Menu item text:", this);
    label1->setObjectName("Label1");
    txtMenuItem = new QLineEdit(this);
    txtMenuItem->setObjectName("txtMenuItem");
    auto* label2 = new QLabel("Link menu item to this Web page:", this);
    label2->setObjectName("Label2");
    txtMenuItemURL = new QLineEdit(this);
    txtMenuItemURL->setObjectName("txtMenuItemURL");
    cmdBrowseURL = DialogParts::PictureButton(this, "cmdBrowseURL", "browse", "Browse for URL...");
    cmdOK = new QPushButton("&OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(label1, 0, 0, 1, 2);
    grid->addWidget(txtMenuItem, 1, 0);
    grid->addWidget(label2, 2, 0, 1, 2);
    grid->addWidget(txtMenuItemURL, 3, 0);
    grid->addWidget(cmdBrowseURL, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);

    connect(cmdBrowseURL, &QToolButton::clicked, this, &PulldownURL::cmdBrowseURL_Click);
    connect(cmdOK, &QPushButton::clicked, this, &PulldownURL::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &PulldownURL::cmdCancel_Click);

    Form_Load();
}

void PulldownURL::Form_Load() {
    if (!EditMode || !pulldown_)
        return;
    const int k = pulldown_->selectedRow();
    if (QListWidgetItem* text = pulldown_->List1->item(k))
        txtMenuItem->setText(text->text());
    if (QListWidgetItem* url = pulldown_->List2->item(k))
        txtMenuItemURL->setText(url->text());
}

void PulldownURL::cmdBrowseURL_Click() {
    skipErrors([&] {
        CFile file;
        file.setOwner(this);
        if (!file.BrowseForFile(CFile::WebPages).isEmpty())
            txtMenuItemURL->setText(file.Filename());
    });
    txtMenuItemURL->setFocus();
}

void PulldownURL::cmdOK_Click() {
    if (txtMenuItem->text().isEmpty()) {
        MsgBox("Enter menu item text in the text input box or click Cancel.", vb::vbOKOnly,
               QString(), this);
        txtMenuItem->setFocus();
        return;
    }
    if (txtMenuItemURL->text().isEmpty()) {
        MsgBox("Enter a Web page URL in the text input box or click Cancel.", vb::vbOKOnly,
               QString(), this);
        txtMenuItemURL->setFocus();
        return;
    }
    txtMenuItemURL->setText(JumpMenu::ItemURL(txtMenuItemURL->text()));
    if (pulldown_) {
        JumpMenu::Rows rows = pulldown_->rows();
        const int selected = pulldown_->selectedRow();
        if (EditMode)
            JumpMenu::Replace(rows, selected, txtMenuItem->text(), txtMenuItemURL->text());
        else
            JumpMenu::Append(rows, txtMenuItem->text(), txtMenuItemURL->text());
        pulldown_->showRows(rows, selected);
        pulldown_->enableButtons();
    }
    accept();
}

void PulldownURL::cmdCancel_Click() {
    reject();
}
