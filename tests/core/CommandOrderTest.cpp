// One command at a time: a command that comes while another waits on the page (from a
// timer, as a plug-in's would) runs after it, or not at all where it would repeat it,
// never inside it; a window deleted while a command waits ends its waits; the engine
// stopping in the middle of a command is told once, and the page comes back as it was.
#include "platform/PageKeeper.h"
#include "support/DialogDriver.h"
#include "support/MainFormFixture.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <csignal>
#include <sys/stat.h>

using namespace TestSupport;
using DialogDriver::chooseFile;

namespace {

const QString LastParagraph = "<p id=\"last\">The end</p>";

// Every message box that shows while it lives, answered with No (a question: the page is
// not saved) or OK.
class MessageLog {
public:
    MessageLog() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || box == last_)
                return;
            last_ = box;
            texts << box->text();
            QAbstractButton* answer = box->button(QMessageBox::No);
            if (!answer)
                answer = box->button(QMessageBox::Ok);
            if (answer)
                answer->click();
            else
                box->close();
        });
        poll_.start(10);
    }
    QStringList texts;

private:
    QTimer poll_;
    QPointer<QMessageBox> last_;
};

class CommandOrder : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        large = writeLargePage(dir.filePath("large.html"), 5 * 1024 * 1024);
        largeBytes = QFileInfo(large).size();
        storeSetting("TSLY", "Misc", "PublishLocal", "AbsolutePath"); // no save-method question
    }
    // File > Open, choosing path; then, if given, what comes while the page loads.
    void open(const QString& path, const std::function<void()>& duringLoad = {}) {
        whenModal([path, duringLoad](QWidget* w) {
            if (duringLoad)
                QTimer::singleShot(0, duringLoad);
            chooseFile(w, path);
        });
        form->FileOpen->trigger();
    }
    // Until no command runs or waits: a probe runs only then.
    bool idle() {
        return waitUntil([&] { return form->runCommand("probe", [] {}); });
    }
    qint64 renderProcess() { return editor->view()->page()->renderProcessPid(); }
    static ino_t inodeOf(const QString& path) {
        struct stat st {};
        return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
    }

    QTemporaryDir dir;
    QString large;
    qint64 largeBytes = 0;
};

} // namespace

TEST_F(CommandOrder, CommandsThatComeDuringASaveRunAfterItAndOnlyOnce) {
    MessageLog messages;
    // New and Open while the large page loads wait for it: it opens whole, under its own
    // name; then New replaces it, and the second Open, the same as the one that ran, is
    // not run again.
    open(large, [this] {
        form->FileNew->trigger();
        form->FileOpen->trigger();
    });
    EXPECT_TEXT(editor->CurrentDocumentPath(), large) << "something ran inside the load";
    ASSERT_TRUE(idle());
    EXPECT_TEXT(editor->CurrentDocumentPath(), "");
    EXPECT_TEXT(form->windowTitle(), "Tessaly");
    EXPECT_EQ(QFileInfo(large).size(), largeBytes);

    // A second Save during a Save (menu and toolbar alike) is the same save: one write.
    const QString page = writeLargePage(dir.filePath("page.html"), 1024 * 1024);
    open(page);
    caretAtEnd(editor, "#last");
    typeText(editor, " EDIT");
    QTimer::singleShot(0, form.get(), [this] {
        form->FileSave->trigger();
        form->findChild<QAction*>("Toolbar3_Save")->trigger();
    });
    form->FileSave->trigger();
    const ino_t written = inodeOf(page);
    ASSERT_TRUE(idle());
    EXPECT_EQ(inodeOf(page), written) << "the page was written more than once";
    EXPECT_TRUE(readText(page).contains("<p id=\"last\">The end EDIT</p>"));
    EXPECT_FALSE(editor->IsDirty());

    // New during a Save runs after it: the save is whole, and New asks nothing of a page
    // just saved.
    typeText(editor, " MORE");
    QTimer::singleShot(0, form.get(), [this] { form->FileNew->trigger(); });
    form->FileSave->trigger();
    EXPECT_TEXT(editor->CurrentDocumentPath(), page) << "New ran inside the save";
    ASSERT_TRUE(idle());
    EXPECT_TEXT(editor->CurrentDocumentPath(), "");
    EXPECT_TRUE(readText(page).contains("<p id=\"last\">The end EDIT MORE</p>"));
    EXPECT_TRUE(messages.texts.isEmpty()) << qPrintable(messages.texts.join(" | "));

    // A close during Save As's dialog waits for the save, then asks its question once.
    typeText(editor, "x");
    whenModal([this](QWidget* w) {
        QTimer::singleShot(0, form.get(), [this] { form->close(); });
        QTimer::singleShot(100, w, [w] { w->close(); }); // the dialog is cancelled
    });
    form->FileSave->trigger();
    EXPECT_TRUE(form->isVisible());
    ASSERT_TRUE(waitUntil([&] { return !form->isVisible(); })) << "the close never came";
    EXPECT_EQ(messages.texts,
              QStringList{"The current document has changed.\r\n\r\nDo you want to save changes?"});
}

