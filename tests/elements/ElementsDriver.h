#pragma once

// A main window with a page to insert into, and the user's way through its element
// dialogs: trigger the menu item, find the dialog by name, fill it, press its buttons.

#include "core/MainForm.h"
#include "platform/DHTMLEdit.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QColorDialog>
#include <QDialog>
#include <QMessageBox>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace ElementsDriver {

class WithMainForm : public ::testing::Test {
protected:
    void SetUp() override {
        TestSupport::resetSettings();
        form = std::make_unique<MainForm>();
        form->resize(900, 700);
        form->show();
        editor = form->DHTMLEdit1;
    }
    void TearDown() override {
        if (form) {
            // An unchanged page closes without the save question.
            form->DHTMLEdit1->setDocumentHTML("<html><body></body></html>", false);
            form->close();
        }
        form.reset();
    }

    // Replaces the page with a body and puts the caret at the end of #p when there is one.
    void page(const QString& body) {
        editor->setDocumentHTML("<html><head></head><body>" + body + "</body></html>", false);
        if (body.contains("id='p'"))
            TestSupport::caretAtEnd(editor, "#p");
    }
    QString body() { return TestSupport::bodyHTML(editor); }
    QString html() { return editor->DocumentHTML(); }

    // Triggers action; act runs on the modal dialog it opens, which must be named name.
    // A dialog that act leaves open is cancelled.
    void withDialog(QAction* action, const QString& name,
                    const std::function<void(QDialog*)>& act) {
        bool opened = false;
        TestSupport::whenModal([&](QWidget* w) {
            auto* dialog = qobject_cast<QDialog*>(w);
            if (!dialog || w->objectName() != name) {
                ADD_FAILURE() << "expected the dialog " << qPrintable(name) << ", got "
                              << qPrintable(w->objectName());
                w->close();
                return;
            }
            opened = true;
            act(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        action->trigger();
        EXPECT_TRUE(opened) << qPrintable(name) << " did not open";
    }

    std::unique_ptr<MainForm> form;
    DHTMLEdit* editor = nullptr;
};

// A control of a dialog by name; fails the test when it is missing.
template <class T> T* field(QWidget* dialog, const QString& name) {
    T* w = TestSupport::child<T>(dialog, name);
    EXPECT_NE(w, nullptr) << "no control " << qPrintable(name);
    return w;
}

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
