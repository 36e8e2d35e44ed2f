// The editing commands on the real engine: each runs on a known selection, and the
// page and the command's status are checked before and after.
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"
#include "support/SurfaceFixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

QString quoted(const QString& s) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

// Where the selection is before the command.
struct Where {
    enum Kind { Text, Caret, Element, Nothing } kind = Caret;
    QString css;
    int start = 0;
    int end = -1;
};
Where text(const QString& css, int start = 0, int end = -1) {
    return {Where::Text, css, start, end};
}
Where caret(const QString& css) {
    return {Where::Caret, css};
}
Where element(const QString& css) {
    return {Where::Element, css};
}
Where nothing() {
    return {Where::Nothing, {}};
}

class Commands : public SurfaceTest {
protected:
    void select(const Where& w) {
        switch (w.kind) {
        case Where::Text:
            selectText(&editor, w.css, w.start, w.end);
            break;
        case Where::Caret:
            caretAtEnd(&editor, w.css);
            break;
        case Where::Element:
            js(&editor,
               QString("__tsly.selectElement(document.querySelector(%1))").arg(quoted(w.css)));
            break;
        case Where::Nothing:
            js(&editor, "getSelection().removeAllRanges()");
            break;
        }
    }
    int status(int id) {
        try {
            return editor.QueryStatus(id);
        } catch (const PlatformError& e) {
            ADD_FAILURE() << "QueryStatus(" << id << ") failed: " << e.what();
            return -1;
        }
    }
};

struct Case {
    const char* what;
    QString body;
    Where where;
    int command;
    QVariant argument;
    int before;      // status before
    QString after;   // the body afterwards; "~text" only has to contain text
    int statusAfter; // status afterwards on the same selection
};

const QString Hello = "<div id=\"d\">Hello world</div>";
const QString Image =
    "<p id=\"p\">x <img id=\"i\" src=\"none.gif\" width=\"20\" height=\"20\"> y</p>";

} // namespace

