#pragma once

#include <QString>

// The markup of the bookmark, hyperlink and e-mail link dialogs, built from what the
// user typed. Nothing is trimmed but the e-mail subject, and nothing encoded but that
// subject, which is an address's query value; a text that goes into an attribute or a
// script string follows core/GeneratedHtml.h, so nothing typed into it can end it or
// read as a reference, and link texts go in as typed. The dialogs only gather their
// fields and call these.

// ---- bookmark -----------------------------------------------------------------------
struct BookmarkChoices {
    QString name; // Target
    QString text; // Source, may be empty
};
QString BuildBookmark(const BookmarkChoices& c);

// ---- hyperlink ----------------------------------------------------------------------
struct HyperlinkChoices {
    QString text;    // LText1
    QString address; // httpsite
    bool toAnchor = false;
    QString anchorName; // Text1, read only when toAnchor
    bool newWindow = false;
    QString overText; // Text2
    QString outText;  // Text3
};

// The optional attribute pieces of the link.
QString NewWindowPiece(bool newWindow);
QString MouseOverPiece(const QString& overText);
QString MouseOutPiece(const QString& overText, const QString& outText);

// The box a refused entry sends the user back to.
enum class HyperlinkField { None, Text, Address };

struct HyperlinkOutcome {
    QString message; // not empty: refused, tell the user
    HyperlinkField focus = HyperlinkField::None;
    QString html;               // the link when accepted
    bool clearsAddress = false; // a bookmark on this page empties the address box
};
// Checks the choices in order (the first rule that applies decides) and builds the link.
HyperlinkOutcome BuildHyperlink(const HyperlinkChoices& c);

// ---- e-mail link --------------------------------------------------------------------
struct EmailChoices {
    QString address; // Email
    QString subject; // txtSubject
    QString text;    // MailToText
    QString image;   // txtImage
    bool antiSpam = true;
};

enum class EmailField { None, Address, Text };

struct EmailOutcome {
    QString message; // not empty: refused, tell the user
    EmailField focus = EmailField::None;
    QString snippet;   // the link
    QString bodyStart; // the script for the start of the body ("" for a plain link)
};
EmailOutcome BuildEmailLink(const EmailChoices& c);

// The script that joins a spam-resistant address again when the link is clicked.
QString SendEmailScript();

// An address cut at its first "@" and the first "." after it.
struct AddressParts {
    QString name;
    QString domain;
    QString extension;
};
AddressParts SplitAddress(const QString& address);
// True when the address has an "@" with a "." somewhere after it.
bool IsCompleteAddress(const QString& address);
