#include "core/Module1.h"

#include "core/CFile.h"
#include "platform/PlatformError.h"
#include "platform/Shell.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

// The shared procedures that reach files: favourites, the desktop's programs and the
// copying of a page's linked files.

namespace Module1 {

namespace {

// More than any shortcut file holds; a file picked by mistake is not read whole.
constexpr qint64 MaxShortcutSize = 1 << 20;

QString shortcutText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Shortcut files written on Windows are in its Western code page.
    QStringDecoder western("windows-1252");
    if (western.isValid())
        return western.decode(bytes);
    return QString::fromLatin1(bytes);
}

} // namespace

QString FavoritesURLFromText(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF)))
        lines.first().remove(0, 1);

    QString firstAnywhere;
    bool haveFirst = false;
    bool inShortcut = false;
    for (const QString& line : std::as_const(lines)) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            inShortcut =
                trimmed.compare(QLatin1String("[InternetShortcut]"), Qt::CaseInsensitive) == 0;
            continue;
        }
        qsizetype indent = 0;
        while (indent < line.size() && line[indent].isSpace())
            ++indent;
        const QStringView unindented = QStringView(line).mid(indent);
        const QLatin1String key("URL=");
        if (!unindented.startsWith(key, Qt::CaseInsensitive))
            continue;
        const QString value = unindented.mid(key.size()).toString();
        if (inShortcut)
            return value;
        if (!haveFirst) {
            firstAnywhere = value;
            haveFirst = true;
        }
    }
    return firstAnywhere;
}

QString GetFavoritesURL() {
    QString result;
    CFile file;
    file.setFilter(QStringLiteral("All Files (*.*)|*.*|URL files (*.url)|*.url"));
    // The favourites folder of this platform is the home folder.
    file.setInitDir(QDir::homePath());
    skipErrors([&] { file.BrowseForFile(CFile::Custom); });
    if (file.PathAndFilename().isEmpty())
        return result;
    skipErrors([&] {
        QFile shortcut(file.PathAndFilename());
        if (!shortcut.open(QIODevice::ReadOnly))
            return;
        result = FavoritesURLFromText(shortcutText(shortcut.read(MaxShortcutSize)));
    });
    return result;
}

void ShellOpen(QWidget* owner, const QString& target) {
    skipErrors([&] { Shell::Open(owner, target); });
}

} // namespace Module1
