#include "platform/PageKeeper.h"

#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace {

// The quiet a page needs before it is read: a moment for a small page, and for a large
// one a few times what its last read cost, so that reading takes a small share of the
// time the user works on it.
constexpr int QuietMs = 1000;
constexpr int CostFactor = 5;
constexpr int LongestQuietMs = 60000;
// A read put off because the surface is waiting on the page tries again after this.
constexpr int BusyRetryMs = 250;
// The largest piece of text one answer brings (UTF-16 units).
constexpr qsizetype PieceChars = 512 * 1024;

QString editorCall(const QString& name, const QString& args) {
    return QString("(window.__tsly ? __tsly.call('%1', %2) : null)").arg(name, args);
}

// The value of an editor call's answer; invalid when the call failed.
QVariant valueOf(const QVariant& answer) {
    const QVariantMap map = answer.toMap();
    if (!map.value("ok").toBool())
        return {};
    return map.value("value");
}

} // namespace

PageKeeper::PageKeeper(QWebEnginePage* page, std::function<bool()> busy, QObject* parent)
    : QObject(parent), page_(page), busy_(std::move(busy)), quiet_(new QTimer(this)) {
    quiet_->setSingleShot(true);
    connect(quiet_, &QTimer::timeout, this, [this] {
        if (busy_ && busy_()) {
            quiet_->start(BusyRetryMs);
            return;
        }
        startRead();
    });
}

void PageKeeper::keepFile() {
    abandonRead();
    copy_ = Copy{Copy::Kind::File, {}, false, QTime::currentTime()};
}

void PageKeeper::keepHtml(const QString& html, bool dirty) {
    abandonRead();
    copy_ = Copy{Copy::Kind::Html, html.toUtf8(), dirty, QTime::currentTime()};
}

void PageKeeper::forget() {
    abandonRead();
    copy_ = Copy{};
}

void PageKeeper::reinstate(const Copy& copy) {
    abandonRead();
    copy_ = copy;
}

void PageKeeper::pageChanged() {
    due_ = true;
    schedule();
}

void PageKeeper::renderProcessEnded() {
    ++generation_;
    reading_ = false;
    readingId_ = 0;
    readingHtml_.clear();
    quiet_->stop();
}

void PageKeeper::setEnabled(bool on) {
    enabled_ = on;
    if (!on)
        quiet_->stop();
    else if (due_)
        schedule();
}

void PageKeeper::schedule() {
    if (!enabled_ || reading_)
        return;
    quiet_->start(quietMs()); // each change starts the quiet afresh
}

int PageKeeper::quietMs() const {
    const qint64 cost = qMax<qint64>(0, lastReadMs_);
    return int(qMin<qint64>(LongestQuietMs, QuietMs + CostFactor * cost));
}

void PageKeeper::abandonRead() {
    ++generation_;
    quiet_->stop();
    due_ = false;
    if (reading_ && readingId_ > 0)
        page_->runJavaScript(editorCall("textEnd", QString("[%1]").arg(readingId_)),
                             QWebEngineScript::ApplicationWorld);
    reading_ = false;
    readingId_ = 0;
    readingHtml_.clear();
}

void PageKeeper::startRead() {
    if (!enabled_ || reading_)
        return;
    reading_ = true;
    due_ = false;
    const int generation = ++generation_;
    readTime_.start();
    readingAt_ = QTime::currentTime();
    readingHtml_.clear();
    QPointer<PageKeeper> self(this);
    page_->runJavaScript(editorCall("copyBegin", "[]"), QWebEngineScript::ApplicationWorld,
                         [self, generation](const QVariant& answer) {
                             if (!self || generation != self->generation_)
                                 return;
                             const QVariantMap begun = valueOf(answer).toMap();
                             if (begun.isEmpty()) {
                                 // A page without our script (being replaced): the next change
                                 // tries again.
                                 self->reading_ = false;
                                 if (self->due_)
                                     self->schedule();
                                 return;
                             }
                             self->readingId_ = begun.value("id").toInt();
                             self->readingDirty_ = begun.value("dirty").toBool();
                             const qsizetype length = begun.value("length").toLongLong();
                             self->readingHtml_.reserve(length);
                             self->readPiece(generation, 0, length);
                         });
}

void PageKeeper::readPiece(int generation, qsizetype from, qsizetype length) {
    if (from >= length) {
        finishRead(generation);
        return;
    }
    QPointer<PageKeeper> self(this);
    const QString args = QString("[%1, %2, %3]").arg(readingId_).arg(from).arg(PieceChars);
    page_->runJavaScript(editorCall("textPiece", args), QWebEngineScript::ApplicationWorld,
                         [self, generation, from, length](const QVariant& answer) {
                             if (!self || generation != self->generation_)
                                 return;
                             const QString piece = valueOf(answer).toString();
                             if (piece.isEmpty()) {
                                 self->abandonRead();
                                 self->due_ = true;
                                 self->schedule();
                                 return;
                             }
                             self->readingHtml_ += piece.toUtf8();
                             self->readPiece(generation, from + piece.size(), length);
                         });
}

void PageKeeper::finishRead(int generation) {
    if (generation != generation_)
        return;
    page_->runJavaScript(editorCall("textEnd", QString("[%1]").arg(readingId_)),
                         QWebEngineScript::ApplicationWorld);
    copy_ = Copy{Copy::Kind::Html, std::move(readingHtml_), readingDirty_, readingAt_};
    readingHtml_ = QByteArray();
    reading_ = false;
    readingId_ = 0;
    lastReadMs_ = readTime_.elapsed();
    emit copied();
    if (due_)
        schedule();
}
