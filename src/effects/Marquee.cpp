#include "effects/Marquee.h"

#include "core/CColor.h"
#include "core/Module1.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"

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
constexpr int FormWidth = 6315;
constexpr int FormHeight = 6700;
constexpr int BandHeight = 855;

// A text box and its up-down spinner side by side.
QWidget* withSpinner(QLineEdit* box, QSpinBox* spinner, QWidget* parent) {
    auto* pair = new QWidget(parent);
    auto* row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    box->setParent(pair);
    spinner->setParent(pair);
    row->addWidget(box);
    row->addWidget(spinner);
    return pair;
}
} // namespace

Marquee::Marquee(QWidget* parent) : EffectDialog(parent) {
    setObjectName("Marquee");
    setWindowTitle("Marquee");
    setProperty("HelpContextID", 26);

    Text1 = DialogParts::TextBox(this, "Text1",
                                 "This is the text that will appear in the scrolling marquee");
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(DialogParts::Label(this, "Marquee text:"));
    textRow->addWidget(Text1, 1);

    const DialogParts::FootButtons foot = DialogParts::AddFootButtons(this, "Command1", "Command2");
    Command1 = foot.ok;
    Command2 = foot.cancel;
    Command8 = foot.help;
    QHBoxLayout* buttons = foot.row;

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(9, Twips::toPixels(BandHeight) + 6, 9, 9);
    main->setSpacing(4);
    main->addLayout(textRow);
    main->addWidget(DialogParts::Label(this, "The following attributes are optional."));
    main->addWidget(createLayoutFrame());
    main->addWidget(createBehaviorFrame());
    main->addStretch();
    main->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Marquee::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Marquee::Command2_Click);
    connect(Label14, &ClickLabel::clicked, this, &Marquee::Label14_Click);
}

