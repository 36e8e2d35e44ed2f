// Save As of a real page into another folder, driven as a user would: the saved folder
// shows the page as the editor did, with "Copy" from files of its own and with
// "AbsolutePath" from where they are; what cannot come along is told once.
#include "core/Module1.h"
#include "support/MainFormFixture.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace TestSupport;

namespace {

class SaveAsElsewhere : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        const QString corpus =
            dataPath("corpus/introduction-to-html/structuring-a-page-of-content-finished");
        QDir().mkpath(path("old"));
        QDir().mkpath(path("new"));
        for (const QString& name : QDir(corpus).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(corpus + "/" + name, path("old/" + name)));
        original = QDir(path("old")).entryList({"*.png", "*.jpg", "*.css"}, QDir::Files);
        ASSERT_GE(original.size(), 10);
    }
    void TearDown() override {
        QFile::setPermissions(path("new"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner);
        Module1::PublishLocalMode.clear();
        MainFormTest::TearDown();
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    // Save As into target with method; the texts of the message boxes that follow.
    bool saveAs(const QString& target, const QString& method, QStringList& messages) {
        Module1::PublishLocalMode = method;
        whenModal([target](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_TRUE(dialog) << "expected the save dialog";
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(target);
            dialog->findChild<QDialogButtonBox*>("buttonBox")
                ->button(QDialogButtonBox::Save)
                ->click();
        });
        for (int i = 0; i < 2; ++i)
            whenModal([&messages](QWidget* w) {
                if (auto* box = qobject_cast<QMessageBox*>(w)) {
                    messages << box->text();
                    box->accept();
                }
            });
        const bool saved = form->SavePage(true);
        pump(200);
        clearModalWaiters();
        return saved;
    }
    // The page opened fresh from its file, once its pictures had time to come.
    void reopen(const QString& target) {
        editor->LoadDocument(target);
        waitUntil([this] { return picturesShown() == 5; }, 10000);
    }
    int picturesShown() {
        return js(editor, "Array.from(document.images).filter(i => i.naturalWidth > 0).length")
            .toInt();
    }
    QString pageBackground() {
        return js(editor, "getComputedStyle(document.documentElement).backgroundColor").toString();
    }

    QTemporaryDir dir;
    QStringList original; // the pictures and the style sheet beside the page
};

} // namespace

TEST_F(SaveAsElsewhere, CopyBringsEveryPictureAndTheStyleSheetToTheirPlaces) {
    editor->LoadDocument(path("old/index.html"));
    const QString styled = pageBackground();
    ASSERT_EQ(styled, "rgb(169, 169, 169)");
    caretAtEnd(editor, "h1");
    typeText(editor, "!");
    const QString typed = editor->DocumentHTML();
    ASSERT_TRUE(typed.contains("Birdwatching!"));

    QStringList messages;
    ASSERT_TRUE(saveAs(path("new/index.html"), "Copy", messages));
    EXPECT_EQ(messages, QStringList{});
    for (const QString& name : original)
        EXPECT_EQ(readBytes(path("new/" + name)), readBytes(path("old/" + name)))
            << qPrintable(name);

    // Nothing of the old folder is needed any more.
    QDir(path("old")).removeRecursively();
    reopen(path("new/index.html"));
    EXPECT_EQ(picturesShown(), 5);
    EXPECT_EQ(pageBackground(), styled);
    EXPECT_TEXT(editor->DocumentHTML(), typed);
}

TEST_F(SaveAsElsewhere, AbsolutePathNamesThePicturesWhereTheyAre) {
    editor->LoadDocument(path("old/index.html"));
    QStringList messages;
    ASSERT_TRUE(saveAs(path("new/index.html"), "AbsolutePath", messages));
    EXPECT_EQ(messages, QStringList{});
    EXPECT_EQ(QDir(path("new")).entryList(QDir::Files), QStringList{"index.html"});
    const QString written = readText(path("new/index.html"));
    EXPECT_TRUE(written.contains("src=\"file://" + path("old/dove.png") + "\""));
    EXPECT_TRUE(written.contains("href=\"file://" + path("old/style.css") + "\""));
    reopen(path("new/index.html"));
    EXPECT_EQ(picturesShown(), 5);
    EXPECT_EQ(pageBackground(), "rgb(169, 169, 169)");
}

TEST_F(SaveAsElsewhere, WhatCouldNotBeCopiedIsToldOnceAfterTheSave) {
    editor->LoadDocument(path("old/index.html"));
    const QString before = editor->DocumentHTML();
    // A folder nobody may write: the save fails with its one message, nothing copied.
    QFile::setPermissions(path("new"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QStringList messages;
    EXPECT_FALSE(saveAs(path("new/index.html"), "Copy", messages));
    EXPECT_EQ(messages, QStringList{"Error occurred while saving document: 70 Access denied."});
    EXPECT_TRUE(QDir(path("new")).isEmpty());
    EXPECT_TEXT(editor->DocumentHTML(), before);
    EXPECT_EQ(picturesShown(), 5);

    // Writable, with another picture of one name already there and one picture that
    // cannot be read: the page is saved, the rest copied, and the message names both.
    QFile::setPermissions(path("new"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    writeBytes(path("new/dove.png"), "the new site's own dove");
    QFile::setPermissions(path("old/favorite-2_th.jpg"), {});
    messages.clear();
    ASSERT_TRUE(saveAs(path("new/index.html"), "Copy", messages));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TEXT(messages[0],
                "Your Web page was saved, but these files could not be copied into its folder, "
                "so the folder is not yet ready to publish:\r\n\r\n" +
                    path("old/dove.png") + " (a different file of that name is already there)\r\n" +
                    path("old/favorite-2_th.jpg") + " (it cannot be read)");
    EXPECT_EQ(readBytes(path("new/dove.png")), "the new site's own dove");
    EXPECT_FALSE(QFile::exists(path("new/favorite-2_th.jpg")));
    EXPECT_TRUE(QFile::exists(path("new/favorite-2.jpg")));
    EXPECT_TRUE(QFile::exists(path("new/style.css")));
    // The two keep naming their originals, so the page still shows them.
    reopen(path("new/index.html"));
    EXPECT_TRUE(js(editor, "document.images[0].getAttribute('src')")
                    .toString()
                    .startsWith("file://" + path("old/dove.png")));
    EXPECT_EQ(js(editor, "document.images[0].naturalWidth > 0").toBool(), true);
}
