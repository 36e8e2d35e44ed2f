#pragma once

// A main window with a page to insert into, and the user's way through the Insert
// menu's dialogs: trigger the menu item, find the dialog by name, fill it, press OK.

#include "core/MainForm.h"
#include "platform/DHTMLEdit.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace InsertDriver {

class InsertTest : public ::testing::Test {
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
            form->DHTMLEdit1->setDocumentHTML("<html><body></body></html>", false);
            form->close();
        }
        form.reset();
    }

    // Replaces the page with a body.
    void page(const QString& body) {
        editor->setDocumentHTML("<html><head></head><body>" + body + "</body></html>", false);
    }
    QString body() { return TestSupport::bodyHTML(editor); }

    // Triggers action; act runs on the modal dialog it opens, which must be named name.
    // A dialog act leaves open is cancelled.
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

} // namespace InsertDriver
