// The surface's waits are honest: a call fails only when the page cannot answer (its
// render process ended, or it stopped answering), a slow change is done when it is done,
// and the display's state comes with the page's own event.
#include "support/SurfaceFixture.h"

#include <QDialog>
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

TEST_F(Surface, ARenderProcessThatEndsFailsTheWaitingCallAndTheEditorStartsAgainBlank) {
    const QString path = file("page.html", "<html><body><p id=\"p\">Mine</p></body></html>");
    editor.LoadDocument(path);
    const qint64 pid = renderProcess(editor);
    ASSERT_GT(pid, 0);
    QString told;
    answerMessageBox(QMessageBox::Ok, &told);
    QTimer::singleShot(300, [pid] { ::kill(pid_t(pid), SIGKILL); });

    QVariant answer;
    const QString failure = failureOf([&] { answer = editor.runScript(BusyMinute); });
    EXPECT_TEXT(failure, "The editing surface stopped working");
    EXPECT_FALSE(answer.isValid()) << "the call did not wait for the script to end";

    // The user is told, and the editor goes on with a blank page.
    ASSERT_TRUE(waitUntil([&] { return !told.isEmpty(); })) << "nobody was told";
    EXPECT_TEXT(told, "The editor could no longer show your Web page and has closed it. "
                      "Changes made since it was last saved are lost.");
    EXPECT_TEXT(editor.CurrentDocumentPath(), "");
    EXPECT_TEXT(bodyHTML(&editor), "");
    EXPECT_FALSE(editor.IsDirty());
    page("<p id=\"p\">ab</p>");
    caretAtEnd(&editor, "#p");
    editor.DOM().selection().createRange().pasteHTML("<b>c</b>");
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">ab<b>c</b></p>");
    editor.LoadDocument(path);
    EXPECT_TEXT(bodyHTML(&editor), "<p id=\"p\">Mine</p>");
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
