// The "Copy" save method: local files named by src=, background= and href= are copied
// into the page's folder and their references rewritten to bare names, without ever
// losing a file or a working reference.
#include "core/window/LinkedFiles.h"
#include "core/Module1.h"
#include "effects/EffectMarkup.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;
using LinkedFiles::CopyLinkedFiles;

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
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
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

// ---- the whole save: every real reference at once, and the page moving ---------------

namespace {

class Publishing : public Copying {
protected:
    // The page as it was saved in old/ and is now written to page (site/index.htm).
    LinkedFiles::Result publish(const QString& html,
                                LinkedFiles::Method method = LinkedFiles::Method::Copy) {
        return LinkedFiles::Publish(html, {page, path("old/index.htm"), method, QString()});
    }
    QStringList siteFiles() const {
        QStringList found;
        QDirIterator it(path("site"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << QDir(path("site")).relativeFilePath(it.next());
        found.sort();
        return found;
    }
};

} // namespace

TEST_F(Publishing, OnlyRealReferencesAreReadOrChanged) {
    const QString notes = file("docs/notes.txt", "notes");
    const QString a = file("pics/a.gif", "a");
    // Everything here looks like a reference to notes.txt or a.gif, and none is one.
    const QString html = "<html><head><title>src=" + notes + "</title><script>var src = '" + a +
                         "'; document.title = 'src=\"" + a +
                         "\"';</script></head><body>"
                         "<p>mentions src=" +
                         notes + " and href=\"" + notes +
                         "\"</p>"
                         "<img data-src=\"" +
                         a + "\" xsrc=\"" + a + "\"><!-- <img src=\"" + a +
                         "\"> --><textarea><img src=\"" + a +
                         "\"></textarea>"
                         "<style>/* url(" +
                         a + ") */ p { content: \"url(" + a +
                         ")\" }</style>"
                         "<img src=\"" +
                         a + "\" alt=\"src=" + notes + "\"></body></html>";
    const LinkedFiles::Result out = publish(html);
    QString expected = html;
    expected.replace(expected.lastIndexOf("src=\"" + a), 5 + a.size(), "src=\"a.gif");
    EXPECT_TEXT(out.html, expected);
    EXPECT_EQ(siteFiles(), QStringList{"a.gif"});
    EXPECT_TRUE(out.notCopied.isEmpty());
}

TEST_F(Publishing, AScriptEscapedSoundIsFoundAndNamedWithTheSameEscaping) {
    const QString sound = file("pics/My Sound's.WAV", "RIFF");
    const QString html =
        "<html><body>" + EffectMarkup::BuildBackgroundSound({sound, "2"}) + "</body></html>";
    ASSERT_TRUE(html.contains("My Sound\\'s.WAV"));
    // Written exactly as the sound dialog writes the bare name: the same valid script.
    EXPECT_TEXT(publish(html).html,
                "<html><body>" + EffectMarkup::BuildBackgroundSound({"My Sound's.WAV", "2"}) +
                    "</body></html>");
    EXPECT_EQ(readBytes(path("site/My Sound's.WAV")), "RIFF");
}

TEST_F(Publishing, StyleSheetsBringWhatTheyUseEachReadOnce) {
    // old/css/site.css uses a picture beside it, another below the page's folder, and
    // imports a sheet that imports it back; it also names a web sheet and a full path.
    const QString elsewhere = file("pics/full.png", "full");
    file("old/css/site.css", "@import url( 'more sheets/ü more.css' );\n"
                             "@import \"http://example.com/web.css\";\n"
                             "body { background: url(../img/bg.png) }\n"
                             "/* url(never.png) */ p { background: url(\"" +
                                 elsewhere.toUtf8() + "\") }");
    file("old/css/more sheets/ü more.css",
         "@import '../site.css'; div { background: url(\"dots%20%C3%BC.png\") }");
    file("old/css/more sheets/dots ü.png", "dots");
    file("old/img/bg.png", "bg");
    const QString html = "<html><head><link rel=\"stylesheet\" href=\"css/site.css\">"
                         "<style>@import 'css/site.css'; h1 { background: url(img/bg.png) }"
                         "</style></head><body></body></html>";
    const LinkedFiles::Result out = publish(html);
    EXPECT_TEXT(out.html, html);
    EXPECT_EQ(siteFiles(), (QStringList{"css/more sheets/dots ü.png", "css/more sheets/ü more.css",
                                        "css/site.css", "img/bg.png"}));
    EXPECT_EQ(readBytes(path("site/img/bg.png")), "bg");
    EXPECT_EQ(out.notCopied, QStringList{elsewhere + " (site.css names it by its full path)"});
}

TEST_F(Publishing, WhatCannotComeAlongKeepsNamingTheOriginalAndIsListed) {
    file("old/img/clash.png", "the page's picture");
    file("site/img/clash.png", "another picture");
    const QString locked = file("old/img/locked.png", "locked");
    QFile::setPermissions(locked, {});
    file("old/img/fine.png", "fine");
    file("shared/logo.png", "logo");
    QDir().mkpath(path("old/docs"));
    const QString html = "<body background=\"img/fine.png\"><img src=\"img/clash.png\">"
                         "<img src='img/locked.png'><img src=img/fine.png>"
                         "<img src=\"../shared/logo.png#top\"><a href=\"docs/\">docs</a>"
                         "<a href=\"missing.html\">gone</a><a href=\"#here\">here</a>"
                         "<a href=\"http://example.com/\">web</a></body>";
    const LinkedFiles::Result out = publish(html);
    EXPECT_TEXT(out.html,
                "<body background=\"img/fine.png\"><img src=\"file://" + path("old/img/clash.png") +
                    "\"><img src='file://" + locked +
                    "'><img src=img/fine.png><img src=\"logo.png#top\"><a href=\"file://" +
                    path("old/docs") +
                    "\">docs</a><a href=\"missing.html\">gone</a>"
                    "<a href=\"#here\">here</a><a href=\"http://example.com/\">web</a>"
                    "</body>");
    EXPECT_EQ(siteFiles(), (QStringList{"img/clash.png", "img/fine.png", "logo.png"}));
    EXPECT_EQ(readBytes(path("site/img/clash.png")), "another picture");
    EXPECT_TEXT(LinkedFiles::NotCopiedMessage(out.notCopied),
                "Your Web page was saved, but these files could not be copied into its folder, "
                "so the folder is not yet ready to publish:\r\n\r\n" +
                    path("old/img/clash.png") +
                    " (a different file of that name is already there)\r\n" + locked +
                    " (it cannot be read)\r\n" + path("old/docs") + " (it is a folder)");

    // The same page with absolute references: every existing file by its full address.
    const LinkedFiles::Result absolute = publish(html, LinkedFiles::Method::AbsolutePath);
    EXPECT_TRUE(absolute.html.contains("src=\"file://" + path("shared/logo.png") + "#top\""));
    EXPECT_TRUE(absolute.html.contains("src=file://" + path("old/img/fine.png") + ">"));
    EXPECT_TRUE(absolute.html.contains("href=\"missing.html\""));
    EXPECT_TRUE(absolute.notCopied.isEmpty());
}

TEST_F(Publishing, ManyReferencesLoopsAndAReadOnlyFolderNeitherHangNorOverwrite) {
    // 2,000 references to 500 pictures, twelve of them clashing, a folder that links to
    // itself and two links that name each other.
    QString html = "<html><body>";
    for (int i = 0; i < 500; ++i)
        file(QString("old/p/%1.gif").arg(i), QByteArray::number(i));
    for (int i = 0; i < 12; ++i)
        file(QString("site/p/%1.gif").arg(i), "other");
    QDir().mkpath(path("old/loop"));
    QFile::link(path("old/loop"), path("old/loop/again"));
    QFile::link(path("old/one"), path("old/other"));
    QFile::link(path("old/other"), path("old/one"));
    for (int i = 0; i < 2000; ++i)
        html += QString("<img src=\"p/%1.gif\">").arg(i % 500);
    html += "<img src=\"loop/again/again/again/x.gif\"><img src=\"one\"></body></html>";
    const LinkedFiles::Result out = publish(html);
    EXPECT_EQ(out.notCopied.size(), 12);
    EXPECT_TRUE(LinkedFiles::NotCopiedMessage(out.notCopied).endsWith("\r\nand 2 more"));
    EXPECT_EQ(QDir(path("site/p")).entryList(QDir::Files).size(), 500);
    EXPECT_EQ(readBytes(path("site/p/3.gif")), "other");
    EXPECT_EQ(readBytes(path("site/p/30.gif")), "30");

    // A read-only folder gets nothing, and the references keep naming the originals.
    QDir().mkpath(path("locked"));
    QFile::setPermissions(path("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const LinkedFiles::Result refused = LinkedFiles::Publish(
        "<img src=\"p/7.gif\">",
        {path("locked/index.htm"), path("old/index.htm"), LinkedFiles::Method::Copy, QString()});
    QFile::setPermissions(path("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TEXT(refused.html, "<img src=\"file://" + path("old/p/7.gif") + "\">");
    EXPECT_EQ(refused.notCopied, QStringList{path("old/p/7.gif") + " (it could not be copied)"});
    EXPECT_TRUE(QDir(path("locked")).isEmpty());
}
