#include "effects/Effects.h"

#include "core/Module1.h"
#include "effects/BGSound.h"
#include "effects/Marquee.h"
#include "effects/Preview.h"
#include "effects/Pulldown.h"
#include "effects/frmDateTime.h"
#include "effects/frmIframe.h"
#include "platform/MsgBox.h"
#include "platform/PlatformError.h"

#include <QHash>
#include <QLineEdit>
#include <QPointer>

namespace {

QHash<int32_t, QPointer<EffectDialog>>& loaded() {
    static QHash<int32_t, QPointer<EffectDialog>> dialogs;
    return dialogs;
}

const QString ClockMessage = QStringLiteral(
    "A placeholder for the Digital Clock will be inserted into your Web page while you are "
    "editing it.\r\nYou will see the actual digital clock when you preview your page in your "
    "Web browser.");

const QString MarqueeMessage = QStringLiteral(
    "A placeholder for the Marquee will be inserted into your Web page while you are editing "
    "it.\r\nYou will see the actual marquee when you preview your page in your Web browser.");

} // namespace

namespace Effects {

bool UnloadedByInsert(int32_t code) {
    return code == PreviewDigitalClock || code == PreviewBackgroundSound ||
           code == PreviewInlineFrame || code == PreviewMarquee;
}

EffectDialog* Loaded(int32_t code) {
    return loaded().value(code);
}

void Keep(int32_t code, EffectDialog* dialog) {
    EffectDialog* other = Loaded(code);
    if (other && other != dialog)
        delete other;
    loaded().insert(code, dialog);
}

void Unload(int32_t code) {
    delete loaded().take(code).data();
}

void Unload(EffectDialog* dialog) {
    if (!dialog)
        return;
    for (auto it = loaded().begin(); it != loaded().end();) {
        if (it.value() == dialog || !it.value())
            it = loaded().erase(it);
        else
            ++it;
    }
    delete dialog;
}

bool Run(EffectDialog* dialog) {
    // The dialog and the preview take turns, one modal display at a time: the dialog's
    // finishing button only hands over, and each "<< Edit special effect" comes back
    // here to show the dialog again.
    QPointer<EffectDialog> shown = dialog;
    while (shown) {
        shown->handedOver = false;
        shown->exec();
        if (!shown)
            return false;
        if (!shown->handedOver) {
            Unload(shown.data()); // Cancel
            return false;
        }
        Preview::Outcome outcome = Preview::Outcome::Closed;
        {
            Preview preview(shown->parentWidget());
            preview.exec();
            outcome = preview.outcome();
        }
        const int32_t code = Module1::PreviewSource;
        switch (outcome) {
        case Preview::Outcome::Inserted:
            if (UnloadedByInsert(code))
                Unload(code);
            return true;
        case Preview::Outcome::EditEffect:
            // A code that names no loaded dialog only closes the preview.
            shown = Loaded(code);
            break;
        case Preview::Outcome::Closed:
            return false; // the dialog stays loaded and hidden
        }
    }
    return false;
}

void SpecialEffect(QWidget* owner, int index) {
    // The closing messages belong to the window the effect went into: none once it has
    // gone or closed meanwhile.
    QPointer<QWidget> window(owner);
    auto windowShown = [&window] { return window && window->isVisible(); };
    switch (index) {
    case 1: {
        // The message tells of a placeholder in the page: only when one went in.
        bool inserted = false;
        skipErrors([&] { inserted = Run(Load<frmDateTime>(owner)); });
        if (inserted && windowShown())
            skipErrors([&] { MsgBox(ClockMessage, vb::vbOKOnly, QString(), owner); });
        break;
    }
    case 2:
        skipErrors([&] { Run(Load<frmIframe>(owner)); });
        break;
    case 3:
        // After Insert the dialog stays loaded with its menu: the next opening shows it.
        skipErrors([&] { Run(Load<Pulldown>(owner)); });
        break;
    case 4: {
        Marquee* dialog = nullptr;
        skipErrors([&] { dialog = Load<Marquee>(owner); });
        skipErrors([&] {
            const QString text = Module1::SelectedText();
            if (dialog && !text.isEmpty())
                dialog->Text1->setText(text);
        });
        bool inserted = false;
        skipErrors([&] { inserted = dialog && Run(dialog); });
        if (inserted && windowShown())
            skipErrors([&] { MsgBox(MarqueeMessage, vb::vbOKOnly, QString(), owner); });
        break;
    }
    default:
        break;
    }
}

void InsertSound(QWidget* owner) {
    // The sound goes in through the preview window's Insert, so nothing is inserted
    // when the dialog returns (inserting PendingSnippet again would put the sound into
    // the page twice, or put in one the user backed out of).
    skipErrors([&] { Run(Load<BGSound>(owner)); });
}

} // namespace Effects
