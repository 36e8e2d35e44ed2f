#include "links/ImageMap.h"

#include "core/GeneratedHtml.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace ImageMap {

namespace {

// Polygon clicks closer than this to the first vertex, both across and down, close it.
constexpr double CloseDistance = 4.0;
// The last click state of a polygon: seven vertices taken, the next click closes it.
constexpr int16_t LastPolygonState = 8;

const QString Quote = QStringLiteral("\"");
const QString LineEnd = QStringLiteral("\r\n");

int clampShape(int shape) {
    return std::clamp(shape, 0, 2);
}

// Point p of the stored points; out-of-range numbers fall on the nearest row, so a
// damaged state can never reach outside the array.
std::array<int16_t, 9>& row(Module1::HotspotPointArray& points, int p) {
    return points[std::size_t(std::clamp(p, 0, 8))];
}
QPoint pointAt(Module1::HotspotPointArray& points, int p) {
    return {row(points, p)[0], row(points, p)[1]};
}
void store(Module1::HotspotPointArray& points, int p, QPointF at) {
    row(points, p)[0] = StoredCoordinate(at.x());
    row(points, p)[1] = StoredCoordinate(at.y());
}

ClickStep circleClick(QPointF at, HotspotWork w) {
    ClickStep step;
    if (w.clickState <= 1) {
        store(w.points, 0, at);
        w.clickState = 2;
        step.label = SecondClickText(Circle);
        return step;
    }
    const QPoint centre = pointAt(w.points, 0);
    const double dx = at.x() - centre.x();
    const double dy = at.y() - centre.y();
    const int16_t radius = StoredCoordinate(std::sqrt(dx * dx + dy * dy));
    w.points[1][0] = radius;
    step.draw << Outline::circle(centre, radius);
    w.clickState = 1;
    step.opensAreaLink = true;
    step.labelAfterLink = FirstClickText(Circle);
    return step;
}

ClickStep rectangleClick(QPointF at, HotspotWork w) {
    ClickStep step;
    if (w.clickState <= 1) {
        store(w.points, 0, at);
        w.clickState = 2;
        step.label = SecondClickText(Rectangle);
        return step;
    }
    store(w.points, 1, at);
    step.draw << Outline::rect(pointAt(w.points, 0), pointAt(w.points, 1));
    w.clickState = 1;
    step.opensAreaLink = true;
    step.labelAfterLink = FirstClickText(Rectangle);
    return step;
}

ClickStep polygonClick(QPointF at, HotspotWork w) {
    ClickStep step;
    if (w.clickState <= 1) {
        w.vertexIndex = 0;
        store(w.points, 0, at);
        w.clickState = 2;
        step.label = SecondClickText(Polygon);
        return step;
    }
    if (w.clickState >= LastPolygonState) {
        // Seven vertices: this click closes the polygon wherever it lands. The state
        // stays until the area-link dialog, which reads it, has closed.
        step.draw << Outline::line(pointAt(w.points, w.vertexIndex), pointAt(w.points, 0));
        step.opensAreaLink = true;
        step.labelAfterLink = FirstClickText(Polygon);
        return step;
    }
    w.vertexIndex = int16_t(w.vertexIndex + 1);
    const QPoint first = pointAt(w.points, 0);
    if (std::abs(at.x() - first.x()) < CloseDistance &&
        std::abs(at.y() - first.y()) < CloseDistance) {
        row(w.points, w.vertexIndex) = row(w.points, 0);
        step.draw << Outline::line(pointAt(w.points, w.vertexIndex),
                                   pointAt(w.points, w.vertexIndex - 1));
        step.opensAreaLink = true;
        step.labelAfterLink = FirstClickText(Polygon);
        return step;
    }
    store(w.points, w.vertexIndex, at);
    step.draw << Outline::line(pointAt(w.points, w.vertexIndex),
                               pointAt(w.points, w.vertexIndex - 1));
    if (w.clickState == LastPolygonState - 1) {
        step.label = PolygonClosingText;
        step.message = PolygonClosingMessage;
    }
    w.clickState = int16_t(w.clickState + 1);
    return step;
}

// ---- reading columns the way the area lines are laid out (counted from 1) ---------

// The column of the first needle at or after column from, or 0.
int at(const QString& s, int from, QChar needle) {
    if (from < 1)
        from = 1;
    return int(s.indexOf(needle, from - 1)) + 1;
}
// The text of length characters from column from; nothing outside the text.
QString mid(const QString& s, int from, int length) {
    if (from < 1 || length <= 0)
        return QString();
    return s.mid(from - 1, length);
}
int number(const QString& text) {
    return Module1::LeadingNumber(text, 16);
}

QList<Outline> parseCircle(const QString& s) {
    const int c = at(s, 30, ',');
    const int b = at(s, 30, ' ');
    const int q = at(s, b, '"');
    if (c == 0 || b == 0 || q == 0 || c > b)
        return {};
    const QPoint centre(number(mid(s, 30, c - 30)), number(mid(s, c + 1, b - c - 1)));
    return {Outline::circle(centre, number(mid(s, b + 1, q - b - 1)))};
}

QList<Outline> parseRect(const QString& s) {
    const int c1 = at(s, 28, ',');
    const int b = at(s, 28, ' ');
    const int c2 = b ? at(s, b, ',') : 0;
    const int q = c2 ? at(s, c2, '"') : 0;
    if (c1 == 0 || b == 0 || c2 == 0 || q == 0 || c1 > b)
        return {};
    const QPoint first(number(mid(s, 28, c1 - 28)), number(mid(s, c1 + 1, b - c1 - 1)));
    const QPoint second(number(mid(s, b + 1, c2 - b - 1)), number(mid(s, c2 + 1, q - c2 - 1)));
    return {Outline::rect(first, second)};
}

QList<Outline> parsePolygon(const QString& s) {
    const int open = at(s, 27, '"');
    const int close = open ? at(s, std::max(30, open + 1), '"') : 0;
    if (open == 0 || close == 0)
        return {};
    // A scratch copy of the coordinate text: AreaCoords belongs to the dialog.
    const QString coords = mid(s, open + 1, close - open - 1);
    const int length = int(coords.size());
    QList<QPoint> vertices;
    int k = 1;
    while (k <= length) {
        const int c = at(coords, k, ',');
        int b = at(coords, k, ' ');
        // The last vertex has no blank after it: its y runs to the end of the text.
        if (b == 0)
            b = length + 1;
        if (c == 0 || c > b)
            break;
        if (vertices.size() < 9)
            vertices << QPoint(number(mid(coords, k, c - k)),
                               number(mid(coords, c + 1, b - c - 1)));
        k = b + 1;
    }
    QList<Outline> lines;
    const int n = int(vertices.size());
    for (int i = 0; i + 1 < n; ++i)
        lines << Outline::line(vertices[i], vertices[i + 1]);
    if (n > 0)
        lines << Outline::line(vertices[n - 1], vertices[0]);
    return lines;
}

} // namespace

