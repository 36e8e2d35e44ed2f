#include "core/PicturePreview.h"

#include <QImage>
#include <QImageReader>

LoadedPicture LoadPicture(const QString& path, const QSize& box) {
    LoadedPicture result;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > box.width() || size.height() > box.height()))
        reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image = reader.read();
    if (image.isNull())
        return result;
    result.size = size.isValid() ? size : image.size();
    if (image.width() > box.width() || image.height() > box.height())
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    result.preview = QPixmap::fromImage(image);
    result.ok = true;
    return result;
}
