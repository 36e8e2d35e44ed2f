#include "core/window/CommandGate.h"

#include "platform/PlatformError.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>

CommandGate::CommandGate(QWidget* window) : QObject(window), window_(window) {
    window_->installEventFilter(this);
}

bool CommandGate::eventFilter(QObject* watched, QEvent* event) {
    // A window shown again after its close takes commands again.
    if (watched == window_ && event->type() == QEvent::Show)
        stopped_ = false;
    return QObject::eventFilter(watched, event);
}

bool CommandGate::run(const QString& key, const std::function<void()>& command, Repeat repeat) {
    if (stopped_)
        return false;
    if (busy()) {
        const bool again =
            running_ == key || std::any_of(queue_.cbegin(), queue_.cend(),
                                           [&](const Queued& q) { return q.key == key; });
        if (repeat == Repeat::EachTime || !again)
            queue_.append({key, command});
        showBusy();
        return false;
    }
    execute(key, command);
    return true;
}

void CommandGate::execute(const QString& key, const std::function<void()>& command) {
    QPointer<CommandGate> self(this);
    running_ = key;
    try {
        command();
    } catch (...) {
        // A command's own handlers report what they must; what escapes them ends it, and
        // goes no further: it must not cross the event loop.
        traceSkipped(std::source_location::current());
    }
    if (!self)
        return; // the window went with the command
    running_.clear();
    if (!queue_.isEmpty() && !nextScheduled_) {
        // From the event loop, not from inside whoever ran this command.
        nextScheduled_ = true;
        QTimer::singleShot(0, this, &CommandGate::runNext);
    }
    showBusy();
}

void CommandGate::runNext() {
    nextScheduled_ = false;
    if (!running_.isEmpty() || queue_.isEmpty() || stopped_)
        return;
    const Queued next = queue_.takeFirst();
    execute(next.key, next.command);
}

void CommandGate::stop() {
    stopped_ = true;
    queue_.clear();
    showBusy();
}

void CommandGate::showBusy() {
    // The window's own pointer: a question a command asks shows the ordinary one.
    if (!queue_.isEmpty())
        window_->setCursor(Qt::WaitCursor);
    else
        window_->unsetCursor();
}
