// What the keyboard does to the page beyond the engine's own editing: Enter never makes
// two elements with one id or name nor a second marquee, box or table, and its new block
// keeps only the formatting of the one it splits; typing after such an element at the
// page's end makes an ordinary block; Formatted text takes Enter as a line end; Tab goes
// from cell to cell; typing into the placeholder space replaces it, and Ctrl+B/I/U are
// steps of their own; each undoes as the user expects.
#include "platform/DHTMLEditCommands.h"
#include "support/SurfaceFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class Typing : public SurfaceTest {
protected:
    // How many elements of the page have attr="value".
    int carrying(const QString& attr, const QString& value) {
        const QString args = QString::fromUtf8(
            QJsonDocument(QJsonArray{attr, value}).toJson(QJsonDocument::Compact));
        return js(&editor, QString("((a) => document.querySelectorAll("
                                   "'[' + a[0] + '=\"' + CSS.escape(a[1]) + '\"]').length)(%1)")
                               .arg(args))
            .toInt();
    }
    void undo() { pressKey(&editor, Qt::Key_Z, Qt::ControlModifier); }
    void redo() { pressKey(&editor, Qt::Key_Y, Qt::ControlModifier); }
    int count(const QString& css) {
        return js(&editor, QString("document.querySelectorAll('%1').length").arg(css)).toInt();
    }
    // The cells' contents, a row a line, cells apart by "|", the placeholder space blank.
    QString cells(const QString& table = "table") {
        return js(&editor, QString("Array.from(document.querySelector('%1').rows).map(r =>"
                                   " Array.from(r.cells).map(c => c.textContent.trim())"
                                   ".join('|')).join('\\n')")
                               .arg(table))
            .toString();
    }
};

struct Split {
    const char* body;
    const char* css;  // the element the caret goes into
    int at;           // characters into its text; -1 is its end
    const char* attr; // the naming attribute that must stay single
    const char* value;
};

} // namespace

TEST_F(Typing, EnterLeavesAnIdOrNameOnOneElementOnly) {
    const Split splits[] = {
        {"<p id='intro'>Intro text</p>", "#intro", -1, "id", "intro"},
        {"<p id='intro'>Intro text</p>", "#intro", 5, "id", "intro"},
        {"<p id='intro'>Intro text</p>", "#intro", 0, "id", "intro"},
        {"<ul><li id='li'>first item</li></ul>", "#li", -1, "id", "li"},
        {"<ul><li id='li'>first item</li></ul>", "#li", 5, "id", "li"},
        {"<table><tr><td id='td'>a cell</td></tr></table>", "#td", 2, "id", "td"},
        {"<h2 id='h'>Heading</h2>", "#h", 3, "id", "h"},
        {"<p>x<a name='n' id='a'>anchor text</a>y</p>", "#a", 3, "id", "a"},
        {"<p>x<a name='n' id='a'>anchor text</a>y</p>", "#a", 3, "name", "n"},
        {"<div><p id='p' name='q'>two words</p></div>", "#p", 3, "name", "q"},
        // Hostile and non-Latin names: a quote, a backslash, a less-than, Arabic letters.
        {"<p id='&#1593;&#1585;\"\\<x'>\xce\xb1\xce\xb2</p>", "p", 1, "id",
         "\xd8\xb9\xd8\xb1\"\\<x"},
    };
    for (const Split& s : splits) {
        SCOPED_TRACE(QString("%1 at %2, %3").arg(s.body).arg(s.at).arg(s.attr).toStdString());
        page(QString::fromUtf8(s.body));
        if (s.at < 0)
            caretAtEnd(&editor, s.css);
        else
            selectText(&editor, s.css, s.at, s.at);
        pressKey(&editor, Qt::Key_Return);
        typeText(&editor, "Z");
        EXPECT_EQ(carrying(s.attr, QString::fromUtf8(s.value)), 1) << qPrintable(bodyHTML(&editor));
        EXPECT_TRUE(bodyHTML(&editor).contains("Z")) << qPrintable(bodyHTML(&editor));
    }
}

