// Insert > Email Link on the real editing surface, driven as a user would, with the
// remembered address.
#include "core/Module1.h"
#include "links/frmMailTo.h"
#include "platform/Help.h"
#include "platform/Settings.h"
#include "support/DialogDriver.h"
#include "support/ScriptedPage.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

using namespace DialogDriver;

namespace {
class EmailLink : public InsertTest {
protected:
    static QString stored() {
        return Settings::GetSetting("Tessaly", "Miscellaneous", "EmailAddress", "<unset>");
    }
};
} // namespace

TEST_F(EmailLink, SpamResistantLinkPutsTheScriptAtTheBodyStartAndTheLinkAtTheSelection) {
    page("<p id='p'>Hello world</p>");
    TestSupport::selectText(editor, "#p", 6, 11);
    withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
        EXPECT_EQ(field<QLabel>(d, "lblHeading")->text(), "Email Link");
        EXPECT_EQ(field<QLineEdit>(d, "MailToText")->text(), "world");
        EXPECT_EQ(field<QLineEdit>(d, "Email")->text(), "");
        EXPECT_TRUE(field<QCheckBox>(d, "chkAntiSpam")->isChecked());
        field<QLineEdit>(d, "Email")->setText("jane@example.com");
        field<QLineEdit>(d, "txtSubject")->setText(" Hi ");
        field<QPushButton>(d, "cmdOK")->click();
    });
    const QString b = body();
    const qsizetype script = b.indexOf("<script");
    EXPECT_GE(script, 0) << qPrintable(b);
    EXPECT_LT(script, b.indexOf("<p")) << qPrintable(b);
    EXPECT_TRUE(b.contains("function SendEmail(name, domain, extension, subject){"));
    EXPECT_TRUE(b.contains("<p id=\"p\">Hello <a href=\"javascript:SendEmail('jane', 'example', "
                           "'com', 'Hi')\">world</a></p>"))
        << qPrintable(b);
    EXPECT_EQ(stored(), "jane@example.com");

    // Written out and opened again, the script and the link are still there.
    QTemporaryDir dir;
    const QString file = dir.filePath("mail.html");
    TestSupport::writeText(file, editor->DocumentHTML());
    editor->LoadDocument(file);
    const QString reopened = editor->DocumentHTML();
    EXPECT_TRUE(reopened.contains("'mai' + 'lto:' + name")) << qPrintable(reopened);
    EXPECT_TRUE(reopened.contains("SendEmail('jane', 'example', 'com', 'Hi')\">world</a>"))
        << qPrintable(reopened);
}

TEST_F(EmailLink, PlainLinkHasNoScript) {
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
        // Nothing selected: the link text keeps the dialog's own default.
        EXPECT_EQ(field<QLineEdit>(d, "MailToText")->text(), "");
        field<QLineEdit>(d, "Email")->setText("me@example");
        field<QLineEdit>(d, "MailToText")->setText("me@example");
        field<QCheckBox>(d, "chkAntiSpam")->click();
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(body(), "<p id=\"p\">Hello<a href=\"mailto:me@example\">me@example</a></p>");
}

TEST_F(EmailLink, AddressIsRememberedOnlyWhenOkSucceeds) {
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
        field<QLineEdit>(d, "Email")->setText("first@example.org");
        field<QLineEdit>(d, "MailToText")->setText("Mail");
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(stored(), "first@example.org");

    // The next dialog offers it selected, so typing replaces it; Cancel keeps it stored.
    withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
        auto* email = field<QLineEdit>(d, "Email");
        EXPECT_EQ(email->text(), "first@example.org");
        EXPECT_EQ(email->selectedText(), "first@example.org");
        EXPECT_EQ(d->focusWidget(), email);
        email->setText("second@example.org");
        field<QPushButton>(d, "cmdCancel")->click();
    });
    EXPECT_EQ(stored(), "first@example.org");

    // Refused input stores nothing either.
    withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
        auto* email = field<QLineEdit>(d, "Email");
        auto* text = field<QLineEdit>(d, "MailToText");
        auto* ok = field<QPushButton>(d, "cmdOK");
        email->setText("third@example.org");
        EXPECT_EQ(clickAnsweringMessage(ok),
                  "Please specify text or an image to be displayed as the Email link.");
        EXPECT_EQ(d->focusWidget(), text);
        text->setText("third@example.org");
        email->setFocus();
        EXPECT_EQ(clickAnsweringMessage(ok),
                  "Type something other than an email address for the Email link text (such "
                  "as 'Email me') to prevent your email address from being read by spam "
                  "mailers.");
        EXPECT_EQ(d->focusWidget(), email); // not moved
        text->setText("Mail");
        email->setText("third@example");
        text->setFocus();
        EXPECT_EQ(clickAnsweringMessage(ok),
                  "Please enter a complete e-mail address, such as name@example.com.");
        EXPECT_EQ(d->focusWidget(), email);
        email->clear();
        EXPECT_EQ(clickAnsweringMessage(ok), "Please specify an Email Address.");
        EXPECT_EQ(d->focusWidget(), email);
        EXPECT_TRUE(d->isVisible());
        field<QPushButton>(d, "cmdCancel")->click();
    });
    EXPECT_EQ(stored(), "first@example.org");
    EXPECT_TRUE(body().contains("<p id=\"p\">Hello<a href=\"javascript:SendEmail('first', "
                                "'example', 'org', '')\">Mail</a></p>"))
        << qPrintable(body());
}

