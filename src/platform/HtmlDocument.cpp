#include "platform/HtmlDocument.h"

#include "platform/DHTMLEdit.h"

QString TextRange::Text() const {
    return editor_->callEditor("selectionText").toString();
}

void TextRange::pasteHTML(const QString& html) const {
    editor_->callEditor("pasteHTML", {html});
}

QString Selection::type() const {
    return editor_->callEditor("selectionType").toString();
}

void Selection::empty() const {
    editor_->callEditor("selectionEmpty");
}

void HtmlElement::insertAdjacentHTML(const QString& where, const QString& html) const {
    editor_->callEditor("insertAdjacentHTML", {which_, where, html});
}

QString HtmlElement::getAttribute(const QString& name) const {
    return editor_->callEditor("getAttribute", {which_, name}).toString();
}

void HtmlElement::setAttribute(const QString& name, const QString& value) const {
    editor_->callEditor("setAttribute", {which_, name, value});
}

void HtmlElement::removeAttribute(const QString& name) const {
    editor_->callEditor("removeAttribute", {which_, name});
}

QString HtmlElement::innerHTML() const {
    return editor_->callEditor("innerHTML", {which_}).toString();
}

QString HtmlDocument::property(const QString& name) const {
    return editor_->callEditor("documentProperty", {name}).toString();
}

void HtmlDocument::setProperty(const QString& name, const QString& value) const {
    editor_->callEditor("setDocumentProperty", {name, value});
}

QString HtmlDocument::metaContent(const QString& attribute, const QString& key) const {
    return editor_->callEditor("metaContent", {attribute, key}).toString();
}

void HtmlDocument::replaceMeta(const QString& attribute, const QString& key,
                               const QString& html) const {
    editor_->callEditor("replaceMeta", {attribute, key, html});
}
