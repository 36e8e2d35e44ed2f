// The jump menu dialog and its item dialog on their own: building the list, the
// guards and their messages, and what Done hands over.
#include "core/Module1.h"
#include "effects/Pulldown.h"
#include "effects/PulldownURL.h"
#include "platform/Help.h"
#include "support/DialogDriver.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;

namespace {

class JumpMenuDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Module1::PendingSnippet = "old snippet";
        Module1::PendingBodyStart = "old start";
        dialog = std::make_unique<Pulldown>();
        dialog->Form_Load();
        dialog->show();
    }
    void TearDown() override { clearModalWaiters(); }

    // Opens the item dialog with click and runs act on it; fails when another window
    // comes.
    void withItemDialog(const std::function<void()>& click,
                        const std::function<void(PulldownURL*)>& act) {
        bool opened = false;
        whenModal([&](QWidget* w) {
            auto* item = qobject_cast<PulldownURL*>(w);
            if (!item) {
                ADD_FAILURE() << "expected PulldownURL, got " << w->objectName().toStdString();
                w->close();
                return;
            }
            opened = true;
            act(item);
            if (item->isVisible())
                item->reject();
        });
        click();
        EXPECT_TRUE(opened) << "the item dialog did not open";
    }
    void add(const QString& text, const QString& url) {
        withItemDialog([&] { dialog->Command1->click(); },
                       [&](PulldownURL* item) {
                           item->txtMenuItem->setText(text);
                           item->txtMenuItemURL->setText(url);
                           item->cmdOK->click();
                       });
    }
    // Runs click, answers the message box it shows and returns its text ("" for none).
    QString message(const std::function<void()>& click) {
        QString text;
        acceptMessageBox(&text);
        click();
        pump(30);
        clearModalWaiters();
        return text;
    }
    QStringList texts(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    void select(int row) { dialog->List1->setCurrentRow(row); }
    void doubleClick(QListWidget* list, int row) {
        const QPoint at = row >= 0 ? list->visualItemRect(list->item(row)).center() : QPoint(5, 5);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        pump(50); // the edit starts once the double-click is over
    }

    std::unique_ptr<Pulldown> dialog;
};

} // namespace

