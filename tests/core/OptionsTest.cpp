// The options dialog: it shows the stored choices, OK stores and applies them, Cancel
// changes nothing (the current page's save method included).
#include "core/window/MainForm.h"
#include "core/Module1.h"
#include "core/window/frmOptions.h"
#include "platform/DHTMLEdit.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;
using Module1::PublishLocalMode;

namespace {

const QString App = "TSLY";

class Options : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        PublishLocalMode.clear();
    }
    void TearDown() override {
        clearModalWaiters();
        if (form) {
            form->DHTMLEdit1->setDocumentHTML("<html><body></body></html>", false);
            form->close();
        }
        form.reset();
    }
    void start() {
        form = std::make_unique<MainForm>();
        form->show();
    }
    // View > Options..., with act filling the dialog and pressing its buttons.
    void withOptions(const std::function<void(frmOptions*)>& act) {
        bool opened = false;
        whenModal([&](QWidget* w) {
            auto* dialog = qobject_cast<frmOptions*>(w);
            ASSERT_TRUE(dialog) << "expected the options dialog, got "
                                << qPrintable(w->objectName());
            opened = true;
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        form->ViewSub[7]->trigger();
        EXPECT_TRUE(opened);
    }
    bool beginnerLayout() const { return form->Toolbar3->isVisibleTo(form.get()); }
    std::unique_ptr<MainForm> form;
};

} // namespace

TEST_F(Options, WithNothingStoredOKStoresTheDefaultsAndLeavesTheSaveMethodUnset) {
    start();
    withOptions([](frmOptions* d) {
        EXPECT_EQ(d->windowTitle(), "Options");
        EXPECT_EQ(d->Frame1->title(), "Saving your Web page");
        EXPECT_EQ(d->optPublishLocal[0]->text(), "Copy images and other files to the same folder "
                                                 "where your Web page is stored. (Recommended)");
        EXPECT_EQ(d->optPublishLocal[1]->text(), "Don't copy images to Web page folder.  Use "
                                                 "absolute file references to display images.");
        EXPECT_TRUE(d->chkBeginnerToolbar->isChecked());
        EXPECT_FALSE(d->chkViewBorders->isChecked());
        EXPECT_FALSE(d->optPublishLocal[0]->isChecked());
        EXPECT_FALSE(d->optPublishLocal[1]->isChecked());
        child<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(setting(App, "Misc", "BeginnerToolbar"), "yes");
    EXPECT_EQ(setting(App, "Misc", "ViewBorders"), "no");
    EXPECT_EQ(setting(App, "Misc", "PublishLocal"), "<unset>");
    EXPECT_EQ(PublishLocalMode, "");
}

TEST_F(Options, ItShowsTheStoredChoices) {
    storeSetting(App, "Misc", "BeginnerToolbar", "no");
    storeSetting(App, "Misc", "ViewBorders", "yes");
    storeSetting(App, "Misc", "PublishLocal", "AbsolutePath");
    start();
    withOptions([](frmOptions* d) {
        EXPECT_FALSE(d->chkBeginnerToolbar->isChecked());
        EXPECT_TRUE(d->chkViewBorders->isChecked());
        EXPECT_FALSE(d->optPublishLocal[0]->isChecked());
        EXPECT_TRUE(d->optPublishLocal[1]->isChecked());
    });
    // Only the exact words count.
    storeSetting(App, "Misc", "BeginnerToolbar", "Yes");
    storeSetting(App, "Misc", "PublishLocal", "copy");
    withOptions([](frmOptions* d) {
        EXPECT_FALSE(d->chkBeginnerToolbar->isChecked());
        EXPECT_FALSE(d->optPublishLocal[0]->isChecked());
        EXPECT_FALSE(d->optPublishLocal[1]->isChecked());
    });
}

TEST_F(Options, OKStoresAndAppliesEveryChoice) {
    start();
    ASSERT_TRUE(beginnerLayout());
    withOptions([](frmOptions* d) {
        d->chkBeginnerToolbar->click();
        d->chkViewBorders->click();
        child<QRadioButton>(d, "optPublishLocal_1")->click();
        child<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(setting(App, "Misc", "BeginnerToolbar"), "no");
    EXPECT_FALSE(beginnerLayout());
    EXPECT_TRUE(form->Toolbar2->isVisibleTo(form.get()));
    EXPECT_FALSE(form->ViewSub[5]->isChecked());
    EXPECT_EQ(setting(App, "Misc", "ViewBorders"), "yes");
    EXPECT_TRUE(form->DHTMLEdit1->ShowBorders());
    EXPECT_TRUE(form->ViewSub[0]->isChecked());
    EXPECT_EQ(setting(App, "Misc", "PublishLocal"), "AbsolutePath");
    EXPECT_EQ(PublishLocalMode, "AbsolutePath");

    withOptions([](frmOptions* d) {
        d->chkBeginnerToolbar->click();
        child<QRadioButton>(d, "optPublishLocal_0")->click();
        child<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_TRUE(beginnerLayout());
    EXPECT_EQ(setting(App, "Misc", "PublishLocal"), "Copy");
    EXPECT_EQ(PublishLocalMode, "Copy");
}

TEST_F(Options, ClearingBordersTurnsOffWhatTheViewMenuTurnedOn) {
    start();
    form->ViewSub[0]->trigger();
    ASSERT_TRUE(form->DHTMLEdit1->ShowBorders());
    withOptions([](frmOptions* d) {
        EXPECT_FALSE(d->chkViewBorders->isChecked()); // the menu's choice is not stored
        child<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_FALSE(form->DHTMLEdit1->ShowBorders());
    EXPECT_FALSE(form->ViewSub[0]->isChecked());
}

TEST_F(Options, CancelStoresNothingAndKeepsThePagesSaveMethod) {
    storeSetting(App, "Misc", "PublishLocal", "Copy");
    start();
    PublishLocalMode = "AbsolutePath"; // chosen for this page only
    withOptions([](frmOptions* d) {
        EXPECT_TRUE(d->optPublishLocal[0]->isChecked());
        d->chkBeginnerToolbar->click();
        d->chkViewBorders->click();
        child<QRadioButton>(d, "optPublishLocal_1")->click();
        child<QPushButton>(d, "cmdCancel")->click();
    });
    EXPECT_EQ(PublishLocalMode, "AbsolutePath");
    EXPECT_EQ(setting(App, "Misc", "PublishLocal"), "Copy");
    EXPECT_EQ(setting(App, "Misc", "BeginnerToolbar"), "<unset>");
    EXPECT_EQ(setting(App, "Misc", "ViewBorders"), "<unset>");
    EXPECT_TRUE(beginnerLayout());
    EXPECT_FALSE(form->DHTMLEdit1->ShowBorders());
}

TEST_F(Options, OKWithoutAMethodKeepsThePagesSaveMethod) {
    start();
    PublishLocalMode = "AbsolutePath";
    withOptions([](frmOptions* d) { child<QPushButton>(d, "cmdOK")->click(); });
    EXPECT_EQ(PublishLocalMode, "AbsolutePath");
}
