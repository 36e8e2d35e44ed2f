#include "platform/MsgBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

int MsgBox(const QString& prompt, int style, const QString& title, QWidget* parent) {
    if (!parent)
        parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                   : QApplication::activeWindow();
    // On the heap: a parent destroyed while the box is up takes the box with it.
    QPointer<QMessageBox> owned = new QMessageBox(parent);
    QMessageBox& box = *owned;
    box.setObjectName("MsgBox");
    box.setWindowTitle(title.isEmpty() ? AppTitle : title);
    box.setText(prompt);
    switch (style & 0x70) {
    case vb::vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case vb::vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case vb::vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case vb::vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    switch (style & 0x7) {
    case vb::vbOKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case vb::vbYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case vb::vbYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    const int answer = box.exec();
    delete owned.data();
    switch (answer) {
    case QMessageBox::Yes:
        return vb::vbYes;
    case QMessageBox::No:
        return vb::vbNo;
    case QMessageBox::Cancel:
        return vb::vbCancel;
    default:
        // Closing a Yes/No/Cancel box with Escape or its close button answers Cancel.
        return (style & 0x7) == vb::vbYesNoCancel || (style & 0x7) == vb::vbOKCancel ? vb::vbCancel
                                                                                     : vb::vbOK;
    }
}
