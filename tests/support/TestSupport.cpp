#include "support/TestSupport.h"

#include "platform/DHTMLEdit.h"
#include "platform/Settings.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace TestSupport {

std::string rectText(const QRect& r) {
    return QString("%1,%2 %3x%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(5);
    }
    return true;
}

void pump(int ms) {
    QTest::qWait(ms);
}

namespace {
struct Waiter {
    std::function<void(QWidget*)> act;
    QDeadlineTimer deadline;
    QPointer<QWidget> seen; // the modal widget that was up when the wait began
};
QList<Waiter>& waiters() {
    static QList<Waiter> list;
    return list;
}
QTimer& poller() {
    static QTimer* timer = [] {
        auto* t = new QTimer(qApp);
        t->setInterval(20);
        QObject::connect(t, &QTimer::timeout, [] {
            if (waiters().isEmpty()) {
                poller().stop();
                return;
            }
            Waiter& w = waiters().first();
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != w.seen && modal->isVisible()) {
                auto act = w.act;
                waiters().removeFirst();
                act(modal);
            } else if (w.deadline.hasExpired()) {
                waiters().removeFirst();
            }
        });
        return t;
    }();
    return *timer;
}
} // namespace

void whenModal(const std::function<void(QWidget*)>& act, int timeoutMs) {
    Waiter w{act, QDeadlineTimer(timeoutMs), QApplication::activeModalWidget()};
    // A waiter queued behind others starts looking once those have fired.
    if (!waiters().isEmpty())
        w.seen = nullptr;
    waiters().append(w);
    poller().start();
}

void clearModalWaiters() {
    waiters().clear();
}

void answerMessageBox(QMessageBox::StandardButton button, QString* text) {
    whenModal([button, text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box) {
            w->close();
            return;
        }
        if (text)
            *text = box->text();
        if (QAbstractButton* b = box->button(button)) {
            b->click();
            return;
        }
        // The box has no such answer: end it anyway, so the test fails instead of hanging.
        ADD_FAILURE() << "the message box has no button " << int(button) << ": "
                      << box->text().toStdString();
        if (!box->buttons().isEmpty())
            box->buttons().last()->click();
        else
            box->close();
    });
}

void acceptMessageBox(QString* text) {
    answerMessageBox(QMessageBox::Ok, text);
}

void resetSettings() {
    QFile::remove(Settings::FileFor("TSLY"));
    QFile::remove(Settings::FileFor("Tessaly"));
}

QString setting(const QString& app, const QString& section, const QString& key) {
    return Settings::GetSetting(app, section, key, "<unset>");
}

void storeSetting(const QString& app, const QString& section, const QString& key,
                  const QString& value) {
    Settings::SaveSetting(app, section, key, value);
}

QString dataPath(const QString& relative) {
    return QString(TESSALY_TEST_DATA) + "/" + relative;
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString readText(const QString& path) {
    return QString::fromUtf8(readBytes(path));
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QString writeLargePage(const QString& path, qint64 bytes) {
    QByteArray page = "<html><head><title>Large</title></head><body>\n";
    page.reserve(bytes + 1024);
    for (int n = 0; page.size() < bytes; ++n) {
        const QByteArray i = QByteArray::number(n);
        page += "<h2>Section " + i + "</h2>\n<p>Lorem <b>ipsum</b> dolor sit amet, <a href=\"p" +
                i +
                ".html\">consectetur</a> adipiscing elit.</p>\n<table border=1><tr><td>a</td>"
                "<td>b</td></tr></table>\n<ul><li>one</li><li>two</li></ul>\n";
    }
    page += "<p id=\"last\">The end</p>\n</body></html>\n";
    writeBytes(path, page);
    return path;
}

void writeText(const QString& path, const QString& text) {
    writeBytes(path, text.toUtf8());
}

QVariant js(DHTMLEdit* editor, const QString& script) {
    const QVariant value = editor->runScript(script);
    // What the script did to the selection is in the surface's display state at once,
    // as a DisplayChanged would have brought it.
    editor->syncDisplayState();
    return value;
}

static QString quoted(const QString& s) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

void selectText(DHTMLEdit* editor, const QString& css, int start, int end) {
    js(editor, QString(R"((function(){
        const el = document.querySelector(%1);
        const walker = document.createTreeWalker(el, NodeFilter.SHOW_TEXT);
        let pos = 0, n, r = document.createRange(), s = %2, e = %3, started = false;
        const total = el.textContent.length;
        if (e < 0) e = total;
        while ((n = walker.nextNode())) {
            const len = n.data.length;
            if (!started && s <= pos + len) { r.setStart(n, s - pos); started = true; }
            if (started && e <= pos + len) { r.setEnd(n, e - pos); break; }
            pos += len;
        }
        if (!started) { r.selectNodeContents(el); }
        const sel = getSelection(); sel.removeAllRanges(); sel.addRange(r);
        return true; })())")
                   .arg(quoted(css))
                   .arg(start)
                   .arg(end));
}

void caretAtEnd(DHTMLEdit* editor, const QString& css) {
    js(editor, QString(R"((function(){
        const el = document.querySelector(%1);
        const r = document.createRange(); r.selectNodeContents(el); r.collapse(false);
        const sel = getSelection(); sel.removeAllRanges(); sel.addRange(r);
        return true; })())")
                   .arg(quoted(css)));
}

static QWidget* surfaceWidget(DHTMLEdit* editor) {
    QWidget* proxy = editor->view()->focusProxy();
    return proxy ? proxy : editor->view();
}

// The page takes the keyboard as it does when the user works in it: its window active
// (a dialog that has just closed may have left none active) and the view focused.
static void focusSurface(DHTMLEdit* editor) {
    QWidget* window = editor->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        (void)QTest::qWaitForWindowActive(window);
    }
    editor->view()->setFocus();
}

void typeText(DHTMLEdit* editor, const QString& text) {
    focusSurface(editor);
    QWidget* target = surfaceWidget(editor);
    for (const QChar c : text) {
        // The test library knows keys for ASCII only; other letters come as the text of
        // a key, as an input method gives them.
        if (c.unicode() < 0x80)
            QTest::keyClick(target, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    pump(50);
}

void pressKey(DHTMLEdit* editor, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    focusSurface(editor);
    QTest::keyClick(surfaceWidget(editor), key, modifiers);
    pump(50);
}

void clickAt(DHTMLEdit* editor, const QPoint& point, Qt::MouseButton button) {
    QTest::mouseClick(surfaceWidget(editor), button, Qt::NoModifier, point);
    pump(50);
}

QPoint centreOf(DHTMLEdit* editor, const QString& css) {
    const QVariantMap r = js(editor, QString(R"((function(){
        const el = document.querySelector(%1); if (!el) return null;
        const b = el.getBoundingClientRect();
        return {x: Math.round(b.left + b.width / 2), y: Math.round(b.top + b.height / 2)}; })())")
                                         .arg(quoted(css)))
                              .toMap();
    if (r.isEmpty())
        return {-1, -1};
    return {r.value("x").toInt(), r.value("y").toInt()};
}

QString bodyHTML(DHTMLEdit* editor) {
    return js(editor, "document.body.innerHTML").toString();
}

} // namespace TestSupport
