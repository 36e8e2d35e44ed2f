#include "platform/PageMarkup.h"

#include <algorithm>
#include <type_traits>

namespace PageMarkup {

namespace {

// The markup of a page in code units of C (bytes or UTF-16 units), read the way a
// browser's parser splits markup from text, as far as the refusals need it.
template <class C> class Scanner {
public:
    Scanner(const C* units, qsizetype size) : s_(units), n_(size) {}

    Findings run() {
        Findings found;
        bool frameset = false;
        for (qsizetype at = next('<', 0); at >= 0;) {
            if (startsWith(at + 1, "!--")) {
                at = afterComment(at + 4);
                continue;
            }
            if (opensServerScript(at)) {
                found.uneditable = Uneditable::ServerScript;
                return found;
            }
            if (!frameset && startsWith(at + 1, "frameset") && !nameGoesOn(at + 9))
                frameset = true;
            if (startsWith(at + 1, "/html") && nameEnds(at + 6))
                found.commentsAfterHtml = commentsFrom(tagEnd(at));
            if (const char* raw = rawTextElement(at)) {
                // The start tag's attributes are markup; the element's content is not.
                const qsizetype end = tagEnd(at);
                for (qsizetype p = next('<', at + 1); p >= 0 && (end < 0 || p < end);
                     p = next('<', p + 1)) {
                    if (opensServerScript(p)) {
                        found.uneditable = Uneditable::ServerScript;
                        return found;
                    }
                }
                at = end < 0 ? -1 : afterClosingTag(end + 1, raw);
                continue;
            }
            at = next('<', at + 1);
        }
        if (frameset)
            found.uneditable = Uneditable::Frameset;
        return found;
    }

private:
    static C lower(C c) { return c >= 'A' && c <= 'Z' ? C(c + ('a' - 'A')) : c; }

    qsizetype next(char c, qsizetype from) const {
        if (from >= n_)
            return -1;
        const C* found = std::find(s_ + from, s_ + n_, C(c));
        return found == s_ + n_ ? -1 : found - s_;
    }

    qsizetype find(const char* text, qsizetype from) const {
        for (qsizetype at = next(text[0], from); at >= 0; at = next(text[0], at + 1))
            if (startsWith(at, text))
                return at;
        return -1;
    }

    // Whether the units at `at` are the lower-case ASCII `text`, in any letter case.
    bool startsWith(qsizetype at, const char* text) const {
        for (qsizetype k = 0; text[k]; ++k)
            if (at + k >= n_ || lower(s_[at + k]) != C(text[k]))
                return false;
        return true;
    }

    // Whether a tag's name goes on at `at` (a letter, digit or "_" follows the name).
    bool nameGoesOn(qsizetype at) const {
        if (at >= n_)
            return false;
        const C c = lower(s_[at]);
        // Any unit beyond ASCII is part of a letter.
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
               std::make_unsigned_t<C>(c) > 0x7F;
    }

    // Where a tag's own name ends: a blank, "/" or ">" (or the end) follows it.
    bool nameEnds(qsizetype at) const {
        if (at >= n_)
            return true;
        const C c = s_[at];
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '/' || c == '>';
    }

    // Just past the end of a comment opened before `from`: "-->", or "<!-->" and
    // "<!--->" as whole comments. An unclosed comment runs to the end of the page.
    qsizetype commentEnd(qsizetype from) const {
        if (startsWith(from, ">"))
            return from + 1;
        if (startsWith(from, "->"))
            return from + 2;
        const qsizetype end = find("-->", from);
        return end < 0 ? n_ : end + 3;
    }

    qsizetype afterComment(qsizetype from) const { return next('<', commentEnd(from)); }

    // The comments that follow the tag ending at `end`, blanks between them.
    qsizetype commentsFrom(qsizetype end) const {
        qsizetype count = 0;
        for (qsizetype at = end < 0 ? n_ : end + 1; at < n_;) {
            const C c = s_[at];
            if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
                ++at;
            } else if (startsWith(at, "<!--")) {
                ++count;
                at = commentEnd(at + 4);
            } else {
                break;
            }
        }
        return count;
    }

    // A found close ends the whole search, so only a failed search is remembered: a
    // page of many openers and no close is searched once, not once per opener.
    bool opensServerScript(qsizetype at) {
        if (startsWith(at + 1, "?") && !startsWith(at + 2, "xml"))
            return closes("?>", at + 2, noQuestionClose_);
        if (startsWith(at + 1, "%"))
            return closes("%>", at + 2, noPercentClose_);
        return false;
    }

    bool closes(const char* close, qsizetype from, bool& none) const {
        if (none)
            return false;
        none = find(close, from) < 0;
        return !none;
    }

    // The name of the element whose start tag opens at `at` when its content is text,
    // not markup; nullptr for any other.
    const char* rawTextElement(qsizetype at) const {
        for (const char* name : {"script", "style", "textarea"}) {
            const qsizetype length = qsizetype(qstrlen(name));
            if (startsWith(at + 1, name) && nameEnds(at + 1 + length))
                return name;
        }
        return nullptr;
    }

    // The ">" ending the tag opened at `at`, quoted values respected, or -1.
    qsizetype tagEnd(qsizetype at) const {
        C quote = 0;
        for (qsizetype p = at + 1; p < n_; ++p) {
            const C c = s_[p];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                return p;
            }
        }
        return -1;
    }

    // The next "<" to look at after the closing tag of the element `name`, searched
    // from `from`; -1 when the element runs to the end of the page.
    qsizetype afterClosingTag(qsizetype from, const char* name) const {
        const qsizetype length = qsizetype(qstrlen(name));
        for (qsizetype p = next('<', from); p >= 0; p = next('<', p + 1))
            if (startsWith(p + 1, "/") && startsWith(p + 2, name) && nameEnds(p + 2 + length))
                return next('<', p + 2 + length);
        return -1;
    }

    const C* s_;
    qsizetype n_;
    bool noQuestionClose_ = false;
    bool noPercentClose_ = false;
};

template <class C> Findings find(const C* units, qsizetype size) {
    return Scanner<C>(units, size).run();
}

} // namespace

Findings Find(QByteArrayView bytes) {
    return find(bytes.data(), bytes.size());
}

Findings Find(QStringView text) {
    return find(text.utf16(), text.size());
}

} // namespace PageMarkup