QString ShapeName(int shape) {
    static const QString names[] = {"\"Circle\"", "\"Rect\"", "\"Poly\""};
    return names[clampShape(shape)];
}

QString FirstClickText(int shape) {
    static const QString texts[] = {"Click the center point of the circle shape.",
                                    "Click the top left corner of the rectangle shape.",
                                    "Click the first vertex point of the polygon shape."};
    return texts[clampShape(shape)];
}

QString SecondClickText(int shape) {
    static const QString texts[] = {
        "Click a point on the radius of the circle to create the circle.",
        "Click the lower right corner of the rectangle shape.",
        "Click the next vertex point of the polygon shape."};
    return texts[clampShape(shape)];
}

QRect Outline::bounds() const {
    switch (kind) {
    case CircleOutline:
        return QRect(a.x() - radius, a.y() - radius, 2 * radius + 1, 2 * radius + 1);
    case RectOutline:
    case LineOutline:
        break;
    }
    return QRect(a, b).normalized();
}

int16_t StoredCoordinate(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = Module1::RoundHalfEven(value);
    return int16_t(std::clamp(rounded, double(std::numeric_limits<int16_t>::min()),
                              double(std::numeric_limits<int16_t>::max())));
}

ClickStep Click(int shape, QPointF at, HotspotWork work) {
    switch (shape) {
    case Circle:
        return circleClick(at, work);
    case Rectangle:
        return rectangleClick(at, work);
    case Polygon:
        return polygonClick(at, work);
    default:
        return {};
    }
}