TEST_F(Typing, EnterKeepsTheIdWithTheNamedTextAndLeavesOtherRepeatsAlone) {
    // Enter at the very start: the empty line before gets no id, the text keeps it.
    page("<p id='intro'>Intro text</p>");
    selectText(&editor, "#intro", 0, 0);
    pressKey(&editor, Qt::Key_Return);
    EXPECT_EQ(js(&editor, "document.getElementById('intro').textContent").toString(), "Intro text");

    // A page that already repeats an id keeps its repeats; only the new part has none.
    page("<p id='d'>one</p><p id='d' class='second'>two words</p>");
    selectText(&editor, ".second", 3, 3);
    pressKey(&editor, Qt::Key_Return);
    EXPECT_EQ(carrying("id", "d"), 2) << qPrintable(bodyHTML(&editor));
    EXPECT_EQ(js(&editor, "document.body.lastElementChild.hasAttribute('id')").toBool(), false)
        << qPrintable(bodyHTML(&editor));
}

TEST_F(Typing, OneUndoTakesBackTheSplitWithTheIdsRemoval) {
    page("<p id='intro'>Intro text</p>");
    selectText(&editor, "#intro", 5, 5);
    pressKey(&editor, Qt::Key_Return);
    ASSERT_EQ(js(&editor, "document.body.children.length").toInt(), 2);
    undo();
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"intro\">Intro text</p>");
    redo();
    EXPECT_EQ(js(&editor, "document.body.children.length").toInt(), 2)
        << qPrintable(bodyHTML(&editor));
    EXPECT_EQ(carrying("id", "intro"), 1) << qPrintable(bodyHTML(&editor));
}

TEST_F(Typing, TypingIntoThePlaceholderSpaceReplacesIt) {
    // The New page's line, as the user starts writing.
    editor.setDocumentHTML(
        "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY><DIV>&nbsp;</DIV>"
        "\r\n\r\n</BODY>\r\n</HTML>");
    js(&editor, "0"); // the page is shown before the user clicks into it
    clickAt(&editor, QPoint(100, 15));
    typeText(&editor, "Hi");
    EXPECT_TEXT(bodyHTML(&editor).trimmed(), "<div>Hi</div>");
    // The replacement is part of the typing: one Undo brings the placeholder back.
    undo();
    EXPECT_TEXT(bodyHTML(&editor).trimmed(), "<div>&nbsp;</div>");

    // A new table's cells, the caret before or after the placeholder, formatted or not.
    page("<table border='1'><tr><td id='a'>&nbsp;</td><td id='b'>&nbsp;</td>"
         "<td id='c'><b>&nbsp;</b></td><td id='d'>&nbsp;x</td></tr></table>");
    clickAt(&editor, centreOf(&editor, "#a"));
    typeText(&editor, "A");
    selectText(&editor, "#b", 0, 0);
    typeText(&editor, "B");
    selectText(&editor, "#c", 1, 1);
    typeText(&editor, "C");
    // A cell with more than the placeholder keeps what it holds (the engine may turn the
    // space it keeps into a plain one).
    selectText(&editor, "#d", 0, 0);
    typeText(&editor, "D");
    const QString cells = js(&editor, "Array.from(document.querySelectorAll('td'))"
                                      ".map(c => c.innerHTML.replace('&nbsp;', ' ')).join('|')")
                              .toString();
    EXPECT_TEXT(cells, "A|B|<b>C</b>|D x");
}

TEST_F(Typing, ABlankTypedIntoThePlaceholderKeepsIt) {
    page("<div id='d'>&nbsp;</div>");
    selectText(&editor, "#d", 1, 1);
    typeText(&editor, " ");
    EXPECT_EQ(js(&editor, "document.getElementById('d').textContent.length").toInt(), 2);
}

TEST_F(Typing, CtrlBIsAnUndoStepOfItsOwn) {
    page("<p id='p'>Hello</p>");
    selectText(&editor, "#p");
    pressKey(&editor, Qt::Key_B, Qt::ControlModifier);
    pressKey(&editor, Qt::Key_End);
    typeText(&editor, " world");
    ASSERT_EQ(js(&editor, "document.getElementById('p').innerHTML").toString().toStdString(),
              "<b>Hello world</b>");
    undo();
    EXPECT_TEXT(js(&editor, "document.getElementById('p').innerHTML").toString(), "<b>Hello</b>");
    undo();
    EXPECT_TEXT(js(&editor, "document.getElementById('p').innerHTML").toString(), "Hello");
}

