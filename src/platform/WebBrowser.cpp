#include "platform/WebBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <memory>

namespace {

// One profile for every browser view of the program, kept off the record (nothing is
// stored on disk) and made once: a profile costs more to start than a page.
QWebEngineProfile* sharedProfile() {
    static QPointer<QWebEngineProfile> profile;
    if (!profile) {
        profile = new QWebEngineProfile(QCoreApplication::instance());
        // A link or a frame that names a file the engine cannot show would start a
        // download into the user's folders; the control never downloads.
        QObject::connect(profile, &QWebEngineProfile::downloadRequested,
                         [](QWebEngineDownloadRequest* download) { download->cancel(); });
    }
    return profile;
}

// The page of the control: a link or script that opens a new window opens it here.
class BrowserPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    QWebEnginePage* createWindow(WebWindowType) override { return this; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int line,
                                  const QString& source) override {
        if (qEnvironmentVariableIsSet("TESSALY_DEBUG_SCRIPTS"))
            qWarning("browser page: %s (%s:%d)", qPrintable(message), qPrintable(source), line);
    }
};

QUrl urlFor(const QString& target) {
    const QString t = target.trimmed();
    // A drive letter or a leading slash is a path; anything with a scheme an address.
    const QUrl url(t);
    if (url.scheme().size() > 1 && !QDir::isAbsolutePath(t))
        return url;
    return QUrl::fromLocalFile(QFileInfo(QDir::fromNativeSeparators(t)).absoluteFilePath());
}

} // namespace

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent) {
    setObjectName("WebBrowser1");
    page_ = new BrowserPage(sharedProfile(), this);
    QWebEngineSettings* s = page_->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    // Set explicitly, as measured: by default the engine keeps a page's sound paused
    // until a click, and never requests an http frame or image from a file: page.
    s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);

    view_ = new QWebEngineView(this);
    view_->setObjectName("WebBrowserView");
    view_->setPage(page_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    connect(page_, &QWebEnginePage::loadStarted, this, [this] { loading_ = true; });
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        loading_ = false;
        emit DocumentComplete(ok);
    });
}

WebBrowser::~WebBrowser() {
    // The page goes before the view that shows it.
    delete view_;
    view_ = nullptr;
    delete page_;
    page_ = nullptr;
}

void WebBrowser::Navigate(const QString& target) {
    loading_ = true;
    page_->load(urlFor(target));
}

void WebBrowser::NavigateToHtml(const QString& html, const QString& baseFile) {
    loading_ = true;
    page_->setHtml(html, urlFor(baseFile));
}

QString WebBrowser::LocationURL() const {
    return page_->url().toString();
}

bool WebBrowser::RecentlyAudible() const {
    return page_->recentlyAudible();
}

QVariant WebBrowser::Evaluate(const QString& script, int timeoutMs) {
    struct State {
        QVariant result;
        bool done = false;
        QPointer<QEventLoop> loop;
    };
    auto state = std::make_shared<State>();
    page_->runJavaScript(script, [state](const QVariant& v) {
        state->result = v;
        state->done = true;
        if (state->loop)
            state->loop->quit();
    });
    if (!state->done) {
        QEventLoop loop;
        state->loop = &loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return state->done ? state->result : QVariant();
}
