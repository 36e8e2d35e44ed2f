// Insert > Page Properties on real pages, driven as a user would: what the dialog shows,
// what OK writes into the page, and that nothing else of the page changes.
#include "core/DialogParts.h"
#include "core/Module1.h"
#include "elements/BGCOLOR.h"
#include "platform/DHTMLEditCommands.h"
#include "platform/Help.h"
#include "support/DialogDriver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWebEngineView>

using namespace DialogDriver;

namespace {

const QString OurBodyTag = "<body bgcolor=\"#FFFFCC\" text=\"navy\" link=\"blue\" "
                           "vlink=\"purple\" alink=\"red\" background=\"images/bg.gif\">";

QColor back(QWidget* w) {
    return w->palette().color(QPalette::Window);
}
QColor fore(QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

void clickLabel(QLabel* label, const QColor& color) {
    pickColor([&] { QTest::mouseClick(label, Qt::LeftButton); }, color);
}

// Replaces what a user types over: the whole text of a box or a colour list.
void retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}
void retype(QComboBox* list, const QString& text) {
    retype(list->lineEdit(), text);
}

class PageProperties : public WithMainForm {
protected:
    void SetUp() override {
        WithMainForm::SetUp();
        ASSERT_TRUE(dir.isValid());
        Module1::LastImageFile.clear();
    }

    // A page file of ours in the test's folder, loaded as Open loads it.
    QString load(const QString& name, const QString& text) {
        const QString path = dir.filePath(name);
        TestSupport::writeText(path, text);
        editor->LoadDocument(path);
        return path;
    }
    // Our page: a title with references, five colours and a relative background.
    void loadOurPage(const QString& bodyTag = OurBodyTag) {
        load("ours.html", "<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\">"
                          "<title>Caf&eacute; &amp; Co</title></head>\r\n" +
                              bodyTag + "\r\n<p id=\"p\">Hello</p>\r\n</body></html>\r\n");
    }
    // A page of the corpus, copied so that nothing can change the original.
    void loadCorpusPage(const QString& relative) {
        const QString copy = dir.filePath(QFileInfo(relative).fileName());
        ASSERT_TRUE(QFile::copy(TestSupport::dataPath("corpus/" + relative), copy));
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        editor->LoadDocument(copy);
    }

