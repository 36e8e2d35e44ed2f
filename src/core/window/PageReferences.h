#pragma once

#include <QList>
#include <QString>

// The references a page really makes, found by the structure of its markup, style sheets
// and effect scripts rather than by searching the text: prose, comments and other
// attributes that merely look like "src=" are never references. Each one carries the
// exact place of its value, so a rewrite changes that value and nothing else.
namespace PageReferences {

enum class Kind {
    Attribute,  // src, href or background of an element
    StyleSheet, // href of <link rel="stylesheet">
    Script,     // src= of markup a page script writes with document.write('...')
    Import,     // @import of a style sheet
    Url,        // url(...) of a style sheet
};

struct Reference {
    qsizetype start = 0; // the value's first character in the text
    qsizetype end = 0;   // one past its last
    QString value;       // as the browser reads it: references and escapes decoded
    Kind kind = Kind::Attribute;
    QChar quote;       // the attribute's or the style string's quote, null when unquoted
    QChar scriptQuote; // for Script: the quote of the script string around the markup
    QString attribute; // the attribute's name in lower case ("" in style sheets)
};

struct Page {
    QList<Reference> references; // in the order of the text
    bool hasBase = false;        // a <base href> decides what relative references mean
};

// The references of a page: src, href and background attributes (any letter case, the
// first of each name in a tag) of every element; src= in markup the page's own scripts
// write with document.write/writeln and a string literal; @import and url() in <style>.
// Comments, script text otherwise, text content, title and textarea are never read.
Page InHtml(const QString& html);

// The @import and url() references of style sheet text between from and to (-1: its
// end), comments and strings that are no url() skipped.
QList<Reference> InCss(const QString& css, qsizetype from = 0, qsizetype to = -1);

// value written so that it takes reference's place and reads back as value.
QString Encode(const Reference& reference, const QString& value);

// A value as the browser reads it: character references decoded ("&amp;" gives "&").
QString DecodeValue(const QString& raw);

} // namespace PageReferences
