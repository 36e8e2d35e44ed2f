// Prints what start-up, opening a large page and typing into one cost on this machine,
// each beside its floor measured in the same run: the bare web engine (page scripts
// off, nothing of ours) opening the same file, and typing into it in design mode.
#include "core/window/MainForm.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"

#include "BenchPage.h"
#include "BenchSupport.h"

#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

namespace {

// The caret into the third paragraph, as a click would put it.
const QString CaretScript = "(function(){ const p = document.getElementById('p3');"
                            " getSelection().collapse(p.firstChild, 2); return 0; })()";
const QString TypedScript = "document.getElementById('p3').textContent.indexOf('z') >= 0";

// From the moment the page has loaded: the caret goes in, a key is pressed, and the
// time until the page holds the typed letter; -1 when it never does.
template <class Run> double keystroke(QWidget* view, Run run) {
    // The page takes keys only in the active window's focused view.
    view->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(view->window()))
        std::printf("the window did not become active\n");
    QElapsedTimer t;
    t.start();
    run(CaretScript);
    QWidget* target = view->focusProxy() ? view->focusProxy() : view;
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Z);
    while (!run(TypedScript).toBool()) {
        if (t.elapsed() > 300000) {
            std::printf("the typed letter never showed\n");
            return -1;
        }
        QTest::qWait(5);
    }
    return msSince(t);
}

// Opens a page in the surface; the time taken, or -1 (with the reason) when it failed.
double openPage(DHTMLEdit* editor, const QString& path) {
    QElapsedTimer t;
    t.start();
    try {
        editor->LoadDocument(path);
    } catch (const PlatformError& e) {
        std::printf("opening %s failed after %.1f ms: %s\n", qPrintable(path), msSince(t),
                    qPrintable(e.Description));
        return -1;
    }
    return msSince(t);
}

} // namespace

int main(int argc, char** argv) {
    BenchApp app(argc, argv);
    QTemporaryDir dir;
    const QString page = makeBenchPage(dir.path(), 5 * 1024 * 1024);

    QElapsedTimer t;
    t.start();
    auto* form = new MainForm;
    form->show();
    DHTMLEdit* editor = form->DHTMLEdit1;
    editor->DocumentHTML(); // ready: the blank page answers
    const double startup = msSince(t);

    // Opening the 5 MB page, by turns with the bare engine.
    std::vector<double> ours, bare;
    for (int round = 0; round < 3; ++round) {
        {
            BareEngine engine;
            bare.push_back(engine.load(page));
        }
        const double ms = openPage(editor, page);
        if (ms >= 0)
            ours.push_back(ms);
        editor->NewDocument();
    }
    const Figures open = figures(ours);
    const Figures bareOpen = figures(bare);

    openPage(editor, page);
    t.restart();
    const qsizetype size = editor->DocumentHTML().size();
    const double html = msSince(t);
    std::vector<double> trips;
    for (int i = 0; i < 300; ++i) {
        t.restart();
        editor->QueryStatus(DECMD_BOLD);
        trips.push_back(msSince(t));
    }
    const Figures status = figures(trips);

    // A keystroke right after a 12 MB page has opened, beside the bare engine's.
    const QString large = makeBenchPage(dir.path(), 12 * 1024 * 1024);
    double bareLoad12 = 0;
    double bareKey = 0;
    {
        BareEngine engine;
        bareLoad12 = engine.load(large);
        engine.run("document.designMode = 'on'");
        bareKey = keystroke(engine.view(), [&](const QString& s) { return engine.run(s); });
    }
    const double load12 = openPage(editor, large);
    const double key = load12 < 0 ? -1 : keystroke(editor->view(), [&](const QString& s) {
        return editor->runScript(s);
    });

    editor->setDocumentHTML("<html><body></body></html>");
    delete form;

    std::printf("start-up to ready:                  %8.1f ms\n", startup);
    std::printf("open 5 MB page (median of 3):       %8.1f ms\n", open.median);
    std::printf("  bare engine, same page:           %8.1f ms  ratio %.2f\n", bareOpen.median,
                open.median / bareOpen.median);
    std::printf("DocumentHTML of it (%lld chars):    %8.1f ms\n", (long long)size, html);
    std::printf("QueryStatus round trip:             %8.3f ms median, %.3f ms mean\n",
                status.median, status.mean);
    std::printf("open 12 MB page:                    %8.1f ms  (bare engine %.1f ms, ratio %.2f)\n",
                load12, bareLoad12, load12 / bareLoad12);
    std::printf("keystroke after it has opened:      %8.1f ms\n", key);
    std::printf("  bare engine in design mode:       %8.1f ms  ratio %.2f\n", bareKey,
                key / bareKey);
    return 0;
}
