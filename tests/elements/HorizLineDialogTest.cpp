// Insert > Horizontal Line on the real editing surface, driven as a user would.
#include "core/Module1.h"
#include "elements/frmHorizLine.h"
#include "platform/Help.h"
#include "support/DialogDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace DialogDriver;

namespace {
class HorizLineDialog : public WithMainForm {};
} // namespace

TEST_F(HorizLineDialog, DefaultsInsertAOnePixelLine) {
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuInsertHorizLine, "frmHorizLine", [&](QDialog* d) {
        EXPECT_EQ(field<QLineEdit>(d, "Text1")->text(), "1");
        auto* align = field<QComboBox>(d, "cmbAlign");
        EXPECT_EQ(align->count(), 3);
        EXPECT_EQ(align->itemText(2), "Center");
        EXPECT_EQ(align->currentText(), "");
        EXPECT_EQ(field<QLabel>(d, "lblColor")->text(), "Click to Select Color");
        QTest::keyClick(field<QLineEdit>(d, "Text1"), Qt::Key_Return); // OK is the default
    });
    EXPECT_EQ(Module1::PendingSnippet, "<hr size=\"1\" />");
    EXPECT_EQ(body(), "<div id=\"p\">Hello<hr size=\"1\"></div>");
}

TEST_F(HorizLineDialog, EveryOptionGoesIntoTheLine) {
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuInsertHorizLine, "frmHorizLine", [&](QDialog* d) {
        auto* thickness = field<QLineEdit>(d, "Text1");
        thickness->selectAll();
        QTest::keyClicks(thickness, "4");
        QTest::keyClicks(field<QLineEdit>(d, "Text2"), "50%");
        field<QCheckBox>(d, "Check1")->click();
        QTest::keyClicks(field<QComboBox>(d, "cmbAlign"), "Right");
        auto* color = field<QLabel>(d, "lblColor");
        pickColor([&] { QTest::mouseClick(color, Qt::LeftButton); }, QColor(0x12, 0xAB, 0x0F));
        EXPECT_EQ(color->text(), "");
        EXPECT_EQ(qobject_cast<frmHorizLine*>(d)->LineColor, "#12AB0F");
        field<QPushButton>(d, "Command1")->click();
    });
    EXPECT_EQ(body(),
              "<div id=\"p\">Hello<hr size=\"4\" width=\"50%\" noshade=\"\" align=\"right\" "
              "style=\"color:#12ab0f\" color=\"#12ab0f\"></div>");
}

TEST_F(HorizLineDialog, AQuoteTypedIntoABoxStaysInItsAttribute) {
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuInsertHorizLine, "frmHorizLine", [&](QDialog* d) {
        field<QLineEdit>(d, "Text1")->setText("4\" onclick=\"x");
        field<QLineEdit>(d, "Text2")->setText(QString::fromUtf8(R"(5'0\<&Ω)"));
        field<QComboBox>(d, "cmbAlign")->setEditText("\"");
        field<QPushButton>(d, "Command1")->click();
    });
    // The whole line is lower-cased, as it always was; no value leaks into an attribute.
    EXPECT_EQ(TestSupport::js(editor, R"((function(){ const h = document.querySelector('hr');
        return Array.from(h.attributes, x => x.name + '=' + x.value).join('|'); })())")
                  .toString(),
              QString::fromUtf8(R"(size=4" onclick="x|width=5'0\<&ω|align=")"));
}

TEST_F(HorizLineDialog, CancelAfterAColourInsertsNothingAndTheNextOpeningForgetsIt) {
    page("<div id='p'>Hello</div>");
    withDialog(form->mnuInsertHorizLine, "frmHorizLine", [&](QDialog* d) {
        pickColor([&] { QTest::mouseClick(field<QLabel>(d, "lblColor"), Qt::LeftButton); },
                  QColor(255, 0, 0));
        QTest::keyClick(d, Qt::Key_Escape); // Cancel is the cancel button
        EXPECT_FALSE(d->isVisible());
    });
    EXPECT_EQ(Module1::PendingSnippet, "");
    EXPECT_EQ(body(), "<div id=\"p\">Hello</div>");

    withDialog(form->mnuInsertHorizLine, "frmHorizLine", [&](QDialog* d) {
        EXPECT_EQ(qobject_cast<frmHorizLine*>(d)->LineColor, "");
        EXPECT_EQ(field<QLabel>(d, "lblColor")->text(), "Click to Select Color");
        // A cancelled picker keeps the label as it was.
        pickColor([&] { QTest::mouseClick(field<QLabel>(d, "lblColor"), Qt::LeftButton); },
                  QColor());
        EXPECT_EQ(field<QLabel>(d, "lblColor")->text(), "Click to Select Color");
        field<QPushButton>(d, "Command2")->click();
    });
    EXPECT_EQ(body(), "<div id=\"p\">Hello</div>");
}

TEST_F(HorizLineDialog, HelpOpensItsTopic) {
    withDialog(form->mnuInsertHorizLine, "frmHorizLine", [&](QDialog* d) {
        field<QToolButton>(d, "Command8")->click();
        EXPECT_EQ(Help::ShownTopic(), 9);
        field<QPushButton>(d, "Command2")->click();
    });
}
