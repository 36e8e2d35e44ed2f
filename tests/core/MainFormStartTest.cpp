// The main window's start-up, layout choices, View menu and closing, with the settings
// a user may have stored.
#include "core/window/MainForm.h"
#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/Help.h"
#include "platform/ListBar.h"
#include "platform/Shell.h"
#include "platform/Twips.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;

namespace {

const QString App = "TSLY";

class StartUp : public ::testing::Test {
protected:
    void SetUp() override { resetSettings(); }
    void TearDown() override {
        if (form) {
            // Close without the question: the tests that need it ask for it.
            form->DHTMLEdit1->setDocumentHTML("<html><body></body></html>", false);
            form->close();
        }
        form.reset();
    }
    void start(const QStringList& args = {}) { form = std::make_unique<MainForm>(args); }
    static QSize screenTwips() {
        const QSize s = QGuiApplication::primaryScreen()->geometry().size();
        return {Twips::fromPixels(s.width()), Twips::fromPixels(s.height())};
    }
    std::unique_ptr<MainForm> form;
};

} // namespace

TEST_F(StartUp, FirstRunFillsTheScreenWithTheBarAndBeginnerLayout) {
    start();
    EXPECT_EQ(form->windowLeft(), 0);
    EXPECT_EQ(form->windowTop(), 0);
    EXPECT_EQ(form->windowWidth(), screenTwips().width());
    EXPECT_EQ(form->windowHeight(), screenTwips().height());
    EXPECT_TRUE(Module1::ShortcutBarShown);
    EXPECT_TRUE(form->ViewSub[4]->isChecked());
    EXPECT_TRUE(form->Toolbar3->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Toolbar2->isVisibleTo(form.get()));
    EXPECT_TRUE(form->ViewSub[5]->isChecked());
    EXPECT_FALSE(form->DHTMLEdit1->ShowBorders());
    EXPECT_FALSE(form->ViewSub[0]->isChecked());
    EXPECT_EQ(form->windowTitle(), "Tessaly");
    EXPECT_EQ(form->lblShortcutBar->text(), " Shortcut bar");
    EXPECT_EQ(form->StatusPanel2->text(), "Press F1 for Help");
    EXPECT_EQ(setting(App, "Misc", "ShowShortcutBar"), "yes");
}

TEST_F(StartUp, StartPageIsLoadedAndUnchanged) {
    start();
    const QString html = form->DHTMLEdit1->DocumentHTML();
    EXPECT_TRUE(html.contains("<div>&nbsp;</div>", Qt::CaseInsensitive)) << qPrintable(html);
    EXPECT_FALSE(form->DHTMLEdit1->IsDirty());
    EXPECT_EQ(form->DHTMLEdit1->CurrentDocumentPath(), "");
    EXPECT_EQ(form->fontNames.size(), 7);
    EXPECT_EQ(form->FontCombo->count(), 7);
    EXPECT_EQ(form->FontCombo->itemText(6), "more...");
    EXPECT_EQ(form->FontSizeCombo->itemText(6), "7");
}

TEST_F(StartUp, StoredGeometryComesBackButFiveThousandSquaredIsAFirstRun) {
    storeSetting(App, "Window", "LeftXCoord", "1500");
    storeSetting(App, "Window", "LeftYCoord", "750");
    storeSetting(App, "Window", "WindowXSize", "5000");
    storeSetting(App, "Window", "WindowYSize", "6000");
    start();
    EXPECT_EQ(form->windowLeft(), 1500);
    EXPECT_EQ(form->windowTop(), 750);
    EXPECT_EQ(form->windowWidth(), 5000);
    EXPECT_EQ(form->windowHeight(), 6000);
    form.reset();

    storeSetting(App, "Window", "WindowYSize", "5000");
    start();
    EXPECT_EQ(form->windowWidth(), screenTwips().width());
    EXPECT_EQ(form->windowHeight(), screenTwips().height());
}

TEST_F(StartUp, UnreadableSizesTakeTheScreenAndPositionsZero) {
    const QStringList bad = {"0", "wide", "40000", ""};
    for (const QString& value : bad) {
        resetSettings();
        storeSetting(App, "Window", "LeftXCoord", value);
        storeSetting(App, "Window", "LeftYCoord", value);
        storeSetting(App, "Window", "WindowXSize", value);
        storeSetting(App, "Window", "WindowYSize", "6000");
        start();
        EXPECT_EQ(form->windowLeft(), 0) << qPrintable(value);
        EXPECT_EQ(form->windowTop(), 0) << qPrintable(value);
        EXPECT_EQ(form->windowWidth(), screenTwips().width()) << qPrintable(value);
        EXPECT_EQ(form->windowHeight(), 6000) << qPrintable(value);
        form.reset();
    }
}

