// Insert > Special Characters: the modeless picker on the real editing surface.
#include "core/Module1.h"
#include "elements/frmVowels.h"
#include "support/DialogDriver.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

using namespace DialogDriver;

namespace {
const QString Confirmation = "The special character was inserted successfully.";

class SpecialCharacters : public WithMainForm {
protected:
    frmVowels* open() {
        form->mnuInsertSpecChars->trigger();
        auto* picker = form->findChild<frmVowels*>("frmVowels");
        EXPECT_NE(picker, nullptr);
        return picker;
    }
    // Clicks a grid picture and returns the message shown ("" when none came).
    QString click(frmVowels* picker, int page, QPoint at) {
        picker->TabStrip1->setCurrentIndex(page);
        QString text;
        TestSupport::whenModal(
            [&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                text = box ? box->text() : "<not a message box>";
                if (box)
                    box->button(QMessageBox::Ok)->click();
                else
                    w->close();
            },
            400);
        QTest::mouseClick(picker->Pictures[page], Qt::LeftButton, Qt::NoModifier, at);
        TestSupport::pump(450);
        return text;
    }
};
} // namespace

TEST_F(SpecialCharacters, EachClickInsertsItsCharacterAndConfirms) {
    page("<div id='p'>x</div>");
    frmVowels* picker = open();
    ASSERT_TRUE(picker);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(picker->windowTitle(), "Special Characters");
    EXPECT_EQ(picker->TabStrip1->tabText(1), " Various ");
    EXPECT_EQ(picker->pages_->currentIndex(), 0);

    EXPECT_EQ(click(picker, 0, {300, 110}), Confirmation); // &Ucirc;
    EXPECT_EQ(click(picker, 2, {100, 10}), Confirmation);  // Δ, in the Symbol font element
    EXPECT_EQ(click(picker, 2, {230, 120}), Confirmation); // &notin;
    EXPECT_EQ(body(), QString::fromUtf8("<div id=\"p\">xÛ<font face=\"Symbol\">Δ</font>∉</div>"));
    // The page shows the Greek letter, whatever fonts the machine has.
    EXPECT_EQ(TestSupport::js(editor, "document.querySelector('font').innerText").toString(),
              QString::fromUtf8("Δ"));
}

TEST_F(SpecialCharacters, MissesInsertNothingAndSayNothing) {
    page("<div id='p'>x</div>");
    frmVowels* picker = open();
    ASSERT_TRUE(picker);
    EXPECT_EQ(click(picker, 0, {300, 60}), "");
    // The highlight still follows the click on the Vowels page.
    const QFrame* shape = picker->ShapeSquare[0];
    EXPECT_EQ(shape->pos(), QPoint(300 - shape->width() / 2, 60 - shape->height() / 2));
    EXPECT_EQ(click(picker, 0, {0, 10}), "");
    EXPECT_EQ(click(picker, 1, {160, 30}), "");
    EXPECT_EQ(body(), "<div id=\"p\">x</div>");
}

TEST_F(SpecialCharacters, ThePickerLeavesTheMainWindowUsableAndClosesWithIt) {
    page("<div id='p'>x</div>");
    QPointer<frmVowels> picker = open();
    ASSERT_TRUE(picker);
    EXPECT_EQ(picker->parentWidget(), form.get());
    EXPECT_FALSE(picker->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The main window goes on working: typing and a modal dialog of its own.
    TestSupport::caretAtEnd(editor, "#p");
    TestSupport::typeText(editor, "yz");
    EXPECT_EQ(body(), "<div id=\"p\">xyz</div>");
    withDialog(form->mnuInsertHorizLine, "frmHorizLine",
               [&](QDialog* d) { field<QPushButton>(d, "Command2")->click(); });

    // A second click on the menu item keeps the one picker.
    form->mnuInsertSpecChars->trigger();
    EXPECT_EQ(form->findChildren<frmVowels*>().size(), 1);
    EXPECT_EQ(form->findChild<frmVowels*>(), picker.data());

    form->DHTMLEdit1->setDocumentHTML("<html><body></body></html>", false);
    form->close();
    EXPECT_TRUE(!picker || !picker->isVisible());
}

TEST(SpecialCharactersAlone, NoConfirmationWhenThePasteFails) {
    // Without an editing surface the paste cannot happen, so nothing is confirmed.
    ASSERT_EQ(Module1::Editor(), nullptr);
    frmVowels picker;
    picker.show();
    bool sawMessage = false;
    TestSupport::whenModal(
        [&](QWidget* w) {
            sawMessage = true;
            w->close();
        },
        400);
    QTest::mouseClick(picker.Pictures[0], Qt::LeftButton, Qt::NoModifier, {10, 10});
    TestSupport::pump(450);
    EXPECT_FALSE(sawMessage);
}
