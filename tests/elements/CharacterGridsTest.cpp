// The special-character grids: what each click inserts, and the pictures that show it.
#include "elements/CharacterGrids.h"

#include <gtest/gtest.h>

using namespace CharacterGrids;

TEST(CharacterGrids, TheLeftAndTopEdgesHitNothing) {
    for (int page : {Vowels, Various, Math}) {
        EXPECT_EQ(CellText(page, 0, 10), "") << page;
        EXPECT_EQ(CellText(page, 10, 0), "") << page;
        EXPECT_NE(CellText(page, 1, 1), "") << page;
    }
    EXPECT_EQ(CellText(Vowels, 1, 1), "&Agrave;");
}

TEST(CharacterGrids, VowelRowsEndAtTheirLastColumn) {
    // Row 3 ends at 300; row 5 goes on to 380.
    EXPECT_EQ(CellText(Vowels, 299, 60), "&Iuml;");
    EXPECT_EQ(CellText(Vowels, 300, 60), "");
    EXPECT_EQ(CellText(Vowels, 300, 110), "&Ucirc;");
    EXPECT_EQ(CellText(Vowels, 379, 110), "&Yacute;");
    EXPECT_EQ(CellText(Vowels, 380, 110), "");
    EXPECT_EQ(CellText(Vowels, 414, 140), "&yuml;");
    EXPECT_EQ(CellText(Vowels, 415, 140), "");
    EXPECT_EQ(CellText(Vowels, 266, 20), "&AElig;");
    EXPECT_EQ(CellText(Vowels, 267, 20), "");
    // Band bounds: 28 starts row 2, 150 is below the grid.
    EXPECT_EQ(CellText(Vowels, 10, 27), "&Agrave;");
    EXPECT_EQ(CellText(Vowels, 10, 28), "&agrave;");
    EXPECT_EQ(CellText(Vowels, 37, 28), "&aacute;");
    EXPECT_EQ(CellText(Vowels, 10, 150), "");
}

TEST(CharacterGrids, VariousBlankCellsInsertNothing) {
    EXPECT_EQ(CellText(Various, 160, 30), ""); // row 2, column 7
    EXPECT_EQ(CellText(Various, 180, 30), "&#166;");
    EXPECT_EQ(CellText(Various, 260, 30), "");
    EXPECT_EQ(CellText(Various, 260, 10), "&#153;");
    EXPECT_EQ(CellText(Various, 240, 60), "&amp;");
    EXPECT_EQ(CellText(Various, 140, 80), "&szlig;");
    EXPECT_EQ(CellText(Various, 160, 80), "");
    EXPECT_EQ(CellText(Various, 110, 110), "&eth;");
    EXPECT_EQ(CellText(Various, 130, 110), "");
    EXPECT_EQ(CellText(Various, 281, 10), "");
    EXPECT_EQ(CellText(Various, 10, 127), "");
}

TEST(CharacterGrids, GreekLettersAsThemselvesInTheSymbolFont) {
    // The Greek letter the Symbol font shows for the Latin one, as its reference.
    EXPECT_EQ(CellText(Math, 100, 10), "<FONT FACE=\"Symbol\">&#916;</FONT>"); // D: Δ
    EXPECT_EQ(CellText(Math, 167, 10), "<FONT FACE=\"Symbol\">&#934;</FONT>"); // F: Φ
    EXPECT_EQ(CellText(Math, 168, 10), "<FONT FACE=\"Symbol\">&#915;</FONT>"); // G: Γ
    EXPECT_EQ(CellText(Math, 359, 40), "<FONT FACE=\"Symbol\">&#918;</FONT>"); // Z: Ζ
    EXPECT_EQ(CellText(Math, 1, 60), "<FONT FACE=\"Symbol\">&#945;</FONT>");   // a: α
    EXPECT_EQ(CellText(Math, 313, 60), "");
    EXPECT_EQ(CellText(Math, 329, 100), "<FONT FACE=\"Symbol\">&#950;</FONT>"); // z: ζ
    EXPECT_EQ(CellText(Math, 330, 100), "");
    EXPECT_EQ(SymbolFontLetter('J'), "<FONT FACE=\"Symbol\">&#977;</FONT>"); // ϑ
    EXPECT_EQ(SymbolFontLetter('v'), "<FONT FACE=\"Symbol\">&#982;</FONT>"); // ϖ
    EXPECT_EQ(SymbolFontLetter('1'), "");
}

TEST(CharacterGrids, EverySetSymbolInsertsItsOwnReference) {
    const QList<QPair<int, QString>> cells = {
        {1, "&cap;"},    {28, "&cap;"},    {29, "&cup;"},    {58, "&sup;"},   {87, "&supe;"},
        {116, "&sub;"},  {145, "&sube;"},  {174, "&nsub;"},  {201, "&nsub;"}, {202, "&isin;"},
        {228, "&isin;"}, {229, "&notin;"}, {256, "&notin;"}, {257, ""}};
    for (const auto& [x, text] : cells)
        EXPECT_EQ(CellText(Math, x, 120), text) << x;
}

TEST(CharacterGrids, MathLastRow) {
    EXPECT_EQ(CellText(Math, 27, 150), "&lt;");
    EXPECT_EQ(CellText(Math, 129, 150), "&empty;");
    EXPECT_EQ(CellText(Math, 159, 150), "&infin;");
    EXPECT_EQ(CellText(Math, 160, 150), "");
    EXPECT_EQ(CellText(Math, 10, 160), "");
}

TEST(CharacterGrids, EachCellThatInsertsShowsAGlyphAndNoOtherDoes) {
    for (int page : {Vowels, Various, Math}) {
        const QImage picture = DrawGrid(page);
        ASSERT_EQ(picture.size(), PictureSize(page));
        int top = 0;
        for (const Row& row : RowsOf(page)) {
            int left = 0;
            for (const Cell& cell : row.cells) {
                EXPECT_EQ(cell.text.isEmpty(), cell.glyph.isEmpty())
                    << page << " " << qPrintable(cell.text);
                // Inside the cell's outline.
                bool inked = false;
                for (int y = top + 2; y < row.upper - 2 && !inked; ++y)
                    for (int x = left + 2; x < cell.upper - 2 && !inked; ++x)
                        inked = qGray(picture.pixel(x, y)) < 128;
                EXPECT_EQ(inked, !cell.glyph.isEmpty())
                    << "page " << page << " cell ending at " << cell.upper << " row ending at "
                    << row.upper;
                left = cell.upper;
            }
            top = row.upper;
        }
    }
}
