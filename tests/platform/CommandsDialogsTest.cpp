// The commands that use the platform: the real clipboard, the Find dialog, the font
// dialog and the hyperlink prompt, each driven as a user would.
#include "platform/DHTMLEdit.h"
#include "platform/EditorPrompts.h"
#include "platform/PlatformError.h"
#include "support/SurfaceFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

using Platform = SurfaceTest;

// Clicks a button later, from the event loop, so a modal window it opens can be answered
// by the waiter queued for it.
void clickLater(QAbstractButton* button) {
    QTimer::singleShot(0, button, [button] { button->click(); });
}

// Runs the Find dialog: types text, presses Find Next presses times, then closes the
// dialog. With message, one more press is expected to say that nothing was found; the
// message box's text goes to *message.
void findWith(DHTMLEdit& editor, const QString& text, int presses, QString* message = nullptr,
              bool matchCase = false) {
    bool opened = false;
    whenModal([&](QWidget* w) {
        opened = w->objectName() == "FindDialog";
        auto* what = child<QLineEdit>(w, "txtFindWhat");
        auto* next = child<QPushButton>(w, "cmdFindNext");
        auto* cancel = child<QPushButton>(w, "cmdCancel");
        ASSERT_TRUE(what && next && cancel);
        what->setText(text);
        child<QCheckBox>(w, "chkMatchCase")->setChecked(matchCase);
        for (int i = 0; i < presses; ++i)
            next->click();
        if (!message) {
            cancel->click();
            return;
        }
        // The last press brings a message box: answer it, then close the dialog.
        answerMessageBox(QMessageBox::Ok, message);
        clickLater(next);
        auto* closer = new QTimer(w);
        QObject::connect(closer, &QTimer::timeout, w, [w, cancel, message] {
            if (!message->isEmpty() && QApplication::activeModalWidget() == w)
                cancel->click();
        });
        closer->start(20);
    });
    editor.ExecCommand(DECMD_FINDTEXT, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TRUE(opened) << "the Find dialog did not open";
}

} // namespace

TEST_F(Platform, CopyAndPasteGoThroughTheRealClipboard) {
    page("<div id=\"d\">Hello <b>bold</b> world</div><div id=\"e\">end</div>");
    selectText(&editor, "b", 1, 3);
    EXPECT_EQ(editor.QueryStatus(DECMD_COPY), DECMDF_ENABLED);
    editor.ExecCommand(DECMD_COPY, OLECMDEXECOPT_DODEFAULT);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TEXT(data->text(), "ol");
    EXPECT_TEXT(data->html(), "<b>ol</b>") << "text inside a format keeps it";

    caretAtEnd(&editor, "#e");
    EXPECT_EQ(editor.QueryStatus(DECMD_PASTE), DECMDF_ENABLED);
    editor.ExecCommand(DECMD_PASTE, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(bodyHTML(&editor),
                "<div id=\"d\">Hello <b>bold</b> world</div><div id=\"e\">end<b>ol</b></div>");

    // Paste's state comes from the clipboard.
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(editor.QueryStatus(DECMD_PASTE), DECMDF_DISABLED);
    EXPECT_THROW(editor.ExecCommand(DECMD_PASTE, OLECMDEXECOPT_DODEFAULT), PlatformError);
    QGuiApplication::clipboard()->setText("a<b\nc");
    EXPECT_EQ(editor.QueryStatus(DECMD_PASTE), DECMDF_ENABLED);
    page("<div id=\"d\">x</div>");
    caretAtEnd(&editor, "#d");
    editor.ExecCommand(DECMD_PASTE, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(bodyHTML(&editor), "<div id=\"d\">xa&lt;b<br>c</div>");
}

TEST_F(Platform, CutTakesTheSelectionOrTheSelectedElement) {
    page("<div id=\"d\">Hello world</div>");
    selectText(&editor, "#d", 0, 6);
    EXPECT_EQ(editor.QueryStatus(DECMD_CUT), DECMDF_ENABLED);
    editor.ExecCommand(DECMD_CUT, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(bodyHTML(&editor), "<div id=\"d\">world</div>");
    EXPECT_TEXT(QGuiApplication::clipboard()->text(), "Hello ");

    page("<p id=\"p\">a <img id=\"i\" src=\"none.gif\"> b</p>");
    js(&editor, "__tsly.selectElement(document.getElementById('i'))");
    editor.ExecCommand(DECMD_CUT, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">a  b</p>");
    EXPECT_TEXT(QGuiApplication::clipboard()->mimeData()->html(),
                "<img id=\"i\" src=\"none.gif\">");
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">a <img id=\"i\" src=\"none.gif\"> b</p>");
}

TEST_F(Platform, CtrlXInThePageCutsOnce) {
    page("<div id=\"d\">Hello world</div>");
    editor.view()->setFocus();
    selectText(&editor, "#d", 0, 6);
    QTest::keyClick(editor.view()->focusProxy(), Qt::Key_X, Qt::ControlModifier);
    pump(100);
    EXPECT_TEXT(bodyHTML(&editor), "<div id=\"d\">world</div>");
    EXPECT_TEXT(QGuiApplication::clipboard()->text(), "Hello ");
}

TEST_F(Platform, FindSelectsTheMatchForTheNextCommand) {
    page("<p id=\"p\">one two one</p><p id=\"q\">One more</p>");
    js(&editor, "getSelection().collapse(document.getElementById('p').firstChild, 0)");
    findWith(editor, "one", 1);
    EXPECT_TEXT(selected(), "one");
    editor.ExecCommand(DECMD_BOLD, OLECMDEXECOPT_DONTPROMPTUSER);
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\"><b>one</b> two one</p><p id=\"q\">One more</p>");

    // Each Find Next goes on to the next match; a new search starts after the selection.
    findWith(editor, "one", 2);
    EXPECT_TEXT(selected(), "One");
    EXPECT_TEXT(js(&editor, "getSelection().anchorNode.parentNode.id").toString(), "q");

    // Match case skips the capital one, and the search goes round to the top.
    js(&editor, "getSelection().collapse(document.getElementById('q').firstChild, 0)");
    findWith(editor, "one", 1, nullptr, true);
    EXPECT_TEXT(selected(), "one");
    EXPECT_TEXT(js(&editor, "getSelection().anchorNode.parentNode.tagName").toString(), "B");
}

TEST_F(Platform, FindThatMatchesNothingSaysSoAndKeepsTheCaret) {
    page("<p id=\"p\">one two</p>");
    js(&editor, "getSelection().collapse(document.getElementById('p').firstChild, 3)");
    QString message;
    findWith(editor, "zebra", 0, &message);
    EXPECT_TEXT(message, "Cannot find \"zebra\".");
    EXPECT_EQ(js(&editor, "getSelection().anchorOffset").toInt(), 3);
    editor.DOM().selection().createRange().pasteHTML("!");
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">one! two</p>");
}

