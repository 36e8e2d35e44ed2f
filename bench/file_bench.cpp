// Prints what saving costs on this machine: the "Copy" method's passes on a page of many
// local references, and the whole save of such a page from the main window beside its
// floor measured in the same run: the bare engine's serialisation of the page, writing
// the file, and the bare engine loading it again.
#include "core/window/LinkedFiles.h"
#include "core/window/MainForm.h"
#include "core/Module1.h"
#include "platform/DHTMLEdit.h"

#include "BenchSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A one-pixel picture; bytes after its end make each file different.
const QByteArray Gif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000"
                                           "002c00000000010001000002024401003b");

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
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

// The save's step for the linked files alone: the page's references found, its files
// copied and their references rewritten.
double copyPasses(const QString& html, const QString& page) {
    QElapsedTimer t;
    t.start();
    const LinkedFiles::Result out =
        LinkedFiles::Publish(html, {page, page, LinkedFiles::Method::Copy, QString()});
    const double ms = msSince(t);
    if (out.html == html || !out.notCopied.isEmpty())
        std::printf("  (the copy step did not rewrite every reference)\n");
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    BenchApp app(argc, argv);
    QTemporaryDir dir;

    // The "Copy" method's scan, rewrite and copies alone, at two sizes: twice the page
    // and twice the references should cost about twice as much.
    const QString pics = dir.filePath("pics");
    const QString small = linkedPage(pics, 1 << 20, 1000, 250);
    const QString large = linkedPage(pics, 2 << 20, 2000, 500);
    QDir().mkpath(dir.filePath("site1"));
    QDir().mkpath(dir.filePath("site2"));
    const double copySmall = copyPasses(small, dir.filePath("site1/index.htm"));
    const double copyLarge = copyPasses(large, dir.filePath("site2/index.htm"));
    const double copyAgain = copyPasses(large, dir.filePath("site2/index.htm"));

    // The whole save with "Copy" from the main window, each time into a new folder (so
    // every reference is rewritten and every file copied), by turns with its floor.
    auto* form = new MainForm;
    form->show();
    DHTMLEdit* editor = form->DHTMLEdit1;
    Module1::PublishLocalMode = "Copy";
    std::vector<double> saves, floors, sources, writes, reloads;
    bool allSaved = true;
    for (int round = 0; round < 5; ++round) {
        const QString site = dir.filePath(QString("site-%1").arg(round));
        QDir().mkpath(site);
        const QString linked = site + "/index.htm";
        write(linked, large.toUtf8());

        QElapsedTimer t;
        {
            BareEngine engine;
            engine.load(linked);
            t.start();
            const QString source = engine.run("document.documentElement.outerHTML").toString();
            sources.push_back(msSince(t));
            t.restart();
            write(site + "/floor.htm", source.toUtf8());
            writes.push_back(msSince(t));
            reloads.push_back(engine.load(site + "/floor.htm"));
        }
        floors.push_back(sources.back() + writes.back() + reloads.back());

        editor->LoadDocument(linked);
        t.restart();
        allSaved = form->SavePage(false) && allSaved;
        saves.push_back(msSince(t));
    }
    editor->setDocumentHTML("<html><body></body></html>");
    delete form;

    const Figures save = figures(saves);
    const Figures floor = figures(floors);
    std::printf("Copy passes, 1 MB, 1000 references to 250 files: %8.1f ms\n", copySmall);
    std::printf("Copy passes, 2 MB, 2000 references to 500 files: %8.1f ms\n", copyLarge);
    std::printf("  again, every file already there:             %8.1f ms\n", copyAgain);
    std::printf("SavePage with Copy, 2 MB page (all saved %d):   %8.1f ms (median of 5)\n",
                allSaved, save.median);
    std::printf("  floor: bare source %.1f + write %.1f + bare reload %.1f = %.1f ms  ratio "
                "%.2f\n",
                figures(sources).median, figures(writes).median, figures(reloads).median,
                floor.median, save.median / floor.median);
    return 0;
}
