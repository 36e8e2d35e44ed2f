// A page's life in the main window: New, Open, Save and Save As with the save-method
// prompt and the "Copy" method, the question before changes are lost, print and the
// browser preview, all answered as a user would.
#include "core/window/MainForm.h"
#include "core/Module1.h"
#include "core/PageFile.h"
#include "platform/DHTMLEdit.h"
#include "platform/Shell.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;
using Module1::PublishLocalMode;

namespace {

const QString App = "TSLY";
const QString ChangedQuestion = "The current document has changed.\r\n\r\nDo you want to save "
                                "changes?";

class PageLife : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        ASSERT_TRUE(dir.isValid());
        PublishLocalMode.clear();
        form = std::make_unique<MainForm>();
        form->resize(900, 700);
        form->show();
        editor = form->DHTMLEdit1;
        Shell::SetOpenHandler([this](const QString& target) { opened << target; });
    }
    void TearDown() override {
        Shell::SetOpenHandler({});
        PageFile::SetWriteFault({});
        clearModalWaiters();
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        if (form) {
            editor->setDocumentHTML("<html><body></body></html>", false);
            form->close();
        }
        form.reset();
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString file(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        writeBytes(path(name), bytes);
        return path(name);
    }
    // A page the user has changed.
    void changedPage(const QString& body) {
        editor->setDocumentHTML("<html><head></head><body>" + body + "</body></html>", true);
    }
    QString body() { return bodyHTML(editor); }

    // ---- the user's answers, queued before the action that asks --------------------
    // The save-method prompt: option 0 (copy) or 1 (absolute), with or without "Always".
    void answerPrompt(int option, bool always = false) {
        whenModal([=, this](QWidget* w) {
            ASSERT_EQ(w->objectName(), "frmPublishLocalPrompt");
            promptSeen = true;
            child<QRadioButton>(w, QString("optSaveMethod_%1").arg(option))->click();
            if (always)
                child<QCheckBox>(w, "chkAlwaysDoThis")->click();
            child<QPushButton>(w, "cmdOK")->click();
        });
    }
    void cancelPrompt() {
        whenModal([this](QWidget* w) {
            ASSERT_EQ(w->objectName(), "frmPublishLocalPrompt");
            promptSeen = true;
            child<QPushButton>(w, "cmdCancel")->click();
        });
    }
    // The file dialog: types target and presses its button, or cancels when target is "".
    void answerFileDialog(const QString& target) {
        whenModal([=, this](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_TRUE(dialog) << "expected a file dialog, got " << qPrintable(w->objectName());
            fileDialogTitles << dialog->windowTitle();
            if (target.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(target);
            auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
            buttons
                ->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                         : QDialogButtonBox::Open)
                ->click();
        });
    }
    // Whatever modal window comes next, by its name (message boxes by their text).
    void recordNextModal(QString* what) {
        whenModal([what](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            *what = box ? box->text() : w->objectName();
            if (auto* dialog = qobject_cast<QDialog*>(w))
                dialog->reject();
        });
    }

    QTemporaryDir dir;
    std::unique_ptr<MainForm> form;
    DHTMLEdit* editor = nullptr;
    QStringList opened;
    QStringList fileDialogTitles;
    bool promptSeen = false;
};

} // namespace

// ---- New -------------------------------------------------------------------------------

TEST_F(PageLife, NewOnAnUnchangedPageAsksNothingAndStartsTheNewTemplate) {
    editor->setDocumentHTML("<html><body><p>old</p></body></html>", false);
    PublishLocalMode = "Copy";
    QString asked;
    recordNextModal(&asked);
    form->FileNew->trigger();
    pump(100);
    EXPECT_EQ(asked, "");
    EXPECT_EQ(body(), "<div>&nbsp;</div>\n\n\n");
    EXPECT_EQ(editor->DOM().title(), "");
    EXPECT_EQ(PublishLocalMode, "");
    EXPECT_EQ(editor->CurrentDocumentPath(), "");
    EXPECT_FALSE(editor->IsDirty());
    EXPECT_EQ(form->windowTitle(), "Tessaly");
}

