// Prints what editing costs on a 1 MB page, each beside a floor measured in the same run:
// - the main window's display update when the caret moves, with the window hidden and
//   shown: the update itself (DisplayChanged, which reads every status, the font and the
//   block format it shows), and the time from the caret's move to an updated display,
//   beside one bare round trip to the page;
// - typing: 2,000 keys sent as fast as they come, the time until all are in the page,
//   and keys sent one at a time, each timed until it is in the page, in the window and in
//   a bare design-mode view of the same page with no script of ours;
// - Undo and the Bold button per step, beside the engine's own commands in the bare view;
// - Tab in a cell of a 500 x 500 table, and Tab out of its last cell (a new row);
// - the surface's copy of the page: keystroke to display with the copy kept, beside
//   the same without it, and the copy's own reading time on a 1 MB and a 5 MB page.
// BENCH_TRACE=1 prints every round of the caret moves; BENCH_KEYS=n sends n keys at once
// instead of 2,000.
#include "core/window/MainForm.h"
#include "platform/DHTMLEdit.h"
#include "platform/DHTMLEditCommands.h"
#include "platform/PageKeeper.h"

#include "BenchPage.h"
#include "BenchSupport.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

// Each round puts the caret somewhere else, then times what the window does about it.
void measure(MainForm* form, const char* label) {
    DHTMLEdit* editor = form->DHTMLEdit1;
    const int paragraphs = editor->runScript("document.querySelectorAll('p').length").toInt();
    int updates = 0;
    // Connected after the window's own handler: it runs once the display has updated.
    auto counter = QObject::connect(editor, &DHTMLEdit::DisplayChanged, [&] { ++updates; });
    const int rounds = 300;
    std::vector<double> display, latency, trip;
    QElapsedTimer t;
    for (int i = 0; i < rounds; ++i) {
        const int p = (i * 7919) % paragraphs;
        const int before = updates;
        t.restart();
        editor->runScript(QString("(function(){ const t = document.getElementById('p%1')"
                                  ".lastChild; getSelection().collapse(t, %2); })()")
                              .arg(p)
                              .arg(i % 20));
        QElapsedTimer limit;
        limit.start();
        while (updates == before && limit.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        latency.push_back(msSince(t));
        t.restart();
        editor->runScript("0");
        trip.push_back(msSince(t));
        t.restart();
        form->DHTMLEdit1_DisplayChanged();
        display.push_back(msSince(t));
    }
    QObject::disconnect(counter);
    if (qEnvironmentVariableIsSet("BENCH_TRACE"))
        for (size_t i = 0; i < display.size(); ++i)
            std::printf("%zu %.2f %.2f %.2f\n", i, trip[i], latency[i], display[i]);
    const Figures d = figures(display);
    const Figures l = figures(latency);
    const Figures r = figures(trip);
    std::printf("%s, %d caret moves (ratios to the median round trip):\n", label, rounds);
    std::printf("  DisplayChanged:           median %6.3f ms (%.2f), mean %6.3f ms, 95%% %6.3f ms "
                "(%.2f), worst %.2f ms\n",
                d.median, d.median / r.median, d.mean, d.p95, d.p95 / r.median, d.worst);
    std::printf("  caret move to display:    median %6.3f ms (%.2f), mean %6.3f ms, 95%% %6.3f ms "
                "(%.2f)\n",
                l.median, l.median / r.median, l.mean, l.p95, l.p95 / r.median);
    std::printf("  floor, one round trip:    median %6.3f ms, mean %6.3f ms, 95%% %6.3f ms\n",
                r.median, r.mean, r.p95);
}

// Keys typed into the page, each timed from the key to the window's updated display. The
// pauses between keys let the copy be read now and then (it waits for a second of quiet),
// so some keys come while it is read; blocks with and without the copy take turns.
void keystrokes(MainForm* form) {
    DHTMLEdit* editor = form->DHTMLEdit1;
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form))
        std::printf("the window did not become active\n");
    editor->runScript("(function(){ const p = document.getElementById('p3');"
                      " getSelection().collapse(p.firstChild, 2); return 0; })()");
    QWidget* target = editor->view()->focusProxy() ? editor->view()->focusProxy() : editor->view();
    target->setFocus();
    int updates = 0;
    auto counter = QObject::connect(editor, &DHTMLEdit::DisplayChanged, [&] { ++updates; });
    const int pauses[] = {40, 250, 1100, 1250, 1400, 1700};
    std::vector<double> with, without;
    QElapsedTimer t;
    for (int block = 0; block < 6; ++block) {
        const bool keeping = block % 2 == 0;
        editor->setKeepingCopy(keeping);
        for (int i = 0; i < 30; ++i) {
            QTest::qWait(pauses[i % 6]);
            const int before = updates;
            t.restart();
            QTest::keyClick(target, Qt::Key_X);
            QElapsedTimer limit;
            limit.start();
            while (updates == before && limit.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            (keeping ? with : without).push_back(msSince(t));
        }
    }
    QObject::disconnect(counter);
    editor->setKeepingCopy(true);
    const Figures k = figures(with);
    const Figures f = figures(without);
    std::printf("keystroke to display, %zu keys each (ratios to the keys without the copy):\n",
                with.size());
    std::printf("  copy kept:                median %6.2f ms (%.2f), mean %6.2f ms (%.2f), 95%% "
                "%6.2f ms (%.2f), worst %.1f ms\n",
                k.median, k.median / f.median, k.mean, k.mean / f.mean, k.p95, k.p95 / f.p95,
                k.worst);
    std::printf("  floor, no copy:           median %6.2f ms, mean %6.2f ms, 95%% %6.2f ms, "
                "worst %.1f ms\n",
                f.median, f.mean, f.p95, f.worst);
}

