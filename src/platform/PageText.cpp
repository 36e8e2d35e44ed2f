#include "platform/PageText.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <array>

namespace PageText {

namespace {

// The start of a file that tells text from other bytes.
constexpr qsizetype Sample = 8 * 1024;
// Pieces in which a file is read to be counted, so a large page is not held twice.
constexpr qint64 Piece = 1 << 20;

// UTF-16 code units to text, as a browser reads them: a lone half of a surrogate pair or
// an odd last byte becomes U+FFFD.
class Utf16Reader {
public:
    explicit Utf16Reader(bool bigEndian, QString* out) : big_(bigEndian), out_(out) {}

    void feed(QByteArrayView bytes) {
        qsizetype k = 0;
        if (odd_ >= 0 && !bytes.isEmpty()) {
            unit(pair(uchar(odd_), uchar(bytes[0])));
            odd_ = -1;
            k = 1;
        }
        for (; k + 1 < bytes.size(); k += 2)
            unit(pair(uchar(bytes[k]), uchar(bytes[k + 1])));
        if (k < bytes.size())
            odd_ = uchar(bytes[k]);
    }

    void finish() {
        if (lead_)
            replaced();
        if (odd_ >= 0)
            replaced();
        lead_ = 0;
        odd_ = -1;
    }

    qsizetype unreadable = 0;

private:
    char16_t pair(uchar first, uchar second) const {
        return big_ ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    }

    void unit(char16_t u) {
        if (lead_) {
            if (QChar::isLowSurrogate(u)) {
                put(lead_);
                put(u);
                lead_ = 0;
                return;
            }
            lead_ = 0;
            replaced();
        }
        if (QChar::isHighSurrogate(u))
            lead_ = u;
        else if (QChar::isLowSurrogate(u))
            replaced();
        else
            put(u);
    }

    void put(char16_t u) {
        if (out_)
            out_->append(QChar(u));
    }

    void replaced() {
        ++unreadable;
        put(QChar::ReplacementCharacter);
    }

    bool big_;
    QString* out_;
    int odd_ = -1;
    char16_t lead_ = 0;
};

// The sequences a browser's UTF-8 reader replaces: each maximal part of a sequence that
// cannot go on is one U+FFFD.
class Utf8Counter {
public:
    void feed(QByteArrayView bytes) {
        for (qsizetype k = 0; k < bytes.size(); ++k) {
            const uchar b = uchar(bytes[k]);
            if (needed_ == 0) {
                if (b < 0x80)
                    continue;
                if (b >= 0xC2 && b <= 0xDF) {
                    needed_ = 1;
                } else if (b >= 0xE0 && b <= 0xEF) {
                    lower_ = b == 0xE0 ? 0xA0 : 0x80;
                    upper_ = b == 0xED ? 0x9F : 0xBF;
                    needed_ = 2;
                } else if (b >= 0xF0 && b <= 0xF4) {
                    lower_ = b == 0xF0 ? 0x90 : 0x80;
                    upper_ = b == 0xF4 ? 0x8F : 0xBF;
                    needed_ = 3;
                } else {
                    ++unreadable;
                }
                continue;
            }
            if (b < lower_ || b > upper_) {
                // The sequence ends here; the byte starts afresh.
                ++unreadable;
                reset();
                --k;
                continue;
            }
            lower_ = 0x80;
            upper_ = 0xBF;
            if (++seen_ == needed_)
                reset();
        }
    }

    void finish() {
        if (needed_ != 0)
            ++unreadable;
        reset();
    }

    qsizetype unreadable = 0;

private:
    void reset() {
        needed_ = seen_ = 0;
        lower_ = 0x80;
        upper_ = 0xBF;
    }

    int needed_ = 0;
    int seen_ = 0;
    uchar lower_ = 0x80;
    uchar upper_ = 0xBF;
};

// Any other set, through this system's converters: a byte they cannot read comes out as
// U+FFFD or as the substitute control U+001A (which a byte 0x1A gives in most sets).
class ConverterCounter {
public:
    explicit ConverterCounter(const QString& set) : decoder_(set.toLatin1().constData()) {
        if (decoder_.isValid()) {
            QStringDecoder probe(set.toLatin1().constData());
            const QString byte = probe.decode(QByteArrayView("\x1A"));
            substituteIsByte_ = byte == QString(QChar(0x1A));
        }
    }
    bool isValid() const { return decoder_.isValid(); }

