#include "core/window/PageReferences.h"

#include "core/window/TextScan.h"

#include <QHash>
#include <QSet>

namespace PageReferences {

namespace {

using namespace TextScan;

// ---- markup ----------------------------------------------------------------------------

struct Attribute {
    QString name;        // lower case
    qsizetype start = 0; // value, -1 when the attribute has none
    qsizetype end = 0;
    QChar quote;
};

struct Tag {
    QString name; // lower case
    QList<Attribute> attributes;
    qsizetype end = 0; // one past the ">"
    bool whole = false;
    const Attribute* find(QLatin1String name) const {
        for (const Attribute& a : attributes)
            if (a.name == name)
                return &a; // the first of a name is the one the browser keeps
        return nullptr;
    }
};

// The tag whose "<" is at i, read as the browser tokenises it. A tag the text ends
// inside is not whole, and no tag at all.
Tag readTag(const QString& t, qsizetype i) {
    Tag tag;
    const qsizetype n = t.size();
    qsizetype p = i + 1;
    if (p < n && t[p] == QLatin1Char('/'))
        ++p;
    const qsizetype nameStart = p;
    while (p < n && !isSpace(t[p]) && t[p] != QLatin1Char('/') && t[p] != QLatin1Char('>'))
        ++p;
    tag.name = t.mid(nameStart, p - nameStart).toLower();
    while (p < n) {
        const QChar c = t[p];
        if (isSpace(c) || c == QLatin1Char('/')) {
            ++p;
            continue;
        }
        if (c == QLatin1Char('>')) {
            tag.end = p + 1;
            tag.whole = true;
            return tag;
        }
        Attribute a;
        const qsizetype attrStart = p++; // a name may begin with "="
        while (p < n && !isSpace(t[p]) && t[p] != QLatin1Char('/') && t[p] != QLatin1Char('>') &&
               t[p] != QLatin1Char('='))
            ++p;
        a.name = t.mid(attrStart, p - attrStart).toLower();
        qsizetype q = p;
        while (q < n && isSpace(t[q]))
            ++q;
        if (q >= n || t[q] != QLatin1Char('=')) {
            a.start = a.end = -1;
            tag.attributes.append(a);
            p = q;
            continue;
        }
        ++q;
        while (q < n && isSpace(t[q]))
            ++q;
        if (q >= n)
            break;
        if (t[q] == QLatin1Char('"') || t[q] == QLatin1Char('\'')) {
            const qsizetype close = t.indexOf(t[q], q + 1);
            if (close < 0)
                break;
            a.quote = t[q];
            a.start = q + 1;
            a.end = close;
            p = close + 1;
        } else {
            a.start = q;
            p = q;
            while (p < n && !isSpace(t[p]) && t[p] != QLatin1Char('>'))
                ++p;
            a.end = p;
        }
        tag.attributes.append(a);
    }
    return tag;
}

// Where the raw text of element name that starts at from ends: at its end tag, or at the
// end of the text.
qsizetype rawTextEnd(const QString& t, qsizetype from, const QString& name) {
    qsizetype p = from;
    while ((p = t.indexOf(QLatin1String("</"), p)) >= 0) {
        const qsizetype after = p + 2 + name.size();
        if (QStringView(t).mid(p + 2, name.size()).compare(name, Qt::CaseInsensitive) == 0 &&
            (after >= t.size() || isSpace(t[after]) || t[after] == QLatin1Char('/') ||
             t[after] == QLatin1Char('>')))
            return p;
        p += 2;
    }
    return t.size();
}

bool isRawText(const QString& name) {
    static const QSet<QString> raw = {"script",  "style",    "xmp",      "iframe",
                                      "noembed", "noframes", "textarea", "title"};
    return raw.contains(name);
}

// Where a comment, doctype or other markup declaration starting at i ends.
qsizetype declarationEnd(const QString& t, qsizetype i) {
    if (startsAt(t, i, QLatin1String("<!--"))) {
        const qsizetype body = i + 4;
        if (startsAt(t, body, QLatin1String(">")))
            return body + 1;
        if (startsAt(t, body, QLatin1String("->")))
            return body + 2;
        qsizetype p = body;
        while ((p = t.indexOf(QLatin1String("--"), p)) >= 0) {
            if (startsAt(t, p + 2, QLatin1String(">")))
                return p + 3;
            if (startsAt(t, p + 2, QLatin1String("!>")))
                return p + 4;
            ++p;
        }
        return t.size();
    }
    if (startsAt(t, i, QLatin1String("<![CDATA["))) {
        const qsizetype e = t.indexOf(QLatin1String("]]>"), i + 9);
        return e < 0 ? t.size() : e + 3;
    }
    const qsizetype e = t.indexOf(QLatin1Char('>'), i + 1);
    return e < 0 ? t.size() : e + 1;
}

// Calls found(tag) for every start tag of markup; found returns the end of what it
// consumed after the tag (raw text), or the tag's own end.
template <class Found> void eachStartTag(const QString& t, Found&& found) {
    const qsizetype n = t.size();
    qsizetype i = 0;
    while ((i = t.indexOf(QLatin1Char('<'), i)) >= 0 && i + 1 < n) {
        const QChar c = t[i + 1];
        if (c == QLatin1Char('!') || c == QLatin1Char('?')) {
            i = declarationEnd(t, i);
        } else if (c == QLatin1Char('/')) {
            if (i + 2 < n && isAsciiLetter(t[i + 2])) {
                const Tag end = readTag(t, i);
                if (!end.whole)
                    return;
                i = end.end;
            } else if (i + 2 < n && t[i + 2] == QLatin1Char('>')) {
                i += 3;
            } else {
                i = declarationEnd(t, i);
            }
        } else if (isAsciiLetter(c)) {
            const Tag tag = readTag(t, i);
            if (!tag.whole)
                return;
            if (tag.name == QLatin1String("plaintext"))
                return;
            i = found(tag);
        } else {
            ++i;
        }
    }
}

// ---- scripts ---------------------------------------------------------------------------

bool isIdentifierChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// True when the script text just before a string literal at q is "document.write(" or
// "document.writeln(" (blanks allowed between the parts).
bool isWriteArgument(const QString& t, qsizetype from, qsizetype q) {
    qsizetype k = q - 1;
    auto skipBlanks = [&] {
        while (k >= from && isSpace(t[k]))
            --k;
    };
    auto word = [&] {
        const qsizetype end = k + 1;
        while (k >= from && isIdentifierChar(t[k]))
            --k;
        return t.mid(k + 1, end - k - 1);
    };
    skipBlanks();
    if (k < from || t[k] != QLatin1Char('('))
        return false;
    --k;
    skipBlanks();
    const QString method = word();
    if (method != QLatin1String("write") && method != QLatin1String("writeln"))
        return false;
    skipBlanks();
    if (k < from || t[k] != QLatin1Char('.'))
        return false;
    --k;
    skipBlanks();
    return word() == QLatin1String("document");
}

// The text of the script string literal between from and to, escapes decoded; positions
// gets, for every decoded character, where it starts in t, and to at the end.
QString decodeScriptString(const QString& t, qsizetype from, qsizetype to,
                           QList<qsizetype>& positions) {
    QString out;
    positions.clear();
    qsizetype i = from;
    auto hexValue = [&](qsizetype at, int digits, bool& ok) {
        char32_t v = 0;
        ok = at + digits <= to;
        for (int d = 0; ok && d < digits; ++d) {
            const int h = hexDigit(t[at + d]);
            ok = h >= 0;
            v = v * 16 + char32_t(qMax(h, 0));
        }
        return v;
    };
    while (i < to) {
        const QChar c = t[i];
        if (c != QLatin1Char('\\') || i + 1 >= to) {
            positions.append(i);
            out += c;
            ++i;
            continue;
        }
        const QChar e = t[i + 1];
        const qsizetype at = i;
        qsizetype next = i + 2;
        QString decoded;
        bool ok = false;
        switch (e.unicode()) {
        case 'n':
            decoded = QStringLiteral("\n");
            break;
        case 'r':
            decoded = QStringLiteral("\r");
            break;
        case 't':
            decoded = QStringLiteral("\t");
            break;
        case 'b':
            decoded = QStringLiteral("\b");
            break;
        case 'f':
            decoded = QStringLiteral("\f");
            break;
        case 'v':
            decoded = QStringLiteral("\v");
            break;
        case '0':
            decoded = QString(QChar(0));
            break;
        case 'x': {
            const char32_t v = hexValue(i + 2, 2, ok);
            if (ok) {
                appendCodePoint(decoded, v);
                next = i + 4;
            } else {
                decoded = e;
            }
            break;
        }
        case 'u': {
            char32_t v = 0;
            if (i + 2 < to && t[i + 2] == QLatin1Char('{')) {
                const qsizetype close = t.indexOf(QLatin1Char('}'), i + 3);
                ok = close > i + 3 && close < to && close - i - 3 <= 6;
                if (ok)
                    v = hexValue(i + 3, int(close - i - 3), ok);
                next = ok ? close + 1 : next;
            } else {
                v = hexValue(i + 2, 4, ok);
                next = ok ? i + 6 : next;
            }
            if (ok && v <= 0xFFFF)
                decoded = QChar(char16_t(v));
            else if (ok)
                appendCodePoint(decoded, v);
            else
                decoded = e;
            break;
        }
        case '\r':
            next = (i + 2 < to && t[i + 2] == QLatin1Char('\n')) ? i + 3 : i + 2;
            break; // a continued line adds nothing
        case '\n':
            break;
        default:
            decoded = e;
            break;
        }
        for (const QChar d : std::as_const(decoded)) {
            positions.append(at);
            out += d;
        }
        i = next;
    }
    positions.append(to);
    return out;
}

// The src= values of markup written by the page's own script text between from and to.
void scanScript(const QString& t, qsizetype from, qsizetype to, QList<Reference>& out) {
    QChar last; // the last character of code seen, for telling a regex from a division
    QString lastWord;
    qsizetype p = from;
    auto lineEnd = [&](qsizetype at) {
        while (at < to && t[at] != QLatin1Char('\n') && t[at] != QLatin1Char('\r'))
            ++at;
        return at;
    };
    while (p < to) {
        const QChar c = t[p];
        const QChar next = p + 1 < to ? t[p + 1] : QChar();
        if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
            p = lineEnd(p);
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype e = t.indexOf(QLatin1String("*/"), p + 2);
            p = e < 0 || e >= to ? to : e + 2;
        } else if (c == QLatin1Char('<') && startsAt(t, p, QLatin1String("<!--"))) {
            p = lineEnd(p); // an old-style comment line
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            qsizetype e = p + 1;
            while (e < to && t[e] != c) {
                if (c != QLatin1Char('`') &&
                    (t[e] == QLatin1Char('\n') || t[e] == QLatin1Char('\r')))
                    break;
                e += t[e] == QLatin1Char('\\') ? 2 : 1;
            }
            if (e < to && t[e] == c && c != QLatin1Char('`') && isWriteArgument(t, from, p)) {
                QList<qsizetype> positions;
                const QString markup = decodeScriptString(t, p + 1, e, positions);
                eachStartTag(markup, [&](const Tag& tag) {
                    const Attribute* src = tag.find(QLatin1String("src"));
                    if (src && src->start >= 0) {
                        Reference r;
                        r.kind = Kind::Script;
                        r.start = positions[src->start];
                        r.end = positions[src->end];
                        r.value = DecodeValue(markup.mid(src->start, src->end - src->start));
                        r.quote = src->quote;
                        r.scriptQuote = c;
                        r.attribute = QStringLiteral("src");
                        out.append(r);
                    }
                    return tag.end;
                });
            }
            p = qMin(to, e + 1);
            last = c;
            lastWord.clear();
        } else if (c == QLatin1Char('/')) {
            static const QSet<QString> beforeExpression = {"return", "typeof", "case", "do",
                                                           "else",   "in",     "of",   "new",
                                                           "delete", "void",   "throw"};
            const bool division =
                (isIdentifierChar(last) && !beforeExpression.contains(lastWord)) ||
                last == QLatin1Char(')') || last == QLatin1Char(']');
            ++p;
            if (!division) {
                // A regular expression: up to its closing "/", outside any [...] class.
                bool inClass = false;
                while (p < to && t[p] != QLatin1Char('\n')) {
                    const QChar r = t[p];
                    if (r == QLatin1Char('\\')) {
                        p += 2;
                        continue;
                    }
                    ++p;
                    if (r == QLatin1Char('['))
                        inClass = true;
                    else if (r == QLatin1Char(']'))
                        inClass = false;
                    else if (r == QLatin1Char('/') && !inClass)
                        break;
                }
            }
            last = QLatin1Char('/');
            lastWord.clear();
        } else if (isIdentifierChar(c)) {
            const qsizetype s = p;
            while (p < to && isIdentifierChar(t[p]))
                ++p;
            lastWord = t.mid(s, p - s);
            last = t[p - 1];
        } else {
            if (!isSpace(c)) {
                last = c;
                lastWord.clear();
            }
            ++p;
        }
    }
}

bool isPageScript(const Tag& tag, const QString& t) {
    if (tag.find(QLatin1String("src")))
        return false; // the browser runs the file, not the text
    const Attribute* type = tag.find(QLatin1String("type"));
    if (!type || type->start < 0)
        return true;
    const QString v = DecodeValue(t.mid(type->start, type->end - type->start)).trimmed().toLower();
    return v.isEmpty() || v == QLatin1String("module") || v.contains(QLatin1String("javascript")) ||
           v.contains(QLatin1String("ecmascript")) || v.contains(QLatin1String("jscript"));
}

} // namespace

