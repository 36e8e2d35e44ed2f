#include "platform/EditorClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

// Beside the HTML of a copy of ours: the same HTML, which tells it from another
// program's (which replaces the whole clipboard, this format included).
const QString OurCopy = QStringLiteral("application/x-tessaly-copy");

bool isOurCopy(const QMimeData* data, const QString& html) {
    return data && data->hasFormat(OurCopy) && QString::fromUtf8(data->data(OurCopy)) == html;
}

} // namespace

namespace EditorClipboard {

QVariantMap Content::toScript() const {
    return {{"html", html}, {"text", text}, {"foreign", foreign}};
}

Content ContentOf(const QMimeData* data) {
    Content content;
    if (!data)
        return content;
    if (data->hasHtml())
        content.html = data->html();
    if (data->hasText())
        content.text = data->text();
    content.foreign = !isOurCopy(data, content.html);
    return content;
}

Content ContentOf(const QString& html, const QString& text) {
    Content content;
    content.html = html;
    content.text = text;
    content.foreign = !isOurCopy(QGuiApplication::clipboard()->mimeData(), html);
    return content;
}

void Put(const QString& html, const QString& text) {
    auto* data = new QMimeData;
    data->setHtml(html);
    data->setText(text);
    data->setData(OurCopy, html.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

Content Current() {
    return ContentOf(QGuiApplication::clipboard()->mimeData());
}

bool CanPaste() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && ((data->hasHtml() && !data->html().isEmpty()) ||
                    (data->hasText() && !data->text().isEmpty()));
}

} // namespace EditorClipboard
