#pragma once

// Helpers for tests that drive the real editing surface and the dialogs as a user
// would: wait for the page, find a modal dialog when it opens, fill it by name.

#include <QApplication>
#include <QMessageBox>
#include <QRect>
#include <QString>
#include <QVariant>
#include <functional>
#include <ostream>
#include <string>

class DHTMLEdit;

// Failures show texts as text.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
// Texts compare as text, so that a failure shows them.
#define EXPECT_TEXT(actual, expected)                                                              \
    EXPECT_EQ(QString(actual).toStdString(), QString(expected).toStdString())
class QWidget;

namespace TestSupport {

// "x,y wxh", for messages about where a window or a part of it lies.
std::string rectText(const QRect& r);

// Processes events until condition holds or the time is up; returns the condition. The
// time is generous, so that no test depends on how busy the machine is.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 60000);
// Processes events for a while.
void pump(int ms = 50);

// Runs act on the next modal widget that opens (a dialog or a message box), from the
// event loop of whoever opened it. Several calls queue up, each for the next one.
void whenModal(const std::function<void(QWidget*)>& act, int timeoutMs = 60000);
// Forgets the waiters that have not fired.
void clearModalWaiters();
// Answers the next message box with button; its text goes to *text when given.
void answerMessageBox(QMessageBox::StandardButton button, QString* text = nullptr);
// Answers the next message box that opens with OK, recording its text.
void acceptMessageBox(QString* text = nullptr);

// The child of a window by object name, or nullptr.
template <class T> T* child(QObject* parent, const QString& name) {
    return parent ? parent->findChild<T*>(name) : nullptr;
}

// Forgets every stored setting (tests in one process share one settings folder).
void resetSettings();
// A stored setting, as the program reads it.
QString setting(const QString& app, const QString& section, const QString& key);
void storeSetting(const QString& app, const QString& section, const QString& key,
                  const QString& value);

// Files.
QString dataPath(const QString& relative); // tests/data/...
QString readText(const QString& path);
QByteArray readBytes(const QString& path);
void writeText(const QString& path, const QString& text);
void writeBytes(const QString& path, const QByteArray& bytes);
// Writes a page of about bytes bytes (sections of headings, paragraphs, tables and lists)
// whose last paragraph is <p id="last">The end</p>; returns path.
QString writeLargePage(const QString& path, qint64 bytes);

// The editing surface.
// Runs a script in the page; the surface's display state follows what it did.
QVariant js(DHTMLEdit* editor, const QString& script);
// Selects the text of the first element matching css, from start to end (character
// offsets in its text; end -1 is the end).
void selectText(DHTMLEdit* editor, const QString& css, int start = 0, int end = -1);
// Puts the caret at the end of the first element matching css.
void caretAtEnd(DHTMLEdit* editor, const QString& css);
// Types text into the page, key by key, as the user would.
void typeText(DHTMLEdit* editor, const QString& text);
// Presses one key (with modifiers) in the page, as the user would.
void pressKey(DHTMLEdit* editor, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Clicks the page at a point of the surface.
void clickAt(DHTMLEdit* editor, const QPoint& point, Qt::MouseButton button = Qt::LeftButton);
// Where the first element matching css is on the surface (its centre), or (-1,-1).
QPoint centreOf(DHTMLEdit* editor, const QString& css);
// The page's body, as the engine holds it.
QString bodyHTML(DHTMLEdit* editor);

} // namespace TestSupport
