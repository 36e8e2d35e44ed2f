#include "effects/frmIframe.h"

#include "core/CFile.h"
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
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int FormWidth = 6315;
constexpr int FormHeight = 6300;
constexpr int BandHeight = 855;

} // namespace

frmIframe::frmIframe(QWidget* parent) : EffectDialog(parent) {
    setObjectName("frmIframe");
    setWindowTitle("Inline Frame");
    setProperty("HelpContextID", 34);

    const DialogParts::FootButtons foot =
        DialogParts::AddFootButtons(this, "cmdOK", "cmdCancel", "cmdHelp");
    cmdOK = foot.ok;
    cmdCancel = foot.cancel;
    cmdHelp = foot.help;

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(9, Twips::toPixels(BandHeight) + 6, 9, 9);
    main->addWidget(createRequiredFrame());
    main->addWidget(createLayoutFrame());
    main->addStretch();
    main->addLayout(foot.row);

    connect(cmdOK, &QPushButton::clicked, this, &frmIframe::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmIframe::cmdCancel_Click);
    connect(cmdBrowse, &QToolButton::clicked, this, &frmIframe::cmdBrowse_Click);
    connect(cmdFavorites, &QToolButton::clicked, this, &frmIframe::cmdFavorites_Click);
}

QWidget* frmIframe::createRequiredFrame() {
    auto* frame = new QGroupBox("Required Frame Properties", this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);

    Combo1 = new QComboBox(frame);
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    cmdBrowse =
        DialogParts::PictureButton(frame, "cmdBrowse", "browse", "Browse for local Web page...");
    cmdFavorites = DialogParts::PictureButton(frame, "cmdFavorites", "favorites",
                                              "Browse Internet Explorer Favorites...");
    auto* source = new QHBoxLayout;
    source->addWidget(Combo1, 1);
    source->addWidget(cmdBrowse);
    source->addWidget(cmdFavorites);

    Text1 = DialogParts::TextBox(frame, "Text1");
    Text2 = DialogParts::TextBox(frame, "Text2");
    Text6 = DialogParts::TextBox(frame, "Text6");

    grid->addWidget(new QLabel("Source URL:", frame), 0, 0);
    grid->addLayout(source, 0, 1, 1, 2);
    grid->addWidget(new QLabel("Width:", frame), 1, 0);
    grid->addWidget(Text1, 1, 1);
    grid->addWidget(new QLabel("pixels or %", frame), 1, 2);
    grid->addWidget(new QLabel("Height:", frame), 2, 0);
    grid->addWidget(Text2, 2, 1);
    grid->addWidget(new QLabel("pixels or %", frame), 2, 2);
    grid->addWidget(new QLabel("Alternative text:", frame), 3, 0);
    grid->addWidget(Text6, 3, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

QWidget* frmIframe::createLayoutFrame() {
    auto* frame = new QGroupBox("Layout", this);
    frame->setObjectName("Frame2");
    auto* grid = new QGridLayout(frame);

    Combo2 = new QComboBox(frame);
    Combo2->setObjectName("Combo2");
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setEditText("None");
    Text4 = DialogParts::TextBox(frame, "Text4");
    Text3 = DialogParts::TextBox(frame, "Text3");
    // The boxes stand right of their captions.
    Check2 = new QCheckBox("Frame Border:", frame);
    Check2->setObjectName("Check2");
    Check2->setLayoutDirection(Qt::RightToLeft);
    Check1 = new QCheckBox("Scroll bars", frame);
    Check1->setObjectName("Check1");
    Check1->setLayoutDirection(Qt::RightToLeft);

    auto spaced = [frame](QLineEdit* box, const QString& name) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        row->addWidget(box);
        row->addWidget(DialogParts::UpDown(frame, name, box, 0, 100));
        row->addSpacing(6);
        row->addWidget(new QLabel("pixels", frame));
        return row;
    };
    grid->addWidget(new QLabel("Alignment:", frame), 0, 0);
    grid->addWidget(Combo2, 0, 1);
    grid->addWidget(new QLabel("Vertical Space:", frame), 1, 0);
    grid->addLayout(spaced(Text4, "UpDown1"), 1, 1);
    grid->addWidget(new QLabel("Horizontal Space:", frame), 2, 0);
    grid->addLayout(spaced(Text3, "UpDown2"), 2, 1);
    grid->addWidget(Check2, 3, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(Check1, 4, 0, 1, 2, Qt::AlignLeft);
    return frame;
}

void frmIframe::Form_Load() {
    skipErrors([&] {
        DialogParts::SetFormSize(this, FormWidth, FormHeight);
        DialogParts::HeadingNames names;
        names.subHeading = QStringLiteral("lblHeadingText");
        band_ = DialogParts::AddHeadingBand(
            this, FormWidth, "Inline Frame",
            "An Inline Frame is a frame that floats on your Web page.  The frame contains any "
            "Web page of your choice.  Only Internet Explorer supports Inline Frames.",
            BandHeight, names);
    });
    skipErrors([&] {
        const QString text = Combo2->currentText();
        Combo2->addItems({"None", "Left", "Center", "Right", "Top", "Bottom"});
        Combo2->setEditText(text);
    });
    Module1::PendingBodyStart.clear();
    Module1::PendingSnippet.clear();
}

EffectMarkup::IframeChoices frmIframe::choices() const {
    EffectMarkup::IframeChoices c;
    c.source = Combo1->currentText();
    c.width = Text1->text();
    c.height = Text2->text();
    c.alternativeText = Text6->text();
    c.align = Combo2->currentText();
    c.vspace = Text4->text();
    c.hspace = Text3->text();
    c.border = Check2->isChecked();
    c.scrollBars = Check1->isChecked();
    return c;
}

void frmIframe::cmdOK_Click() {
    if (Combo1->currentText().isEmpty()) {
        MsgBox("Please enter Source URL in the box below.", vb::vbOKOnly, QString(), this);
        Combo1->setFocus();
        return;
    }
    if (Text1->text().isEmpty() || Text2->text().isEmpty()) {
        MsgBox("Please enter Frame width and height in the appropriate box below.", vb::vbOKOnly,
               QString(), this);
        Text1->setFocus();
        return;
    }
    handOver(Code, EffectMarkup::BuildIframe(choices()), QString());
}

void frmIframe::cmdCancel_Click() {
    reject();
}

void frmIframe::cmdBrowse_Click() {
    skipErrors([&] {
        CFile file;
        file.setOwner(this);
        file.BrowseForFile(CFile::WebPages);
        if (!file.PathAndFilename().isEmpty())
            Combo1->setEditText(file.PathAndFilename());
    });
    Combo1->setFocus();
}

void frmIframe::cmdFavorites_Click() {
    skipErrors([&] {
        const QString url = Module1::GetFavoritesURL();
        if (!url.isEmpty())
            Combo1->setEditText(url);
    });
    Combo1->setFocus();
}
