#include "core/PageFile.h"

#include "platform/PlatformError.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStorageInfo>
#include <QStringEncoder>
#include <cerrno>

namespace PageFile {

namespace {

// A failure of the file system that has no code of its own ("Unknown error").
constexpr int32_t UnknownFailure = static_cast<int32_t>(0x80004005u);
// Pieces of a write, so a fault can strike in the middle of a page.
constexpr qint64 Piece = 1 << 20;

std::function<bool(qint64)>& writeFault() {
    static std::function<bool(qint64)> fault;
    return fault;
}

bool declaresCharset(const QString& html) {
    static const QRegularExpression meta(QStringLiteral(R"(<meta\b[^>]*?charset\s*=)"),
                                         QRegularExpression::CaseInsensitiveOption);
    return meta.match(QStringView(html).left(64 * 1024)).hasMatch();
}

bool hasNonAscii(const QString& s) {
    for (const QChar c : s)
        if (c.unicode() >= 0x80)
            return true;
    return false;
}

QStringConverter::Flags flagsFor(const QString& charset) {
    // Wide encodings are only recognised by their byte-order mark.
    if (charset.startsWith(QLatin1String("UTF-16"), Qt::CaseInsensitive) ||
        charset.startsWith(QLatin1String("UTF-32"), Qt::CaseInsensitive))
        return QStringConverter::Flag::WriteBom;
    return QStringConverter::Flag::Default;
}

// Whether a tag of this name opens (or, with slash, closes) at i.
bool tagAt(const QString& html, qsizetype i, QLatin1String name, bool slash) {
    qsizetype p = i + 1;
    if (slash) {
        if (p >= html.size() || html[p] != QLatin1Char('/'))
            return false;
        ++p;
    }
    if (QStringView(html).mid(p, name.size()).compare(name, Qt::CaseInsensitive) != 0)
        return false;
    p += name.size();
    if (p >= html.size())
        return true;
    const QChar after = html[p];
    return after.isSpace() || after == QLatin1Char('>') || after == QLatin1Char('/');
}

// The ">" that ends the tag starting at i (quotes respected), or -1.
qsizetype tagEnd(const QString& html, qsizetype i) {
    QChar quote;
    for (qsizetype p = i + 1; p < html.size(); ++p) {
        const QChar c = html[p];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return p;
        }
    }
    return -1;
}

enum class Context { Markup, Script, Style };

// The text with every character the charset cannot hold written as an escape that
// reads back as that character in its place.
QString escapeUnencodable(const QString& html, const QString& charset) {
    QHash<char32_t, bool> known;
    auto encodable = [&](char32_t cp) {
        auto it = known.constFind(cp);
        if (it != known.constEnd())
            return it.value();
        QStringEncoder probe(charset.toLatin1().constData());
        const QByteArray bytes = probe.encode(QString::fromUcs4(&cp, 1));
        Q_UNUSED(bytes);
        return known.insert(cp, !probe.hasError()).value();
    };

    QString out;
    out.reserve(html.size() + 256);
    Context context = Context::Markup;
    // Appends the character at i as the context needs it; returns its length.
    auto put = [&](qsizetype i) -> qsizetype {
        const QChar c = html[i];
        qsizetype length = 1;
        char32_t cp = c.unicode();
        if (c.isHighSurrogate() && i + 1 < html.size() && html[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(c, html[i + 1]);
            length = 2;
        }
        if (cp < 0x80 || (!QChar::isSurrogate(cp) && encodable(cp))) {
            out += QStringView(html).mid(i, length);
        } else if (context == Context::Script) {
            for (qsizetype k = 0; k < length; ++k)
                out += QStringLiteral("\\u%1").arg(html[i + k].unicode(), 4, 16, QLatin1Char('0'));
        } else if (context == Context::Style) {
            out += QStringLiteral("\\%1").arg(uint(cp), 6, 16, QLatin1Char('0'));
        } else {
            out += QStringLiteral("&#%1;").arg(uint(cp));
        }
        return length;
    };

    bool inComment = false;
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = html[i];
        if (c == QLatin1Char('<') && context == Context::Markup && !inComment) {
            if (QStringView(html).mid(i, 4) == QLatin1String("<!--")) {
                inComment = true;
                out += QLatin1String("<!--");
                i += 4;
                continue;
            }
            const bool script = tagAt(html, i, QLatin1String("script"), false);
            const qsizetype end =
                script || tagAt(html, i, QLatin1String("style"), false) ? tagEnd(html, i) : -1;
            if (end > 0) {
                // The tag's own attributes are markup; what follows is the script's.
                while (i <= end)
                    i += put(i);
                context = script ? Context::Script : Context::Style;
                continue;
            }
        } else if (c == QLatin1Char('<') &&
                   ((context == Context::Script && tagAt(html, i, QLatin1String("script"), true)) ||
                    (context == Context::Style && tagAt(html, i, QLatin1String("style"), true)))) {
            context = Context::Markup;
        } else if (inComment && c == QLatin1Char('-') &&
                   QStringView(html).mid(i, 3) == QLatin1String("-->")) {
            inComment = false;
            out += QLatin1String("-->");
            i += 3;
            continue;
        }
        i += put(i);
    }
    return out;
}

int32_t codeFor(QFileDevice::FileError error, int systemError) {
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
        return ErrorCode::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        return ErrorCode::AccessDenied;
    case ENOENT:
    case ENOTDIR:
        return ErrorCode::PathNotFound;
    default:
        break;
    }
    if (error == QFileDevice::ResourceError)
        return ErrorCode::DiskFull;
    if (error == QFileDevice::PermissionsError)
        return ErrorCode::AccessDenied;
    return UnknownFailure;
}

