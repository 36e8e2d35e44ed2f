#pragma once

// A benchmark never waits on a window: a modal window it does not drive itself ends the
// run with what it said, instead of a run that never ends.

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

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
