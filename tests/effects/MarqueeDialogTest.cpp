// Insert > Special Effects > Marquee on the real editing surface, driven as a user would;
// the marquee scrolls in the preview and stands still in the editing view.
#include "core/Module1.h"
#include "effects/Effects.h"
#include "effects/EffectsDriver.h"
#include "platform/DHTMLEditCommands.h"
#include "platform/Help.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

using namespace EffectsDriver;

namespace {

class MarqueeDialog : public WithMainForm {
protected:
    void type(QDialog* d, const QString& name, const QString& text) {
        auto* box = field<QLineEdit>(d, name);
        box->clear();
        QTest::keyClicks(box, text);
    }
    // Finishes the dialog and inserts from the preview, answering the message box.
    void insertFrom(QDialog* d) {
        onPreview([](Preview* p) {
            TestSupport::acceptMessageBox();
            click(p, "cmdInsert");
        });
        click(d, "Command1");
    }
    // Where the text of the first marquee in the editing view starts, and whether all of
    // it lies inside the marquee's box.
    QPair<double, bool> editingMarquee() {
        const QVariantMap m =
            TestSupport::js(editor,
                            "(function(){const m=document.querySelector('marquee');"
                            "const r=document.createRange(); r.selectNodeContents(m);"
                            "const t=r.getBoundingClientRect(), b=m.getBoundingClientRect();"
                            "return {left: t.left, inside: t.left >= b.left - 1 &&"
                            " t.right <= b.right + 1};})()")
                .toMap();
        return {m.value("left").toDouble(), m.value("inside").toBool()};
    }
    void expectStandingStill() {
        const auto before = editingMarquee();
        EXPECT_TRUE(before.second) << "the marquee's text is out of view";
        TestSupport::pump(400); // the engine moves a running marquee about 70 px a second
        EXPECT_EQ(editingMarquee().first, before.first);
    }
};

} // namespace

TEST_F(MarqueeDialog, OpensWithItsDefaultsAndTheSelectedText) {
    page("<p id='p'>Hello world</p>");
    TestSupport::selectText(editor, "#p", 6, 11);
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        EXPECT_EQ(field<QLineEdit>(d, "Text1")->text(), "world");
        EXPECT_TEXT(field<QLabel>(d, "lblHeading")->text(), "Marquee Text Ticker");
        EXPECT_TEXT(field<QLabel>(d, "lblHeadingText")->text(),
                    "Use this to create scrolling text on your Web page.  Only Internet Explorer "
                    "supports this MARQUEE tag.");
        EXPECT_EQ(field<QLabel>(d, "lblHeadingBkg")->width(), d->width());
        // 6315 x 6700 twips, or more where the face needs it to show the texts whole.
        EXPECT_GE(d->width(), 421);
        EXPECT_GE(d->height(), 447);
        auto* direction = field<QComboBox>(d, "cboDirection");
        EXPECT_EQ(direction->count(), 2);
        EXPECT_EQ(direction->currentText(), "Left to Right");
        EXPECT_EQ(field<QComboBox>(d, "Combo2")->currentText(), "Scroll(Default)");
        auto* loop = field<QComboBox>(d, "Combo3");
        EXPECT_EQ(loop->count(), 11);
        EXPECT_EQ(loop->itemText(0), "None");
        EXPECT_EQ(loop->currentText(), "Infinite");
        EXPECT_EQ(field<QLabel>(d, "Label14")->text(), "Select Color");
        EXPECT_EQ(field<QLabel>(d, "Label14")->toolTip(), "Click to select color...");
        EXPECT_EQ(field<QLineEdit>(d, "Text9")->toolTip(),
                  "This specifies the amount of time between each marquee movement");
        for (const char* box : {"Text2", "Text3", "Text4", "Text6", "Text7", "Text8", "Text9"})
            EXPECT_EQ(field<QLineEdit>(d, box)->text(), "") << box;
        click(d, "Command2");
    });

    // With nothing selected the box starts empty; the marquee replaces a selection.
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        EXPECT_EQ(field<QLineEdit>(d, "Text1")->text(), "");
        click(d, "Command2");
    });
    TestSupport::selectText(editor, "#p", 6, 11);
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) { insertFrom(d); });
    EXPECT_TEXT(body(), " <p id=\"p\">Hello <marquee direction=\"right\" "
                        "behavior=\"scroll\">world</marquee></p>");
}

