#include "elements/frmTextBox.h"

#include "core/CColor.h"
#include "core/Module1.h"
#include "elements/ElementMarkup.h"
#include "platform/DHTMLEdit.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int FormWidth = 6250;
constexpr int FormHeight = 5370;
constexpr int BandHeight = 855;

ClickLabel* colorLabel(const QString& name, QWidget* parent) {
    auto* l = DialogParts::ColorLabel(parent, name, "Select");
    l->setAlignment(Qt::AlignCenter);
    l->setFixedHeight(l->fontMetrics().height() + 10); // as high as a text box
    return l;
}
} // namespace

frmTextBox::frmTextBox(QWidget* parent) : QDialog(parent) {
    setObjectName("frmTextBox");
    setWindowTitle("Text Box");

    txtText = new QPlainTextEdit(this);
    txtText->setObjectName("txtText");
    txtText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtText->setTabChangesFocus(true);

    auto* colors = new QGroupBox("Colors", this);
    colors->setObjectName("Frame1");
    auto* colorGrid = new QGridLayout(colors);
    lblBGColor = colorLabel("lblBGColor", colors);
    lblTextColor = colorLabel("lblTextColor", colors);
    colorGrid->addWidget(DialogParts::Label(colors, "Background:", "Label4"), 0, 0);
    colorGrid->addWidget(lblBGColor, 0, 1);
    colorGrid->addWidget(DialogParts::Label(colors, "Text:", "Label2"), 1, 0);
    colorGrid->addWidget(lblTextColor, 1, 1);

    fraBorder = new QGroupBox(this);
    fraBorder->setObjectName("fraBorder");
    auto* borderGrid = new QGridLayout(fraBorder);
    chkBorder = new QCheckBox("Border", fraBorder);
    chkBorder->setObjectName("chkBorder");
    lblThickness = DialogParts::Label(fraBorder, "Thickness:", "lblThickness");
    txtBorderThickness = new QLineEdit(fraBorder);
    txtBorderThickness->setObjectName("txtBorderThickness");
    UpDown8 = DialogParts::UpDown(fraBorder, "UpDown8", txtBorderThickness, 1, 50);
    lblColor = DialogParts::Label(fraBorder, "Color:", "lblColor");
    lblBorderColor = colorLabel("lblBorderColor", fraBorder);
    lblStyle = DialogParts::Label(fraBorder, "Style:", "lblStyle");
    cboBorderStyle = new QComboBox(fraBorder);
    cboBorderStyle->setObjectName("cboBorderStyle");
    borderGrid->addWidget(chkBorder, 0, 0, 1, 3);
    borderGrid->addWidget(lblThickness, 1, 0);
    borderGrid->addWidget(txtBorderThickness, 1, 1);
    borderGrid->addWidget(UpDown8, 1, 2);
    borderGrid->addWidget(lblColor, 2, 0);
    borderGrid->addWidget(lblBorderColor, 2, 1);
    borderGrid->addWidget(lblStyle, 3, 0);
    borderGrid->addWidget(cboBorderStyle, 3, 1, 1, 2);

    // The box has no topic of its own: its help button opens the contents.
    const DialogParts::FootButtons foot =
        DialogParts::AddFootButtons(this, "cmdOK", "cmdCancel", "cmdHelp");
    cmdOK = foot.ok;
    cmdCancel = foot.cancel;
    cmdHelp = foot.help;
    // Enter makes a new line in the text.
    cmdOK->setDefault(false);
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);

    auto* side = new QVBoxLayout;
    side->addWidget(colors);
    side->addWidget(fraBorder);
    auto* middle = new QHBoxLayout;
    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(DialogParts::Label(this, "Text:", "Label1"));
    textColumn->addWidget(txtText);
    middle->addLayout(textColumn, 1);
    middle->addLayout(side);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(9, Twips::toPixels(BandHeight) + 6, 9, 9);
    main->addLayout(middle);
    main->addLayout(foot.row);

    connect(chkBorder, &QCheckBox::clicked, this, &frmTextBox::chkBorder_Click);
    connect(lblBGColor, &ClickLabel::clicked, this, &frmTextBox::lblBGColor_Click);
    connect(lblTextColor, &ClickLabel::clicked, this, &frmTextBox::lblTextColor_Click);
    connect(lblBorderColor, &ClickLabel::clicked, this, &frmTextBox::lblBorderColor_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTextBox::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTextBox::cmdCancel_Click);

    // Form_Load
    BoxBorderColor.clear();
    BoxBackColor.clear();
    BoxTextColor.clear();
    setProperty("HelpContextID", 0);
    DialogParts::SetFormSize(this, FormWidth, FormHeight);
    band_ = DialogParts::AddHeadingBand(this, FormWidth, "Text box",
                                        "Create a box of text that you can position anywhere "
                                        "on your Web page with cool borders and colors!",
                                        BandHeight);
    cboBorderStyle->addItems({"dotted", "dashed", "solid", "double", "groove", "ridge", "inset",
                              "window-inset", "outset"});
    cboBorderStyle->setCurrentIndex(-1);
    BoxBorderOn = false;
    SetBorderControls();
    txtText->setFocus();
}