QWidget* Marquee::createLayoutFrame() {
    auto* frame = new QGroupBox("Layout", this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(3);

    Text3 = DialogParts::TextBox(frame, "Text3",
                                 "This is the width of the marquee, specified in pixels");
    Text2 = DialogParts::TextBox(frame, "Text2",
                                 "This is the height of the marquee, specified in pixels");
    Text6 = DialogParts::TextBox(
        frame, "Text6",
        "This is the amount of clear space above and below the marquee, specified in "
        "pixels");
    Text7 =
        DialogParts::TextBox(frame, "Text7",
                             "This is the amount of clear space on the left and right sides of the "
                             "marquee, specified in pixels");
    Text4 = DialogParts::TextBox(frame, "Text4", "This is the background color of the marquee");
    Label14 = DialogParts::ColorLabel(frame, "Label14", "Select Color", "Click to select color...");
    Label14->setAlignment(Qt::AlignCenter);
    Label14->setFixedHeight(Text4->sizeHint().height());

    grid->addWidget(DialogParts::Label(frame, "Width (pixels):"), 0, 0);
    grid->addWidget(Text3, 0, 1);
    grid->addWidget(DialogParts::Label(frame, "Height (pixels):"), 0, 2);
    grid->addWidget(Text2, 0, 3);
    grid->addWidget(DialogParts::Label(frame, "Vspace:"), 1, 0);
    grid->addWidget(withSpinner(Text6, DialogParts::UpDown(frame, "UpDown1", Text6, 0, 100), frame),
                    1, 1);
    grid->addWidget(DialogParts::Label(frame, "Hspace:"), 1, 2);
    grid->addWidget(withSpinner(Text7, DialogParts::UpDown(frame, "UpDown2", Text7, 0, 100), frame),
                    1, 3);
    grid->addWidget(DialogParts::Label(frame, "Background Color:"), 2, 0);
    grid->addWidget(Text4, 2, 1);
    grid->addWidget(Label14, 2, 2, 1, 2);
    return frame;
}

QWidget* Marquee::createBehaviorFrame() {
    auto* frame = new QGroupBox("Behavior", this);
    frame->setObjectName("Frame2");
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(3);

    cboDirection = new QComboBox(frame);
    cboDirection->setObjectName("cboDirection");
    Combo2 = new QComboBox(frame);
    Combo2->setObjectName("Combo2");
    Combo2->setToolTip("This specifies how the marquee displays the scrolling text");
    Combo3 = new QComboBox(frame);
    Combo3->setObjectName("Combo3");
    Combo3->setEditable(true);
    Combo3->setInsertPolicy(QComboBox::NoInsert);
    Combo3->setToolTip(
        "This specifies the number of times to repeat the scrolling marquee. Infinite=forever.");
    Text8 =
        DialogParts::TextBox(frame, "Text8",
                             "This specifies the distance of each marquee movement, specified in "
                             "pixels");
    Text9 = DialogParts::TextBox(frame, "Text9",
                                 "This specifies the amount of time between each marquee movement");

    grid->addWidget(DialogParts::Label(frame, "Direction:"), 0, 0);
    grid->addWidget(cboDirection, 0, 1);
    grid->addWidget(DialogParts::Label(frame, "Behavior:"), 0, 2);
    grid->addWidget(Combo2, 0, 3);
    grid->addWidget(DialogParts::Label(frame, "Loop:"), 1, 0);
    grid->addWidget(Combo3, 1, 1);
    grid->addWidget(DialogParts::Label(frame, "ScrollAmount:"), 2, 0);
    grid->addWidget(withSpinner(Text8, DialogParts::UpDown(frame, "UpDown3", Text8, 0, 100), frame),
                    2, 1);
    grid->addWidget(DialogParts::Label(frame, "pixels"), 2, 2);
    grid->addWidget(DialogParts::Label(frame, "ScrollDelay:"), 3, 0);
    grid->addWidget(
        withSpinner(Text9, DialogParts::UpDown(frame, "UpDown4", Text9, 0, 10000), frame), 3, 1);
    grid->addWidget(DialogParts::Label(frame, "milliseconds"), 3, 2);
    return frame;
}

void Marquee::Form_Load() {
    skipErrors([&] {
        DialogParts::SetFormSize(this, FormWidth, FormHeight);
        DialogParts::HeadingNames names;
        names.subHeading = QStringLiteral("lblHeadingText");
        band_ = DialogParts::AddHeadingBand(
            this, FormWidth, "Marquee Text Ticker",
            "Use this to create scrolling text on your Web page.  Only Internet Explorer "
            "supports this MARQUEE tag.",
            BandHeight, names);
    });
    skipErrors([&] {
        cboDirection->addItems({"Left to Right", "Right to Left"});
        cboDirection->setCurrentIndex(0);
        Combo2->addItems({"Scroll(Default)", "Slide", "Alternate"});
        Combo2->setCurrentIndex(0);
        Combo3->addItems({"None", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Infinite"});
        Combo3->setCurrentIndex(Combo3->count() - 1);
    });
    Module1::PendingBodyStart.clear();
    Module1::PendingSnippet.clear();
}

EffectMarkup::MarqueeChoices Marquee::choices() const {
    EffectMarkup::MarqueeChoices c;
    c.text = Text1->text();
    c.width = Text3->text();
    c.height = Text2->text();
    c.vspace = Text6->text();
    c.hspace = Text7->text();
    c.bgColor = Text4->text();
    c.direction = cboDirection->currentText();
    c.behavior = Combo2->currentText();
    c.loop = Combo3->currentText();
    c.scrollAmount = Text8->text();
    c.scrollDelay = Text9->text();
    return c;
}

void Marquee::Command1_Click() {
    if (Text1->text().isEmpty()) {
        MsgBox("Please enter text to be marqueed in the box below.", vb::vbOKOnly, QString(), this);
        Text1->setFocus();
        return;
    }
    handOver(Code, EffectMarkup::BuildMarquee(choices()), QString());
}

void Marquee::Command2_Click() {
    reject();
}

void Marquee::Label14_Click() {
    if (const auto hex = CColor::PickForLabel(this, Label14))
        Text4->setText(hex->mid(1));
}
