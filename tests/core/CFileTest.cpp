// The file dialog service: names split off paths, the preset filters, and the open and
// save dialogs as the user sees and answers them.
#include "core/CFile.h"
#include "platform/PlatformError.h"
#include "support/TestSupport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// What the open dialog showed when it came up.
struct Seen {
    bool opened = false;
    QString title;
    QString folder;
    QStringList filters;
    QString selectedFilter;
};

Seen look(QWidget* w) {
    Seen seen;
    auto* dialog = qobject_cast<QFileDialog*>(w);
    if (!dialog)
        return seen;
    seen.opened = true;
    seen.title = dialog->windowTitle();
    seen.folder = QDir(dialog->directory()).absolutePath();
    seen.filters = dialog->nameFilters();
    seen.selectedFilter = dialog->selectedNameFilter();
    return seen;
}

// Types a path into the dialog's name box and presses Open or Save.
void typeAndAccept(QWidget* w, const QString& path) {
    auto* dialog = qobject_cast<QFileDialog*>(w);
    ASSERT_TRUE(dialog) << "expected a file dialog, got " << qPrintable(w->objectName());
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_TRUE(name && buttons);
    name->setText(path);
    QPushButton* accept =
        buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                        : QDialogButtonBox::Open);
    ASSERT_TRUE(accept);
    accept->click();
}

void cancel(QWidget* w) {
    if (auto* dialog = qobject_cast<QDialog*>(w))
        dialog->reject();
}

} // namespace

TEST(CFileNames, SplitOnTheLastSlashOrBackslash) {
    EXPECT_EQ(CFile::GetFileName("D:\\a.htm"), "a.htm");
    EXPECT_EQ(CFile::GetPath("D:\\a.htm"), "D:");
    EXPECT_EQ(CFile::GetFileName("D:\\site\\img\\b.gif"), "b.gif");
    EXPECT_EQ(CFile::GetPath("D:\\site\\img\\b.gif"), "D:\\site\\img");
    EXPECT_EQ(CFile::GetFileName("/home/u/site/a.htm"), "a.htm");
    EXPECT_EQ(CFile::GetPath("/home/u/site/a.htm"), "/home/u/site");
    EXPECT_EQ(CFile::GetPath("/home/u\\mixed/b.gif"), "/home/u\\mixed");
    EXPECT_EQ(CFile::GetFileName("C:\\x/y\\z.gif"), "z.gif");
    EXPECT_EQ(CFile::GetFileName("abc"), "abc");
    EXPECT_EQ(CFile::GetFileName(""), "");
}

TEST(CFileNames, APathWithoutASeparatorIsAnInvalidArgument) {
    try {
        CFile::GetPath("abc");
        FAIL() << "GetPath of a bare name gave a path";
    } catch (const PlatformError& e) {
        EXPECT_EQ(e.Number, ErrorCode::InvalidArgument);
    }
}

TEST(CFileDefaults, ANewInstance) {
    CFile f;
    EXPECT_EQ(f.InitDir(), "C:\\");
    EXPECT_EQ(f.Filter(), "All Files (*.*)|*.*");
    EXPECT_EQ(f.FilterIndex(), 1);
    EXPECT_TRUE(f.CancelError());
    EXPECT_EQ(f.DialogTitle(), "Browse");
    EXPECT_EQ(f.PathAndFilename(), "");
    EXPECT_EQ(f.Filename(), "");
    EXPECT_EQ(f.Path(), "");
    // A drive root starts the dialogs in the home folder.
    EXPECT_EQ(CFile::DialogFolder("C:\\"), QDir::homePath());
    EXPECT_EQ(CFile::DialogFolder("/srv/pages"), "/srv/pages");
}

