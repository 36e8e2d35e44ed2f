// The editing surface on the real engine.
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"
#include "support/SurfaceFixture.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

using Surface = SurfaceTest;

int32_t loadError(DHTMLEdit& editor, const QString& path) {
    try {
        editor.LoadDocument(path);
    } catch (const PlatformError& e) {
        return e.Number;
    }
    return 0;
}

} // namespace

TEST_F(Surface, PageComesBackWithDoctypeAndOuterComments) {
    editor.LoadDocument(file("outer.html", "<!DOCTYPE html>\n<!-- before -->\n<html><head><title>T"
                                           "</title></head><body><p>Hi</p></body></html>\n"
                                           "<!-- after -->"));
    const QString html = editor.DocumentHTML();
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>\n<!-- before -->\n<html>")) << qPrintable(html);
    // The engine moves a comment after a line end past </html> into the body; it stays.
    EXPECT_TRUE(html.contains("<!-- after -->")) << qPrintable(html);
    EXPECT_TRUE(html.contains("<p>Hi</p>"));
    EXPECT_EQ(editor.DOM().title(), "T");
}

TEST_F(Surface, WritingKeepsThePathAndTheCallersChangedFlag) {
    const QString path = file("page.html", "<html><body><p>One</p></body></html>");
    editor.LoadDocument(path);
    EXPECT_EQ(editor.CurrentDocumentPath(), QFileInfo(path).absoluteFilePath());
    EXPECT_FALSE(editor.IsDirty());

    editor.setDocumentHTML("<html><body><p>Two</p></body></html>", false);
    EXPECT_EQ(editor.CurrentDocumentPath(), QFileInfo(path).absoluteFilePath());
    EXPECT_FALSE(editor.IsDirty());
    editor.setDocumentHTML("<html><body><p>Three</p></body></html>", true);
    EXPECT_TRUE(editor.IsDirty());

    editor.NewDocument();
    EXPECT_EQ(editor.CurrentDocumentPath(), "");
    EXPECT_FALSE(editor.IsDirty());
}

TEST_F(Surface, PastedMarkupKeepsEventAttributesAndScripts) {
    editor.setDocumentHTML("<html><body><p id='p'>Hello world</p></body></html>");
    selectText(&editor, "#p", 6, 11);
    EXPECT_EQ(editor.DOM().selection().type(), "Text");
    EXPECT_EQ(editor.DOM().selection().createRange().Text(), "world");
    editor.DOM().selection().createRange().pasteHTML(
        "<a href=\"x.html\" onmouseover=\"window.status='hi'; return true\">there</a>"
        "<script>var a = 1 < 2;</script>");
    const QString body = bodyHTML(&editor);
    EXPECT_TRUE(body.contains("Hello <a href=\"x.html\" onmouseover=\"window.status='hi'; return "
                              "true\">there</a><script>var a = 1 < 2;</script>"))
        << qPrintable(body);
    EXPECT_FALSE(body.contains("world"));
    EXPECT_TRUE(editor.IsDirty());
}

TEST_F(Surface, PasteAtTheCaretInsertsWithoutReplacing) {
    editor.setDocumentHTML("<html><body><p id='p'>ab</p></body></html>");
    caretAtEnd(&editor, "#p");
    EXPECT_EQ(editor.DOM().selection().type(), "None");
    editor.DOM().selection().createRange().pasteHTML("<b>c</b>");
    EXPECT_EQ(bodyHTML(&editor), "<p id=\"p\">ab<b>c</b></p>");
}

TEST_F(Surface, InsertAfterBodyStart) {
    editor.setDocumentHTML("<html><body><p>x</p></body></html>");
    editor.DOM().body().insertAdjacentHTML("AfterBegin", "<body> <script>f()</script>");
    EXPECT_EQ(bodyHTML(&editor), " <script>f()</script><p>x</p>");
}

TEST_F(Surface, PageScriptsDoNotRun) {
    const QString path =
        file("scripted.html", "<html><head><title>Original</title><script>document.title='Changed';"
                              "document.cookie='a=b';</script></head><body onload=\"document.body."
                              "innerHTML='gone'\"><p>kept</p></body></html>");
    editor.LoadDocument(path);
    EXPECT_EQ(editor.DOM().title(), "Original");
    EXPECT_EQ(js(&editor, "document.body.textContent").toString(), "kept");
}

TEST_F(Surface, ClickOnAnImageSelectsItAsAControl) {
    editor.setDocumentHTML("<html><body><p>before <img id='i' src='none.gif' width='60' "
                           "height='40' style='border:1px solid'> after</p></body></html>");
    pump(200);
    const QPoint at = centreOf(&editor, "#i");
    ASSERT_GE(at.x(), 0);
    clickAt(&editor, at);
    ASSERT_TRUE(waitUntil([&] { return editor.DOM().selection().type() == "Control"; }));
    EXPECT_EQ(editor.DOM().selection().createRange().Text(), "");
    editor.DOM().selection().createRange().pasteHTML("<hr>");
    EXPECT_EQ(bodyHTML(&editor), "<p>before <hr> after</p>");
}

