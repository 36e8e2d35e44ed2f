// The table commands on a 3x3 table and on tables with spanning cells, and the table
// the insert-table command builds.
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"
#include "support/SurfaceFixture.h"

#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

const QString ThreeByThree = "<table id=\"t\" border=\"1\"><tbody>"
                             "<tr><td id=\"a\">a</td><td id=\"b\">b</td><td id=\"c\">c</td></tr>"
                             "<tr><td id=\"d\">d</td><td id=\"e\">e</td><td id=\"f\">f</td></tr>"
                             "<tr><td id=\"g\">g</td><td id=\"h\">h</td><td id=\"i\">i</td></tr>"
                             "</tbody></table>";

class Tables : public SurfaceTest {
protected:
    // The cells the selection runs across, from the start of one to the end of another.
    void selectCells(const QString& from, const QString& to) {
        js(&editor, QString("(function(){ const r = document.createRange();"
                            "r.setStart(document.getElementById('%1').firstChild, 0);"
                            "const e = document.getElementById('%2').firstChild;"
                            "r.setEnd(e, e.length); getSelection().removeAllRanges();"
                            "getSelection().addRange(r); })()")
                        .arg(from, to));
    }
    // The table row by row ("|" between rows): each cell's text, "_" for an empty
    // one, and its spans as (rows x columns) when it spans; "none" without a table.
    QString grid() {
        return js(&editor, R"((function(){
            const t = document.querySelector('table'); if (!t) return 'none';
            return Array.from(t.rows).map(function (r) {
              return Array.from(r.cells).map(function (c) {
                const s = c.textContent.replace(/\u00a0/g, '').trim() || '_';
                return s + (c.rowSpan > 1 || c.colSpan > 1 ? '(' + c.rowSpan + 'x' + c.colSpan + ')' : '');
              }).join(' ');
            }).join('|'); })())")
            .toString();
    }
};

struct TableCase {
    const char* what;
    QString table;
    QString from; // the cell the caret is in, or the selection starts in
    QString to;   // the cell the selection ends in; "" for a caret
    int command;
    QString before;
    QString after;
};

} // namespace

TEST_F(Tables, RowsColumnsAndCellsComeAndGo) {
    const QString spanDown = "<table><tr><td id=\"a\" rowspan=\"2\">a</td><td id=\"b\">b</td></tr>"
                             "<tr><td id=\"d\">d</td></tr><tr><td id=\"g\">g</td><td>h</td></tr>"
                             "</table>";
    const QString spanAcross = "<table><tr><td id=\"a\" colspan=\"2\">a</td><td>c</td></tr>"
                               "<tr><td>d</td><td id=\"e\">e</td><td>f</td></tr></table>";
    const QList<TableCase> cases = {
        {"row above the caret's", ThreeByThree, "e", "", DECMD_INSERTROW, "a b c|d e f|g h i",
         "a b c|_ _ _|d e f|g h i"},
        {"column left of the caret's", ThreeByThree, "e", "", DECMD_INSERTCOL, "a b c|d e f|g h i",
         "a _ b c|d _ e f|g _ h i"},
        {"cell before the caret's", ThreeByThree, "e", "", DECMD_INSERTCELL, "a b c|d e f|g h i",
         "a b c|d _ e f|g h i"},
        {"the caret's row", ThreeByThree, "e", "", DECMD_DELETEROWS, "a b c|d e f|g h i",
         "a b c|g h i"},
        {"the caret's column", ThreeByThree, "e", "", DECMD_DELETECOLS, "a b c|d e f|g h i",
         "a c|d f|g i"},
        {"the caret's cell", ThreeByThree, "e", "", DECMD_DELETECELLS, "a b c|d e f|g h i",
         "a b c|d f|g h i"},
        {"the selected rows", ThreeByThree, "b", "d", DECMD_DELETEROWS, "a b c|d e f|g h i",
         "g h i"},
        {"every row takes the table", ThreeByThree, "a", "i", DECMD_DELETEROWS, "a b c|d e f|g h i",
         "none"},
        {"every column takes the table", ThreeByThree, "a", "c", DECMD_DELETECOLS,
         "a b c|d e f|g h i", "none"},
        {"a row inserted through a cell spanning down", spanDown, "d", "", DECMD_INSERTROW,
         "a(2x1) b|d|g h", "a(3x1) b|_|d|g h"},
        {"a deleted row hands a spanning cell down", spanDown, "b", "", DECMD_DELETEROWS,
         "a(2x1) b|d|g h", "a d|g h"},
        {"a deleted row shortens a cell spanning into it", spanDown, "d", "", DECMD_DELETEROWS,
         "a(2x1) b|d|g h", "a b|g h"},
        {"a column inserted through a cell spanning across", spanAcross, "e", "", DECMD_INSERTCOL,
         "a(1x2) c|d e f", "a(1x3) c|d _ e f"},
        {"a deleted column narrows a cell spanning across", spanAcross, "e", "", DECMD_DELETECOLS,
         "a(1x2) c|d e f", "a c|d f"},
        {"a row left empty goes", "<table><tr><td id=\"a\">a</td></tr><tr><td>b</td></tr></table>",
         "a", "", DECMD_DELETECELLS, "a|b", "b"},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.what);
        page(c.table);
        if (c.to.isEmpty())
            caretAtEnd(&editor, "#" + c.from);
        else
            selectCells(c.from, c.to);
        EXPECT_TEXT(grid(), c.before);
        EXPECT_EQ(editor.QueryStatus(c.command), DECMDF_ENABLED);
        editor.ExecCommand(c.command, OLECMDEXECOPT_DODEFAULT);
        EXPECT_TEXT(grid(), c.after) << qPrintable(bodyHTML(&editor));
    }
}

