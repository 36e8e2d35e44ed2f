#pragma once

#include <QString>

// How typed text goes into generated markup without breaking it. Every builder of
// generated HTML uses these, so the rule lives in one place:
// - inside a quoted attribute value, that quote becomes its character reference;
// - inside a script string, "\" and that string's quote get a backslash;
// - where one sits inside the other (a style attribute inside a script string), the
//   inner rule is applied first, then the outer;
// - element content stays as typed (a user may type markup on purpose).
namespace GeneratedHtml {

// text for inside an attribute value delimited by quote ('"' or '\''): a '"' becomes
// "&quot;", a '\'' becomes "&#39;"; nothing else changes.
QString InAttribute(const QString& text, QChar quote = QLatin1Char('"'));

// text for inside a script string literal delimited by quote ('\'' or '"'): every '\\'
// and every quote get a backslash in front; a line break becomes "\n" (a literal line
// break would end the string).
QString InScriptString(const QString& text, QChar quote = QLatin1Char('\''));

// A length for a style attribute: a bare number (digits with an optional sign and
// decimal point, blanks around it ignored) gets "px"; anything else (a value with its
// own unit, a percentage, empty text) stays as it is.
QString CssLength(const QString& value);

} // namespace GeneratedHtml
