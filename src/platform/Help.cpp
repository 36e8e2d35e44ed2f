#include "platform/Help.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

QString& helpFile() {
    static QString file;
    return file;
}

int& shownTopic() {
    static int topic = -1;
    return topic;
}

QString helpFolder() {
    const QString file =
        helpFile().isEmpty() ? QCoreApplication::applicationDirPath() + "/tessaly.hlp" : helpFile();
    return QFileInfo(QDir::fromNativeSeparators(file)).absolutePath() + "/help";
}

class HelpWindow : public QTextBrowser {
public:
    // A help window opened from a modal dialog belongs to it, or the dialog would
    // block it.
    explicit HelpWindow(QWidget* owner) : QTextBrowser(owner) {
        setWindowFlags(Qt::Window);
        setObjectName("HelpWindow");
        setWindowTitle("Tessaly Help");
        setOpenExternalLinks(true);
        resize(640, 520);
        setAttribute(Qt::WA_DeleteOnClose);
    }
    ~HelpWindow() override { shownTopic() = -1; }
};

QPointer<HelpWindow>& window() {
    static QPointer<HelpWindow> w;
    return w;
}

class F1Filter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            if (auto* w = qobject_cast<QWidget*>(watched)) {
                Help::SendF1(w);
                return true;
            }
        }
        return false;
    }
};

} // namespace

namespace Help {

void SetHelpFile(const QString& path) {
    helpFile() = path;
}
QString HelpFile() {
    return helpFile();
}

void InstallF1Handler() {
    static F1Filter* filter = nullptr;
    if (!filter && qApp) {
        filter = new F1Filter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
}

int TopicOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant id = w->property("HelpContextID");
        if (id.isValid())
            return id.toInt();
    }
    return 0;
}

void ShowTopic(int topic) {
    QDir folder(helpFolder());
    QString page = folder.filePath(QString("topic-%1.html").arg(topic));
    if (!QFileInfo::exists(page)) {
        topic = 0;
        page = folder.filePath("topic-0.html");
    }
    QWidget* owner = QApplication::activeModalWidget();
    if (window() && window()->parentWidget() != owner)
        delete window();
    if (!window())
        window() = new HelpWindow(owner);
    window()->setSource(QUrl::fromLocalFile(page));
    shownTopic() = topic;
    window()->show();
    window()->raise();
}

void SendF1(QWidget* widget) {
    ShowTopic(TopicOf(widget));
}

int ShownTopic() {
    return window() ? shownTopic() : -1;
}

} // namespace Help
