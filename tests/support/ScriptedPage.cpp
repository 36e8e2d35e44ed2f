#include "support/ScriptedPage.h"

#include "support/TestSupport.h"

#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace TestSupport {

class ScriptedPage::Page : public QWebEnginePage {
public:
    explicit Page(QWebEngineProfile* profile) : QWebEnginePage(profile) {}

    bool loading = false;
    bool following = false;
    QStringList errors;
    QStringList navigations;
    QStringList requested;
    QStringList logged;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                  int line, const QString&) override {
        if (level == ErrorMessageLevel)
            errors << QString("%1 (line %2)").arg(message).arg(line);
        else
            logged << message;
    }
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override {
        // Only the page itself loads; whatever it tries next is recorded, and followed only
        // for a page opened from its file.
        if (loading && isMainFrame)
            return true;
        navigations << QUrl::fromPercentEncoding(url.toEncoded());
        requested << QString::fromUtf8(url.toEncoded());
        return following;
    }
};

ScriptedPage::ScriptedPage() : view_(std::make_unique<QWebEngineView>()) {
    // A profile of its own: nothing the editor set on the default one applies here.
    auto* profile = new QWebEngineProfile(view_.get());
    page_ = new Page(profile);
    page_->setParent(view_.get());
    page_->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    // A scripted click has no user gesture; without this a "mailto:" address would be
    // dropped before it is offered to acceptNavigationRequest (which never follows it).
    page_->settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::AllowAllUnknownUrlSchemes);
    view_->setPage(page_);
    view_->resize(800, 600);
}

ScriptedPage::~ScriptedPage() {
    // The page goes before its profile.
    view_->setPage(nullptr);
    delete page_;
}

bool ScriptedPage::load(const QString& html) {
    page_->following = false;
    return loadWith([&] { page_->setHtml(html, QUrl("file:///scripted-page.html")); });
}

bool ScriptedPage::open(const QString& path) {
    page_->following = true;
    return loadWith([&] { page_->load(QUrl::fromLocalFile(path)); });
}

bool ScriptedPage::loadWith(const std::function<void()>& start) {
    bool finished = false;
    bool ok = false;
    const auto connection = QObject::connect(page_, &QWebEnginePage::loadFinished, [&](bool done) {
        finished = true;
        ok = done;
    });
    page_->errors.clear();
    page_->navigations.clear();
    page_->requested.clear();
    page_->loading = true;
    start();
    waitUntil([&] { return finished; }, 15000);
    page_->loading = false;
    QObject::disconnect(connection);
    return finished && ok;
}

void ScriptedPage::click(const QPoint& at) {
    if (!view_->isVisible()) {
        view_->show();
        waitUntil([&] { return view_->focusProxy() != nullptr; }, 5000);
    }
    QWidget* surface = view_->focusProxy() ? view_->focusProxy() : view_.get();
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, at);
}

QVariant ScriptedPage::run(const QString& script) {
    bool answered = false;
    QVariant result;
    page_->runJavaScript(script, QWebEngineScript::MainWorld, [&](const QVariant& value) {
        result = value;
        answered = true;
    });
    waitUntil([&] { return answered; }, 15000);
    return result;
}

QStringList ScriptedPage::errors() {
    // Messages arrive in the order the page sent them: once a marker sent now has come
    // back, every error reported before it is here.
    static int markers = 0;
    const QString marker = QString("scripted-page-marker-%1").arg(++markers);
    run(QString("console.log('%1')").arg(marker));
    waitUntil([&] { return page_->logged.contains(marker); }, 15000);
    return page_->errors;
}

QStringList ScriptedPage::navigations() const {
    return page_->navigations;
}

QStringList ScriptedPage::requestedAddresses() const {
    return page_->requested;
}

} // namespace TestSupport
