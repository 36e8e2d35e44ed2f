// A page under real use in the main window keeps what the user made of it: Enter in a
// real page leaves its ids single in the saved file, a new page keeps its character set
// from save to save, a file that is no page is refused, printing leaves out the editing
// aids and prints text as text, and a save keeps the user's place.
#include "core/Module1.h"
#include "platform/PlatformError.h"
#include "support/DialogDriver.h"
#include "support/MainFormFixture.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace TestSupport;
using DialogDriver::chooseFile;
using Module1::PublishLocalMode;

namespace {

const QString CorpusLinks = "corpus/introduction-to-html/tasks/links/links2-download.html";
const QString CorpusPicture =
    "corpus/introduction-to-html/structuring-a-page-of-content-finished/favorite-1.jpg";

class PageKept : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override {
        PublishLocalMode.clear();
        MainFormTest::TearDown();
    }
    // A copy of a file of tests/data in the test's folder, writable.
    QString copyOf(const QString& data, const QString& name) {
        const QString copy = dir.filePath(name);
        EXPECT_TRUE(QFile::copy(dataPath(data), copy));
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return copy;
    }
    // File > Open, choosing path in the file dialog.
    void open(const QString& path) {
        whenModal([path](QWidget* w) { chooseFile(w, path); });
        form->FileOpen->trigger();
    }
    // File > Save, writing absolute references (the save-method question is not asked);
    // a page without a file is named path.
    void save(const QString& path = QString()) {
        PublishLocalMode = "AbsolutePath";
        if (!path.isEmpty())
            whenModal([path](QWidget* w) { chooseFile(w, path); });
        form->FileSave->trigger();
        ASSERT_FALSE(editor->IsDirty()) << "the save did not happen";
    }
    // File > Print to a PDF file, through the print dialog; the PDF's bytes.
    QByteArray printToPdf(const QString& name) {
        const QString target = dir.filePath(name);
        whenModal([target](QWidget* w) {
            auto* printers = field<QComboBox>(w, "printers");
            const int pdf = printers ? printers->findText("PDF", Qt::MatchContains) : -1;
            ASSERT_GE(pdf, 0) << "the print dialog offers no PDF file";
            printers->setCurrentIndex(pdf);
            field<QLineEdit>(w, "filename")->setText(target);
            qobject_cast<QDialog*>(w)->accept();
        });
        form->mnuFilePrint->trigger();
        return readBytes(target);
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(PageKept, EnterInARealPageLeavesItsIdOnOneParagraphOfTheSavedFile) {
    const QString path = copyOf(CorpusLinks, "links.html");
    open(path);
    ASSERT_EQ(editor->CurrentDocumentPath(), path);
    caretAtEnd(editor, "#bottom");
    pressKey(editor, Qt::Key_Return);
    typeText(editor, "Second para");
    save();
    const QString saved = readText(path);
    EXPECT_EQ(saved.count("id=\"bottom\""), 1) << qPrintable(saved);
    EXPECT_TRUE(saved.contains("Second para")) << qPrintable(saved);
    EXPECT_TRUE(saved.contains("The bottom of the page!")) << qPrintable(saved);
}

TEST_F(PageKept, ANewPageStaysInUtf8AndCarriesItsMarkAtEverySave) {
    form->FileNew_Click();
    clickAt(editor, QPoint(100, 15));
    typeText(editor, "plain");
    const QString path = dir.filePath("new.html");
    save(path);
    const QByteArray first = readBytes(path);
    EXPECT_FALSE(first.startsWith("\xEF\xBB\xBF")) << "plain ASCII needs no mark";
    EXPECT_TRUE(first.toLower().contains("<div>plain</div>")) << first.constData();
    EXPECT_EQ(editor->CharacterSet(), "UTF-8") << "the reload guessed another set";

    // Back from the file dialog, the user clicks at the end of the line and goes on.
    clickAt(editor, QPoint(400, 15));
    typeText(editor, QString::fromUtf8(" caf\xC3\xA9"));
    save();
    const QByteArray second = readBytes(path);
    EXPECT_TRUE(second.startsWith("\xEF\xBB\xBF")) << second.constData();
    EXPECT_TRUE(second.contains("plain caf\xC3\xA9")) << second.constData();

    clickAt(editor, QPoint(400, 15));
    typeText(editor, QString::fromUtf8(" \xCE\xB1"));
    save();
    const QByteArray third = readBytes(path);
    EXPECT_TRUE(third.startsWith("\xEF\xBB\xBF")) << third.constData();
    EXPECT_TRUE(third.contains("plain caf\xC3\xA9 \xCE\xB1")) << third.constData();
    EXPECT_TRUE(bodyHTML(editor).contains(QString::fromUtf8("plain café α")))
        << qPrintable(bodyHTML(editor));
}

TEST_F(PageKept, APictureNamedAsAPageIsRefusedAndTheCurrentPageKept) {
    const QString page = copyOf(CorpusLinks, "links.html");
    open(page);
    const QString before = body();
    const QString caption = form->windowTitle();
    PublishLocalMode = "Copy"; // the page's save method, chosen at its first save

    const QString picture = copyOf(CorpusPicture, "photo.html");
    QString message;
    whenModal([picture](QWidget* w) { chooseFile(w, picture); });
    acceptMessageBox(&message);
    form->FileOpen->trigger();
    EXPECT_EQ(message, "Error occurred while loading document: The file is not a Web page.");
    EXPECT_EQ(editor->CurrentDocumentPath(), page);
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_EQ(PublishLocalMode, "Copy");
    EXPECT_EQ(body(), before);
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(PageKept, OnlyTheStartOfAFileDecidesAndWideTextIsText) {
    // A NUL byte anywhere in the first 8 KB marks a file that is no page.
    QByteArray late(8 * 1024 - 1, 'x');
    late.prepend("<html><body><p>");
    late.truncate(8 * 1024 - 1);
    writeBytes(dir.filePath("late.html"), late + '\0' + "</p></body></html>");
    EXPECT_THROW(editor->LoadDocument(dir.filePath("late.html")), PlatformError);
    // Text in UTF-16 is full of NULs, and opens.
    QByteArray wide("\xFF\xFE", 2);
    for (char c : QByteArray("<html><body><p>wide</p></body></html>"))
        wide.append(c).append('\0');
    writeBytes(dir.filePath("wide.html"), wide);
    editor->LoadDocument(dir.filePath("wide.html"));
    EXPECT_EQ(body(), "<p>wide</p>");
    // An empty file is an empty page.
    writeBytes(dir.filePath("empty.html"), QByteArray());
    EXPECT_NO_THROW(editor->LoadDocument(dir.filePath("empty.html")));
}

TEST_F(PageKept, PrintingLeavesOutTheBordersAndTheDocumentDetails) {
    page("<p>Text <a name='n'>anchor</a></p><table><tr><td>cell one</td><td>two</td></tr></table>"
         "<script>var x = 1;</script><!-- a note --><div style='position:absolute; top:200px'>"
         "box</div>");
    editor->setShowBorders(false);
    editor->setShowDetails(false);
    const QByteArray plain = printToPdf("plain.pdf");
    ASSERT_FALSE(plain.isEmpty());
    form->ViewSub[0]->trigger(); // "&Borders"
    form->ViewSub[1]->trigger(); // "&Document Details"
    ASSERT_TRUE(editor->ShowBorders());
    ASSERT_TRUE(editor->ShowDetails());
    const QByteArray aided = printToPdf("aided.pdf");
    // The same page prints the same, but for the time it was printed.
    const QRegularExpression when(R"(\(D:[0-9Z+\-']*\))");
    EXPECT_TRUE(QString::fromLatin1(aided).remove(when) == QString::fromLatin1(plain).remove(when))
        << "the editing aids were printed";
}

TEST_F(PageKept, PrintingToAFileWritesTheTypedTextAsTextInThePdf) {
    form->FileNew_Click();
    clickAt(editor, QPoint(100, 15));
    typeText(editor, "Quillwort meadows");
    ASSERT_FALSE(printToPdf("typed.pdf").isEmpty());
    QProcess reader;
    reader.start("pdftotext", {dir.filePath("typed.pdf"), "-"});
    ASSERT_TRUE(reader.waitForFinished(60000)) << "pdftotext did not run";
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Quillwort meadows"))
        << "the PDF holds no such text: " << qPrintable(text);
}

TEST_F(PageKept, ASaveKeepsTheScrollPositionAndTheCaret) {
    const QString path = copyOf(CorpusLinks, "links.html");
    open(path);
    js(editor, "document.getElementById('bottom').scrollIntoView()");
    const int scrolled = js(editor, "window.scrollY").toInt();
    ASSERT_GT(scrolled, 100);
    clickAt(editor, centreOf(editor, "#bottom"));
    typeText(editor, "X");
    save();
    EXPECT_EQ(js(editor, "window.scrollY").toInt(), scrolled);
    // The typing goes on where it left off.
    typeText(editor, "Y");
    EXPECT_TRUE(
        js(editor, "document.getElementById('bottom').textContent").toString().contains("XY"))
        << qPrintable(js(editor, "document.getElementById('bottom').textContent").toString());
}
