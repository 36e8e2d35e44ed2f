// The image-map wizard's rules without windows: the clicks that draw a shape, the area
// line written for it, the outlines read back from the lines, the finished markup and
// the window's size for its picture.
#include "links/ImageMap.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ImageMap;
using Points = Module1::HotspotPointArray;

namespace {

// A fresh working state, as the wizard's opening leaves it.
struct Work {
    int16_t clickState = 1;
    int16_t vertexIndex = 0;
    Points points = {};
    HotspotWork ref() { return {clickState, vertexIndex, points}; }
    ClickStep click(int shape, double x, double y) { return Click(shape, {x, y}, ref()); }
};

// The area line for the shape just finished in w, as the area-link dialog writes it.
QString lineFor(int shape, const Work& w, const QString& link = "a.html",
                const QString& target = QString()) {
    const QString name = ShapeName(shape);
    return AreaLine(name, CoordsAttribute(name, w.points, w.clickState), HrefAttribute(link),
                    TargetAttribute(target));
}

// The text from column `from` (counted from 1).
QString fromColumn(const QString& s, int from) {
    return s.mid(from - 1);
}

} // namespace

TEST(ImageMapAreaLine, EachShapeWithItsWordAndFirstNumberInTheirColumns) {
    Work circle;
    circle.click(Circle, 100, 80);
    circle.click(Circle, 103, 84); // 3-4-5: radius 5
    const QString c = lineFor(Circle, circle);
    EXPECT_TEXT(c, "<area shape=\"circle\" coords=\"100,80 5\" href=\"a.html\">\r\n");
    EXPECT_TEXT(c.mid(13, 4), "circ");
    EXPECT_TRUE(fromColumn(c, 30).startsWith("100,80 5\""));

    Work rect;
    rect.click(Rectangle, 10, 20);
    rect.click(Rectangle, 30, 40);
    const QString r = lineFor(Rectangle, rect, "Page.HTML", "_blank");
    EXPECT_TEXT(r, "<area shape=\"rect\" coords=\"10,20 30,40\" href=\"Page.HTML\" "
                   "target=\"_blank\">\r\n");
    EXPECT_TRUE(fromColumn(r, 28).startsWith("10,20 30,40\""));

    Work poly;
    poly.click(Polygon, 1, 2);
    poly.click(Polygon, 50, 2);
    poly.click(Polygon, 50, 60);
    EXPECT_EQ(poly.clickState, 4);
    const QString p = lineFor(Polygon, poly, "http://", "Frame1");
    EXPECT_TEXT(p, "<area shape=\"poly\" coords=\"1,2 50,2 50,60\" href=\"http://\" "
                   "target=\"Frame1\">\r\n");
    EXPECT_TRUE(fromColumn(p, 28).startsWith("1,2 50,2 50,60\""));
}

TEST(ImageMapAreaLine, EdgeShapes) {
    // A rim click on the centre: radius 0, the text ends in a blank and 0.
    Work circle;
    circle.click(Circle, 7, 9);
    circle.click(Circle, 7.2, 8.9);
    EXPECT_TEXT(CoordsAttribute(ShapeName(Circle), circle.points, circle.clickState),
                " COORDS=\"7,9 0\"");

    // Drawn from bottom right to top left: corners in clicking order.
    Work rect;
    rect.click(Rectangle, 90, 70);
    rect.click(Rectangle, 5, 6);
    EXPECT_TEXT(CoordsAttribute(ShapeName(Rectangle), rect.points, rect.clickState),
                " COORDS=\"90,70 5,6\"");

    // Closed by its second click: a single vertex, no blank.
    Work poly;
    poly.click(Polygon, 40, 40);
    const ClickStep close = poly.click(Polygon, 42, 43);
    EXPECT_TRUE(close.opensAreaLink);
    EXPECT_TEXT(CoordsAttribute(ShapeName(Polygon), poly.points, poly.clickState),
                " COORDS=\"40,40\"");
}

TEST(ImageMapAreaLine, QuotesInTheLinkAndTargetCannotBreakTheAttribute) {
    EXPECT_TEXT(HrefAttribute("a\"b.html?x='1'&copy=2"),
                " href=\"a&quot;b.html?x='1'&amp;copy=2\"");
    EXPECT_TEXT(TargetAttribute("my \"frame\" &"), " target=\"my &quot;frame&quot; &amp;\"");
    EXPECT_TEXT(TargetAttribute(""), "");
    EXPECT_TEXT(TargetAttribute(" "), " target=\" \"");
}

