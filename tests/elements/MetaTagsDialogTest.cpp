// The meta-tags dialog, opened from the page-properties dialog as a user opens it: what it
// keeps, for how long, and where the focus goes.
#include "core/Module1.h"
#include "elements/BGCOLOR.h"
#include "elements/Metatags.h"
#include "platform/Help.h"
#include "support/DialogDriver.h"
#include "support/ScriptedPage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>

using namespace DialogDriver;

namespace {

class MetaTags : public WithMainForm {
protected:
    void SetUp() override {
        WithMainForm::SetUp();
        Module1::MetaDescription.clear();
        Module1::MetaKeywords.clear();
        Module1::SplashSeconds.clear();
        Module1::SplashURL.clear();
        page("<p id='p'>Hello</p>");
    }

    // Opens the page-properties dialog, goes to its last tab and presses "&Meta Tags...";
    // act runs on the meta-tags dialog. then runs on the page-properties dialog afterwards,
    // which is cancelled unless then closes it.
    void withMetaTags(const std::function<void(Metatags*)>& act,
                      const std::function<void(BGCOLOR*)>& then = {}) {
        withDialog(form->mnuInsertPageProperties, "BGCOLOR", [&](QDialog* dialog) {
            auto* d = qobject_cast<BGCOLOR*>(dialog);
            QTest::mouseClick(d->TabStrip1, Qt::LeftButton, Qt::NoModifier,
                              d->TabStrip1->tabRect(3).center());
            // The focus elsewhere, so that where it ends up tells who put it there.
            d->TabStrip1->setFocus();
            bool opened = false;
            clickAnswering(d->cmdMetaTags, [&](QWidget* w) {
                auto* m = qobject_cast<Metatags*>(w);
                if (!m) {
                    ADD_FAILURE() << "expected Metatags, got " << qPrintable(w->objectName());
                    w->close();
                    return;
                }
                opened = true;
                act(m);
                if (m->isVisible())
                    m->reject();
            });
            EXPECT_TRUE(opened);
            if (then)
                then(d);
        });
    }

    static void expectSplashFieldsShown(Metatags* m, bool shown) {
        for (QWidget* w : {static_cast<QWidget*>(m->lblSplashSeconds),
                           static_cast<QWidget*>(m->Text3), static_cast<QWidget*>(m->UpDown1),
                           static_cast<QWidget*>(m->lblSplashURL), static_cast<QWidget*>(m->Text4)})
            EXPECT_EQ(w->isVisible(), shown) << qPrintable(w->objectName());
        EXPECT_EQ(m->Text3->isEnabled(), shown);
        EXPECT_EQ(m->Text4->isEnabled(), shown);
    }
};

} // namespace

TEST_F(MetaTags, OKKeepsTheValuesForTheNextOpeningAndPagePropertiesWritesThem) {
    const QString before = html();
    const QString description = "Straße & <script>alert('x')</script>\n" + QString(5000, 'd');
    withMetaTags(
        [&](Metatags* m) {
            EXPECT_TEXT(m->windowTitle(), "META Tags");
            EXPECT_TEXT(m->Text1->toPlainText(), "");
            EXPECT_TEXT(m->Text2->toPlainText(), "");
            EXPECT_FALSE(m->Check1->isChecked());
            expectSplashFieldsShown(m, false);

            m->Text1->setPlainText(description);
            QTest::keyClicks(m->Text2, "sea, shells");
            m->Check1->click();
            expectSplashFieldsShown(m, true);
            EXPECT_EQ(m->focusWidget(), m->Text3);
            // The spinner steps the seconds from 0 to 999.
            EXPECT_EQ(m->UpDown1->minimum(), 0);
            EXPECT_EQ(m->UpDown1->maximum(), 999);
            QTest::keyClicks(m->Text3, "998");
            m->UpDown1->stepUp();
            m->UpDown1->stepUp();
            EXPECT_TEXT(m->Text3->text(), "999");
            QTest::keyClicks(m->Text4, "next.html");
            m->Command1->click();
            EXPECT_FALSE(m->isVisible());
        },
        [&](BGCOLOR* d) {
            EXPECT_EQ(d->focusWidget(), d->cmdMetaTags) << "the focus comes back to the button";
            d->Command2->click();
        });
    EXPECT_TEXT(Module1::MetaDescription, description);
    EXPECT_TEXT(Module1::MetaKeywords, "sea, shells");
    EXPECT_TEXT(Module1::SplashSeconds, "999");
    EXPECT_TEXT(Module1::SplashURL, "next.html");
    // The page-properties OK that followed put them into the head, by the attribute rule.
    QString expected = before;
    expected.replace("</head>", "<meta name=\"description\" content=\"Straße &amp; "
                                "<script>alert('x')</script>\n" +
                                    QString(5000, 'd') +
                                    "\"><meta name=\"keywords\" content=\"sea, shells\">"
                                    "<meta http-equiv=\"refresh\" content=\"999;URL=next.html\">"
                                    "</head>");
    EXPECT_TEXT(html(), expected);
    EXPECT_TRUE(editor->IsDirty());

    withMetaTags([&](Metatags* m) {
        EXPECT_TEXT(m->Text1->toPlainText(), description);
        EXPECT_TEXT(m->Text2->toPlainText(), "sea, shells");
        EXPECT_TRUE(m->Check1->isChecked());
        expectSplashFieldsShown(m, true);
        EXPECT_TEXT(m->Text3->text(), "999");
        EXPECT_TEXT(m->Text4->text(), "next.html");
        m->Command2->click(); // Cancel changes nothing
    });
    EXPECT_TEXT(Module1::SplashURL, "next.html");
}

