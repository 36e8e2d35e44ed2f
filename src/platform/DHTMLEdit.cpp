#include "platform/DHTMLEdit.h"

#include "platform/EditorPage.h"
#include "platform/PageKeeper.h"
#include "platform/PageWait.h"
#include "platform/PlatformError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {

QString jsonArguments(const QVariantList& args) {
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromVariantList(args)).toJson(QJsonDocument::Compact));
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
    // As the toolbar's buttons: each is a command of its own, not part of the typing
    // around it.
    case Qt::Key_B:
        return DECMD_BOLD;
    case Qt::Key_I:
        return DECMD_ITALIC;
    case Qt::Key_U:
        return DECMD_UNDERLINE;
    case Qt::Key_F:
        return DECMD_FINDTEXT;
    default:
        return 0;
    }
}

} // namespace

DHTMLEdit::DHTMLEdit(QWidget* parent) : QWidget(parent) {
    setObjectName("DHTMLEdit1");

    profile_ = new QWebEngineProfile(this); // off the record: nothing is kept on disk
    connect(profile_, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest* download) { download->cancel(); });
    page_ = new EditorPage(profile_, this);
    wait_ = new PageWait(page_, this);
    // The copy is read when the surface is not itself waiting on the page: a save's
    // reading of a large page and the copy's would hold two texts of it at once.
    keeper_ = new PageKeeper(
        page_, [this] { return wait_->depth() > 0 || loading_; }, this);
    connect(page_->bridge(), &EditorBridge::notified, this, &DHTMLEdit::post);
    connect(page_, &QWebEnginePage::loadingChanged, this, &DHTMLEdit::loadingChanged);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this, &DHTMLEdit::renderProcessEnded);
    connect(page_, &QWebEnginePage::loadProgress, this, [this] {
        if (wait_)
            wait_->noteProgress();
    });
    connect(wait_, &PageWait::idle, this, [this] {
        // A start after the render process's end waits for the calls that were waiting.
        if (restartScheduled_)
            QTimer::singleShot(0, this, [this] {
                if (restartScheduled_ && wait_->depth() == 0)
                    startAgain();
            });
        if (!pending_.isEmpty() && !flushScheduled_) {
            flushScheduled_ = true;
            QTimer::singleShot(0, this, &DHTMLEdit::flushEvents);
        }
    });

    view_ = new QWebEngineView(this);
    view_->setObjectName("DHTMLEditView");
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        // A right click on a selection keeps the page busy until the event that brought
        // it here is over, and a call that waits for the page right after it may not be
        // answered until that wait gives up. So the commands' statuses the menu's handler
        // asks for come with the page's first answer, not waited for, and the menu comes
        // with them.
        QPointer<DHTMLEdit> self(this);
        page_->runJavaScript(
            QStringLiteral("(function () { if (!window.__tsly) return null;"
                           " const ids = Object.keys(__tsly.commands).map(Number);"
                           " return { ids: ids, statuses: __tsly.statuses(ids) }; })()"),
            QWebEngineScript::ApplicationWorld, [self, pos](const QVariant& answer) {
                if (!self)
                    return;
                self->menuStatuses_.clear();
                const QVariantMap map = answer.toMap();
                const QVariantList ids = map.value("ids").toList();
                const QVariantList statuses = map.value("statuses").toList();
                for (int i = 0; i < ids.size() && i < statuses.size(); ++i)
                    self->menuStatuses_.insert(ids[i].toInt(), statuses[i].toInt());
                self->post(EditorEvent::ContextMenu, {{"x", pos.x()}, {"y", pos.y()}});
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
    // Calls still waiting on the page (further down the stack, whoever destroys the
    // surface) end now with a failure, touching nothing of it.
    delete wait_;
    wait_ = nullptr;
    delete keeper_;
    keeper_ = nullptr;
    // The page must go before its profile, and its end is no render process ending.
    disconnect(page_, nullptr, this, nullptr);
    delete view_;
    view_ = nullptr;
    delete page_;
    page_ = nullptr;
}

void DHTMLEdit::syncDisplayState() {
    const QVariant state = runScript("window.__tsly ? __tsly.currentDisplay() : null");
    if (state.canConvert<QVariantMap>() && !state.isNull())
        display_ = DisplayState::fromPage(state.toMap());
}

void DHTMLEdit::setSilenceLimit(int ms) {
    wait_->setSilenceLimit(ms);
}

QVariant DHTMLEdit::runScript(const QString& script) {
    if (loading_)
        waitForLoad();
    if (pendingWrite_)
        writePending();
    return wait_->runScript(script);
}

void DHTMLEdit::callEditorLater(const QString& name, const QVariantList& args) {
    const QString call = QString("(window.__tsly ? __tsly.call(%1, %2) : null)")
                             .arg(jsonArguments({name}).mid(1).chopped(1), jsonArguments(args));
    page_->runJavaScript(call, QWebEngineScript::ApplicationWorld);
}

QVariant DHTMLEdit::callEditor(const QString& name, const QVariantList& args) {
    const QString call =
        QString("(window.__tsly ? __tsly.call(%1, %2) : null)")
            .arg(jsonArguments({name}).mid(1).chopped(1),
                 jsonArguments(name == "receive" ? args : sendLargeArguments(args)));
    QVariant answer = runScript(call);
    if (!answer.isValid() || answer.isNull()) {
        // The page's world lost our script (a page that replaced its own window):
        // give it back and attach again before the call.
        runScript(EditorPage::editorScript());
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
    writePending();
    bool done = false;
    bool ok = false;
    QMetaObject::Connection c;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // A file gets the engine's own PDF: text stays text and links stay links (the
        // printer path would draw every page as one picture).
        c = connect(view_, &QWebEngineView::pdfPrintingFinished, this,
                    [&](const QString&, bool success) {
                        done = true;
                        ok = success;
                    });
        view_->printToPdf(printer.outputFileName(), printer.pageLayout(), printer.pageRanges());
    } else {
        c = connect(view_, &QWebEngineView::printFinished, this, [&](bool success) {
            done = true;
            ok = success;
        });
        view_->print(&printer);
    }
    try {
        wait_->until([&done] { return done; });
    } catch (const PlatformError&) {
        disconnect(c);
        throw;
    }
    disconnect(c);
    if (!ok)
        throw PlatformError(ErrorCode::Unexpected, "Unexpected error");
}

void DHTMLEdit::Refresh() {
    view_->update();
}

void DHTMLEdit::post(EditorEvent event, const QVariantMap& data) {
    // The user changed the page: the copy is read once the page is quiet.
    if (event == EditorEvent::Changed) {
        keeper_->pageChanged();
        return;
    }
    // The state comes with the event and is there at once, for whoever asks.
    if (event == EditorEvent::Display && data.value("state").canConvert<QVariantMap>()) {
        const DisplayState state = DisplayState::fromPage(data.value("state").toMap());
        if (display_.olderThan(state))
            display_ = state;
    }
    // A burst of display changes makes one event.
    if (event == EditorEvent::Display && !pending_.isEmpty() &&
        pending_.last().first == EditorEvent::Display)
        return;
    pending_.append({event, data});
    if (!flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, this, &DHTMLEdit::flushEvents);
    }
}

