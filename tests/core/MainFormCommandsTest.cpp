// The main window's side of the editing commands: the toolbars, the font boxes, the
// Edit, Table, Format and Position menus and the display that follows the selection.
#include "core/window/MainForm.h"
#include "platform/DHTMLEdit.h"
#include "support/MainFormFixture.h"

#include <QAction>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;

namespace {

class Window : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        ASSERT_TRUE(waitUntil([&] { return form->editorReady; })) << "no DocumentComplete";
    }
    void page(const QString& body) {
        editor->setDocumentHTML("<html><head></head><body>" + body + "</body></html>");
    }
    void selectElement(const QString& css) {
        js(editor,
           QString("__tsly.selectElement(document.querySelector(%1))")
               .arg(QString::fromUtf8(QJsonDocument(QJsonArray{css}).toJson(QJsonDocument::Compact))
                        .mid(1)
                        .chopped(1)));
    }
    QAction* button(const QString& key) { return form->Toolbar1Buttons.value(key); }
    int formatItem(const QString& caption) {
        for (int i = 0; i < form->FormatSub.size(); ++i)
            if (form->FormatSub[i]->text() == caption)
                return i;
        return -1;
    }
};

const QString Hello = "<div id=\"d\">Hello world</div>";

} // namespace

TEST(ColorToHtml, RedComesFirstAndShortValuesArePadded) {
    EXPECT_TEXT(MainForm::ColorToHtml(255), "#FF0000");
    EXPECT_TEXT(MainForm::ColorToHtml(0x123456), "#563412");
    EXPECT_TEXT(MainForm::ColorToHtml(0), "#000000");
    EXPECT_TEXT(MainForm::ColorToHtml(0x00FF00), "#00FF00");
    EXPECT_TEXT(MainForm::ColorToHtml(0xFFFFFF), "#FFFFFF");
    EXPECT_TEXT(MainForm::ColorToHtml(0x80000005u), "#050000") << "only the colour's three bytes";
}

TEST_F(Window, FormattingButtonsRunTheirCommands) {
    struct Press {
        const char* key;
        QString start;
        bool selectWord; // select "Hello", else the caret at the end
        QString expect;  // the body contains it afterwards
    };
    const QString indented =
        "<blockquote style=\"margin: 0 0 0 40px; border: none; padding: 0px;\">" + Hello +
        "</blockquote>";
    const QList<Press> presses = {
        {"Bold", Hello, true, "<b>Hello</b>"},
        {"Italic", Hello, true, "<i>Hello</i>"},
        {"Underline", Hello, true, "<u>Hello</u>"},
        {"Numbers", Hello, false, "<ol><li>"},
        {"Bullets", Hello, false, "<ul><li>"},
        {"Indent", Hello, false, "<blockquote"},
        {"Outdent", indented, false, "~<blockquote"},
        {"Center", Hello, false, "text-align: center;"},
        {"RightJustify", Hello, false, "text-align: right;"},
        {"LeftJustify", "<div id=\"d\" style=\"text-align: right;\">Hello</div>", false,
         "~text-align: right;"},
    };
    for (const Press& p : presses) {
        SCOPED_TRACE(p.key);
        page(p.start);
        if (p.selectWord)
            selectText(editor, "#d", 0, 5);
        else
            caretAtEnd(editor, "#d");
        ASSERT_NE(button(p.key), nullptr);
        form->DHTMLEdit1_DisplayChanged(); // a button the selection disables cannot be pressed
        button(p.key)->trigger();
        // "~" marks what must be gone.
        if (p.expect.startsWith('~'))
            EXPECT_FALSE(body().contains(p.expect.mid(1))) << qPrintable(body());
        else
            EXPECT_TRUE(body().contains(p.expect)) << qPrintable(body());
    }
}

