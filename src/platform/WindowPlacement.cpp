#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace WindowPlacement {

QList<QRect> AvailableAreas() {
    QList<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    return areas;
}

QRect OntoArea(const QRect& frame, const QList<QRect>& areas) {
    if (areas.isEmpty() || !frame.isValid())
        return frame;
    QRect area = areas.first();
    qint64 best = 0;
    for (const QRect& a : areas) {
        const QRect common = a.intersected(frame);
        const qint64 size = qint64(common.width()) * common.height();
        if (size > best) {
            best = size;
            area = a;
        }
    }
    QRect r(frame.topLeft(), frame.size().boundedTo(area.size()));
    r.moveLeft(qBound(area.left(), r.left(), area.right() + 1 - r.width()));
    r.moveTop(qBound(area.top(), r.top(), area.bottom() + 1 - r.height()));
    return r;
}

QMargins FrameMargins(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

namespace {

// Waits for a window's frame: the window manager reparents the window into its frame
// after the window is mapped, and the frame's size is known only from then on.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget* window, std::function<void(const QMargins&)> framed)
        : QObject(window), window_(window), framed_(std::move(framed)) {
        window->installEventFilter(this);
        poll_.setInterval(20);
        connect(&poll_, &QTimer::timeout, this, [this] {
            // A window no manager frames within a few seconds has no frame to wait for.
            if (++ticks_ > 150)
                deleteLater();
            else
                check();
        });
        poll_.start();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type t = event->type();
        if (watched == window_ &&
            (t == QEvent::Move || t == QEvent::Resize || t == QEvent::WindowActivate))
            QTimer::singleShot(0, this, [this] { check(); });
        return false;
    }

private:
    void check() {
        if (done_ || !window_ || !window_->isVisible())
            return;
        const QMargins margins = FrameMargins(window_);
        if (margins.isNull())
            return;
        done_ = true;
        poll_.stop();
        window_->removeEventFilter(this);
        framed_(margins);
        deleteLater();
    }

    QPointer<QWidget> window_;
    std::function<void(const QMargins&)> framed_;
    QTimer poll_;
    int ticks_ = 0;
    bool done_ = false;
};

// Shows every window where it was: Qt asks the window manager to put the frame where
// the window's inside was, so a window shown again would come down by its title bar
// each time. Moving it to where it is before it appears asks for the inside's place.
class Keeper : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        if (!window->isWindow() || (type != Qt::Window && type != Qt::Dialog) ||
            window->property("placesItself").toBool())
            return false;
        if (window->property("shownBefore").toBool())
            window->move(window->pos());
        window->setProperty("shownBefore", true);
        QPointer<QWidget> w = window;
        WhenFramed(window, [w](const QMargins& margins) {
            if (!w)
                return;
            const QRect frame = w->geometry().marginsAdded(margins);
            const QRect onto = OntoArea(frame, AvailableAreas());
            if (onto != frame)
                w->setGeometry(onto.marginsRemoved(margins));
        });
        return false;
    }
};

} // namespace

void WhenFramed(QWidget* window, std::function<void(const QMargins&)> framed) {
    new FrameWatch(window, std::move(framed));
}

void KeepWindowsInPlace() {
    static QPointer<Keeper> keeper;
    if (keeper || !qApp)
        return;
    keeper = new Keeper;
    keeper->setParent(qApp);
    qApp->installEventFilter(keeper);
}

} // namespace WindowPlacement
