// Insert > Hyperlink on the real editing surface, driven as a user would.
#include "core/Module1.h"
#include "links/LINKTEXT.h"
#include "platform/Help.h"
#include "support/DialogDriver.h"
#include "support/ScriptedPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace DialogDriver;

namespace {
class Hyperlink : public InsertTest {};

QComboBox* site(QDialog* d) {
    return field<QComboBox>(d, "httpsite");
}

} // namespace

TEST_F(Hyperlink, SelectedTextBecomesALinkWithStatusTexts) {
    page("<p id='p'>Hello world</p>");
    TestSupport::selectText(editor, "#p", 6, 11);
    withDialog(form->mnuInsertHyperlink, "LINKTEXT", [&](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), "HyperLink");
        EXPECT_EQ(field<QLineEdit>(d, "LText1")->text(), "world");
        // The text is chosen already: the address box has the focus.
        EXPECT_EQ(d->focusWidget(), site(d));
        EXPECT_TRUE(field<QWidget>(d, "Picture1_0")->isVisible());
        site(d)->setEditText("http://www.example.com/");

        auto* tabs = field<QTabBar>(d, "TabStrip1");
        EXPECT_EQ(tabs->tabText(0), " Properties ");
        EXPECT_EQ(tabs->tabText(1), " Advanced ");
        tabs->setCurrentIndex(1);
        EXPECT_TRUE(field<QWidget>(d, "Picture1_1")->isVisible());
        EXPECT_FALSE(field<QWidget>(d, "Picture1_0")->isVisible());
        EXPECT_EQ(d->focusWidget(), field<QLineEdit>(d, "Text2"));
        field<QLineEdit>(d, "Text2")->setText("Over it");
        field<QLineEdit>(d, "Text3")->setText("Away");
        field<QCheckBox>(d, "chkOpenNew")->setChecked(true);
        field<QPushButton>(d, "LtextOK")->click();
    });
    const QString html = editor->DocumentHTML();
    EXPECT_TRUE(html.contains("<p id=\"p\">Hello <a href=\"http://www.example.com/\" "
                              "target=\"_blank\" onmouseover=\"window.status='Over it'; return "
                              "true\" onmouseout=\"window.status='Away'; return true\">world</a>"
                              "</p>",
                              Qt::CaseInsensitive))
        << qPrintable(html);

    // Written out and opened again, the status texts are still there.
    QTemporaryDir dir;
    const QString file = dir.filePath("link.html");
    TestSupport::writeText(file, html);
    editor->LoadDocument(file);
    EXPECT_TRUE(editor->DocumentHTML().contains(
        "onmouseover=\"window.status='Over it'; return true\"", Qt::CaseInsensitive));
}

TEST_F(Hyperlink, OkRulesTellTheUserAndMoveTheFocus) {
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertHyperlink, "LINKTEXT", [&](QDialog* d) {
        auto* ok = field<QPushButton>(d, "LtextOK");
        auto* text = field<QLineEdit>(d, "LText1");
        EXPECT_EQ(text->text(), "");
        EXPECT_EQ(d->focusWidget(), text);

        site(d)->setFocus();
        EXPECT_EQ(clickAnsweringMessage(ok), "Please enter text to be linked in the box below.");
        EXPECT_EQ(d->focusWidget(), text);

        text->setText("Link");
        for (const QString& address : {QString(), QString("http://")}) {
            site(d)->setEditText(address);
            field<QLineEdit>(d, "LText1")->setFocus();
            EXPECT_EQ(clickAnsweringMessage(ok),
                      "Please enter Web site to be linked in the appropriate box");
            EXPECT_EQ(d->focusWidget(), site(d));
        }

        // Ticking "Link to an anchor" shows the name box and moves into it.
        auto* anchor = field<QCheckBox>(d, "Check1");
        auto* name = field<QLineEdit>(d, "Text1");
        field<QTabBar>(d, "TabStrip1")->setCurrentIndex(1);
        EXPECT_FALSE(name->isVisible());
        anchor->click();
        EXPECT_TRUE(name->isVisible());
        EXPECT_TRUE(field<QWidget>(d, "Label3")->isVisible());
        EXPECT_EQ(d->focusWidget(), name);
        site(d)->setEditText("page.html");
        field<QLineEdit>(d, "Text3")->setFocus();
        EXPECT_EQ(clickAnsweringMessage(ok), "Please enter the bookmark name you wish to link to.");
        EXPECT_EQ(d->focusWidget(), field<QLineEdit>(d, "Text3")); // not moved
        EXPECT_TRUE(d->isVisible());

        // Unticked, the name is hidden and ignored.
        name->setText("ignored");
        anchor->click();
        EXPECT_FALSE(name->isVisible());
        EXPECT_EQ(clickAnsweringMessage(ok), "");
    });
    EXPECT_EQ(body(), "<p id=\"p\">Hello<a href=\"page.html\">Link</a></p>");
}