TEST_F(Window, ButtonsAndStatusBarFollowTheSelection) {
    page("<h2 id=\"h\"><b>Bold</b> plain</h2><blockquote><div id=\"q\">quoted</div></blockquote>");
    selectText(editor, "b");
    form->DHTMLEdit1_DisplayChanged();
    EXPECT_TRUE(button("Bold")->isEnabled());
    EXPECT_TRUE(button("Bold")->isChecked());
    EXPECT_FALSE(button("Italic")->isChecked());
    EXPECT_TRUE(button("LeftJustify")->isChecked());
    EXPECT_TEXT(form->StatusPanel1->text(), "Heading 2");
    // Outdent and Indent each follow their own command.
    EXPECT_FALSE(button("Outdent")->isEnabled());
    EXPECT_TRUE(button("Indent")->isEnabled());

    caretAtEnd(editor, "#q");
    form->DHTMLEdit1_DisplayChanged();
    EXPECT_FALSE(button("Bold")->isChecked());
    EXPECT_TRUE(button("Outdent")->isEnabled());
    EXPECT_TRUE(button("Indent")->isEnabled());
    EXPECT_TEXT(form->StatusPanel1->text(), "Normal");

    // Without a selection the buttons are off and the status bar keeps its text.
    js(editor, "getSelection().removeAllRanges()");
    form->DHTMLEdit1_DisplayChanged();
    EXPECT_FALSE(button("Bold")->isEnabled());
    EXPECT_FALSE(button("Color")->isEnabled());
    EXPECT_TEXT(form->StatusPanel1->text(), "Normal");

    // The surface's own event does the same when the caret moves.
    caretAtEnd(editor, "#h");
    EXPECT_TRUE(waitUntil([&] { return form->StatusPanel1->text() == "Heading 2"; }));
    EXPECT_TRUE(button("Bold")->isEnabled());
}

TEST_F(Window, FontBoxesShowTheSelectionsFont) {
    struct Boxes {
        const char* what;
        QString body;
        QString select; // css of the text to select; "img" selects the image
        QString name;
        bool nameEnabled;
        QString size;
        bool sizeEnabled;
    };
    const QList<Boxes> cases = {
        {"one font", "<font id=\"f\" face=\"Verdana\" size=\"5\">abc</font>", "#f", "Verdana", true,
         "5", true},
        {"a font not in the list", "<font id=\"f\" face=\"Georgia\">abc</font>", "#f", "Georgia",
         true, "3", true},
        {"two fonts", "<div id=\"d\">a <font face=\"Arial\" size=\"2\">b</font></div>", "#d", "",
         true, "", true},
        {"no text", "<p>x <img src=\"none.gif\"> y</p>", "img", "", false, "", false},
        {"a size of 0", "<div>a <span id=\"s\" style=\"font-size: 0\">b</span></div>", "#s", "~",
         true, "", true},
    };
    for (const Boxes& c : cases) {
        SCOPED_TRACE(c.what);
        page(c.body);
        if (c.select == "img")
            selectElement("img");
        else
            selectText(editor, c.select);
        form->DHTMLEdit1_DisplayChanged();
        if (c.name != "~") {
            EXPECT_TEXT(form->FontCombo->currentText(), c.name);
        }
        EXPECT_EQ(form->FontCombo->isEnabled(), c.nameEnabled);
        EXPECT_TEXT(form->FontSizeCombo->currentText(), c.size);
        EXPECT_EQ(form->FontSizeCombo->isEnabled(), c.sizeEnabled);
    }
}

TEST_F(Window, FontBoxesApplyTheChoiceAndNothingBeforeTheEditorIsReady) {
    page(Hello);
    selectText(editor, "#d", 0, 5);
    // Before the first DocumentComplete nothing is sent.
    form->editorReady = false;
    form->FontCombo_Click(1);
    form->FontSizeCombo_Click(4);
    EXPECT_TEXT(body(), Hello);

    form->editorReady = true;
    form->FontCombo_Click(form->FontCombo->findText("Arial"));
    EXPECT_TEXT(body(), "<div id=\"d\"><font face=\"Arial\">Hello</font> world</div>");
    form->FontSizeCombo_Click(4);
    EXPECT_TEXT(body(), "<div id=\"d\"><font face=\"Arial\" size=\"5\">Hello</font> world</div>");

    // Setting the box's text applies nothing.
    form->FontCombo->setEditText("Courier");
    EXPECT_TEXT(body(), "<div id=\"d\"><font face=\"Arial\" size=\"5\">Hello</font> world</div>");
}

TEST_F(Window, MoreFontsAsksAndACancelAppliesNothing) {
    page(Hello);
    selectText(editor, "#d", 0, 5);
    const int more = form->FontCombo->findText("more...");
    ASSERT_GE(more, 0);
    whenModal([](QWidget* w) {
        EXPECT_NE(qobject_cast<QFontDialog*>(w), nullptr) << qPrintable(w->objectName());
        qobject_cast<QDialog*>(w)->reject();
    });
    form->FontCombo_Click(more);
    EXPECT_TEXT(body(), Hello);
    EXPECT_NE(form->FontCombo->currentText(), "more...") << "the box shows the font again";

    QString chosen;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFontDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->setCurrentFont(QFont("DejaVu Sans Mono"));
        chosen = dialog->currentFont().family();
        dialog->accept();
    });
    form->FontCombo_Click(more);
    EXPECT_TEXT(body(),
                QString("<div id=\"d\"><font face=\"%1\">Hello</font> world</div>").arg(chosen));
}