TEST_F(Surface, TypingMarksThePageChanged) {
    editor.setDocumentHTML("<html><body><p id='p'>ab</p></body></html>");
    EXPECT_FALSE(editor.IsDirty());
    caretAtEnd(&editor, "#p");
    typeText(&editor, "cd");
    EXPECT_TRUE(waitUntil([&] { return bodyHTML(&editor).contains("abcd"); }))
        << qPrintable(bodyHTML(&editor));
    EXPECT_TRUE(editor.IsDirty());
}

TEST_F(Surface, TypingWorksInAPageOpenedAfterNew) {
    // New, then Open, in the window the user is working in: the keys must reach the page.
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    editor.NewDocument();
    editor.LoadDocument(file("opened.html", "<html><body><p id='p'>ab</p></body></html>"));
    caretAtEnd(&editor, "#p");
    typeText(&editor, "cd");
    EXPECT_TRUE(waitUntil([&] { return bodyHTML(&editor).contains("abcd"); }))
        << qPrintable(bodyHTML(&editor));
}

TEST_F(Surface, DisplaysLeaveNoTraceInTheSource) {
    const QString page = "<html><head></head><body><table><tbody><tr><td><a name=\"n\">x</a>"
                         "</td></tr></tbody></table><script>s()</script><!-- c --></body></html>";
    editor.setDocumentHTML(page);
    editor.setShowBorders(true);
    editor.setShowDetails(true);
    EXPECT_EQ(editor.DocumentHTML(), page);
    EXPECT_FALSE(editor.IsDirty());
}

TEST_F(Surface, DetailsMarkCommentsWithoutTouchingThePage) {
    const QString page = "<html><head></head><body><p>a <!-- one --> b</p><!-- two -->"
                         "<div>c</div></body></html>";
    editor.setDocumentHTML(page);
    auto marks = [&] {
        return js(&editor, "getComputedStyle(document.body, '::after').content").toString();
    };
    EXPECT_FALSE(marks().contains("svg"));
    editor.setShowDetails(true);
    EXPECT_TRUE(waitUntil([&] { return marks().contains("data-marks%3D%222%22"); }))
        << qPrintable(marks().left(200));
    EXPECT_EQ(editor.DocumentHTML(), page);
    editor.setShowDetails(false);
    EXPECT_TRUE(waitUntil([&] { return !marks().contains("svg"); }));
}

