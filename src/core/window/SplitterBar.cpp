#include "core/window/SplitterBar.h"

#include <QMouseEvent>
#include <QRubberBand>

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::SizeHorCursor);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button)); // the button face
    setPalette(p);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    QWidget* top = window();
    if (!band_)
        band_ = new QRubberBand(QRubberBand::Line, top);
    const QPoint at = top->mapFromGlobal(event->globalPosition().toPoint());
    band_->setGeometry(at.x(), mapTo(top, QPoint(0, 0)).y(), 3, height());
    band_->show();
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !band_)
        return;
    const QPoint at = window()->mapFromGlobal(event->globalPosition().toPoint());
    band_->move(at.x(), band_->y());
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    if (band_)
        band_->hide();
    emit dropped(event->globalPosition().toPoint());
}
