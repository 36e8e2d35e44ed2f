#include "core/GeneratedHtml.h"

#include <QRegularExpression>

namespace GeneratedHtml {

QString InAttribute(const QString& text, QChar quote) {
    QString out = text;
    if (quote == QLatin1Char('\''))
        out.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    else
        out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    return out;
}

QString InScriptString(const QString& text, QChar quote) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == quote) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\n')) {
            out += QLatin1String("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QLatin1String("\\r");
        } else {
            out += c;
        }
    }
    return out;
}

QString CssLength(const QString& value) {
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*$"));
    if (number.match(value).hasMatch())
        return value.trimmed() + QLatin1String("px");
    return value;
}

} // namespace GeneratedHtml
