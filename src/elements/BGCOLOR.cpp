#include "elements/BGCOLOR.h"

#include "core/CColor.h"
#include "core/CFile.h"
#include "core/DialogParts.h"
#include "core/Module1.h"
#include "elements/Metatags.h"
#include "elements/PageProperties.h"
#include "platform/DHTMLEdit.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/UndoStep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int FormWidth = 7290;
constexpr int FormHeight = 4860;
constexpr int HelpTopic = 13;
const QSize PreviewBox(150, 100);

QGroupBox* frame(const QString& caption, QWidget* parent, const QString& name) {
    auto* f = new QGroupBox(caption, parent);
    f->setObjectName(name);
    return f;
}

void setBackColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    w->setPalette(p);
}

ClickLabel* swatch(QWidget* parent, const QString& name) {
    auto* l = DialogParts::ColorLabel(parent, name, "Select");
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(60);
    return l;
}

QComboBox* colorList(QWidget* parent, const QString& name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

// Shows the colour picker; on a choice, apply gets the picker. A failure of the picker is
// told, as the colour labels of every dialog tell it.
template <class F> void pickColor(QWidget* owner, F&& apply) {
    try {
        CColor color;
        color.SelectColor(owner);
        if (Module1::ColorDialogCancelled)
            return;
        apply(color);
    } catch (const PlatformError& e) {
        MsgBox("Error: " + QString::number(e.Number) + "   " + e.Description);
    } catch (const std::exception& e) {
        MsgBox("Error: " + QString::number(ErrorCode::Unexpected) + "   " +
               QString::fromLocal8Bit(e.what()));
    }
}
} // namespace

BGCOLOR::BGCOLOR(QWidget* parent) : QDialog(parent) {
    setObjectName("BGCOLOR");
    setWindowTitle("Web Page Properties");
    setProperty("HelpContextID", HelpTopic);

    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName("TabStrip1");
    TabStrip1->addTab(" Page Title ");
    TabStrip1->addTab(" Colors ");
    TabStrip1->addTab(" Background Image ");
    TabStrip1->addTab("Meta Tags");
    pages_ = new QStackedWidget(this);
    pages_->setObjectName("TabStrip1Client");
    pages_->setFrameShape(QFrame::StyledPanel);
    Picture2 = {titlePage(), colorsPage(), backgroundPage(), metaTagsPage()};
    for (int i = 0; i < 4; ++i) {
        Picture2[i]->setObjectName(QString("Picture2_%1").arg(i));
        pages_->addWidget(Picture2[i]);
    }

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(0);
    main->addWidget(TabStrip1);
    main->addWidget(pages_, 1);
    main->addWidget(buttonBand());

    connect(TabStrip1, &QTabBar::currentChanged, this, &BGCOLOR::TabStrip1_Click);
    connect(cboBGColor, &QComboBox::currentTextChanged, this, &BGCOLOR::cboBGColor_Change);
    connect(lblBGColor, &ClickLabel::clicked, this, &BGCOLOR::lblBGColor_Click);
    for (int i = 0; i < 4; ++i) {
        connect(cboColor[i], &QComboBox::currentTextChanged, this,
                [this, i] { cboColor_Change(i); });
        connect(lblSelectColor[i], &ClickLabel::clicked, this,
                [this, i] { lblSelectColor_Click(i); });
    }
    connect(Text9, &QLineEdit::textChanged, this, [this] { BackgroundChanged = true; });
    connect(Command6, &QToolButton::clicked, this, &BGCOLOR::Command6_Click);
    connect(Check1, &QCheckBox::clicked, this, &BGCOLOR::Check1_Click);
    connect(cmdMetaTags, &QPushButton::clicked, this, &BGCOLOR::cmdMetaTags_Click);
    connect(Command2, &QPushButton::clicked, this, &BGCOLOR::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &BGCOLOR::Command1_Click);

    Form_Load();
}

QWidget* BGCOLOR::titlePage() {
    auto* page = new QWidget;
    auto* f = frame("Enter the Title of your Web page", page, "Frame1");
    Text5 = new QLineEdit(f);
    Text5->setObjectName("Text5");
    auto* inFrame = new QVBoxLayout(f);
    inFrame->addWidget(Text5);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(f);
    layout->addStretch();
    return page;
}