TEST(ImageMapParse, WrittenLinesReadBackAsTheirShapes) {
    Work circle;
    circle.click(Circle, 120, 45);
    circle.click(Circle, 120, 45);
    EXPECT_EQ(ParseAreaLine(lineFor(Circle, circle)),
              QList<Outline>{Outline::circle({120, 45}, 0)});

    Work rect;
    rect.click(Rectangle, 300, 200);
    rect.click(Rectangle, 0, 1);
    EXPECT_EQ(ParseAreaLine(lineFor(Rectangle, rect, "x\"y", "_top")),
              QList<Outline>{Outline::rect({300, 200}, {0, 1})});

    // Polygons of one to seven vertices: the last vertex keeps its y.
    for (int n = 1; n <= 7; ++n) {
        Work poly;
        QList<QPoint> vertices;
        for (int i = 0; i < n; ++i) {
            const QPoint v(10 + 37 * i, 1000 + ((i * 53) % 97));
            vertices << v;
            poly.click(Polygon, v.x(), v.y());
        }
        if (n < 7)
            poly.click(Polygon, 11, 1001); // near the first vertex: closes
        else
            poly.click(Polygon, 3000, 3000); // the eighth click closes anywhere
        QList<Outline> expected;
        for (int i = 0; i + 1 < n; ++i)
            expected << Outline::line(vertices[i], vertices[i + 1]);
        expected << Outline::line(vertices[n - 1], vertices[0]);
        EXPECT_EQ(ParseAreaLine(lineFor(Polygon, poly)), expected) << n << " vertices";
    }
}

TEST(ImageMapParse, LinesWithoutAKnownShapeAtTheirPlaceAreSkipped) {
    const QStringList lines = {
        "<area shape=\"rect\" coords=\"1,2 3,4\" href=\"a\">\r\n",
        "<area shape=\"default\" href=\"a\">\r\n",
        "",
        "garbage",
        "<area shape=\"rect\" coords=\"broken\">",
        "<area shape=\"circle\" coords=\"5\" href=\"a\">",
        "<area shape=\"poly\" coords=\"\" href=\"a\">",
        "<area shape=\"CIRCLE\" coords=\"9,8 7\" href=\"a\">\r\n",
    };
    EXPECT_EQ(UsemapParse(lines),
              (QList<Outline>{Outline::rect({1, 2}, {3, 4}), Outline::circle({9, 8}, 7)}));
}

TEST(ImageMapClicks, CircleAndRectangleTakeTwoClicks) {
    Work w;
    ClickStep s = w.click(Circle, 10.5, 11.5); // halves to the even neighbour
    EXPECT_EQ(w.clickState, 2);
    EXPECT_EQ(w.points[0][0], 10);
    EXPECT_EQ(w.points[0][1], 12);
    EXPECT_TEXT(s.label, "Click a point on the radius of the circle to create the circle.");
    EXPECT_FALSE(s.opensAreaLink);
    EXPECT_TRUE(s.draw.isEmpty());

    // The radius from the unrounded click and the stored centre: sqrt(2.5^2 + 0) = 2.5 -> 2.
    s = w.click(Circle, 12.5, 12);
    EXPECT_EQ(w.points[1][0], 2);
    EXPECT_EQ(w.clickState, 1);
    EXPECT_TRUE(s.opensAreaLink);
    EXPECT_EQ(s.draw, QList<Outline>{Outline::circle({10, 12}, 2)});
    EXPECT_TEXT(s.labelAfterLink, "Click the center point of the circle shape.");

    Work r;
    s = r.click(Rectangle, 5, 5);
    EXPECT_TEXT(s.label, "Click the lower right corner of the rectangle shape.");
    s = r.click(Rectangle, 3.5, 4.5);
    EXPECT_EQ(s.draw, QList<Outline>{Outline::rect({5, 5}, {4, 4})});
    EXPECT_EQ(r.clickState, 1);
    EXPECT_TRUE(s.opensAreaLink);
    EXPECT_TEXT(s.labelAfterLink, "Click the top left corner of the rectangle shape.");
}

TEST(ImageMapClicks, PolygonClosesWithinFourPixelsOfItsFirstVertex) {
    Work w;
    ClickStep s = w.click(Polygon, 100, 100);
    EXPECT_TEXT(s.label, "Click the next vertex point of the polygon shape.");
    s = w.click(Polygon, 150, 100);
    EXPECT_EQ(s.draw, QList<Outline>{Outline::line({150, 100}, {100, 100})});
    EXPECT_EQ(w.clickState, 3);
    EXPECT_EQ(w.vertexIndex, 1); // the vertex stored last

    // 4.0 across is not near: a new vertex.
    s = w.click(Polygon, 104, 100);
    EXPECT_FALSE(s.opensAreaLink);
    EXPECT_EQ(w.clickState, 4);
    EXPECT_EQ(w.vertexIndex, 2);

    // 3.9 both ways closes, with the state kept for the dialog (three vertices).
    s = w.click(Polygon, 96.1, 103.9);
    EXPECT_TRUE(s.opensAreaLink);
    EXPECT_EQ(w.clickState, 4);
    EXPECT_EQ(s.draw, QList<Outline>{Outline::line({100, 100}, {104, 100})});
    EXPECT_TEXT(CoordsAttribute(ShapeName(Polygon), w.points, w.clickState),
                " COORDS=\"100,100 150,100 104,100\"");
    EXPECT_TEXT(s.labelAfterLink, "Click the first vertex point of the polygon shape.");
}

