#include "elements/CharacterGrids.h"

#include <QFont>
#include <QPainter>

namespace CharacterGrids {

namespace {

// A row of cells from their upper bounds, the references they insert and the glyphs
// that show them ("" text: the cell inserts nothing).
Row row(int upper, const QList<int>& bounds, const QStringList& texts, const QString& glyphs) {
    Row r{upper, {}};
    for (int i = 0; i < bounds.size(); ++i) {
        const QString text = i < texts.size() ? texts[i] : QString();
        const QString glyph =
            i < glyphs.size() && glyphs[i] != ' ' ? QString(glyphs[i]) : QString();
        r.cells.append({bounds[i], text, glyph});
    }
    return r;
}

QList<Row> vowels() {
    const QList<int> seven = {37, 77, 115, 153, 192, 230, 267};
    const QList<int> eight = seven + QList<int>{300};
    const QList<int> ten = seven + QList<int>{306, 345, 380};
    const QList<int> eleven = ten + QList<int>{415};
    return {
        row(28, seven,
            {"&Agrave;", "&Aacute;", "&Acirc;", "&Atilde;", "&Auml;", "&Aring;", "&AElig;"},
            QString::fromUtf8("ÀÁÂÃÄÅÆ")),
        row(51, seven,
            {"&agrave;", "&aacute;", "&acirc;", "&atilde;", "&auml;", "&aring;", "&aelig;"},
            QString::fromUtf8("àáâãäåæ")),
        row(75, eight,
            {"&Egrave;", "&Eacute;", "&Ecirc;", "&Euml;", "&Igrave;", "&Iacute;", "&Icirc;",
             "&Iuml;"},
            QString::fromUtf8("ÈÉÊËÌÍÎÏ")),
        row(98, eight,
            {"&egrave;", "&eacute;", "&ecirc;", "&euml;", "&igrave;", "&iacute;", "&icirc;",
             "&iuml;"},
            QString::fromUtf8("èéêëìíîï")),
        row(124, ten,
            {"&Ograve;", "&Oacute;", "&Ocirc;", "&Otilde;", "&Ouml;", "&Ugrave;", "&Uacute;",
             "&Ucirc;", "&Uuml;", "&Yacute;"},
            QString::fromUtf8("ÒÓÔÕÖÙÚÛÜÝ")),
        row(150, eleven,
            {"&ograve;", "&oacute;", "&ocirc;", "&otilde;", "&ouml;", "&ugrave;", "&uacute;",
             "&ucirc;", "&uuml;", "&yacute;", "&yuml;"},
            QString::fromUtf8("òóôõöùúûüýÿ")),
    };
}

QList<Row> various() {
    const QList<int> cols = {22, 50, 76, 100, 127, 153, 179, 203, 230, 255, 281};
    return {
        row(23, cols,
            {"&#185;", "&#178;", "&#179;", "&#176;", "&#188;", "&#189;", "&#190;", "&#177;",
             "&copy;", "&reg;", "&#153;"},
            QString::fromUtf8("¹²³°¼½¾±©®™")),
        row(50, cols,
            {"&#191;", "&#161;", "&lt;", "&gt;", "&#171;", "&#187;", "", "&#166;", "&#182;",
             "&#167;", ""},
            QString::fromUtf8("¿¡<>«» ¦¶§ ")),
        row(73, cols,
            {"&#163;", "&#162;", "&#165;", "&#164;", "&#168;", "&quot;", "&#180;", "&#184;",
             "&#181;", "&amp;", ""},
            QString::fromUtf8("£¢¥¤¨\"´¸µ& ")),
        row(98, cols, {"&Ccedil;", "&Ntilde;", "&Oslash;", "&THORN;", "&ETH;", "&szlig;"},
            QString::fromUtf8("ÇÑØÞÐß     ")),
        row(127, cols, {"&ccedil;", "&ntilde;", "&oslash;", "&thorn;", "&eth;"},
            QString::fromUtf8("çñøþð      ")),
    };
}

// The Greek letters the Symbol font shows for the Latin letters A to Z and a to z.
const QString GreekCapitals = QString::fromUtf8("ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ");
const QString GreekSmall = QString::fromUtf8("αβχδεφγηιϕκλμνοπθρστυϖωξψζ");

// The Greek letter for a Latin one, or a null character for anything else.
QChar greekFor(QChar latin) {
    if (latin >= QLatin1Char('A') && latin <= QLatin1Char('Z'))
        return GreekCapitals[latin.unicode() - 'A'];
    if (latin >= QLatin1Char('a') && latin <= QLatin1Char('z'))
        return GreekSmall[latin.unicode() - 'a'];
    return {};
}

Row greekRow(int upper, const QList<int>& bounds, char first) {
    Row r{upper, {}};
    for (int i = 0; i < bounds.size(); ++i) {
        const QChar latin(first + i);
        r.cells.append({bounds[i], SymbolFontLetter(latin), QString(greekFor(latin))});
    }
    return r;
}

QList<Row> math() {
    return {
        greekRow(30, {28, 56, 84, 112, 140, 168, 192, 221, 241, 267, 296, 324, 360}, 'A'),
        greekRow(56, {28, 57, 88, 117, 142, 167, 193, 220, 243, 272, 299, 328, 360}, 'N'),
        greekRow(84, {28, 53, 77, 101, 122, 146, 167, 193, 213, 239, 264, 288, 313}, 'a'),
        greekRow(108, {28, 52, 76, 100, 124, 150, 171, 197, 225, 252, 275, 304, 330}, 'n'),
        row(136, {29, 58, 87, 116, 145, 174, 202, 229, 257},
            {"&cap;", "&cup;", "&sup;", "&supe;", "&sub;", "&sube;", "&nsub;", "&isin;", "&notin;"},
            QString::fromUtf8("∩∪⊃⊇⊂⊆⊄∈∉")),
        row(160, {28, 51, 76, 101, 130, 160},
            {"&lt;", "&gt;", "&le;", "&ge;", "&empty;", "&infin;"}, QString::fromUtf8("<>≤≥∅∞")),
    };
}

} // namespace

QString SymbolFontLetter(QChar latin) {
    const QChar greek = greekFor(latin);
    if (greek.isNull())
        return QString();
    return QStringLiteral("<FONT FACE=\"Symbol\">&#") + QString::number(greek.unicode()) +
           QStringLiteral(";</FONT>");
}

const QList<Row>& RowsOf(int page) {
    static const QList<Row> pages[3] = {vowels(), various(), math()};
    static const QList<Row> none;
    return page >= 0 && page < 3 ? pages[page] : none;
}

QSize PictureSize(int page) {
    switch (page) {
    case Vowels:
        return {424, 160};
    case Various:
        return {283, 128};
    case Math:
        return {361, 166};
    default:
        return {};
    }
}

QString CellText(int page, int x, int y) {
    // The bands of an axis follow one another; the first one starts just after 0.
    if (x <= 0 || y <= 0)
        return QString();
    for (const Row& r : RowsOf(page)) {
        if (y >= r.upper)
            continue;
        for (const Cell& c : r.cells)
            if (x < c.upper)
                return c.text;
        return QString();
    }
    return QString();
}

QImage DrawGrid(int page) {
    QImage image(PictureSize(page), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::black);
    QFont font = p.font();
    font.setPixelSize(15);
    p.setFont(font);
    int top = 0;
    for (const Row& r : RowsOf(page)) {
        int left = 0;
        for (const Cell& c : r.cells) {
            const QRect cell(left, top, c.upper - left, r.upper - top);
            p.drawRect(cell.adjusted(0, 0, -1, -1));
            if (!c.glyph.isEmpty())
                p.drawText(cell, Qt::AlignCenter, c.glyph);
            left = c.upper;
        }
        top = r.upper;
    }
    return image;
}

} // namespace CharacterGrids
