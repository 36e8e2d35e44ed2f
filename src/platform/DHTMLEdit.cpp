#include "platform/DHTMLEdit.h"

#include "platform/CommonDialog.h"
#include "platform/PlatformError.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <memory>

// Receives the editing script's events over the web channel.
class EditorBridge : public QObject {
    Q_OBJECT
public:
    explicit EditorBridge(DHTMLEdit* editor) : QObject(editor), editor_(editor) {}

public slots:
    void notify(const QString& type, const QVariantMap& data) { editor_->post(type, data); }

private:
    DHTMLEdit* editor_;
};

// The page of the editing surface: it never navigates on its own (links, forms, meta
// refreshes and drops stay put) and opens no windows.
class EditorPage : public QWebEnginePage {
public:
    EditorPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

    bool allowNavigation = false;

protected:
    bool acceptNavigationRequest(const QUrl&, NavigationType, bool isMainFrame) override {
        return !isMainFrame || allowNavigation;
    }
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int line,
                                  const QString& source) override {
        if (qEnvironmentVariableIsSet("TESSALY_DEBUG_SCRIPTS"))
            qWarning("editor script: %s (%s:%d)", qPrintable(message), qPrintable(source), line);
    }
};

namespace {

// The blank page the surface starts with and New gives.
const QString BlankPage = QStringLiteral("<html><head></head><body></body></html>");

// The editing script: the web channel's client followed by our own files, in order.
QString editorScriptSource() {
    QString source;
    QFile channel(":/qtwebchannel/qwebchannel.js");
    if (channel.open(QIODevice::ReadOnly))
        source += QString::fromUtf8(channel.readAll()) + "\n";
    QDir dir(":/tessaly/js");
    for (const QString& name : dir.entryList({"*.js"}, QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            source += QString::fromUtf8(f.readAll()) + "\n";
    }
    return source;
}

QString jsonArguments(const QVariantList& args) {
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromVariantList(args)).toJson(QJsonDocument::Compact));
}

QString programFolderUrlPath() {
    return QCoreApplication::applicationDirPath() + "/";
}

// The charset a page declares in a meta element, or "".
QString declaredCharset(const QString& html) {
    static const QRegularExpression meta(
        R"(<meta\b[^>]*?charset\s*=\s*["']?\s*([A-Za-z0-9_.:\-]+))",
        QRegularExpression::CaseInsensitiveOption);
    const auto m = meta.match(html.left(64 * 1024));
    return m.hasMatch() ? m.captured(1) : QString();
}

// What a page file holds that editing would destroy, as the load error it gives.
void refuseUneditable(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw PlatformError(ErrorCode::AccessDenied, "Access denied");
    const QByteArray bytes = f.readAll();
    // Markers are ASCII in every encoding a page is likely to use. A block of server
    // script opens with "<?" (not an XML declaration) or "<%" and closes after it.
    auto opensAndCloses = [&bytes](const QByteArray& open, const QByteArray& close) {
        for (qsizetype at = bytes.indexOf(open); at >= 0; at = bytes.indexOf(open, at + 1)) {
            if (open == "<?" && bytes.mid(at + 2, 3).toLower() == "xml")
                continue;
            return bytes.indexOf(close, at + open.size()) >= 0;
        }
        return false;
    };
    if (opensAndCloses("<?", "?>") || opensAndCloses("<%", "%>"))
        throw PlatformError(ErrorCode::ServerScript, "Document is primarily server side script");
    static const QRegularExpression frameset(R"(<frameset\b)",
                                             QRegularExpression::CaseInsensitiveOption);
    const QString text = QString::fromLatin1(bytes);
    if (frameset.match(text).hasMatch())
        throw PlatformError(ErrorCode::Frameset, "Document contains a frameset");
}

// The keys the web view would take as its own commands, and ours for them.
int commandForKey(const QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier |
                                                         Qt::AltModifier | Qt::MetaModifier);
    if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && e->key() == Qt::Key_Z)
        return DECMD_REDO;
    if (mods != Qt::ControlModifier)
        return 0;
    switch (e->key()) {
    case Qt::Key_Z:
        return DECMD_UNDO;
    case Qt::Key_Y:
        return DECMD_REDO;
    case Qt::Key_X:
        return DECMD_CUT;
    case Qt::Key_C:
        return DECMD_COPY;
    case Qt::Key_V:
        return DECMD_PASTE;
    case Qt::Key_A:
        return DECMD_SELECTALL;
    case Qt::Key_F:
        return DECMD_FINDTEXT;
    default:
        return 0;
    }
}

} // namespace