TEST_F(Typing, CtrlIAndCtrlURunTheirCommandsOnce) {
    page("<p id='p'>some words</p>");
    selectText(&editor, "#p", 0, 4);
    pressKey(&editor, Qt::Key_I, Qt::ControlModifier);
    EXPECT_TEXT(js(&editor, "document.getElementById('p').innerHTML").toString(),
                "<i>some</i> words");
    selectText(&editor, "#p", 5, 10);
    pressKey(&editor, Qt::Key_U, Qt::ControlModifier);
    EXPECT_TEXT(js(&editor, "document.getElementById('p').innerHTML").toString(),
                "<i>some</i> <u>words</u>");
    EXPECT_EQ(editor.QueryStatus(DECMD_UNDERLINE), DECMDF_ENABLED | DECMDF_LATCHED);
    undo();
    EXPECT_TEXT(js(&editor, "document.getElementById('p').innerHTML").toString(),
                "<i>some</i> words");
}

TEST_F(Typing, TypingAtThePagesEndAfterATableOrABoxGoesIntoANewOrdinaryBlock) {
    // A file's page ends in a table and a line end: Ctrl+End, then typing.
    page("<p id='p'>Prices</p><table border='1'><tr><td>a</td><td>b</td></tr></table>\r\n");
    selectText(&editor, "#p", 2, 2);
    pressKey(&editor, Qt::Key_End, Qt::ControlModifier);
    typeText(&editor, "after");
    EXPECT_EQ(cells(), "a|b");
    EXPECT_TEXT(
        js(&editor, "document.querySelector('table').nextElementSibling.outerHTML").toString(),
        "<div>after</div>");
    // The new block is part of the typing: one Undo takes both.
    undo();
    EXPECT_EQ(count("div"), 0) << qPrintable(bodyHTML(&editor));
    EXPECT_EQ(cells(), "a|b");

    // A text box at the page's end: Ctrl+Down from the end of its text, then Enter.
    page("<p>Intro</p><div id='box' style='position:absolute; top:20px; left:20px'>Box</div>");
    caretAtEnd(&editor, "#box");
    pressKey(&editor, Qt::Key_Down, Qt::ControlModifier);
    pressKey(&editor, Qt::Key_Return);
    typeText(&editor, "Next");
    EXPECT_TEXT(bodyHTML(&editor), "<p>Intro</p><div id=\"box\" style=\"position:absolute; "
                                   "top:20px; left:20px\">Box</div><div>Next</div>");
}

TEST_F(Typing, EnterInsideABoxOrMarqueeBreaksTheLineAndAtItsEndLeavesIt) {
    const QString box = "<div id='box' style='position:absolute; top:20px; left:20px'>";
    page(box + "one two</div>");
    selectText(&editor, "#box", 3, 3);
    pressKey(&editor, Qt::Key_Return);
    EXPECT_EQ(count("div"), 1) << qPrintable(bodyHTML(&editor));
    EXPECT_EQ(count("#box br"), 1) << qPrintable(bodyHTML(&editor));

    // A marquee inside the box: a new line after it at its end, a line break in its middle.
    page(box + "Box <marquee id='m' title='moving'>Go there</marquee></div>");
    caretAtEnd(&editor, "#m");
    pressKey(&editor, Qt::Key_Return);
    typeText(&editor, "x");
    EXPECT_EQ(count("marquee"), 1) << qPrintable(bodyHTML(&editor));
    EXPECT_EQ(count("[style*=absolute]"), 1) << qPrintable(bodyHTML(&editor));
    EXPECT_EQ(count("[title=moving]"), 1) << qPrintable(bodyHTML(&editor));
    EXPECT_TEXT(js(&editor, "document.getElementById('m').nextElementSibling.outerHTML").toString(),
                "<div>x</div>");
    undo();
    EXPECT_TEXT(js(&editor, "document.getElementById('box').innerHTML").toString(),
                "Box <marquee id=\"m\" title=\"moving\">Go there</marquee>");
    selectText(&editor, "#m", 2, 2);
    pressKey(&editor, Qt::Key_Return);
    EXPECT_EQ(count("marquee"), 1) << qPrintable(bodyHTML(&editor));
    EXPECT_EQ(count("#m br"), 1) << qPrintable(bodyHTML(&editor));

    // Enter held down after a marquee at the page's end: lines, never a second marquee.
    page("<p>Top</p><marquee>Go</marquee>");
    pressKey(&editor, Qt::Key_End, Qt::ControlModifier);
    for (int i = 0; i < 200; ++i)
        QTest::keyClick(editor.view()->focusProxy(), Qt::Key_Return);
    typeText(&editor, "end");
    EXPECT_TRUE(waitUntil([&] {
        return js(&editor, "document.body.lastElementChild.textContent").toString() == "end";
    })) << qPrintable(bodyHTML(&editor));
    EXPECT_EQ(count("marquee"), 1);
    EXPECT_EQ(count("body > div"), 200);
}