TEST_F(PageLife, NewOnAChangedPageCancelKeepsThePage) {
    changedPage("<p>mine</p>");
    QString question;
    answerMessageBox(QMessageBox::Cancel, &question);
    form->FileNew_Click();
    EXPECT_EQ(question, ChangedQuestion);
    EXPECT_EQ(body(), "<p>mine</p>");
    EXPECT_TRUE(editor->IsDirty());
}

TEST_F(PageLife, NewOnAChangedPageNoDiscardsTheChanges) {
    changedPage("<p>mine</p>");
    answerMessageBox(QMessageBox::No);
    form->FileNew_Click();
    EXPECT_EQ(body(), "<div>&nbsp;</div>\n\n\n");
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(PageLife, NewWithYesAndACancelledSaveAsKeepsThePage) {
    changedPage("<p>mine</p>");
    answerMessageBox(QMessageBox::Yes);
    answerPrompt(1);
    answerFileDialog("");
    EXPECT_EQ(form->PromptSaveChanges(), 2);
    EXPECT_EQ(fileDialogTitles, QStringList{"Save..."});
    // And through the menu: the new page is not started.
    answerMessageBox(QMessageBox::Yes);
    answerFileDialog("");
    form->FileNew_Click();
    EXPECT_EQ(body(), "<p>mine</p>");
    EXPECT_TRUE(editor->IsDirty());
}

TEST_F(PageLife, TheQuestionsAnswerCodes) {
    editor->setDocumentHTML("<html><body><p>same</p></body></html>", false);
    EXPECT_EQ(form->PromptSaveChanges(), 0);
    changedPage("<p>changed</p>");
    answerMessageBox(QMessageBox::No);
    EXPECT_EQ(form->PromptSaveChanges(), 7);
    const QString target = file("yes.htm", "old");
    storeSetting(App, "Misc", "PublishLocal", "AbsolutePath");
    editor->LoadDocument(target);
    changedPage("<p>saved</p>");
    answerMessageBox(QMessageBox::Yes);
    EXPECT_EQ(form->PromptSaveChanges(), 1);
    EXPECT_TRUE(readText(target).contains("<p>saved</p>"));
}

// ---- Open --------------------------------------------------------------------------------

TEST_F(PageLife, OpenWithACancelledDialogChangesNothingButTheSaveMethod) {
    editor->setDocumentHTML("<html><body><p>kept</p></body></html>", false);
    PublishLocalMode = "Copy";
    answerFileDialog("");
    form->FileOpen->trigger();
    EXPECT_EQ(fileDialogTitles.size(), 1);
    EXPECT_EQ(body(), "<p>kept</p>");
    EXPECT_EQ(PublishLocalMode, "");
    EXPECT_EQ(form->windowTitle(), "Tessaly");
}

TEST_F(PageLife, OpenCancelledAtTheQuestionOpensNothing) {
    changedPage("<p>mine</p>");
    PublishLocalMode = "AbsolutePath";
    answerMessageBox(QMessageBox::Cancel);
    QString next;
    recordNextModal(&next);
    form->FileOpen_Click();
    pump(100);
    EXPECT_EQ(next, ""); // no open dialog followed
    EXPECT_EQ(body(), "<p>mine</p>");
    EXPECT_EQ(PublishLocalMode, "AbsolutePath");
}

TEST_F(PageLife, OpenLoadsTheChosenPageAndShowsItsPath) {
    const QString page = file("chosen.html", "<html><head><title>Chosen</title></head><body>"
                                             "<p>from disk</p></body></html>");
    answerFileDialog(page);
    form->FileOpen_Click();
    EXPECT_EQ(body(), "<p>from disk</p>");
    EXPECT_EQ(editor->CurrentDocumentPath(), page);
    EXPECT_EQ(form->windowTitle(), "Tessaly - " + page);
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(PageLife, OpenTellsWhyAPageCannotBeLoaded) {
    const QString frames = file("frames.html", "<html><frameset><frame src=a.html></frameset>"
                                               "</html>");
    answerFileDialog(frames);
    QString message;
    acceptMessageBox(&message);
    form->FileOpen_Click();
    EXPECT_EQ(message, "Error occurred while loading document: Document contains a frameset.");
    EXPECT_EQ(body(), "");
    EXPECT_EQ(editor->CurrentDocumentPath(), "");
    EXPECT_EQ(form->windowTitle(), "Tessaly");
}

// ---- Save ----------------------------------------------------------------------------------

TEST_F(PageLife, SaveAfterNewAsksForANameThenSavesInPlace) {
    form->FileNew_Click();
    changedPage("<p>first</p>");
    const QString target = path("page.htm");
    answerPrompt(1);
    answerFileDialog(target);
    form->FileSave->trigger();
    EXPECT_TRUE(promptSeen);
    EXPECT_EQ(fileDialogTitles, QStringList{"Save..."});
    EXPECT_TRUE(readText(target).contains("<p>first</p>"));
    EXPECT_EQ(editor->CurrentDocumentPath(), target);
    EXPECT_EQ(form->windowTitle(), "Tessaly - " + target);
    EXPECT_FALSE(editor->IsDirty());
    EXPECT_EQ(PublishLocalMode, "AbsolutePath");
    EXPECT_EQ(setting(App, "Misc", "PublishLocal"), "<unset>");

    // The second save asks nothing and writes to the same file.
    changedPage("<p>second</p>");
    QString asked;
    recordNextModal(&asked);
    form->FileSave_Click();
    pump(100);
    EXPECT_EQ(asked, "");
    EXPECT_TRUE(readText(target).contains("<p>second</p>"));
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(PageLife, SaveAsAlwaysAsksForAName) {
    const QString first = file("first.htm", "<html><body><p>one</p></body></html>");
    editor->LoadDocument(first);
    PublishLocalMode = "AbsolutePath";
    const QString second = path("second.htm");
    answerFileDialog(second);
    EXPECT_TRUE(form->SavePage(true));
    EXPECT_EQ(editor->CurrentDocumentPath(), second);
    EXPECT_TRUE(readText(second).contains("<p>one</p>"));
}

TEST_F(PageLife, ThePromptsCheckBoxIsRememberedForTheNextPage) {
    changedPage("<p>one</p>");
    answerPrompt(1, true);
    answerFileDialog(path("one.htm"));
    ASSERT_TRUE(form->SavePage(true));
    EXPECT_EQ(setting(App, "Misc", "PublishLocal"), "AbsolutePath");

    form->FileNew_Click();
    EXPECT_EQ(PublishLocalMode, "");
    changedPage("<p>two</p>");
    promptSeen = false;
    answerFileDialog(path("two.htm")); // the first window to come up is the file dialog
    EXPECT_TRUE(form->SavePage(true));
    EXPECT_FALSE(promptSeen);
    EXPECT_EQ(PublishLocalMode, "AbsolutePath");
}

TEST_F(PageLife, AStoredMethodOtherThanTheTwoCountsAsCopy) {
    storeSetting(App, "Misc", "PublishLocal", "copy");
    const QString picture = file("pics/p.gif", "GIF");
    const QString page = file("site/page.htm", "<html><body></body></html>");
    editor->LoadDocument(page);
    changedPage("<img src=\"" + picture + "\">");
    EXPECT_TRUE(form->SavePage(false));
    EXPECT_EQ(PublishLocalMode, "Copy");
    EXPECT_EQ(readBytes(path("site/p.gif")), "GIF");
}

TEST_F(PageLife, CancellingThePromptAbandonsTheSave) {
    changedPage("<p>unsaved</p>");
    cancelPrompt();
    QString next;
    recordNextModal(&next);
    EXPECT_FALSE(form->SavePage(true));
    pump(100);
    EXPECT_TRUE(promptSeen);
    EXPECT_EQ(next, ""); // no file dialog
    EXPECT_TRUE(Module1::PublishPromptCancelled);
    EXPECT_EQ(PublishLocalMode, "");
    EXPECT_TRUE(editor->IsDirty());
}

TEST_F(PageLife, ThePromptsLabelsChooseTheirOptions) {
    changedPage("<p>x</p>");
    whenModal([](QWidget* w) {
        auto* copy = child<QRadioButton>(w, "optSaveMethod_0");
        auto* absolute = child<QRadioButton>(w, "optSaveMethod_1");
        EXPECT_TRUE(copy->isChecked());
        EXPECT_EQ(child<QLabel>(w, "lblHeading")->text(), "Saving your Web page");
        EXPECT_EQ(child<QLabel>(w, "lblSubHeading")->text(),
                  "Choose how you wish to save your Web pages.");
        EXPECT_EQ(w->size(), QSize(476, 332));
        QTest::mouseClick(child<QLabel>(w, "lblNoCopyImagesDesc"), Qt::LeftButton);
        EXPECT_TRUE(absolute->isChecked());
        QTest::mouseClick(child<QLabel>(w, "lblCopyImagesDesc"), Qt::LeftButton);
        EXPECT_TRUE(copy->isChecked());
        child<QPushButton>(w, "cmdOK")->click();
    });
    answerFileDialog("");
    form->SavePage(true);
    EXPECT_EQ(PublishLocalMode, "Copy");
}

TEST_F(PageLife, CopyMethodCopiesLinkedFilesAndWritesBareNames) {
    // The pictures folder and the documents folder stand for other drives.
    const QString a = file("pics/a.gif", "GIF89a");
    const QString b = file("docs/b.pdf", "%PDF");
    QDir().mkpath(path("site"));
    changedPage("<p><img src=\"" + a + "\"> <a href='file://" + b + "'>brief</a></p>");
    const QString target = path("site/index.htm");
    answerPrompt(0);
    answerFileDialog(target);
    ASSERT_TRUE(form->SavePage(true));
    const QString written = readText(target);
    EXPECT_TRUE(written.contains("<img src=\"a.gif\">")) << qPrintable(written);
    EXPECT_TRUE(written.contains("<a href=\"b.pdf\">brief</a>")) << qPrintable(written);
    EXPECT_EQ(readBytes(path("site/a.gif")), "GIF89a");
    EXPECT_EQ(readBytes(path("site/b.pdf")), "%PDF");
    EXPECT_EQ(body(), "<p><img src=\"a.gif\"> <a href=\"b.pdf\">brief</a></p>");
    EXPECT_FALSE(editor->IsDirty());
}

TEST_F(PageLife, AReadOnlyTargetIsRefusedAndTheSaveReportsNotSaved) {
    const QString target = file("locked.htm", "<html><body><p>old</p></body></html>");
    editor->LoadDocument(target);
    QFile::setPermissions(target,
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    PublishLocalMode = "AbsolutePath";
    changedPage("<p>new</p>");
    QString message;
    acceptMessageBox(&message);
    EXPECT_FALSE(form->SavePage(false));
    EXPECT_EQ(message, "Error occurred while saving document: 70 Access denied.");
    EXPECT_EQ(readText(target), "<html><body><p>old</p></body></html>");
    EXPECT_TRUE(editor->IsDirty());
    EXPECT_EQ(body(), "<p>new</p>");
}

TEST_F(PageLife, AFailedWriteLeavesTheOldFileWholeAndThePageChanged) {
    const QByteArray old = "<html><body><p>old</p></body></html>";
    const QString target = file("page.htm", old);
    editor->LoadDocument(target);
    PublishLocalMode = "AbsolutePath";
    changedPage("<p>new</p>");
    PageFile::SetWriteFault([](qint64) { return true; });
    QString message;
    acceptMessageBox(&message);
    EXPECT_FALSE(form->SavePage(false));
    EXPECT_EQ(message, "Error occurred while saving document: -2147024857 Disk is full.");
    EXPECT_EQ(readBytes(target), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"page.htm"});
    EXPECT_TRUE(editor->IsDirty());
    EXPECT_EQ(body(), "<p>new</p>");
    EXPECT_EQ(editor->CurrentDocumentPath(), target);
}

TEST_F(PageLife, AnEmptyPageIsNotSaved) {
    const QString target = file("page.htm", "<html><body><p>old</p></body></html>");
    editor->LoadDocument(target);
    PublishLocalMode = "AbsolutePath";
    js(editor, "document.removeChild(document.documentElement); true");
    QString message;
    acceptMessageBox(&message);
    EXPECT_FALSE(form->SavePage(false));
    EXPECT_EQ(message, "An error occurred while saving your Web page.  Please contact "
                       "support@tessaly.example for assistance.");
    EXPECT_EQ(readText(target), "<html><body><p>old</p></body></html>");
}

TEST_F(PageLife, AWesternPageIsWrittenInItsOwnCharacterSet) {
    const QString page =
        file("legacy.html", "<html><head><meta charset=\"windows-1252\"></head><body><p id=\"p\">"
                            "caf\xE9 na\xEFve \x80 \x93quoted\x94</p></body></html>");
    editor->LoadDocument(page);
    caretAtEnd(editor, "#p");
    editor->DOM().selection().createRange().pasteHTML(QString::fromUtf8(" α"));
    PublishLocalMode = "AbsolutePath";
    ASSERT_TRUE(form->SavePage(false));
    const QByteArray bytes = readBytes(page);
    EXPECT_TRUE(bytes.contains("caf\xE9 na\xEFve \x80 \x93quoted\x94 &#945;</p>")) << bytes.data();
    // Read back, every letter is there.
    EXPECT_EQ(editor->CharacterSet().toLower(), "windows-1252");
    EXPECT_EQ(body(), QString::fromUtf8("<p id=\"p\">café naïve € “quoted” α</p>"));
}

TEST_F(PageLife, ANewPageWithAccentsReadsBackTheSame) {
    form->FileNew_Click();
    changedPage(QString::fromUtf8("<p>Ærøskøbing – ζ 😀</p>"));
    PublishLocalMode = "AbsolutePath";
    answerFileDialog(path("new.htm"));
    ASSERT_TRUE(form->SavePage(true));
    EXPECT_EQ(body(), QString::fromUtf8("<p>Ærøskøbing – ζ 😀</p>"));
}

// ---- Print and preview ------------------------------------------------------------------

TEST_F(PageLife, PrintShowsThePrintDialogAndACancelPrintsNothing) {
    QString shown;
    whenModal([&](QWidget* w) {
        shown = w->objectName();
        qobject_cast<QDialog*>(w)->reject();
    });
    QString message;
    recordNextModal(&message);
    form->mnuFilePrint->trigger();
    pump(100);
    EXPECT_EQ(shown, "PrintDialog");
    EXPECT_EQ(message, "");
}

TEST_F(PageLife, APrintThatFailsIsReportedAndTheProgramGoesOn) {
    // With no printer at all, printing from the accepted dialog cannot succeed.
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    editor->setDocumentHTML("<html><body><p>to paper</p></body></html>", false);
    whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
    QString message;
    acceptMessageBox(&message);
    form->mnuFilePrint_Click();
    EXPECT_EQ(message, "Error occurred while printing document.");
    EXPECT_EQ(body(), "<p>to paper</p>");
}

TEST_F(PageLife, PreviewOfAnUnchangedPageOpensThePageItself) {
    const QString page = file("page.htm", "<html><body><p>saved</p></body></html>");
    editor->LoadDocument(page);
    form->UpdateCaption();
    form->BrowserPreview();
    EXPECT_EQ(opened, QStringList{page});
    EXPECT_FALSE(QFile::exists(path("tesytemp.htm")));
}

TEST_F(PageLife, PreviewOfAChangedPageOpensACopyBesideIt) {
    const QString page = file("page.htm", "<html><body><p>saved</p></body></html>");
    editor->LoadDocument(page);
    form->UpdateCaption();
    changedPage("<p>changed</p>");
    form->BrowserPreview();
    EXPECT_EQ(opened, QStringList{path("tesytemp.htm")});
    EXPECT_TRUE(readText(path("tesytemp.htm")).contains("<p>changed</p>"));
    EXPECT_TRUE(readText(page).contains("<p>saved</p>"));
    EXPECT_TRUE(editor->IsDirty());
}

TEST_F(PageLife, PreviewOfAPageWithoutAFileAsksForASaveFirst) {
    changedPage("<p>new</p>");
    PublishLocalMode = "AbsolutePath";
    QString message;
    acceptMessageBox(&message);
    answerFileDialog("");
    form->BrowserPreview();
    EXPECT_EQ(message, "Please save the Web page in order to view it using a browser.");
    EXPECT_TRUE(opened.isEmpty());

    acceptMessageBox();
    answerFileDialog(path("now-saved.htm"));
    form->BrowserPreview();
    EXPECT_EQ(opened, QStringList{path("now-saved.htm")});
}
