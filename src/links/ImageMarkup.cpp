#include "links/ImageMarkup.h"

#include "core/GeneratedHtml.h"

namespace ImageMarkup {

namespace {
const QString Position = QStringLiteral(" style='position:absolute; top:30px; left:30px'");

// A typed value in double quotes; a double quote inside it (a file name may hold one)
// is written as its character reference, so the attribute keeps the whole value.
QString quoted(const QString& value) {
    return '"' + GeneratedHtml::InAttribute(value) + '"';
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
    const QString image = "<img src=" + quoted(c.file) + ImageAttributes(c);
    if (c.link.isEmpty())
        return image + Position + ">";
    return "<a href=" + quoted(c.link) + Position + ">" + image + ">" + "</a>";
}

} // namespace ImageMarkup
