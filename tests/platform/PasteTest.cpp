// Edit > Paste with what other programs and this one put on the real clipboard: foreign
// HTML without its scripts, blocks that split the block they land in, plain text as
// paragraphs, ids that stay unique, and each paste one undo step.
#include "platform/DHTMLEdit.h"
#include "support/SurfaceFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class Paste : public SurfaceTest {
protected:
    // What another program puts on the clipboard.
    static void clipboard(const QString& html, const QString& text = {}) {
        auto* data = new QMimeData;
        if (!html.isNull())
            data->setHtml(html);
        if (!text.isNull())
            data->setText(text);
        QGuiApplication::clipboard()->setMimeData(data);
    }
    QVariant paste() { return editor.ExecCommand(DECMD_PASTE, OLECMDEXECOPT_DODEFAULT); }
    void undo() { editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT); }
    // A block element directly inside a paragraph, a heading or a Formatted line.
    QString blockInsideAParagraph() {
        return js(&editor, "(function () { const b = document.querySelector("
                           "':is(p, h1, h2, pre) > :is(p, h1, h2, pre, div, table, ul)');"
                           " return b ? b.parentNode.outerHTML : ''; })()")
            .toString();
    }
};

const QString Tab = "<span style=\"white-space:pre\">\t</span>";

} // namespace

TEST_F(Paste, TakesTheFragmentTheDocumentsBodyOrTheText) {
    struct Case {
        const char* what;
        QString html;
        QString text;
        QString body;
    };
    const QList<Case> cases = {
        {"a fragment between its marks",
         "<html><body><!--StartFragment--><b>x</b><!--EndFragment--></body></html>", "x",
         "<div id=\"d\">a<b>x</b></div>"},
        {"the body of a document",
         "<html><head><title>t</title></head><body><i>y</i></body></html>", "y",
         "<div id=\"d\">a<i>y</i></div>"},
        {"a leading meta element", "<meta charset=\"utf-8\"><u>z</u>", "z",
         "<div id=\"d\">a<u>z</u></div>"},
        {"plain text, its line ends and blanks kept",
         {},
         "a < b &\r\nc  d\ne ",
         "<div id=\"d\">aa &lt; b &amp;<br>c &nbsp;d<br>e&nbsp;</div>"},
        {"HTML with nothing to show gives the text",
         "<html><body><!--StartFragment-->"
         "<!--EndFragment--></body></html>",
         "t", "<div id=\"d\">at</div>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        page("<div id=\"d\">a</div>");
        caretAtEnd(&editor, "#d");
        clipboard(c.html, c.text);
        paste();
        EXPECT_TEXT(bodyHTML(&editor), c.body);
    }
}

TEST_F(Paste, ForeignHtmlComesWithoutItsScriptsAndOursAsItWasCopied) {
    page("<p id=\"p\">Hello world</p><script id=\"own\">var own = 1;</script>");
    selectText(&editor, "#p", 6, 11);
    clipboard("<meta charset=\"utf-8\"><b onclick=\"steal()\">bold</b>"
              "<img src=\"pic.png\" alt=\"pic\" onerror=\"steal()\">"
              "<a href=\" java&#9;script:steal()\">hidden</a> <a href=\"next.html\">next</a>"
              "<script>steal()</script><svg><a href=\"javascript:steal()\">s</a></svg>");
    paste();
    EXPECT_TEXT(bodyHTML(&editor),
                "<p id=\"p\">Hello <b>bold</b><img src=\"pic.png\" alt=\"pic\"><a>hidden</a> "
                "<a href=\"next.html\">next</a><svg><a>s</a></svg></p>"
                "<script id=\"own\">var own = 1;</script>");
    undo();
    EXPECT_TEXT(bodyHTML(&editor),
                "<p id=\"p\">Hello world</p><script id=\"own\">var own = 1;</script>");

    // A copy of the page's own content keeps its handler; the copy's id is the page's.
    page("<p id=\"p\">a<img id=\"i\" src=\"none.gif\" onmouseover=\"swap()\"></p>");
    js(&editor, "__tsly.selectElement(document.getElementById('i'))");
    editor.ExecCommand(DECMD_COPY, OLECMDEXECOPT_DODEFAULT);
    caretAtEnd(&editor, "#p");
    paste();
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">a<img id=\"i\" src=\"none.gif\" "
                                   "onmouseover=\"swap()\"><img src=\"none.gif\" "
                                   "onmouseover=\"swap()\"></p>");

    // The engine's own paste key goes the same way (the engine's would keep the id).
    page("<p id=\"p\">ab</p>");
    selectText(&editor, "#p", 1, 1);
    clipboard("<i id=\"p\" onmouseover=\"steal()\">x</i>", "x");
    editor.view()->setFocus();
    QTest::keyClick(editor.view()->focusProxy(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_TRUE(waitUntil([&] { return bodyHTML(&editor) == "<p id=\"p\">a<i>x</i>b</p>"; }))
        << qPrintable(bodyHTML(&editor));
}

TEST_F(Paste, BlocksSplitTheBlockTheyLandInAndTheFileReopensEqual) {
    page("<p id=\"p\" class=\"k\">First Second</p>");
    selectText(&editor, "#p", 6, 6);
    clipboard("<h1 id=\"p\">Head</h1>\n<p>Para</p>");
    paste();
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\" class=\"k\">First </p><h1>Head</h1>\n<p>Para</p>"
                                   "<p class=\"k\">Second</p>");
    EXPECT_TEXT(blockInsideAParagraph(), "");
    typeText(&editor, "!");
    EXPECT_TRUE(waitUntil([&] { return bodyHTML(&editor).contains("<p class=\"k\">!Second</p>"); }))
        << "the caret is where the paste ended: " << qPrintable(bodyHTML(&editor));
    const QString saved = editor.DocumentHTML();
    editor.LoadDocument(file("saved.html", saved.toUtf8()));
    EXPECT_TEXT(editor.DocumentHTML(), saved);

    // A table into a Formatted line, at its end: the line stays whole; one undo.
    page("<pre id=\"f\">ab</pre>");
    caretAtEnd(&editor, "#f");
    clipboard("<table><tbody><tr><td>c</td></tr></tbody></table>");
    paste();
    EXPECT_TEXT(bodyHTML(&editor),
                "<pre id=\"f\">ab</pre><table><tbody><tr><td>c</td></tr></tbody></table>");
    undo();
    EXPECT_TEXT(bodyHTML(&editor), "<pre id=\"f\">ab</pre>");
}