TEST_F(StartUp, OnlyAnExactYesShowsTheBar) {
    storeSetting(App, "Misc", "ShowShortcutBar", "Yes");
    start();
    EXPECT_FALSE(Module1::ShortcutBarShown);
    EXPECT_FALSE(form->picShortcutBar->isVisibleTo(form.get()));
    EXPECT_EQ(form->DHTMLEdit1->x(), 0);
    EXPECT_EQ(setting(App, "Misc", "ShowShortcutBar"), "no");
}

TEST_F(StartUp, StoredBarWidthAndStandardLayoutAndBorders) {
    storeSetting(App, "Window", "ShortcutbarWidth", "3000");
    storeSetting(App, "Misc", "BeginnerToolbar", "no");
    storeSetting(App, "Misc", "ViewBorders", "yes");
    start();
    EXPECT_EQ(form->barWidth(), 3000);
    EXPECT_EQ(form->DHTMLEdit1->x(), Twips::toPixels(3000 + 50));
    EXPECT_EQ(form->DHTMLEdit1->y(), Twips::toPixels(720));
    EXPECT_TRUE(form->Toolbar2->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Toolbar3->isVisibleTo(form.get()));
    for (int button = 15; button <= 20; ++button)
        EXPECT_FALSE(form->Toolbar1Index[button - 1]->isVisible()) << button;
    EXPECT_TRUE(form->DHTMLEdit1->ShowBorders());
    EXPECT_TRUE(form->ViewSub[0]->isChecked());
}

TEST_F(StartUp, BeginnerLayoutDoesNotBringTheSeparatorBack) {
    start();
    EXPECT_TRUE(form->Toolbar1Index[14]->isVisible()); // never switched yet
    form->ViewSub[5]->trigger();                       // standard layout
    EXPECT_EQ(setting(App, "Misc", "BeginnerToolbar"), "no");
    EXPECT_FALSE(form->Toolbar1Index[14]->isVisible());
    EXPECT_FALSE(form->Toolbar1Index[15]->isVisible());
    form->ViewSub[5]->trigger(); // beginner again
    EXPECT_EQ(setting(App, "Misc", "BeginnerToolbar"), "yes");
    EXPECT_FALSE(form->Toolbar1Index[14]->isVisible());
    for (int button = 16; button <= 20; ++button) {
        EXPECT_TRUE(form->Toolbar1Index[button - 1]->isVisible()) << button;
        EXPECT_TRUE(form->Toolbar1Index[button - 1]->isEnabled()) << button;
    }
    EXPECT_EQ(form->DHTMLEdit1->y(), Twips::toPixels(930));
}

TEST_F(StartUp, ViewMenuTogglesBordersDetailsAndTheBar) {
    start();
    form->ViewSub[0]->trigger();
    EXPECT_TRUE(form->DHTMLEdit1->ShowBorders());
    EXPECT_TRUE(form->ViewSub[0]->isChecked());
    form->ViewSub[1]->trigger();
    EXPECT_TRUE(form->DHTMLEdit1->ShowDetails());
    form->ViewSub[1]->trigger();
    EXPECT_FALSE(form->DHTMLEdit1->ShowDetails());
    EXPECT_FALSE(form->ViewSub[1]->isChecked());

    form->ViewSub[4]->trigger();
    EXPECT_FALSE(Module1::ShortcutBarShown);
    EXPECT_EQ(setting(App, "Misc", "ShowShortcutBar"), "no");
    form->ViewSub[4]->trigger();
    EXPECT_TRUE(Module1::ShortcutBarShown);

    form->cmdCloseShortcutBar->click();
    EXPECT_FALSE(Module1::ShortcutBarShown);
    EXPECT_FALSE(form->ViewSub[4]->isChecked());
    EXPECT_EQ(setting(App, "Misc", "ShowShortcutBar"), "no");
}

