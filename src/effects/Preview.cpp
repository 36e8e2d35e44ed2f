#include "effects/Preview.h"

#include "platform/FormFit.h"
#include "core/Module1.h"
#include "effects/EffectMarkup.h"
#include "effects/PreviewFile.h"
#include "platform/PlatformError.h"
#include "platform/Twips.h"
#include "platform/UndoStep.h"
#include "platform/WebBrowser.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int FormWidth = 9600;
constexpr int FormHeight = 7800;
constexpr int BandHeight = 855;
} // namespace

Preview::Preview(QWidget* parent) : QDialog(parent) {
    setObjectName("Preview");
    setWindowTitle("Special Effect Previewer");
    FormFit::KeepFitted(this, Twips::toPixels(QSize(FormWidth, FormHeight)), true);

    WebBrowser1 = new WebBrowser(this);
    cmdPrevious = new QPushButton("<< &Edit special effect", this);
    cmdPrevious->setObjectName("cmdPrevious");
    cmdInsert = new QPushButton("&Insert into Web page", this);
    cmdInsert->setObjectName("cmdInsert");
    // Enter inserts, as OK does elsewhere; going back takes a click or its access key.
    cmdInsert->setDefault(true);
    cmdPrevious->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrevious);
    buttons->addStretch();
    buttons->addWidget(cmdInsert);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(9, Twips::toPixels(BandHeight) + 6, 9, 9);
    main->addWidget(WebBrowser1, 1);
    main->addLayout(buttons);

    setTabOrder(cmdInsert, cmdPrevious);
    setTabOrder(cmdPrevious, WebBrowser1);
    cmdInsert->setFocus();
    connect(cmdInsert, &QPushButton::clicked, this, &Preview::cmdInsert_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &Preview::cmdPrevious_Click);

    Form_Load();
}

void Preview::Form_Load() {
    skipErrors([&] {
        DialogParts::HeadingNames names;
        names.background = QStringLiteral("lblHeaderBkg");
        band_ = DialogParts::AddHeadingBand(
            this, Twips::fromPixels(width()), "Special Effect Previewer",
            "View the preview of your special effect below.  You can go back and edit the "
            "special effect or insert it into your Web page.",
            BandHeight, names);
    });
    const QString page =
        EffectMarkup::BuildPreviewPage(Module1::PendingBodyStart, Module1::PendingSnippet);
    // Only the file just written is shown: where none could be written, the page is
    // shown from memory, as if it stood in the program folder.
    skipErrors([&] { file_ = PreviewFile::Write(page); });
    skipErrors([&] {
        if (!file_.isEmpty())
            WebBrowser1->Navigate(file_);
        else
            WebBrowser1->NavigateToHtml(
                page, QDir(PreviewFile::Folders().value(0)).filePath(PreviewFile::FileName));
    });
}

void Preview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (band_.lblHeadingBkg)
        DialogParts::SizeHeadingBand(band_, Twips::fromPixels(width()));
}

void Preview::cmdInsert_Click() {
    const QString bodyStart = Module1::PendingBodyStart;
    const QString snippet = Module1::PendingSnippet;
    if (!bodyStart.isEmpty() || !snippet.isEmpty()) {
        // Both insertions undo as one step.
        UndoStep step(Module1::Editor());
        skipErrors([&] { Module1::InsertAtBodyStart(bodyStart); });
        skipErrors([&] { Module1::PasteAtSelection(snippet); });
    }
    outcome_ = Outcome::Inserted;
    accept();
}

void Preview::cmdPrevious_Click() {
    outcome_ = Outcome::EditEffect;
    accept();
}
