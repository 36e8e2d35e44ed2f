#include "platform/PageWait.h"

#include "platform/PlatformError.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <algorithm>
#include <memory>

namespace {

// How often a wait looks at the page, and when the pointer starts to show it.
constexpr int WatchMs = 250;
constexpr int BusyPointerMs = 300;
// A page that neither answers nor works for this long has stopped answering. Generous:
// a render process starved by a busy machine still works a little, and that counts.
constexpr int SilenceLimitMs = 60000;
// A probe sent after a script answers after it (the page answers in order); a script
// whose answer has not come a while after a later probe's has lost its answer.
constexpr int LostAnswerGraceMs = 2000;

// The processor time a process has used, in clock ticks; -1 when it cannot be read.
qint64 processorTicks(qint64 pid) {
    if (pid <= 0)
        return -1;
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command name (which may hold blanks) start with the state;
    // user and system time are the 12th and 13th of them.
    const qsizetype close = line.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return fields[11].toLongLong() + fields[12].toLongLong();
}

struct Answer {
    QVariant value;
    bool done = false;
};

} // namespace

struct PageWait::Frame {
    quint64 order = 0; // the script's place among what was sent; 0 when not a script
    Signs signs = Signs::AnswersAndWork;
    bool lost = false;
    QElapsedTimer lostSince;
    std::shared_ptr<Answer> answer;
};

PageWait::PageWait(QWebEnginePage* page, QObject* parent)
    : QObject(parent), page_(page), watch_(new QTimer(this)), silenceLimitMs_(SilenceLimitMs) {
    sinceWork_.start();
    sinceAnswer_.start();
    watch_->setInterval(WatchMs);
    connect(watch_, &QTimer::timeout, this, &PageWait::watch);
}

PageWait::~PageWait() {
    *destroyed_ = true;
    if (busyCursor_)
        QGuiApplication::restoreOverrideCursor();
}

QVariant PageWait::runScript(const QString& script) {
    if (gone_)
        fail(End::Gone);
    Frame frame;
    frame.answer = std::make_shared<Answer>();
    frame.order = ++sent_;
    std::weak_ptr<Answer> answer = frame.answer;
    page_->runJavaScript(script, QWebEngineScript::ApplicationWorld, [answer](const QVariant& v) {
        if (auto a = answer.lock()) {
            a->value = v;
            a->done = true;
        }
    });
    const End how = wait(frame, [&frame] { return frame.answer->done; });
    if (how != End::Done)
        fail(how); // touches nothing of this object: it may be gone
    // The engine may hand back an empty value for a render process that ended meanwhile.
    if (gone_ && !frame.answer->value.isValid())
        fail(End::Gone);
    return frame.answer->value;
}

void PageWait::until(const std::function<bool()>& done, Signs signs) {
    Frame frame;
    frame.signs = signs;
    const End how = wait(frame, done);
    if (how != End::Done)
        fail(how);
}

PageWait::End PageWait::wait(Frame& frame, const std::function<bool()>& done) {
    const std::shared_ptr<const bool> destroyed = destroyed_;
    if (silent_ && renderProcessWorked())
        silent_ = false;
    frames_.append(&frame);
    begin();
    End how = End::Done;
    for (;;) {
        if (done()) {
            how = End::Done;
            break;
        }
        if (gone_) {
            how = End::Gone;
            break;
        }
        if (silent_) {
            how = End::Silent;
            break;
        }
        if (frame.lost) {
            how = End::Lost;
            break;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents |
                                        QEventLoop::ExcludeUserInputEvents);
        // Whatever ran meanwhile may have destroyed this object, and with it what done()
        // looks at: leave at once, touching nothing.
        if (*destroyed)
            return End::Closed;
    }
    frames_.removeOne(&frame);
    end();
    return how;
}

void PageWait::begin() {
    if (depth_++ > 0)
        return;
    sinceWork_.restart();
    sinceAnswer_.restart();
    waiting_.start();
    watch_->start();
}

void PageWait::end() {
    if (--depth_ > 0)
        return;
    watch_->stop();
    if (busyCursor_) {
        busyCursor_ = false;
        QGuiApplication::restoreOverrideCursor();
    }
    emit idle();
}

void PageWait::watch() {
    if (!busyCursor_ && waiting_.elapsed() >= BusyPointerMs) {
        busyCursor_ = true;
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    if (renderProcessWorked())
        sinceWork_.restart();
    bool answersCount = false;
    for (Frame* frame : std::as_const(frames_)) {
        if (frame->signs == Signs::AnswersAndWork)
            answersCount = true;
        if (frame->order == 0 || frame->answer->done || probeAnswered_ <= frame->order)
            continue;
        if (!frame->lostSince.isValid())
            frame->lostSince.start();
        else if (frame->lostSince.elapsed() >= LostAnswerGraceMs)
            frame->lost = true;
    }
    if (probeSent_ == 0)
        sendProbe();
    const qint64 quiet =
        answersCount ? qMin(sinceWork_.elapsed(), sinceAnswer_.elapsed()) : sinceWork_.elapsed();
    if (quiet >= silenceLimitMs_)
        silent_ = true;
}

void PageWait::sendProbe() {
    if (gone_)
        return;
    const quint64 order = ++sent_;
    probeSent_ = order;
    QPointer<PageWait> self(this);
    page_->runJavaScript(
        QStringLiteral("0"), QWebEngineScript::ApplicationWorld, [self, order](const QVariant&) {
            if (!self || self->probeSent_ != order)
                return;
            self->probeSent_ = 0;
            self->probeAnswered_ = order;
            self->sinceAnswer_.restart();
            // The answer is a sign of life, except to loads alone.
            const bool loadsOnly =
                !self->frames_.isEmpty() &&
                std::all_of(self->frames_.cbegin(), self->frames_.cend(),
                            [](const Frame* f) { return f->signs == Signs::WorkOnly; });
            if (!loadsOnly)
                self->silent_ = false;
        });
}

bool PageWait::renderProcessWorked() {
    const qint64 ticks = processorTicks(page_->renderProcessPid());
    const bool worked = ticks >= 0 && cpuTicks_ >= 0 && ticks != cpuTicks_;
    cpuTicks_ = ticks;
    return worked;
}

void PageWait::noteProgress() {
    sinceWork_.restart();
}

void PageWait::renderProcessEnded() {
    gone_ = true;
}

void PageWait::pageRenewed() {
    gone_ = false;
    silent_ = false;
    probeSent_ = 0;
    cpuTicks_ = -1;
    sinceWork_.restart();
    sinceAnswer_.restart();
}

void PageWait::fail(End how) {
    switch (how) {
    case End::Gone:
        throw PlatformError(ErrorCode::Unexpected, "The editing surface stopped working",
                            SurfaceFailure::EngineStopped);
    case End::Closed:
        throw PlatformError(ErrorCode::Unexpected, "The editing surface was closed",
                            SurfaceFailure::SurfaceClosed);
    case End::Silent:
        throw PlatformError(ErrorCode::Timeout, "The page stopped answering");
    case End::Lost:
        throw PlatformError(ErrorCode::Unexpected, "The page did not answer");
    case End::Done:
        break;
    }
    throw PlatformError(ErrorCode::Unexpected, "Unexpected error");
}
