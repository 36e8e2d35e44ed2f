#include "core/window/frmPublishLocalPrompt.h"

#include "core/Module1.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Settings.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int FormWidth = 7140;
constexpr int FormHeight = 4980;

ClickLabel* description(QWidget* parent, const QString& name, const QString& text,
                        const QRect& where) {
    auto* label = new ClickLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(where);
    return label;
}

} // namespace

frmPublishLocalPrompt::frmPublishLocalPrompt(QWidget* parent) : QDialog(parent) {
    setObjectName("frmPublishLocalPrompt");
    setWindowTitle(AppTitle);
    band = DialogParts::AddHeadingBand(this, FormWidth, QString(), QString());

    const QStringList captions = {"Save your Web page and images in one folder (Recommended)",
                                  "Save your Web page with absolute file references"};
    const int tops[] = {1020, 2160};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(captions[i], this);
        option->setObjectName(QString("optSaveMethod_%1").arg(i));
        option->setGeometry(Twips::toPixels(360, tops[i], 6480, 300));
        optSaveMethod << option;
    }
    optSaveMethod[0]->setChecked(true);
    lblCopyImagesDesc = description(
        this, "lblCopyImagesDesc",
        "Images that you insert into your Web page will be copied into the same folder as "
        "your Web page.  This will make it easy for you to publish your Web page to the "
        "Internet.",
        Twips::toPixels(660, 1350, 6240, 660));
    lblNoCopyImagesDesc = description(
        this, "lblNoCopyImagesDesc",
        "Images that you insert into your Web page will remain in their original folders.  "
        "Absolute file references will be used to display the images.  This option is OK if "
        "you only want to store your Web page on your computer.  Not recommended.",
        Twips::toPixels(660, 2490, 6240, 900));

    chkAlwaysDoThis = new QCheckBox("Always save my Web pages this way", this);
    chkAlwaysDoThis->setObjectName("chkAlwaysDoThis");
    chkAlwaysDoThis->setGeometry(Twips::toPixels(360, 3540, 6480, 300));

    cmdOK = new QPushButton("&OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setGeometry(Twips::toPixels(4260, 4020, 1215, 375));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setGeometry(Twips::toPixels(5640, 4020, 1215, 375));

    connect(cmdOK, &QPushButton::clicked, this, &frmPublishLocalPrompt::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPublishLocalPrompt::cmdCancel_Click);
    connect(lblCopyImagesDesc, &ClickLabel::clicked, this,
            &frmPublishLocalPrompt::lblCopyImagesDesc_Click);
    connect(lblNoCopyImagesDesc, &ClickLabel::clicked, this,
            &frmPublishLocalPrompt::lblNoCopyImagesDesc_Click);
    Form_Load();
}

void frmPublishLocalPrompt::Form_Load() {
    DialogParts::SetFormSize(this, FormWidth, FormHeight);
    band.lblHeading->setText("Saving your Web page");
    band.lblSubHeading->setText("Choose how you wish to save your Web pages.");
}

void frmPublishLocalPrompt::cmdOK_Click() {
    const QString mode = optSaveMethod[0]->isChecked() ? "Copy" : "AbsolutePath";
    Module1::PublishLocalMode = mode;
    if (chkAlwaysDoThis->isChecked())
        skipErrors([&] { SaveSetting(Module1::AppKey, "Misc", "PublishLocal", mode); });
    answered_ = true;
    accept();
}

void frmPublishLocalPrompt::cmdCancel_Click() {
    Module1::PublishPromptCancelled = true;
    answered_ = true;
    QDialog::reject();
}

void frmPublishLocalPrompt::reject() {
    if (!answered_)
        cmdCancel_Click();
}

void frmPublishLocalPrompt::lblCopyImagesDesc_Click() {
    optSaveMethod[0]->setChecked(true);
}

void frmPublishLocalPrompt::lblNoCopyImagesDesc_Click() {
    optSaveMethod[1]->setChecked(true);
}
