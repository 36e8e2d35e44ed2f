#include "platform/DHTMLEdit.h"

#include "platform/CommonDialog.h"
#include "platform/EditorPage.h"
#include "platform/PageKeeper.h"
#include "platform/PageMarkup.h"
#include "platform/PageText.h"
#include "platform/PageWait.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <optional>

// The page's life in the surface: loading a file or the blank page, and writing HTML
// into the page.

namespace {

// How long a load may go unseen (not started, nothing loading) before it counts as
// failed. The engine reports a load's start within moments of its being asked for.
constexpr int UnseenLoadMs = 10000;

// The blank page the surface starts with and New gives.
const QString BlankPage = QStringLiteral("<html><head></head><body></body></html>");

// The start-up and New pages live in the program folder, so local images in them show.
QUrl programFolderUrl() {
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/");
}

// The charset a page declares in a meta element, or "".
QString declaredCharset(const QString& html) {
    static const QRegularExpression meta(
        R"(<meta\b[^>]*?charset\s*=\s*["']?\s*([A-Za-z0-9_.:\-]+))",
        QRegularExpression::CaseInsensitiveOption);
    const auto m = meta.match(html.left(64 * 1024));
    return m.hasMatch() ? m.captured(1) : QString();
}

// The comments after the "</html>" of html, which the parser does not leave there.
qsizetype commentsAfterHtml(const QString& html) {
    return PageMarkup::Find(QStringView(html)).commentsAfterHtml;
}

// What the load needs to know of a page file beyond its path.
struct PageFileText {
    // Text in UTF-16 without a byte-order mark, which the engine cannot read by itself
    // (it would show every other character as a blank): its set and the text, read here.
    QString wideSet;
    QString text;
    // The characters that could not be read, when known before the load (UTF-16).
    std::optional<qsizetype> unreadable;
    qsizetype commentsAfterHtml = 0;
};

// What a page file holds that is no page, or that editing would destroy, as the load
// error it gives.
PageFileText refuseUneditable(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw PlatformError(ErrorCode::AccessDenied, "Access denied");
    const QByteArray bytes = f.readAll();
    // Shown, it would be garbage, and a save would write that garbage over the file.
    if (PageText::IsBinary(bytes))
        throw PlatformError(ErrorCode::NotAWebPage, "The file is not a Web page");
    PageFileText page;
    PageMarkup::Findings found;
    const PageText::Wide wide = PageText::WideSet(bytes);
    if (wide.set.isEmpty()) {
        found = PageMarkup::Find(QByteArrayView(bytes));
    } else {
        qsizetype unreadable = 0;
        QString text = PageText::DecodeWide(bytes, wide, &unreadable);
        found = PageMarkup::Find(QStringView(text));
        page.unreadable = unreadable;
        if (!wide.marked) {
            page.wideSet = wide.set;
            page.text = std::move(text);
        }
    }
    if (found.uneditable == PageMarkup::Uneditable::ServerScript)
        throw PlatformError(ErrorCode::ServerScript, "Document is primarily server side script");
    if (found.uneditable == PageMarkup::Uneditable::Frameset)
        throw PlatformError(ErrorCode::Frameset, "Document contains a frameset");
    page.commentsAfterHtml = found.commentsAfterHtml;
    return page;
}

// A file that can be a page: it exists, is not a folder and can be read.
PageFileText checkPageFile(const QFileInfo& info) {
    if (!info.exists()) {
        if (!info.absoluteDir().exists())
            throw PlatformError(ErrorCode::PathNotFound, "Path not found");
        throw PlatformError(ErrorCode::FileNotFound, "File not found");
    }
    if (info.isDir())
        throw PlatformError(ErrorCode::InvalidArgument, "Invalid argument");
    if (!info.isReadable())
        throw PlatformError(ErrorCode::AccessDenied, "Access denied");
    return refuseUneditable(info.absoluteFilePath());
}

} // namespace

void DHTMLEdit::startLoad(const QUrl& url, const QString& html) {
    ++loadSerial_;
    loading_ = true;
    loadUrl_ = url;
    loadsText_ = !html.isNull();
    unseenSince_.invalidate();
    // A navigation gives the page a render process again if its own ended.
    wait_->pageRenewed();
    page_->allowNavigation = true;
    if (html.isNull())
        page_->load(url);
    else
        page_->setHtml(html, url);
}

