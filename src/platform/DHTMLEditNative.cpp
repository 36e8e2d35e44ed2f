#include "platform/DHTMLEdit.h"

#include "platform/EditorClipboard.h"
#include "platform/EditorPrompts.h"
#include "platform/FindDialog.h"
#include "platform/PlatformError.h"

// Commands the surface runs with the platform's own services (the clipboard, the find
// and font dialogs, the hyperlink prompt, parameter objects) rather than in the editing
// script alone; the script still does the editing.

namespace {

PlatformError disabled(int commandId) {
    return PlatformError(ErrorCode::Unexpected, QString("Command %1 is disabled").arg(commandId));
}

} // namespace

bool DHTMLEdit::nativeCommand(int commandId, int option, const QVariant& argument,
                              QVariant& result) {
    auto script = [this, commandId, option](const QVariant& value) {
        return callEditor("exec", {commandId, option, value});
    };
    switch (commandId) {
    case DECMD_COPY:
    case DECMD_CUT: {
        const QVariantMap content = script({}).toMap();
        if (content.isEmpty())
            throw disabled(commandId);
        EditorClipboard::Put(content.value("html").toString(), content.value("text").toString());
        result = true;
        return true;
    }
    case DECMD_PASTE: {
        const EditorClipboard::Content content = EditorClipboard::Current();
        if (content.isEmpty())
            throw disabled(commandId);
        result = script(content.toScript());
        return true;
    }
    case DECMD_FINDTEXT:
        result = findWithDialog();
        return true;
    case DECMD_FONT: {
        if (QueryStatus(DECMD_FONT) < DECMDF_ENABLED)
            throw disabled(commandId);
        const QVariantMap now = callEditor("fontState").toMap();
        EditorPrompts::FontChoice choice;
        choice.name = now.value("name").toString();
        choice.size = now.value("size").toInt();
        choice.bold = now.value("bold").toBool();
        choice.italic = now.value("italic").toBool();
        choice.underline = now.value("underline").toBool();
        choice.strike = now.value("strike").toBool();
        if (!EditorPrompts::AskFont(window(), choice)) {
            result = false;
            return true;
        }
        result = script(QVariantMap{{"name", choice.name},
                                    {"size", choice.size},
                                    {"bold", choice.bold},
                                    {"italic", choice.italic},
                                    {"underline", choice.underline},
                                    {"strike", choice.strike}});
        return true;
    }
    case DECMD_HYPERLINK: {
        QString address =
            argument.userType() == QMetaType::QString ? argument.toString() : QString();
        if (option != OLECMDEXECOPT_DONTPROMPTUSER || address.isEmpty()) {
            if (QueryStatus(DECMD_HYPERLINK) < DECMDF_ENABLED)
                throw disabled(commandId);
            const QString current = callEditor("linkAddress").toString();
            if (!EditorPrompts::AskLinkAddress(window(), current, address)) {
                result = false;
                return true;
            }
        }
        result = script(address);
        return true;
    }
    case DECMD_GETBLOCKFMTNAMES: {
        auto* param = argument.value<DEGetBlockFmtNamesParam*>();
        if (!param)
            throw PlatformError(ErrorCode::InvalidArgument, "Invalid argument");
        param->Names = script({}).toStringList();
        result = true;
        return true;
    }
    case DECMD_INSERTTABLE: {
        const DEInsertTableParam defaults;
        const DEInsertTableParam* p = &defaults;
        if (argument.isValid()) {
            p = argument.value<DEInsertTableParam*>();
            if (!p)
                throw PlatformError(ErrorCode::InvalidArgument, "Invalid argument");
        }
        result = script(QVariantMap{{"NumRows", p->NumRows},
                                    {"NumCols", p->NumCols},
                                    {"TableAttrs", p->TableAttrs},
                                    {"CellAttrs", p->CellAttrs},
                                    {"Caption", p->Caption}});
        return true;
    }
    default:
        return false;
    }
}

bool DHTMLEdit::nativeStatus(int commandId, int& status) {
    if (commandId != DECMD_PASTE)
        return false;
    if (!EditorClipboard::CanPaste())
        status = int(DECMDF_DISABLED);
    else
        status = callEditor("status", {commandId}).toInt();
    return true;
}

QList<int> DHTMLEdit::QueryStatuses(const QList<int>& commandIds) {
    QList<int> statuses(commandIds.size(), 0);
    QVariantList scripted;
    QList<int> where;
    for (int i = 0; i < commandIds.size(); ++i) {
        int status = 0;
        bool native = false;
        try {
            native = nativeStatus(commandIds[i], status);
        } catch (const PlatformError&) {
            native = true;
            status = 0;
        }
        if (native) {
            statuses[i] = status;
        } else {
            scripted << commandIds[i];
            where << i;
        }
    }
    if (!scripted.isEmpty()) {
        const QVariantList answers = callEditor("statuses", {QVariant(scripted)}).toList();
        for (int j = 0; j < where.size(); ++j)
            statuses[where[j]] = answers.value(j).toInt();
    }
    return statuses;
}

QList<int> DHTMLEdit::contextMenuStatuses(const QList<int>& commandIds) {
    if (!buildingMenu_)
        return QueryStatuses(commandIds);
    QList<int> statuses(commandIds.size(), 0);
    QList<int> unread;
    QList<int> where;
    for (int i = 0; i < commandIds.size(); ++i) {
        const int id = commandIds[i];
        if (!menuStatuses_.contains(id)) {
            unread << id;
            where << i;
        } else if (id == DECMD_PASTE && !EditorClipboard::CanPaste()) {
            // Paste's status comes from the clipboard, which the click did not read.
            statuses[i] = int(DECMDF_DISABLED);
        } else {
            statuses[i] = menuStatuses_.value(id);
        }
    }
    if (!unread.isEmpty()) {
        const QList<int> answers = QueryStatuses(unread);
        for (int j = 0; j < where.size(); ++j)
            statuses[where[j]] = answers.value(j);
    }
    return statuses;
}

void DHTMLEdit::pasteFromPage(const QVariantMap& data) {
    const EditorClipboard::Content content =
        EditorClipboard::ContentOf(data.value("html").toString(), data.value("text").toString());
    if (!content.isEmpty())
        skipErrors([&] { callEditor("exec", {DECMD_PASTE, 0, content.toScript()}); });
}

bool DHTMLEdit::findWithDialog() {
    // The engine's own search in our script's world: it selects the match at once, so
    // the next search goes on from it and a command after the dialog acts on it.
    FindDialog dialog(
        [this](const QString& text, bool matchCase, bool backward) {
            return callEditor("find", {text, matchCase, backward}).toBool();
        },
        window());
    dialog.exec();
    return dialog.foundAny();
}
