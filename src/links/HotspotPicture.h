#pragma once

#include "links/ImageMap.h"

#include <QImage>
#include <QWidget>

// The picture of the image-map wizard, shown at its own size in picture pixels. The
// outlines are drawn into a copy of the picture, so they stay through every repaint
// until the picture is put back as it was loaded. Clicks and mouse moves are reported
// in picture pixels.
class HotspotPicture : public QWidget {
    Q_OBJECT
public:
    explicit HotspotPicture(QWidget* parent = nullptr);

    // The colour of every outline.
    static QColor OutlineColor() { return QColor(125, 0, 0); }
    // The largest picture side the wizard takes: the points are stored as 16-bit numbers.
    static constexpr int MaxSide = 32767;

    // Reads a picture file as a browser would show it (turned as its own data says); a
    // null image when the file is not a picture this program can read, or too large.
    static QImage ReadPicture(const QString& path);

    // Shows picture at its own size, without outlines.
    void setPicture(const QImage& picture);
    // Puts the picture back as it was given, without outlines.
    void Reload();
    void Draw(const ImageMap::Outline& outline);
    void Draw(const QList<ImageMap::Outline>& outlines);

    QSize pictureSize() const { return picture_.size(); }
    // The picture with its outlines, as shown.
    const QImage& shown() const { return shown_; }

    QSize sizeHint() const override { return picture_.size(); }

signals:
    void MouseDown(QPointF at);
    void MouseMove(QPointF at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void drawInto(QPainter& painter, const ImageMap::Outline& outline);

    QImage picture_;
    QImage shown_;
};
