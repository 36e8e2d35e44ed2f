#include "platform/DHTMLEdit.h"

#include "platform/CommonDialog.h"
#include "platform/EditorPage.h"
#include "platform/PageKeeper.h"
#include "platform/PageWait.h"
#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTimer>

// The page's life in the surface: loading a file or the blank page, and writing HTML
// into the page.

namespace {

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

// Whether bytes hold a frameset tag: "<frameset" in any letter case, not followed by a
// letter, digit or "_". Searched on the bytes as they are: markers are ASCII in every
// encoding a page is likely to use, and a large page is not copied for it.
bool hasFrameset(const QByteArray& bytes) {
    for (qsizetype at = bytes.indexOf('<'); at >= 0; at = bytes.indexOf('<', at + 1)) {
        if (bytes.size() - at < 9 || qstrnicmp(bytes.constData() + at + 1, "frameset", 8) != 0)
            continue;
        if (at + 9 == bytes.size())
            return true;
        const uchar after = uchar(bytes.at(at + 9));
        if (!QChar::isLetterOrNumber(after) && after != '_')
            return true;
    }
    return false;
}

// Whether bytes are something other than text: a picture, an archive, random bytes.
// Text never holds a NUL byte near its start, unless it is in UTF-16, which starts with
// its byte-order mark.
bool isBinary(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return false;
    return QByteArrayView(bytes).first(qMin<qsizetype>(bytes.size(), 8 * 1024)).contains('\0');
}

// What a page file holds that is no page, or that editing would destroy, as the load
// error it gives.
void refuseUneditable(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw PlatformError(ErrorCode::AccessDenied, "Access denied");
    const QByteArray bytes = f.readAll();
    // Shown, it would be garbage, and a save would write that garbage over the file.
    if (isBinary(bytes))
        throw PlatformError(ErrorCode::NotAWebPage, "The file is not a Web page");
    // A block of server script opens with "<?" (not an XML declaration) or "<%" and
    // closes after it.
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
    if (hasFrameset(bytes))
        throw PlatformError(ErrorCode::Frameset, "Document contains a frameset");
}

// A file that can be a page: it exists, is not a folder and can be read.
void checkPageFile(const QFileInfo& info) {
    if (!info.exists()) {
        if (!info.absoluteDir().exists())
            throw PlatformError(ErrorCode::PathNotFound, "Path not found");
        throw PlatformError(ErrorCode::FileNotFound, "File not found");
    }
    if (info.isDir())
        throw PlatformError(ErrorCode::InvalidArgument, "Invalid argument");
    if (!info.isReadable())
        throw PlatformError(ErrorCode::AccessDenied, "Access denied");
    refuseUneditable(info.absoluteFilePath());
}

} // namespace

void DHTMLEdit::startLoad(const QUrl& url, const QString& html) {
    ++loadSerial_;
    loading_ = true;
    // A navigation gives the page a render process again if its own ended.
    wait_->pageRenewed();
    page_->allowNavigation = true;
    if (html.isNull())
        page_->load(url);
    else
        page_->setHtml(html, url);
}

void DHTMLEdit::loadBlank(const QUrl& url) {
    startLoad(url.isEmpty() ? programFolderUrl() : url, BlankPage);
}

bool DHTMLEdit::waitForLoad() {
    if (loading_) {
        try {
            wait_->until([this] { return !loading_; }, PageWait::Signs::WorkOnly);
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
    post("complete");
    return attached.value("characterSet").toString();
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
    const QFileInfo info(QDir::fromNativeSeparators(path));
    checkPageFile(info);
    loadFile(info.absoluteFilePath());
}

bool DHTMLEdit::loadFile(const QString& path) {
    // HTML written into the page and not yet shown is replaced by the load anyway.
    pendingWrite_.reset();
    busy_ = true;
    startLoad(QUrl::fromLocalFile(path));
    // A load or New started while this one waits (from a timer, say) replaces it: the
    // page shown is theirs, and so are its path and character set.
    const int serial = loadSerial_;
    bool ok = false;
    try {
        ok = waitForLoad();
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
    setPath(path);
    loadedCharset_.clear();
    charset_ = QStringLiteral("UTF-8");
    keeper_->keepFile();
    const QString charset = afterLoad();
    if (serial != loadSerial_)
        return false;
    loadedCharset_ = charset;
    if (!loadedCharset_.isEmpty())
        charset_ = loadedCharset_;
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
    const QFileInfo info(QDir::fromNativeSeparators(path));
    checkPageFile(info);
    if (!loadFile(info.absoluteFilePath()))
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
    const QVariantMap attached = callEditor("write", {html, viewOptions(), true, true}).toMap();
    noteCharsetOf(html);
    keeper_->keepHtml(html, true);
    display_ = DisplayState::fromPage(attached.value("display").toMap());
    watchFocusProxy();
    post("complete");
}

void DHTMLEdit::writePending() {
    if (!pendingWrite_)
        return;
    const PendingWrite write = *pendingWrite_;
    pendingWrite_.reset();
    const QVariantMap attached =
        callEditor("write", {write.html, viewOptions(), write.markDirty}).toMap();
    display_ = DisplayState::fromPage(attached.value("display").toMap());
    watchFocusProxy();
    post("complete");
}