TEST_F(Window, ColourButtonColoursTheSelection) {
    page(Hello);
    selectText(editor, "#d", 0, 5);
    whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    form->Toolbar1_ButtonClick("Color");
    EXPECT_TEXT(body(), Hello) << "cancelled";

    QColor start;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        ASSERT_NE(dialog, nullptr) << qPrintable(w->objectName());
        start = dialog->currentColor();
        dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog->accept();
    });
    form->Toolbar1_ButtonClick("Color");
    EXPECT_EQ(start, QColor(Qt::black));
    EXPECT_TEXT(body(), "<div id=\"d\"><font color=\"#123456\">Hello</font> world</div>");
}

TEST_F(Window, FormatMenuIsFilledOnceAndFollowsTheBlock) {
    ASSERT_GE(formatItem("Normal"), 0);
    EXPECT_TRUE(form->FormatSub[formatItem("Heading 1")]->isVisible());
    // A second load keeps the captions.
    form->FormatSub[0]->setText("Mine");
    bool loaded = false;
    QObject::connect(editor, &DHTMLEdit::DocumentComplete, [&] { loaded = true; });
    page("<h3 id=\"h\">x</h3>");
    ASSERT_TRUE(waitUntil([&] { return loaded; }));
    pump(50);
    EXPECT_TEXT(form->FormatSub[0]->text(), "Mine");
    form->FormatSub[0]->setText("Normal");

    caretAtEnd(editor, "#h");
    form->Format_Click();
    EXPECT_TRUE(form->FormatSub[formatItem("Heading 3")]->isChecked());
    EXPECT_FALSE(form->FormatSub[formatItem("Normal")]->isChecked());
    EXPECT_TRUE(form->FormatSub[formatItem("Address")]->isEnabled());

    form->FormatSub[formatItem("Heading 1")]->trigger();
    EXPECT_TEXT(body(), "<h1>x</h1>");

    page("<p>x <img src=\"none.gif\"> y</p>");
    selectElement("img");
    form->Format_Click();
    for (QAction* item : form->FormatSub) {
        EXPECT_FALSE(item->isEnabled());
        EXPECT_FALSE(item->isChecked());
    }
}

TEST_F(Window, EditAndTableMenusEnableWhatCanRun) {
    page("<div id=\"d\">Hello</div><table><tr><td id=\"c\">x</td><td>y</td></tr></table>");
    QGuiApplication::clipboard()->setText("clip");
    caretAtEnd(editor, "#d");
    form->Edit_Click();
    EXPECT_FALSE(form->EditSub[0]->isEnabled()) << "nothing to undo";
    EXPECT_FALSE(form->EditSub[3]->isEnabled()) << "nothing to cut";
    EXPECT_FALSE(form->EditSub[4]->isEnabled()) << "nothing to copy";
    EXPECT_TRUE(form->EditSub[5]->isEnabled()) << "the clipboard holds text";
    EXPECT_TRUE(form->EditSub[6]->isEnabled());
    EXPECT_TRUE(form->EditSub[8]->isEnabled());
    form->mnuTable_Click();
    EXPECT_TRUE(form->TableSub[0]->isEnabled());
    EXPECT_FALSE(form->TableSub[2]->isEnabled());
    EXPECT_FALSE(form->TableSub[11]->isEnabled());

    caretAtEnd(editor, "#c");
    form->mnuTable_Click();
    for (int i : {2, 3, 4, 6, 7, 8})
        EXPECT_TRUE(form->TableSub[i]->isEnabled()) << i;
    EXPECT_FALSE(form->TableSub[10]->isEnabled()) << "one cell cannot merge";
    form->TableSub[2]->trigger();
    EXPECT_EQ(js(editor, "document.querySelector('table').rows.length").toInt(), 2);

    // Paste from the menu, then Undo and Redo from it.
    caretAtEnd(editor, "#d");
    form->EditSub[5]->trigger();
    EXPECT_TRUE(body().startsWith("<div id=\"d\">Helloclip</div>")) << qPrintable(body());
    form->Edit_Click();
    EXPECT_TRUE(form->EditSub[0]->isEnabled());
    form->EditSub[0]->trigger();
    EXPECT_TRUE(body().startsWith("<div id=\"d\">Hello</div>"));
    form->Edit_Click(); // the menu opens again: Redo is on now
    form->EditSub[1]->trigger();
    EXPECT_TRUE(body().startsWith("<div id=\"d\">Helloclip</div>"));
}

