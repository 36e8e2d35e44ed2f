#include "core/window/LinkedFiles.h"

#include "core/window/PageReferences.h"
#include "platform/PlatformError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>
#include <optional>

namespace LinkedFiles {

namespace {

using PageReferences::Kind;
using PageReferences::Reference;

// A style sheet is read to find what it uses; anything bigger is no style sheet.
constexpr qint64 MaxSheetSize = 16 << 20;
constexpr int ListedNames = 10;

enum class Outcome { Placed, Clash, Unreadable, Failed, PageName };

QString folderOf(const QString& path) {
    const qsizetype cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf('\\'));
    return cut < 0 ? QString() : path.left(cut + 1);
}

QString clean(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

bool samePath(const QString& a, const QString& b) {
    return clean(a) == clean(b);
}

bool grants(const QFileInfo& info, QFileDevice::Permissions any) {
    return (info.permissions() & any) != 0;
}

// The permission bits themselves (not what this user may do), so a file nobody may read
// and a folder nobody may write are refused even to an administrator, as the page's own
// write refuses them.
bool readable(const QFileInfo& info) {
    return grants(info, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

bool writable(const QFileInfo& info) {
    return grants(info,
                  QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
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

// Creates the folder a copy goes into; refused when the nearest folder that exists
// may not be written.
bool makeFolder(const QString& folder) {
    QFileInfo existing(folder);
    while (!existing.exists() && existing.absoluteFilePath() != existing.absolutePath())
        existing = QFileInfo(existing.absolutePath());
    if (!existing.isDir() || !writable(existing))
        return false;
    return QDir().mkpath(folder);
}

// Copies source to a target that does not exist yet; a target that appears meanwhile
// is not touched, and a copy cut short leaves nothing behind.
Outcome copyNew(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return Outcome::Unreadable;
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return QFileInfo::exists(target) ? Outcome::Clash : Outcome::Failed;
    constexpr qint64 Chunk = 1 << 20;
    bool ok = true;
    while (ok && !in.atEnd()) {
        const QByteArray piece = in.read(Chunk);
        ok = !piece.isEmpty() && out.write(piece) == piece.size();
    }
    ok = ok && out.flush();
    out.close();
    ok = ok && out.error() == QFileDevice::NoError;
    if (!ok)
        out.remove();
    return ok ? Outcome::Placed : Outcome::Failed;
}

QString percentDecode(const QString& text) {
    if (!text.contains(QLatin1Char('%')))
        return text;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toUtf8()));
}

// A name or path as it can stand in a reference: the characters a reference would read
// as something else are percent-encoded.
QString asUrlText(const QString& path) {
    QString out;
    for (const QChar c : path) {
        if (c == QLatin1Char('%') || c == QLatin1Char('#') || c == QLatin1Char('?') ||
            c == QLatin1Char(' ') || c == QLatin1Char('\\'))
            out += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return out;
}

QString fileUrl(const QString& path) {
    return QStringLiteral("file://") + asUrlText(clean(path));
}

bool hasScheme(const QString& v) {
    const qsizetype colon = v.indexOf(QLatin1Char(':'));
    if (colon < 2 || !v[0].isLetter() || v[0].unicode() >= 0x80)
        return false;
    for (qsizetype i = 1; i < colon; ++i) {
        const QChar c = v[i];
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != QLatin1Char('+') &&
            c != QLatin1Char('-') && c != QLatin1Char('.'))
            return false;
    }
    return true;
}

// The file or folder a reference names on this computer.
struct Found {
    QString path;     // absolute
    QString bare;     // its last part as the reference writes it
    QString suffix;   // the query and fragment the reference adds
    QString relative; // for a relative reference: its path below the base, cleaned
    bool folder = false;
};

// Rooted: "/..." names a file of this computer only when there is one; otherwise it is
// a reference to the root of the site the page is published on.
enum class Form { None, Absolute, Rooted, Relative };

// What kind of reference a value is, and the text that names the file ("" for a
// reference that names none: a web address, a fragment, a network path).
Form classify(const QString& value, QString& text) {
    static const QLatin1String scheme("file://");
    text = value;
    if (value.isEmpty() || value.startsWith(QLatin1Char('#')) || value.startsWith(QLatin1Char('?')))
        return Form::None;
    if (value.startsWith(scheme, Qt::CaseInsensitive)) {
        text = value.mid(scheme.size());
        return text.startsWith(QLatin1Char('/')) && !text.startsWith(QLatin1String("//"))
                   ? Form::Absolute
                   : Form::None;
    }
    // A drive letter names no file on this computer; network paths are no local files.
    if (hasScheme(value) || (value.size() >= 2 && value[1] == QLatin1Char(':')) ||
        value.startsWith(QLatin1String("//")) || value.startsWith(QLatin1String("\\\\")) ||
        value.startsWith(QLatin1String("/\\")) || value.startsWith(QLatin1String("\\/")))
        return Form::None;
    if (value.startsWith(QLatin1Char('/')) || value.startsWith(QLatin1Char('\\')))
        return Form::Rooted;
    return Form::Relative;
}

// The file text names, read first as the browser reads an address (query and fragment
// apart, percent escapes decoded), then as a plain path.
std::optional<Found> locate(const QString& text, Form form, const QString& base) {
    const qsizetype cut = [&] {
        const qsizetype q = text.indexOf(QLatin1Char('?'));
        const qsizetype h = text.indexOf(QLatin1Char('#'));
        return q < 0 ? h : h < 0 ? q : qMin(q, h);
    }();
    const QString pathPart = cut < 0 ? text : text.left(cut);
    if (pathPart.isEmpty())
        return std::nullopt; // the page itself
    struct Reading {
        QString path;
        QString suffix;
        bool asAddress;
    };
    const Reading readings[] = {
        {percentDecode(pathPart).replace(QLatin1Char('\\'), QLatin1Char('/')),
         cut < 0 ? QString() : text.mid(cut), true},
        {text, QString(), false},
    };
    for (const Reading& r : readings) {
        if (!r.asAddress && r.path == readings[0].path && r.suffix == readings[0].suffix)
            break;
        const QString full = form == Form::Relative ? base + r.path : r.path;
        if (!QDir::isAbsolutePath(full))
            continue;
        const QFileInfo info(full);
        if (form == Form::Rooted ? !info.isFile() : !info.exists())
            continue;
        Found f;
        f.path = clean(full);
        f.folder = info.isDir();
        f.suffix = r.suffix;
        f.relative = form == Form::Relative ? QDir::cleanPath(r.path) : QString();
        if (r.asAddress) {
            const qsizetype slash =
                qMax(pathPart.lastIndexOf(QLatin1Char('/')), pathPart.lastIndexOf('\\'));
            f.bare = pathPart.mid(slash + 1);
        } else {
            f.bare = asUrlText(info.fileName());
        }
        return f;
    }
    return std::nullopt;
}

bool leavesFolder(const QString& relative) {
    return relative == QLatin1String("..") || relative.startsWith(QLatin1String("../")) ||
           QDir::isAbsolutePath(relative);
}

QString reason(Outcome o) {
    switch (o) {
    case Outcome::Clash:
        return QStringLiteral("a different file of that name is already there");
    case Outcome::Unreadable:
        return QStringLiteral("it cannot be read");
    case Outcome::PageName:
        return QStringLiteral("it has the page's own name");
    case Outcome::Failed:
    case Outcome::Placed:
        break;
    }
    return QStringLiteral("it could not be copied");
}

QString readSheet(const QString& path) {
    QFile f(path);
    if (f.size() > MaxSheetSize || !f.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder western("windows-1252");
    return western.isValid() ? western.decode(bytes) : QString::fromLatin1(bytes);
}

class Publisher {
public:
    explicit Publisher(const Request& request)
        : request_(request), folder_(folderOf(request.pagePath)),
          fromFolder_(folderOf(request.fromPath)) {}

    Result run(const QString& html) {
        Result result{html, {}};
        // A folder that is not there is the page write's to report; nothing is made
        // for it here.
        if (folder_.isEmpty() || !QFileInfo(folder_).isDir())
            return result;
        const PageReferences::Page page = PageReferences::InHtml(html);
        // Relative references move with the page only when they were relative to its
        // old folder: a <base> gives them another meaning, which the move keeps.
        const bool moved =
            !fromFolder_.isEmpty() && !samePath(fromFolder_, folder_) && !page.hasBase;
        QString out;
        qsizetype copiedUpTo = 0;
        bool rewritten = false;
        for (const Reference& r : page.references) {
            if (!wanted(r))
                continue;
            const std::optional<QString> value = rewrite(r, moved);
            if (!value)
                continue;
            if (!rewritten)
                out.reserve(html.size() + 256);
            rewritten = true;
            out += QStringView(html).mid(copiedUpTo, r.start - copiedUpTo);
            out += PageReferences::Encode(r, *value);
            copiedUpTo = r.end;
        }
        followSheets();
        if (rewritten) {
            out += QStringView(html).mid(copiedUpTo);
            result.html = out;
        }
        result.notCopied = notCopied_;
        return result;
    }

private:
    bool wanted(const Reference& r) const {
        return request_.onlyAttribute.isEmpty() ||
               (!r.attribute.isEmpty() &&
                r.attribute.compare(request_.onlyAttribute, Qt::CaseInsensitive) == 0);
    }

    // The new value of a page's reference, or nothing when it stays as it is.
    std::optional<QString> rewrite(const Reference& r, bool moved) {
        QString text;
        Form form = classify(r.value.trimmed(), text);
        if (form == Form::None || (form == Form::Relative && !moved))
            return std::nullopt;
        if (form != Form::Relative && request_.method == Method::AbsolutePath)
            return std::nullopt;
        const std::optional<Found> f = locate(text, form, fromFolder_);
        if (!f)
            return std::nullopt;
        if (form == Form::Rooted)
            form = Form::Absolute;
        if (form == Form::Relative && request_.method == Method::AbsolutePath)
            return fileUrl(f->path) + f->suffix;
        const bool bare = form == Form::Absolute || leavesFolder(f->relative);
        // What cannot come into the folder keeps naming the original.
        const std::optional<QString> original =
            form == Form::Absolute ? std::nullopt : std::optional(fileUrl(f->path) + f->suffix);
        if (f->folder) {
            report(f->path, QStringLiteral("it is a folder"));
            return original;
        }
        const QString target =
            bare ? folder_ + QFileInfo(f->path).fileName() : clean(folder_ + f->relative);
        const Outcome o = place(f->path, target);
        if (o != Outcome::Placed) {
            report(f->path, reason(o));
            return original;
        }
        if (r.kind == Kind::StyleSheet || r.kind == Kind::Import)
            sheets_.append({f->path, target});
        if (!bare)
            return std::nullopt;
        return f->bare + f->suffix;
    }

    // The files the copied style sheets use come to the same places beside the copies;
    // each sheet is read once, however the sheets import one another.
    void followSheets() {
        QSet<QString> read;
        for (qsizetype i = 0; i < sheets_.size(); ++i) {
            const auto [source, target] = sheets_[i];
            const QString key = QFileInfo(source).canonicalFilePath();
            if (key.isEmpty() || read.contains(key))
                continue;
            read.insert(key);
            const QString sheetName = QFileInfo(source).fileName();
            for (const Reference& r : PageReferences::InCss(readSheet(source))) {
                QString text;
                const Form form = classify(r.value.trimmed(), text);
                if (form == Form::None)
                    continue;
                const std::optional<Found> f = locate(text, form, folderOf(source));
                if (!f)
                    continue;
                if (form != Form::Relative) {
                    report(f->path, sheetName + QStringLiteral(" names it by its full path"));
                    continue;
                }
                const QString at = clean(folderOf(target) + f->relative);
                if (!at.startsWith(clean(folder_) + QLatin1Char('/'))) {
                    report(f->path, sheetName + QStringLiteral(" names it outside the folder"));
                } else if (f->folder) {
                    report(f->path, QStringLiteral("it is a folder"));
                } else if (const Outcome o = place(f->path, at); o != Outcome::Placed) {
                    report(f->path, reason(o));
                } else if (r.kind == Kind::Import) {
                    sheets_.append({f->path, at});
                }
            }
        }
    }

    Outcome place(const QString& source, const QString& target) {
        const QString key = source + QLatin1Char('\n') + target;
        if (auto known = placed_.constFind(key); known != placed_.constEnd())
            return known.value();
        const Outcome o = placeOnce(source, target);
        placed_.insert(key, o);
        return o;
    }

    Outcome placeOnce(const QString& source, const QString& target) {
        const QFileInfo from(source);
        const QFileInfo to(target);
        if (!from.isFile())
            return Outcome::Failed;
        if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath())
            return Outcome::Placed; // the folder's own file
        if (samePath(target, request_.pagePath)) {
            // The page's own old file stands for the page; anything else would be
            // overwritten by the page.
            const bool itself =
                !request_.fromPath.isEmpty() &&
                from.canonicalFilePath() == QFileInfo(request_.fromPath).canonicalFilePath();
            return itself ? Outcome::Placed : Outcome::PageName;
        }
        if (!readable(from))
            return Outcome::Unreadable;
        if (to.exists())
            return to.isFile() && sameContent(source, target) ? Outcome::Placed : Outcome::Clash;
        if (to.isSymLink())
            return Outcome::Clash; // a link to nowhere is still not ours to replace
        const QString into = to.absolutePath();
        auto ready = folders_.constFind(into);
        if (ready == folders_.constEnd())
            ready = folders_.insert(into, makeFolder(into) && writable(QFileInfo(into)));
        return ready.value() ? copyNew(source, target) : Outcome::Failed;
    }

    void report(const QString& path, const QString& why) {
        const QString line =
            QDir::toNativeSeparators(path) + QStringLiteral(" (") + why + QLatin1Char(')');
        if (!reported_.contains(line)) {
            reported_.insert(line);
            notCopied_.append(line);
        }
    }

    const Request& request_;
    const QString folder_;
    const QString fromFolder_;
    QHash<QString, Outcome> placed_;
    QHash<QString, bool> folders_;              // folder -> copies may go into it
    QList<std::pair<QString, QString>> sheets_; // copied sheets: source, target
    QSet<QString> reported_;
    QStringList notCopied_;
};

} // namespace

Result Publish(const QString& html, const Request& request) {
    return Publisher(request).run(html);
}

QString NotCopiedMessage(const QStringList& notCopied) {
    if (notCopied.isEmpty())
        return QString();
    QString text = QStringLiteral("Your Web page was saved, but these files could not be copied "
                                  "into its folder, so the folder is not yet ready to "
                                  "publish:\r\n");
    for (const QString& line : notCopied.mid(0, ListedNames))
        text += QStringLiteral("\r\n") + line;
    if (notCopied.size() > ListedNames)
        text += QStringLiteral("\r\nand %1 more").arg(notCopied.size() - ListedNames);
    return text;
}

QString CopyLinkedFiles(const QString& html, const QString& token, const QString& pagePath) {
    QString result = html;
    // One kind of attribute, in the page's own folder: the save itself takes every
    // reference at once (Publish).
    QString attribute = token;
    if (attribute.endsWith(QLatin1Char('=')))
        attribute.chop(1);
    skipErrors([&] {
        result = Publish(html, {pagePath, pagePath, Method::Copy, attribute.trimmed()}).html;
    });
    return result;
}

} // namespace LinkedFiles