// What one reading of the page for the copy costs, from the change to the copy's end.
double copyCost(DHTMLEdit* editor) {
    bool copied = false;
    auto c = QObject::connect(&editor->keeper(), &PageKeeper::copied, [&] { copied = true; });
    editor->runScript("document.getElementById('p1').textContent += 'y'");
    QElapsedTimer limit;
    limit.start();
    while (!copied && limit.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    QObject::disconnect(c);
    return copied ? double(editor->keeper().lastReadMs()) : -1;
}

// A page that takes keys: the widget they go to and a script runner for its page.
struct Typist {
    QWidget* target;
    std::function<QVariant(const QString&)> run;
};

const char* const CaretInParagraph =
    "(function(){ const t = document.getElementById('p500').lastChild;"
    " getSelection().collapse(t, t.data.length); return true; })()";
const char* const ParagraphLength = "document.getElementById('p500').textContent.length";

// Waits until the paragraph holds length characters; false when it never does.
bool waitForLength(const Typist& typist, int length) {
    QElapsedTimer limit;
    limit.start();
    while (typist.run(ParagraphLength).toInt() < length) {
        if (limit.elapsed() > 300000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

void key(QWidget* target, int i) {
    QTest::keyClick(target, char('a' + i % 26));
}

struct Typing {
    int keys = 0;
    double burstPerKey = 0; // 2,000 keys sent at once: the time until all are in, per key
    Figures single;         // one key at a time, each until it is in the page
};

Typing type(const Typist& typist) {
    Typing result;
    typist.target->setFocus();
    typist.run(CaretInParagraph);
    const int keys = qEnvironmentVariableIntValue("BENCH_KEYS") > 0
                         ? qEnvironmentVariableIntValue("BENCH_KEYS")
                         : 2000;
    int length = typist.run(ParagraphLength).toInt();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < keys; ++i)
        key(typist.target, i);
    if (!waitForLength(typist, length + keys))
        std::printf("  (the keys never all arrived)\n");
    result.keys = keys;
    result.burstPerKey = msSince(t) / keys;

    length = typist.run(ParagraphLength).toInt();
    std::vector<double> each;
    for (int i = 0; i < 300; ++i) {
        t.restart();
        key(typist.target, i);
        if (!waitForLength(typist, ++length))
            break;
        each.push_back(msSince(t));
    }
    result.single = figures(each);
    return result;
}

// Times step() count times; each is one undo step or command of the user's.
Figures perStep(int count, const std::function<void()>& step) {
    std::vector<double> ms;
    QElapsedTimer t;
    for (int i = 0; i < count; ++i) {
        t.restart();
        step();
        ms.push_back(msSince(t));
    }
    return figures(ms);
}

// Processes events until the window has shown the display change that follows.
void awaitDisplay(const int& updates, int before) {
    QElapsedTimer limit;
    limit.start();
    while (updates == before && limit.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

void typingAndCommands(MainForm* form, const QString& page) {
    DHTMLEdit* editor = form->DHTMLEdit1;
    editor->LoadDocument(page);
    form->activateWindow();
    Typist ours{editor->view()->focusProxy() ? editor->view()->focusProxy() : editor->view(),
                [editor](const QString& s) { return editor->runScript(s); }};
    const Typing mine = type(ours);

    BareEngine bare;
    bare.load(page);
    bare.run("document.designMode = 'on'");
    bare.view()->activateWindow();
    Typist floor{bare.view()->focusProxy() ? bare.view()->focusProxy() : bare.view(),
                 [&bare](const QString& s) { return bare.run(s); }};
    const Typing theirs = type(floor);

    std::printf("typing into the 1 MB page (ratios to the bare design-mode view):\n");
    std::printf("  %5d keys at once:        %6.2f ms a key (%.2f); bare %6.2f ms a key\n",
                mine.keys, mine.burstPerKey, mine.burstPerKey / theirs.burstPerKey,
                theirs.burstPerKey);
    std::printf("  one key at a time:        median %6.2f ms (%.2f), 95%% %6.2f ms (%.2f), worst "
                "%.2f ms; bare median %6.2f ms, 95%% %6.2f ms\n",
                mine.single.median, mine.single.median / theirs.single.median, mine.single.p95,
                mine.single.p95 / theirs.single.p95, mine.single.worst, theirs.single.median,
                theirs.single.p95);

    // Bold on a word, then Undo of each: the window's button and Edit > Undo as the user
    // has them, each until the window shows the change.
    int updates = 0;
    auto counter = QObject::connect(editor, &DHTMLEdit::DisplayChanged, [&] { ++updates; });
    QAction* bold = form->Toolbar1Buttons.value("Bold");
    const int steps = 40;
    int word = 0;
    const Figures boldSteps = perStep(steps, [&] {
        editor->runScript(QString("(function(){ const t = document.getElementById('p%1')"
                                  ".lastChild; const r = document.createRange();"
                                  " r.setStart(t, 1); r.setEnd(t, 5);"
                                  " getSelection().removeAllRanges(); getSelection().addRange(r);"
                                  " })()")
                              .arg(100 + 10 * word++));
        const int before = updates;
        bold->trigger();
        awaitDisplay(updates, before);
    });
    const Figures undoSteps = perStep(steps, [&] {
        const int before = updates;
        editor->ExecCommand(DECMD_UNDO, OLECMDEXECOPT_DODEFAULT);
        awaitDisplay(updates, before);
    });
    QObject::disconnect(counter);
    word = 0;
    const Figures bareBold = perStep(steps, [&] {
        bare.run(QString("(function(){ const t = document.getElementById('p%1').lastChild;"
                         " const r = document.createRange(); r.setStart(t, 1); r.setEnd(t, 5);"
                         " getSelection().removeAllRanges(); getSelection().addRange(r);"
                         " document.execCommand('bold'); })()")
                     .arg(100 + 10 * word++));
    });
    const Figures bareUndo = perStep(steps, [&] { bare.run("document.execCommand('undo')"); });
    std::printf("commands on the 1 MB page, %d steps each (ratios to the bare view's own):\n",
                steps);
    std::printf("  Bold button:              median %6.2f ms (%.2f), 95%% %6.2f ms; bare median "
                "%6.2f ms\n",
                boldSteps.median, boldSteps.median / bareBold.median, boldSteps.p95,
                bareBold.median);
    std::printf("  Undo:                     median %6.2f ms (%.2f), 95%% %6.2f ms; bare median "
                "%6.2f ms\n",
                undoSteps.median, undoSteps.median / bareUndo.median, undoSteps.p95,
                bareUndo.median);
}

// Tab in a cell of a 500 x 500 table moves to the next cell; Tab in its last cell adds a
// row. Each until the page has done it, beside a bare design-mode view of the same table:
// the caret moved by a key of the engine's own, and a row added by a script with the
// engine's layout of it (which the editor's display needs before it shows the caret in
// the row).
void tabInLargeTable(MainForm* form, const QString& folder) {
    const int size = 500;
    QByteArray row = "<tr>";
    for (int c = 0; c < size; ++c)
        row += "<td>&nbsp;</td>";
    row += "</tr>";
    QByteArray html = "<html><body><p id='p'>Table:</p><table><tbody>";
    for (int r = 0; r < size; ++r)
        html += row;
    html += "</tbody></table></body></html>";
    const QString path = folder + "/table.html";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size())
        return;
    file.close();

    DHTMLEdit* editor = form->DHTMLEdit1;
    editor->LoadDocument(path);
    QWidget* target = editor->view()->focusProxy() ? editor->view()->focusProxy() : editor->view();
    target->setFocus();
    const QString place =
        "(function(){ const t = document.querySelector('table'); const c = t.rows[%1].cells[%2];"
        " getSelection().collapse(c, 0); return true; })()";
    const QString where = "(function(){ const c = getSelection().anchorNode;"
                          " const td = (c.nodeType === 1 ? c : c.parentElement).closest('td');"
                          " return td.parentNode.rowIndex * 1000 + td.cellIndex; })()";
    const QString rows = "document.querySelector('table').rows.length";
    auto tabFrom = [&](int row, int col) {
        editor->runScript(place.arg(row).arg(col));
        const int before = editor->runScript(where).toInt();
        QElapsedTimer t;
        t.start();
        QTest::keyClick(target, Qt::Key_Tab);
        QElapsedTimer limit;
        limit.start();
        while (editor->runScript(where).toInt() == before && limit.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        return msSince(t);
    };
    tabFrom(0, 0); // the first paint of the table
    const Figures next = perStep(20, [&] { tabFrom(250, 250); });
    const Figures grow =
        perStep(5, [&] { tabFrom(editor->runScript(rows).toInt() - 1, size - 1); });

    // The floor: a caret moved by a key of the engine's own (Right), and a row added by a
    // script with the layout it needs.
    BareEngine bare;
    bare.load(path);
    bare.run("document.designMode = 'on'");
    QWidget* bareTarget = bare.view()->focusProxy() ? bare.view()->focusProxy() : bare.view();
    bareTarget->setFocus();
    const QString point = "(function(){ const s = getSelection();"
                          " return String(s.anchorNode.nodeName) + s.anchorOffset +"
                          " (s.anchorNode.nodeType === 1 ? s.anchorNode : s.anchorNode.parentNode)"
                          ".cellIndex; })()";
    const Figures bareNext = perStep(20, [&] {
        bare.run(place.arg(250).arg(250));
        const QString before = bare.run(point).toString();
        QElapsedTimer limit;
        limit.start();
        QTest::keyClick(bareTarget, Qt::Key_Right);
        while (bare.run(point).toString() == before && limit.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    });
    const Figures bareGrow = perStep(5, [&] {
        bare.run("(function(){ const t = document.querySelector('table');"
                 " const last = t.rows[t.rows.length - 1];"
                 " last.parentNode.appendChild(last.cloneNode(true));"
                 " getSelection().collapse(t.rows[t.rows.length - 1].cells[0], 0);"
                 " return document.body.offsetHeight; })()");
    });
    std::printf("Tab in a 500 x 500 table (ratios to the bare view's caret move and new row):\n");
    std::printf(
        "  to the next cell:         median %6.2f ms (%.1f), worst %6.2f ms; bare %6.2f ms\n",
        next.median, next.median / bareNext.median, next.worst, bareNext.median);
    std::printf("  out of the last cell:     median %6.2f ms (%.1f), worst %6.2f ms; bare %6.2f ms "
                "(a new row)\n",
                grow.median, grow.median / bareGrow.median, grow.worst, bareGrow.median);
}

} // namespace

int main(int argc, char** argv) {
    BenchApp app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QTemporaryDir dir;
    const QString page = makeBenchPage(dir.path(), 1024 * 1024);

    auto* form = new MainForm;
    DHTMLEdit* editor = form->DHTMLEdit1;
    editor->LoadDocument(page);
    std::printf("page: %lld characters\n", (long long)editor->DocumentHTML().size());

    // Hidden, the engine paints nothing: the update's own cost. Shown, the engine paints
    // the page after each move, and a call that comes meanwhile waits for it.
    measure(form, "window hidden");
    form->show();
    measure(form, "window shown");

    keystrokes(form);
    const double small = copyCost(editor);
    typingAndCommands(form, page);
    tabInLargeTable(form, dir.path());
    const QString five = makeBenchPage(dir.path(), 5 * 1024 * 1024);
    editor->LoadDocument(five);
    const double large = copyCost(editor);
    std::printf("the copy's own reading: 1 MB page %.0f ms, 5 MB page %.0f ms\n", small, large);

    editor->setDocumentHTML("<html><body></body></html>");
    delete form;
    return 0;
}
