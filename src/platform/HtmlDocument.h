#pragma once

#include <QString>

class DHTMLEdit;

// The page's document as the dialogs reach it: the selection and its text range, the
// body, the title and the colours. Each call goes to the page afresh; a call that
// fails throws PlatformError.
class TextRange {
public:
    explicit TextRange(DHTMLEdit* editor) : editor_(editor) {}
    // The selected plain text; "" for a caret or a selected element.
    QString Text() const;
    // Replaces the selection (a selected element included), or inserts at the caret.
    void pasteHTML(const QString& html) const;

private:
    DHTMLEdit* editor_;
};

class Selection {
public:
    explicit Selection(DHTMLEdit* editor) : editor_(editor) {}
    // "None" (a caret or nothing), "Text" or "Control" (an element is selected).
    QString type() const;
    // Collapses the selection to the caret.
    void empty() const;
    TextRange createRange() const { return TextRange(editor_); }

private:
    DHTMLEdit* editor_;
};

class HtmlElement {
public:
    HtmlElement(DHTMLEdit* editor, const QString& which) : editor_(editor), which_(which) {}
    // where: "BeforeBegin", "AfterBegin", "BeforeEnd" or "AfterEnd".
    void insertAdjacentHTML(const QString& where, const QString& html) const;
    QString getAttribute(const QString& name) const;
    void setAttribute(const QString& name, const QString& value) const;
    void removeAttribute(const QString& name) const;
    QString innerHTML() const;

private:
    DHTMLEdit* editor_;
    QString which_;
};

class HtmlDocument {
public:
    explicit HtmlDocument(DHTMLEdit* editor) : editor_(editor) {}

    Selection selection() const { return Selection(editor_); }
    HtmlElement body() const { return HtmlElement(editor_, "body"); }
    HtmlElement head() const { return HtmlElement(editor_, "head"); }

    QString title() const { return property("title"); }
    void setTitle(const QString& v) const { setProperty("title", v); }
    QString bgColor() const { return property("bgColor"); }
    void setBgColor(const QString& v) const { setProperty("bgColor", v); }
    QString fgColor() const { return property("fgColor"); }
    void setFgColor(const QString& v) const { setProperty("fgColor", v); }
    QString linkColor() const { return property("linkColor"); }
    void setLinkColor(const QString& v) const { setProperty("linkColor", v); }
    QString vlinkColor() const { return property("vlinkColor"); }
    void setVlinkColor(const QString& v) const { setProperty("vlinkColor", v); }
    QString alinkColor() const { return property("alinkColor"); }
    void setAlinkColor(const QString& v) const { setProperty("alinkColor", v); }

    // The content of the page's first meta element whose attribute ("name" or
    // "http-equiv") is key, compared without regard to case; "" when it has none.
    QString metaContent(const QString& attribute, const QString& key) const;
    // Replaces every such element with the one meta element html holds, in the place of
    // the first of them (at the end of the head when there is none); an empty html
    // removes them all. A page that holds just one with the same content is left alone.
    void replaceMeta(const QString& attribute, const QString& key, const QString& html) const;

private:
    QString property(const QString& name) const;
    void setProperty(const QString& name, const QString& value) const;

    DHTMLEdit* editor_;
};
