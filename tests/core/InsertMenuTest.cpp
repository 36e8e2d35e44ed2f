// The Insert menu's own commands on the real editing surface: free HTML, form fields,
// the menu's opening, and the items whose dialogs come later.
#include "core/window/InsertHTMLDlg.h"
#include "core/Module1.h"
#include "support/DialogDriver.h"

#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>

using namespace DialogDriver;

namespace {
class InsertMenu : public InsertTest {
protected:
    // Opens and closes the Insert menu as the user would look into it.
    void openInsertMenu() {
        form->Insert->popup(form->mapToGlobal(QPoint(10, 10)));
        TestSupport::pump(20);
        form->Insert->hide();
    }
};
} // namespace

TEST_F(InsertMenu, HtmlDialogPastesItsSampleUnchanged) {
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->InsertHTML, "InsertHTMLDlg", [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "Insert HTML");
        EXPECT_EQ(d->parentWidget(), form.get());
        auto* text = field<QPlainTextEdit>(d, "HTMLText");
        // The whole sample is selected, so typing replaces it.
        EXPECT_EQ(text->textCursor().selectionStart(), 0);
        EXPECT_EQ(text->textCursor().selectionEnd(), text->toPlainText().size());
        EXPECT_EQ(qobject_cast<InsertHTMLDlg*>(d)->typedHtml().toStdString(),
                  "<B> Tessaly is <I>great!</I></B>\r\n");
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(body(), "<p id=\"p\">Hello<b> Tessaly is <i>great!</i></b>\n</p>");
}

TEST_F(InsertMenu, HtmlDialogPastesWhatIsTypedAndCancelPastesNothing) {
    page("<p id='p'>Hello world</p>");
    TestSupport::selectText(editor, "#p", 6, 11);
    withDialog(form->InsertHTML, "InsertHTMLDlg", [&](QDialog* d) {
        auto* text = field<QPlainTextEdit>(d, "HTMLText");
        QTest::keyClicks(text, "<em onclick=\"go()\">there</em>");
        field<QPushButton>(d, "cmdCancel")->click();
    });
    EXPECT_EQ(body(), "<p id=\"p\">Hello world</p>");

    withDialog(form->InsertHTML, "InsertHTMLDlg", [&](QDialog* d) {
        auto* text = field<QPlainTextEdit>(d, "HTMLText");
        QTest::keyClicks(text, "<em onclick=\"go()\">there</em>");
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(body(), "<p id=\"p\">Hello <em onclick=\"go()\">there</em></p>");
}

TEST_F(InsertMenu, FormFieldsGetTheirMarkupWithAFreshNumber) {
    page("<p id='p'>Form</p>");
    TestSupport::caretAtEnd(editor, "#p");
    form->mnuInsertFormItem[0]->trigger();
    form->mnuInsertFormItem[0]->trigger();
    form->mnuInsertFormItem[1]->trigger();
    form->mnuInsertFormItem[8]->trigger();
    const QString b = body();
    static const QRegularExpression text(
        "<input type=\"Text\" name=\"Text(\\d+)\" id=\"Text(\\d+)\">");
    auto it = text.globalMatch(b);
    int fields = 0;
    while (it.hasNext()) {
        const auto m = it.next();
        EXPECT_EQ(m.captured(1), m.captured(2)) << "name and id share the number";
        EXPECT_GE(m.captured(1).toInt(), 1);
        EXPECT_LE(m.captured(1).toInt(), 5000);
        ++fields;
    }
    EXPECT_EQ(fields, 2) << qPrintable(b);
    EXPECT_TRUE(
        QRegularExpression("<textarea name=\"Textarea(\\d+)\" id=\"Textarea\\1\" rows=\"5\" "
                           "cols=\"20\"></textarea>")
            .match(b)
            .hasMatch())
        << qPrintable(b);
    EXPECT_TRUE(QRegularExpression("<input type=\"Submit\" name=\"Submit(\\d+)\" id=\"Submit\\1\" "
                                   "value=\"Submit\">")
                    .match(b)
                    .hasMatch())
        << qPrintable(b);
}

TEST_F(InsertMenu, HtmlItemIsDisabledWhileAnElementIsSelected) {
    page("<p id='p'>Pic <img id='i' width='60' height='40' style='border:1px solid black' "
         "src='data:image/gif;base64,R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7'>"
         "</p>");
    TestSupport::clickAt(editor, TestSupport::centreOf(editor, "#i"));
    ASSERT_EQ(editor->DOM().selection().type(), "Control");
    openInsertMenu();
    EXPECT_FALSE(form->InsertHTML->isEnabled());

    TestSupport::selectText(editor, "#p", 0, 3);
    openInsertMenu();
    EXPECT_TRUE(form->InsertHTML->isEnabled());
}

TEST_F(InsertMenu, ItemsOfLaterDialogsInsertNothingThemselves) {
    page("<p id='p'>Hello</p>");
    TestSupport::selectText(editor, "#p");
    // Left over from an earlier dialog: none of these handlers may paste it.
    Module1::PendingSnippet = "<b id='stale'>stale</b>";
    Module1::PendingBodyStart = "<i id='stale2'>stale</i>";
    // Whatever dialog or message box an item shows is cancelled or answered.
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [] {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(w))
            box->button(QMessageBox::Ok)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(w))
            dialog->reject();
    });
    closer.start();
    form->mnuInsertPageProperties->trigger();
    form->mnuInsertImageMap->trigger();
    form->mnuInsertSound->trigger();
    for (int i = 1; i <= 4; ++i)
        form->mnuSpecialEffectsSub[i]->trigger();
    form->mnuInsertFormItem_Click(2);
    form->mnuInsertFormItem_Click(6);
    EXPECT_EQ(body(), "<p id=\"p\">Hello</p>");
}

TEST_F(InsertMenu, ToolbarButtonsOpenTheSameDialogs) {
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    const QList<QPair<QString, QString>> buttons = {{"Toolbar2_Hyperlink", "LINKTEXT"},
                                                    {"Toolbar3_Link", "LINKTEXT"},
                                                    {"Toolbar3_Email", "frmMailTo"}};
    for (const auto& [button, dialog] : buttons) {
        auto* action = form->findChild<QAction*>(button);
        ASSERT_NE(action, nullptr) << qPrintable(button);
        withDialog(action, dialog, [](QDialog* d) { d->reject(); });
    }
    EXPECT_EQ(body(), "<p id=\"p\">Hello</p>");
}
