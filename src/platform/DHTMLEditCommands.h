#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// The editing surface's published command identifiers and status values, in one list
// each: the C++ constants below and the editing script's DECMD and DECMDF objects (which
// the surface writes ahead of the script's files) are both made from them, so the two
// sides cannot disagree on a number. X(name, value) stands for DECMD_name = value.
#define TESSALY_DECMD_LIST(X)                                                                      \
    X(BOLD, 5000)                                                                                  \
    X(COPY, 5002)                                                                                  \
    X(CUT, 5003)                                                                                   \
    X(DELETE, 5004)                                                                                \
    X(DELETECELLS, 5005)                                                                           \
    X(DELETECOLS, 5006)                                                                            \
    X(DELETEROWS, 5007)                                                                            \
    X(FINDTEXT, 5008)                                                                              \
    X(FONT, 5009)                                                                                  \
    X(GETBACKCOLOR, 5010)                                                                          \
    X(GETBLOCKFMT, 5011)                                                                           \
    X(GETBLOCKFMTNAMES, 5012)                                                                      \
    X(GETFONTNAME, 5013)                                                                           \
    X(GETFONTSIZE, 5014)                                                                           \
    X(GETFORECOLOR, 5015)                                                                          \
    X(HYPERLINK, 5016)                                                                             \
    X(IMAGE, 5017)                                                                                 \
    X(INDENT, 5018)                                                                                \
    X(INSERTCELL, 5019)                                                                            \
    X(INSERTCOL, 5020)                                                                             \
    X(INSERTROW, 5021)                                                                             \
    X(INSERTTABLE, 5022)                                                                           \
    X(ITALIC, 5023)                                                                                \
    X(JUSTIFYCENTER, 5024)                                                                         \
    X(JUSTIFYLEFT, 5025)                                                                           \
    X(JUSTIFYRIGHT, 5026)                                                                          \
    X(LOCK_ELEMENT, 5027)                                                                          \
    X(MAKE_ABSOLUTE, 5028)                                                                         \
    X(MERGECELLS, 5029)                                                                            \
    X(ORDERLIST, 5030)                                                                             \
    X(OUTDENT, 5031)                                                                               \
    X(PASTE, 5032)                                                                                 \
    X(REDO, 5033)                                                                                  \
    X(REMOVEFORMAT, 5034)                                                                          \
    X(SELECTALL, 5035)                                                                             \
    X(SEND_BACKWARD, 5036)                                                                         \
    X(BRING_FORWARD, 5037)                                                                         \
    X(SEND_BELOW_TEXT, 5038)                                                                       \
    X(BRING_ABOVE_TEXT, 5039)                                                                      \
    X(SEND_TO_BACK, 5040)                                                                          \
    X(BRING_TO_FRONT, 5041)                                                                        \
    X(SETBACKCOLOR, 5042)                                                                          \
    X(SETBLOCKFMT, 5043)                                                                           \
    X(SETFONTNAME, 5044)                                                                           \
    X(SETFONTSIZE, 5045)                                                                           \
    X(SETFORECOLOR, 5046)                                                                          \
    X(SPLITCELL, 5047)                                                                             \
    X(UNDERLINE, 5048)                                                                             \
    X(UNDO, 5049)                                                                                  \
    X(UNLINK, 5050)                                                                                \
    X(UNORDERLIST, 5051)                                                                           \
    X(PROPERTIES, 5052)

// Likewise DECMDF_name = value.
#define TESSALY_DECMDF_LIST(X)                                                                     \
    X(NOTSUPPORTED, 0)                                                                             \
    X(DISABLED, 1)                                                                                 \
    X(ENABLED, 3)                                                                                  \
    X(LATCHED, 7)                                                                                  \
    X(NINCHED, 11)

#define TESSALY_DECMD_ENUMERATOR(name, value) DECMD_##name = value,
#define TESSALY_DECMDF_ENUMERATOR(name, value) DECMDF_##name = value,

enum DHTMLEDITCMDID : int { TESSALY_DECMD_LIST(TESSALY_DECMD_ENUMERATOR) };

// DECMDF_NINCHED is a mixed selection (two fonts, say).
enum DHTMLEDITCMDF : int { TESSALY_DECMDF_LIST(TESSALY_DECMDF_ENUMERATOR) };

#undef TESSALY_DECMD_ENUMERATOR
#undef TESSALY_DECMDF_ENUMERATOR

enum OLECMDEXECOPT : int {
    OLECMDEXECOPT_DODEFAULT = 0,
    OLECMDEXECOPT_PROMPTUSER = 1,
    OLECMDEXECOPT_DONTPROMPTUSER = 2,
};

// Filled by DECMD_GETBLOCKFMTNAMES with the names of the block formats, in order.
struct DEGetBlockFmtNamesParam {
    QStringList Names;
};

// The table DECMD_INSERTTABLE inserts at the selection.
struct DEInsertTableParam {
    int NumRows = 2;
    int NumCols = 2;
    QString TableAttrs = QStringLiteral("border=1 cellPadding=1 cellSpacing=1 width=75%");
    QString CellAttrs;
    QString Caption;
};

Q_DECLARE_METATYPE(DEGetBlockFmtNamesParam*)
Q_DECLARE_METATYPE(DEInsertTableParam*)
