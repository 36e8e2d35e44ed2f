#pragma once

#include "platform/DHTMLEditCommands.h"
#include "platform/DisplayState.h"
#include "platform/EditorEvent.h"
#include "platform/HtmlDocument.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QWidget>
#include <optional>

class EditorPage;
class PageKeeper;
class PageWait;
class QWebEngineView;
class QWebEngineProfile;
class QWebEngineLoadingInfo;

// The editing surface: a web view whose page is in design mode. It owns the page
// while it is open; everything else reaches the page through these members. Members
// that fail throw PlatformError (the callers decide whether to skip and go on). A
// failure means the page did not change: members wait for the page's real answer
// however long it takes, and fail only when the page's render process ended, the
// page stopped answering or the surface was destroyed meanwhile (which ends every wait at
// once). The surface keeps a copy of the page as of its latest change: when the render
// process ends, it starts again on that copy, with the page's path, character set and
// changed state, and tells the user; only a page with nothing to restore starts blank.
class DHTMLEdit : public QWidget {
    Q_OBJECT
public:
    explicit DHTMLEdit(QWidget* parent = nullptr);
    ~DHTMLEdit() override;

    // Loads a page file; ("", true) asks for the file first (a cancelled question
    // changes nothing and gives false). Refuses, keeping the page it has, a file that is
    // not a page (binary content) and what editing would destroy: server-side script and
    // framesets in the page's markup. Text in UTF-16 without a byte-order mark, which
    // the engine cannot read, is read here. A load that another load or New replaces
    // before it is done gives false too, and leaves the page, its path and character set
    // to that one.
    bool LoadDocument(const QString& path, bool promptUser = false);
    // Loads the page file the program has just written from this page in charset (a
    // save's reload), as LoadDocument does: the page keeps that character set, whatever
    // the engine guesses for a file that does not declare one, and the user's place (the
    // scroll position and the selection).
    void ReloadDocument(const QString& path, const QString& charset);
    // Empties the page; it has no path and is unchanged.
    void NewDocument();

    QVariant ExecCommand(int commandId, int option, const QVariant& argument = {});
    int QueryStatus(int commandId);
    // The statuses of several commands in one call to the page (a failed one is 0).
    QList<int> QueryStatuses(const QList<int>& commandIds);

    // The menu the next ShowContextMenu shows: captions ("" is a separator) and states
    // (0 normal, 2 greyed), of equal length.
    void SetContextMenu(const QStringList& captions, const QList<int>& states);

    // Prints the page, after the print dialog when prompt is true.
    void PrintDocument(bool prompt);
    void Refresh();

    HtmlDocument DOM();

    // The whole page source: doctype and comments outside <html> included. It crosses
    // from the page in pieces of bounded size, so a page of any size the engine can
    // show can be read.
    QString DocumentHTML();
    // Replaces the page with html; its path stays. markDirty says whether the page
    // counts as changed afterwards. The page takes the HTML before anything else
    // reaches it; a load that comes first replaces the page without it.
    void setDocumentHTML(const QString& html, bool markDirty = false);
    // Replaces the page with html as one change of the user's (the source view's edit):
    // the page counts as changed, and Undo gives back the page as it was.
    void ApplyDocumentHTML(const QString& html);

    bool IsDirty();
    // The file the page shown belongs to ("" for a page without one).
    QString CurrentDocumentPath() const { return path_; }
    // The character set the page is written in: the meta charset of the HTML last
    // written, else that of the file last loaded, else UTF-8.
    QString CharacterSet() const { return charset_; }
    // How many characters of the file last loaded could not be read in its character
    // set: the page shows each as the replacement character U+FFFD, and a save writes it
    // so. 0 for a page not loaded from a file.
    qsizetype UnreadableCharacters() const { return unreadable_; }

    bool ShowBorders() const { return showBorders_; }
    void setShowBorders(bool on);
    bool ShowDetails() const { return showDetails_; }
    void setShowDetails(bool on);
    bool SnapToGrid() const { return snapToGrid_; }
    void setSnapToGrid(bool on);
    bool UseDivOnCarriageReturn() const { return useDiv_; }
    void setUseDivOnCarriageReturn(bool on);
    bool Busy() const { return busy_; }

    // After a failure of the render process's end: starts the page again now if it has
    // not yet, and gives the sentence that tells the user what came back; the surface
    // then does not tell it itself. "" when the render process did not end.
    QString takeRestoreNotice();
    // The copy of the page the surface keeps for a render process's end.
    const PageKeeper& keeper() const { return *keeper_; }
    // Off, the surface keeps no copy of the user's changes (to measure what it costs).
    void setKeepingCopy(bool on);

    // The state of the selection the page sent with its last DisplayChanged.
    const DisplayState& displayState() const { return display_; }
    // Asks the page for that state now (one call), for a caller that changed the
    // selection itself and cannot wait for the event.
    void syncDisplayState();
    // The statuses of commands (as QueryStatuses gives them) for the handler of
    // ShowContextMenu: while it builds the menu, those the right click read with its own
    // answer. A right click on a selection keeps the page busy until the event that brought
    // it here is over, so a call that waited for the page then might not be answered.
    // A command the click did not read, and a call outside the handler, ask the page.
    QList<int> contextMenuStatuses(const QList<int>& commandIds);

