// Real pages opened, saved and opened again keep every element, attribute, character
// and reference. Each process takes a share of the corpus.
#include "core/window/MainForm.h"
#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "support/TestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace TestSupport;

namespace {

constexpr int PagesPerShare = 8;
constexpr int Shares = 9;

QStringList corpusPages() {
    QStringList pages;
    QDirIterator it(dataPath("corpus"), {"*.html", "*.htm"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        pages << it.next();
    pages.sort();
    return pages;
}

class CorpusRoundTrip : public ::testing::TestWithParam<int> {};

} // namespace

TEST(CorpusShares, CoverEveryPage) {
    EXPECT_LE(corpusPages().size(), PagesPerShare * Shares);
}

TEST_P(CorpusRoundTrip, SavedAndReopenedPagesAreUnchanged) {
    const QStringList pages = corpusPages().mid(GetParam() * PagesPerShare, PagesPerShare);
    if (pages.isEmpty())
        GTEST_SKIP() << "no pages in this share";
    resetSettings();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    MainForm form;
    form.show();
    DHTMLEdit* editor = form.DHTMLEdit1;
    for (const QString& original : pages) {
        SCOPED_TRACE(qPrintable(original));
        const QString copy = dir.filePath(QFileInfo(original).fileName());
        QFile::remove(copy);
        ASSERT_TRUE(QFile::copy(original, copy));
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        editor->LoadDocument(copy);
        const QString opened = editor->DocumentHTML();
        const QString charset = editor->CharacterSet();
        Module1::PublishLocalMode = "Copy"; // relative references stay as they are
        ASSERT_TRUE(form.SavePage(false));
        EXPECT_EQ(editor->DocumentHTML(), opened);
        EXPECT_EQ(editor->CharacterSet(), charset);
        EXPECT_FALSE(editor->IsDirty());
    }
    editor->setDocumentHTML("<html><body></body></html>", false);
}

INSTANTIATE_TEST_SUITE_P(Shares, CorpusRoundTrip, ::testing::Range(0, Shares));
