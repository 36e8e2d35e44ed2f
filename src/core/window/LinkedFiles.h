#pragma once

#include <QString>
#include <QStringList>

// What a save does with the files a page refers to, so that the saved page shows what
// the editor showed. With "Copy" the page's folder is made publishable as it stands: a
// file named by a full path comes into the folder under its bare name; when the page
// moves to another folder, a relative reference's file comes along to the same relative
// place (or, when it lies outside the old folder, under its bare name), and a style sheet
// that comes along brings what it uses. With "AbsolutePath" a moving page's relative
// references become absolute file references. Nothing is ever overwritten: a reference
// whose file cannot be brought keeps naming the original, and is reported.
namespace LinkedFiles {

enum class Method { Copy, AbsolutePath };

struct Request {
    QString pagePath; // where the page is about to be written
    QString fromPath; // where it was loaded from or last saved, "" for a page never saved:
                      // its relative references were written against that folder
    Method method = Method::Copy;
    QString onlyAttribute; // "" for every reference; else only attributes of that name
                           // (and with "src" the sources written by the page's scripts)
};

struct Result {
    QString html;          // the page, rewritten only in the values of its references
    QStringList notCopied; // "file (why)" for each file that could not be brought
};

Result Publish(const QString& html, const Request& request);

// The message shown after a save that could not bring every file ("" when it could):
// at most ten of them by name, then how many more.
QString NotCopiedMessage(const QStringList& notCopied);

// Copies the local files the page names by full path in the attribute of token ("src=",
// "background=", "href=") into the page's folder and rewrites those references to the
// bare file names. A save takes every reference at once: Publish.
QString CopyLinkedFiles(const QString& html, const QString& token, const QString& pagePath);

} // namespace LinkedFiles
