#include "effects/BGSound.h"

#include "core/CFile.h"
#include "core/Module1.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"
#include "platform/Sound.h"
#include "platform/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int FormWidth = 6315;
constexpr int FormHeight = 3300;
constexpr int BandHeight = 855;
} // namespace

BGSound::BGSound(QWidget* parent) : EffectDialog(parent) {
    setObjectName("BGSound");
    setWindowTitle("Background Sound");
    setProperty("HelpContextID", 28);

    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    cmdBrowse = DialogParts::PictureButton(this, "cmdBrowse", "browse", "Browse for sound file...");
    cmdPlay = DialogParts::PictureButton(this, "cmdPlay", "play", "Play this sound", ">");
    cmdPlay->setEnabled(false);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);

    auto* file = new QHBoxLayout;
    file->addWidget(Text1, 1);
    file->addWidget(cmdBrowse);
    file->addWidget(cmdPlay);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Background sound filename:", this), 0, 0);
    grid->addLayout(file, 0, 1);
    grid->addWidget(new QLabel("Loop the sound:", this), 1, 0);
    grid->addWidget(Combo1, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);

    const DialogParts::FootButtons foot =
        DialogParts::AddFootButtons(this, "cmdOK", "cmdCancel", "cmdHelp", "Click for help...");
    cmdOK = foot.ok;
    cmdCancel = foot.cancel;
    cmdHelp = foot.help;

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(9, Twips::toPixels(BandHeight) + 6, 9, 9);
    main->addLayout(grid);
    main->addStretch();
    main->addLayout(foot.row);

    connect(cmdOK, &QPushButton::clicked, this, &BGSound::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &BGSound::cmdCancel_Click);
    connect(cmdBrowse, &QToolButton::clicked, this, &BGSound::cmdBrowse_Click);
    connect(cmdPlay, &QToolButton::clicked, this, &BGSound::cmdPlay_Click);
}

void BGSound::Form_Load() {
    skipErrors([&] {
        DialogParts::SetFormSize(this, FormWidth, FormHeight);
        DialogParts::HeadingNames names;
        names.subHeading = QStringLiteral("lblHeadingText");
        band_ = DialogParts::AddHeadingBand(this, FormWidth, "Background Sound",
                                            "Insert a sound into your Web page.  The sound will "
                                            "be played when someone visits your Web page!",
                                            BandHeight, names);
    });
    skipErrors([&] {
        Combo1->addItems({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "Infinite"});
        Combo1->setEditText("1");
    });
    Module1::PendingSnippet.clear();
    Module1::PendingBodyStart.clear();
}

EffectMarkup::SoundChoices BGSound::choices() const {
    return {Text1->text(), Combo1->currentText()};
}

void BGSound::cmdOK_Click() {
    if (Text1->text().isEmpty()) {
        MsgBox("Please enter sound filename in the box below.", vb::vbOKOnly, QString(), this);
        Text1->setFocus();
        return;
    }
    handOver(Code, EffectMarkup::BuildBackgroundSound(choices()), QString());
}

void BGSound::cmdCancel_Click() {
    reject();
}

void BGSound::cmdBrowse_Click() {
    skipErrors([&] {
        CFile file;
        file.setOwner(this);
        const QString chosen = file.BrowseForFile(CFile::Sounds);
        if (file.Filename().isEmpty())
            return; // cancelled: nothing changes
        Text1->setText(chosen);
        // Only a wave file can be listened to here.
        cmdPlay->setEnabled(chosen.right(4).toLower() == QLatin1String(".wav"));
    });
    Text1->setFocus();
}

void BGSound::cmdPlay_Click() {
    skipErrors([&] { Sound::Play(Text1->text()); });
}
