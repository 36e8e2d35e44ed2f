#pragma once

#include <QString>

// The markup of the element dialogs, built from the user's choices: horizontal lines,
// the attribute text of a new table and positioned text boxes.
namespace ElementMarkup {

// The choices of the horizontal-line dialog; every text as typed.
struct HorizLineChoices {
    QString thickness = QStringLiteral("1");
    QString length;
    bool noShade = false;
    QString align;
    QString color; // "#RRGGBB" or empty
};
// "<hr", the attributes (all lower-cased) and " />".
QString BuildHorizLine(const HorizLineChoices& c);

// The attributes of a new table; every text as typed.
struct TableChoices {
    bool border = false;
    QString borderSize = QStringLiteral("0");
    QString borderColor; // "#RRGGBB" or empty
    QString cellSpacing = QStringLiteral("0");
    QString cellPadding = QStringLiteral("2");
    QString width = QStringLiteral("75%");
    QString bgColor; // "#RRGGBB" or empty
};
// The attribute text of the TABLE element: each attribute with a blank before it and
// its value in single quotes (a "'" typed into it as "&#39;").
QString BuildTableAttrs(const TableChoices& c);

// A typed count of table rows or columns.
enum class CountCheck { Ok, NotPositive, TooMany };
struct TableCount {
    CountCheck check = CountCheck::NotPositive;
    int value = 0;
};
// Refuses a text that is empty, not a number, or rounds (half to even) below 1, and
// one above 1000.
TableCount CheckTableCount(const QString& text);
constexpr int MaxTableCount = 1000;

// The choices of the text-box dialog; colours are "RRGGBB" (no "#") or empty.
struct TextBoxChoices {
    QString text;
    QString backColor;
    QString textColor;
    bool border = false;
    QString borderThickness;
    QString borderColor;
    QString borderStyle;
};
// Every line end of the typed text (CR LF, LF or CR) as "<br>".
QString LineEndsToBreaks(const QString& text);
// The thickness the box is built with: a text that is not a number counts "0".
QString BorderThicknessFor(const QString& typed);
// The positioned "div" of a text box, every length of its style in pixels; the text
// goes in as given.
QString BuildTextBox(const TextBoxChoices& c);

// Whether a text reads as a number: blanks around it, a sign, digits with an optional
// decimal point and exponent, or a hexadecimal ("&H1F") or octal ("&O17") number.
bool IsNumeric(const QString& text);
// The value of a text that IsNumeric accepts (0 otherwise).
double NumericValue(const QString& text);

} // namespace ElementMarkup
