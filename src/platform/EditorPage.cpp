#include "platform/EditorPage.h"

#include "platform/DHTMLEditCommands.h"

#include <QDir>
#include <QFile>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>

namespace {

// The events the editing script sends, by the names it sends them with; the script finds
// each name in HOST_EVENT under the name in capitals.
struct ScriptEvent {
    const char* name;
    EditorEvent event;
};
constexpr ScriptEvent scriptEvents[] = {
    {"changed", EditorEvent::Changed},
    {"display", EditorEvent::Display},
    {"paste", EditorEvent::Paste},
};

// What the script shares with the surface, as frozen objects ahead of its files: DECMD and
// DECMDF from the lists the C++ constants come from, HOST_EVENT from the table above. They
// are vars: the surface may run the whole script again in the same world, where a second
// const would be an error that stops all of it.
QString sharedDefinitions() {
    QStringList commands;
#define TESSALY_DECMD_ENTRY(name, value) commands << QStringLiteral(#name ": " #value);
    TESSALY_DECMD_LIST(TESSALY_DECMD_ENTRY)
#undef TESSALY_DECMD_ENTRY
    QStringList statuses;
#define TESSALY_DECMDF_ENTRY(name, value) statuses << QStringLiteral(#name ": " #value);
    TESSALY_DECMDF_LIST(TESSALY_DECMDF_ENTRY)
#undef TESSALY_DECMDF_ENTRY
    QStringList events;
    for (const ScriptEvent& e : scriptEvents)
        events << QStringLiteral("%1: '%2'")
                      .arg(QString::fromLatin1(e.name).toUpper(), QLatin1String(e.name));
    return QStringLiteral("var DECMD = Object.freeze({%1});\n"
                          "var DECMDF = Object.freeze({%2});\n"
                          "var HOST_EVENT = Object.freeze({%3});\n")
        .arg(commands.join(", "), statuses.join(", "), events.join(", "));
}

} // namespace

void EditorBridge::notify(const QString& type, const QVariantMap& data) {
    for (const ScriptEvent& e : scriptEvents) {
        if (type == QLatin1String(e.name)) {
            emit notified(e.event, data);
            return;
        }
    }
    if (qEnvironmentVariableIsSet("TESSALY_DEBUG_SCRIPTS"))
        qWarning("editor script: unknown event %s dropped", qPrintable(type));
}

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
        text += sharedDefinitions();
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
