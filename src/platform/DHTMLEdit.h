#pragma once

#include "platform/DHTMLEditCommands.h"
#include "platform/HtmlDocument.h"

#include <QList>
#include <QStringList>
#include <QVariant>
#include <QWidget>

class EditorBridge;
class EditorPage;
class QWebEngineView;
class QWebEngineProfile;
class QWebChannel;

// The editing surface: a web view whose page is in design mode. It owns the page
// while it is open; everything else reaches the page through these members. Members
// that fail throw PlatformError (the callers decide whether to skip and go on).
class DHTMLEdit : public QWidget {
    Q_OBJECT
public:
    explicit DHTMLEdit(QWidget* parent = nullptr);
    ~DHTMLEdit() override;

    // Loads a page file; ("", true) asks for the file first (a cancelled question
    // changes nothing). Refuses what editing would destroy: server-side script and
    // framesets.
    void LoadDocument(const QString& path, bool promptUser = false);
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

    // The whole page source: doctype and comments outside <html> included.
    QString DocumentHTML();
    // Replaces the page with html; its path stays. markDirty says whether the page
    // counts as changed afterwards.
    void setDocumentHTML(const QString& html, bool markDirty = false);

    bool IsDirty();
    QString CurrentDocumentPath() const { return path_; }
    // The character set the page is written in: the meta charset of the HTML last
    // written, else that of the file last loaded, else UTF-8.
    QString CharacterSet() const { return charset_; }

    bool ShowBorders() const { return showBorders_; }
    void setShowBorders(bool on);
    bool ShowDetails() const { return showDetails_; }
    void setShowDetails(bool on);
    bool SnapToGrid() const { return snapToGrid_; }
    void setSnapToGrid(bool on);
    bool UseDivOnCarriageReturn() const { return useDiv_; }
    void setUseDivOnCarriageReturn(bool on);
    bool Busy() const { return busy_; }

    // Runs a script of ours in the editing world and waits for its value. A script
    // that throws, or does not answer in time, throws PlatformError.
    QVariant runScript(const QString& script);
    // Calls a function of the editing script (__tsly.name) with JSON-able arguments.
    QVariant callEditor(const QString& name, const QVariantList& args = {});

    QWebEngineView* view() const { return view_; }

signals:
    void DocumentComplete();
    void DisplayChanged();
    void ShowContextMenu(int x, int y);
    void ContextMenuAction(int itemIndex);
    // The display options, each emitted when its value changes.
    void ShowBordersChanged(bool on);
    void ShowDetailsChanged(bool on);
    void SnapToGridChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class EditorBridge;

    void createPage();
    void loadBlank();
    // Waits until the current navigation has finished; false when it failed.
    bool waitForLoad(int timeoutMs);
    void afterLoad();
    void attachEditor();
    QVariantMap viewOptions() const;
    int timeoutFor(qsizetype size) const;
    // Commands the surface runs natively instead of in the editing script.
    bool nativeCommand(int commandId, int option, const QVariant& argument, QVariant& result);
    bool nativeStatus(int commandId, int& status);
    bool findWithDialog();
    bool routeKey(QKeyEvent* event);
    void watchFocusProxy();

    // Events from the page are queued and emitted from the event loop, never inside a
    // synchronous call or an engine callback.
    void post(const QString& event, const QVariantMap& data = {});
    void flushEvents();
    void showContextMenuAt(int x, int y);

    QWebEngineProfile* profile_ = nullptr;
    EditorPage* page_ = nullptr;
    QWebEngineView* view_ = nullptr;
    QWebChannel* channel_ = nullptr;
    EditorBridge* bridge_ = nullptr;
    QString editorSource_;

    QString path_;
    QString charset_ = QStringLiteral("UTF-8");
    QString loadedCharset_;
    qsizetype sizeHint_ = 0;
    bool showBorders_ = false;
    bool showDetails_ = false;
    bool snapToGrid_ = false;
    bool useDiv_ = true;
    bool busy_ = false;
    bool loading_ = false;
    bool lastLoadOk_ = false;
    int loadSerial_ = 0;
    int startedSerial_ = -1;
    int callDepth_ = 0;
    bool flushScheduled_ = false;
    QList<QPair<QString, QVariantMap>> pending_;
    QStringList menuCaptions_;
    QList<int> menuStates_;
    QObject* focusProxyWatched_ = nullptr;
};
