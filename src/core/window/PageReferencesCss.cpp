#include "core/GeneratedHtml.h"
#include "core/window/PageReferences.h"
#include "core/window/TextScan.h"

// Style sheets' references, and how any reference's value is written back.

namespace PageReferences {

namespace {

using namespace TextScan;

bool isCssNameChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') ||
           c == QLatin1Char('\\') || c.unicode() >= 0x80;
}

QString cssUnescape(QStringView raw) {
    if (!raw.contains(QLatin1Char('\\')))
        return raw.toString();
    QString out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != QLatin1Char('\\') || i + 1 >= raw.size()) {
            out += raw[i];
            continue;
        }
        ++i;
        if (hexDigit(raw[i]) >= 0) {
            char32_t v = 0;
            int digits = 0;
            while (i < raw.size() && digits < 6 && hexDigit(raw[i]) >= 0) {
                v = v * 16 + char32_t(hexDigit(raw[i++]));
                ++digits;
            }
            if (i < raw.size() && raw[i] == QLatin1Char('\r') && i + 1 < raw.size() &&
                raw[i + 1] == QLatin1Char('\n'))
                ++i;
            else if (i >= raw.size() || !isSpace(raw[i]))
                --i;
            appendCodePoint(out, v);
        } else if (raw[i] != QLatin1Char('\n') && raw[i] != QLatin1Char('\r') &&
                   raw[i] != QLatin1Char('\f')) {
            out += raw[i];
        }
    }
    return out;
}

// The end of the style string whose quote is at p, or -1 when it does not close.
qsizetype cssStringClose(const QString& t, qsizetype p, qsizetype to) {
    const QChar quote = t[p];
    for (qsizetype i = p + 1; i < to; ++i) {
        if (t[i] == QLatin1Char('\\'))
            ++i;
        else if (t[i] == quote)
            return i;
        else if (t[i] == QLatin1Char('\n') || t[i] == QLatin1Char('\r') ||
                 t[i] == QLatin1Char('\f'))
            return -1;
    }
    return -1;
}

// A url( whose contents start at q; on success r holds the value and after the
// position past its ")".
bool readUrl(const QString& t, qsizetype q, qsizetype to, Reference& r, qsizetype& after) {
    while (q < to && isSpace(t[q]))
        ++q;
    if (q < to && (t[q] == QLatin1Char('"') || t[q] == QLatin1Char('\''))) {
        const qsizetype close = cssStringClose(t, q, to);
        if (close < 0)
            return false;
        qsizetype j = close + 1;
        while (j < to && isSpace(t[j]))
            ++j;
        if (j >= to || t[j] != QLatin1Char(')'))
            return false;
        r.quote = t[q];
        r.start = q + 1;
        r.end = close;
        after = j + 1;
    } else {
        qsizetype j = q;
        qsizetype end = -1;
        while (j < to && t[j] != QLatin1Char(')')) {
            const QChar c = t[j];
            if (isSpace(c)) {
                end = j;
                while (j < to && isSpace(t[j]))
                    ++j;
                if (j >= to || t[j] != QLatin1Char(')'))
                    return false;
                break;
            }
            if (c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('(') ||
                c.unicode() < 0x20)
                return false;
            j += c == QLatin1Char('\\') ? 2 : 1;
        }
        if (j >= to)
            return false;
        r.quote = QChar();
        r.start = q;
        r.end = end < 0 ? j : end;
        after = j + 1;
    }
    r.value = cssUnescape(QStringView(t).mid(r.start, r.end - r.start));
    return true;
}

void scanCss(const QString& t, qsizetype from, qsizetype to, QList<Reference>& out) {
    qsizetype p = from;
    while (p < to) {
        const QChar c = t[p];
        if (c == QLatin1Char('/') && p + 1 < to && t[p + 1] == QLatin1Char('*')) {
            const qsizetype e = t.indexOf(QLatin1String("*/"), p + 2);
            p = e < 0 || e >= to ? to : e + 2;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype close = cssStringClose(t, p, to);
            p = close < 0 ? p + 1 : close + 1;
        } else if (c == QLatin1Char('\\')) {
            p += 2;
        } else if (c == QLatin1Char('@') && startsAt(t, p, QLatin1String("@import")) &&
                   (p + 7 >= to || !isCssNameChar(t[p + 7]))) {
            qsizetype q = p + 7;
            while (q < to && isSpace(t[q]))
                ++q;
            Reference r;
            r.kind = Kind::Import;
            qsizetype after = q;
            if (q < to && (t[q] == QLatin1Char('"') || t[q] == QLatin1Char('\''))) {
                const qsizetype close = cssStringClose(t, q, to);
                if (close >= 0) {
                    r.quote = t[q];
                    r.start = q + 1;
                    r.end = close;
                    r.value = cssUnescape(QStringView(t).mid(r.start, r.end - r.start));
                    out.append(r);
                    after = close + 1;
                }
            } else if (startsAt(t, q, QLatin1String("url(")) && readUrl(t, q + 4, to, r, after)) {
                out.append(r);
            }
            p = qMax(after, p + 7);
        } else if ((c == QLatin1Char('u') || c == QLatin1Char('U')) &&
                   startsAt(t, p, QLatin1String("url(")) &&
                   (p == from || !isCssNameChar(t[p - 1]))) {
            Reference r;
            r.kind = Kind::Url;
            qsizetype after = p + 4;
            if (readUrl(t, p + 4, to, r, after))
                out.append(r);
            p = after;
        } else {
            ++p;
        }
    }
}

QString inAttribute(const QString& value, QChar quote) {
    QString out;
    out.reserve(value.size() + 8);
    for (const QChar c : value) {
        if (c == QLatin1Char('&'))
            out += QLatin1String("&amp;");
        else if (quote == QLatin1Char('"') && c == QLatin1Char('"'))
            out += QLatin1String("&quot;");
        else if (quote == QLatin1Char('\'') && c == QLatin1Char('\''))
            out += QLatin1String("&#39;");
        else if (quote.isNull() &&
                 (isSpace(c) || c == QLatin1Char('"') || c == QLatin1Char('\'') ||
                  c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('`')))
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

QString inCss(const QString& value, QChar quote) {
    QString out;
    out.reserve(value.size() + 8);
    for (const QChar c : value) {
        if (c == QLatin1Char('<') || c.unicode() < 0x20)
            out += QStringLiteral("\\%1 ").arg(c.unicode(), 0, 16); // never "</style"
        else if (c == QLatin1Char('\\') || (!quote.isNull() && c == quote) ||
                 (quote.isNull() &&
                  (c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('(') ||
                   c == QLatin1Char(')') || c == QLatin1Char(' '))))
            out += QLatin1Char('\\') + QString(c);
        else
            out += c;
    }
    return out;
}

} // namespace

QList<Reference> InCss(const QString& css, qsizetype from, qsizetype to) {
    QList<Reference> found;
    scanCss(css, from, to < 0 ? css.size() : to, found);
    return found;
}

QString Encode(const Reference& reference, const QString& value) {
    switch (reference.kind) {
    case Kind::Attribute:
    case Kind::StyleSheet:
        return inAttribute(value, reference.quote);
    case Kind::Script:
        return GeneratedHtml::InScriptString(inAttribute(value, reference.quote),
                                             reference.scriptQuote);
    case Kind::Import:
    case Kind::Url:
        return inCss(value, reference.quote);
    }
    return value;
}

} // namespace PageReferences
