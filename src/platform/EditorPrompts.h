#pragma once

#include <QString>

class QWidget;

// The editing surface's own questions: the address of a hyperlink and the font dialog.
namespace EditorPrompts {

// Asks for a link's address, starting with current ("http://" when empty). False when
// the user cancels or gives no address.
bool AskLinkAddress(QWidget* parent, const QString& current, QString& address);

// A font as the font dialog shows it; size is an HTML font size 1..7 (0: unknown).
struct FontChoice {
    QString name;
    int size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
};

// The font dialog, starting from choice and filling it; false when cancelled.
bool AskFont(QWidget* parent, FontChoice& choice);

// The name of the face of family that is bold and italic as asked, of normal width
// when it has one; "" when it has none.
QString FaceFor(const QString& family, bool bold, bool italic);

// HTML font sizes and the point sizes a font dialog offers: 1..7 as 8, 10, 12, 14, 18,
// 24, 36 points; a point size gets the smallest HTML size at least as large.
int PointsForHtmlSize(int size);
int HtmlSizeForPoints(int points);

} // namespace EditorPrompts