QWidget* BGCOLOR::colorsPage() {
    auto* page = new QWidget;
    auto* f = frame("Click on the \"Select\" boxes to select Web page colors.", page, "Frame2");
    auto* grid = new QGridLayout(f);
    grid->setVerticalSpacing(3);
    cboBGColor = colorList(f, "cboBGColor");
    lblBGColor = swatch(f, "lblBGColor");
    grid->addWidget(DialogParts::Label(f, "Background color:", "Label1"), 0, 0);
    grid->addWidget(cboBGColor, 0, 1);
    grid->addWidget(lblBGColor, 0, 2);
    const char* const captions[4] = {
        "Text Color:", "Link Color:", "Visited Link Color:", "Active Link Color:"};
    const char* const labelNames[4] = {"Label2", "Label3", "Label4", "Label7"};
    for (int i = 0; i < 4; ++i) {
        cboColor[i] = colorList(f, QString("cboColor_%1").arg(i));
        lblSelectColor[i] = swatch(f, QString("lblSelectColor_%1").arg(i));
        grid->addWidget(DialogParts::Label(f, captions[i], labelNames[i]), i + 1, 0);
        grid->addWidget(cboColor[i], i + 1, 1);
        grid->addWidget(lblSelectColor[i], i + 1, 2);
    }
    grid->setColumnStretch(1, 1);

    fraPreview = frame("Preview", page, "fraPreview");
    auto* preview = new QVBoxLayout(fraPreview);
    const char* const texts[4] = {"Normal Text", "Linked Text", "Visited Link Text",
                                  "Active Link Text"};
    for (int i = 0; i < 4; ++i) {
        lblPreviewColor[i] =
            DialogParts::Label(fraPreview, texts[i], QString("lblPreviewColor_%1").arg(i));
        lblPreviewColor[i]->setAutoFillBackground(true);
        preview->addWidget(lblPreviewColor[i]);
    }
    preview->addStretch();

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(f, 3);
    layout->addWidget(fraPreview, 2);
    return page;
}

QWidget* BGCOLOR::backgroundPage() {
    auto* page = new QWidget;
    auto* f = frame("Specify background image:", page, "Frame3");
    Text9 = new QLineEdit(f);
    Text9->setObjectName("Text9");
    Command6 = DialogParts::PictureButton(f, "Command6", "browse", "Browse for image...");
    auto* row = new QHBoxLayout;
    row->addWidget(Text9, 1);
    row->addWidget(Command6);
    // The caption is longer than the page is wide: it stands beside the box as a wrapped
    // label that ticks the box when clicked.
    const QString caption = "Make background image a fixed watermark on page (Only supported by "
                            "Internet Explorer)";
    Check1 = new QCheckBox(f);
    Check1->setObjectName("Check1");
    Check1->setAccessibleName(caption);
    auto* checkCaption = new ClickLabel(caption, f);
    checkCaption->setObjectName("Check1Caption");
    checkCaption->setWordWrap(true);
    connect(checkCaption, &ClickLabel::clicked, Check1, &QCheckBox::click);
    auto* watermark = new QHBoxLayout;
    watermark->addWidget(Check1, 0, Qt::AlignTop);
    watermark->addWidget(checkCaption, 1);
    auto* inFrame = new QVBoxLayout(f);
    inFrame->addLayout(row);
    inFrame->addLayout(watermark);

    auto* previewFrame = frame("Preview", page, "Frame4");
    Picture1 = new QLabel(previewFrame);
    Picture1->setObjectName("Picture1");
    Picture1->setFixedSize(PreviewBox);
    Picture1->setAlignment(Qt::AlignCenter);
    auto* inPreview = new QVBoxLayout(previewFrame);
    inPreview->addWidget(Picture1, 0, Qt::AlignCenter);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(f);
    layout->addWidget(previewFrame, 1, Qt::AlignLeft);
    return page;
}

QWidget* BGCOLOR::metaTagsPage() {
    auto* page = new QWidget;
    cmdMetaTags = new QPushButton("&Meta Tags...", page);
    cmdMetaTags->setObjectName("cmdMetaTags");
    cmdMetaTags->setAutoDefault(false);
    auto* text = DialogParts::Label(
        page,
        "Click here to specify your Web page's META tags including your Web page "
        "description and keywords that search engines use to index your Web site.",
        "Label18");
    text->setWordWrap(true);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(cmdMetaTags, 0, Qt::AlignTop);
    layout->addWidget(text, 1, Qt::AlignTop);
    return page;
}