[[noreturn]] void fail(QSaveFile& file, int systemError) {
    const QString description = file.errorString();
    const int32_t code = codeFor(file.error(), systemError);
    file.cancelWriting();
    throw PlatformError(code, description);
}

bool grantsWrite(const QFileInfo& info) {
    return info.permissions() &
           (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
}

} // namespace

QByteArray Encode(const QString& html, const QString& charset) {
    const QString name = charset.trimmed();
    if (name.isEmpty() || name.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("utf8"), Qt::CaseInsensitive) == 0) {
        QByteArray bytes = html.toUtf8();
        // Undeclared, a page would be read in the engine's default (Western) set.
        if (!declaresCharset(html) && hasNonAscii(html))
            bytes.prepend("\xEF\xBB\xBF");
        return bytes;
    }
    // A set this system does not know is written as ASCII, which every set reads.
    const QString set =
        QStringEncoder(name.toLatin1().constData()).isValid() ? name : QStringLiteral("US-ASCII");
    QStringEncoder encoder(set.toLatin1().constData(), flagsFor(set));
    QByteArray bytes = encoder.encode(html);
    if (!encoder.hasError())
        return bytes;
    QStringEncoder escaped(set.toLatin1().constData(), flagsFor(set));
    return escaped.encode(escapeUnencodable(html, set));
}

void Write(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists() || !folder.isDir())
        throw PlatformError(ErrorCode::PathNotFound, "Path not found");
    // Read-only is a matter of the permission bits, whoever runs the program.
    if (target.exists() && (target.isDir() || !grantsWrite(target)))
        throw PlatformError(ErrorCode::AccessDenied, "Access denied");
    if (!grantsWrite(folder))
        throw PlatformError(ErrorCode::AccessDenied, "Access denied");
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.bytesAvailable() >= 0 &&
        storage.bytesAvailable() < bytes.size())
        throw PlatformError(ErrorCode::DiskFull, "Disk is full");

    QSaveFile file(target.absoluteFilePath());
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        fail(file, errno);
    qint64 written = 0;
    do {
        if (writeFault() && writeFault()(written)) {
            file.cancelWriting();
            throw PlatformError(ErrorCode::DiskFull, "Disk is full");
        }
        const qint64 size = qMin(Piece, bytes.size() - written);
        if (size == 0)
            break;
        errno = 0;
        const qint64 done = file.write(bytes.constData() + written, size);
        if (done <= 0)
            fail(file, errno);
        written += done;
    } while (written < bytes.size());
    errno = 0;
    if (!file.commit()) {
        const int systemError = errno;
        throw PlatformError(codeFor(file.error(), systemError), file.errorString());
    }
}

void WritePage(const QString& path, const QString& html, const QString& charset) {
    Write(path, Encode(html, charset));
}

void SetWriteFault(std::function<bool(qint64)> fault) {
    writeFault() = std::move(fault);
}

} // namespace PageFile
