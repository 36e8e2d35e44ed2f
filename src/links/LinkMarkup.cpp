#include "links/LinkMarkup.h"

#include "core/GeneratedHtml.h"

#include <QUrl>

using GeneratedHtml::InAttribute;

namespace {
const QString Quote = QStringLiteral("\"");
const QString CrLf = QStringLiteral("\r\n");

// A typed value in a double-quoted attribute.
QString quoted(const QString& value) {
    return Quote + InAttribute(value) + Quote;
}

// A subject as the value of a "mailto:" query: its UTF-8 bytes, everything but letters,
// digits and "-._~" percent-encoded, so that "&", "#", "%" or "+" reach the mail program
// as typed instead of ending or changing the subject.
QString mailtoQueryValue(const QString& text) {
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

// A status-bar text in the single-quoted script string of a double-quoted handler.
QString statusScript(const QString& text) {
    return Quote + "window.status='" + GeneratedHtml::InScriptStringInAttribute(text) +
           "'; return true" + Quote;
}
} // namespace

QString BuildBookmark(const BookmarkChoices& c) {
    return "<a name=" + quoted(c.name) + ">" + c.text + "</a>";
}

QString NewWindowPiece(bool newWindow) {
    return newWindow ? " target=" + Quote + "_blank" + Quote : QString();
}

QString MouseOverPiece(const QString& overText) {
    if (overText.isEmpty())
        return {};
    return " OnMouseOver=" + statusScript(overText);
}

QString MouseOutPiece(const QString& overText, const QString& outText) {
    if (!outText.isEmpty())
        return " OnMouseOut=" + statusScript(outText);
    // Leaving the link clears what the over text put into the status bar.
    if (!overText.isEmpty())
        return " OnMouseOut=" + Quote + "window.status=' '; return true" + Quote;
    return {};
}

HyperlinkOutcome BuildHyperlink(const HyperlinkChoices& c) {
    HyperlinkOutcome out;
    const QString target = NewWindowPiece(c.newWindow);
    const QString over = MouseOverPiece(c.overText);
    const QString leave = MouseOutPiece(c.overText, c.outText);
    const bool bareScheme = c.address == QStringLiteral("http://");

    if (c.text.isEmpty()) {
        out.message = "Please enter text to be linked in the box below.";
        out.focus = HyperlinkField::Text;
    } else if (!c.toAnchor && (c.address.isEmpty() || bareScheme)) {
        out.message = "Please enter Web site to be linked in the appropriate box";
        out.focus = HyperlinkField::Address;
    } else if (bareScheme) {
        // A bookmark on the page being edited: no address, and no status texts.
        out.clearsAddress = true;
        out.html = "<a href=" + quoted("#" + c.anchorName) + target + ">" + c.text + "</a>";
    } else if (c.toAnchor && c.anchorName.isEmpty()) {
        out.message = "Please enter the bookmark name you wish to link to.";
    } else if (c.toAnchor) {
        out.html = "<a href=" + quoted(c.address + "#" + c.anchorName) + target + over + leave +
                   ">" + c.text + "</a>";
    } else {
        out.html = "<a href=" + quoted(c.address) + target + over + leave + ">" + c.text + "</a>";
    }
    return out;
}

QString SendEmailScript() {
    return "<script type='text/javascript' language='javascript'>" + CrLf + "<!--" + CrLf +
           "function SendEmail(name, domain, extension, subject){" + CrLf +
           "   window.location = 'mai' + 'lto:' + name + '@' + domain + '.' + extension + "
           "'?subject=' + subject;" +
           CrLf + "}" + CrLf + "//--></script>" + CrLf;
}

AddressParts SplitAddress(const QString& address) {
    AddressParts parts;
    const qsizetype at = address.indexOf('@');
    const qsizetype dot = at < 0 ? -1 : address.indexOf('.', at + 1);
    if (at < 0 || dot < 0) {
        // Nothing to cut at: the whole address is the extension.
        parts.name = at < 0 ? QString() : address.left(at);
        parts.extension = address;
        return parts;
    }
    parts.name = address.left(at);
    parts.domain = address.mid(at + 1, dot - at - 1);
    parts.extension = address.mid(dot + 1);
    return parts;
}

bool IsCompleteAddress(const QString& address) {
    const qsizetype at = address.indexOf('@');
    return at >= 0 && address.indexOf('.', at + 1) >= 0;
}

EmailOutcome BuildEmailLink(const EmailChoices& c) {
    EmailOutcome out;
    if (c.address.isEmpty()) {
        out.message = "Please specify an Email Address.";
        out.focus = EmailField::Address;
        return out;
    }
    if (c.text.isEmpty() && c.image.isEmpty()) {
        out.message = "Please specify text or an image to be displayed as the Email link.";
        out.focus = EmailField::Text;
        return out;
    }
    const QString subject = mailtoQueryValue(c.subject.trimmed());
    const QString subjectPiece = subject.isEmpty() ? QString() : "?subject=" + subject;
    const QString imagePiece =
        c.image.isEmpty() ? QString()
                          : "<img src=" + quoted(c.image) + " border=" + Quote + "0" + Quote + ">";
    if (c.antiSpam) {
        if (c.text.contains('@')) {
            out.message = "Type something other than an email address for the Email link text "
                          "(such as 'Email me') to prevent your email address from being read "
                          "by spam mailers.";
            return out;
        }
        // Without an "@" and a "." after it the script would build a broken address.
        if (!IsCompleteAddress(c.address)) {
            out.message = "Please enter a complete e-mail address, such as name@example.com.";
            out.focus = EmailField::Address;
            return out;
        }
        const AddressParts p = SplitAddress(c.address);
        out.bodyStart = SendEmailScript();
        using GeneratedHtml::InScriptAddress;
        out.snippet = "<a href=" + Quote + "javascript:SendEmail('" + InScriptAddress(p.name) +
                      "', '" + InScriptAddress(p.domain) + "', '" + InScriptAddress(p.extension) +
                      "', '" + InScriptAddress(subject) + "')" + Quote + ">" + imagePiece + c.text +
                      "</a>";
        return out;
    }
    out.snippet = "<a href=" + quoted("mailto:" + c.address + subjectPiece) + ">" + imagePiece +
                  c.text + "</a>";
    return out;
}
