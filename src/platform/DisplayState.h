#pragma once

#include <QHash>
#include <QString>
#include <QVariantMap>

// What the window's display of the selection shows, as the page sent it with its last
// DisplayChanged: the statuses of the formatting commands (bold to fore colour) and of
// the font name, font size and block format queries, the values of those three where
// their status gives one, the selection's type and whether it is in a table.
struct DisplayState {
    QHash<int, int> statuses;
    QString fontName;    // when the font name's status is 3 or 7, else ""
    int fontSize = 0;    // likewise; 0 for none
    QString blockFormat; // when the block format's status is above 2, else ""
    QString selectionType = QStringLiteral("None");
    bool inTable = false;
    // The page's session and the number of its display change the state belongs to.
    QString session;
    qint64 serial = 0;

    // A command's status as QueryStatus would answer it; 0 for a command not reported.
    int status(int commandId) const { return statuses.value(commandId, 0); }

    static DisplayState fromPage(const QVariantMap& state) {
        DisplayState d;
        const QVariantMap s = state.value("statuses").toMap();
        for (auto it = s.begin(); it != s.end(); ++it)
            d.statuses.insert(it.key().toInt(), it.value().toInt());
        d.fontName = state.value("fontName").toString();
        d.fontSize = state.value("fontSize").toInt();
        d.blockFormat = state.value("blockFormat").toString();
        d.selectionType = state.value("selectionType", QStringLiteral("None")).toString();
        d.inTable = state.value("inTable").toBool();
        d.session = state.value("session").toString();
        d.serial = state.value("serial").toLongLong();
        return d;
    }
    // Whether a state from the page is newer than this one: from the same page, with a
    // later display change. A state from a page since replaced is not.
    bool olderThan(const DisplayState& other) const {
        return session.isEmpty() || (other.session == session && other.serial > serial);
    }
};
