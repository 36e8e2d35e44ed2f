// Prints what the main window's display update costs when the caret moves in a 1 MB
// page, with the window hidden and shown: the update itself (DisplayChanged, which reads
// every status, the font and the block format it shows), and the time from the caret's
// move to an updated display, beside the floor of one bare round trip to the page. Then
// what the surface's copy of the page costs: keystroke to display with the copy kept
// against without it (the floor), and the copy's own reading time on a 1 MB and a 5 MB
// page. BENCH_TRACE=1 prints every round.
#include "core/MainForm.h"
#include "platform/DHTMLEdit.h"
#include "platform/PageKeeper.h"

#include "BenchPage.h"
#include "BenchSupport.h"

#include <QTemporaryDir>
#include <QTest>

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

} // namespace

int main(int argc, char** argv) {
    BenchApp app(argc, argv);
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
    const QString five = makeBenchPage(dir.path(), 5 * 1024 * 1024);
    editor->LoadDocument(five);
    const double large = copyCost(editor);
    std::printf("the copy's own reading: 1 MB page %.0f ms, 5 MB page %.0f ms\n", small, large);

    editor->setDocumentHTML("<html><body></body></html>");
    delete form;
    return 0;
}