TEST_F(MarqueeDialog, OkWithoutTextAsksForItAndBuildsNothing) {
    page("<p id='p'>Hello</p>");
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        type(d, "Text3", "200");
        const QString message = answerWhile([&] { click(d, "Command1"); });
        EXPECT_TEXT(message, "Please enter text to be marqueed in the box below.");
        EXPECT_TRUE(d->isVisible());
        field<QLineEdit>(d, "Text3")->setFocus();
        answerWhile([&] { click(d, "Command1"); });
        EXPECT_EQ(d->focusWidget(), field<QLineEdit>(d, "Text1"));
        EXPECT_EQ(Module1::PendingSnippet, "");
        click(d, "Command2");
    });
    EXPECT_TEXT(body(), "<p id=\"p\">Hello</p>");
}

TEST_F(MarqueeDialog, EveryFieldReachesTheMarkupInThePreviewAndThePage) {
    page("<p id='p'>Hello</p>");
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        type(d, "Text1", "News");
        type(d, "Text3", "300");
        type(d, "Text2", "40");
        type(d, "Text6", "3");
        field<QSpinBox>(d, "UpDown2")->stepUp(); // Hspace from empty to 1
        type(d, "Text8", "6");
        type(d, "Text9", "85");
        field<QComboBox>(d, "cboDirection")->setCurrentText("Right to Left");
        field<QComboBox>(d, "Combo2")->setCurrentText("Alternate");
        auto* loop = field<QComboBox>(d, "Combo3");
        loop->setEditText("4");
        auto* color = field<QLabel>(d, "Label14");
        DialogDriver::pickColor([&] { QTest::mouseClick(color, Qt::LeftButton); },
                                QColor(0x12, 0xAB, 0x0F));
        EXPECT_EQ(color->text(), "");
        EXPECT_EQ(field<QLineEdit>(d, "Text4")->text(), "12AB0F");
        onPreview([&](Preview* p) {
            EXPECT_TRUE(TestSupport::readText(previewFile())
                            .contains("<marquee direction=\"left\" behavior=alternate "
                                      "width=\"300\" height=\"40\" vspace=\"3\" hspace=\"1\" "
                                      "scrollamount=\"6\" scrolldelay=\"85\" bgcolor=\"#12ab0f\" "
                                      "loop=\"4\">News</marquee>"));
            TestSupport::acceptMessageBox();
            click(p, "cmdInsert");
        });
        click(d, "Command1");
    });
    EXPECT_TEXT(body(), " <p id=\"p\">Hello<marquee direction=\"left\" behavior=\"alternate\" "
                        "width=\"300\" height=\"40\" vspace=\"3\" hspace=\"1\" scrollamount=\"6\" "
                        "scrolldelay=\"85\" bgcolor=\"#12ab0f\" loop=\"4\">News</marquee></p>");
}

TEST_F(MarqueeDialog, ACancelledColourPickerChangesNothingAndHelpOpensItsTopic) {
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        auto* color = field<QLabel>(d, "Label14");
        DialogDriver::pickColor([&] { QTest::mouseClick(color, Qt::LeftButton); }, QColor());
        EXPECT_EQ(color->text(), "Select Color");
        EXPECT_EQ(field<QLineEdit>(d, "Text4")->text(), "");
        field<QToolButton>(d, "Command8")->click();
        EXPECT_EQ(Help::ShownTopic(), 26);
        click(d, "Command2");
    });
}

TEST_F(MarqueeDialog, TheMarqueeScrollsInThePreview) {
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        type(d, "Text1", "Scrolling along");
        onPreview([&](Preview* p) {
            const double start = previewMarqueeLeft(p);
            EXPECT_TRUE(TestSupport::waitUntil(
                [&] { return std::abs(previewMarqueeLeft(p) - start) > 5; }, 5000))
                << "the marquee did not move";
        });
        click(d, "Command1");
    });
}

