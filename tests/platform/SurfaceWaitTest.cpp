// The surface's waits are honest: a call fails only when the page cannot answer (its
// render process ended, or it stopped answering, or the surface itself was destroyed), a
// slow change is done when it is done, and the display's state comes with the page's own
// event. A page whose render process ends comes back from the surface's copy; a load that
// another replaces leaves the page to that one; a page of any size is read whole.
#include "platform/PageKeeper.h"
#include "support/SurfaceFixture.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <csignal>
#include <sys/types.h>

using namespace TestSupport;

namespace {

using Surface = SurfaceTest;

qint64 renderProcess(DHTMLEdit& editor) {
    return editor.view()->page()->renderProcessPid();
}

// A script that keeps the page busy for a minute: only an ended render process or a
// page that stopped answering ends a wait on it sooner.
const QString BusyMinute =
    "(function(){ const t = Date.now(); while (Date.now() - t < 60000) {} return 'done'; })()";

// The failure a call gives, or "" when it succeeds.
QString failureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const PlatformError& e) {
        return e.Description;
    }
    return {};
}

} // namespace

TEST_F(Surface, ARenderProcessThatEndsFailsTheWaitingCallAndThePageComesBackFromItsCopy) {
    const QString path = file("page.html", "<html><head><meta charset=\"windows-1252\"></head>"
                                           "<body><p id=\"p\">Mine</p></body></html>");
    editor.LoadDocument(path);
    caretAtEnd(&editor, "#p");
    typeText(&editor, " UNSAVEDWORK");
    ASSERT_TRUE(waitUntil([&] { return editor.keeper().copy().html.contains("UNSAVEDWORK"); }))
        << "the copy never took the typed text";
    const QRegularExpression restored(
        "^The editor stopped working and has restored your Web page as it was at "
        "\\d\\d:\\d\\d:\\d\\d; check the last changes before you save\\.$");

    // Killed while a call waits, and again at once after it came back: each time the
    // call fails, the user is told once, and the page is back as it was, changed.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "first end" : "second end in a row");
        const qint64 pid = renderProcess(editor);
        ASSERT_GT(pid, 0);
        QString told;
        answerMessageBox(QMessageBox::Ok, &told);
        QTimer::singleShot(300, [pid] { ::kill(pid_t(pid), SIGKILL); });
        QVariant answer;
        EXPECT_TEXT(failureOf([&] { answer = editor.runScript(BusyMinute); }),
                    "The editing surface stopped working");
        EXPECT_FALSE(answer.isValid()) << "the call did not wait for the script to end";
        ASSERT_TRUE(waitUntil([&] { return !told.isEmpty(); })) << "nobody was told";
        EXPECT_TRUE(restored.match(told).hasMatch()) << qPrintable(told);
        EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">Mine UNSAVEDWORK</p>");
        EXPECT_TEXT(editor.CurrentDocumentPath(), path);
        EXPECT_TEXT(editor.CharacterSet(), "windows-1252");
        EXPECT_TRUE(editor.IsDirty());
    }
    // It goes on as before.
    caretAtEnd(&editor, "#p");
    editor.DOM().selection().createRange().pasteHTML("<b>c</b>");
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">Mine UNSAVEDWORK<b>c</b></p>");

    // Only a page with nothing to restore starts blank.
    editor.NewDocument();
    const qint64 pid = renderProcess(editor);
    QString told;
    answerMessageBox(QMessageBox::Ok, &told);
    ::kill(pid_t(pid), SIGKILL);
    ASSERT_TRUE(waitUntil([&] { return !told.isEmpty(); })) << "nobody was told";
    EXPECT_TEXT(told, "The editor could no longer show your Web page and has closed it. "
                      "Changes made since it was last saved are lost.");
    EXPECT_TEXT(editor.CurrentDocumentPath(), "");
    EXPECT_TEXT(bodyHTML(&editor), "");
    EXPECT_FALSE(editor.IsDirty());
    editor.LoadDocument(path);
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">Mine</p>");
}

