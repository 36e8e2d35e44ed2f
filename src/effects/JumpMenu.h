#pragma once

#include <QString>
#include <QStringList>

// The jump menu: a list of items, each a text and the page it leads to, made into a
// form with a selection list and a "Go to" button, and the script that goes to the
// chosen item's page. The rows and their operations live here, apart from the dialog.
namespace JumpMenu {

// The text of a separator row (exactly 20 hyphens); its address is empty.
inline const QString Separator = QStringLiteral("--------------------");

// The menu, row by row: texts[i] and urls[i] belong together.
struct Rows {
    QStringList texts;
    QStringList urls;
    int count() const { return int(texts.size()); }
    // A separator is the separator text with no address (an item always has one).
    bool isSeparator(int row) const;
};

// ---- the rows ---------------------------------------------------------------------
// An item's address as stored: "www." at the start, in any letter case, gets "http://"
// in front; anything else stays as typed.
QString ItemURL(const QString& typed);
// Appends an item or a separator.
void Append(Rows& rows, const QString& text, const QString& url);
void AppendSeparator(Rows& rows);
// Replaces row k (an edit); the row count stays.
void Replace(Rows& rows, int k, const QString& text, const QString& url);
// Removes row k; returns the row selected afterwards: k again (the row that moved up),
// or -1 when k was the last row.
int Remove(Rows& rows, int k);
// Swaps row k with the row above or below it.
void MoveUp(Rows& rows, int k);
void MoveDown(Rows& rows, int k);

// ---- the guards: the message that refuses an operation, or "" ---------------------
// selected is the selected row, -1 for none.
QString EditRefusal(const Rows& rows, int selected);
QString RemoveRefusal(const Rows& rows, int selected);
QString MoveUpRefusal(const Rows& rows, int selected);
QString MoveDownRefusal(const Rows& rows, int selected);
QString DoneRefusal(const Rows& rows);

// ---- the generated menu -----------------------------------------------------------
// The target as used: the typed text, "self" when it is blank.
QString TargetFrame(const QString& typed);
// True when the target opens a new window ("blank..."), false when it names a frame.
bool OpensNewWindow(const QString& target);
// The script with JumpTo for a target (as TargetFrame gives it): "self" goes to the page in
// the menu's own window, "parent" and "top" in that window's parent and the top window,
// "blank..." in a new window, any other name in the frame of that name. No line end at its
// end.
QString BuildScript(const QString& target);
// The form; showAll makes the list show every row. No line end at its end.
QString BuildForm(const Rows& rows, bool showAll);

} // namespace JumpMenu
