#include "core/LinkedFiles.h"

#include "core/CFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace LinkedFiles {

namespace {

// The next position at or after `from` of any of a few characters. Positions are
// asked for in rising order, so one answer serves every question up to it: the scan
// of a page stays linear however many values it holds.
class NextOf {
public:
    NextOf(const QString& text, QString chars) : text_(text), chars_(std::move(chars)) {}
    qsizetype from(qsizetype pos) {
        if (known_ >= pos || (known_ == -1 && searchedFrom_ >= 0 && searchedFrom_ <= pos))
            return known_;
        searchedFrom_ = pos;
        known_ = -1;
        for (qsizetype i = pos; i < text_.size(); ++i) {
            if (chars_.contains(text_[i])) {
                known_ = i;
                break;
            }
        }
        return known_;
    }

private:
    const QString& text_;
    QString chars_;
    qsizetype known_ = -2;
    qsizetype searchedFrom_ = -1;
};

bool isQuote(QChar c) {
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// The bare name as it can stand in the reference's place, or "" when it cannot be
// written there without breaking the markup.
QString escapedName(const QString& name, QChar quote) {
    QString out = name;
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    if (quote == QLatin1Char('"'))
        return out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    if (quote == QLatin1Char('\''))
        return out.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    for (const QChar c : out)
        if (c.isSpace() || c == QLatin1Char('>') || c == QLatin1Char('<') || isQuote(c) ||
            c == QLatin1Char('=') || c == QLatin1Char('`'))
            return QString();
    return out;
}

bool sameContent(const QString& a, const QString& b) {
    QFile fa(a);
    QFile fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 Chunk = 1 << 16;
    while (!fa.atEnd()) {
        const QByteArray x = fa.read(Chunk);
        if (x.isEmpty() || x != fb.read(Chunk))
            return false;
    }
    return fb.atEnd();
}

} // namespace

QList<Reference> FindReferences(const QString& html, const QString& token) {
    QList<Reference> found;
    if (token.isEmpty())
        return found;
    NextOf valueEnd(html, QStringLiteral(" >"));
    NextOf doubleQuote(html, QStringLiteral("\""));
    NextOf apostrophe(html, QStringLiteral("'"));
    // A token at the very first character is never found.
    qsizetype pos = html.indexOf(token, 1, Qt::CaseInsensitive);
    while (pos >= 0) {
        const qsizetype v = pos + token.size();
        if (v < html.size()) {
            const QChar c = html[v];
            Reference r;
            if (isQuote(c)) {
                r.quote = c;
                r.start = v + 1;
                r.end = (c == QLatin1Char('"') ? doubleQuote : apostrophe).from(v + 1);
            } else {
                r.start = v;
                r.end = valueEnd.from(v);
                if (r.end < 0)
                    r.end = html.size();
            }
            if (r.end >= r.start) {
                r.text = html.mid(r.start, r.end - r.start);
                found.append(r);
            }
        }
        pos = html.indexOf(token, pos + 1, Qt::CaseInsensitive);
    }
    return found;
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
            bool ok = false;
            char32_t code = 0;
            if (entity.startsWith(QLatin1Char('#'))) {
                const bool hex = entity.size() > 1 && entity[1].toLower() == QLatin1Char('x');
                code = char32_t(entity.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10));
                ok = ok && code > 0 && code <= 0x10FFFF;
                if (ok) {
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

QString LocalSource(const QString& value) {
    static const QString scheme = QStringLiteral("file://");
    auto isDrivePath = [](const QString& s) { return s.size() >= 2 && s[1] == QLatin1Char(':'); };
    auto isAbsolute = [](const QString& s) {
        return s.startsWith(QLatin1Char('/')) && !s.startsWith(QLatin1String("//"));
    };
    if (value.startsWith(scheme, Qt::CaseInsensitive)) {
        const QString path = value.mid(scheme.size());
        return isAbsolute(path) || isDrivePath(path) ? path : QString();
    }
    if (isDrivePath(value))
        return value;
    // A "/" path is a file of this computer only when it names one; otherwise it is
    // a reference to the root of the site the page is published on.
    if (isAbsolute(value) && QFileInfo(value).isFile())
        return value;
    return QString();
}

bool PlaceInFolder(const QString& source, const QString& folder, const QString& pagePath) {
    const QString name = CFile::GetFileName(source);
    if (name.isEmpty() || folder.isEmpty())
        return false;
    const QFileInfo from(source);
    if (!from.isFile())
        return false;
    const QString target = folder + name;
    const QFileInfo to(target);
    if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath())
        return true; // the reference already names the folder's own file
    if (QDir::cleanPath(to.absoluteFilePath()) ==
        QDir::cleanPath(QFileInfo(pagePath).absoluteFilePath()))
        return false;
    if (to.exists())
        return to.isFile() && sameContent(source, target);
    return QFile::copy(source, target);
}

QString CopyLinkedFiles(const QString& html, const QString& token, const QString& pagePath) {
    const qsizetype cut =
        qMax(pagePath.lastIndexOf(QLatin1Char('/')), pagePath.lastIndexOf(QLatin1Char('\\')));
    const QString folder = cut < 0 ? QString() : pagePath.left(cut + 1);
    if (folder.isEmpty())
        return html;

    const QList<Reference> refs = FindReferences(html, token);
    QHash<QString, bool> placed; // source -> the folder holds it
    QString out;
    qsizetype copiedUpTo = 0;
    for (const Reference& r : refs) {
        if (r.start < copiedUpTo)
            continue; // inside a value already rewritten
        const QString source = LocalSource(DecodeValue(r.text));
        if (source.isEmpty())
            continue;
        auto known = placed.constFind(source);
        if (known == placed.constEnd())
            known = placed.insert(source, PlaceInFolder(source, folder, pagePath));
        if (!known.value())
            continue;
        const QString name = escapedName(CFile::GetFileName(source), r.quote);
        if (name.isEmpty())
            continue;
        if (out.isEmpty())
            out.reserve(html.size());
        out += QStringView(html).mid(copiedUpTo, r.start - copiedUpTo);
        out += name;
        copiedUpTo = r.end;
    }
    if (copiedUpTo == 0)
        return html;
    out += QStringView(html).mid(copiedUpTo);
    return out;
}

} // namespace LinkedFiles