TEST_F(Window, ShortcutKeysInThePageRunOnce) {
    page(Hello);
    QGuiApplication::clipboard()->setText("X");
    caretAtEnd(editor, "#d");
    editor->ExecCommand(DECMD_PASTE, OLECMDEXECOPT_DODEFAULT);
    editor->ExecCommand(DECMD_PASTE, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(body(), "<div id=\"d\">Hello worldXX</div>");
    editor->view()->setFocus();
    QTest::keyClick(editor->view()->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
    pump(100);
    EXPECT_TEXT(body(), "<div id=\"d\">Hello worldX</div>") << "one step undone";
}

TEST_F(Window, SnapToGridFlipsWithItsCheckMark) {
    QAction* snap = form->EditSub[10];
    const bool before = editor->SnapToGrid();
    snap->trigger();
    EXPECT_EQ(editor->SnapToGrid(), !before);
    EXPECT_EQ(snap->isChecked(), !before);
    form->Edit_Click();
    EXPECT_EQ(snap->isChecked(), !before) << "opening the menu leaves it";
    snap->trigger();
    EXPECT_EQ(editor->SnapToGrid(), before);
    EXPECT_EQ(snap->isChecked(), before);
}

TEST_F(Window, PositionMenuRelabelsItsFirstItem) {
    QAction* first = form->mnuPositionSub[0];
    EXPECT_TEXT(first->text(), "Set Position Attribute to Absolute");
    page("<div id=\"b\" style=\"position: absolute; left: 10px; top: 10px\">box</div>"
         "<img id=\"i\" src=\"none.gif\">");
    selectElement("#b");
    form->mnuPosition_Click();
    EXPECT_TEXT(first->text(), "Set Position Attribute To 1D") << "at the menu's first opening";
    EXPECT_TRUE(first->isEnabled());
    EXPECT_TRUE(form->mnuPositionSub[1]->isEnabled());
    EXPECT_FALSE(form->mnuPositionSub[8]->isChecked());

    form->mnuPositionSub[1]->trigger(); // Bring to Front
    EXPECT_TEXT(first->text(), "Set Position Attribute To 1D");
    EXPECT_TRUE(first->isEnabled());
    EXPECT_TRUE(body().contains("z-index: 1")) << qPrintable(body());

    form->mnuPositionSub[8]->trigger(); // Lock Element
    form->mnuPosition_Click();
    EXPECT_TRUE(form->mnuPositionSub[8]->isChecked());

    first->trigger(); // back into the flow
    EXPECT_TEXT(first->text(), "Set Position Attribute To Absolute");
    EXPECT_TRUE(first->isEnabled());

    caretAtEnd(editor, "#b");
    form->mnuPositionSub_Click(1);
    EXPECT_TEXT(first->text(), "Set Position Attribute To Absolute");
    EXPECT_FALSE(first->isEnabled()) << "nothing selected to position";
    form->mnuPosition_Click();
    EXPECT_FALSE(form->mnuPositionSub[1]->isEnabled());

    // The context menu's opening relabels it too.
    page("<img id=\"a\" src=\"none.gif\" style=\"position: absolute; left: 5px; top: 5px\">");
    selectElement("#a");
    emit editor->ShowContextMenu(0, 0);
    EXPECT_TEXT(first->text(), "Set Position Attribute To 1D");
    EXPECT_TRUE(first->isEnabled());
}

TEST_F(Window, EditButtonsOfTheOtherToolbarsRunTheEditCommands) {
    page("<div id=\"d\">Hello,world</div>");
    selectText(editor, "#d", 0, 5);
    form->Toolbar3_ButtonMenuClick("Copy");
    EXPECT_TEXT(QGuiApplication::clipboard()->text(), "Hello");
    form->Toolbar2_ButtonClick("Cut");
    EXPECT_TEXT(body(), "<div id=\"d\">,world</div>");
    form->Toolbar1_ButtonClick("Paste");
    EXPECT_TEXT(body(), "<div id=\"d\">Hello,world</div>");
    form->Toolbar2_ButtonClick("No such button"); // nothing happens
    form->Toolbar3_ButtonClick("No such button");
    EXPECT_TEXT(body(), "<div id=\"d\">Hello,world</div>");
}
