#pragma once

#include <QString>

// The markup of the scripted effects, built from the user's choices, and the page the
// preview window shows it in. Every text is used as typed; what goes into a quoted
// attribute or a script string is escaped so that it cannot break out of it.
namespace EffectMarkup {

// The preview page: the effect's script part in the head, its markup in the middle of
// one full-window table cell; the page refuses the browser's context menu. It declares
// UTF-8, the encoding the preview file is written in.
QString BuildPreviewPage(const QString& bodyStart, const QString& snippet);

// The choices of the marquee dialog; every text as typed.
struct MarqueeChoices {
    QString text;                                         // Text1, the content
    QString width;                                        // Text3
    QString height;                                       // Text2
    QString vspace;                                       // Text6
    QString hspace;                                       // Text7
    QString bgColor;                                      // Text4, "RRGGBB" without "#"
    QString direction = QStringLiteral("Left to Right");  // cboDirection
    QString behavior = QStringLiteral("Scroll(Default)"); // Combo2
    QString loop = QStringLiteral("Infinite");            // Combo3
    QString scrollAmount;                                 // Text8
    QString scrollDelay;                                  // Text9
};
// "<marquee", the attributes lower-cased as a whole (values included), ">", the text as
// typed and "</marquee>". A loop that is a whole number of at least 1 ends the
// attributes; any other loop adds none.
QString BuildMarquee(const MarqueeChoices& c);

// The choices of the inline frame dialog; every text as typed.
struct IframeChoices {
    QString source;                         // Combo1
    QString width;                          // Text1
    QString height;                         // Text2
    QString alternativeText;                // Text6, between the tags
    QString align = QStringLiteral("None"); // Combo2
    QString vspace;                         // Text4
    QString hspace;                         // Text3
    bool border = false;                    // Check2
    bool scrollBars = false;                // Check1
};
// "<iframe src=" with the source (its case kept), the attributes lower-cased as a
// whole, ">", CR LF, the alternative text, CR LF and "</iframe>".
QString BuildIframe(const IframeChoices& c);

// The choices of the background sound dialog.
struct SoundChoices {
    QString file; // Text1: a path or an address
    QString loop; // Combo1: "1".."10", "Infinite" or as typed; empty counts "1"
};
// A script that writes a "bgsound" element for browsers that call themselves "MSIE"
// and a hidden, self-starting "embed" for all others; CR LF after every line and an
// empty line at the end.
QString BuildBackgroundSound(const SoundChoices& c);

} // namespace EffectMarkup
