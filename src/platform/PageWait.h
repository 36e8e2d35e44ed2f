#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QVariant>
#include <functional>
#include <memory>

class QTimer;
class QWebEnginePage;

// Waits for the editing page without a time limit of its own. A call that changes the
// page must never be reported as failed while the page goes on to make the change, so a
// wait ends only when its answer comes, when the page's render process ends, or when the
// page has shown no sign of life for a generous time: no answer to a cheap probe and no
// work done by its render process. Waits run a local event loop that leaves out the
// user's input (no command may start inside another) but keeps the window painting;
// after a moment the pointer shows that the editor is busy. Destroying it (with the
// surface it belongs to) ends every wait at once with a failure that touches nothing of
// it: the waits are still on the stack below whoever destroyed it.
class PageWait : public QObject {
    Q_OBJECT
public:
    explicit PageWait(QWebEnginePage* page, QObject* parent = nullptr);
    ~PageWait() override;

    // Runs script in our script world and returns its value. Throws PlatformError when
    // the render process ended, the page stopped answering or the wait was destroyed.
    QVariant runScript(const QString& script);
    // What shows that the page is alive while a wait goes on: its answers to a cheap
    // probe and its render process's work, or (for a load, whose old page may well go on
    // answering while the new one never comes) only the work and the load's progress.
    enum class Signs { AnswersAndWork, WorkOnly };
    // Waits until done() holds, under the same rules (a load finishing, for one).
    void until(const std::function<bool()>& done, Signs signs = Signs::AnswersAndWork);
    // The page did some work of its own that the render process's time may not show (a
    // load's progress).
    void noteProgress();

    // Waits in progress (nested waits count each).
    int depth() const { return depth_; }

    // The page's render process ended: every wait ends at once with an error, and so
    // does every new one until the page gets a render process again (a load).
    void renderProcessEnded();
    void pageRenewed();
    bool renderProcessGone() const { return gone_; }

    // How long a page may show no sign of life before its waits fail.
    void setSilenceLimit(int ms) { silenceLimitMs_ = ms; }

signals:
    // The outermost wait has ended: events held back during it may go out.
    void idle();

private:
    enum class End { Done, Gone, Silent, Lost, Closed };
    struct Frame;

    End wait(Frame& frame, const std::function<bool()>& done);
    void watch();
    void sendProbe();
    bool renderProcessWorked();
    void begin();
    void end();
    [[noreturn]] static void fail(End how);

    QWebEnginePage* page_;
    // Set when this object is destroyed; every wait holds it and reads it after each turn
    // of its event loop before anything else.
    std::shared_ptr<bool> destroyed_ = std::make_shared<bool>(false);
    QTimer* watch_;
    QElapsedTimer waiting_; // since the outermost wait began
    QList<Frame*> frames_;
    int depth_ = 0;
    bool gone_ = false;
    bool silent_ = false;
    bool busyCursor_ = false;
    int silenceLimitMs_;
    quint64 sent_ = 0;          // scripts and probes sent to the page, in order
    quint64 probeSent_ = 0;     // the probe waiting for its answer (0: none)
    quint64 probeAnswered_ = 0; // the last probe answered
    qint64 cpuTicks_ = -1;      // the render process's work done, as last read
    QElapsedTimer sinceWork_;   // since the render process last worked (or a load progressed)
    QElapsedTimer sinceAnswer_; // since the page last answered a probe
};
