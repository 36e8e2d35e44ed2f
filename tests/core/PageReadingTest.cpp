// Opening what other programs wrote: bytes the page's character set cannot read are told
// of, pages that only mention a frameset or server script in their text open, UTF-16
// without a byte-order mark is read as such, and comments outside <html> stay where they
// stood. Each page is opened, saved and opened again through File > Open and File > Save.
#include "core/Module1.h"
#include "support/DialogDriver.h"
#include "support/MainFormFixture.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QUrl>

using namespace TestSupport;
using DialogDriver::chooseFile;
using Module1::PublishLocalMode;

namespace {

const QString Pronouns = "corpus/tables/basic/personal-pronouns.html";
const QString SimpleTable = "corpus/tables/basic/simple-table.html";
const QString Structure = "corpus/introduction-to-html/document_and_website_structure/index.html";
const QString Replacement = QString(QChar(QChar::ReplacementCharacter));

class PageReading : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override {
        PublishLocalMode.clear();
        MainFormTest::TearDown();
    }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        writeBytes(path, bytes);
        return path;
    }
    // File > Open choosing path; the text of the message box that followed, "" for none.
    QString open(const QString& path) {
        QString message;
        whenModal([path](QWidget* w) { chooseFile(w, path); });
        acceptMessageBox(&message);
        form->FileOpen->trigger();
        clearModalWaiters();
        EXPECT_EQ(editor->CurrentDocumentPath(), path) << qPrintable(message);
        return message;
    }
    // File > Save in place, references left as they are.
    void save() {
        PublishLocalMode = "AbsolutePath";
        form->FileSave->trigger();
        ASSERT_FALSE(editor->IsDirty()) << "the save did not happen";
    }
    // Opens path (no message expected), saves it and opens it again: the page is the same
    // before and after; the saved file's bytes.
    QByteArray roundTrip(const QString& path) {
        EXPECT_TEXT(open(path), "");
        const QString opened = html();
        save();
        const QByteArray saved = readBytes(path);
        EXPECT_TEXT(open(path), "");
        EXPECT_TEXT(html(), opened);
        return saved;
    }
    QString text(const QString& css) {
        return js(editor, "document.querySelector('" + css + "').textContent").toString();
    }
    QTemporaryDir dir;
};

QByteArray corpus(const QString& page) {
    const QByteArray bytes = readBytes(dataPath(page));
    EXPECT_FALSE(bytes.isEmpty()) << qPrintable(page);
    return bytes;
}

QByteArray encoded(const QString& text, const char* set) {
    return QStringEncoder(set).encode(text);
}

} // namespace

TEST_F(PageReading, OpenTellsOfCharactersTheSetCouldNotReadAndOnlyThen) {
    // A real UTF-8 page given a paragraph in a Western set.
    QByteArray latin = corpus(Pronouns);
    latin.replace("<h1>Personal pronouns table</h1>",
                  "<h1>Personal pronouns table</h1><p id=\"latin\">caf\xE9 na\xEFve</p>");
    const QString page = write("latin.html", latin);
    EXPECT_TEXT(open(page), "The Web page has 2 characters that could not be read in its "
                            "character set (UTF-8). They are shown as the replacement character "
                            "(\uFFFD), and saving the page will write them that way.");
    EXPECT_TEXT(text("#latin"), "caf" + Replacement + " na" + Replacement + "ve");
    EXPECT_TEXT(text("h1"), "Personal pronouns table");
    EXPECT_FALSE(editor->IsDirty());
    save();
    const QByteArray saved = readBytes(page);
    EXPECT_TRUE(saved.contains("caf\xEF\xBF\xBD na\xEF\xBF\xBDve")) << saved.constData();
    // Saved, the page is clean: nothing to tell, and nothing to tell of a clean corpus page.
    EXPECT_TEXT(open(page), "");
    EXPECT_TEXT(open(write("clean.html", corpus(Pronouns))), "");

    // Files cut in the middle of their last character: UTF-16 without its mark, and UTF-8.
    const QByteArray wide =
        encoded("<html><body><p id=\"wide\">wide</p></body></html>", "UTF-16LE");
    EXPECT_TEXT(open(write("odd.html", wide + "x")),
                "The Web page has 1 character that could not be read in its character set "
                "(UTF-16LE). It is shown as the replacement character (\uFFFD), and saving the "
                "page will write it that way.");
    EXPECT_TEXT(text("body"), "wide" + Replacement);
    const QString cut = write("cut.html", "<html><head><meta charset=\"utf-8\"></head><body>"
                                          "<p id=\"cut\">caf\xC3\xA9 \xE2\x82");
    EXPECT_TEXT(open(cut), "The Web page has 1 character that could not be read in its "
                           "character set (UTF-8). It is shown as the replacement character "
                           "(\uFFFD), and saving the page will write it that way.");
    EXPECT_TEXT(text("#cut"), QString::fromUtf8("café ") + Replacement);

    // A cancelled Open tells nothing again.
    QString message;
    whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    acceptMessageBox(&message);
    form->FileOpen->trigger();
    clearModalWaiters();
    EXPECT_TEXT(message, "");
    EXPECT_EQ(editor->CurrentDocumentPath(), cut);

    // The page named on the command line: told once the window is shown.
    MainForm started({cut});
    message.clear();
    acceptMessageBox(&message);
    started.show();
    EXPECT_TRUE(waitUntil([&] { return !message.isEmpty(); }));
    clearModalWaiters();
    EXPECT_TRUE(message.startsWith("The Web page has 1 character")) << qPrintable(message);
    EXPECT_EQ(started.DHTMLEdit1->CurrentDocumentPath(), cut);
}

