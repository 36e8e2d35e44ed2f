// Prints what saving costs on this machine: the "Copy" method on a page of many local
// references, and opening and saving a large page beside the bare file and engine work.
#include "core/MainForm.h"
#include "core/Module1.h"
#include "platform/DHTMLEdit.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

namespace {

// A one-pixel picture; bytes after its end make each file different.
const QByteArray Gif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000"
                                           "002c00000000010001000002024401003b");

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A page of about `bytes` with `references` references (src=, background= and href=) to
// `files` pictures in folder.
QString linkedPage(const QString& folder, qint64 bytes, int references, int files) {
    QDir().mkpath(folder);
    for (int i = 0; i < files; ++i)
        write(QString("%1/pic%2.gif").arg(folder).arg(i), Gif + QByteArray::number(i));
    const qint64 filler = qMax<qint64>(0, bytes / references - 120);
    const QString text = QString("Lorem ipsum dolor sit amet, consectetur adipiscing elit. ")
                             .repeated(int(filler / 57) + 1)
                             .left(int(filler));
    QString html = "<html><head><title>Linked</title></head><body>\r\n";
    static const char* kinds[] = {"<img src=\"%1\">", "<table background=\"%1\"><tr><td>",
                                  "<a href=\"file://%1\">"};
    static const char* ends[] = {"", "</td></tr></table>", "</a>"};
    for (int i = 0; i < references; ++i) {
        const int kind = i % 3;
        const QString picture = QString("%1/pic%2.gif").arg(folder).arg(i % files);
        html += QString(kinds[kind]).arg(picture) + "<p>" + text + "</p>" + ends[kind] + "\r\n";
    }
    return html + "</body></html>\r\n";
}

double ms(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

double copyPasses(const QString& html, const QString& page) {
    QElapsedTimer t;
    t.start();
    QString out = Module1::CopyLinkedFiles(html, "src=", page);
    out = Module1::CopyLinkedFiles(out, "background=", page);
    out = Module1::CopyLinkedFiles(out, "href=", page);
    return ms(t);
}

} // namespace

int main(int argc, char** argv) {
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTemporaryDir dir;

    // The "Copy" method's scan, rewrite and copies alone, at two sizes: twice the page
    // and twice the references should cost about twice as much.
    const QString pics = dir.filePath("pics");
    const QString small = linkedPage(pics, 1 << 20, 1000, 250);
    const QString large = linkedPage(pics, 2 << 20, 2000, 500);
    QDir().mkpath(dir.filePath("site1"));
    QDir().mkpath(dir.filePath("site2"));
    QDir().mkpath(dir.filePath("site3"));
    const double copySmall = copyPasses(small, dir.filePath("site1/index.htm"));
    const double copyLarge = copyPasses(large, dir.filePath("site2/index.htm"));
    const double copyAgain = copyPasses(large, dir.filePath("site2/index.htm"));

    // The whole save with "Copy" from the main window.
    auto* form = new MainForm;
    form->show();
    DHTMLEdit* editor = form->DHTMLEdit1;
    const QString linked = dir.filePath("site3/index.htm");
    write(linked, large.toUtf8());
    editor->LoadDocument(linked);
    // The engine's share of such a save: the page's source, writing the rewritten
    // source back into the page, and the reload from the file.
    QElapsedTimer t;
    t.start();
    const QString source = editor->DocumentHTML();
    const double getSource = ms(t);
    t.restart();
    editor->setDocumentHTML(source, true);
    const double putSource = ms(t);
    t.restart();
    editor->LoadDocument(linked);
    const double reload = ms(t);

    Module1::PublishLocalMode = "Copy";
    t.restart();
    const bool savedLinked = form->SavePage(false);
    const double saveCopy = ms(t);

    // A 20 MB page: opening and saving it beside reading and writing its file and the
    // engine's own load.
    QByteArray big = "<html><head><title>Big</title></head><body>\n";
    int n = 0;
    while (big.size() < 20 * 1024 * 1024)
        big += "<h2>Section " + QByteArray::number(n++) +
               "</h2>\n<p>Lorem <b>ipsum</b> dolor sit amet, <a href=\"page.html\">consectetur"
               "</a> adipiscing elit, sed do eiusmod tempor.</p>\n";
    big += "</body></html>\n";
    const QString bigPage = dir.filePath("big.html");
    write(bigPage, big);

    t.restart();
    const QByteArray bytes = read(bigPage);
    write(dir.filePath("big-copy.html"), bytes);
    const double fileIo = ms(t);

    t.restart();
    editor->LoadDocument(bigPage);
    const double engineLoad = ms(t);

    Module1::PublishLocalMode = "AbsolutePath";
    t.restart();
    editor->LoadDocument(bigPage);
    const bool savedBig = form->SavePage(false);
    const double openAndSave = ms(t);

    editor->setDocumentHTML("<html><body></body></html>");
    delete form;

    std::printf("Copy passes, 1 MB, 1000 references to 250 files: %8.1f ms\n", copySmall);
    std::printf("Copy passes, 2 MB, 2000 references to 500 files: %8.1f ms\n", copyLarge);
    std::printf("  again, every file already there:             %8.1f ms\n", copyAgain);
    std::printf("SavePage with Copy, 2 MB page (saved %d):       %8.1f ms\n", savedLinked,
                saveCopy);
    std::printf("  engine: DocumentHTML %.1f, setDocumentHTML %.1f, reload %.1f ms\n", getSource,
                putSource, reload);
    std::printf("20 MB page: read + write the file:              %8.1f ms\n", fileIo);
    std::printf("20 MB page: the engine's own load:              %8.1f ms\n", engineLoad);
    std::printf("20 MB page: open and save (saved %d):           %8.1f ms  (%.2f x file + "
                "load)\n",
                savedBig, openAndSave, openAndSave / (fileIo + engineLoad));
    return 0;
}
