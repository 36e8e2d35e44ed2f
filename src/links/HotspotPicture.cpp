#include "links/HotspotPicture.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cstring>

HotspotPicture::HotspotPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("Picture1");
    setCursor(Qt::CrossCursor);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(0, 0);
}

QImage HotspotPicture::ReadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // Browsers turn a photo as its own data says; the areas must fit what they show.
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxSide || size.height() > MaxSide))
        return {};
    QImage image = reader.read();
    if (image.isNull() || image.width() > MaxSide || image.height() > MaxSide)
        return {};
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

void HotspotPicture::setPicture(const QImage& picture) {
    picture_ = picture;
    shown_ = QImage();
    Reload();
    setFixedSize(picture_.size());
    updateGeometry();
}

void HotspotPicture::Reload() {
    // The shown copy keeps its own memory, so drawing never has to copy the picture
    // first; putting the picture back is one copy of its pixels.
    if (shown_.size() != picture_.size() || shown_.format() != picture_.format() ||
        shown_.bytesPerLine() != picture_.bytesPerLine())
        shown_ = picture_.copy();
    else if (!picture_.isNull())
        std::memcpy(shown_.bits(), picture_.constBits(), size_t(picture_.sizeInBytes()));
    update();
}

void HotspotPicture::drawInto(QPainter& painter, const ImageMap::Outline& outline) {
    using ImageMap::Outline;
    switch (outline.kind) {
    case Outline::CircleOutline:
        if (outline.radius <= 0)
            painter.drawPoint(outline.a);
        else
            painter.drawEllipse(QPointF(outline.a), outline.radius, outline.radius);
        break;
    case Outline::RectOutline: {
        const QPoint a = outline.a;
        const QPoint b = outline.b;
        const QPoint corners[] = {a, QPoint(b.x(), a.y()), b, QPoint(a.x(), b.y()), a};
        painter.drawPolyline(corners, 5);
        break;
    }
    case Outline::LineOutline:
        if (outline.a == outline.b)
            painter.drawPoint(outline.a);
        else
            painter.drawLine(outline.a, outline.b);
        break;
    }
}

void HotspotPicture::Draw(const ImageMap::Outline& outline) {
    Draw(QList<ImageMap::Outline>{outline});
}

void HotspotPicture::Draw(const QList<ImageMap::Outline>& outlines) {
    if (shown_.isNull() || outlines.isEmpty())
        return;
    QPainter painter(&shown_);
    painter.setPen(QPen(OutlineColor(), 1));
    painter.setBrush(Qt::NoBrush);
    QRect touched;
    for (const ImageMap::Outline& outline : outlines) {
        drawInto(painter, outline);
        touched |= outline.bounds();
    }
    update(touched.adjusted(-2, -2, 2, 2));
}

void HotspotPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    if (shown_.isNull())
        painter.fillRect(area, palette().window());
    else
        painter.drawImage(area, shown_, area);
}

void HotspotPicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit MouseDown(event->position());
}

void HotspotPicture::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    emit MouseMove(event->position());
}
