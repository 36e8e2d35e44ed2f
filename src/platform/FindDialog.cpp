#include "platform/FindDialog.h"

#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FindDialog::FindDialog(Finder finder, QWidget* parent)
    : QDialog(parent), finder_(std::move(finder)) {
    setObjectName("FindDialog");
    setWindowTitle("Find");

    auto* label = new QLabel("Fi&nd what:", this);
    txtFindWhat = new QLineEdit(this);
    txtFindWhat->setObjectName("txtFindWhat");
    txtFindWhat->setMinimumWidth(220);
    label->setBuddy(txtFindWhat);

    chkMatchCase = new QCheckBox("Match &case", this);
    chkMatchCase->setObjectName("chkMatchCase");

    auto* direction = new QGroupBox("Direction", this);
    optUp = new QRadioButton("&Up", direction);
    optUp->setObjectName("optUp");
    optDown = new QRadioButton("&Down", direction);
    optDown->setObjectName("optDown");
    optDown->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(optUp);
    directionLayout->addWidget(optDown);

    cmdFindNext = new QPushButton("&Find Next", this);
    cmdFindNext->setObjectName("cmdFindNext");
    cmdFindNext->setDefault(true);
    cmdFindNext->setEnabled(false);
    cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");

    auto* grid = new QGridLayout;
    grid->addWidget(label, 0, 0);
    grid->addWidget(txtFindWhat, 0, 1, 1, 2);
    grid->addWidget(chkMatchCase, 1, 0, 1, 2, Qt::AlignBottom);
    grid->addWidget(direction, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdFindNext);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(txtFindWhat, &QLineEdit::textChanged, this,
            [this](const QString& text) { cmdFindNext->setEnabled(!text.isEmpty()); });
    connect(cmdFindNext, &QPushButton::clicked, this, &FindDialog::cmdFindNext_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FindDialog::cmdFindNext_Click() {
    const QString text = txtFindWhat->text();
    if (text.isEmpty())
        return;
    bool found = false;
    try {
        found = finder_(text, chkMatchCase->isChecked(), optUp->isChecked());
    } catch (const PlatformError&) {
        found = false;
    }
    if (found) {
        foundAny_ = true;
        return;
    }
    MsgBox(QString("Cannot find \"%1\".").arg(text), vb::vbInformation, QString(), this);
    txtFindWhat->setFocus();
    txtFindWhat->selectAll();
}
