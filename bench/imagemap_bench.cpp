// Prints what the image-map wizard costs on a 4,000 x 4,000 picture on this machine:
// one click's drawing (a polygon edge across the picture, painted on the screen) and
// Undo with 200 areas listed (the picture put back, 199 outlines read and drawn again),
// each beside a floor measured in the same run: painting the visible picture once,
// and copying the picture's pixels once. Aims: a click under one frame (16 ms), Undo
// under 100 ms.
#include "core/Module1.h"
#include "links/HotspotPicture.h"
#include "links/ImageMap.h"
#include "links/Usemap.h"

#include "BenchGuard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int Side = 4000;

struct Figures {
    double median = 0;
    double worst = 0;
};

Figures figures(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

double since(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// A photo-like picture: a colour gradient, so nothing is cheap to copy or paint.
QImage makePicture() {
    QImage picture(Side, Side, QImage::Format_RGB32);
    for (int y = 0; y < Side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < Side; ++x)
            line[x] = qRgb(x * 255 / Side, y * 255 / Side, (x + y) % 256);
    }
    return picture;
}

// The area line of the i-th of many areas spread over the picture, as the area-link
// dialog writes it: rectangles, circles and seven-vertex polygons in turn.
QString areaLine(int i) {
    Module1::HotspotPointArray points = {};
    const int x = (i * 397) % (Side - 400);
    const int y = (i * 211) % (Side - 400);
    QString shape;
    int clickState = 1;
    switch (i % 3) {
    case 0:
        shape = ImageMap::ShapeName(ImageMap::Rectangle);
        points[0] = {int16_t(x), int16_t(y)};
        points[1] = {int16_t(x + 380), int16_t(y + 300)};
        break;
    case 1:
        shape = ImageMap::ShapeName(ImageMap::Circle);
        points[0] = {int16_t(x + 190), int16_t(y + 190)};
        points[1][0] = 180;
        break;
    default:
        shape = ImageMap::ShapeName(ImageMap::Polygon);
        for (int p = 0; p < 7; ++p)
            points[p] = {int16_t(x + (p * 53) % 390), int16_t(y + (p * 97) % 390)};
        clickState = 8;
        break;
    }
    return ImageMap::AreaLine(shape, ImageMap::CoordsAttribute(shape, points, clickState),
                              ImageMap::HrefAttribute(QString("page%1.html").arg(i)), QString());
}

class PaintCounter : public QObject {
public:
    explicit PaintCounter(int* count) : count_(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++*count_;
        return false;
    }

private:
    int* count_;
};

} // namespace

int main(int argc, char** argv) {
    BenchApp app(argc, argv);

    // The wizard on its second page with the picture, as after Browse and Next.
    Module1::ClickState = 0;
    Usemap wizard;
    wizard.show();
    const QImage picture = makePicture();
    wizard.ImageFile = "/bench/picture.png";
    wizard.Text8->setText("picture.png");
    wizard.Picture1->setPicture(picture);
    wizard.Text1->setText("bench");
    wizard.Command4->click();
    wizard.Label3_Click(ImageMap::Polygon);
    QApplication::processEvents();
    std::printf("picture %d x %d, window %d x %d\n", Side, Side, wizard.width(), wizard.height());

    const int rounds = 60;
    QElapsedTimer t;

    // Count the picture's paints, so the figures are known to include one.
    int paints = 0;
    PaintCounter counter(&paints);
    wizard.Picture1->installEventFilter(&counter);

    // Floor: the visible part of the picture painted once.
    std::vector<double> paint;
    for (int i = 0; i < rounds; ++i) {
        wizard.Picture1->update();
        t.restart();
        QApplication::processEvents();
        paint.push_back(since(t));
    }

    // One click: the second vertex of a polygon, an edge across the whole picture.
    std::vector<double> click;
    for (int i = 0; i < rounds; ++i) {
        Module1::ClickState = 1;
        wizard.Picture1_MouseDown(QPointF(5 + i, 5));
        QApplication::processEvents();
        t.restart();
        wizard.Picture1_MouseDown(QPointF(Side - 5 - i, Side - 5));
        QApplication::processEvents();
        click.push_back(since(t));
    }
    Module1::ClickState = 1;

    // Floor: the picture's pixels copied once into memory already in use.
    std::vector<double> copy;
    QImage target = picture.copy();
    for (int i = 0; i < rounds / 4; ++i) {
        t.restart();
        std::memcpy(target.bits(), picture.constBits(), size_t(picture.sizeInBytes()));
        copy.push_back(since(t));
    }

    // Undo with 200 areas listed: each round puts the undone line back (not timed).
    for (int i = 0; i < 200; ++i)
        wizard.List1->addItem(areaLine(i));
    wizard.UsemapParse();
    std::vector<double> undo;
    for (int i = 0; i < rounds / 4; ++i) {
        QApplication::processEvents();
        t.restart();
        wizard.Command5_Click();
        QApplication::processEvents();
        undo.push_back(since(t));
        wizard.List1->addItem(areaLine(199));
    }

    std::printf("picture painted %d times in %d rounds\n", paints, 2 * rounds + rounds / 4);
    const Figures p = figures(paint);
    const Figures c = figures(click);
    const Figures f = figures(copy);
    const Figures u = figures(undo);
    std::printf("floor, paint the visible picture: median %7.2f ms, worst %7.2f ms\n", p.median,
                p.worst);
    std::printf("one click's drawing:              median %7.2f ms, worst %7.2f ms  (ratio %.2f; "
                "aim 16 ms: %s)\n",
                c.median, c.worst, c.median / std::max(p.median, 0.001),
                c.worst < 16 ? "met" : "MISSED");
    std::printf("floor, copy the picture once:     median %7.2f ms, worst %7.2f ms\n", f.median,
                f.worst);
    std::printf("Undo with 200 areas:              median %7.2f ms, worst %7.2f ms  (ratio %.2f; "
                "aim 100 ms: %s)\n",
                u.median, u.worst, u.median / std::max(f.median, 0.001),
                u.worst < 100 ? "met" : "MISSED");
    return 0;
}
