#pragma once

// A benchmark never waits on a window: a modal window it does not drive itself ends the
// run with what it said, instead of a run that never ends.

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// expected: the object names of the modal windows the benchmark opens and answers itself.
inline void stopOnAnyWindow(const QStringList& expected = {}) {
    auto* watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, [expected] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || expected.contains(w->objectName()))
            return;
        QString what = w->objectName() + " \"" + w->windowTitle() + "\"";
        if (auto* box = qobject_cast<QMessageBox*>(w))
            what += ": " + box->text();
        std::fprintf(stderr, "benchmark stopped: a window opened that nobody answers: %s\n",
                     qPrintable(what));
        std::fflush(stderr);
        std::_Exit(3);
    });
    watch->start(100);
}

// What every benchmark runs in: settings of its own (nobody's real ones are read or
// changed), the engine's sandbox off when run as root (it refuses to start otherwise),
// the application, and the guard above.
class BenchApp {
public:
    BenchApp(int& argc, char** argv, const QStringList& expected = {})
        : settings_(useOwnSettings(config_)), app_(argc, argv) {
        stopOnAnyWindow(expected);
    }

private:
    static bool useOwnSettings(const QTemporaryDir& config) {
        if (geteuid() == 0)
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        return qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    }
    QTemporaryDir config_;
    bool settings_;
    QApplication app_;
};