TEST_F(Surface, UndoAndRedoAPaste) {
    editor.setDocumentHTML("<html><body><p id='p'>ab</p></body></html>");
    caretAtEnd(&editor, "#p");
    editor.DOM().selection().createRange().pasteHTML("<i>c</i>");
    EXPECT_EQ(editor.QueryStatus(DECMD_UNDO), DECMDF_ENABLED);
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_EQ(bodyHTML(&editor), "<p id=\"p\">ab</p>");
    editor.ExecCommand(DECMD_REDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_EQ(bodyHTML(&editor), "<p id=\"p\">ab<i>c</i></p>");
}

TEST_F(Surface, CtrlZInThePageUndoesOnce) {
    editor.setDocumentHTML("<html><body><p id='p'>ab</p></body></html>");
    caretAtEnd(&editor, "#p");
    editor.DOM().selection().createRange().pasteHTML("<i>c</i>");
    caretAtEnd(&editor, "#p");
    editor.DOM().selection().createRange().pasteHTML("<u>d</u>");
    editor.view()->setFocus();
    QTest::keyClick(editor.view()->focusProxy(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(waitUntil([&] { return !bodyHTML(&editor).contains("<u>"); }));
    pump(100);
    EXPECT_EQ(bodyHTML(&editor), "<p id=\"p\">ab<i>c</i></p>");
}

TEST_F(Surface, LoadRefusesWhatItCannotEdit) {
    EXPECT_EQ(loadError(editor, dir.filePath("missing.html")), ErrorCode::FileNotFound);
    EXPECT_EQ(loadError(editor, dir.filePath("nofolder/missing.html")), ErrorCode::PathNotFound);
    EXPECT_EQ(loadError(editor, dir.path()), ErrorCode::InvalidArgument);
    EXPECT_EQ(loadError(editor, file("a.php", "<html><body><?php echo 1; ?></body></html>")),
              ErrorCode::ServerScript);
    EXPECT_EQ(loadError(editor, file("b.asp", "<html><body><% Response.Write 1 %></body></html>")),
              ErrorCode::ServerScript);
    EXPECT_EQ(loadError(editor, file("f.html", "<html><frameset><frame src=a></frameset></html>")),
              ErrorCode::Frameset);
    // Read as text: a frameset in UTF-16 is one too.
    const QByteArray wide = QStringEncoder("UTF-16LE", QStringConverter::Flag::WriteBom)
                                .encode(QString("<html><frameset></frameset></html>"));
    EXPECT_EQ(loadError(editor, file("w.html", wide)), ErrorCode::Frameset);
    EXPECT_EQ(
        loadError(editor, file("x.html", "<?xml version=\"1.0\"?><html><body>ok</body></html>")),
        0);
}

TEST_F(Surface, AFramesetIsFoundInAnyLetterCaseAndOnlyAsATag) {
    EXPECT_EQ(loadError(editor, file("upper.html", "<HTML><FRAMESET cols=\"50%,*\"></HTML>")),
              ErrorCode::Frameset);
    EXPECT_EQ(loadError(editor, file("end.html", "<html><body>x</body></html><frameset")),
              ErrorCode::Frameset);
    EXPECT_EQ(loadError(editor, file("word.html", "<html><body><framesets>x</framesets> "
                                                  "frameset</body></html>")),
              0);
}

TEST_F(Surface, LoadsEmptyBinaryAndLegacyFiles) {
    EXPECT_EQ(loadError(editor, file("empty.html", "")), 0);
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i * 37 % 256));
    // Refused before the page is touched: the empty page loaded before stays.
    EXPECT_EQ(loadError(editor, file("binary.html", binary)), ErrorCode::NotAWebPage);
    EXPECT_EQ(editor.CurrentDocumentPath(), dir.filePath("empty.html"));
    EXPECT_NO_THROW(editor.DocumentHTML());

    QByteArray legacy = "<html><head><meta charset=\"windows-1252\"></head><body><p>caf\xE9 "
                        "na\xEFve \x80 \x93quoted\x94</p></body></html>";
    ASSERT_EQ(loadError(editor, file("legacy.html", legacy)), 0);
    EXPECT_EQ(editor.CharacterSet().toLower(), "windows-1252");
    EXPECT_TRUE(editor.DocumentHTML().contains(QString::fromUtf8("café naïve € “quoted”")));
}

TEST_F(Surface, LoadsALargePage) {
    QByteArray big = "<html><body>";
    const QByteArray row = "<p>Lorem ipsum dolor sit amet, consectetur adipiscing elit.</p>\n";
    while (big.size() < 20 * 1024 * 1024)
        big += row;
    big += "</body></html>";
    ASSERT_EQ(loadError(editor, file("big.html", big)), 0);
    EXPECT_GT(editor.DocumentHTML().size(), 20 * 1024 * 1024);
}

TEST_F(Surface, AReloadKeepsTheSetWrittenAndSkipsAPlaceThatNoLongerFits) {
    // The caret deep in a page whose file, reloaded, holds much less.
    page("<div><ul><li>one</li><li>two</li><li id='deep'>three <b>bold</b></li></ul></div>");
    selectText(&editor, "#deep", 7, 9);
    const QString path = file("short.html", "<html><body><p>short</p></body></html>");
    EXPECT_NO_THROW(editor.ReloadDocument(path, "UTF-8"));
    EXPECT_EQ(editor.CurrentDocumentPath(), path);
    EXPECT_EQ(editor.CharacterSet(), "UTF-8");
    EXPECT_FALSE(editor.IsDirty());
    // A plain ASCII file would pass for windows-1252; it was written in UTF-8.
    EXPECT_EQ(bodyHTML(&editor), "<p>short</p>");
}

TEST_F(Surface, TheFontListsNamesShowInFacesOfTheirMetrics) {
    // A sample measures the same in two names exactly when the engine draws both in one
    // face; the three faces measure apart.
    const QList<QPair<QString, QString>> names = {{"Times New Roman", "Liberation Serif"},
                                                  {"Arial", "Liberation Sans"},
                                                  {"Courier", "Liberation Mono"}};
    QString body;
    for (const auto& [name, face] : names) {
        ASSERT_TRUE(QFontDatabase::hasFamily(face)) << qPrintable(face) << " is not installed";
        for (const QString& family : {name, face})
            body += QString("<span style=\"font-family: '%1'\">The quick brown fox, 0123 WWW "
                            "iii</span><br>")
                        .arg(family);
    }
    page(body);
    const QVariantList widths =
        js(&editor, "Array.from(document.querySelectorAll('span'), function (s) {"
                    " return s.getBoundingClientRect().width; })")
            .toList();
    ASSERT_EQ(widths.size(), 2 * names.size());
    for (int i = 0; i < names.size(); ++i) {
        EXPECT_EQ(widths[2 * i].toDouble(), widths[2 * i + 1].toDouble())
            << qPrintable(names[i].first) << " does not show in " << qPrintable(names[i].second);
        for (int j = 0; j < i; ++j)
            EXPECT_NE(widths[2 * i + 1].toDouble(), widths[2 * j + 1].toDouble());
    }
}