TEST_F(Platform, FontDialogAppliesWhatWasChosen) {
    page("<div id=\"d\">Hello world</div>");
    selectText(&editor, "#d", 0, 5);
    EXPECT_EQ(editor.QueryStatus(DECMD_FONT), DECMDF_ENABLED);
    QFont opened;
    QString family;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFontDialog*>(w);
        ASSERT_NE(dialog, nullptr) << qPrintable(w->objectName());
        opened = dialog->currentFont();
        // Another family, in its bold face, at 18 points.
        for (const QString& f : QFontDatabase::families())
            if (f != opened.family() && !EditorPrompts::FaceFor(f, true, false).isEmpty() &&
                !f.contains('[')) {
                family = f;
                break;
            }
        QFont font(family, 18);
        font.setStyleName(EditorPrompts::FaceFor(family, true, false));
        dialog->setCurrentFont(font);
        family = dialog->currentFont().family();
        dialog->accept();
    });
    editor.ExecCommand(DECMD_FONT, OLECMDEXECOPT_PROMPTUSER);
    EXPECT_EQ(opened.pointSize(), 12) << "HTML size 3";
    EXPECT_FALSE(opened.bold() || opened.italic()) << qPrintable(opened.styleName());
    EXPECT_TEXT(
        bodyHTML(&editor),
        QString("<div id=\"d\"><font face=\"%1\" size=\"5\"><b>Hello</b></font> world</div>")
            .arg(family));

    // Cancel changes nothing.
    const QString body = bodyHTML(&editor);
    whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    editor.ExecCommand(DECMD_FONT, OLECMDEXECOPT_PROMPTUSER);
    EXPECT_TEXT(bodyHTML(&editor), body);
}

TEST_F(Platform, HyperlinkPromptLinksASelectedImage) {
    page("<p id=\"p\">a <img id=\"i\" src=\"none.gif\"> b</p>");
    js(&editor, "__tsly.selectElement(document.getElementById('i'))");
    QString offered;
    whenModal([&](QWidget* w) {
        auto* prompt = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(prompt, nullptr) << qPrintable(w->objectName());
        offered = prompt->textValue();
        prompt->setTextValue("http://example.com/");
        prompt->accept();
    });
    editor.ExecCommand(DECMD_HYPERLINK, OLECMDEXECOPT_PROMPTUSER);
    EXPECT_TEXT(offered, "http://");
    EXPECT_TEXT(bodyHTML(&editor),
                "<p id=\"p\">a <a href=\"http://example.com/\"><img id=\"i\" src=\"none.gif\"></a> "
                "b</p>");

    // Asked again, it offers the link's address and changes it in place.
    whenModal([&](QWidget* w) {
        auto* prompt = qobject_cast<QInputDialog*>(w);
        offered = prompt->textValue();
        prompt->setTextValue("other.html");
        prompt->accept();
    });
    editor.ExecCommand(DECMD_HYPERLINK, OLECMDEXECOPT_PROMPTUSER);
    EXPECT_TEXT(offered, "http://example.com/");
    EXPECT_TEXT(bodyHTML(&editor),
                "<p id=\"p\">a <a href=\"other.html\"><img id=\"i\" src=\"none.gif\"></a> b</p>");

    // Cancel changes nothing.
    whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    editor.ExecCommand(DECMD_HYPERLINK, OLECMDEXECOPT_PROMPTUSER);
    EXPECT_TEXT(bodyHTML(&editor),
                "<p id=\"p\">a <a href=\"other.html\"><img id=\"i\" src=\"none.gif\"></a> b</p>");
}

TEST(FontSizes, PointsAndHtmlSizesMeet) {
    const int points[] = {8, 10, 12, 14, 18, 24, 36};
    for (int size = 1; size <= 7; ++size) {
        EXPECT_EQ(EditorPrompts::PointsForHtmlSize(size), points[size - 1]);
        EXPECT_EQ(EditorPrompts::HtmlSizeForPoints(points[size - 1]), size);
    }
    EXPECT_EQ(EditorPrompts::HtmlSizeForPoints(1), 1);
    EXPECT_EQ(EditorPrompts::HtmlSizeForPoints(11), 3);
    EXPECT_EQ(EditorPrompts::HtmlSizeForPoints(16), 5);
    EXPECT_EQ(EditorPrompts::HtmlSizeForPoints(72), 7);
}