DHTMLEdit::DHTMLEdit(QWidget* parent) : QWidget(parent) {
    setObjectName("DHTMLEdit1");
    editorSource_ = editorScriptSource();

    profile_ = new QWebEngineProfile(this); // off the record: nothing is kept on disk
    connect(profile_, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest* download) { download->cancel(); });
    createPage();

    view_ = new QWebEngineView(this);
    view_->setObjectName("DHTMLEditView");
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        // A right click on a selection keeps the page busy until the event that brought
        // it here is over (measured: any call to the page meanwhile waits for its
        // timeout). The menu, whose handler asks the page for the commands' states,
        // comes once the page answers again.
        QPointer<DHTMLEdit> self(this);
        page_->runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld,
                             [self, pos](const QVariant&) {
                                 if (self)
                                     self->post("contextmenu", {{"x", pos.x()}, {"y", pos.y()}});
                             });
    });
    view_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    loadBlank();
}

DHTMLEdit::~DHTMLEdit() {
    // The page must go before its profile.
    delete view_;
    view_ = nullptr;
    delete page_;
    page_ = nullptr;
}

void DHTMLEdit::createPage() {
    page_ = new EditorPage(profile_, this);
    QWebEngineSettings* s = page_->settings();
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
    script.setSourceCode(editorSource_);
    page_->scripts().insert(script);

    bridge_ = new EditorBridge(this);
    channel_ = new QWebChannel(this);
    channel_->registerObject("bridge", bridge_);
    page_->setWebChannel(channel_, QWebEngineScript::ApplicationWorld);

    connect(page_, &QWebEnginePage::loadStarted, this, [this] { startedSerial_ = loadSerial_; });
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (startedSerial_ != loadSerial_)
            return;
        loading_ = false;
        lastLoadOk_ = ok;
    });
}

int DHTMLEdit::timeoutFor(qsizetype size) const {
    // A few seconds, and one more for every megabyte of page.
    return 5000 + int(qMin<qsizetype>(size / 1000, 120000));
}

void DHTMLEdit::loadBlank() {
    ++loadSerial_;
    loading_ = true;
    page_->allowNavigation = true;
    page_->setHtml(BlankPage, QUrl::fromLocalFile(programFolderUrlPath()));
}

bool DHTMLEdit::waitForLoad(int timeoutMs) {
    if (loading_) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        auto finished = connect(page_, &QWebEnginePage::loadFinished, &loop, [this, &loop] {
            if (!loading_)
                loop.quit();
        });
        timer.start(timeoutMs);
        ++callDepth_;
        if (loading_)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        --callDepth_;
        disconnect(finished);
        if (loading_) {
            page_->triggerAction(QWebEnginePage::Stop);
            loading_ = false;
            lastLoadOk_ = false;
        }
    }
    page_->allowNavigation = false;
    if (callDepth_ == 0 && !pending_.isEmpty())
        QTimer::singleShot(0, this, &DHTMLEdit::flushEvents);
    return lastLoadOk_;
}

QVariantMap DHTMLEdit::viewOptions() const {
    return {{"borders", showBorders_},
            {"details", showDetails_},
            {"snap", snapToGrid_},
            {"div", useDiv_}};
}

void DHTMLEdit::attachEditor() {
    callEditor("attach", {viewOptions()});
}

void DHTMLEdit::afterLoad() {
    attachEditor();
    watchFocusProxy();
    post("complete");
}

QVariant DHTMLEdit::runScript(const QString& script) {
    if (loading_)
        waitForLoad(timeoutFor(sizeHint_));
    struct State {
        QVariant result;
        bool done = false;
        QPointer<QEventLoop> loop;
    };
    auto state = std::make_shared<State>();
    page_->runJavaScript(script, QWebEngineScript::ApplicationWorld, [state](const QVariant& v) {
        state->result = v;
        state->done = true;
        if (state->loop)
            state->loop->quit();
    });
    if (!state->done) {
        QEventLoop loop;
        state->loop = &loop;
        QTimer timer;
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(timeoutFor(sizeHint_ + script.size()));
        ++callDepth_;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        --callDepth_;
    }
    if (callDepth_ == 0 && !pending_.isEmpty())
        QTimer::singleShot(0, this, &DHTMLEdit::flushEvents);
    if (!state->done)
        throw PlatformError(ErrorCode::Timeout, "The page did not answer in time");
    return state->result;
}