Page InHtml(const QString& html) {
    Page page;
    eachStartTag(html, [&](const Tag& tag) -> qsizetype {
        if (tag.name == QLatin1String("base") && tag.find(QLatin1String("href")))
            page.hasBase = true;
        bool styleSheet = false;
        if (tag.name == QLatin1String("link")) {
            const Attribute* rel = tag.find(QLatin1String("rel"));
            if (rel && rel->start >= 0) {
                const QString kinds = DecodeValue(html.mid(rel->start, rel->end - rel->start));
                for (const QString& k : kinds.simplified().split(QLatin1Char(' ')))
                    styleSheet = styleSheet || k.trimmed().compare(QLatin1String("stylesheet"),
                                                                   Qt::CaseInsensitive) == 0;
            }
        }
        if (tag.name != QLatin1String("base")) {
            for (const QLatin1String name :
                 {QLatin1String("src"), QLatin1String("href"), QLatin1String("background")}) {
                const Attribute* a = tag.find(name);
                if (!a || a->start < 0)
                    continue;
                Reference r;
                r.kind = styleSheet && name == QLatin1String("href") ? Kind::StyleSheet
                                                                     : Kind::Attribute;
                r.start = a->start;
                r.end = a->end;
                r.quote = a->quote;
                r.attribute = name;
                r.value = DecodeValue(html.mid(a->start, a->end - a->start));
                page.references.append(r);
            }
        }
        if (!isRawText(tag.name))
            return tag.end;
        const qsizetype close = rawTextEnd(html, tag.end, tag.name);
        if (tag.name == QLatin1String("script") && isPageScript(tag, html))
            scanScript(html, tag.end, close, page.references);
        else if (tag.name == QLatin1String("style"))
            page.references.append(InCss(html, tag.end, close));
        return close;
    });
    return page;
}

QString DecodeValue(const QString& raw) {
    if (!raw.contains(QLatin1Char('&')))
        return raw;
    static const QHash<QString, QString> named = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"nbsp", "\u00A0"}};
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        const qsizetype semi = c == QLatin1Char('&') ? raw.indexOf(QLatin1Char(';'), i + 1) : -1;
        if (semi > i + 1 && semi - i <= 10) {
            const QString entity = raw.mid(i + 1, semi - i - 1);
            if (entity.startsWith(QLatin1Char('#'))) {
                const bool hex = entity.size() > 1 && entity[1].toLower() == QLatin1Char('x');
                bool ok = false;
                const char32_t code = char32_t(entity.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10));
                if (ok && code > 0 && code <= 0x10FFFF) {
                    out += QString::fromUcs4(&code, 1);
                    i = semi;
                    continue;
                }
            } else if (named.contains(entity.toLower())) {
                out += named.value(entity.toLower());
                i = semi;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace PageReferences