TEST(ImageMapClicks, SeventhVertexWarnsAndTheEighthClickClosesAnywhere) {
    Work w;
    for (int i = 0; i < 6; ++i) {
        const ClickStep s = w.click(Polygon, 10 * i + 10, (i % 2) * 50 + 10);
        EXPECT_TRUE(s.message.isEmpty()) << i;
    }
    EXPECT_EQ(w.clickState, 7);
    ClickStep s = w.click(Polygon, 200, 200); // the seventh vertex
    EXPECT_TEXT(s.label, "The Wizard will now close the polygon.");
    EXPECT_TEXT(s.message, "Click on the image once more to close the polygon.");
    EXPECT_FALSE(s.opensAreaLink);
    EXPECT_EQ(w.clickState, 8);
    EXPECT_EQ(w.vertexIndex, 6);

    s = w.click(Polygon, 500, 500); // far away: closes all the same, not stored
    EXPECT_TRUE(s.opensAreaLink);
    EXPECT_EQ(w.clickState, 8);
    EXPECT_EQ(s.draw, QList<Outline>{Outline::line({200, 200}, {10, 10})});
    const QString coords = CoordsAttribute(ShapeName(Polygon), w.points, w.clickState);
    EXPECT_TEXT(coords, " COORDS=\"10,10 20,60 30,10 40,60 50,10 60,60 200,200\"");
    EXPECT_FALSE(coords.contains("500"));
}

TEST(ImageMapClicks, StoredCoordinatesRoundHalfToEvenAndStayInRange) {
    EXPECT_EQ(StoredCoordinate(2.5), 2);
    EXPECT_EQ(StoredCoordinate(3.5), 4);
    EXPECT_EQ(StoredCoordinate(0.49), 0);
    EXPECT_EQ(StoredCoordinate(1e9), 32767);
    EXPECT_EQ(StoredCoordinate(-1e9), -32768);
}

TEST(ImageMapMarkup, MapThenImage) {
    MapChoices c;
    c.name = "townmap";
    c.imageFile = "/home/me/pictures/town.png";
    c.size = QSize(320, 200);
    EXPECT_TEXT(BuildImageMap(c), "<map name=\"townmap\">\r\n</map>\r\n"
                                  "<img src=\"/home/me/pictures/town.png\" width=\"320\" "
                                  "height=\"200\" border=\"0\" usemap=\"#townmap\">\r\n");

    c.areaLines = {"<area shape=\"rect\" coords=\"1,2 3,4\" href=\"a\">\r\n",
                   "<area shape=\"circle\" coords=\"5,6 7\" href=\"b\">\r\n"};
    c.name = QString::fromUtf8("my \"Κέντρο\" map");
    c.imageFile = "/tmp/a \"b\".png";
    EXPECT_TEXT(BuildImageMap(c),
                QString::fromUtf8("<map name=\"my &quot;Κέντρο&quot; map\">\r\n"
                                  "<area shape=\"rect\" coords=\"1,2 3,4\" href=\"a\">\r\n"
                                  "<area shape=\"circle\" coords=\"5,6 7\" href=\"b\">\r\n"
                                  "</map>\r\n"
                                  "<img src=\"/tmp/a &quot;b&quot;.png\" width=\"320\" "
                                  "height=\"200\" border=\"0\" "
                                  "usemap=\"#my &quot;Κέντρο&quot; map\">\r\n"));
}

TEST(ImageMapWindow, GrowsToThePictureWithinTheScreenAndCentres) {
    const QSize start(8730, 5460);
    const QSize screen(15000, 12000);
    // Up to 6450 x 4460 twips the window keeps its size.
    EXPECT_EQ(WindowForPicture(start, QSize(6450, 4460), screen),
              QRect((15000 - 8730) / 2, (12000 - 5460) / 2, 8730, 5460));
    // One pixel more each way: picture + 2480 across, + 1500 down.
    EXPECT_EQ(WindowForPicture(start, QSize(6465, 4475), screen),
              QRect((15000 - 8945) / 2, (12000 - 5975) / 2, 8945, 5975));
    // Never shrinks.
    EXPECT_EQ(WindowForPicture(QSize(12000, 9000), QSize(15, 15), screen).size(),
              QSize(12000, 9000));
    // Larger than the screen: exactly the screen.
    EXPECT_EQ(WindowForPicture(start, QSize(60000, 60000), screen), QRect(0, 0, 15000, 12000));
}

TEST(ImageMapStatus, CoordinatesInTheirShortestText) {
    EXPECT_TEXT(CoordinatesText({12, 0}), "Coordinates: (12, 0)");
    EXPECT_TEXT(CoordinatesText({3.5, 199.25}), "Coordinates: (3.5, 199.25)");
}
