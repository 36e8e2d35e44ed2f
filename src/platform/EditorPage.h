#pragma once

#include "platform/EditorEvent.h"

#include <QVariantMap>
#include <QWebEnginePage>

class QWebEngineProfile;

// Receives the editing script's events over the web channel. A name the surface does not
// know (a script of another version) is dropped here.
class EditorBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    void notify(const QString& type, const QVariantMap& data);

signals:
    void notified(EditorEvent event, const QVariantMap& data);
};

// The page of the editing surface: page scripts off, our editing script in its own world
// from the document's creation on, the bridge on the web channel. It never navigates on
// its own (links, forms, meta refreshes and drops stay put) and opens no windows.
class EditorPage : public QWebEnginePage {
    Q_OBJECT
public:
    EditorPage(QWebEngineProfile* profile, QObject* parent);

    EditorBridge* bridge() const { return bridge_; }
    // The editing script: the web channel's client, the command identifiers, status values
    // and event names it shares with the surface, then our own files, in order.
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