QVariant DHTMLEdit::callEditor(const QString& name, const QVariantList& args) {
    const QString call = QString("(window.__tsly ? __tsly.call(%1, %2) : null)")
                             .arg(jsonArguments({name}).mid(1).chopped(1), jsonArguments(args));
    QVariant answer = runScript(call);
    if (!answer.isValid() || answer.isNull()) {
        // The page's world lost our script (a page that replaced its own window):
        // give it back and attach again before the call.
        runScript(editorSource_);
        if (name != "attach")
            runScript(
                QString("__tsly.attach(%1)").arg(jsonArguments({viewOptions()}).mid(1).chopped(1)));
        answer = runScript(call);
    }
    const QVariantMap map = answer.toMap();
    if (map.isEmpty())
        throw PlatformError(ErrorCode::Unexpected, "The editing surface is not ready");
    if (!map.value("ok").toBool())
        throw PlatformError(ErrorCode::Unexpected, map.value("error").toString());
    return map.value("value");
}

void DHTMLEdit::LoadDocument(const QString& givenPath, bool promptUser) {
    QString path = givenPath;
    if (path.isEmpty()) {
        if (!promptUser)
            throw PlatformError(ErrorCode::InvalidArgument, "Invalid argument");
        CommonDialog dialog;
        dialog.DialogTitle = "Open";
        dialog.Filter = "Web page files (*.html, *.htm)|*.html;*.htm;*.shtml|All Files (*.*)|*.*";
        dialog.FilterIndex = 1;
        dialog.InitDir = path_.isEmpty() ? QDir::homePath() : QFileInfo(path_).absolutePath();
        if (!dialog.ShowOpen(window()))
            return; // no choice: nothing changes
        path = dialog.FileName;
    }
    path = QDir::fromNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        if (!info.absoluteDir().exists())
            throw PlatformError(ErrorCode::PathNotFound, "Path not found");
        throw PlatformError(ErrorCode::FileNotFound, "File not found");
    }
    if (info.isDir())
        throw PlatformError(ErrorCode::InvalidArgument, "Invalid argument");
    if (!info.isReadable())
        throw PlatformError(ErrorCode::AccessDenied, "Access denied");
    refuseUneditable(path);

    busy_ = true;
    sizeHint_ = info.size();
    ++loadSerial_;
    loading_ = true;
    page_->allowNavigation = true;
    page_->load(QUrl::fromLocalFile(info.absoluteFilePath()));
    const bool ok = waitForLoad(timeoutFor(info.size()) * 2);
    busy_ = false;
    if (!ok) {
        // Whatever the engine left must not pass for the page: start blank again.
        loadBlank();
        waitForLoad(timeoutFor(0));
        path_.clear();
        afterLoad();
        throw PlatformError(ErrorCode::Unexpected, "Unexpected error");
    }
    path_ = info.absoluteFilePath();
    afterLoad();
    try {
        loadedCharset_ = callEditor("characterSet").toString();
    } catch (const PlatformError&) {
        loadedCharset_.clear();
    }
    charset_ = loadedCharset_.isEmpty() ? QStringLiteral("UTF-8") : loadedCharset_;
}

void DHTMLEdit::NewDocument() {
    loadBlank();
    waitForLoad(timeoutFor(0));
    path_.clear();
    loadedCharset_.clear();
    charset_ = QStringLiteral("UTF-8");
    sizeHint_ = 0;
    afterLoad();
}

QString DHTMLEdit::DocumentHTML() {
    const QString html = callEditor("html").toString();
    sizeHint_ = html.size();
    return html;
}

void DHTMLEdit::setDocumentHTML(const QString& html, bool markDirty) {
    sizeHint_ = qMax(sizeHint_, html.size());
    callEditor("write", {html, viewOptions()});
    sizeHint_ = html.size();
    const QString declared = declaredCharset(html);
    charset_ = !declared.isEmpty()         ? declared
               : !loadedCharset_.isEmpty() ? loadedCharset_
                                           : QStringLiteral("UTF-8");
    callEditor("setDirty", {markDirty});
    watchFocusProxy();
    post("complete");
}

bool DHTMLEdit::IsDirty() {
    return callEditor("isDirty").toBool();
}

HtmlDocument DHTMLEdit::DOM() {
    return HtmlDocument(this);
}

void DHTMLEdit::setShowBorders(bool on) {
    const bool changed = showBorders_ != on;
    showBorders_ = on;
    if (changed)
        emit ShowBordersChanged(on);
    callEditor("setOptions", {QVariantMap{{"borders", on}}});
}

void DHTMLEdit::setShowDetails(bool on) {
    const bool changed = showDetails_ != on;
    showDetails_ = on;
    if (changed)
        emit ShowDetailsChanged(on);
    callEditor("setOptions", {QVariantMap{{"details", on}}});
}

void DHTMLEdit::setSnapToGrid(bool on) {
    const bool changed = snapToGrid_ != on;
    snapToGrid_ = on;
    if (changed)
        emit SnapToGridChanged(on);
    callEditor("setOptions", {QVariantMap{{"snap", on}}});
}