    void withPageProperties(const std::function<void(BGCOLOR*)>& act) {
        withDialog(form->mnuInsertPageProperties, "BGCOLOR",
                   [&](QDialog* d) { act(qobject_cast<BGCOLOR*>(d)); });
    }
    void plainOK() {
        withPageProperties([](BGCOLOR* d) { d->Command2->click(); });
    }
    bool undoable() { return editor->QueryStatus(DECMD_UNDO) == DECMDF_ENABLED; }
    // One Ctrl+Z in the page, as the user presses it.
    void pressUndo() {
        editor->view()->setFocus();
        QTest::keyClick(editor->view()->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(PageProperties, OurPageShowsItsValuesAndOKWritesEveryChangeAsOneUndoStep) {
    loadOurPage();
    const QString before = html();
    ASSERT_TRUE(before.contains("<title>Café &amp; Co</title>")) << qPrintable(before);
    ASSERT_TRUE(before.contains(OurBodyTag)) << qPrintable(before);
    Module1::LastImageFile = "/Pictures/sea.gif";

    withPageProperties([&](BGCOLOR* d) {
        EXPECT_TEXT(d->Text5->text(), "Café & Co");
        EXPECT_TEXT(d->cboBGColor->currentText(), "#FFFFCC");
        EXPECT_TEXT(d->cboColor[0]->currentText(), "navy");
        EXPECT_TEXT(d->cboColor[1]->currentText(), "blue");
        EXPECT_TEXT(d->cboColor[2]->currentText(), "purple");
        EXPECT_TEXT(d->cboColor[3]->currentText(), "red");
        EXPECT_TEXT(d->Text9->text(), "images/bg.gif");
        EXPECT_TEXT(d->ParsedAttributeValue, "images/bg.gif");
        EXPECT_TRUE(d->BackgroundChanged);
        EXPECT_FALSE(d->Check1->isChecked());
        // The swatches and the preview show the page's colours.
        const QColor cream(0xFF, 0xFF, 0xCC);
        EXPECT_EQ(back(d->lblBGColor), cream);
        EXPECT_EQ(back(d->fraPreview), cream);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(back(d->lblPreviewColor[i]), cream) << i;
        EXPECT_EQ(back(d->lblSelectColor[0]), QColor(0, 0, 0x80));
        EXPECT_EQ(fore(d->lblPreviewColor[0]), QColor(0, 0, 0x80));
        EXPECT_EQ(fore(d->lblPreviewColor[3]), QColor(0xFF, 0, 0));

        retype(d->Text5, "New <title> & \"more\"");
        clickLabel(d->lblBGColor, QColor(0xCC, 0xDD, 0xEE));
        EXPECT_TEXT(d->cboBGColor->currentText(), "CCDDEE");
        EXPECT_TEXT(d->lblBGColor->text(), "");
        EXPECT_EQ(back(d->lblPreviewColor[1]), QColor(0xCC, 0xDD, 0xEE));
        clickLabel(d->lblSelectColor[0], QColor(0x12, 0x34, 0x56));
        EXPECT_TEXT(d->cboColor[0]->currentText(), "123456");
        EXPECT_TEXT(d->lblSelectColor[0]->text(), "");
        EXPECT_EQ(fore(d->lblPreviewColor[0]), QColor(0x12, 0x34, 0x56));
        // A name with a capital letter is no colour name: it previews as colour digits.
        retype(d->cboColor[1], "Red");
        EXPECT_EQ(back(d->lblSelectColor[1]), QColor(0x0E, 0xD0, 0));
        d->cboColor[2]->setCurrentIndex(12); // silver, picked from the list
        EXPECT_TEXT(d->cboColor[2]->currentText(), "silver");
        EXPECT_EQ(fore(d->lblPreviewColor[2]), QColor(192, 192, 192));
        retype(d->cboColor[3], ""); // an empty list leaves the page's colour
        retype(d->Text9, "images/other.gif");
        d->Check1->click(); // the box holds a background: it stays
        EXPECT_TEXT(d->Text9->text(), "images/other.gif");
        d->Command2->click();
    });

    QString expected = before;
    expected.replace("<title>Café &amp; Co</title>",
                     "<title>New &lt;title&gt; &amp; \"more\"</title>");
    expected.replace(OurBodyTag, "<body bgcolor=\"CCDDEE\" text=\"123456\" link=\"Red\" "
                                 "vlink=\"silver\" alink=\"red\" background=\"images/other.gif\" "
                                 "bgproperties=\"FIXED\">");
    EXPECT_TEXT(html(), expected);
    EXPECT_TRUE(editor->IsDirty());

    pressUndo();
    TestSupport::waitUntil([&] { return html() == before; });
    EXPECT_TEXT(html(), before) << "one Ctrl+Z takes back the whole OK";
}

TEST_F(PageProperties, ARealPageTakesATitleAndColoursAndKeepsEverythingElse) {
    loadCorpusPage("introduction-to-html/the-html-head/title-example.html");
    const QString before = html();
    ASSERT_TRUE(before.contains("<title>&lt;title&gt; element</title>")) << qPrintable(before);
    ASSERT_TRUE(before.contains("<body>")) << qPrintable(before);
    const QString longColor = QString(300, 'f');
    withPageProperties([&](BGCOLOR* d) {
        // The title as the reader sees it; no colours and no background: the swatches
        // show what an empty list stands for.
        EXPECT_TEXT(d->Text5->text(), "<title> element");
        EXPECT_TEXT(d->cboBGColor->currentText(), "");
        EXPECT_TEXT(d->Text9->text(), "");
        EXPECT_FALSE(d->BackgroundChanged);
        EXPECT_EQ(back(d->lblBGColor), QColor(192, 192, 192));
        EXPECT_EQ(fore(d->lblPreviewColor[1]), QColor(192, 192, 192));

        d->Text5->setText("Ünïcødé — ελληνικά & <b>"); // typed through an input method
        retype(d->cboBGColor, "zzz");
        retype(d->cboColor[0], "#12");
        retype(d->cboColor[1], longColor);
        d->cboColor[3]->setCurrentIndex(0); // aqua
        d->Command2->click();
    });
    QString expected = before;
    expected.replace("<title>&lt;title&gt; element</title>",
                     "<title>Ünïcødé — ελληνικά &amp; &lt;b&gt;</title>");
    // Colour texts go in as typed: the page decides what it makes of them.
    expected.replace("<body>", "<body bgcolor=\"zzz\" text=\"#12\" link=\"" + longColor +
                                   "\" alink=\"aqua\">");
    EXPECT_TEXT(html(), expected);
    EXPECT_TRUE(editor->IsDirty());
    pressUndo();
    TestSupport::waitUntil([&] { return html() == before; });
    EXPECT_TEXT(html(), before);
}

TEST_F(PageProperties, APlainOKLeavesEveryPageByteForByteAndUnchanged) {
    const QString local = dir.filePath("bg.png");
    TestSupport::writeBytes(local, "x");
    struct Case {
        QString bodyTag;
        QString shownBackground;
    };
    const QList<Case> cases = {
        {OurBodyTag, "images/bg.gif"},
        // The box shows the value as the page holds it, references decoded.
        {"<body background=\"images/a&amp;b.gif\" bgproperties=\"FIXED\">", "images/a&b.gif"},
        {"<body background=\"file://" + local + "\">", "file://" + local},
        {"<body background=\"" + local + "\">", local},
        {"<body bgcolor=\"Red\" text=\"\" link=\"zzz\">", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.bodyTag));
        loadOurPage(c.bodyTag);
        const QString before = html();
        withPageProperties([&](BGCOLOR* d) {
            EXPECT_TEXT(d->Text9->text(), c.shownBackground);
            d->Command2->click();
        });
        EXPECT_TEXT(html(), before);
        EXPECT_FALSE(editor->IsDirty());
        EXPECT_FALSE(undoable()) << "a change that changes nothing leaves nothing to undo";
    }
    loadCorpusPage("introduction-to-html/the-html-head/title-example.html");
    const QString before = html();
    plainOK();
    EXPECT_TEXT(html(), before);
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(PageProperties, CancelAfterChangingEverythingChangesNothing) {
    loadOurPage();
    const QString before = html();
    Module1::LastImageFile = "/Pictures/sea.gif";
    withPageProperties([&](BGCOLOR* d) {
        retype(d->Text5, "Another");
        clickLabel(d->lblBGColor, QColor(1, 2, 3));
        for (QComboBox* list : d->cboColor)
            retype(list, "black");
        retype(d->Text9, "");
        d->Check1->click();
        d->Command1->click();
    });
    EXPECT_TEXT(html(), before);
    EXPECT_FALSE(editor->IsDirty());
    // Escape is Cancel too.
    withPageProperties([&](BGCOLOR* d) {
        retype(d->Text5, "Another");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_TEXT(html(), before);
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(PageProperties, SetColorsOpensOnTheColoursTabAndTabsMoveTheFocus) {
    loadOurPage();
    auto* colors = form->findChild<QAction*>("Toolbar3_Colors");
    ASSERT_NE(colors, nullptr);
    withDialog(colors, "BGCOLOR", [&](QDialog* dialog) {
        auto* d = qobject_cast<BGCOLOR*>(dialog);
        EXPECT_EQ(d->TabStrip1->currentIndex(), 1);
        EXPECT_TRUE(d->Picture2[1]->isVisible());
        EXPECT_FALSE(d->Picture2[0]->isVisible());
        EXPECT_TEXT(d->cboBGColor->currentText(), "#FFFFCC"); // loaded all the same
        // A click on a tab puts the focus on its page's first field.
        const QList<QPair<int, QWidget*>> firstFields = {
            {2, d->Text9}, {3, d->cmdMetaTags}, {0, d->Text5}, {1, d->cboBGColor}};
        for (const auto& [tab, first] : firstFields) {
            QTest::mouseClick(d->TabStrip1, Qt::LeftButton, Qt::NoModifier,
                              d->TabStrip1->tabRect(tab).center());
            EXPECT_EQ(d->TabStrip1->currentIndex(), tab);
            EXPECT_TRUE(d->Picture2[tab]->isVisible()) << tab;
            QWidget* focus = d->focusWidget();
            EXPECT_TRUE(focus == first || first->isAncestorOf(focus))
                << tab << " " << qPrintable(focus ? focus->objectName() : "none");
        }
        d->Command1->click();
    });
    auto* properties = form->findChild<QAction*>("Toolbar2_Page Properties");
    ASSERT_NE(properties, nullptr);
    withDialog(properties, "BGCOLOR", [&](QDialog* dialog) {
        auto* d = qobject_cast<BGCOLOR*>(dialog);
        EXPECT_EQ(d->TabStrip1->currentIndex(), 0);
        EXPECT_TRUE(d->Picture2[0]->isVisible());
        const QStringList captions = {" Page Title ", " Colors ", " Background Image ",
                                      "Meta Tags"};
        for (int i = 0; i < 4; ++i)
            EXPECT_TEXT(d->TabStrip1->tabText(i), captions[i]);
        EXPECT_TEXT(d->windowTitle(), "Web Page Properties");
    });
}

TEST_F(PageProperties, AChangedBackgroundGetsTheFileSchemeOnlyWhenItNamesALocalFile) {
    const QString dove = TestSupport::dataPath(
        "corpus/introduction-to-html/structuring-a-page-of-content-finished/dove.png");
    const QString picture = dir.filePath("Фон sea 'bg'.png");
    const QString quotedName = dir.filePath("Фон \"sea\".png");
    ASSERT_TRUE(QFile::copy(dove, picture));
    ASSERT_TRUE(QFile::copy(dove, quotedName));
    const QString fake = dir.filePath("not a picture.gif");
    TestSupport::writeText(fake, "GIF? no, just text");

    loadOurPage();
    QString before = html();
    withPageProperties([&](BGCOLOR* d) {
        // A cancelled Browse changes nothing.
        clickAnswering(d->Command6, cancelDialog);
        EXPECT_TEXT(d->Text9->text(), "images/bg.gif");
        clickAnswering(d->Command6, [&](QWidget* w) { chooseFile(w, picture); });
        EXPECT_TEXT(d->Text9->text(), picture);
        ASSERT_FALSE(d->Picture1->pixmap().isNull());
        const qint64 shown = d->Picture1->pixmap().cacheKey();
        // A file that is no picture goes into the box; the preview stays as it was.
        clickAnswering(d->Command6, [&](QWidget* w) { chooseFile(w, fake); });
        EXPECT_TEXT(d->Text9->text(), fake);
        EXPECT_EQ(d->Picture1->pixmap().cacheKey(), shown);
        d->Text9->setText("  " + quotedName + " ");
        d->Command2->click();
    });
    QString quoted = quotedName;
    quoted.replace("\"", "&quot;");
    EXPECT_TEXT(html(), QString(before).replace("background=\"images/bg.gif\"",
                                                "background=\"file://" + quoted + "\""));
}

TEST_F(PageProperties, AnEmptiedBackgroundBoxEmptiesTheAttributeAndAnEmptyOneAddsNone) {
    loadOurPage();
    QString before = html();
    withPageProperties([&](BGCOLOR* d) {
        retype(d->Text9, "");
        d->Command2->click();
    });
    EXPECT_TEXT(html(), QString(before).replace("background=\"images/bg.gif\"", "background=\"\""));

    // Typed and taken back: the page had none and gets none.
    loadOurPage("<body>");
    before = html();
    withPageProperties([&](BGCOLOR* d) {
        QTest::keyClicks(d->Text9, "x.gif");
        retype(d->Text9, "");
        EXPECT_TRUE(d->BackgroundChanged);
        d->Command2->click();
    });
    EXPECT_TEXT(html(), before);
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(PageProperties, TheWatermarkBoxNeverTakesAwayABackground) {
    Module1::LastImageFile = "/Pictures/Sea BG.GIF";
    loadOurPage("<body>");
    const QString before = html();
    withPageProperties([&](BGCOLOR* d) {
        // The caption beside the box ticks it too.
        QTest::mouseClick(field<QLabel>(d, "Check1Caption"), Qt::LeftButton);
        EXPECT_TRUE(d->Check1->isChecked());
        EXPECT_TEXT(d->Text9->text(), "/Pictures/Sea BG.GIF") << "offered, its case kept";
        d->Check1->click();
        EXPECT_TEXT(d->Text9->text(), "/Pictures/Sea BG.GIF") << "unticking leaves the box";
        retype(d->Text9, "mine.gif");
        d->Check1->click();
        EXPECT_TEXT(d->Text9->text(), "mine.gif") << "a typed background stays";
        d->Command2->click();
    });
    EXPECT_TEXT(html(), QString(before).replace(
                            "<body>", "<body background=\"mine.gif\" bgproperties=\"FIXED\">"));

    // An unticked box leaves the page's watermark.
    loadOurPage("<body background=\"bg.gif\" bgproperties=\"FIXED\">");
    const QString fixed = html();
    withPageProperties([&](BGCOLOR* d) {
        EXPECT_FALSE(d->Check1->isChecked());
        d->Check1->click();
        d->Check1->click();
        EXPECT_TEXT(d->Text9->text(), "bg.gif");
        d->Command2->click();
    });
    EXPECT_TEXT(html(), fixed);
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(PageProperties, TheTitleGoesThroughTheDocumentWhateverItHolds) {
    // A page without a title element gets one.
    load("untitled.html",
         "<html><head><meta charset=\"utf-8\"></head><body><p>x</p></body></html>");
    withPageProperties([&](BGCOLOR* d) {
        EXPECT_TEXT(d->Text5->text(), "");
        QTest::keyClicks(d->Text5, "Mine");
        d->Command2->click();
    });
    EXPECT_TEXT(html(), "<html><head><meta charset=\"utf-8\"><title>Mine</title></head>"
                        "<body><p>x</p></body></html>");

    // Markup in a title stays text: the head is not broken and the body not touched.
    loadOurPage();
    const QString before = html();
    const QString hostile = "</title><script>alert(1)</script>" + QString(5000, QChar(0x4E2D));
    withPageProperties([&](BGCOLOR* d) {
        d->Text5->setText(hostile);
        d->Command2->click();
    });
    EXPECT_TEXT(html(), QString(before).replace(
                            "<title>Café &amp; Co</title>",
                            "<title>&lt;/title&gt;&lt;script&gt;alert(1)&lt;/script&gt;" +
                                QString(5000, QChar(0x4E2D)) + "</title>"));
    EXPECT_TEXT(editor->DOM().title(), hostile);

    // An empty box leaves the title alone.
    loadOurPage();
    withPageProperties([&](BGCOLOR* d) {
        retype(d->Text5, "");
        d->Command2->click();
    });
    EXPECT_TEXT(html(), before);
}

TEST_F(PageProperties, HelpOpensThePagePropertiesTopic) {
    BGCOLOR dialog;
    EXPECT_EQ(Help::TopicOf(dialog.Command5), 13);
    dialog.Command5->click();
    EXPECT_EQ(Help::ShownTopic(), 13);
}
