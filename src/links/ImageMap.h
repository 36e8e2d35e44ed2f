#pragma once

#include "core/Module1.h"

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>

// The rules of the image-map wizard as plain functions of points and text: the clicks
// that draw a shape, the area line written for it, the outlines read back from the
// area lines, the markup of the finished map and the wizard's size for its picture.
namespace ImageMap {

enum Shape : int { Circle = 0, Rectangle = 1, Polygon = 2 };

// The shape's quoted name as AreaShape holds it ("\"Circle\"", "\"Rect\"", "\"Poly\"").
QString ShapeName(int shape);
// What the instruction label says before a shape's first and its second click.
QString FirstClickText(int shape);
QString SecondClickText(int shape);

inline const QString ChooseShapeText =
    QStringLiteral("<-- Select an area shape in the left column to begin.");
inline const QString ShapeInProgressMessage =
    QStringLiteral("Click the INSERT button to add the hotspot area or clear the coordinates "
                   "in order to select a different shape.");
inline const QString PolygonClosingText = QStringLiteral("The Wizard will now close the polygon.");
inline const QString PolygonClosingMessage =
    QStringLiteral("Click on the image once more to close the polygon.");

// One outline on the picture: a circle (centre a, radius), a rectangle (corners a and
// b) or a line (from a to b).
struct Outline {
    enum Kind { CircleOutline, RectOutline, LineOutline };
    Kind kind = LineOutline;
    QPoint a;
    QPoint b;
    int radius = 0;

    static Outline circle(QPoint centre, int radius) { return {CircleOutline, centre, {}, radius}; }
    static Outline rect(QPoint a, QPoint b) { return {RectOutline, a, b, 0}; }
    static Outline line(QPoint a, QPoint b) { return {LineOutline, a, b, 0}; }
    // The pixels the outline touches, for repainting.
    QRect bounds() const;
    bool operator==(const Outline&) const = default;
};

// A coordinate as it is stored: the nearest whole number, halves to the even neighbour,
// held within the range of the stored points.
int16_t StoredCoordinate(double value);

// The working state a click reads and changes (the program-wide state in the wizard).
struct HotspotWork {
    int16_t& clickState;
    int16_t& vertexIndex;
    Module1::HotspotPointArray& points;
};

// What one click on the picture asks of the wizard, in this order: draw the outlines,
// show the label (when not empty), show the message (when not empty), open the
// area-link dialog, and when that has closed show labelAfterLink.
struct ClickStep {
    QList<Outline> draw;
    QString label;
    QString message;
    bool opensAreaLink = false;
    QString labelAfterLink;
};

// One click at `at` (picture pixels, unrounded) with shape chosen: stores the point and
// moves the click state on.
ClickStep Click(int shape, QPointF at, HotspotWork work);

// ---- the area line ------------------------------------------------------------------
// ` href="<link>"`; a double quote in the link is written as its character reference.
QString HrefAttribute(const QString& link);
// "" for no target, else ` target="<target>"`, escaped as the link.
QString TargetAttribute(const QString& target);
// ` COORDS="..."` for the shape in areaShape from the stored points; a polygon lists the
// vertices 0 to clickState - 2.
QString CoordsAttribute(const QString& areaShape, const Module1::HotspotPointArray& points,
                        int clickState);
// "<area shape=" + the lower-cased shape name and coordinates, the link, the target,
// ">" and CR LF.
QString AreaLine(const QString& areaShape, const QString& areaCoords, const QString& areaHref,
                 const QString& areaTarget);

// ---- reading the lines back -----------------------------------------------------------
// The outlines of one area line; none for a line that names no known shape at its place.
QList<Outline> ParseAreaLine(const QString& line);
// The outlines of every line, first to last.
QList<Outline> UsemapParse(const QStringList& lines);

// ---- the finished map -------------------------------------------------------------------
struct MapChoices {
    QString name;      // the map's name, as typed
    QString imageFile; // the picture's full path
    QSize size;        // the picture's size in pixels
    QStringList areaLines;
};
// The map with its area lines, then the image that uses it.
QString BuildImageMap(const MapChoices& c);

// ---- the status bar and the window --------------------------------------------------
// "Coordinates: (x, y)", each position as its shortest decimal text.
QString CoordinatesText(QPointF at);

// The wizard's place and size in twips once its second page shows: grown (never
// shrunk) to hold the picture, no larger than the screen, centred on it.
QRect WindowForPicture(QSize windowTwips, QSize pictureTwips, QSize screenTwips);

} // namespace ImageMap