TEST_F(StartUp, SplitterDropsChangeTheBarWithinLimits) {
    start();
    form->show();
    const int before = form->barWidth();
    // Onto the surface, too far: more than half the window.
    form->DHTMLEdit1_DragDrop(form->DHTMLEdit1, 100, 0); // not the splitter: ignored
    EXPECT_EQ(form->barWidth(), before);
    QWidget* splitter = form->findChild<QWidget*>("VSplitter2");
    form->DHTMLEdit1_DragDrop(splitter, form->windowWidth(), 0);
    EXPECT_EQ(form->barWidth(), before);
    form->DHTMLEdit1_DragDrop(splitter, 600, 0);
    EXPECT_EQ(form->barWidth(), before + 600);
    EXPECT_EQ(form->DHTMLEdit1->x(), Twips::toPixels(before + 600 + 50));
    form->SSListBar1_DragDrop(splitter, 600, 0);
    EXPECT_EQ(form->barWidth(), before + 600);
    form->SSListBar1_DragDrop(splitter, 1800, 0);
    EXPECT_EQ(form->barWidth(), 1800);
}

TEST_F(StartUp, ClosingStoresGeometryUnlessMaximised) {
    storeSetting(App, "Window", "WindowXSize", "6000");
    storeSetting(App, "Window", "WindowYSize", "4500");
    start();
    form->show();
    form->close();
    EXPECT_EQ(setting(App, "Window", "WindowXSize"), "6000");
    EXPECT_EQ(setting(App, "Window", "WindowYSize"), "4500");
    EXPECT_EQ(setting(App, "Window", "ShortcutbarWidth"), QString::number(form->barWidth()));
    form.reset();

    resetSettings();
    start();
    form->showMaximized();
    pump(100);
    form->close();
    EXPECT_EQ(setting(App, "Window", "WindowXSize"), "<unset>");
}

TEST_F(StartUp, CommandLineOpensThePageWithItsFileInTheCaption) {
    QTemporaryDir dir;
    const QString path = dir.filePath("my page.html");
    writeText(path, "<html><body><p>From the command line</p></body></html>");
    start(path.split(' '));
    EXPECT_EQ(form->DHTMLEdit1->CurrentDocumentPath(), path);
    EXPECT_TRUE(bodyHTML(form->DHTMLEdit1).contains("From the command line"));
    EXPECT_EQ(form->windowTitle(), "Tessaly - " + path);

    // The browser preview knows the page has a file: no request to save it first.
    QStringList opened;
    Shell::SetOpenHandler([&](const QString& target) { opened << target; });
    form->BrowserPreview();
    Shell::SetOpenHandler({});
    EXPECT_EQ(opened, QStringList{path});
}

TEST_F(StartUp, CommandLinePageThatCannotOpenIsReportedOnceTheWindowIsShown) {
    QString text = "<no message yet>";
    answerMessageBox(QMessageBox::Ok, &text);
    start({"/no/such/folder/page.html"});
    pump(100);
    EXPECT_EQ(text, "<no message yet>") << "reported over an empty screen";
    form->show();
    waitUntil([&] { return text != "<no message yet>"; });
    EXPECT_EQ(text, "Error occurred while loading document: Path not found.");
    EXPECT_TRUE(form->DHTMLEdit1->DocumentHTML().contains("&nbsp;"));
    EXPECT_EQ(form->DHTMLEdit1->CurrentDocumentPath(), "");
}

TEST_F(StartUp, HelpContentsOpensTopicZero) {
    start();
    form->mnuHelpContents->trigger();
    EXPECT_EQ(Help::ShownTopic(), 0);
    EXPECT_EQ(form->property("HelpContextID").toInt(), 0);
}

TEST_F(StartUp, CloseQuestionOnAChangedPage) {
    start();
    form->show();
    form->DHTMLEdit1->setDocumentHTML("<html><body><p>changed</p></body></html>", true);

    QString text;
    answerMessageBox(QMessageBox::Cancel, &text);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(text, "The current document has changed.\r\n\r\nDo you want to save changes?");
    EXPECT_TRUE(form->isVisible());

    // Yes, and the save does not complete: the page and the window stay.
    whenModal([](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w))
            box->button(QMessageBox::Yes)->click();
        // Any save dialog that follows is cancelled.
        whenModal([](QWidget* d) { d->close(); }, 3000);
    });
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(bodyHTML(form->DHTMLEdit1).contains("changed"));
    clearModalWaiters();

    answerMessageBox(QMessageBox::No);
    EXPECT_TRUE(form->close());
}
