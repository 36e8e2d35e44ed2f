// Insert > Text Box on the real editing surface, driven as a user would.
#include "elements/frmTextBox.h"
#include "support/DialogDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace DialogDriver;

namespace {
class TextBoxDialog : public WithMainForm {};

void clickLabel(QDialog* d, const QString& name, const QColor& color) {
    pickColor([&] { QTest::mouseClick(field<QLabel>(d, name), Qt::LeftButton); }, color);
}
} // namespace

TEST_F(TextBoxDialog, LinesBorderAndColoursMakeTheBox) {
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuTextBox, "frmTextBox", [&](QDialog* d) {
        auto* text = field<QPlainTextEdit>(d, "txtText");
        QTest::keyClicks(text, "one");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "two");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "three");
        EXPECT_TRUE(d->isVisible()); // Enter makes new lines, it does not press OK

        EXPECT_FALSE(field<QLineEdit>(d, "txtBorderThickness")->isEnabled());
        field<QCheckBox>(d, "chkBorder")->click();
        EXPECT_EQ(field<QLineEdit>(d, "txtBorderThickness")->text(), "1");
        EXPECT_EQ(field<QComboBox>(d, "cboBorderStyle")->currentText(), "solid");
        auto* thickness = field<QLineEdit>(d, "txtBorderThickness");
        QTest::keyClick(thickness, Qt::Key_Backspace);
        QTest::keyClicks(thickness, "3");
        field<QComboBox>(d, "cboBorderStyle")->setCurrentText("dashed");
        clickLabel(d, "lblBorderColor", QColor(255, 0, 0));
        clickLabel(d, "lblBGColor", QColor(255, 255, 0));
        clickLabel(d, "lblTextColor", QColor(0, 0, 0x80));
        EXPECT_EQ(field<QLabel>(d, "lblTextColor")->text(), "");
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(body(), "<div id=\"p\">Hello<div style=\"position:absolute; top:20; left:20; "
                      "height:150; width:200; border:3 #FF0000 dashed; background-color:#FFFF00; "
                      "color:#000080;\">one<br>two<br>three</div></div>");
}

TEST_F(TextBoxDialog, ABorderWithoutColourOrThicknessIsBlackAndZero) {
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuTextBox, "frmTextBox", [&](QDialog* d) {
        QTest::keyClicks(field<QPlainTextEdit>(d, "txtText"), "x");
        field<QCheckBox>(d, "chkBorder")->click();
        field<QLineEdit>(d, "txtBorderThickness")->clear();
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(body(), "<div id=\"p\">Hello<div style=\"position:absolute; top:20; left:20; "
                      "height:150; width:200; border:0 #000000 solid;\">x</div></div>");
}

TEST_F(TextBoxDialog, TheSelectionStaysAndTheBoxGoesInAtTheCaret) {
    page("<div id='p'>Hello world</div>");
    TestSupport::selectText(editor, "#p", 0, 5);
    withDialog(form->mnuTextBox, "frmTextBox", [&](QDialog* d) {
        QTest::keyClicks(field<QPlainTextEdit>(d, "txtText"), "<b>bold</b> & more");
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(body(), "<div id=\"p\"><div style=\"position:absolute; top:20; left:20; "
                      "height:150; width:200;\"><b>bold</b> &amp; more</div>Hello world</div>");
}

TEST_F(TextBoxDialog, EmptyTextIsRefusedAndCancelInsertsNothing) {
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuTextBox, "frmTextBox", [&](QDialog* d) {
        EXPECT_EQ(answerWhile([&] { field<QPushButton>(d, "cmdOK")->click(); }),
                  "Please type text into the Text input box.");
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget(), field<QPlainTextEdit>(d, "txtText"));
        QTest::keyClicks(field<QPlainTextEdit>(d, "txtText"), "never");
        clickLabel(d, "lblBGColor", QColor(0, 255, 0));
        field<QCheckBox>(d, "chkBorder")->click();
        field<QPushButton>(d, "cmdCancel")->click();
    });
    EXPECT_EQ(body(), "<div id=\"p\">Hello</div>");

    // The next opening starts afresh: no colours, the border off and its controls disabled.
    withDialog(form->mnuTextBox, "frmTextBox", [&](QDialog* d) {
        auto* box = qobject_cast<frmTextBox*>(d);
        EXPECT_EQ(box->BoxBackColor, "");
        EXPECT_FALSE(box->BoxBorderOn);
        EXPECT_EQ(field<QLabel>(d, "lblBGColor")->text(), "Select");
        EXPECT_FALSE(field<QComboBox>(d, "cboBorderStyle")->isEnabled());
        EXPECT_EQ(field<QComboBox>(d, "cboBorderStyle")->currentIndex(), -1);
        EXPECT_FALSE(field<QSpinBox>(d, "UpDown8")->isEnabled());
        EXPECT_EQ(field<QPlainTextEdit>(d, "txtText")->toPlainText(), "");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(body(), "<div id=\"p\">Hello</div>");
}