void DHTMLEdit::flushEvents() {
    flushScheduled_ = false;
    if (wait_->depth() > 0)
        return; // the call's end schedules the flush again
    while (!pending_.isEmpty() && wait_->depth() == 0) {
        const auto [event, data] = pending_.takeFirst();
        switch (event) {
        case EditorEvent::Changed: // taken as it comes, never queued
            break;
        case EditorEvent::Display:
            emit DisplayChanged();
            break;
        case EditorEvent::Complete:
            emit DocumentComplete();
            break;
        case EditorEvent::ContextMenu:
            showContextMenuAt(data.value("x").toInt(), data.value("y").toInt());
            break;
        case EditorEvent::MenuAction:
            emit ContextMenuAction(data.value("index").toInt());
            break;
        case EditorEvent::Paste:
            pasteFromPage(data);
            break;
        }
    }
    if (!pending_.isEmpty() && !flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, this, &DHTMLEdit::flushEvents);
    }
}

void DHTMLEdit::showContextMenuAt(int x, int y) {
    menuCaptions_.clear();
    menuStates_.clear();
    buildingMenu_ = true;
    emit ShowContextMenu(x, y);
    buildingMenu_ = false;
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
        post(EditorEvent::MenuAction, {{"index", chosen->data().toInt()}});
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
    // What the user does goes to the page the program last wrote.
    if (pendingWrite_ && watched == focusProxyWatched_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::InputMethod))
        skipErrors([this] { writePending(); });
    if (watched == focusProxyWatched_ &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride))
        return routeKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}
