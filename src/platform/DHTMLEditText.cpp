#include "platform/DHTMLEdit.h"

#include "platform/PlatformError.h"

// The page's text crosses between the program and the page in pieces of bounded size: a
// page of a hundred megabytes in one answer (or one call) runs the render process out of
// memory.

namespace {

// The largest piece one call or answer carries (UTF-16 units): a few megabytes.
constexpr qsizetype PieceChars = 2 * 1024 * 1024;

// Where a piece of text starting at from ends: never between the two halves of a
// character outside the basic plane.
qsizetype pieceEnd(const QString& text, qsizetype from) {
    qsizetype end = qMin(text.size(), from + PieceChars);
    if (end < text.size() && end > from + 1 && text.at(end - 1).isHighSurrogate())
        --end;
    return end;
}

} // namespace

QString DHTMLEdit::readText() {
    const QVariantMap begun = callEditor("textBegin").toMap();
    const int id = begun.value("id").toInt();
    const qsizetype length = begun.value("length").toLongLong();
    if (id <= 0 || length < 0)
        throw PlatformError(ErrorCode::Unexpected, "The page's text could not be read");
    QString text;
    try {
        text.reserve(length);
        while (text.size() < length) {
            const QString piece =
                callEditor("textPiece", {id, double(text.size()), double(PieceChars)}).toString();
            if (piece.isEmpty())
                throw PlatformError(ErrorCode::Unexpected, "The page's text could not be read");
            text += piece;
        }
    } catch (const std::bad_alloc&) {
        callEditorLater("textEnd", {id});
        throw PlatformError(ErrorCode::Unexpected, "The page is too large to be read");
    } catch (const PlatformError& e) {
        // The page keeps a few texts for readers that failed; a surface that was
        // destroyed has no page to tell.
        if (e.Surface == SurfaceFailure::None)
            callEditorLater("textEnd", {id});
        throw;
    }
    callEditorLater("textEnd", {id});
    return text;
}

QVariantList DHTMLEdit::sendLargeArguments(const QVariantList& args) {
    QVariantList sent = args;
    for (QVariant& arg : sent) {
        if (arg.userType() != QMetaType::QString)
            continue;
        const QString text = arg.toString();
        if (text.size() <= PieceChars)
            continue;
        const int id = ++sentTexts_;
        for (qsizetype from = 0; from < text.size();) {
            const qsizetype end = pieceEnd(text, from);
            callEditor("receive", {id, text.mid(from, end - from)});
            from = end;
        }
        arg = QVariantMap{{"$received", id}};
    }
    return sent;
}