    void feed(QByteArrayView bytes) {
        count(decoder_.decode(bytes));
        if (substituteIsByte_)
            substitutes_ -= bytes.count('\x1A');
    }

    void finish() {
        // A sequence cut at the end of the file is told by what follows it.
        count(decoder_.decode(QByteArrayView("\n")));
        unreadable = qMax<qsizetype>(0, replaced_ + substitutes_);
    }

    qsizetype unreadable = 0;

private:
    void count(const QString& text) {
        replaced_ += text.count(QChar::ReplacementCharacter);
        substitutes_ += text.count(QChar(0x1A));
    }

    QStringDecoder decoder_;
    bool substituteIsByte_ = false;
    qsizetype replaced_ = 0;
    qsizetype substitutes_ = 0;
};

// A set's name without letter case, "-" and "_": "utf16le", "shiftjis".
QString plainName(const QString& set) {
    QString name = set.trimmed().toLower();
    name.remove('-');
    name.remove('_');
    return name;
}

bool looksLikeText(const QString& text) {
    if (!text.contains('<'))
        return false;
    qsizetype controls = 0;
    for (const QChar c : text) {
        if (c.unicode() == 0)
            return false;
        if (c.unicode() < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f')
            ++controls;
    }
    return controls * 100 <= text.size();
}

bool declaresWide(const QString& text) {
    static const QRegularExpression meta(R"(<meta\b[^>]*?charset\s*=\s*["']?\s*utf-?16)",
                                         QRegularExpression::CaseInsensitiveOption);
    return meta.match(text).hasMatch();
}

template <class Counter> qsizetype countFile(QFile& file, Counter& counter) {
    while (!file.atEnd()) {
        const QByteArray piece = file.read(Piece);
        if (piece.isEmpty())
            break;
        counter.feed(piece);
    }
    counter.finish();
    return counter.unreadable;
}

} // namespace

Wide WideSet(QByteArrayView bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return {QStringLiteral("UTF-16LE"), true};
    if (bytes.startsWith("\xFE\xFF"))
        return {QStringLiteral("UTF-16BE"), true};
    const qsizetype size = qMin(bytes.size(), Sample) & ~qsizetype(1);
    qsizetype little = 0; // ASCII in UTF-16LE: the character, then 0
    qsizetype big = 0;
    for (qsizetype k = 0; k < size; k += 2) {
        const bool first = bytes[k] != 0, second = bytes[k + 1] != 0;
        if (first && !second)
            ++little;
        else if (!first && second)
            ++big;
    }
    if (little == 0 && big == 0)
        return {};
    // The more likely order first.
    const std::array<bool, 2> orders{big > little, big <= little};
    for (const bool bigEndian : orders) {
        const Wide wide{QString::fromLatin1(bigEndian ? "UTF-16BE" : "UTF-16LE"), false};
        const QString text = DecodeWide(bytes.first(size), wide);
        if (!looksLikeText(text))
            continue;
        // Markup is ASCII: a page in UTF-16 has its share of 0 bytes on one side.
        const qsizetype zeros = bigEndian ? big : little;
        if (zeros * 16 >= size / 2 || declaresWide(text))
            return wide;
    }
    return {};
}

bool IsBinary(QByteArrayView bytes) {
    if (!WideSet(bytes).set.isEmpty())
        return false;
    return bytes.first(qMin(bytes.size(), Sample)).contains('\0');
}

QString DecodeWide(QByteArrayView bytes, const Wide& wide, qsizetype* unreadable) {
    QString text;
    text.reserve(bytes.size() / 2 + 1);
    Utf16Reader reader(wide.set.endsWith(QLatin1String("BE"), Qt::CaseInsensitive), &text);
    reader.feed(wide.marked ? bytes.sliced(qMin<qsizetype>(2, bytes.size())) : bytes);
    reader.finish();
    if (unreadable)
        *unreadable = reader.unreadable;
    return text;
}

qsizetype UnreadableCharacters(const QString& path, const QString& set) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString name = plainName(set);
    if (name == QLatin1String("utf8")) {
        Utf8Counter counter;
        return countFile(file, counter);
    }
    if (name == QLatin1String("utf16le") || name == QLatin1String("utf16") ||
        name == QLatin1String("utf16be")) {
        Utf16Reader counter(name == QLatin1String("utf16be"), nullptr);
        return countFile(file, counter);
    }
    ConverterCounter counter(set);
    return counter.isValid() ? countFile(file, counter) : 0;
}

} // namespace PageText
