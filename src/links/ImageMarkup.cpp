#include "links/ImageMarkup.h"

namespace ImageMarkup {

namespace {
const QString Position = QStringLiteral(" style='position:absolute; top:30; left:30'");

QString quoted(const QString& value) {
    return '"' + value + '"';
}

// A file name or address in double quotes. A double quote inside it (a file name may
// hold one) is written as a character reference, so the attribute keeps the whole
// name instead of ending early.
QString quotedAddress(const QString& value) {
    QString v = value;
    return quoted(v.replace('"', QStringLiteral("&quot;")));
}

QString piece(const QString& literal, const QString& value) {
    return value.isEmpty() ? QString() : literal + quoted(value);
}
} // namespace

QString AlignPartFor(const QString& item) {
    if (item == "None")
        return QString();
    if (item == "Bottom(Default)")
        return " ALIGN=" + quoted("Bottom");
    return " ALIGN=" + quoted(item);
}

QString ImageAttributes(const ImageChoices& c) {
    return c.alignPart.toLower() + piece(" width=", c.width) + piece(" height=", c.height) +
           piece(" border=", c.border) + piece(" vspace=", c.vspace) + piece(" hspace=", c.hspace);
}

QString BuildImage(const ImageChoices& c) {
    const QString image = "<img src=" + quotedAddress(c.file) + ImageAttributes(c);
    if (c.link.isEmpty())
        return image + Position + ">";
    return "<a href=" + quotedAddress(c.link) + Position + ">" + image + ">" + "</a>";
}

} // namespace ImageMarkup
