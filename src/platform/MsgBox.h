#pragma once

#include <QString>

class QWidget;

// Message boxes with the button, icon and answer numbers the handlers are written
// in. A box has the program's title unless a title is given.
namespace vb {
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };
} // namespace vb

// The program's title, the caption of message boxes that have none of their own.
inline const QString AppTitle = QStringLiteral("Tessaly");

int MsgBox(const QString& prompt, int style = vb::vbOKOnly, const QString& title = QString(),
           QWidget* parent = nullptr);
