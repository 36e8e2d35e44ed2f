#include "platform/DHTMLEdit.h"

#include "platform/MsgBox.h"
#include "platform/PageKeeper.h"
#include "platform/PageMarkup.h"
#include "platform/PageWait.h"
#include "platform/PlatformError.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <utility>

// When the page's render process ends (out of memory, a crash), the surface starts again
// on the copy of the page it keeps, with the page's path, character set and changed state
// as they were, and tells the user once. A page that cannot be shown again is kept in a
// file for the user.

namespace {

// A page that ends its render process again within this time of coming back counts
// towards giving up; after this many times in a row it is not restored again.
constexpr int LivedMs = 10000;
constexpr int MostRestarts = 3;

const QString LostNotice =
    QStringLiteral("The editor could no longer show your Web page and has closed it. Changes "
                   "made since it was last saved are lost.");

QString restoredNotice(const QTime& at) {
    return QString("The editor stopped working and has restored your Web page as it was at "
                   "%1; check the last changes before you save.")
        .arg(at.toString("HH:mm:ss"));
}

QString keptNotice(const QTime& at, const QString& file) {
    return QString("The editor could no longer show your Web page and has closed it. Your Web "
                   "page as it was at %1 is kept in the file %2.")
        .arg(at.toString("HH:mm:ss"), QDir::toNativeSeparators(file));
}

// A copy the surface could not show again is written to a file of the program's own, in
// UTF-8 with its byte-order mark (which a browser believes over the page's own meta):
// the user's work is not lost with the page. The file's path, or "" when it could not
// be written.
QString keepInFile(const QByteArray& html, const QString& pagePath) {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/recovered";
    if (!QDir().mkpath(folder))
        return {};
    const QString name =
        pagePath.isEmpty() ? QStringLiteral("page") : QFileInfo(pagePath).completeBaseName();
    const QString path =
        QString("%1/%2-%3.html")
            .arg(folder, name, QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("\xEF\xBB\xBF") != 3 ||
        file.write(html) != html.size() || !file.commit())
        return {};
    return path;
}

} // namespace

void DHTMLEdit::setKeepingCopy(bool on) {
    keeper_->setEnabled(on);
}

void DHTMLEdit::renderProcessEnded() {
    // Every waiting call ends with an error now; the page starts again once they have
    // (a restart inside a wait would give that wait a page it never asked for).
    wait_->renderProcessEnded();
    keeper_->renderProcessEnded();
    pendingWrite_.reset(); // the copy holds it
    loading_ = false;
    lastLoadOk_ = false;
    if (restartScheduled_)
        return;
    restartScheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        if (restartScheduled_ && wait_->depth() == 0)
            startAgain();
    });
}

void DHTMLEdit::startAgain() {
    restartScheduled_ = false;
    // A load or New since the end has given the surface a page of its own.
    if (!wait_->renderProcessGone())
        return;
    if (sinceRestart_.isValid() && sinceRestart_.elapsed() > LivedMs)
        restarts_ = 0;
    ++restarts_;
    sinceRestart_.start();

    const PageKeeper::Copy copy = keeper_->copy();
    QPointer<DHTMLEdit> self(this);
    bool restored = false;
    if (restarts_ <= MostRestarts && copy.kind != PageKeeper::Copy::Kind::None) {
        try {
            restored = restoreCopy();
        } catch (const PlatformError& e) {
            if (e.Surface == SurfaceFailure::SurfaceClosed)
                return;
            restored = false;
        }
    }
    if (!self || restartScheduled_)
        return; // it ended again during the restore: the next start tells the user
    // What the user is told when the page cannot come back: where its copy is kept, even
    // when the blank page that follows is itself interrupted.
    if (!restored && copy.kind == PageKeeper::Copy::Kind::Html) {
        const QString kept = keepInFile(copy.html, path_);
        if (!kept.isEmpty())
            lostNotice_ = keptNotice(copy.at, kept);
    }
    if (!restored) {
        setPath(QString());
        loadedCharset_.clear();
        charset_ = QStringLiteral("UTF-8");
        keeper_->forget();
        skipErrors([this] {
            loadBlank();
            waitForLoad();
            afterLoad();
        });
        if (!self || restartScheduled_)
            return;
    }
    const QString lost = lostNotice_.isEmpty() ? LostNotice : std::exchange(lostNotice_, {});
    tellRestart(restored ? restoredNotice(copy.at) : lost);
}

bool DHTMLEdit::restoreCopy() {
    const PageKeeper::Copy copy = keeper_->copy();
    // What the page was is what it comes back as, whatever the engine makes of it.
    const QString charset = charset_;
    const QString loadedCharset = loadedCharset_;
    const bool dirty = copy.dirty;
    if (copy.kind == PageKeeper::Copy::Kind::File) {
        // An unchanged page is its file.
        const QFileInfo info(QDir::fromNativeSeparators(path_));
        if (path_.isEmpty() || !info.isFile() || !info.isReadable() || !LoadDocument(path_))
            return false;
    } else {
        // The copy goes into a blank page at the page's own address, so that its relative
        // references resolve as before.
        loadBlank(path_.isEmpty() ? QUrl() : QUrl::fromLocalFile(path_));
        const int serial = loadSerial_;
        if (!waitForLoad() || serial != loadSerial_)
            return false;
        afterLoad();
        const QString html = QString::fromUtf8(copy.html);
        const QVariantMap attached =
            callEditor("write", {html, viewOptions(), dirty, false,
                                 PageMarkup::Find(QStringView(html)).commentsAfterHtml})
                .toMap();
        display_ = DisplayState::fromPage(attached.value("display").toMap());
        watchFocusProxy();
        post(EditorEvent::Complete);
    }
    charset_ = charset;
    loadedCharset_ = loadedCharset;
    keeper_->reinstate(copy);
    return true;
}

void DHTMLEdit::tellRestart(const QString& notice) {
    if (noticeClaimed_) {
        restoreNotice_ = notice;
        return;
    }
    MsgBox(notice, notice.startsWith("The editor stopped") ? vb::vbExclamation : vb::vbCritical,
           QString(), window());
}

QString DHTMLEdit::takeRestoreNotice() {
    if (restartScheduled_ && wait_->depth() == 0) {
        QPointer<DHTMLEdit> self(this);
        noticeClaimed_ = true;
        startAgain();
        if (!self)
            return {};
        noticeClaimed_ = false;
    }
    return std::exchange(restoreNotice_, QString());
}