TEST(CFileFilters, PresetKindsAndNoFilterForOthers) {
    EXPECT_EQ(CFile::FilterForKind(CFile::WebPages),
              "All Files (*.*)|*.*|Web page files (*.html, *.htm, *.shtml, *.asp, *.php, "
              "*.phtml)|*.html;*.htm;*.shtml;*.asp;*.php;*.phtml|HTML files (*.html, "
              "*.htm)|*.html;*.htm|ASP Files (*.asp)|*.asp|PHP Files (*.php, *.php3, "
              "*.phtml)|*.php;*.php3;*.phtml");
    EXPECT_EQ(CFile::FilterForKind(CFile::Graphics),
              "All Files (*.*)|*.*|Graphics Files (*.jpeg, *.jpg, *.gif, "
              "*.png)|*.jpeg;*.jpg;*.gif;*.png|GIF Files (*.gif)|*.gif|JPEG Files (*.jpeg, "
              "*.jpg)|*.jpeg;*.jpg");
    EXPECT_EQ(CFile::FilterForKind(CFile::Multimedia),
              "All Files (*.*)|*.*|Multimedia files (*.wav, *.au, *.mid, *.swf, *.avi, *.mov, "
              "*.mpeg, *.mpg)|*.wav;*.au;*.mid;*.swf;*.avi;*.mov;*.mpeg;*.mpg|WAV Files "
              "(*.wav)|*.wav|AU Files (*.au)|*.au|MIDI Files (*.mid)|*.mid|Flash Files "
              "(*.swf)|*.swf|Video Files (*.avi, *.mov, *.mpeg, *.mpg)|*.avi;*.mov;*.mpeg;*.mpg");
    EXPECT_EQ(CFile::FilterForKind(CFile::ClassFiles),
              "All Files (*.*)|*.*|Java Class files (*.class)|*.class|Java Archive files "
              "(*.jar)|*.jar");
    EXPECT_EQ(CFile::FilterForKind(CFile::Text), "All Files (*.*)|*.*|Text Files (*.txt)|*.txt");
    EXPECT_EQ(CFile::FilterForKind(CFile::Programs), "All Files (*.*)|*.*|EXE Files (*.exe)|*.exe");
    EXPECT_EQ(CFile::FilterForKind(CFile::Sounds),
              "All Files (*.*)|*.*|WAV Files (*.wav)|*.wav|AU Files (*.au)|*.au|MIDI Files "
              "(*.mid)|*.mid");
    EXPECT_EQ(CFile::FilterForKind(CFile::Video),
              "All Files (*.*)|*.*|Video Files (*.avi, *.mov, *.mpeg, *.mpg)|*.avi;*.mov;*.mpeg;"
              "*.mpg");
    EXPECT_EQ(CFile::FilterForKind(CFile::Custom), "");
    EXPECT_EQ(CFile::FilterForKind(9), "");
    EXPECT_EQ(CFile::FilterForKind(-1), "");
}

class Dialogs : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { clearModalWaiters(); }
    QString file(const QString& name, const QByteArray& bytes = "x") {
        writeBytes(dir.filePath(name), bytes);
        return dir.filePath(name);
    }
    QTemporaryDir dir;
};

TEST_F(Dialogs, CustomBrowseStartsInItsFolderWithTheSecondFilterChosen) {
    const QString chosen = file("links.url");
    CFile f;
    f.setFilter("All Files (*.*)|*.*|URL files (*.url)|*.url");
    f.setInitDir(dir.path());
    Seen seen;
    whenModal([&](QWidget* w) {
        seen = look(w);
        typeAndAccept(w, chosen);
    });
    EXPECT_EQ(f.BrowseForFile(CFile::Custom), chosen);
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.title, "Browse");
    EXPECT_EQ(seen.folder, QDir(dir.path()).absolutePath());
    ASSERT_EQ(seen.filters.size(), 2);
    EXPECT_TRUE(seen.filters[1].startsWith(seen.selectedFilter));
    EXPECT_TRUE(seen.selectedFilter.startsWith("URL files (*.url)"));
    EXPECT_EQ(f.PathAndFilename(), chosen);
    EXPECT_EQ(f.Filename(), "links.url");
    EXPECT_EQ(f.Path(), dir.path());
}