void frmTextBox::SetBorderControls() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{lblThickness, lblColor, lblStyle, txtBorderThickness,
                                         lblBorderColor, cboBorderStyle, UpDown8})
        w->setEnabled(BoxBorderOn);
}

void frmTextBox::chkBorder_Click() {
    if (chkBorder->isChecked()) {
        BoxBorderOn = true;
        txtBorderThickness->setText("1");
        cboBorderStyle->setCurrentIndex(cboBorderStyle->findText("solid"));
    } else {
        BoxBorderOn = false;
        txtBorderThickness->clear();
        cboBorderStyle->setCurrentIndex(-1);
    }
    SetBorderControls();
}

void frmTextBox::pickColor(ClickLabel* label, QString& value) {
    // The box keeps its colours as bare colour text.
    if (const auto hex = CColor::PickForLabel(this, label))
        value = hex->mid(1);
}

void frmTextBox::lblBGColor_Click() {
    pickColor(lblBGColor, BoxBackColor);
}

void frmTextBox::lblTextColor_Click() {
    pickColor(lblTextColor, BoxTextColor);
}

void frmTextBox::lblBorderColor_Click() {
    pickColor(lblBorderColor, BoxBorderColor);
}

void frmTextBox::cmdOK_Click() {
    if (txtText->toPlainText().isEmpty()) {
        MsgBox("Please type text into the Text input box.", vb::vbOKOnly, QString(), this);
        txtText->setFocus();
        return;
    }
    ElementMarkup::TextBoxChoices c;
    c.text = ElementMarkup::LineEndsToBreaks(txtText->toPlainText());
    skipErrors([&] { txtText->setPlainText(c.text); });
    c.backColor = BoxBackColor;
    c.textColor = BoxTextColor;
    c.border = chkBorder->isChecked();
    if (c.border) {
        c.borderThickness = ElementMarkup::BorderThicknessFor(txtBorderThickness->text());
        txtBorderThickness->setText(c.borderThickness);
        if (BoxBorderColor.isEmpty())
            BoxBorderColor = "000000";
        c.borderColor = BoxBorderColor;
        c.borderStyle = cboBorderStyle->currentText();
    }
    const QString html = ElementMarkup::BuildTextBox(c);
    // The box goes in at the caret: what was selected stays in the page.
    if (DHTMLEdit* editor = Module1::Editor()) {
        skipErrors([&] { editor->DOM().selection().empty(); });
        skipErrors([&] { editor->DOM().selection().createRange().pasteHTML(html); });
    }
    accept();
}

void frmTextBox::cmdCancel_Click() {
    reject();
}
