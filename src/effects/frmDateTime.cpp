#include "effects/frmDateTime.h"

#include "core/CColor.h"
#include "core/Module1.h"
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
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <charconv>

namespace {
constexpr int FormWidth = 6420;
constexpr int FormHeight = 5625;
constexpr int BandHeight = 855;
constexpr int HelpTopic = 27;

struct PageText {
    const char* suffix;
    const char* subHeading;
};
constexpr PageText Pages[4] = {
    {": Select Date and/or Time",
     "From the choices below, select the item you wish to be displayed on your Web page: date "
     "only, time only or both."},
    {": Set Date format", "Select the date format you wish to be displayed on your Web page."},
    {": Set Time format", "Set the format you wish the time to be displayed on your Web page."},
    {": Set clock properties",
     "Set the font and background properties of your date/time special effect."},
};

QCheckBox* checkBox(const QString& text, const QString& name, QWidget* parent) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(name);
    return c;
}

// A size as the font dialog reports it, in its shortest decimal form ("12", "10.5").
QString shortestSize(float size) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, size);
    return QString::fromLatin1(text, end.ptr - text);
}

} // namespace

frmDateTime::frmDateTime(QWidget* parent) : EffectDialog(parent) {
    setObjectName("frmDateTime");
    setWindowTitle("Digital Clock");
    setProperty("HelpContextID", HelpTopic);
    DialogParts::SetFormSize(this, FormWidth, FormHeight);

    pages = new QStackedWidget(this);
    pages->setObjectName("pages");
    pages->addWidget(createPage1());
    pages->addWidget(createPage2());
    pages->addWidget(createPage3());
    pages->addWidget(createPage4());

    cmdPrevious = new QPushButton("<< &Previous", this);
    cmdPrevious->setObjectName("cmdPrevious");
    cmdNext = new QPushButton("&Next >>", this);
    cmdNext->setObjectName("cmdNext");
    cmdNext->setDefault(true);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdHelp = DialogParts::HelpButton(this, "cmdHelp", "Click here for help");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelp);
    buttons->addStretch();
    buttons->addWidget(cmdPrevious);
    buttons->addWidget(cmdNext);
    buttons->addWidget(cmdCancel);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(9, Twips::toPixels(BandHeight) + 6, 9, 9);
    main->addWidget(pages, 1);
    main->addLayout(buttons);

    band_ = DialogParts::AddHeadingBand(this, FormWidth, QString(), QString(), BandHeight);

    connect(cmdNext, &QPushButton::clicked, this, &frmDateTime::cmdNext_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &frmDateTime::cmdPrevious_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDateTime::cmdCancel_Click);
    connect(cmdMoreFonts, &QPushButton::clicked, this, &frmDateTime::cmdMoreFonts_Click);
    connect(lblBGColor, &ClickLabel::clicked, this, &frmDateTime::lblBGColor_Click);
    connect(lblFontColor, &ClickLabel::clicked, this, &frmDateTime::lblFontColor_Click);
    connect(Label8, &ClickLabel::clicked, this, [this] { optDateTime[0]->setChecked(true); });
    connect(Label9, &ClickLabel::clicked, this, [this] { optDateTime[1]->setChecked(true); });
    connect(Label10, &ClickLabel::clicked, this, [this] { optDateTime[2]->setChecked(true); });
}

