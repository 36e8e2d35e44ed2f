#pragma once

#include <QFile>
#include <QString>

// A page of about `bytes` bytes with the usual mix of a real page: headings,
// paragraphs with formatting and links, small tables and lists.
inline QString makeBenchPage(const QString& folder, qint64 bytes) {
    QByteArray page = "<html><head><title>Bench</title></head><body>\n";
    int n = 0;
    while (page.size() < bytes) {
        const QByteArray i = QByteArray::number(n);
        page += "<h2>Section " + i + "</h2>\n<p id=\"p" + i +
                "\">Lorem <b>ipsum</b> dolor sit amet, <font face=\"Arial\">consectetur</font> "
                "<a href=\"page" +
                i +
                ".html\">adipiscing</a> elit, sed do eiusmod tempor.</p>\n"
                "<table border=1><tr><td>a</td><td>b</td></tr></table>\n"
                "<ul><li>one</li><li>two</li></ul>\n";
        ++n;
    }
    page += "</body></html>\n";
    const QString path = folder + "/bench.html";
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(page);
    return path;
}

// A page of about `bytes` bytes of long paragraphs (about 1 kB of text each, ids p0, p1,
// ...): for sizes the usual mix cannot reach, its markup being so dense that the engine
// runs out of memory holding a page of 50 MB of it.
inline QString makeTextPage(const QString& folder, qint64 bytes) {
    QByteArray page = "<html><head><title>Bench</title></head><body>\n";
    page.reserve(bytes + 2048);
    const QByteArray text = QByteArray("Lorem ipsum dolor sit amet, consectetur adipiscing "
                                       "elit, sed do eiusmod tempor. ")
                                .repeated(12);
    for (int n = 0; page.size() < bytes; ++n) {
        const QByteArray i = QByteArray::number(n);
        page += "<h2>Section " + i + "</h2>\n<p id=\"p" + i + "\">" + text + "</p>\n";
    }
    page += "</body></html>\n";
    const QString path = folder + "/text.html";
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(page);
    return path;
}
