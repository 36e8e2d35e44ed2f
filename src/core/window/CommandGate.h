#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

// One command at a time at the main window's command level. The editor waits for its
// page on local event loops, and a command that arrives meanwhile (from a timer, a queued
// call, a plug-in) must not run inside the one that waits: it runs once that one has
// ended, in the order it came, with the busy pointer on the window until then. A command
// already running or waiting is not queued again (a second Save of the same page, a second
// close), unless it is one that does something each time (an editing command).
class CommandGate : public QObject {
    Q_OBJECT
public:
    enum class Repeat { Once, EachTime };

    explicit CommandGate(QWidget* window);

    // Runs command now when no other runs or waits, else queues it. Returns whether it
    // ran now. What it throws ends it and goes no further.
    bool run(const QString& key, const std::function<void()>& command,
             Repeat repeat = Repeat::Once);
    bool busy() const { return !running_.isEmpty() || !queue_.isEmpty(); }
    // The command running now ("" when none).
    QString running() const { return running_; }
    // The window closed for good: what waits is dropped, and nothing runs from now on
    // until the window is shown again.
    void stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Queued {
        QString key;
        std::function<void()> command;
    };
    void execute(const QString& key, const std::function<void()>& command);
    void runNext();
    void showBusy();

    QWidget* window_;
    QString running_;
    QList<Queued> queue_;
    bool stopped_ = false;
    bool nextScheduled_ = false;
};
