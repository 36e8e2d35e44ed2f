#pragma once

// A test with a real main window and its page, and the user's way through the dialogs
// it opens: trigger the menu item, find the dialog by name, fill it, press its buttons.

#include "core/window/MainForm.h"
#include "platform/DHTMLEdit.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDialog>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace TestSupport {

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetSettings();
        form = std::make_unique<MainForm>();
        form->resize(1000, 700);
        form->show();
        editor = form->DHTMLEdit1;
    }
    void TearDown() override {
        clearModalWaiters();
        if (form) {
            // An unchanged page closes without the save question.
            form->DHTMLEdit1->setDocumentHTML("<html><body></body></html>", false);
            form->close();
        }
        form.reset();
    }

    // Replaces the page with a body.
    void page(const QString& body) {
        editor->setDocumentHTML("<html><head></head><body>" + body + "</body></html>", false);
    }
    QString body() { return bodyHTML(editor); }
    QString html() { return editor->DocumentHTML(); }

    // Triggers action; act runs on the modal dialog it opens, which must be named name.
    // A dialog act leaves open is cancelled.
    void withDialog(QAction* action, const QString& name,
                    const std::function<void(QDialog*)>& act) {
        bool opened = false;
        whenModal([&](QWidget* w) {
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
    T* w = child<T>(dialog, name);
    EXPECT_NE(w, nullptr) << "no control " << qPrintable(name);
    return w;
}

} // namespace TestSupport