TEST_F(MetaTags, ASplashWithoutSecondsIsRefusedYetTheDescriptionIsKept) {
    withMetaTags(
        [&](Metatags* m) {
            QTest::keyClicks(m->Text1, "About shells");
            QTest::keyClicks(m->Text2, "shells");
            m->Check1->click();
            QTest::keyClicks(m->Text4, "next.html");
            m->Text4->setFocus();
            EXPECT_TEXT(clickAnsweringMessage(m->Command1),
                        "Please enter the number of seconds and the Web page URL for the "
                        "splash screen.");
            EXPECT_TRUE(m->isVisible());
            EXPECT_EQ(m->focusWidget(), m->Text3);
            m->Command2->click();
        },
        [&](BGCOLOR* d) { EXPECT_EQ(d->focusWidget(), d->TabStrip1); });
    EXPECT_TEXT(Module1::MetaDescription, "About shells");
    EXPECT_TEXT(Module1::MetaKeywords, "shells");
    EXPECT_TEXT(Module1::SplashSeconds, "");
    EXPECT_TEXT(Module1::SplashURL, "");
}

TEST_F(MetaTags, AnUntickedSplashStoresNoneOfItsHiddenText) {
    Module1::SplashSeconds = "3";
    Module1::SplashURL = "old.html";
    withMetaTags([&](Metatags* m) {
        EXPECT_TRUE(m->Check1->isChecked());
        m->Check1->click();
        expectSplashFieldsShown(m, false);
        EXPECT_TEXT(m->Text3->text(), "3") << "hidden, not emptied";
        m->Command1->click();
    });
    EXPECT_TEXT(Module1::SplashSeconds, "");
    EXPECT_TEXT(Module1::SplashURL, "");
    EXPECT_TEXT(Module1::MetaDescription, "");
}

TEST_F(MetaTags, TheValuesOutliveTheDialogsNewAndOpen) {
    withMetaTags([&](Metatags* m) {
        QTest::keyClicks(m->Text1, "kept");
        QTest::keyClicks(m->Text2, "kept too");
        m->Command1->click();
    }); // and the page-properties dialog cancelled
    form->FileNew_Click();
    QTemporaryDir dir;
    const QString other = dir.filePath("other.html");
    TestSupport::writeText(other, "<html><head><title>Other</title></head><body></body></html>");
    TestSupport::whenModal([&](QWidget* w) { chooseFile(w, other); });
    form->FileOpen_Click();
    ASSERT_EQ(editor->CurrentDocumentPath(), other);

    withMetaTags([&](Metatags* m) {
        EXPECT_TEXT(m->Text1->toPlainText(), "kept");
        EXPECT_TEXT(m->Text2->toPlainText(), "kept too");
        EXPECT_FALSE(m->Check1->isChecked());
    });
}

