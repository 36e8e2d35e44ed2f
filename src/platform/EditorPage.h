#pragma once

#include <QVariantMap>
#include <QWebEnginePage>

class QWebEngineProfile;

// Receives the editing script's events over the web channel.
class EditorBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    void notify(const QString& type, const QVariantMap& data) { emit notified(type, data); }

signals:
    void notified(const QString& type, const QVariantMap& data);
};

// The page of the editing surface: page scripts off, our editing script in its own world
// from the document's creation on, the bridge on the web channel. It never navigates on
// its own (links, forms, meta refreshes and drops stay put) and opens no windows.
class EditorPage : public QWebEnginePage {
    Q_OBJECT
public:
    EditorPage(QWebEngineProfile* profile, QObject* parent);

    EditorBridge* bridge() const { return bridge_; }
    // The editing script: the web channel's client followed by our own files, in order.
    static const QString& editorScript();

    bool allowNavigation = false;

protected:
    bool acceptNavigationRequest(const QUrl&, NavigationType, bool isMainFrame) override {
        return !isMainFrame || allowNavigation;
    }
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int line,
                                  const QString& source) override;

private:
    EditorBridge* bridge_;
};
