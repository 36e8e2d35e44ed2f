#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <optional>

// The rules of the page-properties dialog, apart from its widgets: reading an attribute
// out of the body's start tag, the colour a colour list stands for, what OK writes as the
// background and as meta elements, and what the watermark box does to the background box.
namespace PageProperties {

// Looks for attribute (with its "=", e.g. "BACKGROUND=") in the body's start tag of html.
// bodyTagText becomes the text from the first "<BODY" (any case) up to, not including,
// the next ">" (to the end when there is none); without a "<BODY" it keeps what it held.
// The value follows the attribute: inside double quotes when it starts with one, else up
// to the next blank; without a closing quote or blank it runs to the end of bodyTagText.
// Single quotes are no delimiters. "" when the attribute is not in the tag.
QString ParseTag(const QString& html, const QString& attribute, QString& bodyTagText);

// The colour a colour list's text stands for: one of the sixteen web colour names
// written exactly as listed ("red", not "Red"), else the text as colour digits ("#" is
// ignored, a missing or non-hexadecimal digit counts 0, "" is silver grey).
QColor ListColor(const QString& text);

// What OK writes as the body's background, or nothing to leave the attribute alone.
// loaded is the value the page held when the dialog opened: a box still holding it (blanks
// around it aside) changes nothing. Otherwise the trimmed text is written; an absolute
// local path (a "/" path naming an existing file) gets "file://" in front, while a value
// already beginning with "file://", a relative name or an address with a scheme stays as
// it is. An emptied box writes "".
std::optional<QString> BackgroundToWrite(const QString& box, const QString& loaded,
                                         bool backgroundChanged);

// The background box after a click on the watermark box: ticking it offers the image last
// picked in the image dialog, but only to an empty box; unticking leaves the box alone.
QString BoxAfterWatermarkClick(const QString& box, bool ticked, const QString& lastImageFile);

// The picture file scaled down to fit box, or a null pixmap when it cannot be read as one.
QPixmap PreviewPicture(const QString& path, const QSize& box);

// ---- meta elements --------------------------------------------------------------
// One meta element: attribute ("name" or "http-equiv") with key, and the content, a typed
// value, by the attribute rule: `<meta name="description" content="...">`.
QString MetaElement(const QString& attribute, const QString& key, const QString& content);

// A meta element OK puts into the head: the page's own elements of that attribute and key
// give way to html, or all go when html is empty.
struct MetaWrite {
    QString attribute;
    QString key;
    QString html;
};
// What the meta-tags dialog's values make of the head, in this order: the description,
// the keywords and, for a splash page (seconds given), the refresh "SECONDS;URL=ADDRESS".
// An empty value removes the page's own element.
QList<MetaWrite> MetaTagsToWrite(const QString& description, const QString& keywords,
                                 const QString& splashSeconds, const QString& splashURL);

// A page's own refresh content ("5; url='next.html'") as seconds and address; the
// address is empty when the content names none.
struct Refresh {
    QString seconds;
    QString url;
};
Refresh ParseRefresh(const QString& content);

} // namespace PageProperties
