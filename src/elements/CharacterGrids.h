#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// The special-character picker's three grids: which cell a click hits, what each cell
// inserts, and the pictures that show it.
namespace CharacterGrids {

enum Page : int { Vowels = 0, Various = 1, Math = 2 };

// One cell: its column band ends before `upper` (and starts where the previous one
// ended, or just after 0); `text` is what it inserts ("" for nothing) and `glyph`
// what its picture shows.
struct Cell {
    int upper;
    QString text;
    QString glyph;
};
// One row: its band ends before `upper`, its cells from left to right.
struct Row {
    int upper;
    QList<Cell> cells;
};

const QList<Row>& RowsOf(int page);
// The size of a page's picture in pixels.
QSize PictureSize(int page);
// What a click at (x, y), pixels of the picture, inserts: "" between or outside the
// cells, and on the left or top edge (0).
QString CellText(int page, int x, int y);
// The text a Math cell of a Greek letter inserts: the Symbol font element around the
// character reference of the Greek letter that font shows for the Latin one ("D" gives
// `<FONT FACE="Symbol">&#916;</FONT>`, a delta). No current engine maps the font's Latin
// letters to Greek, so the letter itself goes in; the font element stays.
QString SymbolFontLetter(QChar latin);
// The page's picture: black glyphs on white, each in the cell that inserts it.
QImage DrawGrid(int page);

} // namespace CharacterGrids