TEST_F(Hyperlink, BareSchemeWithABookmarkLinksIntoThisPage) {
    page("<p id='p'>Hello</p>");
    TestSupport::selectText(editor, "#p");
    withDialog(form->mnuInsertHyperlink, "LINKTEXT", [&](QDialog* d) {
        site(d)->setEditText("http://");
        field<QCheckBox>(d, "Check1")->click();
        field<QLineEdit>(d, "Text1")->setText("top");
        field<QLineEdit>(d, "Text2")->setText("not used");
        field<QPushButton>(d, "LtextOK")->click();
        EXPECT_EQ(site(d)->currentText(), "");
    });
    EXPECT_EQ(body(), "<p id=\"p\"><a href=\"#top\">Hello</a></p>");
}

TEST_F(Hyperlink, CancelPastesNothing) {
    page("<p id='p'>Hello</p>");
    TestSupport::selectText(editor, "#p");
    withDialog(form->mnuInsertHyperlink, "LINKTEXT", [&](QDialog* d) {
        site(d)->setEditText("http://www.example.com/");
        field<QPushButton>(d, "Command2")->click();
    });
    EXPECT_EQ(body(), "<p id=\"p\">Hello</p>");
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(Hyperlink, BrowsePutsTheChosenFileAndCancelKeepsTheBox) {
    QTemporaryDir dir;
    const QString file = dir.filePath("other.html");
    TestSupport::writeText(file, "<html><body>x</body></html>");
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertHyperlink, "LINKTEXT", [&](QDialog* d) {
        site(d)->setEditText("keep.html");
        clickAnswering(field<QToolButton>(d, "Command1"), cancelDialog);
        EXPECT_EQ(site(d)->currentText(), "keep.html");
        EXPECT_EQ(d->focusWidget(), site(d));
        clickAnswering(field<QToolButton>(d, "Command3"), cancelDialog);
        EXPECT_EQ(site(d)->currentText(), "keep.html");
        EXPECT_EQ(d->focusWidget(), site(d));

        clickAnswering(field<QToolButton>(d, "Command1"), [&](QWidget* w) { chooseFile(w, file); });
        EXPECT_EQ(site(d)->currentText(), file);
    });
}

TEST_F(Hyperlink, SelectedImageGetsTheSurfacesOwnPromptNotTheDialog) {
    page("<p>Pic <img id='i' width='60' height='40' style='border:1px solid black' "
         "src='data:image/gif;base64,R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7'>"
         "</p>");
    TestSupport::clickAt(editor, TestSupport::centreOf(editor, "#i"));
    ASSERT_EQ(editor->DOM().selection().type(), "Control");
    withDialog(form->mnuInsertHyperlink, "HyperlinkPrompt", [&](QDialog* d) {
        auto* prompt = qobject_cast<QInputDialog*>(d);
        ASSERT_NE(prompt, nullptr);
        prompt->setTextValue("http://www.example.com/pic");
        prompt->accept();
    });
    EXPECT_TRUE(body().contains("<a href=\"http://www.example.com/pic\"><img id=\"i\""))
        << qPrintable(body());
}

TEST_F(Hyperlink, HelpButtonOpensItsTopic) {
    LINKTEXT dialog;
    auto* help = field<QToolButton>(&dialog, "Command8");
    EXPECT_EQ(Help::TopicOf(help), 1);
    help->click();
    EXPECT_NE(Help::ShownTopic(), -1);
    if (QFileInfo::exists(QCoreApplication::applicationDirPath() + "/help/topic-1.html")) {
        EXPECT_EQ(Help::ShownTopic(), 1);
    }
}

