#include "platform/EditorPage.h"

#include <QDir>
#include <QFile>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

EditorPage::EditorPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), bridge_(new EditorBridge(this)) {
    QWebEngineSettings* s = settings();
    // Page scripts never run while a page is edited; ours run in their own world.
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setAttribute(QWebEngineSettings::AutoLoadImages, true);

    QWebEngineScript script;
    script.setName("tessaly-editor");
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(editorScript());
    scripts().insert(script);

    auto* channel = new QWebChannel(this);
    channel->registerObject("bridge", bridge_);
    setWebChannel(channel, QWebEngineScript::ApplicationWorld);
}

const QString& EditorPage::editorScript() {
    static const QString source = [] {
        QString text;
        QFile channel(":/qtwebchannel/qwebchannel.js");
        if (channel.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(channel.readAll()) + "\n";
        QDir dir(":/tessaly/js");
        for (const QString& name : dir.entryList({"*.js"}, QDir::Files, QDir::Name)) {
            QFile f(dir.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                text += QString::fromUtf8(f.readAll()) + "\n";
        }
        return text;
    }();
    return source;
}

void EditorPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message,
                                          int line, const QString& source) {
    if (qEnvironmentVariableIsSet("TESSALY_DEBUG_SCRIPTS"))
        qWarning("editor script: %s (%s:%d)", qPrintable(message), qPrintable(source), line);
}
