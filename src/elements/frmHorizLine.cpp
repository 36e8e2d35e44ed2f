#include "elements/frmHorizLine.h"

#include "core/CColor.h"
#include "core/Module1.h"
#include "elements/ElementMarkup.h"
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
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int FormWidth = 5400;
constexpr int FormHeight = 4350;
constexpr int BandHeight = 855;

} // namespace

frmHorizLine::frmHorizLine(QWidget* parent) : QDialog(parent) {
    setObjectName("frmHorizLine");
    setWindowTitle("Horizontal Line");
    setProperty("HelpContextID", 9);
    DialogParts::SetFormSize(this, FormWidth, FormHeight);

    auto* frame = new QGroupBox("Line properties", this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);

    Text1 = new QLineEdit(frame);
    Text1->setObjectName("Text1");
    Text1->setToolTip("This is the thickness of the line, specified in pixels");
    UpDown1 = DialogParts::UpDown(frame, "UpDown1", Text1, 1, 50);
    grid->addWidget(DialogParts::Label(frame, "Line thickness:", "Label1"), 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(UpDown1, 0, 2);
    grid->addWidget(DialogParts::Label(frame, "pixels", "Label3"), 0, 3);

    Text2 = new QLineEdit(frame);
    Text2->setObjectName("Text2");
    Text2->setToolTip("This is the horizontal length of the line, specified in pixels or "
                      "percentage of screen width");
    grid->addWidget(DialogParts::Label(frame, "Length of line:", "Label2"), 1, 0);
    grid->addWidget(Text2, 1, 1);
    grid->addWidget(DialogParts::Label(frame, "pixels/percent", "Label4"), 1, 3);

    Check1 = new QCheckBox("No Shading       ", frame);
    Check1->setObjectName("Check1");
    Check1->setToolTip("Select this to make an unshaded line");
    Check1->setLayoutDirection(Qt::RightToLeft); // the caption stands left of the box
    grid->addWidget(Check1, 2, 0, 1, 2, Qt::AlignLeft);

    cmbAlign = new QComboBox(frame);
    cmbAlign->setObjectName("cmbAlign");
    cmbAlign->setEditable(true);
    cmbAlign->setInsertPolicy(QComboBox::NoInsert);
    cmbAlign->setToolTip("This is the alignment of the line");
    grid->addWidget(DialogParts::Label(frame, "Align:", "Label5"), 3, 0);
    grid->addWidget(cmbAlign, 3, 1);

    lblColor = DialogParts::ColorLabel(frame, "lblColor", "Click to Select Color");
    lblColor->setFixedHeight(Text1->sizeHint().height()); // as high as a text box
    grid->addWidget(DialogParts::Label(frame, "Color:", "Label6"), 4, 0);
    grid->addWidget(lblColor, 4, 1, 1, 3);
    grid->setColumnStretch(1, 1);

    const DialogParts::FootButtons foot = DialogParts::AddFootButtons(this, "Command1", "Command2");
    Command1 = foot.ok;
    Command2 = foot.cancel;
    Command8 = foot.help;
    QHBoxLayout* buttons = foot.row;
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(9, Twips::toPixels(BandHeight) + 6, 9, 9);
    main->addWidget(frame);
    main->addLayout(buttons);

    connect(lblColor, &ClickLabel::clicked, this, &frmHorizLine::lblColor_Click);
    connect(Command1, &QPushButton::clicked, this, &frmHorizLine::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmHorizLine::Command2_Click);

    // Form_Load
    Text1->setText("1");
    cmbAlign->addItems({"Left", "Right", "Center"});
    cmbAlign->setCurrentIndex(-1);
    cmbAlign->setEditText(QString());
    band_ = DialogParts::AddHeadingBand(
        this, FormWidth, "Horizontal Line",
        "Set the properties below and click OK to insert a horizontal line.", BandHeight);
    Module1::PendingSnippet.clear();
    Module1::PendingBodyStart.clear();
    Text1->setFocus();
}

void frmHorizLine::lblColor_Click() {
    if (const auto hex = CColor::PickForLabel(this, lblColor))
        LineColor = *hex;
}

void frmHorizLine::Command1_Click() {
    ElementMarkup::HorizLineChoices c;
    c.thickness = Text1->text();
    c.length = Text2->text();
    c.noShade = Check1->isChecked();
    c.align = cmbAlign->currentText();
    c.color = LineColor;
    Module1::PendingSnippet = ElementMarkup::BuildHorizLine(c);
    Module1::PendingBodyStart.clear();
    accept();
}

void frmHorizLine::Command2_Click() {
    reject();
}
