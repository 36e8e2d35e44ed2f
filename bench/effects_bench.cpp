// Prints what it costs, from the marquee dialog's OK to the preview showing its effect
// (page loaded), beside a bare web view made and loading the same preview file, with
// the ratio of the two. Aim: within 1.3 times the bare view.
#include "core/window/MainForm.h"
#include "effects/Effects.h"
#include "effects/Marquee.h"
#include "effects/Preview.h"
#include "effects/PreviewFile.h"
#include "platform/WebBrowser.h"

#include "BenchGuard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Times each preview from the moment it shows until its page has loaded, then closes it.
class PreviewWatch : public QObject {
public:
    QElapsedTimer* clock = nullptr;
    double loadedAt = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* preview = qobject_cast<Preview*>(watched);
        if (preview && event->type() == QEvent::Show) {
            connect(preview->WebBrowser1, &WebBrowser::DocumentComplete, preview, [this, preview] {
                loadedAt = clock->nsecsElapsed() / 1e6;
                QTimer::singleShot(0, preview, &QWidget::close);
            });
        }
        return false;
    }
};

// From OK to the preview's page loaded, in ms.
double effectMs(MainForm* form, PreviewWatch& watch) {
    auto* dialog = Effects::Load<Marquee>(form);
    dialog->Text1->setText("Scrolling text for the benchmark");
    QElapsedTimer clock;
    watch.clock = &clock;
    watch.loadedAt = -1;
    QTimer::singleShot(0, dialog, [dialog, &clock] {
        clock.start();
        dialog->Command1->click();
    });
    Effects::Run(dialog); // the preview's close box ends it, the dialog kept hidden
    Effects::Unload(Marquee::Code);
    return watch.loadedAt;
}

// A bare view made and loading the same file, in ms.
double bareMs(const QString& file) {
    QElapsedTimer clock;
    clock.start();
    QWebEngineView view;
    view.resize(640, 420);
    view.show();
    QEventLoop loop;
    QObject::connect(view.page(), &QWebEnginePage::loadFinished, &loop, &QEventLoop::quit);
    view.load(QUrl::fromLocalFile(file));
    loop.exec();
    return clock.nsecsElapsed() / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    BenchApp app(argc, argv, {"Marquee", "Preview"});
    QTemporaryDir folder;
    PreviewFile::SetFolder(folder.path());
    const QString file = folder.path() + "/" + PreviewFile::FileName;

    auto* form = new MainForm;
    form->show();
    PreviewWatch watch;
    qApp->installEventFilter(&watch);

    // One of each first: the engine's first view costs more than the others.
    effectMs(form, watch);
    bareMs(file);
    const int rounds = 15;
    std::vector<double> effect, bare;
    for (int i = 0; i < rounds; ++i) {
        effect.push_back(effectMs(form, watch));
        bare.push_back(bareMs(file));
    }
    qApp->removeEventFilter(&watch);
    delete form;

    const double e = median(effect), b = median(bare);
    std::printf("OK to marquee preview loaded: %8.1f ms (median of %d)\n", e, rounds);
    std::printf("bare view, same file:         %8.1f ms  (ratio %.2f, aim <= 1.30)\n", b, e / b);
    return 0;
}
