// Insert > Special Effects > Inline Frame, driven as a user would: its defaults, its
// checks, browsing, and the frame's page showing in the preview.
#include "core/Module1.h"
#include "effects/EffectsDriver.h"
#include "platform/Help.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTcpServer>
#include <QTest>
#include <QToolButton>

using namespace EffectsDriver;

namespace {

class InlineFrameDialog : public WithMainForm {
protected:
    void fillRequired(QDialog* d, const QString& source) {
        field<QComboBox>(d, "Combo1")->setEditText(source);
        field<QLineEdit>(d, "Text1")->setText("300");
        field<QLineEdit>(d, "Text2")->setText("200");
    }
    // The text of the frame's page in the preview, once it has loaded ("" until then).
    static QString frameText(Preview* p) {
        return p->WebBrowser1
            ->Evaluate("(function(){const f=document.querySelector('iframe');"
                       "const d=f && f.contentDocument; return d && d.body ?"
                       " d.body.textContent : '';})()")
            .toString();
    }
};

} // namespace

TEST_F(InlineFrameDialog, OpensWithItsDefaults) {
    withDialog(frameItem(), "frmIframe", [&](QDialog* d) {
        EXPECT_TEXT(field<QLabel>(d, "lblHeading")->text(), "Inline Frame");
        EXPECT_TEXT(field<QLabel>(d, "lblHeadingText")->text(),
                    "An Inline Frame is a frame that floats on your Web page.  The frame "
                    "contains any Web page of your choice.  Only Internet Explorer supports "
                    "Inline Frames.");
        auto* align = field<QComboBox>(d, "Combo2");
        ASSERT_EQ(align->count(), 6);
        EXPECT_EQ(align->itemText(0), "None");
        EXPECT_EQ(align->itemText(5), "Bottom");
        EXPECT_EQ(align->currentText(), "None");
        EXPECT_FALSE(field<QCheckBox>(d, "Check1")->isChecked());
        EXPECT_FALSE(field<QCheckBox>(d, "Check2")->isChecked());
        EXPECT_EQ(field<QCheckBox>(d, "Check2")->text(), "Frame Border:");
        EXPECT_EQ(field<QToolButton>(d, "cmdBrowse")->toolTip(), "Browse for local Web page...");
        EXPECT_EQ(field<QToolButton>(d, "cmdFavorites")->toolTip(),
                  "Browse Internet Explorer Favorites...");
        EXPECT_TRUE(field<QPushButton>(d, "cmdOK")->isDefault());
        field<QToolButton>(d, "cmdHelp")->click();
        EXPECT_EQ(Help::ShownTopic(), 34);
        click(d, "cmdCancel");
    });
}

TEST_F(InlineFrameDialog, TheSourceIsAskedForFirstThenTheSize) {
    withDialog(frameItem(), "frmIframe", [&](QDialog* d) {
        EXPECT_TEXT(answerWhile([&] { click(d, "cmdOK"); }),
                    "Please enter Source URL in the box below.");
        EXPECT_EQ(d->focusWidget(), field<QComboBox>(d, "Combo1"));
        field<QComboBox>(d, "Combo1")->setEditText("a.htm");
        field<QLineEdit>(d, "Text1")->setText("300");
        field<QLineEdit>(d, "Text6")->setFocus();
        EXPECT_TEXT(answerWhile([&] { click(d, "cmdOK"); }),
                    "Please enter Frame width and height in the appropriate box below.");
        EXPECT_EQ(d->focusWidget(), field<QLineEdit>(d, "Text1"));
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(Module1::PendingSnippet, "");
        click(d, "cmdCancel");
    });
}

TEST_F(InlineFrameDialog, BrowseAndFavouritesFillTheSourceAndCancellingKeepsIt) {
    const QString page = previewDir.path() + "/local page.htm";
    TestSupport::writeText(page, "<p>local</p>");
    const QString shortcut = previewDir.path() + "/site.url";
    TestSupport::writeText(shortcut, "[InternetShortcut]\r\nURL=http://example.com/Page\r\n");
    withDialog(frameItem(), "frmIframe", [&](QDialog* d) {
        auto* source = field<QComboBox>(d, "Combo1");
        browse(d, "cmdBrowse", page);
        EXPECT_EQ(source->currentText(), page);
        browse(d, "cmdBrowse", "");
        EXPECT_EQ(source->currentText(), page);
        browse(d, "cmdFavorites", shortcut);
        EXPECT_EQ(source->currentText(), "http://example.com/Page");
        browse(d, "cmdFavorites", "");
        EXPECT_EQ(source->currentText(), "http://example.com/Page");
        EXPECT_EQ(d->focusWidget(), source);
        click(d, "cmdCancel");
    });
}

