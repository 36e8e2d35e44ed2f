#include "core/Module1.h"

#include "core/GeneratedHtml.h"
#include "platform/DHTMLEdit.h"
#include "platform/PlatformError.h"

#include <QPointer>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace Module1 {

namespace {
QPointer<DHTMLEdit>& windowEditor() {
    static QPointer<DHTMLEdit> e;
    return e;
}
QPointer<DHTMLEdit>& editor() {
    static QPointer<DHTMLEdit> e;
    return e;
}
DHTMLEdit* requireEditor() {
    DHTMLEdit* e = Editor();
    if (!e)
        throw PlatformError(ErrorCode::Unexpected, "There is no editing surface");
    return e;
}
} // namespace

DHTMLEdit* Editor() {
    return editor() ? editor() : windowEditor();
}
void SetWindowEditor(DHTMLEdit* e) {
    windowEditor() = e;
}
void SetEditor(DHTMLEdit* e) {
    editor() = e;
}

QString SelectedText() {
    return requireEditor()->DOM().selection().createRange().Text();
}

bool ControlSelected() {
    return requireEditor()->DOM().selection().type() == QLatin1String("Control");
}

void PasteAtSelection(const QString& html) {
    requireEditor()->DOM().selection().createRange().pasteHTML(html);
}

void InsertAtBodyStart(const QString& s) {
    requireEditor()->DOM().body().insertAdjacentHTML("AfterBegin", "<body> " + s);
}

QString FormatAttribute(const QString& name, const QString& value) {
    // The one writer of a double-quoted attribute: a quote typed into the value must not
    // end it.
    return name.toLower() + QChar('"') + GeneratedHtml::InAttribute(value) + QChar('"');
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

int LeadingNumber(const QString& text, int bits) {
    // Blanks, tabs and line feeds inside a number are ignored, as whole-number
    // reading of settings always did ("1 000" reads as 1000).
    QString s = text;
    s.remove(QRegularExpression("[ \\t\\r\\n]"));
    double value = 0;
    static const QRegularExpression hex("^&[hH]([0-9A-Fa-f]+)");
    static const QRegularExpression oct("^&[oO]?([0-7]+)");
    static const QRegularExpression dec("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?");
    if (auto m = hex.match(s); m.hasMatch()) {
        value = double(m.captured(1).toLongLong(nullptr, 16));
    } else if (auto o = oct.match(s); o.hasMatch()) {
        value = double(o.captured(1).toLongLong(nullptr, 8));
    } else if (auto d = dec.match(s); d.hasMatch()) {
        QString number = d.captured(0);
        number.replace('d', 'e').replace('D', 'e');
        value = number.toDouble();
    }
    if (!std::isfinite(value))
        return 0;
    const double rounded = RoundHalfEven(value);
    const double low = bits == 16 ? -32768.0 : double(std::numeric_limits<int32_t>::min());
    const double high = bits == 16 ? 32767.0 : double(std::numeric_limits<int32_t>::max());
    if (rounded < low || rounded > high)
        return 0;
    return int(rounded);
}

} // namespace Module1

namespace Module1 {

namespace {
struct Reason {
    int32_t code;
    const char* text;
};
QString reasonIn(std::initializer_list<Reason> known, int32_t code) {
    for (const Reason& r : known)
        if (r.code == code)
            return r.text;
    return "Unknown error";
}
} // namespace

QString LoadErrorReason(int32_t code) {
    return reasonIn({{ErrorCode::ServerScript, "Document is primarily server side script"},
                     {ErrorCode::Frameset, "Document contains a frameset"},
                     {ErrorCode::NotAWebPage, "The file is not a Web page"},
                     {ErrorCode::Unexpected, "Unexpected error"},
                     {ErrorCode::FileNotFound, "File not found"},
                     {ErrorCode::PathNotFound, "Path not found"},
                     {ErrorCode::InvalidArgument, "Invalid argument"},
                     {ErrorCode::AccessDenied, "Access denied"}},
                    code);
}

QString SaveErrorReason(int32_t code) {
    return reasonIn({{ErrorCode::DiskFull, "Disk is full"},
                     {ErrorCode::Unexpected, "Unexpected error"},
                     {ErrorCode::PathNotFound, "Path not found"},
                     {ErrorCode::InvalidArgument, "Invalid argument"},
                     {ErrorCode::AccessDenied, "Access denied"}},
                    code);
}

QString UnreadableCharactersMessage(qint64 count, const QString& set) {
    const QString replacement = QStringLiteral("(\uFFFD)");
    if (count == 1)
        return "The Web page has 1 character that could not be read in its character set (" + set +
               "). It is shown as the replacement character " + replacement +
               ", and saving the page will write it that way.";
    return "The Web page has " + QString::number(count) +
           " characters that could not be read in its character set (" + set +
           "). They are shown as the replacement character " + replacement +
           ", and saving the page will write them that way.";
}

} // namespace Module1