QWidget* frmDateTime::createPage1() {
    auto* page = picPage[0] = new QWidget;
    page->setObjectName("picPage_0");
    auto* grid = new QGridLayout(page);
    const char* const captions[3] = {"Show the Date", "Show the Time",
                                     "Show both the Date and Time"};
    const char* const descriptions[3] = {
        "Display the date on your Web page in a format like: \"Monday, April 3, 2001\"",
        "Display the time on your Web page in a format like: \"12:31 pm\"",
        "Display both the date and time on your Web page in a format like: \"Monday, April 3, "
        "2001  12:31 pm\""};
    ClickLabel** labels[3] = {&Label8, &Label9, &Label10};
    for (int i = 0; i < 3; ++i) {
        optDateTime[i] = new QRadioButton(captions[i], page);
        optDateTime[i]->setObjectName(QString("optDateTime_%1").arg(i));
        *labels[i] = new ClickLabel(descriptions[i], page);
        (*labels[i])->setObjectName(QString("Label%1").arg(8 + i));
        (*labels[i])->setWordWrap(true);
        (*labels[i])->setContentsMargins(22, 0, 0, 6); // under the option's caption
        grid->addWidget(optDateTime[i], 2 * i, 0);
        grid->addWidget(*labels[i], 2 * i + 1, 0);
    }
    optDateTime[0]->setChecked(true);
    grid->setRowStretch(6, 1);
    return page;
}

QWidget* frmDateTime::createPage2() {
    auto* page = picPage[1] = new QWidget;
    page->setObjectName("picPage_1");
    auto* box = new QVBoxLayout(page);
    chkDayOfWeek =
        checkBox("Show the day of the week (Monday, Tuesday, etc.)", "chkDayOfWeek", page);
    lstDateTimeFormat = new QListWidget(page);
    lstDateTimeFormat->setObjectName("lstDateTimeFormat");
    lstDateTimeFormat->setSelectionMode(QAbstractItemView::SingleSelection);
    box->addWidget(chkDayOfWeek);
    box->addWidget(DialogParts::Label(page, "Date Format", "Label1"));
    box->addWidget(lstDateTimeFormat, 1);
    return page;
}

QWidget* frmDateTime::createPage3() {
    auto* page = picPage[2] = new QWidget;
    page->setObjectName("picPage_2");
    auto* frame = new QGroupBox("Time Format", page);
    frame->setObjectName("Frame1");
    auto* box = new QVBoxLayout(frame);
    chkShowTimeBeforeDate = checkBox("Show Time before Date", "chkShowTimeBeforeDate", frame);
    chkMilitaryTime = checkBox("24 hour clock (military time)", "chkMilitaryTime", frame);
    chkShowSeconds = checkBox("Show seconds", "chkShowSeconds", frame);
    chkShowAMPM = checkBox("Show AM/PM", "chkShowAMPM", frame);
    for (QCheckBox* c : {chkShowTimeBeforeDate, chkMilitaryTime, chkShowSeconds, chkShowAMPM})
        box->addWidget(c);
    box->addStretch();
    (new QVBoxLayout(page))->addWidget(frame);
    return page;
}