TEST_F(EmailLink, CancelPastesNothing) {
    page("<p id='p'>Hello</p>");
    TestSupport::selectText(editor, "#p");
    Module1::PendingSnippet = "<b>stale</b>";
    Module1::PendingBodyStart = "<i>stale</i>";
    withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
        field<QLineEdit>(d, "Email")->setText("me@example.com");
        d->reject(); // Escape
    });
    EXPECT_EQ(body(), "<p id=\"p\">Hello</p>");
    EXPECT_EQ(stored(), "<unset>");
}

TEST_F(EmailLink, BrowsedImageBecomesAFileAddressAndCancelKeepsTheBox) {
    QTemporaryDir dir;
    const QString image = dir.filePath("mail.png");
    TestSupport::writeText(image, "not really a picture");
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
        auto* box = field<QLineEdit>(d, "txtImage");
        box->setText("keep.gif");
        clickAnswering(field<QToolButton>(d, "cmdBrowse"), cancelDialog);
        EXPECT_EQ(box->text(), "keep.gif");
        EXPECT_EQ(d->focusWidget(), box);
        clickAnswering(field<QToolButton>(d, "cmdBrowse"),
                       [&](QWidget* w) { chooseFile(w, image); });
        EXPECT_EQ(box->text(), "file://" + image);
        // An image alone is a link.
        field<QLineEdit>(d, "Email")->setText("me@example.com");
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_TRUE(body().contains("<p id=\"p\">Hello<a href=\"javascript:SendEmail('me', "
                                "'example', 'com', '')\"><img src=\"file://" +
                                image + "\" border=\"0\"></a></p>"))
        << qPrintable(body());
}

TEST_F(EmailLink, HelpButtonOpensItsTopic) {
    frmMailTo dialog;
    auto* help = field<QToolButton>(&dialog, "cmdHelp");
    EXPECT_EQ(Help::TopicOf(help), 4);
    help->click();
    EXPECT_NE(Help::ShownTopic(), -1);
    if (QFileInfo::exists(QCoreApplication::applicationDirPath() + "/help/topic-4.html")) {
        EXPECT_EQ(Help::ShownTopic(), 4);
    }
}

namespace {
// Clicks the page's first link as a visitor would and returns where the page then tried
// to go, percent escapes kept; script errors go to *errors.
QStringList clickFirstLink(const QString& html, QStringList* errors) {
    TestSupport::ScriptedPage visitor;
    EXPECT_TRUE(visitor.load(html));
    visitor.run("document.querySelector('a').click()");
    TestSupport::waitUntil([&] { return !visitor.navigations().isEmpty(); }, 3000);
    *errors = visitor.errors();
    return visitor.requestedAddresses();
}
QString decoded(const QString& part) {
    return QUrl::fromPercentEncoding(part.toUtf8());
}
} // namespace

