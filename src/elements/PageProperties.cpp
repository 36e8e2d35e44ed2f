#include "elements/PageProperties.h"

#include "core/CColor.h"
#include "core/GeneratedHtml.h"
#include "core/PicturePreview.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace PageProperties {

QString ParseTag(const QString& html, const QString& attribute, QString& bodyTagText) {
    // Searched without regard to case rather than in an upper-cased copy: upper-casing
    // may lengthen the text ("ß" becomes "SS") and shift every position after it.
    const qsizetype p = html.indexOf(QLatin1String("<BODY"), 0, Qt::CaseInsensitive);
    if (p >= 0) {
        const qsizetype close = html.indexOf(QLatin1Char('>'), p);
        bodyTagText = html.mid(p, close < 0 ? -1 : close - p);
    }
    if (attribute.isEmpty())
        return QString();
    const qsizetype a = bodyTagText.indexOf(attribute, 0, Qt::CaseInsensitive);
    if (a < 0)
        return QString();
    qsizetype start = a + attribute.size();
    qsizetype end;
    if (start < bodyTagText.size() && bodyTagText[start] == QLatin1Char('"')) {
        ++start;
        end = bodyTagText.indexOf(QLatin1Char('"'), start);
    } else {
        end = bodyTagText.indexOf(QLatin1Char(' '), start);
    }
    if (end < 0)
        end = bodyTagText.size();
    return bodyTagText.mid(start, end - start);
}

QColor ListColor(const QString& text) {
    CColor color;
    QString digits = text;
    for (const auto& row : color.WebColors()) {
        if (row[0] == text) {
            digits = row[1];
            break;
        }
    }
    color.ConvertHexToRGB(digits);
    return QColor(color.intRed, color.intGreen, color.intBlue);
}

namespace {
// The test the "Copy" save applies to a reference: a "/" path is a file of this computer
// only when it names one; otherwise it points at the root of the site the page goes to.
bool isLocalFile(const QString& path) {
    return path.startsWith(QLatin1Char('/')) && !path.startsWith(QLatin1String("//")) &&
           QFileInfo(path).isFile();
}
} // namespace

std::optional<QString> BackgroundToWrite(const QString& box, const QString& loaded,
                                         bool backgroundChanged) {
    const QString value = box.trimmed();
    if (value == loaded.trimmed())
        return std::nullopt;
    if (value.isEmpty())
        return backgroundChanged ? std::optional<QString>(QString()) : std::nullopt;
    if (value.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        return value;
    if (isLocalFile(value))
        return QStringLiteral("file://") + value;
    return value;
}

QString BoxAfterWatermarkClick(const QString& box, bool ticked, const QString& lastImageFile) {
    if (ticked && box.trimmed().isEmpty() && !lastImageFile.isEmpty())
        return lastImageFile;
    return box;
}

QPixmap PreviewPicture(const QString& path, const QSize& box) {
    return LoadPicture(path, box).preview;
}

QString MetaElement(const QString& attribute, const QString& key, const QString& content) {
    return "<meta " + attribute + "=\"" + key + "\" content=\"" +
           GeneratedHtml::InAttribute(content) + "\">";
}

QList<MetaWrite> MetaTagsToWrite(const QString& description, const QString& keywords,
                                 const QString& splashSeconds, const QString& splashURL) {
    auto write = [](const QString& attribute, const QString& key, const QString& content) {
        return MetaWrite{attribute, key,
                         content.isEmpty() ? QString() : MetaElement(attribute, key, content)};
    };
    const QString refresh =
        splashSeconds.isEmpty() ? QString() : splashSeconds + ";URL=" + splashURL;
    return {write("name", "description", description), write("name", "keywords", keywords),
            write("http-equiv", "refresh", refresh)};
}

Refresh ParseRefresh(const QString& content) {
    static const QRegularExpression separator(QStringLiteral("[;,]"));
    static const QRegularExpression urlIs(QStringLiteral("^url\\s*=\\s*"),
                                          QRegularExpression::CaseInsensitiveOption);
    Refresh r;
    const qsizetype cut = content.indexOf(separator);
    r.seconds = (cut < 0 ? content : content.left(cut)).trimmed();
    if (cut < 0)
        return r;
    QString url = content.mid(cut + 1).trimmed();
    url.remove(urlIs);
    // A quoted address loses its quotes, as a browser reads it.
    if (url.size() >= 2 && (url.front() == QLatin1Char('\'') || url.front() == QLatin1Char('"')) &&
        url.back() == url.front())
        url = url.mid(1, url.size() - 2);
    r.url = url;
    return r;
}

} // namespace PageProperties
