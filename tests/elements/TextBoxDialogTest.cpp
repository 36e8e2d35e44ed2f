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
    EXPECT_EQ(body(), "<div id=\"p\">Hello<div style=\"position:absolute; top:20px; left:20px; "
                      "height:150px; width:200px; border:3px #FF0000 dashed; "
                      "background-color:#FFFF00; color:#000080;\">one<br>two<br>three</div></div>");
}

TEST_F(TextBoxDialog, ABorderWithoutColourOrThicknessIsBlackAndZero) {
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuTextBox, "frmTextBox", [&](QDialog* d) {
        QTest::keyClicks(field<QPlainTextEdit>(d, "txtText"), "x");
        field<QCheckBox>(d, "chkBorder")->click();
        field<QLineEdit>(d, "txtBorderThickness")->clear();
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(body(), "<div id=\"p\">Hello<div style=\"position:absolute; top:20px; left:20px; "
                      "height:150px; width:200px; border:0px #000000 solid;\">x</div></div>");
}

TEST_F(TextBoxDialog, TheSelectionStaysAndTheBoxGoesInAtTheCaret) {
    page("<div id='p'>Hello world</div>");
    TestSupport::selectText(editor, "#p", 0, 5);
    withDialog(form->mnuTextBox, "frmTextBox", [&](QDialog* d) {
        QTest::keyClicks(field<QPlainTextEdit>(d, "txtText"), "<b>bold</b> & more");
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(body(), "<div id=\"p\"><div style=\"position:absolute; top:20px; left:20px; "
                      "height:150px; width:200px;\"><b>bold</b> &amp; more</div>Hello world</div>");
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

TEST_F(TextBoxDialog, InAPageWithADoctypeTheBoxIsPlacedSizedAndBordered) {
    // A real page in standards mode, where unit-less lengths would be ignored.
    editor->LoadDocument(TestSupport::dataPath("corpus/tables/basic/simple-table.html"));
    ASSERT_EQ(TestSupport::js(editor, "document.compatMode").toString(), "CSS1Compat");
    TestSupport::caretAtEnd(editor, "h1");
    withDialog(form->mnuTextBox, "frmTextBox", [&](QDialog* d) {
        QTest::keyClicks(field<QPlainTextEdit>(d, "txtText"), "Boxed");
        field<QCheckBox>(d, "chkBorder")->click();
        auto* thickness = field<QLineEdit>(d, "txtBorderThickness");
        thickness->clear();
        QTest::keyClicks(thickness, "3");
        field<QPushButton>(d, "cmdOK")->click();
    });
    // The engine's own layout: where the box is on the page, its outer size and its border.
    const QVariantMap box = TestSupport::js(editor, R"((function(){
        const box = [...document.querySelectorAll('div')].find(d => d.textContent === 'Boxed');
        if (!box) return null;
        const r = box.getBoundingClientRect(), s = getComputedStyle(box);
        return {left: r.left + scrollX, top: r.top + scrollY, width: r.width, height: r.height,
                border: s.borderTopWidth + ' ' + s.borderLeftWidth + ' ' + s.borderTopStyle,
                positioned: s.position}; })())")
                                .toMap();
    ASSERT_FALSE(box.isEmpty()) << qPrintable(body());
    EXPECT_EQ(box["positioned"].toString(), "absolute");
    EXPECT_EQ(box["left"].toDouble(), 20);
    EXPECT_EQ(box["top"].toDouble(), 20);
    EXPECT_EQ(box["width"].toDouble(), 200 + 2 * 3);
    EXPECT_EQ(box["height"].toDouble(), 150 + 2 * 3);
    EXPECT_EQ(box["border"].toString(), "3px 3px solid");
}