QWidget* frmDateTime::createPage4() {
    auto* page = picPage[3] = new QWidget;
    page->setObjectName("picPage_3");
    auto* frame = new QGroupBox("Clock properties", page);
    frame->setObjectName("Frame2");
    auto* grid = new QGridLayout(frame);

    lblBGColor = DialogParts::ColorLabel(frame, "lblBGColor", "Click to Select Color");
    lblFontColor = DialogParts::ColorLabel(frame, "lblFontColor", "Click to Select Color");
    grid->addWidget(DialogParts::Label(frame, "Background color:", "Label2"), 0, 0);
    grid->addWidget(lblBGColor, 0, 1, 1, 3);
    grid->addWidget(DialogParts::Label(frame, "Font color:", "Label3"), 1, 0);
    grid->addWidget(lblFontColor, 1, 1, 1, 3);

    cboFont = new QComboBox(frame);
    cboFont->setObjectName("cboFont");
    cboFont->setEditable(true);
    cboFont->setInsertPolicy(QComboBox::NoInsert);
    cmdMoreFonts = new QPushButton("more...", frame);
    cmdMoreFonts->setObjectName("cmdMoreFonts");
    grid->addWidget(DialogParts::Label(frame, "Font:", "Label4"), 2, 0);
    grid->addWidget(cboFont, 2, 1, 1, 2);
    grid->addWidget(cmdMoreFonts, 2, 3);

    cboFontSize = new QComboBox(frame);
    cboFontSize->setObjectName("cboFontSize");
    cboFontSize->setEditable(true);
    cboFontSize->setInsertPolicy(QComboBox::NoInsert);
    grid->addWidget(DialogParts::Label(frame, "Font size:", "Label5"), 3, 0);
    grid->addWidget(cboFontSize, 3, 1);

    cboFontStyle = new QComboBox(frame);
    cboFontStyle->setObjectName("cboFontStyle");
    grid->addWidget(DialogParts::Label(frame, "Font style:", "Label6"), 4, 0);
    grid->addWidget(cboFontStyle, 4, 1);

    txtPadding = new QLineEdit("2", frame);
    txtPadding->setObjectName("txtPadding");
    UpDown1 = DialogParts::UpDown(frame, "UpDown1", txtPadding, 0, 100);
    auto* padding = new QHBoxLayout;
    padding->setSpacing(0);
    padding->addWidget(txtPadding);
    padding->addWidget(UpDown1);
    grid->addWidget(DialogParts::Label(frame, "Padding:", "Label7"), 5, 0);
    grid->addLayout(padding, 5, 1);
    grid->setColumnStretch(2, 1);

    const int high = txtPadding->sizeHint().height(); // colour labels as high as a text box
    lblBGColor->setFixedHeight(high);
    lblFontColor->setFixedHeight(high);
    (new QVBoxLayout(page))->addWidget(frame);
    return page;
}

void frmDateTime::Form_Load() {
    // The insertion strings are left as they are: the clock fills both on Done.
    StepNumber = 1;
    PageNumber = 1;
    DialogParts::SizeHeadingBand(band_, FormWidth);
    showHeading(1);
    cmdPrevious->setEnabled(false);
    lstDateTimeFormat->clear();
    lstDateTimeFormat->addItems(ClockScript::DateFormats());
    lstDateTimeFormat->setCurrentRow(-1);
    lstDateTimeFormat->clearSelection();
    cboFont->clear();
    cboFont->addItems({"Arial", "Courier", "Courier New", "Terminal", "MS Serif", "MS Sans Serif",
                       "Symbol", "Modern", "Times New Roman", "Wingdings"});
    cboFont->setCurrentIndex(0);
    cboFontStyle->clear();
    cboFontStyle->addItems({"Normal", "Bold", "Italic", "Bold Italic"});
    cboFontStyle->setCurrentIndex(0);
    // A default clock gets a real size (12 points).
    cboFontSize->clear();
    cboFontSize->addItems(
        {"8", "9", "10", "11", "12", "14", "16", "18", "20", "24", "28", "36", "48", "72"});
    cboFontSize->setCurrentIndex(cboFontSize->findText("12"));
    pages->setCurrentWidget(picPage[0]);
}

void frmDateTime::Form_Unload() {
    BackColorHex.clear();
    FontColorHex.clear();
}

void frmDateTime::showHeading(int page) {
    const PageText& text = Pages[page - 1];
    band_.lblHeading->setText("Digital Clock - Step " + QString::number(StepNumber) +
                              QLatin1String(text.suffix));
    band_.lblSubHeading->setText(QLatin1String(text.subHeading));
}

void frmDateTime::cmdNext_Click() {
    ++StepNumber;
    ++PageNumber;
    if (optDateTime[1]->isChecked() && PageNumber == 2)
        PageNumber = 3;
    else if (optDateTime[0]->isChecked() && PageNumber == 3)
        PageNumber = 4;
    ChangePage(PageNumber);
}

void frmDateTime::cmdPrevious_Click() {
    --StepNumber;
    --PageNumber;
    if (optDateTime[0]->isChecked() && PageNumber == 3)
        PageNumber = 2;
    else if (optDateTime[1]->isChecked() && PageNumber == 2)
        PageNumber = 1;
    ChangePage(PageNumber);
}