    // Runs a script of ours in the editing world and waits for its value, however long
    // it takes. A script that throws, a render process that ended or a page that stopped
    // answering throws PlatformError.
    QVariant runScript(const QString& script);
    // Calls a function of the editing script (__tsly.name) with JSON-able arguments.
    QVariant callEditor(const QString& name, const QVariantList& args = {});
    // Calls one of our script's functions without waiting for it: for work the page may
    // do in its own time (every later call reaches the page after it).
    void callEditorLater(const QString& name, const QVariantList& args = {});

    QWebEngineView* view() const { return view_; }
    // How long the page may show no sign of life (no answer, no work) before a call
    // fails; a generous minute unless a test needs less.
    void setSilenceLimit(int ms);

signals:
    void DocumentComplete();
    void DisplayChanged();
    void ShowContextMenu(int x, int y);
    void ContextMenuAction(int itemIndex);
    // The display options, each emitted when its value changes.
    void ShowBordersChanged(bool on);
    void ShowDetailsChanged(bool on);
    void SnapToGridChanged(bool on);
    // CurrentDocumentPath changed (a load, New, or a page that came back without one).
    void CurrentDocumentPathChanged(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The page's life (DHTMLEditLoad.cpp): loads and writes.
    void startLoad(const QUrl& url, const QString& html = {});
    bool waitForLoad();
    void loadBlank(const QUrl& url = {});
    void loadingChanged(const QWebEngineLoadingInfo& info);
    static bool sameAddress(const QUrl& a, const QUrl& b);
    bool loadUnseen();
    // The blank page, with no path, in UTF-8, ready for editing.
    void startBlank();
    void setPath(const QString& path);
    // Attaches the editing script to the page just loaded; the page's character set.
    QString afterLoad();
    QVariantMap viewOptions() const;
    void writePending();
    // The page's character set once html is written into it.
    void noteCharsetOf(const QString& html);

    // A render process's end (DHTMLEditRestart.cpp): the page starts again on its copy.
    void renderProcessEnded();
    void startAgain();
    bool restoreCopy();
    void tellRestart(const QString& notice);

    // Text to and from the page in pieces (DHTMLEditText.cpp). An argument of a call
    // larger than a piece goes ahead of the call, piece by piece.
    QString readText();
    QVariantList sendLargeArguments(const QVariantList& args);

    // Commands the surface runs natively instead of in the editing script.
    bool nativeCommand(int commandId, int option, const QVariant& argument, QVariant& result);
    bool nativeStatus(int commandId, int& status);
    bool findWithDialog();
    // The engine's own paste (Shift+Insert), which the page hands over to ours.
    void pasteFromPage(const QVariantMap& data);
    bool routeKey(QKeyEvent* event);
    void watchFocusProxy();

    // Events from the page are queued and emitted from the event loop, never inside a
    // synchronous call or an engine callback.
    void post(EditorEvent event, const QVariantMap& data = {});
    void flushEvents();
    void showContextMenuAt(int x, int y);

    struct PendingWrite {
        QString html;
        bool markDirty = false;
    };

    QWebEngineProfile* profile_ = nullptr;
    EditorPage* page_ = nullptr;
    QWebEngineView* view_ = nullptr;
    PageWait* wait_ = nullptr;
    PageKeeper* keeper_ = nullptr;

    QString path_;
    QString charset_ = QStringLiteral("UTF-8");
    QString loadedCharset_;
    qsizetype unreadable_ = 0;
    std::optional<PendingWrite> pendingWrite_;
    DisplayState display_;
    bool showBorders_ = false;
    bool showDetails_ = false;
    bool snapToGrid_ = false;
    bool useDiv_ = true;
    bool busy_ = false;
    bool loading_ = false;
    bool lastLoadOk_ = false;
    bool restartScheduled_ = false;
    // Restarts since the page last lived a while on its own: a page that ends its render
    // process again and again is given up, not restored for ever.
    int restarts_ = 0;
    QElapsedTimer sinceRestart_;
    QString restoreNotice_;
    QString lostNotice_; // where a page that could not come back is kept
    bool noticeClaimed_ = false;
    int sentTexts_ = 0;
    int loadSerial_ = 0;
    int startedSerial_ = -1;
    QUrl loadUrl_;           // the address of the load asked for last
    bool loadsText_ = false; // and whether it loads a text of ours at that address
    QElapsedTimer unseenSince_;
    bool flushScheduled_ = false;
    QList<QPair<EditorEvent, QVariantMap>> pending_;
    QStringList menuCaptions_;
    QList<int> menuStates_;
    // The commands' statuses as the right click left them, read with the click's own
    // answer; contextMenuStatuses serves them while the menu is being built.
    QHash<int, int> menuStatuses_;
    bool buildingMenu_ = false;
    QObject* focusProxyWatched_ = nullptr;
};