TEST_F(Surface, ALoadThatAnotherLoadOrNewOvertakesLeavesThePageAndItsPathToThatOne) {
    const QString large = writeLargePage(dir.filePath("large.html"), 5 * 1024 * 1024);
    const QString small = file("small.html", "<html><head><meta charset=\"windows-1252\"></head>"
                                             "<body><p>Small</p></body></html>");
    // Each comes from the event loop while the large page's load waits.
    QTimer::singleShot(0, &editor, [&] { editor.NewDocument(); });
    EXPECT_TEXT(failureOf([&] { editor.LoadDocument(large); }), "");
    EXPECT_TEXT(editor.CurrentDocumentPath(), "");
    EXPECT_TEXT(bodyHTML(&editor), "");

    QTimer::singleShot(0, &editor, [&] { editor.LoadDocument(small); });
    EXPECT_TEXT(failureOf([&] { editor.LoadDocument(large); }), "");
    EXPECT_TEXT(editor.CurrentDocumentPath(), small);
    EXPECT_TEXT(editor.CharacterSet(), "windows-1252");
    EXPECT_TEXT(bodyHTML(&editor), "<p>Small</p>");
}

TEST(SurfaceClosed, DestroyingTheSurfaceEndsEveryWaitAtOnce) {
    QTemporaryDir dir;
    const QString large = writeLargePage(dir.filePath("large.html"), 5 * 1024 * 1024);
    // Destroyed while a load waits, while the page's text is read, and while a script
    // runs on: each call fails at once, and nothing of the surface is touched after.
    const QList<QPair<QString, std::function<void(DHTMLEdit*)>>> calls = {
        {"a load", [&](DHTMLEdit* e) { e->LoadDocument(large); }},
        {"DocumentHTML", [](DHTMLEdit* e) { e->DocumentHTML(); }},
        {"a long script", [](DHTMLEdit* e) { e->runScript(BusyMinute); }},
    };
    for (const auto& [what, call] : calls) {
        SCOPED_TRACE(qPrintable(what));
        auto* editor = new DHTMLEdit;
        editor->show();
        if (what == "DocumentHTML")
            editor->LoadDocument(large);
        QPointer<DHTMLEdit> alive(editor);
        QTimer::singleShot(0, [alive] { delete alive.data(); });
        QElapsedTimer took;
        took.start();
        EXPECT_TEXT(failureOf([&] { call(editor); }), "The editing surface was closed");
        EXPECT_LT(took.elapsed(), 20000) << "the wait went on after the surface had gone";
        EXPECT_TRUE(alive.isNull());
        pump(100);
    }
}

TEST_F(Surface, APageThatStopsAnsweringFailsTheCallThatWaitsOnIt) {
    page("<p id=\"p\">ab</p>");
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">ab</p>");
    const qint64 pid = renderProcess(editor);
    ASSERT_GT(pid, 0);
    editor.setSilenceLimit(1500);
    ::kill(pid_t(pid), SIGSTOP);
    const QString failure = failureOf([&] { editor.runScript("1"); });
    ::kill(pid_t(pid), SIGCONT);
    EXPECT_TEXT(failure, "The page stopped answering");

    // Once it answers again, so does the surface.
    EXPECT_TRUE(waitUntil([&] { return failureOf([&] { editor.runScript("1"); }).isEmpty(); }));
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">ab</p>");
}

TEST_F(Surface, ALargeTableIsReportedDoneOnceItIsInThePage) {
    page("<p id=\"p\">before</p>");
    caretAtEnd(&editor, "#p");
    DEInsertTableParam table;
    table.NumRows = 500;
    table.NumCols = 500;
    QVariant done;
    EXPECT_TEXT(failureOf([&] {
                    done = editor.ExecCommand(DECMD_INSERTTABLE, OLECMDEXECOPT_DONTPROMPTUSER,
                                              QVariant::fromValue(&table));
                }),
                "");
    EXPECT_TRUE(done.toBool());
    // The answer came once the table was there: nothing is still on its way.
    EXPECT_EQ(js(&editor, "document.querySelectorAll('table').length").toInt(), 1);
    EXPECT_EQ(js(&editor, "document.querySelector('table').rows.length").toInt(), 500);
    EXPECT_EQ(js(&editor, "document.querySelector('table').rows[499].cells.length").toInt(), 500);
    EXPECT_TRUE(editor.IsDirty());
    editor.ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">before</p>");
}

