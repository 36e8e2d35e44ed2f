#pragma once

// What every benchmark shares: it never waits on a window, times with medians, and
// measures its floors with the bare engine in the same run.

#include "BenchGuard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <vector>

inline double msSince(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

struct Figures {
    double median = 0;
    double mean = 0;
    double p95 = 0;
    double worst = 0;
};

inline Figures figures(std::vector<double> ms) {
    Figures f;
    if (ms.empty())
        return f;
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms)
        sum += v;
    f.mean = sum / double(ms.size());
    f.median = ms[ms.size() / 2];
    f.p95 = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
    f.worst = ms.back();
    return f;
}

// The bare engine: a view with page scripts off and nothing of ours, the floor our
// surface is measured against.
class BareEngine {
public:
    BareEngine() : page_(new QWebEnginePage(&profile_)) {
        page_->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
        view_.setPage(page_);
        view_.resize(1000, 700);
        view_.show();
    }
    ~BareEngine() { delete page_; }

    // Loads a file and waits for the load to finish; the time taken.
    double load(const QString& path) {
        QElapsedTimer t;
        t.start();
        QEventLoop loop;
        QObject::connect(page_, &QWebEnginePage::loadFinished, &loop, &QEventLoop::quit);
        page_->load(QUrl::fromLocalFile(path));
        loop.exec();
        return msSince(t);
    }
    QVariant run(const QString& script) {
        QVariant result;
        bool done = false;
        QEventLoop loop;
        page_->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& v) {
            result = v;
            done = true;
            loop.quit();
        });
        if (!done)
            loop.exec();
        return result;
    }
    QWebEngineView* view() { return &view_; }

private:
    QWebEngineProfile profile_;
    QWebEnginePage* page_;
    QWebEngineView view_;
};
