#include "core/GeneratedHtml.h"

#include <QRegularExpression>

namespace GeneratedHtml {

QString InAttribute(const QString& text, QChar quote) {
    QString out = text;
    // The ampersand first: the references written next must stay as they are.
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    if (quote == QLatin1Char('\''))
        out.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    else
        out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return out;
}

QString AsText(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    return out;
}

QString InScriptString(const QString& text, QChar quote) {
    QString out;
    out.reserve(text.size() + 8);
    QChar previous;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == quote) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QLatin1String("\\r");
        } else if (previous == QLatin1Char('<') &&
                   (c == QLatin1Char('/') || c == QLatin1Char('!'))) {
            out += QLatin1Char('\\');
            out += c;
        } else {
            out += c;
        }
        previous = c;
    }
    return out;
}

QString InScriptStringInAttribute(const QString& text, QChar stringQuote, QChar attributeQuote) {
    return InAttribute(InScriptString(text, stringQuote), attributeQuote);
}

QString InScriptAddress(const QString& text, QChar stringQuote, QChar attributeQuote) {
    QString script = InScriptString(text, stringQuote);
    script.replace(QLatin1Char('%'), QLatin1String("%25"));
    return InAttribute(script, attributeQuote);
}

QString CssLength(const QString& value) {
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*$"));
    if (number.match(value).hasMatch())
        return value.trimmed() + QLatin1String("px");
    return value;
}

} // namespace GeneratedHtml
