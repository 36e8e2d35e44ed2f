#pragma once

// A page run as a visitor's browser runs it: a web view with scripts on, outside the
// editor. Tests load generated markup into it, drive it with script and read back the
// script errors the page reported and the navigations it tried.

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

class QWebEngineView;

namespace TestSupport {

class ScriptedPage {
public:
    ScriptedPage();
    ~ScriptedPage();

    // Loads a whole page (or a fragment); false when it did not finish loading.
    bool load(const QString& html);
    // Opens a page file, frames and all; unlike a loaded page, it and its frames go where
    // their scripts send them (still recorded). False when it did not finish loading.
    bool open(const QString& path);
    // Clicks the page at a point of its view with the mouse, as a visitor would (the
    // view is shown for it): the browser's own hit testing decides what is clicked.
    void click(const QPoint& at);
    // Runs script in the page's own world and returns its value.
    QVariant run(const QString& script);
    // The script errors the page reported since it was loaded, each with its line.
    // Waits until every message sent before the call has arrived.
    QStringList errors();
    // The addresses the page tried to go to since it was loaded (none is followed), with
    // their percent escapes decoded.
    QStringList navigations() const;
    // The same addresses as the engine asked for them, percent escapes kept.
    QStringList requestedAddresses() const;

private:
    bool loadWith(const std::function<void()>& start);

    class Page;
    std::unique_ptr<QWebEngineView> view_;
    Page* page_ = nullptr;
};

} // namespace TestSupport
