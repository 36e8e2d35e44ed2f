// On a real X server with a window manager, which frames every window some time after it
// appears: the main window fills the available area at the first start and comes back
// the same at every later start, and an effect dialog shown again stays where it was.
#include "platform/WindowPlacement.h"
#include "core/window/MainForm.h"
#include "effects/EffectsDriver.h"
#include "support/TestSupport.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;

namespace {

const QString App = "TSLY";

QRect availableArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Waits until the window manager has framed window and the frame lies on the available
// area; the frame then.
QRect settledFrame(QWidget* window) {
    const bool settled = waitUntil([&] {
        return !WindowPlacement::FrameMargins(window).isNull() &&
               availableArea().contains(window->frameGeometry());
    });
    EXPECT_TRUE(settled) << "the frame did not come onto the available area: "
                         << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
                         << window->frameGeometry().width() << "x"
                         << window->frameGeometry().height();
    // Whatever the window manager still had to do with it is done.
    pump(300);
    return window->frameGeometry();
}

bool near(const QRect& a, const QRect& b) {
    return qAbs(a.left() - b.left()) <= 1 && qAbs(a.top() - b.top()) <= 1 &&
           qAbs(a.right() - b.right()) <= 1 && qAbs(a.bottom() - b.bottom()) <= 1;
}

} // namespace

TEST(Desktop, TheWindowFillsTheAvailableAreaAndEveryStartBringsTheSameWindowBack) {
    resetSettings();
    ASSERT_NE(availableArea(), QGuiApplication::primaryScreen()->geometry())
        << "the session leaves room for a panel";
    QList<QRect> frames;
    QStringList heights;
    for (int start = 1; start <= 3; ++start) {
        auto form = std::make_unique<MainForm>();
        form->show();
        const QRect frame = settledFrame(form.get());
        frames.append(frame);
        // "Press F1 for Help" shows, wholly on the screen.
        QStatusBar* status = form->statusBar();
        EXPECT_TRUE(status->isVisible());
        const QRect onScreen(status->mapToGlobal(QPoint(0, 0)), status->size());
        EXPECT_TRUE(availableArea().contains(onScreen))
            << "start " << start << ": the status bar lies at " << rectText(onScreen);
        form->close();
        form.reset();
        heights.append(setting(App, "Window", "WindowYSize"));
    }
    EXPECT_TRUE(near(frames[0], availableArea()))
        << "first start " << rectText(frames[0]) << ", available " << rectText(availableArea());
    for (int start = 2; start <= 3; ++start)
        EXPECT_TRUE(near(frames[start - 1], frames[0]))
            << "start " << start << " " << rectText(frames[start - 1]) << ", first "
            << rectText(frames[0]);
    EXPECT_EQ(heights[1], heights[0]);
    EXPECT_EQ(heights[2], heights[0]);
}

namespace {
using EffectsDriver::onDialog;
using EffectsDriver::onPreview;

class DesktopEffects : public EffectsDriver::WithMainForm {};
} // namespace

TEST_F(DesktopEffects, AnEffectDialogShownAgainStaysWhereItWas) {
    QList<QRect> frames;
    for (int round = 1; round <= 3; ++round) {
        const bool again = round < 3;
        onDialog("Marquee", [&frames, again](QDialog* dialog) {
            frames.append(settledFrame(dialog));
            field<QLineEdit>(dialog, "Text1")->setText("News");
            if (again)
                EffectsDriver::click(dialog, "Command1"); // on to the preview
        });
        if (again)
            onPreview([](Preview* preview) { preview->cmdPrevious->click(); });
    }
    marqueeItem()->trigger();
    ASSERT_EQ(frames.size(), 3);
    EXPECT_TRUE(frames[1] == frames[0]) << rectText(frames[1]) << " after " << rectText(frames[0]);
    EXPECT_TRUE(frames[2] == frames[0]) << rectText(frames[2]) << " after " << rectText(frames[0]);
}