TEST_F(Paste, PlainTextParagraphsBecomeBlocksOfTheCaretsKind) {
    const QString text = "one\r\n\r\ntwo\tx\nthree\n \nfour";
    page("<p id=\"p\" class=\"k\">a<b id=\"b\">bc</b></p>");
    selectText(&editor, "#b", 1, 1);
    clipboard({}, text);
    paste();
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\" class=\"k\">a<b id=\"b\">bone</b></p>"
                                   "<p class=\"k\"><b>two" +
                                       Tab +
                                       "x<br>three</b></p>"
                                       "<p class=\"k\"><b>fourc</b></p>");
    undo();
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\" class=\"k\">a<b id=\"b\">bc</b></p>");

    page("<ul><li id=\"l\">ab</li></ul><pre id=\"f\">ab</pre>");
    selectText(&editor, "#l", 1, 1);
    paste();
    selectText(&editor, "#f", 1, 1);
    paste();
    EXPECT_TEXT(bodyHTML(&editor), "<ul><li id=\"l\">aone</li><li>two" + Tab +
                                       "x<br>three</li><li>fourb</li></ul>"
                                       "<pre id=\"f\">aone\n\ntwo\tx\nthree\n \nfourb</pre>");
}

TEST_F(Paste, LargeAndOddClipboardsEndInOneUndoStepWithNothingLost) {
    QString own;
    for (int i = 0; i < 1000; ++i)
        own += QString("<p id=\"i%1\">p%1</p>").arg(i);
    page(own);
    const QString before = bodyHTML(&editor);
    auto unchanged = [&](const char* after) { EXPECT_TRUE(bodyHTML(&editor) == before) << after; };

    // 5 MB of HTML from a web page, every id of it one the page has.
    QString big = "<meta charset=\"utf-8\">";
    for (int n = 0; big.size() < 5 * 1024 * 1024; ++n)
        big += QString("<h2 id=\"i%1\" onclick=\"x()\">Heading %2</h2><p>Some <b>text</b> "
                       "<a href=\"javascript:x()\">more</a></p><script>x()</script>")
                   .arg(n % 1000)
                   .arg(n);
    selectText(&editor, "#i500", 1, 1);
    clipboard(big);
    paste();
    EXPECT_EQ(js(&editor, "document.querySelectorAll('h2').length").toInt(), big.count("<h2 "));
    EXPECT_EQ(js(&editor, "document.querySelectorAll('[id]').length").toInt(), 1000)
        << "only the page's own ids";
    EXPECT_EQ(js(&editor, "document.querySelectorAll('script, [onclick], [href]').length").toInt(),
              0);
    undo();
    unchanged("one undo takes the large paste out");

    // 10,000 lists, each inside the one before.
    clipboard(QString("<ul><li>x").repeated(10000) + QString("</li></ul>").repeated(10000));
    paste();
    EXPECT_GT(js(&editor, "document.querySelectorAll('ul').length").toInt(), 500);
    undo();
    unchanged("one undo takes the nested lists out");

    // A picture alone, and an empty fragment: nothing to paste, nothing changes.
    auto* picture = new QMimeData;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    picture->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(picture);
    EXPECT_EQ(editor.QueryStatus(DECMD_PASTE), DECMDF_DISABLED);
    EXPECT_THROW(paste(), PlatformError);
    clipboard("<html><body><!--StartFragment--><!--EndFragment--></body></html>");
    EXPECT_FALSE(paste().toBool());
    unchanged("an empty fragment");
    EXPECT_EQ(editor.QueryStatus(DECMD_REDO), DECMDF_ENABLED) << "the undone steps are kept";
}
