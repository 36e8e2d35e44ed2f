#pragma once

// A main window with a page to insert into, and the user's way through the dialogs its
// menus open: trigger the menu item, find the dialog by name, fill it, press its
// buttons, and answer the message boxes, file dialogs and colour pickers they open.

#include "support/MainFormFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace DialogDriver {

using InsertTest = TestSupport::MainFormTest;
using TestSupport::field;

// Presses a button that opens a modal window of its own and lets answer deal with it
// (a message box, a file dialog); the caller's dialog stays open to go on with.
inline void clickAnswering(QAbstractButton* button, const std::function<void(QWidget*)>& answer) {
    QWidget* before = QApplication::activeModalWidget();
    bool answered = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!answered && modal && modal != before && modal->isVisible()) {
            answered = true;
            answer(modal);
        }
    });
    poll.start();
    button->click();
}

// Presses a button that shows a message box, answers it with OK and returns its text
// ("" when no box came).
inline QString clickAnsweringMessage(QAbstractButton* button) {
    QString text;
    clickAnswering(button, [&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) {
            ADD_FAILURE() << "expected a message box, got " << qPrintable(w->objectName());
            w->close();
            return;
        }
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    return text;
}

// Cancels the modal window a button opened (a file dialog).
inline void cancelDialog(QWidget* w) {
    if (auto* dialog = qobject_cast<QDialog*>(w))
        dialog->reject();
    else
        w->close();
}

// Chooses a file in the file dialog a browse button opened, as typed into its name box.
inline void chooseFile(QWidget* w, const QString& path) {
    auto* chooser = qobject_cast<QFileDialog*>(w);
    ASSERT_NE(chooser, nullptr) << "expected a file dialog, got " << qPrintable(w->objectName());
    auto* name = chooser->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(path);
    static_cast<QDialog*>(chooser)->accept();
    if (chooser->isVisible()) {
        ADD_FAILURE() << "the file dialog did not take " << qPrintable(path);
        chooser->reject();
    }
}

// The page's caret goes to the end of #p when the body has one.
class WithMainForm : public TestSupport::MainFormTest {
protected:
    void page(const QString& body) {
        MainFormTest::page(body);
        if (body.contains("id='p'"))
            TestSupport::caretAtEnd(editor, "#p");
    }
};

// Clicks something that shows a message box, answers it with button and returns its
// text ("" when no box came).
inline QString answerWhile(const std::function<void()>& click,
                           QMessageBox::StandardButton button = QMessageBox::Ok) {
    QString text = QStringLiteral("<no message>");
    TestSupport::answerMessageBox(button, &text);
    click();
    TestSupport::pump(30);
    return text;
}

// Answers the colour picker that opens next: with color, or cancels it (an invalid colour).
inline void answerColorPicker(const QColor& color) {
    TestSupport::whenModal([color](QWidget* w) {
        auto* picker = qobject_cast<QColorDialog*>(w);
        if (!picker) {
            ADD_FAILURE() << "expected the colour picker, got " << qPrintable(w->objectName());
            w->close();
            return;
        }
        if (color.isValid()) {
            picker->setCurrentColor(color);
            picker->accept();
        } else {
            picker->reject();
        }
    });
}

// Picks a colour in the colour picker that the click opens (an invalid colour cancels).
inline void pickColor(const std::function<void()>& click, const QColor& color) {
    answerColorPicker(color);
    click();
}

} // namespace DialogDriver
