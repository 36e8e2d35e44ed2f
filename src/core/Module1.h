#pragma once

#include <QString>
#include <array>
#include <cstdint>

class DHTMLEdit;
class QWidget;

// The program-wide variables and the shared procedures every window may call.
namespace Module1 {

// ---- hand-over from the dialogs ------------------------------------------------
// HTML to paste over the selection when a dialog has closed; empty: nothing.
inline QString PendingSnippet;
// Markup or script for the start of the body when a dialog has closed; empty: nothing.
inline QString PendingBodyStart;
// The dialog whose effect the preview window shows: 4 digital clock, 15 jump menu,
// 16 background sound, 41 inline frame, 42 marquee.
inline int32_t PreviewSource = 0;
// The image last clicked in the image dialog's file list (emptied when it opens).
inline QString LastImageFile;
// Set when the user cancels the colour picker of CColor.
inline bool ColorDialogCancelled = false;

// ---- image-map working state (the wizard and its area-link dialog) ---------------
// The chosen shape's name in double quotes: "\"Circle\"", "\"Rect\"" or "\"Poly\"".
inline QString AreaShape;
// The coordinates, link and target attributes of the area being finished.
inline QString AreaCoords;
inline QString AreaHref;
inline QString AreaTarget;
// The points of the shape being drawn: point p has its x at [p][0] and its y at [p][1];
// a circle keeps its radius at [1][0]. Whole pixels.
using HotspotPointArray = std::array<std::array<int16_t, 9>, 9>;
inline HotspotPointArray HotspotPoints = {};
// 1 while no shape is in progress; 2 to 8 while one is (for a polygon, one more than the
// number of vertices taken).
inline int16_t ClickState = 0;
// The number of the polygon vertex stored last.
inline int16_t VertexIndex = 0;

// ---- saving ----------------------------------------------------------------------
// The page's save method: "Copy", "AbsolutePath" or empty (not yet chosen).
inline QString PublishLocalMode;
// Set when the save-method prompt was cancelled.
inline bool PublishPromptCancelled = false;

// ---- main window -----------------------------------------------------------------
// The settings file the main window and its dialogs keep their choices in.
inline const QString AppKey = QStringLiteral("TSLY");
// True while the shortcut bar is visible.
inline bool ShortcutBarShown = false;

// ---- meta tags (kept until the program ends) -------------------------------------
inline QString MetaDescription;
inline QString MetaKeywords;
inline QString SplashSeconds;
inline QString SplashURL;

// The editing surface the dialogs work on: the main window registers its own; tests
// without a main window may register a surface of their own, which comes first.
DHTMLEdit* Editor();
void SetWindowEditor(DHTMLEdit* editor);
void SetEditor(DHTMLEdit* editor);

// ---- the selection ------------------------------------------------------------------
// The selection's plain text ("" when nothing is selected).
QString SelectedText();
// True when the selection is an element (an image, a line, a field...), not text.
bool ControlSelected();
// Replaces the selection with html, or inserts it at the caret.
void PasteAtSelection(const QString& html);
// Inserts "<body> " followed by s right after the body's start tag.
void InsertAtBodyStart(const QString& s);

// ---- common procedures -------------------------------------------------------------
// The attribute text for generated markup: the name lower-cased, then the value in
// double quotes (" HEIGHT=" and "50" give ` height="50"`), '&' and '"' in it as
// "&amp;" and "&quot;".
QString FormatAttribute(const QString& name, const QString& value);
// The address of the Internet shortcut file the user picks, or "" for no choice.
QString GetFavoritesURL();
// Reads the address out of an Internet shortcut file's text.
QString FavoritesURLFromText(const QString& text);
// Opens a file or web address with the program the desktop associates with it.
void ShellOpen(QWidget* owner, const QString& target);

// ---- numbers in settings --------------------------------------------------------------
// The leading numeric value of a text (empty or non-numeric text gives 0), rounded to
// an integer, half to even. A value outside the range of a signed integer of `bits`
// bits (16 or 32) gives 0.
int LeadingNumber(const QString& text, int bits = 16);
// Rounds half to even, as whole-number conversions do ("2.5" gives 2, "3.5" gives 4).
double RoundHalfEven(double value);

} // namespace Module1

namespace Module1 {
// The reason Open reports for a load error code ("File not found", ...).
QString LoadErrorReason(int32_t code);
// The reason a save reports for an error code ("Disk is full", ...).
QString SaveErrorReason(int32_t code);
// What Open tells of a page with count characters that could not be read in its
// character set (set).
QString UnreadableCharactersMessage(qint64 count, const QString& set);
} // namespace Module1
