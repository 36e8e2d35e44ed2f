// Positioned elements: absolute and back, the stacking order, and dragging with the
// mouse (on the grid, not when locked).
#include "platform/DHTMLEdit.h"
#include "support/SurfaceFixture.h"

#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class Positioning : public SurfaceTest {
protected:
    void selectElement(const QString& id) {
        js(&editor, QString("__tsly.selectElement(document.getElementById('%1'))").arg(id));
    }
    // The z-index of each element, in the order given ("" for none).
    QString zOrder(const QStringList& ids) {
        QStringList out;
        for (const QString& id : ids)
            out << js(&editor, QString("document.getElementById('%1').style.zIndex").arg(id))
                       .toString();
        return out.join(' ');
    }
    QPoint offset(const QString& id) {
        const QVariantMap m =
            js(&editor, QString("(function(){ const s = getComputedStyle(document."
                                "getElementById('%1')); return {x: parseFloat(s.left), "
                                "y: parseFloat(s.top)}; })()")
                            .arg(id))
                .toMap();
        return {m.value("x").toInt(), m.value("y").toInt()};
    }
    // Presses the mouse on the element, moves it by (dx, dy) in steps and lets go.
    void drag(const QString& css, int dx, int dy) {
        QWidget* surface = editor.view()->focusProxy();
        const QPoint from = centreOf(&editor, css);
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
        pump(30);
        for (int step = 1; step <= 4; ++step) {
            QTest::mouseMove(surface, from + QPoint(dx * step / 4, dy * step / 4));
            pump(20);
        }
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, from + QPoint(dx, dy));
        pump(50);
    }
};

const QString ThreeBoxes =
    "<div id=\"p1\" style=\"position: absolute; left: 10px; top: 10px;\">one</div>"
    "<div id=\"p2\" style=\"position: absolute; left: 20px; top: 20px;\">two</div>"
    "<div id=\"p3\" style=\"position: absolute; left: 30px; top: 30px;\">three</div>";

} // namespace

TEST_F(Positioning, OrderCommandsMoveAnElementWithinItsLayer) {
    struct Step {
        const char* what;
        int command;
        QString order; // z-index of p1 p2 p3 afterwards
    };
    const QList<Step> steps = {
        {"to the front", DECMD_BRING_TO_FRONT, "3 1 2"},
        {"one back", DECMD_SEND_BACKWARD, "2 1 3"},
        {"to the back", DECMD_SEND_TO_BACK, "1 2 3"},
        {"one forward", DECMD_BRING_FORWARD, "2 1 3"},
        {"below the text", DECMD_SEND_BELOW_TEXT, "-1 1 2"},
        {"above the text, behind the others there", DECMD_BRING_ABOVE_TEXT, "1 2 3"},
    };
    page(ThreeBoxes);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        selectElement("p1");
        editor.ExecCommand(s.command, OLECMDEXECOPT_DODEFAULT);
        EXPECT_TEXT(zOrder({"p1", "p2", "p3"}), s.order);
        EXPECT_EQ(editor.QueryStatus(DECMD_SEND_TO_BACK), DECMDF_ENABLED);
    }
}

TEST_F(Positioning, AbsoluteKeepsTheElementWhereItWas) {
    page("<p>Some text before <img id=\"i\" src=\"none.gif\" width=\"40\" height=\"30\" "
         "style=\"border: 1px solid\"> and after.</p>");
    pump(100);
    const QPoint before = centreOf(&editor, "#i");
    selectElement("i");
    editor.ExecCommand(DECMD_MAKE_ABSOLUTE, OLECMDEXECOPT_DODEFAULT);
    EXPECT_EQ(editor.QueryStatus(DECMD_MAKE_ABSOLUTE), DECMDF_LATCHED);
    EXPECT_TEXT(editor.DOM().selection().type(), "Control") << "the element stays selected";
    const QPoint after = centreOf(&editor, "#i");
    EXPECT_LE((after - before).manhattanLength(), 2) << after.x() << "," << after.y();

    editor.ExecCommand(DECMD_MAKE_ABSOLUTE, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(js(&editor, "document.getElementById('i').getAttribute('style')").toString(),
                "border: 1px solid;");
}

TEST_F(Positioning, DraggingMovesAPositionedElementInOneStep) {
    page("<img id=\"i\" src=\"none.gif\" width=\"60\" height=\"40\" "
         "style=\"position: absolute; left: 50px; top: 50px; border: 1px solid\">");
    pump(100);
    drag("#i", 33, 27);
    EXPECT_EQ(offset("i"), QPoint(83, 77));
    EXPECT_TEXT(editor.DOM().selection().type(), "Control");
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_EQ(offset("i"), QPoint(50, 50)) << "the whole drag is one step";
}

TEST_F(Positioning, DraggingSnapsToTheGridWhenAsked) {
    page("<img id=\"i\" src=\"none.gif\" width=\"60\" height=\"40\" "
         "style=\"position: absolute; left: 50px; top: 50px; border: 1px solid\">");
    editor.setSnapToGrid(true);
    pump(100);
    drag("#i", 33, 27);
    EXPECT_EQ(offset("i"), QPoint(80, 80));
}

TEST_F(Positioning, ALockedElementStaysPut) {
    page("<img id=\"i\" src=\"none.gif\" width=\"60\" height=\"40\" "
         "style=\"position: absolute; left: 50px; top: 50px; border: 1px solid\">");
    pump(100);
    selectElement("i");
    editor.ExecCommand(DECMD_LOCK_ELEMENT, OLECMDEXECOPT_DODEFAULT);
    drag("#i", 33, 27);
    EXPECT_EQ(offset("i"), QPoint(50, 50));
    EXPECT_EQ(editor.QueryStatus(DECMD_LOCK_ELEMENT), DECMDF_LATCHED);
}

TEST_F(Positioning, AnElementInTheFlowIsNotDragged) {
    page("<p id=\"p\">x <img id=\"i\" src=\"none.gif\" width=\"60\" height=\"40\" "
         "style=\"border: 1px solid\"> y</p>");
    pump(100);
    const QString before = bodyHTML(&editor);
    drag("#i", 33, 27);
    EXPECT_TEXT(bodyHTML(&editor), before);
}
