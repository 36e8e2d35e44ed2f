// The "Copy" save method: local files named by src=, background= and href= are copied
// into the page's folder and their references rewritten to bare names, without ever
// losing a file or a working reference.
#include "core/LinkedFiles.h"
#include "core/Module1.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;
using Module1::CopyLinkedFiles;

namespace {

class Copying : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir(dir.path()).mkpath("site");
        QDir(dir.path()).mkpath("pics");
        QDir(dir.path()).mkpath("docs");
        page = path("site/index.htm");
    }
    QString path(const QString& relative) const { return dir.filePath(relative); }
    QString file(const QString& relative, const QByteArray& content) const {
        writeBytes(path(relative), content);
        return path(relative);
    }
    // The three passes of a save.
    QString copyAll(const QString& html) const {
        QString out = CopyLinkedFiles(html, "src=", page);
        out = CopyLinkedFiles(out, "background=", page);
        return CopyLinkedFiles(out, "href=", page);
    }
    QTemporaryDir dir;
    QString page;
};

} // namespace

TEST_F(Copying, DrivePathAndFileAddressBecomeBareNamesInTheirQuotes) {
    const QString a = file("pics/a.gif", "GIF89a-a");
    const QString b = file("docs/b.pdf", "%PDF-b");
    const QString html =
        "<html><body><img src=\"" + a + "\"><a href='file://" + b + "'>brief</a></body></html>";
    EXPECT_EQ(copyAll(html),
              "<html><body><img src=\"a.gif\"><a href='b.pdf'>brief</a></body></html>");
    EXPECT_EQ(readBytes(path("site/a.gif")), "GIF89a-a");
    EXPECT_EQ(readBytes(path("site/b.pdf")), "%PDF-b");
    // The originals stay where they were.
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_TRUE(QFile::exists(b));
}

TEST_F(Copying, UnquotedValuesEndAtABlankOrAtTheTagsEnd) {
    const QString a = file("pics/a.gif", "a");
    const QString b = file("pics/b.gif", "b");
    EXPECT_EQ(
        CopyLinkedFiles("<p><img src=" + a + " width=5><img src=" + b + "></p>", "src=", page),
        "<p><img src=a.gif width=5><img src=b.gif></p>");
    EXPECT_TRUE(QFile::exists(path("site/a.gif")));
    EXPECT_TRUE(QFile::exists(path("site/b.gif")));
}

TEST_F(Copying, AFileNamedSeveralTimesIsCopiedOnceAndEveryReferenceRewritten) {
    const QString a = file("pics/a.gif", "a");
    const QString html = "<body background=\"" + a + "\"><img SRC=\"" + a +
                         "\"><img src=\"FILE://" + a + "\"><a href=\"" + a + "\">x</a></body>";
    EXPECT_EQ(copyAll(html), "<body background=\"a.gif\"><img SRC=\"a.gif\"><img "
                             "src=\"a.gif\"><a href=\"a.gif\">x</a></body>");
    EXPECT_EQ(QDir(path("site")).entryList(QDir::Files), QStringList{"a.gif"});
}

TEST_F(Copying, PathsInOtherLetterCaseAreOtherFilesHere) {
    const QString lower = file("pics/a.gif", "lower");
    const QString upper = lower.left(lower.size() - 5) + "A.gif";
    writeBytes(upper, "upper");
    const QString html = "<img src=\"" + lower + "\"><img src=\"" + upper + "\">";
    EXPECT_EQ(CopyLinkedFiles(html, "src=", page), "<img src=\"a.gif\"><img src=\"A.gif\">");
    EXPECT_EQ(readBytes(path("site/a.gif")), "lower");
    EXPECT_EQ(readBytes(path("site/A.gif")), "upper");
}

TEST_F(Copying, AFailedCopyKeepsTheOriginalReference) {
    const QString missing = path("pics/gone.gif");
    const QString folderAsFile = path("docs");
    const QString html = "<img src=\"file://" + missing +
                         "\"><img src=\"E:\\pics\\a.gif\">"
                         "<img src=\"file://" +
                         folderAsFile + "\">";
    EXPECT_EQ(CopyLinkedFiles(html, "src=", page), html);
    EXPECT_TRUE(QDir(path("site")).entryList(QDir::Files).isEmpty());
}

TEST_F(Copying, AnUnrelatedFileOfTheSameNameIsNeverOverwritten) {
    file("site/logo.png", "the site's own logo");
    const QString other = file("pics/logo.png", "another picture");
    const QString html = "<img src=\"" + other + "\">";
    EXPECT_EQ(CopyLinkedFiles(html, "src=", page), html);
    EXPECT_EQ(readBytes(path("site/logo.png")), "the site's own logo");
}

TEST_F(Copying, ASecondSourceOfTheSameNameKeepsItsPath) {
    const QString first = file("pics/x.gif", "first");
    const QString second = file("docs/x.gif", "second");
    const QString identical = file("x.gif", "first");
    const QString html =
        "<img src=\"" + first + "\"><img src=\"" + second + "\"><img src=\"" + identical + "\">";
    // An identical file counts as already copied.
    EXPECT_EQ(CopyLinkedFiles(html, "src=", page),
              "<img src=\"x.gif\"><img src=\"" + second + "\"><img src=\"x.gif\">");
    EXPECT_EQ(readBytes(path("site/x.gif")), "first");
}