TEST_F(Commands, EachCommandChangesThePageAndItsStatusFollows) {
    const QList<Case> cases = {
        {"bold",
         Hello,
         text("#d", 0, 5),
         DECMD_BOLD,
         {},
         3,
         "<div id=\"d\"><b>Hello</b> world</div>",
         7},
        {"italic",
         Hello,
         text("#d", 0, 5),
         DECMD_ITALIC,
         {},
         3,
         "<div id=\"d\"><i>Hello</i> world</div>",
         7},
        {"underline",
         Hello,
         text("#d", 0, 5),
         DECMD_UNDERLINE,
         {},
         3,
         "<div id=\"d\"><u>Hello</u> world</div>",
         7},
        {"bold again takes it off",
         "<div id=\"d\"><b>Hello</b> world</div>",
         text("b"),
         DECMD_BOLD,
         {},
         7,
         "<div id=\"d\">Hello world</div>",
         3},
        {"numbered list", Hello, caret("#d"), DECMD_ORDERLIST, {}, 3, "~<ol><li>Hello world", 7},
        {"bulleted list", Hello, caret("#d"), DECMD_UNORDERLIST, {}, 3, "~<ul><li>Hello world", 7},
        {"indent", Hello, caret("#d"), DECMD_INDENT, {}, 3, "~<blockquote", 3},
        {"outdent takes the indent back",
         "<blockquote style=\"margin: 0 0 0 40px; border: none; padding: 0px;\">" + Hello +
             "</blockquote>",
         caret("#d"),
         DECMD_OUTDENT,
         {},
         3,
         Hello,
         1},
        {"centre",
         Hello,
         caret("#d"),
         DECMD_JUSTIFYCENTER,
         {},
         3,
         "<div id=\"d\" style=\"text-align: center;\">Hello world</div>",
         7},
        {"right",
         Hello,
         caret("#d"),
         DECMD_JUSTIFYRIGHT,
         {},
         3,
         "<div id=\"d\" style=\"text-align: right;\">Hello world</div>",
         7},
        {"left, from the centre",
         "<div id=\"d\" style=\"text-align: center;\">Hello</div>",
         caret("#d"),
         DECMD_JUSTIFYLEFT,
         {},
         3,
         "~<div id=\"d\"",
         7},
        {"colour", Hello, text("#d", 0, 5), DECMD_SETFORECOLOR, "#FF0000", 3,
         "<div id=\"d\"><font color=\"#ff0000\">Hello</font> world</div>", 3},
        {"font name", Hello, text("#d", 0, 5), DECMD_SETFONTNAME, "Arial", 3,
         "<div id=\"d\"><font face=\"Arial\">Hello</font> world</div>", 3},
        {"font size", Hello, text("#d", 0, 5), DECMD_SETFONTSIZE, 5, 3,
         "<div id=\"d\"><font size=\"5\">Hello</font> world</div>", 3},
        {"block format", Hello, caret("#d"), DECMD_SETBLOCKFMT, "Heading 1", 3,
         "<h1>Hello world</h1>", 3},
        {"block format: a list item leaves its list", "<ul><li id=\"l\">One</li></ul>", caret("#l"),
         DECMD_SETBLOCKFMT, "Formatted", 3, "~<pre>One", 3},
        {"link over text", Hello, text("#d", 0, 5), DECMD_HYPERLINK, "http://x.org/", 3,
         "<div id=\"d\"><a href=\"http://x.org/\">Hello</a> world</div>", 3},
        {"link around an image", Image, element("#i"), DECMD_HYPERLINK, "page.html", 3,
         "<p id=\"p\">x <a href=\"page.html\"><img id=\"i\" src=\"none.gif\" width=\"20\" "
         "height=\"20\"></a> y</p>",
         3},
        {"link at the caret shows its address", Hello, caret("#d"), DECMD_HYPERLINK, "a.html", 3,
         "<div id=\"d\">Hello world<a href=\"a.html\">a.html</a></div>", 3},
        {"absolute",
         Image,
         element("#i"),
         DECMD_MAKE_ABSOLUTE,
         {},
         3,
         "~style=\"position: absolute; left: ",
         7},
        {"back into the flow",
         "<img id=\"i\" src=\"none.gif\" style=\"position: absolute; left: 5px; top: 6px; "
         "z-index: 2;\">",
         element("#i"),
         DECMD_MAKE_ABSOLUTE,
         {},
         7,
         "<img id=\"i\" src=\"none.gif\">",
         3},
        {"lock",
         "<img id=\"i\" src=\"none.gif\" style=\"position: absolute;\">",
         element("#i"),
         DECMD_LOCK_ELEMENT,
         {},
         3,
         "<img id=\"i\" src=\"none.gif\" style=\"position: absolute;\" data-design-lock=\"true\">",
         7},
        {"below the text",
         "<img id=\"i\" src=\"none.gif\" style=\"position: absolute;\">",
         element("#i"),
         DECMD_SEND_BELOW_TEXT,
         {},
         3,
         "<img id=\"i\" src=\"none.gif\" style=\"position: absolute; z-index: -1;\">",
         1},
        {"above the text again",
         "<img id=\"i\" src=\"none.gif\" style=\"position: absolute; z-index: -1;\">",
         element("#i"),
         DECMD_BRING_ABOVE_TEXT,
         {},
         3,
         "<img id=\"i\" src=\"none.gif\" style=\"position: absolute; z-index: 1;\">",
         1},
        {"insert a table at the caret",
         Hello,
         caret("#d"),
         DECMD_INSERTTABLE,
         {},
         3,
         "<div id=\"d\">Hello world<table border=\"1\" cellpadding=\"1\" cellspacing=\"1\" "
         "width=\"75%\"><tbody><tr><td>&nbsp;</td><td>&nbsp;</td></tr><tr><td>&nbsp;</td>"
         "<td>&nbsp;</td></tr></tbody></table></div>",
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        page(c.body);
        select(c.where);
        EXPECT_EQ(status(c.command), c.before);
        try {
            editor.ExecCommand(c.command, OLECMDEXECOPT_DONTPROMPTUSER, c.argument);
        } catch (const PlatformError& e) {
            ADD_FAILURE() << "the command failed: " << e.what();
        }
        const QString body = bodyHTML(&editor);
        if (c.after.startsWith('~'))
            EXPECT_TRUE(body.contains(c.after.mid(1))) << qPrintable(body);
        else
            EXPECT_TEXT(body, c.after);
        EXPECT_EQ(status(c.command), c.statusAfter);
    }
}

TEST_F(Commands, DisabledCommandsRefuseAndChangeNothing) {
    const QList<Case> cases = {
        {"outdent in plain text", Hello, caret("#d"), DECMD_OUTDENT, {}, 1, "", 0},
        {"copy with only a caret", Hello, caret("#d"), DECMD_COPY, {}, 1, "", 0},
        {"cut with only a caret", Hello, caret("#d"), DECMD_CUT, {}, 1, "", 0},
        {"row outside a table", Hello, caret("#d"), DECMD_INSERTROW, {}, 1, "", 0},
        {"merge of one cell",
         "<table><tr><td id=\"a\">a</td><td>b</td></tr></table>",
         caret("#a"),
         DECMD_MERGECELLS,
         {},
         1,
         "",
         0},
        {"split of a single cell",
         "<table><tr><td id=\"a\">a</td></tr></table>",
         caret("#a"),
         DECMD_SPLITCELL,
         {},
         1,
         "",
         0},
        {"absolute without a selected element",
         Hello,
         caret("#d"),
         DECMD_MAKE_ABSOLUTE,
         {},
         1,
         "",
         0},
        {"lock of an element in the flow", Image, element("#i"), DECMD_LOCK_ELEMENT, {}, 1, "", 0},
        {"to the front, in the flow", Image, element("#i"), DECMD_BRING_TO_FRONT, {}, 1, "", 0},
        {"block format of a selected element", Image, element("#i"), DECMD_SETBLOCKFMT, "Heading 1",
         1, "", 0},
        {"bold with no selection", Hello, nothing(), DECMD_BOLD, {}, 1, "", 0},
        {"undo with nothing done", Hello, caret("#d"), DECMD_UNDO, {}, 1, "", 0},
        {"a size out of range", Hello, text("#d"), DECMD_SETFONTSIZE, 9, 3, "", 0},
        {"an unknown block format", Hello, caret("#d"), DECMD_SETBLOCKFMT, "Banner", 3, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        page(c.body);
        select(c.where);
        const QString before = bodyHTML(&editor);
        EXPECT_EQ(status(c.command), c.before);
        EXPECT_THROW(editor.ExecCommand(c.command, OLECMDEXECOPT_DONTPROMPTUSER, c.argument),
                     PlatformError);
        EXPECT_TEXT(bodyHTML(&editor), before);
    }
    EXPECT_EQ(status(DECMD_PROPERTIES), 0) << "a command the surface does not have";
}

TEST_F(Commands, GetCommandsReadTheSelection) {
    struct Get {
        const char* what;
        QString body;
        Where where;
        int command;
        int status;
        QVariant value;
    };
    const QList<Get> cases = {
        {"one font", "<font id=\"f\" face=\"Verdana\">abc</font>", caret("#f"), DECMD_GETFONTNAME,
         3, "Verdana"},
        {"the first family, unquoted",
         "<span id=\"s\" style=\"font-family: 'Courier New', monospace\">abc</span>", text("#s"),
         DECMD_GETFONTNAME, 3, "Courier New"},
        {"two fonts", "<div id=\"d\">One <font face=\"Arial\">two</font></div>", text("#d"),
         DECMD_GETFONTNAME, 11, ""},
        {"blanks between blocks do not count as a second font",
         "<div id=\"d\"><div style=\"font-family: Arial\">a</div>\n"
         "<div style=\"font-family: Arial\">b</div></div>",
         text("#d"), DECMD_GETFONTNAME, 3, "Arial"},
        {"an image has no font", Image, element("#i"), DECMD_GETFONTNAME, 1, {}},
        {"size", "<font id=\"f\" size=\"6\">abc</font>", caret("#f"), DECMD_GETFONTSIZE, 3, 6},
        {"size of plain text", Hello, text("#d"), DECMD_GETFONTSIZE, 3, 3},
        {"two sizes", "<div id=\"d\">a <font size=\"1\">b</font></div>", text("#d"),
         DECMD_GETFONTSIZE, 11, 0},
        {"text too small to see has no size",
         "<div id=\"d\">a <span id=\"s\" style=\"font-size: 0\">b</span></div>", text("#s"),
         DECMD_GETFONTSIZE, 3, 0},
        {"block format", "<h3 id=\"h\">x</h3>", caret("#h"), DECMD_GETBLOCKFMT, 3, "Heading 3"},
        {"a list item by its list", "<ol><li id=\"l\">x</li></ol>", caret("#l"), DECMD_GETBLOCKFMT,
         3, "Numbered List"},
        {"text right in the body is normal", "plain", caret("body"), DECMD_GETBLOCKFMT, 3,
         "Normal"},
        {"a table cell is normal", "<table><tr><td id=\"c\">x</td></tr></table>", caret("#c"),
         DECMD_GETBLOCKFMT, 3, "Normal"},
        {"paragraph", "<p id=\"p\">x</p>", caret("#p"), DECMD_GETBLOCKFMT, 3, "Paragraph"},
    };
    for (const Get& c : cases) {
        SCOPED_TRACE(c.what);
        page(c.body);
        select(c.where);
        EXPECT_EQ(status(c.command), c.status);
        if (c.status > 2) {
            EXPECT_TEXT(editor.ExecCommand(c.command, OLECMDEXECOPT_DONTPROMPTUSER).toString(),
                        c.value.toString());
        }
    }
}

TEST_F(Commands, BlockFormatNamesFillTheParameterObject) {
    page(Hello);
    DEGetBlockFmtNamesParam names;
    editor.ExecCommand(DECMD_GETBLOCKFMTNAMES, OLECMDEXECOPT_DONTPROMPTUSER,
                       QVariant::fromValue(&names));
    ASSERT_LE(names.Names.size(), 16);
    EXPECT_TEXT(names.Names.value(0), "Normal");
    EXPECT_TRUE(names.Names.contains("Heading 6"));
    // Every name sets a format that reads back as that name.
    for (const QString& name : names.Names) {
        SCOPED_TRACE(qPrintable(name));
        page(Hello);
        caretAtEnd(&editor, "#d");
        editor.ExecCommand(DECMD_SETBLOCKFMT, OLECMDEXECOPT_DONTPROMPTUSER, name);
        EXPECT_TEXT(editor.ExecCommand(DECMD_GETBLOCKFMT, OLECMDEXECOPT_DONTPROMPTUSER).toString(),
                    name)
            << qPrintable(bodyHTML(&editor));
    }
    EXPECT_THROW(editor.ExecCommand(DECMD_GETBLOCKFMTNAMES, OLECMDEXECOPT_DONTPROMPTUSER),
                 PlatformError)
        << "no parameter object";
}

TEST_F(Commands, EachCommandIsOneUndoStep) {
    page(Hello);
    selectText(&editor, "#d", 0, 5);
    editor.ExecCommand(DECMD_BOLD, OLECMDEXECOPT_DONTPROMPTUSER);
    editor.ExecCommand(DECMD_SETFONTNAME, OLECMDEXECOPT_DONTPROMPTUSER, "Arial");
    const QString both = bodyHTML(&editor);
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(bodyHTML(&editor), "<div id=\"d\"><b>Hello</b> world</div>");
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(bodyHTML(&editor), Hello);
    EXPECT_EQ(editor.QueryStatus(DECMD_UNDO), 1);
    editor.ExecCommand(DECMD_REDO, OLECMDEXECOPT_DODEFAULT);
    editor.ExecCommand(DECMD_REDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(bodyHTML(&editor), both);
    EXPECT_EQ(editor.QueryStatus(DECMD_REDO), 1);

    // A load forgets the steps.
    page(Hello);
    EXPECT_EQ(editor.QueryStatus(DECMD_UNDO), 1);
}

TEST_F(Commands, StatusesInOneCallMatchTheSingleQueries) {
    page("<div id=\"d\"><b>Hello</b> world</div>");
    selectText(&editor, "b");
    const QList<int> ids = {DECMD_BOLD,       DECMD_ITALIC, DECMD_OUTDENT,
                            DECMD_PROPERTIES, DECMD_PASTE,  DECMD_GETFONTNAME};
    QList<int> single;
    for (int id : ids)
        single << editor.QueryStatus(id);
    EXPECT_EQ(editor.QueryStatuses(ids), single);
    EXPECT_EQ(single.value(0), 7);
}

TEST_F(Commands, SelectAllSelectsThePage) {
    page("<div id=\"d\">Hello</div><p>world</p>");
    caretAtEnd(&editor, "#d");
    EXPECT_EQ(editor.QueryStatus(DECMD_SELECTALL), 3);
    editor.ExecCommand(DECMD_SELECTALL, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(editor.DOM().selection().createRange().Text(), "Hello\nworld");
    EXPECT_EQ(editor.QueryStatus(DECMD_COPY), 3);
}

TEST_F(Commands, ReadingTheStateCausesNoDisplayChange) {
    // The main window reads these on every DisplayChanged: reading must not bring another.
    page(Hello);
    selectText(&editor, "#d", 0, 5);
    pump(200);
    int changes = 0;
    QObject::connect(&editor, &DHTMLEdit::DisplayChanged, [&] { ++changes; });
    for (int id : {DECMD_GETFONTNAME, DECMD_GETFONTSIZE, DECMD_GETBLOCKFMT, DECMD_COPY}) {
        editor.QueryStatus(id);
        editor.ExecCommand(id, OLECMDEXECOPT_DONTPROMPTUSER);
    }
    editor.QueryStatuses({DECMD_BOLD, DECMD_UNDO, DECMD_MERGECELLS});
    pump(200);
    EXPECT_EQ(changes, 0);
    editor.ExecCommand(DECMD_BOLD, OLECMDEXECOPT_DONTPROMPTUSER);
    EXPECT_TRUE(waitUntil([&] { return changes > 0; })) << "a change does bring one";
}