TEST_F(MetaTags, PagePropertiesOKPutsThemIntoTheHeadInOneStepAndCancelWritesNothing) {
    QTemporaryDir dir;
    const QString file = dir.filePath("own.html");
    // Three descriptions of its own, in any case, among other elements of the head.
    TestSupport::writeText(
        file, "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>Shells</title>"
              "<meta name=\"Description\" content=\"Own &amp; first\"><link rel=\"icon\" "
              "href=\"i.png\"><meta name=\" description \" content=\"second\">"
              "<meta name=\"author\" content=\"Ann\"><meta name=\"DESCRIPTION\">"
              "</head>\r\n<body><p id=\"p\">Hello</p></body></html>\r\n");
    editor->LoadDocument(file);
    const QString before = html();
    const QString description = "\"Long\" </title> 'text' & " + QString(5000, 'x');
    const QString keywords = "sea, \"shells\", </title>";
    const QString next = "next page.html?a=1&b=\"2\"";

    // Meta tags OK'd, then Page Properties cancelled: the page is as it was.
    withMetaTags(
        [&](Metatags* m) {
            // Nothing kept yet: the boxes show the page's own values.
            EXPECT_TEXT(m->Text1->toPlainText(), "Own & first");
            EXPECT_TEXT(m->Text2->toPlainText(), "");
            EXPECT_FALSE(m->Check1->isChecked());
            m->Text1->setPlainText(description);
            m->Text2->setPlainText(keywords);
            m->Check1->click();
            QTest::keyClicks(m->Text3, "5");
            m->Text4->setText(next);
            m->Command1->click();
        },
        [&](BGCOLOR* d) { d->Command1->click(); });
    EXPECT_TEXT(html(), before);
    EXPECT_FALSE(editor->IsDirty());

    // Opened again (the kept values shown) and both dialogs OK'd.
    withMetaTags([&](Metatags* m) { m->Command1->click(); },
                 [&](BGCOLOR* d) { d->Command2->click(); });
    const QString newDescription = "<meta name=\"description\" content=\"&quot;Long&quot; "
                                   "</title> 'text' &amp; " +
                                   QString(5000, 'x') + "\">";
    const QString newRefresh =
        "<meta http-equiv=\"refresh\" content=\"5;URL=next page.html?a=1&amp;"
        "b=&quot;2&quot;\">";
    // The description takes the place of the first one; the others go, the new elements end
    // the head and everything else stays.
    QString expected = before;
    expected.replace("<meta name=\"Description\" content=\"Own &amp; first\">", newDescription);
    expected.replace("<meta name=\" description \" content=\"second\">", "");
    expected.replace("<meta name=\"DESCRIPTION\">", "");
    expected.replace("</head>", "<meta name=\"keywords\" content=\"sea, &quot;shells&quot;, "
                                "</title>\">" +
                                    newRefresh + "</head>");
    EXPECT_TEXT(html(), expected);

    // Saved and opened in a browser: one of each, as typed, and the title untouched.
    const QString saved = dir.filePath("saved.html");
    TestSupport::writeText(saved, html());
    TestSupport::ScriptedPage visitor;
    ASSERT_TRUE(visitor.load(TestSupport::readText(saved)));
    const QVariantList found =
        visitor
            .run("['description','keywords'].map(n => Array.from(document.querySelectorAll("
                 "'meta')).filter(m => (m.name || '').trim().toLowerCase() == n).map(m => "
                 "m.content)).concat([Array.from(document.querySelectorAll('meta[http-equiv]'))"
                 ".map(m => m.content), [document.title]])")
            .toList();
    ASSERT_EQ(found.size(), 4);
    EXPECT_EQ(found[0].toStringList(), QStringList{description});
    EXPECT_EQ(found[1].toStringList(), QStringList{keywords});
    EXPECT_EQ(found[2].toStringList(), QStringList{"5;URL=" + next});
    EXPECT_EQ(found[3].toStringList(), QStringList{"Shells"});
    EXPECT_EQ(visitor.errors(), QStringList());

    // One undo takes back the whole OK.
    editor->view()->setFocus();
    QTest::keyClick(editor->view()->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
    TestSupport::waitUntil([&] { return html() == before; });
    EXPECT_TEXT(html(), before);

    // With nothing kept the page's splash shows; emptied values take the page's away.
    Module1::MetaDescription.clear();
    Module1::MetaKeywords.clear();
    Module1::SplashSeconds.clear();
    Module1::SplashURL.clear();
    editor->setDocumentHTML(expected, false);
    withMetaTags(
        [&](Metatags* m) {
            EXPECT_TEXT(m->Text1->toPlainText(), description);
            EXPECT_TRUE(m->Check1->isChecked());
            EXPECT_TEXT(m->Text3->text(), "5");
            EXPECT_TEXT(m->Text4->text(), next);
            m->Text1->clear();
            m->Check1->click();
            m->Command1->click();
        },
        [&](BGCOLOR* d) { d->Command2->click(); });
    QString emptied = expected;
    emptied.replace(newDescription, "").replace(newRefresh, "");
    EXPECT_TEXT(html(), emptied);
}

TEST_F(MetaTags, HelpOpensTheMetaTagsTopic) {
    Metatags dialog;
    EXPECT_EQ(Help::TopicOf(dialog.Command8), 14);
    EXPECT_TEXT(dialog.Command8->toolTip(), "Click here for help...");
    dialog.Command8->click();
    EXPECT_EQ(Help::ShownTopic(), 14);
}