TEST_F(Copying, AFileAlreadyInThePagesFolderIsRewrittenWithoutACopy) {
    const QString own = file("site/own.gif", "own picture");
    const QString html = "<img src=\"" + own + "\"><img src=\"file://" + own + "\">";
    EXPECT_EQ(CopyLinkedFiles(html, "src=", page), "<img src=\"own.gif\"><img src=\"own.gif\">");
    EXPECT_EQ(readBytes(own), "own picture");
}

TEST_F(Copying, NothingIsCopiedOntoThePageItself) {
    const QString sameName = file("docs/index.htm", "another page");
    const QString html = "<a href=\"" + sameName + "\">other</a>";
    EXPECT_EQ(CopyLinkedFiles(html, "href=", page), html);
    EXPECT_FALSE(QFile::exists(page));
}

TEST_F(Copying, OnlyWholeValuesNamingTheFileAreRewritten) {
    const QString a = file("pics/a.gif", "a");
    file("pics/a.gif.bak", "backup");
    const QString html = "<img src=\"" + a + "\"><a href=\"" + a + ".bak\">backup</a><p>" + a +
                         "</p><img alt=\"" + a + "\">";
    EXPECT_EQ(CopyLinkedFiles(html, "src=", page), "<img src=\"a.gif\"><a href=\"" + a +
                                                       ".bak\">backup</a><p>" + a +
                                                       "</p><img alt=\"" + a + "\">");
}

TEST_F(Copying, ValuesAreDecodedBeforeTheyNameAFile) {
    const QString tricky = file("pics/a&b.gif", "ampersand");
    QString written = tricky;
    written.replace("&", "&amp;");
    EXPECT_EQ(CopyLinkedFiles("<img src=\"" + written + "\">", "src=", page),
              "<img src=\"a&amp;b.gif\">");
    EXPECT_EQ(readBytes(path("site/a&b.gif")), "ampersand");
}

TEST_F(Copying, WhatNamesNoLocalFileIsLeftAlone) {
    const QString html =
        "<img src=\"images/a.gif\"><img src=\"/images/site-root.gif\">"
        "<a href=\"http://example.com/a.gif\">w</a>"
        "<a href=\"file://relative/a.gif\">r</a>"
        "<a href=\"//server/share/a.gif\">n</a><a href=\"\\\\server\\a.gif\">u</a>";
    EXPECT_EQ(copyAll(html), html);
    EXPECT_TRUE(QDir(path("site")).entryList(QDir::Files).isEmpty());
}

TEST_F(Copying, ATokenAtTheVeryStartAndAnUnclosedQuoteAreNoReferences) {
    const QString a = file("pics/a.gif", "a");
    const QString atStart = "src=" + a + " rest";
    EXPECT_EQ(CopyLinkedFiles(atStart, "src=", page), atStart);
    const QString unclosed = "<img src=\"" + a;
    EXPECT_EQ(CopyLinkedFiles(unclosed, "src=", page), unclosed);
    EXPECT_FALSE(QFile::exists(path("site/a.gif")));
}

TEST_F(Copying, ARealPageOfManyReferences) {
    // A corpus page whose pictures and picture links are named by absolute paths and
    // file addresses, two of them missing, and a site file already there under one name.
    const QString source = dataPath("corpus/introduction-to-html/"
                                    "structuring-a-page-of-content-finished");
    const QString original = readText(source + "/index.html");
    ASSERT_FALSE(original.isEmpty());
    const QStringList pictures = QDir(source).entryList({"*.jpg", "*.png"}, QDir::Files);
    ASSERT_GE(pictures.size(), 5);
    QString html = original;
    QStringList named; // "attr|name" of every reference made absolute
    for (const QString& name : pictures) {
        QFile::copy(source + "/" + name, path("pics/" + name));
        for (const QString attr : {"src", "href"}) {
            const QString relative = attr + "=\"" + name + "\"";
            if (!html.contains(relative))
                continue;
            const QString local =
                named.size() % 2 ? "file://" + path("pics/" + name) : path("pics/" + name);
            html.replace(relative, attr + "=\"" + local + "\"");
            named << attr + "|" + name;
        }
    }
    ASSERT_GE(named.size(), 9);
    html.replace("</body>", "<img src=\"" + path("pics/missing.jpg") + "\"><img src=\"file://" +
                                path("pics/none.png") + "\"></body>");
    const QString taken = pictures.first();
    file("site/" + taken, "unrelated");

    const QString out = copyAll(html);
    for (const QString& entry : named) {
        const QString attr = entry.section('|', 0, 0);
        const QString name = entry.section('|', 1);
        if (name == taken)
            continue;
        EXPECT_TRUE(out.contains(attr + "=\"" + name + "\"")) << qPrintable(entry);
        EXPECT_FALSE(out.contains(path("pics/" + name) + "\"")) << qPrintable(entry);
        EXPECT_EQ(readBytes(path("site/" + name)), readBytes(source + "/" + name));
    }
    // The name already taken keeps its path, and so do the files that could not be copied.
    EXPECT_EQ(readBytes(path("site/" + taken)), "unrelated");
    EXPECT_TRUE(out.contains(path("pics/" + taken) + "\""));
    EXPECT_TRUE(out.contains("src=\"" + path("pics/missing.jpg") + "\""));
    EXPECT_TRUE(out.contains("src=\"file://" + path("pics/none.png") + "\""));
    // Everything else of the page is as it was.
    static const QRegularExpression anyReference("(src|href)=\"[^\"]*\"");
    EXPECT_EQ(QString(out).remove(anyReference), QString(html).remove(anyReference));
}