void DHTMLEdit::setUseDivOnCarriageReturn(bool on) {
    useDiv_ = on;
    callEditor("setOptions", {QVariantMap{{"div", on}}});
}

QVariant DHTMLEdit::ExecCommand(int commandId, int option, const QVariant& argument) {
    QVariant result;
    if (nativeCommand(commandId, option, argument, result))
        return result;
    QVariant jsArgument = argument;
    if (argument.userType() >= QMetaType::User)
        jsArgument = QVariant();
    return callEditor("exec", {commandId, option, jsArgument});
}

int DHTMLEdit::QueryStatus(int commandId) {
    int status = 0;
    if (nativeStatus(commandId, status))
        return status;
    return callEditor("status", {commandId}).toInt();
}

void DHTMLEdit::SetContextMenu(const QStringList& captions, const QList<int>& states) {
    if (captions.size() != states.size())
        throw PlatformError(ErrorCode::InvalidArgument, "Invalid argument");
    menuCaptions_ = captions;
    menuStates_ = states;
}

void DHTMLEdit::PrintDocument(bool prompt) {
    QPrinter printer;
    if (prompt) {
        QPrintDialog dialog(&printer, window());
        dialog.setObjectName("PrintDialog");
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    struct State {
        bool done = false;
        bool ok = false;
    } state;
    QEventLoop loop;
    auto c = connect(view_, &QWebEngineView::printFinished, &loop, [&](bool ok) {
        state.done = true;
        state.ok = ok;
        loop.quit();
    });
    view_->print(&printer);
    if (!state.done) {
        QTimer timer;
        timer.setSingleShot(true);
        connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(timeoutFor(sizeHint_) * 6);
        ++callDepth_;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        --callDepth_;
    }
    disconnect(c);
    if (!state.ok)
        throw PlatformError(ErrorCode::Unexpected, "Unexpected error");
}

void DHTMLEdit::Refresh() {
    view_->update();
}

void DHTMLEdit::post(const QString& event, const QVariantMap& data) {
    // A burst of display changes makes one event.
    if (event == "display" && !pending_.isEmpty() && pending_.last().first == "display")
        return;
    pending_.append({event, data});
    if (!flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, this, &DHTMLEdit::flushEvents);
    }
}

void DHTMLEdit::flushEvents() {
    flushScheduled_ = false;
    if (callDepth_ > 0)
        return; // the call's end schedules the flush again
    while (!pending_.isEmpty() && callDepth_ == 0) {
        const auto [event, data] = pending_.takeFirst();
        if (event == "display")
            emit DisplayChanged();
        else if (event == "complete")
            emit DocumentComplete();
        else if (event == "contextmenu")
            showContextMenuAt(data.value("x").toInt(), data.value("y").toInt());
        else if (event == "menuaction")
            emit ContextMenuAction(data.value("index").toInt());
    }
    if (!pending_.isEmpty() && !flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, this, &DHTMLEdit::flushEvents);
    }
}

void DHTMLEdit::showContextMenuAt(int x, int y) {
    menuCaptions_.clear();
    menuStates_.clear();
    emit ShowContextMenu(x, y);
    if (menuCaptions_.isEmpty())
        return;
    QMenu menu(this);
    menu.setObjectName("DHTMLEditContextMenu");
    for (int i = 0; i < menuCaptions_.size(); ++i) {
        if (menuCaptions_[i].isEmpty()) {
            menu.addSeparator();
            continue;
        }
        QAction* a = menu.addAction(menuCaptions_[i]);
        a->setData(i);
        a->setEnabled(menuStates_.value(i) != 2);
    }
    if (QAction* chosen = menu.exec(view_->mapToGlobal(QPoint(x, y))))
        post("menuaction", {{"index", chosen->data().toInt()}});
}

void DHTMLEdit::watchFocusProxy() {
    QWidget* proxy = view_->focusProxy();
    if (proxy && proxy != focusProxyWatched_) {
        proxy->installEventFilter(this);
        focusProxyWatched_ = proxy;
    }
}

bool DHTMLEdit::routeKey(QKeyEvent* event) {
    const int command = commandForKey(event);
    if (!command)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Not the engine's: a shortcut of the window (or our key press) runs it.
        event->ignore();
        return true;
    }
    skipErrors([&] { ExecCommand(command, OLECMDEXECOPT_DODEFAULT); });
    return true;
}

bool DHTMLEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::ChildAdded)
        QTimer::singleShot(0, this, &DHTMLEdit::watchFocusProxy);
    if (watched == focusProxyWatched_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride))
        return routeKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

#include "DHTMLEdit.moc"
