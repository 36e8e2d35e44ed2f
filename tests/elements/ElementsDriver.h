#pragma once

// A main window with a page to insert into, and the user's way through its element
// dialogs: trigger the menu item, find the dialog by name, fill it, press its buttons.

#include "support/MainFormFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QColorDialog>
#include <QDialog>
#include <QMessageBox>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace ElementsDriver {

// The page's caret goes to the end of #p when the body has one.
class WithMainForm : public TestSupport::MainFormTest {
protected:
    void page(const QString& body) {
        MainFormTest::page(body);
        if (body.contains("id='p'"))
            TestSupport::caretAtEnd(editor, "#p");
    }
};

using TestSupport::field;

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

// Picks a colour in the colour picker that the click opens (an invalid colour cancels).
inline void pickColor(const std::function<void()>& click, const QColor& color) {
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
    click();
}

} // namespace ElementsDriver