QWidget* BGCOLOR::buttonBand() {
    Picture3 = new QWidget(this);
    Picture3->setObjectName("Picture3");
    Command2 = new QPushButton("&OK", Picture3);
    Command2->setObjectName("Command2");
    Command2->setDefault(true);
    Command1 = new QPushButton("&Cancel", Picture3);
    Command1->setObjectName("Command1");
    Command1->setAutoDefault(false);
    Command5 = DialogParts::HelpButton(this, "Command5");
    auto* band = new QHBoxLayout(Picture3);
    band->setContentsMargins(0, 6, 0, 0);
    band->addWidget(Command5);
    band->addStretch();
    band->addWidget(Command2);
    band->addWidget(Command1);
    return Picture3;
}

void BGCOLOR::Form_Load() {
    DialogParts::SetFormSize(this, FormWidth, FormHeight);
    BackgroundChanged = false;

    const CColor colors;
    QStringList names;
    for (const auto& row : colors.WebColors())
        names << row[0];
    for (QComboBox* list : {cboBGColor, cboColor[0], cboColor[1], cboColor[2], cboColor[3]}) {
        const QSignalBlocker quiet(list);
        list->addItems(names);
        list->setCurrentIndex(-1);
        list->setEditText(QString());
    }
    pages_->setCurrentIndex(0);
    // The lists start with no colour of the page; their swatches show what "" stands for.
    cboBGColor_Change();
    for (int i = 0; i < 4; ++i)
        cboColor_Change(i);

    DHTMLEdit* editor = Module1::Editor();
    if (!editor)
        return;
    const HtmlDocument doc = editor->DOM();
    skipErrors([&] { cboBGColor->setEditText(doc.bgColor()); });
    skipErrors([&] { cboColor[0]->setEditText(doc.fgColor()); });
    skipErrors([&] { cboColor[1]->setEditText(doc.linkColor()); });
    skipErrors([&] { cboColor[2]->setEditText(doc.vlinkColor()); });
    skipErrors([&] { cboColor[3]->setEditText(doc.alinkColor()); });
    skipErrors([&] { Text5->setText(doc.title()); });
    skipErrors([&] { ParseTag("BACKGROUND="); });
    // The box shows the background as the page holds it, character references decoded:
    // the value OK compares with to leave an untouched background alone.
    skipErrors([&] {
        loadedBackground_ = doc.body().getAttribute("background");
        Text9->setText(loadedBackground_);
    });
}

void BGCOLOR::ParseTag(const QString& attribute) {
    DHTMLEdit* editor = Module1::Editor();
    const QString html = editor ? editor->DocumentHTML() : QString();
    ParsedAttributeValue = PageProperties::ParseTag(html, attribute, BodyTagText);
}

void BGCOLOR::TabStrip1_Click() {
    const int index = TabStrip1->currentIndex();
    if (index < 0 || index >= 4)
        return;
    pages_->setCurrentIndex(index);
    // An opener choosing the tab before the dialog shows leaves the focus to the platform.
    if (!isVisible())
        return;
    QWidget* first[4] = {Text5, cboBGColor, Text9, cmdMetaTags};
    first[index]->setFocus();
}

void BGCOLOR::paintBackground(const QColor& color) {
    setBackColor(lblBGColor, color);
    setBackColor(fraPreview, color);
    for (QLabel* l : lblPreviewColor)
        setBackColor(l, color);
}

void BGCOLOR::cboBGColor_Change() {
    paintBackground(PageProperties::ListColor(cboBGColor->currentText()));
}

void BGCOLOR::cboColor_Change(int index) {
    const QColor color = PageProperties::ListColor(cboColor[index]->currentText());
    setBackColor(lblSelectColor[index], color);
    setTextColor(lblPreviewColor[index], color);
}

void BGCOLOR::lblBGColor_Click() {
    pickColor(this, [this](const CColor& picked) {
        cboBGColor->setEditText(picked.ColorHex);
        paintBackground(CColor::ToQColor(picked.ColorInt));
        lblBGColor->setText(QString());
    });
}

