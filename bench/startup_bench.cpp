// Prints what start-up, opening a large page and the surface's round trips cost on
// this machine, beside the bare web engine opening the same page.
#include "core/MainForm.h"
#include "platform/DHTMLEdit.h"

#include "BenchPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <cstdio>
#include <unistd.h>

namespace {

double bareLoadMs(const QString& path) {
    QWebEngineProfile profile;
    auto* page = new QWebEnginePage(&profile);
    page->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    QWebEngineView view;
    view.setPage(page);
    view.resize(1000, 700);
    view.show();
    QElapsedTimer t;
    t.start();
    QEventLoop loop;
    QObject::connect(page, &QWebEnginePage::loadFinished, &loop, &QEventLoop::quit);
    page->load(QUrl::fromLocalFile(path));
    loop.exec();
    const double ms = t.nsecsElapsed() / 1e6;
    delete page;
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString page = makeBenchPage(dir.path(), 5 * 1024 * 1024);

    QElapsedTimer t;
    t.start();
    auto* form = new MainForm;
    form->show();
    form->DHTMLEdit1->DocumentHTML(); // ready: the blank page answers
    const double startup = t.nsecsElapsed() / 1e6;

    t.restart();
    form->DHTMLEdit1->LoadDocument(page);
    const double open = t.nsecsElapsed() / 1e6;

    t.restart();
    const qsizetype size = form->DHTMLEdit1->DocumentHTML().size();
    const double html = t.nsecsElapsed() / 1e6;

    const int rounds = 500;
    t.restart();
    for (int i = 0; i < rounds; ++i)
        form->DHTMLEdit1->QueryStatus(DECMD_BOLD);
    const double status = t.nsecsElapsed() / 1e6 / rounds;

    form->DHTMLEdit1->setDocumentHTML("<html><body></body></html>");
    delete form;

    const double bare = bareLoadMs(page);
    std::printf("start-up to ready:            %8.1f ms\n", startup);
    std::printf("open 5 MB page:               %8.1f ms\n", open);
    std::printf("bare engine, same page:       %8.1f ms  (ratio %.2f)\n", bare, open / bare);
    std::printf("DocumentHTML of it (%lld chars): %6.1f ms\n", (long long)size, html);
    std::printf("QueryStatus round trip:       %8.3f ms\n", status);
    return 0;
}