TEST_F(MarqueeDialog, TheMarqueeStandsStillInTheEditingViewWithItsMarkupUnchanged) {
    page("<p id='p'>Hello</p>");
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        type(d, "Text1", "Standing");
        field<QComboBox>(d, "cboDirection")->setCurrentText("Right to Left");
        insertFrom(d);
    });
    expectStandingStill();
    const QString marquee = "<marquee direction=\"left\" behavior=\"scroll\">Standing</marquee>";
    EXPECT_TRUE(html().contains(marquee)) << qPrintable(html());

    // Undone and redone, written back and loaded from a file: still standing.
    editor->ExecCommand(DECMD_UNDO, 0);
    editor->ExecCommand(DECMD_REDO, 0);
    expectStandingStill();
    editor->setDocumentHTML(html(), false);
    expectStandingStill();
    const QString file = previewDir.path() + "/page.htm";
    TestSupport::writeText(file, "<html><body><p>a</p><marquee behavior=alternate "
                                 "direction=right>Loaded</marquee></body></html>");
    editor->LoadDocument(file);
    expectStandingStill();
    EXPECT_TRUE(
        html().contains("<marquee behavior=\"alternate\" direction=\"right\">Loaded</marquee>"));
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(MarqueeDialog, MarqueesOfALargePageStandStillFromTheStartOfItsLoad) {
    // The page takes many frames to load: the first marquee is in place long before
    // the load ends, the last one at its end.
    QByteArray page = "<html><body><marquee id='first' width='300'>At the top</marquee>";
    while (page.size() < 3 * 1024 * 1024)
        page += "<p>Lorem ipsum dolor sit amet, consectetur adipiscing elit.</p>\n";
    page += "<marquee id='last' direction='right' bgcolor='#ffff00'>At the end</marquee>"
            "</body></html>";
    const QString file = previewDir.path() + "/long.htm";
    TestSupport::writeBytes(file, page);
    editor->LoadDocument(file);
    for (const QString id : {"first", "last"}) {
        const QVariantMap m =
            TestSupport::js(editor,
                            QString("(function(){const m=document.getElementById('%1');"
                                    "const r=document.createRange(); r.selectNodeContents(m);"
                                    "const t=r.getBoundingClientRect(),"
                                    " b=m.getBoundingClientRect();"
                                    "return {left: t.left, box: b.left, width: b.width};"
                                    "})()")
                                .arg(id))
                .toMap();
        // At its start, and the marquee keeps its own size.
        EXPECT_NEAR(m.value("left").toDouble(), m.value("box").toDouble(), 1.0) << qPrintable(id);
        if (id == "first") {
            EXPECT_EQ(m.value("width").toInt(), 300);
        }
    }
}

TEST_F(MarqueeDialog, HostileAndHugeTextsGoInWhole) {
    page("<p id='p'>Hello</p>");
    // Quotes, markup characters and other scripts in the text; letters as a width.
    QString text = "\"quoted\" 'single' <b>bold</b> & Ελληνικά 日本語 ";
    while (text.size() < 5000)
        text += "lorem ipsum ";
    text.truncate(5000);
    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        field<QLineEdit>(d, "Text1")->setText(text);
        type(d, "Text3", "abc\" onmouseover=\"alert(1)");
        onPreview([&](Preview* p) {
            EXPECT_EQ(previewText(p, "marquee b"), "bold");
            EXPECT_TRUE(previewText(p, "marquee").contains("Ελληνικά 日本語"));
            EXPECT_EQ(
                p->WebBrowser1->Evaluate("document.querySelector('marquee').getAttribute('width')")
                    .toString(),
                "abc\" onmouseover=\"alert(1)");
            TestSupport::acceptMessageBox();
            click(p, "cmdInsert");
        });
        click(d, "Command1");
    });
    EXPECT_TRUE(body().startsWith(" <p id=\"p\">Hello<marquee direction=\"right\" "
                                  "behavior=\"scroll\" width=\"abc&quot; "
                                  "onmouseover=&quot;alert(1)\">\"quoted\" 'single' "
                                  "<b>bold</b> &amp; Ελληνικά 日本語 lorem"))
        << qPrintable(body().left(300));
    EXPECT_EQ(
        TestSupport::js(editor, "document.querySelector('marquee').textContent.length").toInt(),
        text.size() - 7); // the tags of <b></b>
}
