// Prints the memory the whole editor takes (its own process and the engine's render and
// helper processes, each at its peak) after opening a 12 MB page and typing into it,
// against a bare web view of the same page in the same run; then what a 50 MB page (of
// long paragraphs: the engine cannot hold 50 MB of the usual mix) costs in time: opening
// it, a keystroke, and saving it, beside the bare engine's opening.
// Each measurement runs in a process of its own, so that none inherits another's peak.
#include "core/window/MainForm.h"
#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/PageKeeper.h"
#include "platform/PlatformError.h"

#include "BenchPage.h"
#include "BenchSupport.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The peak resident memory of a process and all of its descendants, in kB: the sum of
// each one's own peak (they need not peak at once, so this is an upper bound, the same
// for both sides of the ratio).
qint64 treePeakKb(qint64 root) {
    QHash<qint64, qint64> parentOf;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number)
            continue;
        QFile stat("/proc/" + entry + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (fields.size() > 1)
            parentOf.insert(pid, fields[1].toLongLong());
    }
    qint64 total = 0;
    for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it) {
        qint64 p = it.key();
        while (p > 1 && p != root)
            p = parentOf.value(p, 0);
        if (p != root)
            continue;
        QFile status(QString("/proc/%1/status").arg(it.key()));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& l : status.readAll().split('\n'))
            if (l.startsWith("VmHWM:"))
                total += l.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return total;
}

// The caret into a paragraph, a key, and the time until the page holds the letter.
template <class Run> double keystroke(QWidget* view, Run run) {
    view->window()->activateWindow();
    if (!QTest::qWaitForWindowActive(view->window()))
        std::fprintf(stderr, "the window did not become active\n");
    QElapsedTimer t;
    t.start();
    run("(function(){ const p = document.getElementById('p3');"
        " getSelection().collapse(p.firstChild, 2); return 0; })()");
    QWidget* target = view->focusProxy() ? view->focusProxy() : view;
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Z);
    while (!run("document.getElementById('p3').textContent.indexOf('z') >= 0").toBool()) {
        if (t.elapsed() > 600000)
            return -1;
        QTest::qWait(5);
    }
    return msSince(t);
}

int bare(const QString& page) {
    BareEngine engine;
    engine.view()->window()->resize(1000, 700);
    engine.load(page);
    engine.run("document.designMode = 'on'");
    keystroke(engine.view(), [&](const QString& s) { return engine.run(s); });
    QTest::qWait(500);
    std::printf("peak %lld\n", (long long)treePeakKb(QCoreApplication::applicationPid()));
    return 0;
}

int editor(const QString& page) {
    auto* form = new MainForm;
    form->resize(1000, 700);
    form->show();
    DHTMLEdit* editor = form->DHTMLEdit1;
    editor->LoadDocument(page);
    keystroke(editor->view(), [&](const QString& s) { return editor->runScript(s); });
    // The copy of the typed page is part of what the editor holds.
    QElapsedTimer limit;
    limit.start();
    while (!editor->keeper().isCurrent() && limit.elapsed() < 300000)
        QTest::qWait(20);
    QTest::qWait(500);
    std::printf("peak %lld\n", (long long)treePeakKb(QCoreApplication::applicationPid()));
    editor->setDocumentHTML("<html><body></body></html>");
    delete form;
    return 0;
}

int large(const QString& page) {
    double bareOpen = 0;
    {
        BareEngine engine;
        bareOpen = engine.load(page);
    }
    auto* form = new MainForm;
    form->resize(1000, 700);
    form->show();
    DHTMLEdit* editor = form->DHTMLEdit1;
    QElapsedTimer t;
    t.start();
    double open = -1;
    double key = -1;
    try {
        editor->LoadDocument(page);
        open = msSince(t);
        key = keystroke(editor->view(), [&](const QString& s) { return editor->runScript(s); });
    } catch (const PlatformError& e) {
        std::fprintf(stderr, "the 50 MB page failed: %s\n", qPrintable(e.Description));
        return 1;
    }
    Module1::PublishLocalMode = "AbsolutePath";
    t.restart();
    const bool saved = form->SavePage(false);
    const double save = msSince(t);
    std::printf("open %.0f bare %.0f key %.0f save %.0f saved %d\n", open, bareOpen, key, save,
                saved);
    editor->setDocumentHTML("<html><body></body></html>");
    delete form;
    return 0;
}

// Runs this program in another process with args; the line of its output that starts
// with what, without it.
QString child(const QStringList& args, const QString& what) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), args);
    p.waitForFinished(-1);
    for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
        if (line.startsWith(what.toUtf8()))
            return QString::fromUtf8(line.mid(what.size())).trimmed();
    return {};
}

} // namespace

int main(int argc, char** argv) {
    BenchApp app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2 && args[0] == "bare")
        return bare(args[1]);
    if (args.size() == 2 && args[0] == "editor")
        return editor(args[1]);
    if (args.size() == 2 && args[0] == "large")
        return large(args[1]);

    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("12"));
    QDir().mkpath(dir.filePath("50"));
    const QString page12 = makeBenchPage(dir.filePath("12"), 12 * 1024 * 1024);
    const QString page50 = makeTextPage(dir.filePath("50"), 50 * 1024 * 1024);

    const double floor = child({"bare", page12}, "peak").toDouble();
    const double ours = child({"editor", page12}, "peak").toDouble();
    std::printf("12 MB page opened and typed into, peak memory of the whole process tree:\n");
    std::printf("  editor:                   %8.0f MB  ratio %.2f\n", ours / 1024, ours / floor);
    std::printf("  floor, bare web view:     %8.0f MB\n", floor / 1024);

    const QStringList times = child({"large", page50}, "open").split(' ');
    if (times.size() >= 9)
        std::printf("50 MB page: open %s ms (bare engine %s ms, ratio %.2f), keystroke %s ms, "
                    "save %s ms (saved %s)\n",
                    qPrintable(times[0]), qPrintable(times[2]),
                    times[0].toDouble() / times[2].toDouble(), qPrintable(times[4]),
                    qPrintable(times[6]), qPrintable(times[8]));
    else
        std::printf("50 MB page: the run failed (%s)\n", qPrintable(times.join(' ')));
    return 0;
}
