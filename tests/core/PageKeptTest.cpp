// A page under real use in the main window keeps what the user made of it: Enter in a
// real page leaves its ids single in the saved file.
#include "core/Module1.h"
#include "support/DialogDriver.h"
#include "support/MainFormFixture.h"

#include <QFile>
#include <QTemporaryDir>

using namespace TestSupport;
using DialogDriver::chooseFile;
using Module1::PublishLocalMode;

namespace {

const QString CorpusLinks = "corpus/introduction-to-html/tasks/links/links2-download.html";

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