TEST_F(Tables, MergeThenSplitRestoresTheCellCount) {
    page(ThreeByThree);
    caretAtEnd(&editor, "#e");
    EXPECT_EQ(editor.QueryStatus(DECMD_MERGECELLS), DECMDF_DISABLED) << "one cell";
    EXPECT_EQ(editor.QueryStatus(DECMD_SPLITCELL), DECMDF_DISABLED) << "nothing to split";

    selectCells("a", "e");
    EXPECT_EQ(editor.QueryStatus(DECMD_MERGECELLS), DECMDF_ENABLED);
    editor.ExecCommand(DECMD_MERGECELLS, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(grid(), "abde(2x2) c|f|g h i");
    EXPECT_EQ(editor.QueryStatus(DECMD_MERGECELLS), DECMDF_DISABLED) << "the caret is in it";
    EXPECT_EQ(editor.QueryStatus(DECMD_SPLITCELL), DECMDF_ENABLED);

    editor.ExecCommand(DECMD_SPLITCELL, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(grid(), "abde _ c|_ _ f|g h i");
    EXPECT_EQ(js(&editor, "document.querySelectorAll('td').length").toInt(), 9);

    // A merge that would cut a spanning cell takes it whole.
    page("<table><tr><td id=\"a\">a</td><td id=\"b\" rowspan=\"2\">b</td></tr>"
         "<tr><td id=\"c\">c</td></tr></table>");
    selectCells("a", "b");
    editor.ExecCommand(DECMD_MERGECELLS, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(grid(), "abc(2x2)|");
    editor.ExecCommand(DECMD_SPLITCELL, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(grid(), "abc _|_ _");
}

TEST_F(Tables, TableCommandsFollowAnElementInACell) {
    page("<table><tr><td id=\"a\">a <img id=\"i\" src=\"none.gif\"></td><td>b</td></tr></table>");
    js(&editor, "__tsly.selectElement(document.getElementById('i'))");
    EXPECT_EQ(editor.QueryStatus(DECMD_INSERTROW), DECMDF_ENABLED);
    // A selected table is not inside itself.
    js(&editor, "__tsly.selectElement(document.querySelector('table'))");
    EXPECT_EQ(editor.QueryStatus(DECMD_INSERTROW), DECMDF_DISABLED);
}

TEST_F(Tables, InsertTableBuildsWhatTheParametersSay) {
    page("<div id=\"d\">x</div>");
    caretAtEnd(&editor, "#d");
    DEInsertTableParam p;
    p.NumRows = 2;
    p.NumCols = 3;
    p.TableAttrs = " border='0' cellspacing='0' cellpadding='2' width='75%'";
    p.CellAttrs = "valign=top";
    p.Caption = "Prices & <dates>";
    EXPECT_EQ(editor.QueryStatus(DECMD_INSERTTABLE), DECMDF_ENABLED);
    editor.ExecCommand(DECMD_INSERTTABLE, OLECMDEXECOPT_DONTPROMPTUSER, QVariant::fromValue(&p));
    const QString cell = "<td valign=\"top\">&nbsp;</td>";
    EXPECT_TEXT(bodyHTML(&editor),
                "<div id=\"d\">x<table border=\"0\" cellspacing=\"0\" cellpadding=\"2\" "
                "width=\"75%\"><caption>Prices &amp; &lt;dates&gt;</caption><tbody><tr>" +
                    cell + cell + cell + "</tr><tr>" + cell + cell + cell +
                    "</tr></tbody></table></div>");
    // The caret is in the first cell, ready for typing.
    EXPECT_EQ(editor.QueryStatus(DECMD_INSERTROW), DECMDF_ENABLED);
    EXPECT_EQ(editor.QueryStatus(DECMD_UNDO), DECMDF_ENABLED);
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(bodyHTML(&editor), "<div id=\"d\">x</div>") << "one step";
}

TEST_F(Tables, InsertTableRefusesWhatItCannotBuild) {
    page("<div id=\"d\">x</div>");
    caretAtEnd(&editor, "#d");
    DEInsertTableParam p;
    // Markup in the attribute text stays out of the page: only attributes are taken.
    p.TableAttrs = "border=1><script>alert(1)</script";
    editor.ExecCommand(DECMD_INSERTTABLE, OLECMDEXECOPT_DONTPROMPTUSER, QVariant::fromValue(&p));
    EXPECT_FALSE(bodyHTML(&editor).contains("script")) << qPrintable(bodyHTML(&editor));
    EXPECT_TRUE(bodyHTML(&editor).contains("<table border=\"1\">"));

    page("<div id=\"d\">x</div>");
    caretAtEnd(&editor, "#d");
    for (const auto& [rows, cols] : QList<QPair<int, int>>{{0, 2}, {2, -1}, {100000, 100000}}) {
        p.NumRows = rows;
        p.NumCols = cols;
        EXPECT_THROW(editor.ExecCommand(DECMD_INSERTTABLE, OLECMDEXECOPT_DONTPROMPTUSER,
                                        QVariant::fromValue(&p)),
                     PlatformError)
            << rows << "x" << cols;
    }
    EXPECT_TEXT(bodyHTML(&editor), "<div id=\"d\">x</div>");
    EXPECT_THROW(editor.ExecCommand(DECMD_INSERTTABLE, OLECMDEXECOPT_DONTPROMPTUSER, 42),
                 PlatformError)
        << "not a parameter object";
}
