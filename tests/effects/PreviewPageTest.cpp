// Where the preview file goes, what happens when it cannot be written, and the browser
// view that shows it.
#include "core/Module1.h"
#include "core/PageFile.h"
#include "effects/EffectsDriver.h"
#include "effects/Preview.h"
#include "effects/PreviewFile.h"
#include "platform/WebBrowser.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

// A folder whose permission bits grant no write, for as long as it lives.
struct ReadOnlyFolder {
    QTemporaryDir dir;
    explicit ReadOnlyFolder(const QByteArray& oldPreview = {}) {
        if (!oldPreview.isEmpty())
            writeBytes(dir.path() + "/fx-prvw.htm", oldPreview);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder() {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path() const { return dir.path(); }
};

class PreviewFolders : public ::testing::Test {
protected:
    void SetUp() override {
        oldCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    }
    void TearDown() override {
        qputenv("XDG_CACHE_HOME", oldCache);
        PreviewFile::SetFolder(QString());
        PageFile::SetWriteFault({});
        Module1::PendingSnippet.clear();
        Module1::PendingBodyStart.clear();
    }
    QByteArray oldCache;
    QTemporaryDir cache;
};

// Shows the preview of the insertion strings and waits for its page.
void showPreview(Preview& p) {
    p.show();
    EXPECT_TRUE(waitUntil([&] { return p.WebBrowser1->ReadyState(); }, 15000));
}

} // namespace

TEST_F(PreviewFolders, AFolderThatCannotBeWrittenGivesWayToTheCache) {
    ReadOnlyFolder program("<p>old</p>");
    PreviewFile::SetFolder(program.path());
    const QString written = PreviewFile::Write("<p>new</p>");
    EXPECT_TRUE(written.startsWith(cache.path() + "/")) << qPrintable(written);
    EXPECT_TRUE(written.endsWith("/fx-prvw.htm"));
    EXPECT_EQ(readText(written), "<p>new</p>");
    EXPECT_EQ(readText(program.path() + "/fx-prvw.htm"), "<p>old</p>");
}

TEST_F(PreviewFolders, AWriteThatFailsHalfwayLeavesTheOldFileWholeAndGoesOn) {
    QTemporaryDir program;
    writeText(program.path() + "/fx-prvw.htm", "<p>old</p>");
    PreviewFile::SetFolder(program.path());
    int writes = 0;
    PageFile::SetWriteFault([&](qint64 written) { return written == 0 && ++writes == 1; });
    const QString written = PreviewFile::Write(QString(100000, 'x'));
    EXPECT_TRUE(written.startsWith(cache.path() + "/")) << qPrintable(written);
    EXPECT_EQ(readText(program.path() + "/fx-prvw.htm"), "<p>old</p>");
}

TEST_F(PreviewFolders, WhenNoFolderTakesThePageItIsShownFromMemoryNeverAnOldFile) {
    ReadOnlyFolder program("<HTML><BODY><marquee>Old effect</marquee></BODY></HTML>");
    ReadOnlyFolder noCache;
    qputenv("XDG_CACHE_HOME", (noCache.path() + "/sub").toLocal8Bit());
    PreviewFile::SetFolder(program.path());
    EXPECT_EQ(PreviewFile::Write("<p>new</p>"), "");

    Module1::PendingSnippet = "<marquee>New effect</marquee>";
    Preview p;
    showPreview(p);
    EXPECT_EQ(p.File(), "");
    EXPECT_EQ(EffectsDriver::previewText(&p, "marquee"), "New effect");
    EXPECT_EQ(readText(program.path() + "/fx-prvw.htm"),
              "<HTML><BODY><marquee>Old effect</marquee></BODY></HTML>");
}

TEST_F(PreviewFolders, ThePreviewShowsWhatWasTypedInAnyLanguage) {
    QTemporaryDir program;
    PreviewFile::SetFolder(program.path());
    const QString typed = "Ελληνικά 日本語 € “quotes” Ünïcödé";
    Module1::PendingSnippet = "<p id=\"t\">" + typed + "</p>";
    Preview p;
    showPreview(p);
    EXPECT_EQ(p.File(), program.path() + "/fx-prvw.htm");
    EXPECT_TRUE(readBytes(p.File()).contains(typed.toUtf8()));
    EXPECT_EQ(EffectsDriver::previewText(&p, "#t"), typed);
}

namespace {

// Answers every request with a small page and counts them.
class TinyServer : public QTcpServer {
public:
    TinyServer() {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    if (!s->readAll().startsWith("GET"))
                        return;
                    ++requests;
                    s->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n"
                             "<html><body>remote page</body></html>");
                    s->disconnectFromHost();
                });
            }
        });
        listen(QHostAddress::LocalHost);
    }
    QString url(const QString& path) const {
        return QString("http://127.0.0.1:%1/%2").arg(serverPort()).arg(path);
    }
    int requests = 0;
};

} // namespace

TEST(WebBrowserControl, AFilePageShowsAFrameFromTheWeb) {
    TinyServer server;
    QTemporaryDir dir;
    writeText(dir.path() + "/p.htm", "<html><body><iframe src=\"" + server.url("frame.htm") +
                                         "\"></iframe></body></html>");
    WebBrowser browser;
    browser.resize(400, 300);
    browser.show();
    browser.Navigate(dir.path() + "/p.htm");
    EXPECT_TRUE(waitUntil([&] { return server.requests > 0; }, 10000))
        << "the frame was never requested";
}

TEST(WebBrowserControl, ANewWindowOpensInTheSameView) {
    QTemporaryDir dir;
    writeText(dir.path() + "/second.htm", "<html><body id='b'>second page</body></html>");
    writeText(dir.path() + "/first.htm", "<html><body><a id='a' href='second.htm' "
                                         "target='_blank'>go</a></body></html>");
    WebBrowser browser;
    browser.resize(400, 300);
    browser.show();
    browser.Navigate(dir.path() + "/first.htm");
    ASSERT_TRUE(waitUntil([&] { return browser.ReadyState(); }, 10000));
    // From a timer: the script's answer would not outlive the page it replaces.
    browser.Evaluate("setTimeout(function(){ window.open('second.htm', '_blank'); }, 0); true");
    EXPECT_TRUE(waitUntil(
        [&] {
            return browser.LocationURL().endsWith("/second.htm") && browser.ReadyState() &&
                   browser.Evaluate("document.body.textContent").toString() == "second page";
        },
        10000))
        << qPrintable(browser.LocationURL());
}