TEST_F(JumpMenuDialog, StartsEmptyWithSelfAsTargetAndClearsTheStrings) {
    EXPECT_EQ(Module1::PendingSnippet, "");
    EXPECT_EQ(Module1::PendingBodyStart, "");
    EXPECT_TEXT(child<QLabel>(dialog.get(), "lblHeading")->text(), "Dropdown Menu");
    EXPECT_TEXT(child<QLabel>(dialog.get(), "lblSubHeading")->text(),
                "Create dropdown menus with menu items that link to other Web pages.  Get started "
                "by clicking the 'Add Menu Item' button below.");
    EXPECT_EQ(dialog->cboTarget->currentText(), "self");
    EXPECT_EQ(dialog->cboTarget->count(), 4);
    EXPECT_EQ(dialog->cboTarget->itemText(0), "blank - Open in new window");
    EXPECT_TRUE(dialog->Option1[0]->isChecked());
    for (QWidget* w :
         {static_cast<QWidget*>(dialog->cmdEdit), static_cast<QWidget*>(dialog->Command2),
          static_cast<QWidget*>(dialog->cmdMoveUp), static_cast<QWidget*>(dialog->cmdMoveDown)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(dialog->Command1->isEnabled());
    EXPECT_EQ(dialog->cmdMoveUp->toolTip(), "Move Up");
}

TEST_F(JumpMenuDialog, AnItemNeedsTextAndAddressAndWwwGetsItsScheme) {
    withItemDialog([&] { dialog->Command1->click(); },
                   [&](PulldownURL* item) {
                       EXPECT_EQ(item->windowTitle(), "Specify Menu item and URL");
                       EXPECT_EQ(item->txtMenuItem->text(), "");
                       EXPECT_TEXT(message([&] { item->cmdOK->click(); }),
                                   "Enter menu item text in the text input box or click Cancel.");
                       EXPECT_TRUE(item->isVisible());
                       item->txtMenuItem->setText("Shop");
                       EXPECT_TEXT(message([&] { item->cmdOK->click(); }),
                                   "Enter a Web page URL in the text input box or click Cancel.");
                       item->txtMenuItemURL->setText("WWW.Shop.example");
                       item->cmdOK->click();
                       EXPECT_FALSE(item->isVisible());
                   });
    EXPECT_EQ(texts(dialog->List1), QStringList({"Shop"}));
    EXPECT_EQ(texts(dialog->List2), QStringList({"http://WWW.Shop.example"}));
    EXPECT_TRUE(dialog->cmdEdit->isEnabled());
    EXPECT_TRUE(dialog->Command2->isEnabled());
    // Cancel leaves the lists as they are.
    withItemDialog([&] { dialog->Command1->click(); },
                   [&](PulldownURL* item) {
                       item->txtMenuItem->setText("Other");
                       item->txtMenuItemURL->setText("other.htm");
                       item->cmdCancel->click();
                   });
    EXPECT_EQ(texts(dialog->List1), QStringList({"Shop"}));
}

TEST_F(JumpMenuDialog, EditReplacesTheSelectedRowByButtonOrDoubleClick) {
    add("A", "a.htm");
    add("B", "b.htm");
    add("C", "c.htm");
    select(1);
    EXPECT_EQ(dialog->List2->currentRow(), 1) << "the address list follows";
    withItemDialog([&] { dialog->cmdEdit->click(); },
                   [&](PulldownURL* item) {
                       EXPECT_EQ(item->txtMenuItem->text(), "B");
                       EXPECT_EQ(item->txtMenuItemURL->text(), "b.htm");
                       item->txtMenuItem->setText("Bee");
                       item->cmdOK->click();
                   });
    EXPECT_EQ(texts(dialog->List1), QStringList({"A", "Bee", "C"}));
    EXPECT_EQ(texts(dialog->List2), QStringList({"a.htm", "b.htm", "c.htm"}));

    withItemDialog([&] { doubleClick(dialog->List2, 2); },
                   [&](PulldownURL* item) {
                       EXPECT_EQ(item->txtMenuItem->text(), "C");
                       item->txtMenuItemURL->setText("www.sea.example");
                       item->cmdOK->click();
                   });
    EXPECT_EQ(dialog->List1->currentRow(), 2);
    EXPECT_EQ(texts(dialog->List2), QStringList({"a.htm", "b.htm", "http://www.sea.example"}));
}

TEST_F(JumpMenuDialog, EditGuardsSayWhyNot) {
    EXPECT_TEXT(message([&] { doubleClick(dialog->List1, -1); }),
                "The list of menu items is empty.  Please add a menu item before editing it.");
    add("A", "a.htm");
    dialog->Command3->click();
    EXPECT_EQ(texts(dialog->List1), QStringList({"A", "--------------------"}));
    EXPECT_EQ(texts(dialog->List2), QStringList({"a.htm", ""}));
    EXPECT_TEXT(message([&] { dialog->cmdEdit->click(); }),
                "Select a menu item from the list in order to edit it.");
    select(1);
    EXPECT_TEXT(message([&] { dialog->cmdEdit->click(); }),
                "The separator can't be edited.  It can only be added or removed.");
}

TEST_F(JumpMenuDialog, RemoveSelectsTheRowThatMovesUp) {
    // (The button is disabled while the list is empty; its handler still says why.)
    EXPECT_TEXT(message([&] { dialog->Command2_Click(); }),
                "The list of Menu items is empty.  Please add a menu item before removing it.");
    add("A", "a.htm");
    dialog->Command3->click();
    add("C", "c.htm");
    EXPECT_TEXT(message([&] { dialog->Command2->click(); }),
                "Select a menu item from the list in order to remove it.");
    select(1);
    dialog->Command2->click();
    EXPECT_EQ(texts(dialog->List1), QStringList({"A", "C"}));
    EXPECT_EQ(texts(dialog->List2), QStringList({"a.htm", "c.htm"}));
    EXPECT_EQ(dialog->List1->currentRow(), 1);
    EXPECT_EQ(dialog->List2->currentRow(), 1);
    // Removing the last row leaves no selection; the buttons stay while rows remain.
    dialog->Command2->click();
    EXPECT_EQ(texts(dialog->List1), QStringList({"A"}));
    EXPECT_EQ(dialog->selectedRow(), -1);
    EXPECT_TRUE(dialog->cmdEdit->isEnabled());
    select(0);
    dialog->Command2->click();
    EXPECT_EQ(dialog->List1->count(), 0);
    EXPECT_EQ(dialog->List2->count(), 0);
    for (QWidget* w :
         {static_cast<QWidget*>(dialog->cmdEdit), static_cast<QWidget*>(dialog->Command2),
          static_cast<QWidget*>(dialog->cmdMoveUp), static_cast<QWidget*>(dialog->cmdMoveDown)})
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
}

TEST_F(JumpMenuDialog, MovesStopAtTheEndsAndKeepTheMovedRowSelected) {
    add("A", "a.htm");
    add("B", "b.htm");
    dialog->Command3->click();
    select(0);
    EXPECT_TEXT(message([&] { dialog->cmdMoveUp->click(); }),
                "Select an item in the Menu item list.  You cannot move the first menu item "
                "upward.");
    select(2);
    EXPECT_TEXT(message([&] { dialog->cmdMoveDown->click(); }),
                "Select an item in the Menu item list.  You cannot move the last menu item "
                "downward.");
    EXPECT_EQ(texts(dialog->List1), QStringList({"A", "B", "--------------------"}));
    dialog->cmdMoveUp->click();
    dialog->cmdMoveUp->click();
    EXPECT_EQ(texts(dialog->List1), QStringList({"--------------------", "A", "B"}));
    EXPECT_EQ(texts(dialog->List2), QStringList({"", "a.htm", "b.htm"}));
    EXPECT_EQ(dialog->selectedRow(), 0);
    dialog->cmdMoveDown->click();
    EXPECT_EQ(texts(dialog->List1), QStringList({"A", "--------------------", "B"}));
    EXPECT_EQ(dialog->List2->currentRow(), 1);
}

TEST_F(JumpMenuDialog, DoneOnAnEmptyMenuSaysSoAndHandsNothingOver) {
    Module1::PreviewSource = 0;
    EXPECT_TEXT(message([&] { dialog->cmdDone->click(); }),
                "Please enter 1 or more menu items in the list below.");
    EXPECT_FALSE(dialog->handedOver);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(Module1::PendingSnippet, "");
    EXPECT_EQ(Module1::PreviewSource, 0);
}

TEST_F(JumpMenuDialog, DoneHandsOverTheFormAndScript) {
    add("Home", "index.htm");
    dialog->Command3->click();
    add("News", "news.htm");
    dialog->Option1[1]->click();
    dialog->cboTarget->setCurrentIndex(0);
    dialog->cmdDone->click();
    EXPECT_TRUE(dialog->handedOver);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Module1::PreviewSource, 15);
    EXPECT_TRUE(Module1::PendingSnippet.contains("<SELECT SIZE=\"3\">\r\n"));
    EXPECT_TRUE(Module1::PendingSnippet.contains("<OPTION VALUE=\"#\">--------------------\r\n"));
    EXPECT_TRUE(Module1::PendingBodyStart.contains("'newWin', '')}\r\n//-->"));
    // A blank target is "self": the menu's own window.
    dialog->show();
    dialog->cboTarget->setEditText("   ");
    dialog->cmdDone->click();
    EXPECT_TRUE(Module1::PendingBodyStart.contains(
        "    window.location = form.elements[0].options[i].value;\r\n"));
}

TEST_F(JumpMenuDialog, BrowseGivesTheBareFileName) {
    QTemporaryDir folder;
    writeText(folder.filePath("prices.htm"), "<p>prices</p>");
    withItemDialog([&] { dialog->Command1->click(); },
                   [&](PulldownURL* item) {
                       whenModal([&](QWidget* w) {
                           DialogDriver::chooseFile(w, folder.filePath("prices.htm"));
                       });
                       item->cmdBrowseURL->click();
                       EXPECT_EQ(item->txtMenuItemURL->text(), "prices.htm");
                       // A cancelled browse keeps what the box holds.
                       whenModal(DialogDriver::cancelDialog);
                       item->cmdBrowseURL->click();
                       EXPECT_EQ(item->txtMenuItemURL->text(), "prices.htm");
                       EXPECT_EQ(item->cmdBrowseURL->toolTip(), "Browse for URL...");
                   });
}

TEST_F(JumpMenuDialog, HelpIsTheJumpMenuPageInBothDialogs) {
    dialog->Command6->click();
    EXPECT_EQ(Help::ShownTopic(), 53);
    // The item dialog has no help button: F1 opens the same page.
    Help::InstallF1Handler();
    Help::ShowTopic(0);
    withItemDialog([&] { dialog->Command1->click(); },
                   [&](PulldownURL* item) {
                       QTest::keyClick(item->txtMenuItem, Qt::Key_F1);
                       EXPECT_EQ(Help::ShownTopic(), 53);
                   });
}
