#pragma once

#include <QByteArrayView>
#include <QStringView>

// What a page's markup holds that editing would destroy. Only markup counts: text inside
// a comment, a script, a style or a text area is the page's content, whatever it looks
// like ("<!-- <frameset> was here -->", a template of "<% ... %>" in a script).
namespace PageMarkup {

enum class Uneditable {
    None,
    // A block of server script: "<?" (not an XML declaration) or "<%", closed after it.
    ServerScript,
    // A frameset tag.
    Frameset,
};

struct Findings {
    // Server script wins over a frameset: it is the first reason a page is refused.
    Uneditable uneditable = Uneditable::None;
    // The comments after the page's "</html>" (with nothing but blanks among them). The
    // engine's parser puts all but one directly after the tag into the body's end, where
    // the page must not keep them.
    qsizetype commentsAfterHtml = 0;
};

// Bytes are searched as they are (the markers are ASCII in every set a page is likely to
// be in).
Findings Find(QByteArrayView bytes);
Findings Find(QStringView text);

} // namespace PageMarkup