TEST_F(EmailLink, TheSubjectReachesTheMailProgramWholeAsAnEncodedQueryValue) {
    const QString address = "o'brien\"x@example.com";
    // Characters that would end or change a query value, a percent escape typed on
    // purpose, a closing script tag, Arabic and an emoji; the blanks around it go.
    const QString subject =
        QString::fromUtf8(R"(Q&A #1 ?x=y+z 100% %27 "q" 'a' C:\ </script> عربي 😀)");
    const QString query = "Q%26A%20%231%20%3Fx%3Dy%2Bz%20100%25%20%2527%20%22q%22%20%27a%27%20"
                          "C%3A%5C%20%3C%2Fscript%3E%20%D8%B9%D8%B1%D8%A8%D9%8A%20%F0%9F%98%80";
    for (const bool antiSpam : {true, false}) {
        SCOPED_TRACE(antiSpam ? "spam-resistant link" : "plain link");
        page("<p id='p'>Hello</p>");
        TestSupport::caretAtEnd(editor, "#p");
        withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
            QTest::keyClicks(field<QLineEdit>(d, "Email"), address);
            // Keys for what a keyboard types, the rest as an input method puts it in.
            auto* box = field<QLineEdit>(d, "txtSubject");
            QTest::keyClicks(box, "  " + subject.left(subject.size() - 10));
            box->insert(subject.right(10) + " ");
            QTest::keyClicks(field<QLineEdit>(d, "MailToText"), "Mail me @ home");
            QTest::keyClicks(field<QLineEdit>(d, "txtImage"), "my \"pic\" R&amp;D.gif");
            field<QCheckBox>(d, "chkAntiSpam")->setChecked(antiSpam);
            if (antiSpam) {
                // Refused: the subject box keeps what was typed.
                clickAnsweringMessage(field<QPushButton>(d, "cmdOK"));
                EXPECT_TEXT(box->text(), "  " + subject + " ");
                field<QLineEdit>(d, "MailToText")->setText("Mail me");
            }
            field<QPushButton>(d, "cmdOK")->click();
        });
        const QString html = editor->DocumentHTML();
        EXPECT_TRUE(html.contains("<img src=\"my &quot;pic&quot; R&amp;amp;D.gif\""))
            << qPrintable(html);
        QStringList errors;
        const QStringList went = clickFirstLink(html, &errors);
        EXPECT_EQ(errors, QStringList());
        ASSERT_EQ(went.size(), 1) << qPrintable(went.join('\n'));
        const qsizetype cut = went[0].indexOf("?subject=");
        ASSERT_GT(cut, 0) << qPrintable(went[0]);
        EXPECT_TEXT(decoded(went[0].left(cut)), "mailto:" + address);
        EXPECT_TEXT(went[0].mid(cut + 9), query);
        EXPECT_TEXT(decoded(went[0].mid(cut + 9)), subject);
    }
}

TEST_F(EmailLink, OddTextInEveryFieldGoesInWholeAndThePageStaysLoadable) {
    // Quotes, a backslash, markup, a percent escape, "#", "?" and other scripts.
    const QString odd =
        QString::fromUtf8(R"(a"b'c\d<e>&f%27 #? 'Ωμέγα' 日本語 </script> )") + QString(10000, 'x');
    const QString address = odd + "@" + odd + ".com";
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
        field<QLineEdit>(d, "Email")->setText(address);
        field<QLineEdit>(d, "MailToText")->setText("Mail me");
        field<QLineEdit>(d, "txtSubject")->setText(odd);
        field<QPushButton>(d, "cmdOK")->click();
    });
    EXPECT_EQ(stored(), address);
    const QString html = editor->DocumentHTML();
    QStringList errors;
    const QStringList went = clickFirstLink(html, &errors);
    EXPECT_EQ(errors, QStringList());
    ASSERT_EQ(went.size(), 1);
    // The address goes as typed (its "?" and "#" included); the subject after it whole.
    const qsizetype cut = went[0].lastIndexOf("?subject=");
    ASSERT_GT(cut, 0);
    EXPECT_TEXT(decoded(went[0].left(cut)), decoded("mailto:" + address));
    EXPECT_TEXT(decoded(went[0].mid(cut + 9)), odd.trimmed());

    editor->setDocumentHTML(html, false);
    EXPECT_TEXT(editor->DocumentHTML(), html);
}

TEST_F(EmailLink, OneUndoTakesOutTheScriptAndTheLinkTogether) {
    page("<p id='p'>Hello world</p>");
    TestSupport::selectText(editor, "#p", 6, 11);
    withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
        field<QLineEdit>(d, "Email")->setText("jane@example.com");
        field<QPushButton>(d, "cmdOK")->click();
    });
    ASSERT_TRUE(body().contains("function SendEmail")) << qPrintable(body());
    ASSERT_TRUE(body().contains("SendEmail('jane'")) << qPrintable(body());
    form->EditSub[0]->trigger();
    EXPECT_FALSE(body().contains("SendEmail")) << qPrintable(body());
    EXPECT_TRUE(body().contains("Hello world")) << qPrintable(body());
}