TEST_F(InlineFrameDialog, ThePreviewShowsALocalPageInTheFrame) {
    page("<p id='p'>Hello</p>");
    const QString inner = previewDir.path() + "/inner.htm";
    TestSupport::writeText(inner, "<html><body>Inner page text</body></html>");
    withDialog(frameItem(), "frmIframe", [&](QDialog* d) {
        fillRequired(d, inner);
        field<QComboBox>(d, "Combo2")->setCurrentText("Center");
        field<QCheckBox>(d, "Check1")->click();
        onPreview([&](Preview* p) {
            EXPECT_TRUE(
                TestSupport::waitUntil([&] { return frameText(p) == "Inner page text"; }, 5000))
                << qPrintable(frameText(p));
            click(p, "cmdInsert");
        });
        click(d, "cmdOK");
    });
    EXPECT_TEXT(Module1::PendingSnippet,
                "<iframe src=\"" + inner +
                    "\" height=\"200\" width=\"300\" frameborder=\"0\" "
                    "scrolling=\"yes\" align=\"center\">\r\n\r\n</iframe>");
    EXPECT_EQ(TestSupport::js(editor, "document.querySelectorAll('#p iframe').length").toInt(), 1);
}

TEST_F(InlineFrameDialog, AnAddressThatDoesNotAnswerNeitherHangsNorLosesThePage) {
    page("<p id='p'>Hello</p>");
    QTcpServer probe; // a port that was free a moment ago: nothing listens there now
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    withDialog(frameItem(), "frmIframe", [&](QDialog* d) {
        fillRequired(d, QString("http://127.0.0.1:%1/missing.htm").arg(port));
        field<QLineEdit>(d, "Text6")->setText("<b>No frames</b> \"here\" & 日本");
        onPreview([&](Preview* p) {
            EXPECT_EQ(
                p->WebBrowser1->Evaluate("document.querySelectorAll('iframe').length").toInt(), 1);
            click(p, "cmdInsert");
        });
        click(d, "cmdOK");
    });
    EXPECT_TRUE(body().startsWith(" <p id=\"p\">Hello<iframe src=\"http://127.0.0.1:"))
        << qPrintable(body());
    // The frame's content is raw text: it stays exactly as typed.
    EXPECT_TRUE(
        body().endsWith("scrolling=\"no\">\n<b>No frames</b> \"here\" & 日本\n</iframe></p>"))
        << qPrintable(body());
}

TEST_F(InlineFrameDialog, TheSpaceArrowsTakeATypedNumberBeyondAnEndToThatEnd) {
    withDialog(frameItem(), "frmIframe", [&](QDialog* d) {
        for (const auto& [boxName, arrowsName] :
             {std::pair<QString, QString>{"Text4", "UpDown1"}, {"Text3", "UpDown2"}}) {
            SCOPED_TRACE(qPrintable(boxName));
            auto* box = field<QLineEdit>(d, boxName);
            auto* arrows = field<QSpinBox>(d, arrowsName);
            ASSERT_TRUE(arrows->isVisible());
            // The mouse on the upper or the lower arrow, typing in the box between.
            auto press = [&](const QString& typed, bool up) {
                box->selectAll();
                QTest::keyClicks(box, typed);
                QTest::mouseClick(arrows, Qt::LeftButton, Qt::NoModifier,
                                  QPoint(arrows->width() / 2, arrows->height() * (up ? 1 : 3) / 4));
                return box->text();
            };
            EXPECT_TEXT(press("99999999999", true), "100");
            EXPECT_TEXT(press("99999999999", false), "100");
            EXPECT_TEXT(press("101", true), "100");
            EXPECT_TEXT(press("-99999999999", true), "0");
            EXPECT_TEXT(press("-3", false), "0");
            EXPECT_TEXT(press(" 042 ", true), "43");
            EXPECT_TEXT(press("42", false), "41");
            EXPECT_TEXT(press("100", true), "100");
            EXPECT_TEXT(press("abc", true), "1"); // no number: from the minimum
        }
        fillRequired(d, "a.htm");
        onPreview([](Preview* p) { p->close(); });
        click(d, "cmdOK");
    });
    EXPECT_TRUE(Module1::PendingSnippet.contains("vspace=\"1\" hspace=\"1\""))
        << qPrintable(Module1::PendingSnippet);
}
