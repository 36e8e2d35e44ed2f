#pragma once

#include <QString>

// The markup of the image dialog, built from the user's choices.
namespace ImageMarkup {

// The alignment attribute text for an item of the alignment list: "None" gives "",
// "Bottom(Default)" ` ALIGN="Bottom"`, any other item ` ALIGN="<item>"`.
QString AlignPartFor(const QString& item);

struct ImageChoices {
    QString file;      // the image file, as typed
    QString link;      // the address the image links to; empty: no link
    QString alignPart; // from AlignPartFor; lower-cased when written
    QString width;
    QString height;
    QString border = QStringLiteral("0");
    QString vspace;
    QString hspace;
};

// The attributes after src: alignment, width, height, border, vspace and hspace, each
// only when given, each value as typed (a double quote in it as "&quot;").
QString ImageAttributes(const ImageChoices& c);
// The image, absolutely positioned; with a link the position belongs to the link.
QString BuildImage(const ImageChoices& c);

} // namespace ImageMarkup
