// Stored window geometry that no longer fits the screens (a size of 0 or of 99999999
// twips, positions far off to the left and top, a window larger than any screen) brings
// the window back wholly onto a screen; geometry that fits, on either of two screens,
// comes back as it was.
#include "core/window/MainForm.h"
#include "platform/DHTMLEdit.h"
#include "platform/WindowPlacement.h"
#include "support/TestSupport.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;

namespace {

const QString App = "TSLY";

struct Stored {
    const char* left;
    const char* top;
    const char* width;
    const char* height;
};

// The available area that holds all of r, or an empty one.
QRect screenHolding(const QRect& r) {
    for (const QRect& area : WindowPlacement::AvailableAreas())
        if (area.contains(r))
            return area;
    return {};
}

// Starts the window with the stored geometry; runs check on it once it is framed.
void startWith(const Stored& s, const std::function<void(MainForm&)>& check) {
    resetSettings();
    storeSetting(App, "Window", "LeftXCoord", s.left);
    storeSetting(App, "Window", "LeftYCoord", s.top);
    storeSetting(App, "Window", "WindowXSize", s.width);
    storeSetting(App, "Window", "WindowYSize", s.height);
    auto form = std::make_unique<MainForm>();
    form->show();
    waitUntil([&] { return !screenHolding(form->frameGeometry()).isEmpty(); }, 10000);
    check(*form);
    form->DHTMLEdit1->setDocumentHTML("<html><body></body></html>", false);
    form->close();
}

} // namespace

TEST(StoredGeometry, WhatFitsNoScreenComesBackWhollyOnOne) {
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    const QRect small = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(small.size(), QSize(1024, 600));
    const QList<Stored> bad = {
        {"0", "0", "0", "0"},
        {"99999999", "99999999", "99999999", "99999999"},
        {"-30000", "-30000", "6000", "4500"},
        {"-1", "-1", "-32768", "-32768"},
        {"32000", "32000", "32000", "32000"},
        {"0", "0", "32767", "32767"},
    };
    for (const Stored& s : bad)
        startWith(s, [&](MainForm& form) {
            const QString where =
                QString("stored %1, %2, %3 x %4").arg(s.left, s.top, s.width, s.height);
            const QRect frame = form.frameGeometry();
            EXPECT_FALSE(screenHolding(frame).isEmpty())
                << qPrintable(where) << ": the window lies at " << rectText(frame);
            QStatusBar* status = form.statusBar();
            const QRect bar(status->mapToGlobal(QPoint(0, 0)), status->size());
            EXPECT_FALSE(screenHolding(bar).isEmpty())
                << qPrintable(where) << ": the status bar lies at " << rectText(bar);
        });

    // A size of 0 fills the small screen, frame and all.
    startWith({"0", "0", "0", "0"},
              [&](MainForm& form) { EXPECT_EQ(form.frameGeometry(), small); });
}

TEST(StoredGeometry, AWindowThatFitsComesBackWhereItWasOnEitherScreen) {
    const QRect beside = QGuiApplication::screens().at(1)->availableGeometry();
    // 1200, 100, 600 x 400 pixels: on the second screen.
    startWith({"18000", "1500", "9000", "6000"}, [&](MainForm& form) {
        EXPECT_EQ(form.geometry(), QRect(1200, 100, 600, 400)) << rectText(form.geometry());
        EXPECT_EQ(screenHolding(form.frameGeometry()), beside);
    });
    EXPECT_EQ(setting(App, "Window", "LeftXCoord"), "18000");
    EXPECT_EQ(setting(App, "Window", "LeftYCoord"), "1500");
    EXPECT_EQ(setting(App, "Window", "WindowXSize"), "9000");
    EXPECT_EQ(setting(App, "Window", "WindowYSize"), "6000");
}