TEST_F(PageReading, FramesetsAndServerScriptInTextAreNoReasonToRefuse) {
    // A frameset named in a comment.
    QByteArray noted = corpus(Structure);
    noted.replace("</body>", "<!-- <frameset> was here --></body>");
    EXPECT_TRUE(roundTrip(write("noted.html", noted)).contains("<!-- <frameset> was here -->"));

    // Server script's markers in a comment, a script, a style and a text area.
    const QByteArray script = "<script>var t = \"<?php echo 1 ?>\"; var u = '<% x %>';</script>";
    const QByteArray style = "<style>/* <? not php ?> <% nor asp %> */</style>";
    QByteArray quoted = corpus(Structure);
    quoted.replace("</head>", style + "</head>");
    quoted.replace("</body>",
                   "<!-- <?php ?> --><textarea id=\"ta\"><% y %></textarea>" + script + "</body>");
    const QByteArray saved = roundTrip(write("quoted.html", quoted));
    EXPECT_TRUE(saved.contains(script)) << saved.constData();
    EXPECT_TRUE(saved.contains(style)) << saved.constData();
    EXPECT_TRUE(saved.contains("<!-- <?php ?> -->")) << saved.constData();
    EXPECT_TEXT(text("#ta"), "<% y %>");

    // UTF-16 without a byte-order mark: declared in the page (little-endian), and not
    // declared (big-endian, with characters beyond ASCII).
    const QString declared = QString::fromUtf8(corpus(SimpleTable))
                                 .replace("<meta charset=\"utf-8\">", "<meta charset=\"utf-16\">");
    const QString little = write("little.html", encoded(declared, "UTF-16LE"));
    // Read here, the page still has its file's address: its relative references work.
    EXPECT_TEXT(open(little), "");
    EXPECT_TEXT(js(editor, "document.baseURI").toString(), QUrl::fromLocalFile(little).toString());
    QByteArray bytes = roundTrip(little);
    EXPECT_EQ(editor->CharacterSet(), "UTF-16LE");
    EXPECT_TEXT(text("h1"), "Simple table");
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    EXPECT_TEXT(QStringDecoder("UTF-16LE").decode(bytes.mid(2)), html());

    const QString undeclared =
        QString::fromUtf8(corpus(Pronouns)).remove("<meta charset=\"utf-8\">") + "<!-- ÿ€ -->";
    const QString big = write("big.html", encoded(undeclared, "UTF-16BE"));
    bytes = roundTrip(big);
    EXPECT_EQ(editor->CharacterSet(), "UTF-16BE");
    EXPECT_TEXT(text("caption"), "Personal pronouns");
    ASSERT_TRUE(bytes.startsWith("\xFE\xFF"));
    EXPECT_TEXT(QStringDecoder("UTF-16BE").decode(bytes.mid(2)), html());
    EXPECT_TRUE(html().endsWith(QString::fromUtf8("</html><!-- ÿ€ -->")));
}

TEST_F(PageReading, CommentsOutsideTheHtmlElementStayWhereTheyStood) {
    QByteArray page = corpus(SimpleTable);
    page.replace("<html lang=\"en-US\">", "<!-- before the page -->\n<html lang=\"en-US\">");
    page = page.trimmed() + "\n<!-- after the page -->\n";
    const QString path = write("outside.html", page);
    const QByteArray saved = roundTrip(path);
    EXPECT_TRUE(
        saved.startsWith("<!DOCTYPE html>\n<!-- before the page -->\n<html lang=\"en-US\">"))
        << saved.constData();
    EXPECT_TRUE(saved.endsWith("</html><!-- after the page -->")) << saved.constData();
    EXPECT_FALSE(body().contains("page -->")) << qPrintable(body());
}
