#pragma once

#include <QWidget>

class QRubberBand;

// The thin bar at the shortcut bar's right edge. The user drags it; while dragging a
// line follows the mouse over the window, and the drop point is reported to the
// window, which decides what the drop means.
class SplitterBar : public QWidget {
    Q_OBJECT
public:
    explicit SplitterBar(QWidget* parent = nullptr);

signals:
    void dropped(const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRubberBand* band_ = nullptr;
    bool dragging_ = false;
};