// The engine reports a start and an end while it is loading, whatever is asked of it
// meanwhile: the end of a load that another replaced may come after the other was asked
// for, and a render process that ends in the middle of a load may leave that load's end
// unreported, so that the next load is reported by its end alone. A load is told by its
// address (a text's start has an address of its own, its end the text's base address).
void DHTMLEdit::loadingChanged(const QWebEngineLoadingInfo& info) {
    const QUrl url = info.url();
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        if (loadsText_ ? url.scheme() == QLatin1String("data") : sameAddress(url, loadUrl_))
            startedSerial_ = loadSerial_;
        return;
    }
    const bool succeeded = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus;
    // An end without its start is another load's, unless it is the success of this one.
    if (startedSerial_ != loadSerial_ && !(succeeded && sameAddress(url, loadUrl_)))
        return;
    loading_ = false;
    lastLoadOk_ = succeeded;
}

bool DHTMLEdit::sameAddress(const QUrl& a, const QUrl& b) {
    return a.adjusted(QUrl::NormalizePathSegments).toString(QUrl::FullyEncoded) ==
           b.adjusted(QUrl::NormalizePathSegments).toString(QUrl::FullyEncoded);
}

bool DHTMLEdit::loadUnseen() {
    // Neither this load's start nor anything else loading has been seen for a while: its
    // end went unreported, and the load counts as failed rather than waited on for ever.
    if (startedSerial_ == loadSerial_ || page_->isLoading()) {
        unseenSince_.invalidate();
        return false;
    }
    if (!unseenSince_.isValid())
        unseenSince_.start();
    return unseenSince_.elapsed() >= UnseenLoadMs;
}

void DHTMLEdit::loadBlank(const QUrl& url) {
    startLoad(url.isEmpty() ? programFolderUrl() : url, BlankPage);
}

bool DHTMLEdit::waitForLoad() {
    if (loading_) {
        try {
            wait_->until([this] { return !loading_ || loadUnseen(); }, PageWait::Signs::WorkOnly);
            if (loading_) {
                loading_ = false;
                lastLoadOk_ = false;
            }
        } catch (const PlatformError& e) {
            if (e.Surface == SurfaceFailure::SurfaceClosed)
                throw; // nothing of the surface is left to tidy
            loading_ = false;
            lastLoadOk_ = false;
            page_->allowNavigation = false;
            throw;
        }
    }
    page_->allowNavigation = false;
    return lastLoadOk_;
}

QVariantMap DHTMLEdit::viewOptions() const {
    return {{"borders", showBorders_},
            {"details", showDetails_},
            {"snap", snapToGrid_},
            {"div", useDiv_}};
}

QString DHTMLEdit::afterLoad() {
    const QVariantMap attached = callEditor("attach", {viewOptions()}).toMap();
    display_ = DisplayState::fromPage(attached.value("display").toMap());
    watchFocusProxy();
    post(EditorEvent::Complete);
    return attached.value("characterSet").toString();
}

bool DHTMLEdit::LoadDocument(const QString& givenPath, bool promptUser) {
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
            return false; // no choice: nothing changes
        path = dialog.FileName;
    }
    const QFileInfo info(QDir::fromNativeSeparators(path));
    const PageFileText page = checkPageFile(info);

    // HTML written into the page and not yet shown is replaced by the load anyway.
    pendingWrite_.reset();
    busy_ = true;
    // Text the engine cannot read goes into a blank page at the file's address, so that
    // its relative references work as in any page loaded from the file.
    const bool readHere = !page.text.isNull();
    startLoad(QUrl::fromLocalFile(info.absoluteFilePath()), readHere ? BlankPage : QString());
    // A load or New started while this one waits (from a timer, say) replaces it: the
    // page shown is theirs, and so are its path and character set.
    const int serial = loadSerial_;
    bool ok = false;
    try {
        ok = waitForLoad();
        if (ok && serial == loadSerial_ && readHere)
            callEditor("write", {page.text, viewOptions(), false, false, page.commentsAfterHtml});
        else if (ok && serial == loadSerial_ && page.commentsAfterHtml > 0)
            callEditor("placeCommentsAfterHtml", {page.commentsAfterHtml});
    } catch (const PlatformError& e) {
        if (e.Surface != SurfaceFailure::SurfaceClosed)
            busy_ = false;
        throw;
    }
    busy_ = false;
    if (serial != loadSerial_)
        return false;
    if (!ok) {
        // A render process that ends fails the load too, maybe before it is known to have
        // ended: a cheap call tells, failing as the end does (the page then comes back
        // from its copy). Otherwise whatever the engine left must not pass for the page:
        // start blank again.
        wait_->runScript(QStringLiteral("0"));
        startBlank();
        throw PlatformError(ErrorCode::Unexpected, "Unexpected error");
    }
    // The page shown is the file's from here on, whatever its attaching does.
    setPath(info.absoluteFilePath());
    loadedCharset_.clear();
    charset_ = QStringLiteral("UTF-8");
    unreadable_ = 0;
    keeper_->keepFile();
    const QString charset = afterLoad();
    if (serial != loadSerial_)
        return false;
    loadedCharset_ = readHere ? page.wideSet : charset;
    if (!loadedCharset_.isEmpty())
        charset_ = loadedCharset_;
    // Counted in the set the engine read the file in.
    unreadable_ =
        page.unreadable ? *page.unreadable : PageText::UnreadableCharacters(path_, loadedCharset_);
    return true;
}