TEST_F(Dialogs, PresetKindsChooseTheirOwnFileTypeAndUnknownKindsShowEverything) {
    Seen graphics, unknown, negative;
    whenModal([&](QWidget* w) {
        graphics = look(w);
        cancel(w);
    });
    CFile().BrowseForFile(CFile::Graphics);
    whenModal([&](QWidget* w) {
        unknown = look(w);
        cancel(w);
    });
    CFile().BrowseForFile(9);
    whenModal([&](QWidget* w) {
        negative = look(w);
        cancel(w);
    });
    CFile().BrowseForFile(-1);

    ASSERT_TRUE(graphics.opened && unknown.opened && negative.opened);
    ASSERT_EQ(graphics.filters.size(), 4);
    EXPECT_TRUE(graphics.selectedFilter.startsWith("Graphics Files (*.jpeg, *.jpg, *.gif, *.png)"))
        << qPrintable(graphics.selectedFilter);
    // No filter of ours: the dialog lists every file.
    for (const Seen* s : {&unknown, &negative})
        EXPECT_TRUE(s->filters.isEmpty() ||
                    s->filters == QStringList{QFileDialog::tr("All Files (*)")})
            << qPrintable(s->filters.join(" | "));
}

TEST_F(Dialogs, CancellingABrowseIsNoChoice) {
    CFile f;
    whenModal(cancel);
    EXPECT_EQ(f.BrowseForFile(CFile::WebPages), "");
    EXPECT_EQ(f.PathAndFilename(), "");

    // After a choice, a cancelled dialog leaves the last choice as it was.
    const QString chosen = file("page.html");
    whenModal([&](QWidget* w) { typeAndAccept(w, chosen); });
    EXPECT_EQ(f.BrowseForFile(CFile::WebPages), chosen);
    whenModal(cancel);
    EXPECT_EQ(f.BrowseForFile(CFile::WebPages), "");
    EXPECT_EQ(f.PathAndFilename(), chosen);
    EXPECT_EQ(f.Filename(), "page.html");
    EXPECT_EQ(f.Path(), dir.path());
}

TEST_F(Dialogs, SaveDialogHasItsOwnTitleAndStartsAtHome) {
    CFile f;
    f.setDialogTitle("Something else");
    f.setFilter("All Files (*.*)|*.*|HTML files (*.html, *.htm)|*.html;*.htm");
    f.setFilterIndex(2);
    Seen seen;
    const QString target = dir.filePath("new.htm");
    whenModal([&](QWidget* w) {
        seen = look(w);
        typeAndAccept(w, target);
    });
    EXPECT_EQ(f.GetFileNameForSave(), target);
    EXPECT_EQ(seen.title, "Save...");
    EXPECT_EQ(seen.folder, QDir::homePath());
    EXPECT_TRUE(seen.selectedFilter.startsWith("HTML files (*.html, *.htm)"))
        << qPrintable(seen.selectedFilter);
    EXPECT_EQ(f.PathAndFilename(), target);
    EXPECT_EQ(f.Filename(), "new.htm");
}

TEST_F(Dialogs, ChoosingAnExistingFileAsksBeforeItIsReplaced) {
    const QString existing = file("old.htm", "old page");
    CFile f;
    QString question;
    bool stillOpenAfterNo = false;
    whenModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_TRUE(dialog);
        // No: the dialog stays open for another name; Yes: that name is taken.
        answerMessageBox(QMessageBox::No, &question);
        typeAndAccept(w, existing);
        stillOpenAfterNo = dialog->isVisible();
        answerMessageBox(QMessageBox::Yes);
        typeAndAccept(w, existing);
    });
    EXPECT_EQ(f.GetFileNameForSave(), existing);
    EXPECT_TRUE(question.contains("already exists")) << qPrintable(question);
    EXPECT_TRUE(stillOpenAfterNo);
    EXPECT_EQ(readBytes(existing), "old page"); // the dialog only names the file
}

TEST_F(Dialogs, ACancelledSaveWithoutTheCancelErrorEmptiesTheNames) {
    CFile f;
    const QString first = dir.filePath("first.htm");
    whenModal([&](QWidget* w) { typeAndAccept(w, first); });
    ASSERT_EQ(f.GetFileNameForSave(), first);

    f.setCancelError(false);
    whenModal(cancel);
    EXPECT_EQ(f.GetFileNameForSave(), "");
    EXPECT_EQ(f.PathAndFilename(), "");
    EXPECT_EQ(f.Filename(), "");
    EXPECT_EQ(f.Path(), dir.path());
}
