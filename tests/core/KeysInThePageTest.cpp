// The keys at work in the main window's page, as a user presses them: after an inserted
// text box or marquee at the page's end, Enter and typing make ordinary blocks of the saved
// file; a page merely looked at to its end stays as it was; Tab and Shift+Tab keep the
// keyboard in the page.
#include "core/Module1.h"
#include "effects/EffectsDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWebEngineView>

using namespace TestSupport;
using DialogDriver::chooseFile;
using EffectsDriver::click;
using EffectsDriver::onPreview;

namespace {

class KeysInThePage : public EffectsDriver::WithMainForm {
protected:
    void TearDown() override {
        Module1::PublishLocalMode.clear();
        EffectsDriver::WithMainForm::TearDown();
    }
    // A point of the page below everything it shows.
    QPoint belowTheEnd() const { return {editor->width() / 2, editor->height() - 20}; }
    QString inside(const QString& css) {
        return js(editor, QString("document.querySelector('%1').innerHTML").arg(css)).toString();
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(KeysInThePage, TypingAfterAnInsertedBoxAndMarqueeMakesOrdinaryBlocksOfTheSavedFile) {
    form->FileNew_Click();
    clickAt(editor, QPoint(100, 15));
    withDialog(form->mnuTextBox, "frmTextBox", [&](QDialog* d) {
        QTest::keyClicks(field<QPlainTextEdit>(d, "txtText"), "Welcome");
        field<QPushButton>(d, "cmdOK")->click();
    });
    pressKey(editor, Qt::Key_End, Qt::ControlModifier);
    pressKey(editor, Qt::Key_Return);
    typeText(editor, "Menu: ");

    withDialog(marqueeItem(), "Marquee", [&](QDialog* d) {
        auto* text = field<QLineEdit>(d, "Text1");
        text->clear();
        QTest::keyClicks(text, "Go");
        onPreview([](Preview* p) {
            acceptMessageBox();
            click(p, "cmdInsert");
        });
        click(d, "Command1");
    });
    clickAt(editor, belowTheEnd());
    pressKey(editor, Qt::Key_Return);
    typeText(editor, "News");

    const QString target = dir.filePath("page.htm");
    Module1::PublishLocalMode = "AbsolutePath";
    whenModal([target](QWidget* w) { chooseFile(w, target); });
    form->FileSave->trigger();
    ASSERT_FALSE(editor->IsDirty()) << "the save did not happen";
    const QString saved = readText(target);
    EXPECT_EQ(saved.count("<marquee", Qt::CaseInsensitive), 1) << qPrintable(saved);
    EXPECT_EQ(saved.count("position:absolute"), 1) << qPrintable(saved);
    EXPECT_TRUE(saved.contains(QRegularExpression(
        ">Welcome</div></div><div>Menu:&nbsp;<marquee[^>]*>Go</marquee></div><div>News</div>")))
        << qPrintable(saved);
}

TEST_F(KeysInThePage, APageLookedAtToItsEndIsLeftAsItWas) {
    const QByteArray bytes = "<html><body><p>Intro</p><table border=1><tr><td>a</td></tr>"
                             "</table>\r\n<marquee>Go</marquee>\r\n</body></html>\r\n";
    const QString path = dir.filePath("look.htm");
    writeBytes(path, bytes);
    editor->LoadDocument(path);
    pressKey(editor, Qt::Key_End, Qt::ControlModifier);
    pressKey(editor, Qt::Key_Down, Qt::ControlModifier);
    clickAt(editor, belowTheEnd());
    pressKey(editor, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_FALSE(editor->IsDirty());

    QString asked;
    whenModal([&asked](QWidget* w) {
        asked = w->objectName();
        w->close();
    });
    form->close();
    pump(200);
    EXPECT_EQ(asked, "");
    EXPECT_EQ(readBytes(path), bytes);
}

TEST_F(KeysInThePage, TabAndShiftTabKeepTheKeyboardInThePage) {
    page("<p id='p'>Hello</p><ul><li id='one'>one</li><li id='two'>two</li></ul>");
    QWidget* surface = editor->view()->focusProxy();
    // In a paragraph Shift+Tab does nothing; the next key goes into the page.
    selectText(editor, "#p", 5, 5);
    pressKey(editor, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), surface);
    QTest::keyClick(QApplication::focusWidget(), '!');
    pump();
    EXPECT_TEXT(inside("#p"), "Hello!");

    // In a list Tab nests the item and Shift+Tab takes it out again, as Indent and Outdent.
    caretAtEnd(editor, "#two");
    pressKey(editor, Qt::Key_Tab);
    EXPECT_EQ(js(editor, "document.querySelectorAll('ul ul #two').length").toInt(), 1)
        << qPrintable(body());
    pressKey(editor, Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), surface);
    QTest::keyClick(QApplication::focusWidget(), 's');
    pump();
    EXPECT_TEXT(js(editor, "document.querySelector('ul').innerText").toString(), "one\ntwos");
    EXPECT_EQ(js(editor, "document.querySelectorAll('ul ul, ul > ul').length").toInt(), 0)
        << qPrintable(body());
}
