#pragma once

#include <QVariant>
#include <QWidget>

class QWebEnginePage;
class QWebEngineView;

// The web-browser control: a view that shows a page as a browser would, its scripts,
// media and frames running. Unlike the editing surface it edits nothing.
class WebBrowser : public QWidget {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);
    ~WebBrowser() override;

    // Shows a page: a file path (absolute, "/" or "\" separated) or a web address.
    void Navigate(const QString& target);
    // Shows html as if it were the file at baseFile (its folder is the base for relative
    // references); for a page that could not be written anywhere.
    void NavigateToHtml(const QString& html, const QString& baseFile);

    // The address shown.
    QString LocationURL() const;
    // False from Navigate until the page has loaded (or failed to).
    bool ReadyState() const { return !loading_; }
    // Whether the page made a sound in the last moments.
    bool RecentlyAudible() const;

    // Runs a script in the page's own world and waits (up to timeoutMs) for its value;
    // an invalid value when it failed or did not answer.
    QVariant Evaluate(const QString& script, int timeoutMs = 5000);

    QWebEngineView* view() const { return view_; }

signals:
    // The page has loaded; ok is false when it could not be shown.
    void DocumentComplete(bool ok);

private:
    QWebEnginePage* page_ = nullptr;
    QWebEngineView* view_ = nullptr;
    bool loading_ = false;
};
