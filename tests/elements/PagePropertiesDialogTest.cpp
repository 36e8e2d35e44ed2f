// Insert > Page Properties on real pages, driven as a user would: what the dialog shows,
// what OK writes into the page, and that nothing else of the page changes.
#include "core/DialogParts.h"
#include "core/InsertDriver.h"
#include "core/Module1.h"
#include "elements/BGCOLOR.h"
#include "elements/ElementsDriver.h"
#include "platform/DHTMLEditCommands.h"
#include "platform/Help.h"

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

using namespace ElementsDriver;
using InsertDriver::cancelDialog;
using InsertDriver::chooseFile;
using InsertDriver::clickAnswering;

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