TEST_F(Surface, TheTitleIsSetPromptlyWithAModalDialogOpenAndAfterItCloses) {
    page("<p id=\"p\">ab</p>");
    // A call kept waiting for seconds by a page with nothing to do fails here.
    editor.setSilenceLimit(3000);
    QDialog dialog(&editor);
    dialog.setObjectName("Modal");
    QString during;
    QString title;
    QTimer::singleShot(100, &dialog, [&] {
        during = failureOf([&] {
            editor.DOM().setTitle("During");
            title = editor.DOM().title();
        });
        dialog.accept();
    });
    dialog.exec();
    EXPECT_TEXT(during, "");
    EXPECT_TEXT(title, "During");
    EXPECT_TEXT(failureOf([&] { editor.DOM().setTitle("After"); }), "");
    EXPECT_TEXT(editor.DOM().title(), "After");
    EXPECT_TRUE(editor.DocumentHTML().contains("<title>After</title>"));
}

TEST_F(Surface, WhatTheUserDoesGoesToThePageLastWritten) {
    const QString layout = "<p id=\"p\" style=\"margin: 40px; font: 20px monospace\">%1</p>";
    page(layout.arg("first"));
    const QPoint end = centreOf(&editor, "#p") + QPoint(60, 0);
    // No call reaches the page between the write and the user's click and keys.
    editor.setDocumentHTML("<html><body>" + layout.arg("second") + "</body></html>");
    editor.view()->setFocus();
    clickAt(&editor, end);
    QTest::keyClicks(editor.view()->focusProxy(), "!");
    EXPECT_TRUE(waitUntil([&] { return bodyHTML(&editor).contains("second!"); }))
        << qPrintable(bodyHTML(&editor));
    EXPECT_FALSE(bodyHTML(&editor).contains("first"));
}

