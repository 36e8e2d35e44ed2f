// Prints what the main window's display update costs when the caret moves in a 1 MB
// page: DisplayChanged with all its status queries (one call to the page for them) and
// the three values it reads, with the window hidden and shown, beside single status
// round trips. BENCH_TRACE=1 prints every round.
#include "core/MainForm.h"
#include "platform/DHTMLEdit.h"

#include "BenchPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

struct Figures {
    double median = 0;
    double mean = 0;
    double p95 = 0;
    double worst = 0;
};

Figures figures(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    Figures f;
    double sum = 0;
    for (double v : ms)
        sum += v;
    f.mean = sum / double(ms.size());
    f.median = ms[ms.size() / 2];
    f.p95 = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
    f.worst = ms.back();
    return f;
}

// Each round puts the caret somewhere else (not timed), lets the engine take it in,
// then runs the update.
void measure(MainForm* form, const char* label) {
    DHTMLEdit* editor = form->DHTMLEdit1;
    const int paragraphs = editor->runScript("document.querySelectorAll('p').length").toInt();
    const int rounds = 300;
    std::vector<double> display;
    std::vector<double> settle;
    QElapsedTimer t;
    for (int i = 0; i < rounds; ++i) {
        const int p = (i * 7919) % paragraphs;
        editor->runScript(QString("(function(){ const t = document.getElementById('p%1')"
                                  ".lastChild; getSelection().collapse(t, %2); })()")
                              .arg(p)
                              .arg(i % 20));
        t.restart();
        editor->runScript("0");
        settle.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        form->DHTMLEdit1_DisplayChanged();
        display.push_back(t.nsecsElapsed() / 1e6);
    }
    if (qEnvironmentVariableIsSet("BENCH_TRACE"))
        for (size_t i = 0; i < display.size(); ++i)
            std::printf("%zu %.1f %.1f\n", i, settle[i], display[i]);
    const Figures d = figures(display);
    const Figures w = figures(settle);
    std::printf("%s, %d caret moves:\n", label, rounds);
    std::printf("  DisplayChanged per caret move: median %.2f ms, mean %.2f ms, 95%% %.2f ms, "
                "worst %.2f ms\n",
                d.median, d.mean, d.p95, d.worst);
    std::printf("  first call after the move:     median %.2f ms, mean %.2f ms\n", w.median,
                w.mean);
}

} // namespace

int main(int argc, char** argv) {
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
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

    QElapsedTimer t;
    std::vector<double> single;
    for (int i = 0; i < 300; ++i) {
        t.restart();
        editor->QueryStatus(DECMD_BOLD);
        single.push_back(t.nsecsElapsed() / 1e6);
    }
    const Figures s = figures(single);
    std::printf("one QueryStatus round trip: median %.2f ms, mean %.2f ms\n", s.median, s.mean);

    editor->setDocumentHTML("<html><body></body></html>");
    delete form;
    return 0;
}
