#pragma once

#include <QString>

// How typed text goes into generated markup without breaking it. Every builder of
// generated HTML uses these, so the rule lives in one place:
// - inside a quoted attribute value, "&" and that quote become character references, so
//   the browser reads back exactly what was typed ("&copy;" stays six characters);
// - inside a script string, "\" and that string's quote get a backslash;
// - where one sits inside the other (a script string inside an event attribute, a style
//   attribute inside a script string), the inner rule is applied first, then the outer;
// - element content stays as typed (a user may type markup on purpose), except where the
//   element can hold text only (AsText).
namespace GeneratedHtml {

// text for inside an attribute value delimited by quote ('"' or '\''): every '&' becomes
// "&amp;", then a '"' becomes "&quot;" or a '\'' becomes "&#39;"; nothing else changes.
QString InAttribute(const QString& text, QChar quote = QLatin1Char('"'));

// text for the content of an element that holds text only (a list option): '&' becomes
// "&amp;" and '<' becomes "&lt;", so nothing typed is taken for a tag or a reference.
QString AsText(const QString& text);

// text for inside a script string literal delimited by quote ('\'' or '"'): every '\\'
// and every quote get a backslash in front; a line break becomes "\n" (a literal line
// break would end the string); "</" and "<!" become "<\/" and "<\!", which read the
// same in the string but can neither end nor confuse a script element around it.
QString InScriptString(const QString& text, QChar quote = QLatin1Char('\''));

// text for a script string (delimited by stringQuote) inside an attribute value
// (delimited by attributeQuote), as in onmouseover="window.status='...'".
QString InScriptStringInAttribute(const QString& text, QChar stringQuote = QLatin1Char('\''),
                                  QChar attributeQuote = QLatin1Char('"'));

// text for a script string inside a "javascript:" address inside an attribute value,
// as in href="javascript:f('...')". The engine percent-decodes such an address before it
// runs it, so between the two rules every "%" is written "%25": the script gets the text
// as typed, "%27" included.
QString InScriptAddress(const QString& text, QChar stringQuote = QLatin1Char('\''),
                        QChar attributeQuote = QLatin1Char('"'));

// A length for a style attribute: a bare number (digits with an optional sign and
// decimal point, blanks around it ignored) gets "px"; anything else (a value with its
// own unit, a percentage, empty text) stays as it is.
QString CssLength(const QString& value);

} // namespace GeneratedHtml