TEST_F(Surface, TheDisplayStateTheEventBringsIsWhatTheQueriesAnswer) {
    struct Case {
        const char* what;
        QString body;
        QString select; // a script that places the selection
    };
    const QList<Case> cases = {
        {"text", "<h2 id=\"h\"><b id=\"b\">Bold</b> plain</h2>",
         "const r = document.createRange(); r.selectNodeContents(document.getElementById('b'));"
         "getSelection().removeAllRanges(); getSelection().addRange(r);"},
        {"a table cell",
         "<table border=\"1\"><tr><td id=\"c\"><font face=\"Arial\" size=\"5\">cell</font></td>"
         "<td>x</td></tr></table>",
         "getSelection().collapse(document.querySelector('#c font').firstChild, 2);"},
        {"an image", "<p>x <img id=\"i\" src=\"none.gif\" width=\"20\" height=\"20\"> y</p>",
         "__tsly.selectElement(document.getElementById('i'));"},
        {"a positioned box",
         "<div id=\"box\" style=\"position: absolute; left: 10px; top: 10px; width: 100px;"
         " height: 40px\"><i>boxed</i></div>",
         "__tsly.selectElement(document.getElementById('box'));"},
    };
    const QList<int> ids = {DECMD_BOLD,         DECMD_ITALIC,       DECMD_UNDERLINE,
                            DECMD_ORDERLIST,    DECMD_UNORDERLIST,  DECMD_OUTDENT,
                            DECMD_INDENT,       DECMD_JUSTIFYLEFT,  DECMD_JUSTIFYCENTER,
                            DECMD_JUSTIFYRIGHT, DECMD_SETFORECOLOR, DECMD_GETFONTNAME,
                            DECMD_GETFONTSIZE,  DECMD_GETBLOCKFMT};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        page(c.body);
        editor.DocumentHTML(); // written
        const qint64 written = editor.displayState().serial;
        // Placed without the test's helpers, which ask for the state themselves.
        editor.runScript("(function(){ " + c.select + " return 0; })()");

        // What the queries answer, one round trip each.
        DisplayState asked;
        for (int id : ids)
            asked.statuses.insert(id, editor.QueryStatus(id));
        if (asked.status(DECMD_GETFONTNAME) == DECMDF_ENABLED)
            asked.fontName =
                editor.ExecCommand(DECMD_GETFONTNAME, OLECMDEXECOPT_DONTPROMPTUSER).toString();
        if (asked.status(DECMD_GETFONTSIZE) == DECMDF_ENABLED)
            asked.fontSize =
                editor.ExecCommand(DECMD_GETFONTSIZE, OLECMDEXECOPT_DONTPROMPTUSER).toInt();
        if (asked.status(DECMD_GETBLOCKFMT) > 2)
            asked.blockFormat =
                editor.ExecCommand(DECMD_GETBLOCKFMT, OLECMDEXECOPT_DONTPROMPTUSER).toString();
        asked.selectionType = editor.DOM().selection().type();
        asked.inTable = editor.QueryStatus(DECMD_INSERTROW) > 2;

        auto same = [&] {
            const DisplayState& sent = editor.displayState();
            return sent.serial > written && sent.statuses == asked.statuses &&
                   sent.fontName == asked.fontName && sent.fontSize == asked.fontSize &&
                   sent.blockFormat == asked.blockFormat &&
                   sent.selectionType == asked.selectionType && sent.inTable == asked.inTable;
        };
        EXPECT_TRUE(waitUntil(same)) << "no event brought the state the queries answer";
        const DisplayState& sent = editor.displayState();
        for (int id : ids)
            EXPECT_EQ(sent.status(id), asked.status(id)) << "command " << id;
        EXPECT_TEXT(sent.fontName, asked.fontName);
        EXPECT_EQ(sent.fontSize, asked.fontSize);
        EXPECT_TEXT(sent.blockFormat, asked.blockFormat);
        EXPECT_TEXT(sent.selectionType, asked.selectionType);
        EXPECT_EQ(sent.inTable, asked.inTable);
    }
}

TEST_F(Surface, LargePageOfAHundredMegabytesIsReadWholeInPieces) {
    // Paragraphs of 10 kB, so that the engine holds the page in under 3 GB (in paragraphs
    // of 1 kB its render process runs out of memory before 90 MB); a
    // character outside the basic plane in each, so that pieces end next to halves of one
    // (in an attribute: shown, the engine looks for a face for it in every paragraph).
    const QString path = dir.filePath("hundred.html");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<html><head><meta charset=\"utf-8\"></head><body>\n");
        const QByteArray text = QByteArray("Lorem ipsum dolor sit amet ").repeated(400);
        for (int n = 0; f.size() < 100 * 1024 * 1024; ++n)
            f.write("<p title=\"\xF0\x9F\x98\x80\">" + QByteArray::number(n) + " " + text +
                    "</p>\n");
        f.write("<p id=\"last\">The end</p>\n</body></html>\n");
    }
    editor.LoadDocument(path);
    const QString html = editor.DocumentHTML();
    // What the page holds, told by the page itself: its length and a sum of its text.
    const QVariantMap page =
        editor
            .runScript(
                "(function(){ const t = __tsly.html(); let sum = 0;"
                " for (let i = 0; i < t.length; i++) sum = (sum * 31 + t.charCodeAt(i)) >>> 0;"
                " return { length: t.length, sum: sum }; })()")
            .toMap();
    quint32 sum = 0;
    for (const QChar c : html)
        sum = sum * 31 + c.unicode();
    EXPECT_GT(html.size(), 100'000'000);
    EXPECT_EQ(html.size(), page.value("length").toLongLong());
    EXPECT_EQ(sum, page.value("sum").toUInt()) << "the text that came differs from the page's";
    EXPECT_TRUE(html.endsWith("<p id=\"last\">The end</p>\n\n</body></html>"))
        << qPrintable(html.right(80));
}
