#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A picture file read for a dialog's preview: its own size, and the picture scaled down
// to fit a box (a large picture is decoded straight to that size where its format
// allows). ok is false when the file cannot be read as a picture, whatever its name.
struct LoadedPicture {
    bool ok = false;
    QSize size;
    QPixmap preview;
};
LoadedPicture LoadPicture(const QString& path, const QSize& box);
