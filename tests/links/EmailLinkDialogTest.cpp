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
// to go; script errors go to *errors.
QStringList clickFirstLink(const QString& html, QStringList* errors) {
    TestSupport::ScriptedPage visitor;
    EXPECT_TRUE(visitor.load(html));
    visitor.run("document.querySelector('a').click()");
    TestSupport::waitUntil([&] { return !visitor.navigations().isEmpty(); }, 3000);
    *errors = visitor.errors();
    return visitor.navigations();
}
} // namespace

TEST_F(EmailLink, QuotesInTheAddressAndSubjectReachTheMailProgramWhole) {
    const QString address = "o'brien\"x@example.com";
    // A percent escape typed on purpose reaches the mail program as one, from either form.
    const QString subject = QString::fromUtf8(R"(It's "done" 100%25 %27 C:\ Ωμέγα)");
    for (const bool antiSpam : {true, false}) {
        SCOPED_TRACE(antiSpam ? "spam-resistant link" : "plain link");
        page("<p id='p'>Hello</p>");
        TestSupport::caretAtEnd(editor, "#p");
        withDialog(form->mnuInsertEmailLink, "frmMailTo", [&](QDialog* d) {
            QTest::keyClicks(field<QLineEdit>(d, "Email"), address);
            // Keys for what a keyboard types, the rest as an input method puts it in.
            QTest::keyClicks(field<QLineEdit>(d, "txtSubject"), subject.left(subject.size() - 5));
            field<QLineEdit>(d, "txtSubject")->insert(subject.right(5));
            QTest::keyClicks(field<QLineEdit>(d, "MailToText"), "Mail me");
            QTest::keyClicks(field<QLineEdit>(d, "txtImage"), "my \"pic\".gif");
            field<QCheckBox>(d, "chkAntiSpam")->setChecked(antiSpam);
            field<QPushButton>(d, "cmdOK")->click();
        });
        QStringList errors;
        const QStringList went = clickFirstLink(editor->DocumentHTML(), &errors);
        EXPECT_EQ(errors, QStringList());
        ASSERT_EQ(went.size(), 1) << qPrintable(went.join('\n'));
        EXPECT_TEXT(went[0], QUrl::fromPercentEncoding(
                                 QString("mailto:" + address + "?subject=" + subject).toUtf8()));
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
    EXPECT_TEXT(went[0], QUrl::fromPercentEncoding(
                             QString("mailto:" + address + "?subject=" + odd.trimmed()).toUtf8()));

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
