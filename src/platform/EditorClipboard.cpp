#include "platform/EditorClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>

namespace {

// What other programs put around copied HTML: a document, fragment marks, a leading
// meta element.
QString fragmentOf(const QString& html) {
    const QString start = QStringLiteral("<!--StartFragment-->");
    const QString end = QStringLiteral("<!--EndFragment-->");
    const qsizetype s = html.indexOf(start, 0, Qt::CaseInsensitive);
    const qsizetype e = html.lastIndexOf(end, -1, Qt::CaseInsensitive);
    if (s >= 0 && e > s)
        return html.mid(s + start.size(), e - s - start.size());
    static const QRegularExpression body(R"(<body\b[^>]*>([\s\S]*?)(?:</body\s*>|$))",
                                         QRegularExpression::CaseInsensitiveOption);
    const auto m = body.match(html);
    if (m.hasMatch())
        return m.captured(1);
    static const QRegularExpression leadingMeta(R"(^\s*(?:<meta\b[^>]*>\s*)+)",
                                                QRegularExpression::CaseInsensitiveOption);
    QString fragment = html;
    return fragment.remove(leadingMeta);
}

QString markupOfText(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    QChar previous;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\r') {
            out += "<br>";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "<br>";
        } else if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == ' ' && (previous == ' ' || previous.isNull() || i + 1 == text.size())) {
            // Blanks the page would fold into one stay as typed.
            out += "&nbsp;";
        } else {
            out += c;
        }
        previous = c == '\r' || c == '\n' ? QChar() : c;
    }
    return out;
}

} // namespace

namespace EditorClipboard {

QString MarkupFrom(const QMimeData* data) {
    if (!data)
        return {};
    if (data->hasHtml()) {
        const QString fragment = fragmentOf(data->html());
        if (!fragment.trimmed().isEmpty())
            return fragment;
    }
    if (data->hasText())
        return markupOfText(data->text());
    return {};
}

void Put(const QString& html, const QString& text) {
    auto* data = new QMimeData;
    data->setHtml(html);
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

QString Markup() {
    return MarkupFrom(QGuiApplication::clipboard()->mimeData());
}

bool CanPaste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && ((data->hasHtml() && !data->html().isEmpty()) ||
                    (data->hasText() && !data->text().isEmpty()));
}

} // namespace EditorClipboard
