// What the keyboard does to the page beyond the engine's own editing: Enter never makes
// two elements with one id or name, typing into the placeholder space replaces it, and
// Ctrl+B/I/U are steps of their own; each undoes as the user expects.
#include "platform/DHTMLEditCommands.h"
#include "support/SurfaceFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
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