namespace {
// What a visitor's browser makes of the page's first link: its attributes, its address,
// its text, and the status bar while the mouse is over it and after it left.
struct VisitedLink {
    QString names, href, text, over, out;
    QStringList errors;
};
VisitedLink visitFirstLink(const QString& html) {
    TestSupport::ScriptedPage visitor;
    EXPECT_TRUE(visitor.load(html));
    const QVariantMap a = visitor
                              .run(R"((function(){
        const a = document.querySelector('a');
        const names = Array.from(a.attributes, x => x.name).join(' ');
        a.dispatchEvent(new MouseEvent('mouseover', {bubbles: true}));
        const over = window.status;
        a.dispatchEvent(new MouseEvent('mouseout', {bubbles: true}));
        return {names: names, href: a.getAttribute('href'), text: a.textContent,
                over: over, out: window.status}; })())")
                              .toMap();
    return {a["names"].toString(), a["href"].toString(), a["text"].toString(),
            a["over"].toString(),  a["out"].toString(),  visitor.errors()};
}
} // namespace

TEST_F(Hyperlink, QuotesInTheAddressAndStatusTextsBreakNeitherTheLinkNorItsScript) {
    page("<p id='p'>Hello world</p>");
    TestSupport::selectText(editor, "#p", 6, 11);
    withDialog(form->mnuInsertHyperlink, "LINKTEXT", [&](QDialog* d) {
        QTest::keyClicks(site(d)->lineEdit(), "a b\"c?x=1&copy=2");
        field<QTabBar>(d, "TabStrip1")->setCurrentIndex(1);
        QTest::keyClicks(field<QLineEdit>(d, "Text2"), "It's Tom's R&amp;D &copy;");
        QTest::keyClicks(field<QLineEdit>(d, "Text3"), R"(Back "home" to C:\Tom's)");
        field<QPushButton>(d, "LtextOK")->click();
    });
    const VisitedLink link = visitFirstLink(editor->DocumentHTML());
    EXPECT_TEXT(link.names, "href onmouseover onmouseout"); // no stray attribute
    // A typed "&" is no reference: the address and the status text read back as typed.
    EXPECT_TEXT(link.href, "a b\"c?x=1&copy=2");
    EXPECT_TEXT(link.text, "world");
    EXPECT_TEXT(link.over, "It's Tom's R&amp;D &copy;");
    EXPECT_TEXT(link.out, R"(Back "home" to C:\Tom's)");
    EXPECT_EQ(link.errors, QStringList());
}

TEST_F(Hyperlink, OddTextInEveryFieldKeepsTheLinkWholeAndItsScriptRunning) {
    // Quotes, a backslash, markup characters, a percent reference, other scripts and a
    // status text of more than 10,000 characters.
    const QString odd =
        QString::fromUtf8(R"(a"b'c\d<e>&f%27 'Ωμέγα' 日本語 </script> )") + QString(10000, 'x');
    page("<p id='p'>Hello</p>");
    TestSupport::caretAtEnd(editor, "#p");
    withDialog(form->mnuInsertHyperlink, "LINKTEXT", [&](QDialog* d) {
        // The link text is markup as typed.
        field<QLineEdit>(d, "LText1")->setText("Tom's <b>bold</b> link");
        site(d)->setEditText(odd);
        field<QCheckBox>(d, "Check1")->click();
        field<QLineEdit>(d, "Text1")->setText(odd);
        field<QLineEdit>(d, "Text2")->setText(odd);
        field<QLineEdit>(d, "Text3")->setText(odd);
        field<QPushButton>(d, "LtextOK")->click();
    });
    const QString html = editor->DocumentHTML();
    EXPECT_TRUE(html.contains("Tom's <b>bold</b> link</a>")) << qPrintable(html.left(300));
    const VisitedLink link = visitFirstLink(html);
    EXPECT_TEXT(link.names, "href onmouseover onmouseout");
    EXPECT_TEXT(link.href, odd + "#" + odd);
    EXPECT_TEXT(link.text, "Tom's bold link");
    EXPECT_TEXT(link.over, odd);
    EXPECT_TEXT(link.out, odd);
    EXPECT_EQ(link.errors, QStringList());

    // Written out and opened again, the page is the same.
    editor->setDocumentHTML(html, false);
    EXPECT_TEXT(editor->DocumentHTML(), html);
}
