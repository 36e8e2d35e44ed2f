// The context menu: a right click in the page shows the menu built for the selection,
// and the chosen item runs its command.
#include "core/window/MainForm.h"
#include "platform/DHTMLEdit.h"
#include "support/MainFormFixture.h"

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;

namespace {

// The menu as the user saw it: captions ("" for a separator) and states (2 greyed).
struct Shape {
    QStringList captions;
    QList<int> states;
};

class ContextMenu : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        ASSERT_TRUE(waitUntil([&] { return form->editorReady; }));
        QGuiApplication::clipboard()->setText("clip");
    }
    void page(const QString& body) {
        editor->setDocumentHTML("<html><head></head><body>" + body + "</body></html>");

        pump(100);
    }

    // Right-clicks the element matching css and reads the menu that shows; chooses the
    // item with caption choose, or closes the menu.
    Shape rightClick(const QString& css, const QString& choose = {}) {
        Shape shape;
        bool shown = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (shown || !menu)
                return;
            shown = true;
            QAction* pick = nullptr;
            for (QAction* a : menu->actions()) {
                shape.captions << (a->isSeparator() ? QString() : a->text());
                shape.states << (a->isEnabled() ? 0 : 2);
                if (!choose.isEmpty() && a->text() == choose)
                    pick = a;
            }
            if (pick) {
                menu->setActiveAction(pick);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        });
        poll.start();
        const QPoint at = centreOf(editor, css);
        EXPECT_GE(at.x(), 0) << "nothing matches " << qPrintable(css);
        QTest::mouseClick(editor->view()->focusProxy(), Qt::RightButton, Qt::NoModifier, at);
        EXPECT_TRUE(waitUntil([&] { return shown; })) << "no context menu";
        pump(100);
        return shape;
    }
    int rows() { return js(editor, "document.querySelector('table').rows.length").toInt(); }
};

const QStringList Base = {"Cut", "Copy", "Paste", "", "Select All", "", "Font..."};

} // namespace

TEST_F(ContextMenu, PlainTextGivesTheSevenFixedItems) {
    page("<p id=\"p\">Some plain text to click on</p>");
    const Shape shape = rightClick("#p");
    EXPECT_EQ(shape.captions, Base);
    EXPECT_EQ(shape.states, (QList<int>{2, 2, 0, 0, 0, 0, 0})) << "nothing selected to cut or copy";
    EXPECT_FALSE(form->CanPosition);
    EXPECT_FALSE(form->InTable);
}

TEST_F(ContextMenu, APositionedImageInACellGivesFifteenItems) {
    page("<table border=\"1\"><tr><td id=\"c\">cell <img id=\"i\" src=\"none.gif\" width=\"40\" "
         "height=\"30\" style=\"position: absolute; left: 200px; top: 100px; border: 1px "
         "solid\"></td></tr></table>");
    const Shape shape = rightClick("#i");
    ASSERT_EQ(shape.captions.size(), 15);
    EXPECT_EQ(shape.captions.mid(0, 7), Base);
    EXPECT_TEXT(shape.captions[7], "");
    EXPECT_TEXT(shape.captions[8], "Make 1D");
    EXPECT_TEXT(shape.captions[9], "");
    EXPECT_TEXT(shape.captions[10], "Insert Row");
    EXPECT_TEXT(shape.captions[11], "Insert Column");
    EXPECT_TEXT(shape.captions[12], "");
    EXPECT_TEXT(shape.captions[13], "Delete Row");
    EXPECT_TEXT(shape.captions[14], "Delete Column");
    EXPECT_EQ(shape.states.mid(0, 3), (QList<int>{0, 0, 0})) << "the image can be cut and copied";
    EXPECT_EQ(shape.states.mid(7), QList<int>(8, 0)) << "table items are never greyed";
    EXPECT_TRUE(form->CanPosition && form->IsPositioned && form->InTable);

    // Make 1D puts it back into the flow; the next menu offers Make 2D.
    rightClick("#i", "Make 1D");
    EXPECT_FALSE(bodyHTML(editor).contains("absolute")) << qPrintable(bodyHTML(editor));
    const Shape again = rightClick("#i");
    ASSERT_EQ(again.captions.size(), 15);
    EXPECT_TEXT(again.captions[8], "Make 2D");
}

TEST_F(ContextMenu, ATableCellGivesThirteenItemsThatWork) {
    page("<table border=\"1\"><tr><td id=\"a\">first cell</td><td>b</td></tr>"
         "<tr><td>c</td><td>d</td></tr></table>");
    const Shape shape = rightClick("#a");
    ASSERT_EQ(shape.captions.size(), 13);
    EXPECT_EQ(shape.captions.mid(7),
              (QStringList{"", "Insert Row", "Insert Column", "", "Delete Row", "Delete Column"}));
    EXPECT_TEXT(shape.captions[8], "Insert Row");

    rightClick("#a", "Insert Row"); // above the clicked cell's row
    EXPECT_EQ(rows(), 3);
    rightClick("td", "Delete Row"); // the new row
    EXPECT_EQ(rows(), 2);
    EXPECT_TEXT(js(editor, "document.querySelector('td').id").toString(), "a");
    rightClick("#a", "Insert Column");
    EXPECT_EQ(js(editor, "document.querySelector('table').rows[0].cells.length").toInt(), 3);
    rightClick("td", "Delete Column");
    EXPECT_EQ(js(editor, "document.querySelector('table').rows[0].cells.length").toInt(), 2);
}

TEST_F(ContextMenu, AnImageInTheFlowOffersMake2D) {
    page("<p>x <img id=\"i\" src=\"none.gif\" width=\"40\" height=\"30\" "
         "style=\"border: 1px solid\"> y</p>");
    const Shape shape = rightClick("#i");
    ASSERT_EQ(shape.captions.size(), 9);
    EXPECT_TEXT(shape.captions[8], "Make 2D");
    EXPECT_FALSE(form->IsPositioned);
    rightClick("#i", "Make 2D");
    EXPECT_TRUE(bodyHTML(editor).contains("position: absolute")) << qPrintable(bodyHTML(editor));
}

TEST_F(ContextMenu, FixedItemsRunTheirCommands) {
    page("<p id=\"p\">Hello world</p>");
    rightClick("#p", "Select All");
    EXPECT_TEXT(editor->DOM().selection().createRange().Text(), "Hello world");
    // A right click on the selection: the page is busy with the click for a moment;
    // the menu still comes at once, with every state known.
    QElapsedTimer clock;
    clock.start();
    const Shape onSelection = rightClick("#p", "Copy");
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(onSelection.states.mid(0, 3), (QList<int>{0, 0, 0}));
    EXPECT_TEXT(QGuiApplication::clipboard()->text(), "Hello world");

    bool asked = false;
    whenModal([&](QWidget* w) {
        asked = qobject_cast<QFontDialog*>(w) != nullptr;
        w->close();
    });
    rightClick("#p", "Font...");
    EXPECT_TRUE(waitUntil([&] { return asked; })) << "Font... opens the font dialog";

    // Separators and indexes past the menu do nothing.
    const QString before = bodyHTML(editor);
    form->DHTMLEdit1_ContextMenuAction(3);
    form->DHTMLEdit1_ContextMenuAction(40);
    EXPECT_TEXT(bodyHTML(editor), before);
}