void frmDateTime::ChangePage(int16_t& intPageNumIN) {
    const int page = intPageNumIN;
    if (page == 3 || page == 4) {
        if (!optDateTime[1]->isChecked() && lstDateTimeFormat->selectedItems().isEmpty()) {
            MsgBox("Please select a Date format from the list below.", vb::vbOKOnly, QString(),
                   this);
            PageNumber = 2;
            --StepNumber;
            return;
        }
    }
    if (page >= 1 && page <= 4) {
        showHeading(page);
        switch (page) {
        case 1:
            cmdPrevious->setEnabled(false);
            break;
        case 2:
        case 3:
            cmdPrevious->setEnabled(true);
            cmdNext->setText("&Next >>");
            chkShowTimeBeforeDate->setVisible(optDateTime[2]->isChecked());
            break;
        case 4:
            cmdPrevious->setEnabled(true);
            cmdNext->setText("&Done");
            break;
        }
        pages->setCurrentWidget(picPage[page - 1]);
        return;
    }
    if (page == 5) {
        const ClockScript::ClockCode code = CreateCode();
        // The wizard stands on its last page again, for the way back from the preview.
        PageNumber = 4;
        --StepNumber;
        handOver(Code, code.markup, code.script);
    }
}

ClockScript::ClockChoices frmDateTime::Choices() const {
    ClockScript::ClockChoices c;
    c.show = optDateTime[1]->isChecked()   ? ClockScript::ShowTime
             : optDateTime[2]->isChecked() ? ClockScript::ShowBoth
                                           : ClockScript::ShowDate;
    c.dayOfWeek = chkDayOfWeek->isChecked();
    const QList<QListWidgetItem*> selected = lstDateTimeFormat->selectedItems();
    c.dateFormat = selected.isEmpty() ? QString() : selected.first()->text();
    c.timeBeforeDate = chkShowTimeBeforeDate->isChecked();
    c.militaryTime = chkMilitaryTime->isChecked();
    c.showSeconds = chkShowSeconds->isChecked();
    c.showAMPM = chkShowAMPM->isChecked();
    c.backColorHex = BackColorHex;
    c.fontColorHex = FontColorHex;
    c.fontStyle = cboFontStyle->currentText();
    c.font = cboFont->currentText();
    c.fontSize = cboFontSize->currentText();
    c.padding = txtPadding->text();
    return c;
}

ClockScript::ClockCode frmDateTime::CreateCode() const {
    return ClockScript::CreateCode(Choices());
}

void frmDateTime::pickColor(ClickLabel* label, QString& field) {
    if (const auto hex = CColor::PickForLabel(this, label))
        field = *hex;
}

void frmDateTime::lblBGColor_Click() {
    pickColor(lblBGColor, BackColorHex);
}

void frmDateTime::lblFontColor_Click() {
    pickColor(lblFontColor, FontColorHex);
}

void frmDateTime::cmdMoreFonts_Click() {
    CommonDialog1.Flags = 3; // screen and printer fonts
    CommonDialog1.CancelError = true;
    bool chosen = false;
    skipErrors([&] { chosen = CommonDialog1.ShowFont(this); });
    // A cancelled font dialog leaves the three boxes as they were.
    if (!chosen)
        return;
    cboFont->setEditText(CommonDialog1.FontName);
    if (CommonDialog1.FontSize > 0)
        cboFontSize->setEditText(shortestSize(CommonDialog1.FontSize));
    const bool bold = CommonDialog1.FontBold;
    const bool italic = CommonDialog1.FontItalic;
    const QString style = bold && italic ? "Bold Italic"
                          : bold         ? "Bold"
                          : italic       ? "Italic"
                                         : "Normal";
    cboFontStyle->setCurrentIndex(cboFontStyle->findText(style));
}

void frmDateTime::cmdCancel_Click() {
    reject();
}

void frmDateTime::reject() {
    // Cancel, Escape and the close box unload the wizard.
    Form_Unload();
    EffectDialog::reject();
}