void BGCOLOR::lblSelectColor_Click(int index) {
    pickColor(this, [this, index](const CColor& picked) {
        cboColor[index]->setEditText(picked.ColorHex);
        setTextColor(lblPreviewColor[index], CColor::ToQColor(picked.ColorInt));
        setBackColor(lblSelectColor[index], CColor::ToQColor(picked.ColorInt));
        lblSelectColor[index]->setText(QString());
    });
}

void BGCOLOR::Command6_Click() {
    skipErrors([&] {
        CFile file;
        file.setOwner(this);
        const QString chosen = file.BrowseForFile(CFile::Graphics);
        if (chosen.isEmpty())
            return;
        Text9->setText(chosen);
        // A file that is no picture leaves the preview as it was.
        const QPixmap picture = PageProperties::PreviewPicture(chosen, PreviewBox);
        if (!picture.isNull())
            Picture1->setPixmap(picture);
    });
}

void BGCOLOR::Check1_Click() {
    Text9->setText(PageProperties::BoxAfterWatermarkClick(Text9->text(), Check1->isChecked(),
                                                          Module1::LastImageFile));
}

void BGCOLOR::cmdMetaTags_Click() {
    skipErrors([&] {
        Metatags dialog(this);
        if (dialog.exec() == QDialog::Accepted) {
            metaTagsAccepted_ = true;
            cmdMetaTags->setFocus();
        }
    });
}

void BGCOLOR::writePage() {
    DHTMLEdit* editor = Module1::Editor();
    if (!editor)
        return;
    const HtmlDocument doc = editor->DOM();
    const HtmlElement body = doc.body();
    // One Undo takes back the whole OK. Each value is compared with what the page holds
    // and written only when it differs: an unchanged value neither marks the page changed
    // nor leaves an empty step to undo.
    UndoStep step(editor);

    using Getter = QString (HtmlDocument::*)() const;
    using Setter = void (HtmlDocument::*)(const QString&) const;
    const struct {
        QComboBox* list;
        Getter get;
        Setter set;
    } colors[5] = {{cboBGColor, &HtmlDocument::bgColor, &HtmlDocument::setBgColor},
                   {cboColor[0], &HtmlDocument::fgColor, &HtmlDocument::setFgColor},
                   {cboColor[1], &HtmlDocument::linkColor, &HtmlDocument::setLinkColor},
                   {cboColor[2], &HtmlDocument::vlinkColor, &HtmlDocument::setVlinkColor},
                   {cboColor[3], &HtmlDocument::alinkColor, &HtmlDocument::setAlinkColor}};
    for (const auto& c : colors) {
        skipErrors([&] {
            const QString text = c.list->currentText();
            if (!text.isEmpty() && (doc.*c.get)() != text)
                (doc.*c.set)(text);
        });
    }

    skipErrors([&] {
        const auto background =
            PageProperties::BackgroundToWrite(Text9->text(), loadedBackground_, BackgroundChanged);
        if (background && body.getAttribute("background") != *background)
            body.setAttribute("BACKGROUND", *background);
    });

    // Unticked, the box never removes a watermark the page has.
    skipErrors([&] {
        if (Check1->isChecked() && body.getAttribute("bgproperties") != "FIXED")
            body.setAttribute("BGPROPERTIES", "FIXED");
    });

    // Through the document's title: the page escapes it as it must and a page without a
    // title element gets one. An empty box leaves the title alone.
    skipErrors([&] {
        const QString title = Text5->text();
        if (!title.isEmpty() && doc.title() != title)
            doc.setTitle(title);
    });

    // The meta-tags dialog's values, once it was closed with OK in this opening.
    if (!metaTagsAccepted_)
        return;
    const QList<PageProperties::MetaWrite> metas =
        PageProperties::MetaTagsToWrite(Module1::MetaDescription, Module1::MetaKeywords,
                                        Module1::SplashSeconds, Module1::SplashURL);
    for (const PageProperties::MetaWrite& m : metas)
        skipErrors([&] { doc.replaceMeta(m.attribute, m.key, m.html); });
}

void BGCOLOR::Command2_Click() {
    writePage();
    accept();
}

void BGCOLOR::Command1_Click() {
    reject();
}