QString HrefAttribute(const QString& link) {
    return " href=" + Quote + GeneratedHtml::InAttribute(link) + Quote;
}

QString TargetAttribute(const QString& target) {
    if (target.isEmpty())
        return QString();
    return " target=" + Quote + GeneratedHtml::InAttribute(target) + Quote;
}

QString CoordsAttribute(const QString& areaShape, const Module1::HotspotPointArray& points,
                        int clickState) {
    auto n = [](int16_t v) { return QString::number(v); };
    QString text;
    if (areaShape == ShapeName(Circle)) {
        text = n(points[0][0]) + "," + n(points[0][1]) + " " + n(points[1][0]);
    } else if (areaShape == ShapeName(Rectangle)) {
        text =
            n(points[0][0]) + "," + n(points[0][1]) + " " + n(points[1][0]) + "," + n(points[1][1]);
    } else {
        QStringList vertices;
        for (int p = 0; p <= std::min(clickState - 2, 8); ++p)
            vertices << n(points[p][0]) + "," + n(points[p][1]);
        text = vertices.join(' ');
    }
    return " COORDS=" + Quote + text + Quote;
}

QString AreaLine(const QString& areaShape, const QString& areaCoords, const QString& areaHref,
                 const QString& areaTarget) {
    return "<area shape=" + (areaShape + areaCoords).toLower() + areaHref + areaTarget + ">" +
           LineEnd;
}

QList<Outline> ParseAreaLine(const QString& line) {
    const QString word = mid(line, 14, 4).toLower();
    if (word == "circ")
        return parseCircle(line);
    if (word == "rect")
        return parseRect(line);
    if (word == "poly")
        return parsePolygon(line);
    return {};
}

QList<Outline> UsemapParse(const QStringList& lines) {
    QList<Outline> outlines;
    for (const QString& line : lines)
        outlines << ParseAreaLine(line);
    return outlines;
}

QString BuildImageMap(const MapChoices& c) {
    const QString name = GeneratedHtml::InAttribute(c.name);
    QString html = "<map name=" + Quote + name + Quote + ">" + LineEnd;
    for (const QString& line : c.areaLines)
        html += line;
    html += "</map>" + LineEnd;
    html += "<img src=" + Quote + GeneratedHtml::InAttribute(c.imageFile) + Quote +
            " width=" + Quote + QString::number(c.size.width()) + Quote + " height=" + Quote +
            QString::number(c.size.height()) + Quote + " border=" + Quote + "0" + Quote +
            " usemap=" + Quote + "#" + name + Quote + ">" + LineEnd;
    return html;
}

QString CoordinatesText(QPointF at) {
    auto shortest = [](double v) {
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, float(v));
        return QString::fromLatin1(buffer, result.ptr - buffer);
    };
    return "Coordinates: (" + shortest(at.x()) + ", " + shortest(at.y()) + ")";
}

QRect WindowForPicture(QSize windowTwips, QSize pictureTwips, QSize screenTwips) {
    int width = windowTwips.width();
    int height = windowTwips.height();
    if (height - 1000 < pictureTwips.height())
        height = pictureTwips.height() + 1500;
    if (width - 2280 < pictureTwips.width())
        width = pictureTwips.width() + 2480;
    width = std::min(width, screenTwips.width());
    height = std::min(height, screenTwips.height());
    return QRect((screenTwips.width() - width) / 2, (screenTwips.height() - height) / 2, width,
                 height);
}

} // namespace ImageMap
