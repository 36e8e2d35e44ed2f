#pragma once

// The user's way through the image-map wizard: pick a picture of ours, name the map,
// click shapes on the picture and answer each area's link dialog.

#include "core/DialogParts.h"
#include "core/Module1.h"
#include "links/HotspotPicture.h"
#include "links/Usemap.h"
#include "links/UsemapURL.h"
#include "support/DialogDriver.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

namespace ImageMapDriver {

using DialogDriver::chooseFile;
using DialogDriver::clickAnswering;
using TestSupport::field;

// A picture of ours: white with a grey band, saved as PNG.
inline QString makePicture(const QString& path, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < size.height() / 10; ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(200, 200, 200));
    EXPECT_TRUE(picture.save(path, "PNG")) << qPrintable(path);
    return path;
}

// Browse, and choose path in the file dialog.
inline void pickPicture(Usemap* w, const QString& path) {
    clickAnswering(w->Command7, [&](QWidget* d) { chooseFile(d, path); });
}

// Page 1 filled in and Next pressed.
inline void startOn(Usemap* w, const QString& picture, const QString& name) {
    pickPicture(w, picture);
    w->Text1->setText(name);
    w->Command4->click();
}

// A click on the picture at p (picture pixels), scrolled into view first.
inline void clickPicture(Usemap* w, QPoint p) {
    w->Picture1Scroll->ensureVisible(p.x(), p.y(), 20, 20);
    QTest::mouseClick(w->Picture1, Qt::LeftButton, Qt::NoModifier, p);
}

// The next area-link dialog: link and target typed, then OK.
inline void answerLink(const QString& link, const QString& target = QString()) {
    TestSupport::whenModal([=](QWidget* d) {
        if (d->objectName() != "UsemapURL") {
            ADD_FAILURE() << "expected the area-link dialog, got " << qPrintable(d->objectName());
            d->close();
            return;
        }
        field<QComboBox>(d, "Combo1")->setEditText(link);
        field<QComboBox>(d, "Combo2")->setEditText(target);
        field<QPushButton>(d, "Command1")->click();
    });
}

// The next area-link dialog cancelled.
inline void cancelLink() {
    TestSupport::whenModal([](QWidget* d) {
        EXPECT_EQ(d->objectName(), "UsemapURL");
        if (auto* cancel = field<QPushButton>(d, "Command2"))
            cancel->click();
        else
            d->close();
    });
}

inline void drawRect(Usemap* w, QPoint a, QPoint b, const QString& link,
                     const QString& target = QString()) {
    answerLink(link, target);
    clickPicture(w, a);
    clickPicture(w, b);
}

inline QStringList areaLines(Usemap* w) {
    QStringList lines;
    for (int i = 0; i < w->List1->count(); ++i)
        lines << w->List1->item(i)->text();
    return lines;
}

// True when the picture shows an outline at p.
inline bool outlined(Usemap* w, QPoint p) {
    return w->Picture1->shown().pixelColor(p) == HotspotPicture::OutlineColor();
}

} // namespace ImageMapDriver