TEST_F(Typing, EnterGivesTheNewBlockOnlyTheFormattingOfTheOneItSplits) {
    page("<p id='p' class='c' align='right' dir='rtl' lang='en' title='t' onclick='go()'>para</p>"
         "<ul><li id='li' class='c' title='t'>item</li></ul>"
         "<h2 id='h' class='k' style='color:red' title='t'>Heading</h2>"
         "<div id='d' style='text-align:center' title='t'>centred</div>"
         "<table><tr><td id='td' class='c' title='t'>a cell</td></tr></table>");
    selectText(&editor, "#p", 0, 0);
    pressKey(&editor, Qt::Key_Return);
    caretAtEnd(&editor, "#li");
    pressKey(&editor, Qt::Key_Return);
    selectText(&editor, "#h", 3, 3);
    pressKey(&editor, Qt::Key_Return);
    selectText(&editor, "#d", 3, 3);
    pressKey(&editor, Qt::Key_Return);
    selectText(&editor, "#td", 2, 2);
    pressKey(&editor, Qt::Key_Return);
    EXPECT_TEXT(bodyHTML(&editor),
                "<p class=\"c\" align=\"right\" dir=\"rtl\"><br></p>"
                "<p id=\"p\" class=\"c\" align=\"right\" dir=\"rtl\" lang=\"en\" title=\"t\" "
                "onclick=\"go()\">para</p>"
                "<ul><li id=\"li\" class=\"c\" title=\"t\">item</li><li class=\"c\"><br></li></ul>"
                "<h2 id=\"h\" class=\"k\" style=\"color:red\" title=\"t\">Hea</h2>"
                "<h2 class=\"k\" style=\"color:red\">ding</h2>"
                "<div id=\"d\" style=\"text-align:center\" title=\"t\">cen</div>"
                "<div style=\"text-align:center\">tred</div>"
                "<table><tbody><tr><td id=\"td\" class=\"c\" title=\"t\">a <br>cell</td></tr>"
                "</tbody></table>");
}

TEST_F(Typing, EnterInFormattedTextEndsALineAndOnAnEmptyLastLineLeavesTheBlock) {
    page("<pre id='f'>line</pre>");
    caretAtEnd(&editor, "#f");
    pressKey(&editor, Qt::Key_Return);
    typeText(&editor, "two");
    pressKey(&editor, Qt::Key_Return);
    pressKey(&editor, Qt::Key_Return);
    typeText(&editor, "out");
    EXPECT_TEXT(bodyHTML(&editor), "<pre id=\"f\">line\ntwo</pre><div>out</div>");
}

TEST_F(Typing, TabGoesFromCellToCellAndOutOfTheLastOneAddsARow) {
    page("<p id='p'>Prices</p>");
    caretAtEnd(&editor, "#p");
    editor.ExecCommand(DECMD_INSERTTABLE, OLECMDEXECOPT_DONTPROMPTUSER);
    typeText(&editor, "a");
    pressKey(&editor, Qt::Key_Tab);
    typeText(&editor, "b");
    pressKey(&editor, Qt::Key_Tab);
    pressKey(&editor, Qt::Key_Tab);
    pressKey(&editor, Qt::Key_Tab);
    EXPECT_EQ(cells(), "a|b\n|\n|") << qPrintable(bodyHTML(&editor));
    // The new row is one step of its own.
    undo();
    EXPECT_EQ(cells(), "a|b\n|");
    // Shift+Tab goes back a cell, its content selected for typing over.
    selectText(&editor, "tr:nth-child(2) td:nth-child(2)", 0, 0);
    pressKey(&editor, Qt::Key_Tab, Qt::ShiftModifier);
    pressKey(&editor, Qt::Key_Tab, Qt::ShiftModifier);
    typeText(&editor, "B");
    EXPECT_EQ(cells(), "a|B\n|");

    // A table in a cell of a table: Tab stays in the inner table and adds its row there.
    page("<table id='outer'><tr><td>x<table id='inner'><tr><td id='i1'>1</td><td>2</td></tr>"
         "</table></td><td>y</td></tr></table>");
    selectText(&editor, "#i1", 1, 1);
    pressKey(&editor, Qt::Key_Tab);
    pressKey(&editor, Qt::Key_Tab);
    typeText(&editor, "3");
    EXPECT_EQ(cells("#inner"), "1|2\n3|");
    EXPECT_EQ(count("#outer > tbody > tr"), 1);
}
