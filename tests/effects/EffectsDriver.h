#pragma once

// A main window with a page to insert into, and the user's way through the effect
// dialogs and the preview window: open the dialog from its menu item, fill it, finish
// it, and answer the preview once its page has loaded.

#include "effects/Preview.h"
#include "effects/PreviewFile.h"
#include "platform/WebBrowser.h"
#include "support/DialogDriver.h"

#include <QAction>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace EffectsDriver {

using DialogDriver::answerWhile;
using TestSupport::field;

// Each test keeps its preview file in a folder of its own.
class WithMainForm : public DialogDriver::WithMainForm {
protected:
    void SetUp() override {
        DialogDriver::WithMainForm::SetUp();
        PreviewFile::SetFolder(previewDir.path());
    }
    void TearDown() override {
        DialogDriver::WithMainForm::TearDown();
        PreviewFile::SetFolder(QString());
    }

    QString previewFile() const { return previewDir.path() + "/" + PreviewFile::FileName; }

    QAction* frameItem() const { return form->mnuSpecialEffectsSub[2]; }
    QAction* marqueeItem() const { return form->mnuSpecialEffectsSub[4]; }
    QAction* soundItem() const { return form->mnuInsertSound; }

    QTemporaryDir previewDir;
};

// Runs act on the preview window when it opens, once its page has loaded. A preview act
// leaves open is closed with its close box.
inline void onPreview(const std::function<void(Preview*)>& act) {
    TestSupport::whenModal([act](QWidget* w) {
        auto* preview = qobject_cast<Preview*>(w);
        if (!preview) {
            ADD_FAILURE() << "expected the preview, got " << qPrintable(w->objectName());
            w->close();
            return;
        }
        EXPECT_TRUE(
            TestSupport::waitUntil([&] { return preview->WebBrowser1->ReadyState(); }, 15000))
            << "the preview page did not load";
        act(preview);
        if (preview->isVisible())
            preview->close();
    });
}

// Runs act on the effect dialog name when it shows (again); one act leaves open is
// cancelled.
inline void onDialog(const QString& name, const std::function<void(QDialog*)>& act) {
    TestSupport::whenModal([name, act](QWidget* w) {
        auto* dialog = qobject_cast<QDialog*>(w);
        if (!dialog || w->objectName() != name) {
            ADD_FAILURE() << "expected " << qPrintable(name) << ", got "
                          << qPrintable(w->objectName());
            w->close();
            return;
        }
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

inline void click(QWidget* dialog, const QString& button) {
    if (auto* b = field<QAbstractButton>(dialog, button))
        b->click();
}

// Presses a browse button of dialog and chooses path in the file dialog it opens (an
// empty path cancels it).
inline void browse(QDialog* dialog, const QString& button, const QString& path) {
    DialogDriver::clickAnswering(field<QAbstractButton>(dialog, button), [path](QWidget* w) {
        if (path.isEmpty())
            DialogDriver::cancelDialog(w);
        else
            DialogDriver::chooseFile(w, path);
    });
}

// The text of the first element matching css in the preview, from the page's own world.
inline QString previewText(Preview* preview, const QString& css) {
    return preview->WebBrowser1
        ->Evaluate(QString("(function(){const e=document.querySelector('%1');"
                           "return e ? e.textContent : null;})()")
                       .arg(css))
        .toString();
}

// Where the text of the first marquee of the preview starts, in pixels.
inline double previewMarqueeLeft(Preview* preview) {
    return preview->WebBrowser1
        ->Evaluate("(function(){const m=document.querySelector('marquee');"
                   "const r=document.createRange(); r.selectNodeContents(m);"
                   "return r.getBoundingClientRect().left;})()")
        .toDouble();
}

// A wave file of a tone, ms long.
inline QByteArray toneWave(int ms) {
    const int rate = 22050;
    const int frames = rate * ms / 1000;
    QByteArray data(frames * 2, '\0');
    for (int i = 0; i < frames; ++i)
        qToLittleEndian<qint16>(qint16(8000 * std::sin(i * 2 * M_PI * 440.0 / rate)),
                                data.data() + 2 * i);
    QByteArray wave;
    auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wave.append(b, 4);
    };
    auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wave.append(b, 2);
    };
    wave += "RIFF";
    u32(36 + data.size());
    wave += "WAVEfmt ";
    u32(16);
    u16(1);        // PCM
    u16(1);        // mono
    u32(rate);     // frames per second
    u32(rate * 2); // bytes per second
    u16(2);        // bytes per frame
    u16(16);       // bits per sample
    wave += "data";
    u32(data.size());
    return wave + data;
}

} // namespace EffectsDriver