void DHTMLEdit::setPath(const QString& path) {
    if (path == path_)
        return;
    path_ = path;
    emit CurrentDocumentPathChanged(path_);
}

void DHTMLEdit::ReloadDocument(const QString& path, const QString& charset) {
    // The place is read from the page the user sees (HTML written into it and not yet
    // shown differs only in what the save rewrote, and the load replaces it anyway). A
    // place that cannot be read is not kept; the page is loaded all the same.
    QVariant place;
    try {
        if (loading_)
            waitForLoad();
        place = wait_->runScript("window.__tsly && __tsly.place ? __tsly.place() : null");
    } catch (const PlatformError& e) {
        if (e.Surface == SurfaceFailure::SurfaceClosed)
            throw;
        place = QVariant();
    }
    if (!LoadDocument(path))
        return; // another page took the surface meanwhile: its set is its own
    if (!charset.isEmpty()) {
        // The engine guesses a set for a file that declares none (a Western one for a
        // page of plain ASCII); the file holds the set it was written in.
        loadedCharset_ = charset;
        charset_ = charset;
    }
    // Putting the place back lays a large page out at once; the save need not wait for
    // that. The display state comes with the page's event.
    if (place.canConvert<QVariantMap>() && !place.toMap().isEmpty())
        callEditorLater("restorePlace", {place});
}

void DHTMLEdit::NewDocument() {
    pendingWrite_.reset();
    startBlank();
}

void DHTMLEdit::startBlank() {
    loadBlank();
    const int serial = loadSerial_;
    waitForLoad();
    if (serial != loadSerial_)
        return; // a load that started meanwhile has the surface
    setPath(QString());
    loadedCharset_.clear();
    charset_ = QStringLiteral("UTF-8");
    unreadable_ = 0;
    keeper_->forget();
    afterLoad();
}

QString DHTMLEdit::DocumentHTML() {
    return readText();
}

void DHTMLEdit::setDocumentHTML(const QString& html, bool markDirty) {
    if (wait_->renderProcessGone())
        throw PlatformError(ErrorCode::Unexpected, "The editing surface stopped working");
    // The write waits for the next call to the page, the next input or the next turn of
    // the event loop, whichever comes first: a save writes the rewritten source back and
    // reloads the file at once, and the reload makes the write unneeded.
    const bool scheduled = pendingWrite_.has_value();
    pendingWrite_ = PendingWrite{html, markDirty};
    noteCharsetOf(html);
    keeper_->keepHtml(html, markDirty);
    if (!scheduled)
        QTimer::singleShot(0, this, [this] { skipErrors([this] { writePending(); }); });
}

void DHTMLEdit::noteCharsetOf(const QString& html) {
    const QString declared = declaredCharset(html);
    charset_ = !declared.isEmpty()         ? declared
               : !loadedCharset_.isEmpty() ? loadedCharset_
                                           : QStringLiteral("UTF-8");
}

void DHTMLEdit::ApplyDocumentHTML(const QString& html) {
    if (wait_->renderProcessGone())
        throw PlatformError(ErrorCode::Unexpected, "The editing surface stopped working");
    // At once, not at the next input: the keys typed right after it belong to it.
    writePending();
    const QVariantMap attached =
        callEditor("write", {html, viewOptions(), true, true, commentsAfterHtml(html)}).toMap();
    noteCharsetOf(html);
    keeper_->keepHtml(html, true);
    display_ = DisplayState::fromPage(attached.value("display").toMap());
    watchFocusProxy();
    post(EditorEvent::Complete);
}

void DHTMLEdit::writePending() {
    if (!pendingWrite_)
        return;
    const PendingWrite write = *pendingWrite_;
    pendingWrite_.reset();
    const QVariantMap attached = callEditor("write", {write.html, viewOptions(), write.markDirty,
                                                      false, commentsAfterHtml(write.html)})
                                     .toMap();
    display_ = DisplayState::fromPage(attached.value("display").toMap());
    watchFocusProxy();
    post(EditorEvent::Complete);
}