TEST_F(CommandOrder, AWindowDeletedWhileACommandWaitsEndsItsWaits) {
    // While File > Open loads the page.
    QPointer<MainForm> window = form.get();
    open(large, [this] { form.reset(); });
    EXPECT_TRUE(window.isNull());

    // While File > Save reads it.
    form = std::make_unique<MainForm>();
    form->show();
    editor = form->DHTMLEdit1;
    open(large);
    caretAtEnd(editor, "#last");
    typeText(editor, " EDIT");
    // Two turns of the event loop: the save's first turn is before it reads the page.
    QTimer::singleShot(0, [this] { QTimer::singleShot(0, [this] { form.reset(); }); });
    form->FileSave->trigger();
    EXPECT_FALSE(form);
    pump(200);
    EXPECT_EQ(QFileInfo(large).size(), largeBytes);
    EXPECT_TRUE(readText(large).endsWith(LastParagraph + "\n</body></html>\n"));
}

TEST_F(CommandOrder, TheEngineStoppingDuringACommandIsToldOnceAndThePageComesBack) {
    const QRegularExpression restored(
        "The editor stopped working and has restored your Web page as it was at "
        "\\d\\d:\\d\\d:\\d\\d; check the last changes before you save\\.$");
    const QString small = dir.filePath("small.html");
    writeText(small, "<html><body><p id=\"p\">Mine</p></body></html>");
    open(small);
    MessageLog messages;

    // During an Open: one message, and the page that was there is back, unchanged.
    open(large, [this] { ::kill(pid_t(renderProcess()), SIGKILL); });
    ASSERT_TRUE(waitUntil([&] { return !messages.texts.isEmpty(); })) << "nobody was told";
    ASSERT_TRUE(idle());
    pump(300);
    ASSERT_EQ(messages.texts.size(), 1) << qPrintable(messages.texts.join(" | "));
    EXPECT_TRUE(restored.match(messages.texts[0]).hasMatch()) << qPrintable(messages.texts[0]);
    EXPECT_TEXT(body(), "<p id=\"p\">Mine</p>");
    EXPECT_TEXT(editor->CurrentDocumentPath(), small);
    EXPECT_FALSE(editor->IsDirty());

    // After typing: the typed text, the name and the changed state come back, and Save
    // writes them.
    caretAtEnd(editor, "#p");
    typeText(editor, " UNSAVEDWORK");
    // The copy is read a moment after the change is reported, which itself takes a moment.
    ASSERT_TRUE(waitUntil([&] { return editor->keeper().copy().html.contains("UNSAVEDWORK"); }))
        << "the copy never took the typed text";
    ::kill(pid_t(renderProcess()), SIGKILL);
    ASSERT_TRUE(waitUntil([&] { return messages.texts.size() == 2; })) << "nobody was told";
    EXPECT_TRUE(restored.match(messages.texts[1]).hasMatch()) << qPrintable(messages.texts[1]);
    EXPECT_TEXT(body(), "<p id=\"p\">Mine UNSAVEDWORK</p>");
    EXPECT_TEXT(form->windowTitle(), "Tessaly - " + small);
    EXPECT_TRUE(editor->IsDirty());
    form->FileSave->trigger();
    EXPECT_TRUE(readText(small).contains("<p id=\"p\">Mine UNSAVEDWORK</p>"));
    EXPECT_FALSE(editor->IsDirty());

    // During a Save: the file keeps what it had, the page its changes, and one message
    // says both.
    const QByteArray before = readBytes(small);
    caretAtEnd(editor, "#p");
    typeText(editor, " MORE");
    ASSERT_TRUE(waitUntil([&] { return editor->keeper().copy().html.contains("MORE"); }))
        << "the copy never took the typed text";
    QTimer::singleShot(0, form.get(), [this] { ::kill(pid_t(renderProcess()), SIGKILL); });
    form->FileSave->trigger();
    ASSERT_TRUE(idle());
    pump(300);
    ASSERT_EQ(messages.texts.size(), 3) << qPrintable(messages.texts.join(" | "));
    EXPECT_TRUE(messages.texts[2].contains(
        "Your Web page was not saved; the file on disk is unchanged. The editor stopped working"))
        << qPrintable(messages.texts[2]);
    EXPECT_TRUE(restored.match(messages.texts[2]).hasMatch()) << qPrintable(messages.texts[2]);
    EXPECT_EQ(readBytes(small), before);
    EXPECT_TEXT(body(), "<p id=\"p\">Mine UNSAVEDWORK MORE</p>");
    EXPECT_TRUE(editor->IsDirty());
    EXPECT_TEXT(editor->CurrentDocumentPath(), small);
}
