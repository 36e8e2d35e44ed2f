// Insert > Anchor/Bookmark on the real editing surface, driven as a user would.
#include "core/Module1.h"
#include "links/Anchor1.h"
#include "platform/Help.h"
#include "support/DialogDriver.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace DialogDriver;

namespace {
class Bookmark : public InsertTest {};
} // namespace

TEST_F(Bookmark, TurnsTheSelectedTextIntoANamedAnchor) {
    page("<p id='p'>Hello world</p>");
    TestSupport::selectText(editor, "#p", 6, 11);
    withDialog(form->mnuInsertAnchor, "Anchor1", [&](QDialog* d) {
        EXPECT_EQ(field<QLabel>(d, "lblHeading")->text(), "Insert Anchor/Bookmark");
        EXPECT_EQ(field<QLineEdit>(d, "Source")->text(), "world");
        EXPECT_EQ(field<QLineEdit>(d, "Target")->text(), "");
        EXPECT_TRUE(Module1::PendingSnippet.isEmpty());
        field<QLineEdit>(d, "Target")->setText("w1");
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(Module1::PendingSnippet, "<a name=\"w1\">world</a>");
    EXPECT_EQ(body(), "<p id=\"p\">Hello <a name=\"w1\">world</a></p>");
    EXPECT_TRUE(editor->DocumentHTML().contains("<a name=\"w1\">world</a>"));
}

TEST_F(Bookmark, EmptyNameIsRefusedEachTimeAndTheDialogStays) {
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertAnchor, "Anchor1", [&](QDialog* d) {
        auto* ok = field<QPushButton>(d, "cmdOK");
        auto* target = field<QLineEdit>(d, "Target");
        field<QLineEdit>(d, "Source")->setFocus();
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(clickAnsweringMessage(ok), "Please enter an Anchor/Bookmark name.");
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(d->focusWidget(), target);
            EXPECT_TRUE(Module1::PendingSnippet.isEmpty());
        }
        // Blanks are a name.
        target->setText("  ");
        EXPECT_EQ(clickAnsweringMessage(ok), "");
    });
    EXPECT_EQ(body(), "<p id=\"p\">Hello<a name=\"  \"></a></p>");
}

TEST_F(Bookmark, CancelPastesNothingAndTheNextOpeningStartsEmpty) {
    page("<p id='p'>Hello</p>");
    TestSupport::selectText(editor, "#p");
    // What an earlier dialog left behind is not pasted.
    Module1::PendingSnippet = "<b>stale</b>";
    Module1::PendingBodyStart = "<i>stale</i>";
    withDialog(form->mnuInsertAnchor, "Anchor1", [&](QDialog* d) {
        field<QLineEdit>(d, "Target")->setText("typed");
        field<QPushButton>(d, "cmdCancel")->click();
    });
    EXPECT_TRUE(Module1::PendingSnippet.isEmpty());
    EXPECT_TRUE(Module1::PendingBodyStart.isEmpty());
    EXPECT_EQ(body(), "<p id=\"p\">Hello</p>");

    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertAnchor, "Anchor1", [&](QDialog* d) {
        EXPECT_EQ(field<QLineEdit>(d, "Target")->text(), "");
        EXPECT_EQ(field<QLineEdit>(d, "Source")->text(), "");
        d->reject(); // Escape
    });
    EXPECT_EQ(body(), "<p id=\"p\">Hello</p>");
}

TEST_F(Bookmark, HelpButtonOpensItsTopic) {
    Anchor1 dialog;
    auto* help = field<QToolButton>(&dialog, "cmdHelp");
    EXPECT_EQ(Help::TopicOf(help), 3);
    help->click();
    EXPECT_NE(Help::ShownTopic(), -1);
    if (QFileInfo::exists(QCoreApplication::applicationDirPath() + "/help/topic-3.html")) {
        EXPECT_EQ(Help::ShownTopic(), 3);
    }
}

TEST_F(Bookmark, OddTextKeepsTheNameWholeAndThePageStaysLoadable) {
    const QString odd = QString::fromUtf8("a\"b<c&d 'Ωμέγα' 日本語 ") + QString(10000, 'x');
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertAnchor, "Anchor1", [&](QDialog* d) {
        field<QLineEdit>(d, "Target")->setText(odd);
        field<QLineEdit>(d, "Source")->setText(odd);
        field<QPushButton>(d, "cmdOK")->click();
    });
    // A quote cannot end the name nor "&" start a reference; the text is markup as typed.
    EXPECT_EQ(Module1::PendingSnippet,
              "<a name=\"" + QString(odd).replace("&", "&amp;").replace("\"", "&quot;") + "\">" +
                  odd + "</a>");
    EXPECT_EQ(
        TestSupport::js(editor, "document.querySelector('a').getAttribute('name')").toString(),
        odd);
    const QString html = editor->DocumentHTML();
    EXPECT_TRUE(html.contains(QString::fromUtf8("日本語"))) << qPrintable(html.left(300));
    EXPECT_TRUE(html.contains(QString(10000, 'x')));
    editor->setDocumentHTML(html, false);
    EXPECT_TRUE(editor->DocumentHTML().contains("<p id=\"p\">Hello"));
}
