// The markup of the bookmark, hyperlink and e-mail link dialogs, byte for byte.
#include "links/LinkMarkup.h"

#include <gtest/gtest.h>

namespace {
HyperlinkChoices linkTo(const QString& text, const QString& address) {
    HyperlinkChoices c;
    c.text = text;
    c.address = address;
    return c;
}

EmailChoices mail(const QString& address, const QString& text, bool antiSpam = true) {
    EmailChoices c;
    c.address = address;
    c.text = text;
    c.antiSpam = antiSpam;
    return c;
}

const char* Script = "<script type='text/javascript' language='javascript'>\r\n"
                     "<!--\r\n"
                     "function SendEmail(name, domain, extension, subject){\r\n"
                     "   window.location = 'mai' + 'lto:' + name + '@' + domain + '.' + "
                     "extension + '?subject=' + subject;\r\n"
                     "}\r\n"
                     "//--></script>\r\n";
} // namespace

TEST(BookmarkMarkup, NameInQuotesAroundTheTextAsTyped) {
    EXPECT_EQ(BuildBookmark({"Top", "Back to top"}), "<a name=\"Top\">Back to top</a>");
    EXPECT_EQ(BuildBookmark({"Top", ""}), "<a name=\"Top\"></a>");
    EXPECT_EQ(BuildBookmark({"  ", "x"}), "<a name=\"  \">x</a>");
    // A quote cannot end the name nor "&" start a reference; the text is markup as typed.
    EXPECT_EQ(BuildBookmark({"a\"b<&", "<b>T&amp;</b>"}),
              "<a name=\"a&quot;b<&amp;\"><b>T&amp;</b></a>");
}

TEST(HyperlinkMarkup, OptionPieces) {
    EXPECT_EQ(NewWindowPiece(true), " target=\"_blank\"");
    EXPECT_EQ(NewWindowPiece(false), "");
    EXPECT_EQ(MouseOverPiece("Hi"), " OnMouseOver=\"window.status='Hi'; return true\"");
    EXPECT_EQ(MouseOverPiece(""), "");
    EXPECT_EQ(MouseOutPiece("Hi", "Bye"), " OnMouseOut=\"window.status='Bye'; return true\"");
    EXPECT_EQ(MouseOutPiece("", "Bye"), " OnMouseOut=\"window.status='Bye'; return true\"");
    // Leaving the link clears the over text with a single blank.
    EXPECT_EQ(MouseOutPiece("Hi", ""), " OnMouseOut=\"window.status=' '; return true\"");
    EXPECT_EQ(MouseOutPiece("", ""), "");
    // An apostrophe cannot end the script string, nor a double quote the attribute.
    EXPECT_EQ(MouseOverPiece("Don't"), " OnMouseOver=\"window.status='Don\\'t'; return true\"");
    EXPECT_EQ(MouseOutPiece("", "say \"hi\""),
              " OnMouseOut=\"window.status='say &quot;hi&quot;'; return true\"");
}

TEST(HyperlinkMarkup, PlainLinkWithEveryPiece) {
    HyperlinkChoices c = linkTo("Home", "http://www.example.com/");
    EXPECT_EQ(BuildHyperlink(c).html, "<a href=\"http://www.example.com/\">Home</a>");
    c.newWindow = true;
    c.overText = "Go home";
    EXPECT_EQ(BuildHyperlink(c).html, "<a href=\"http://www.example.com/\" target=\"_blank\" "
                                      "OnMouseOver=\"window.status='Go home'; return true\" "
                                      "OnMouseOut=\"window.status=' '; return true\">Home</a>");
    // An unticked anchor's name is ignored; a local path stays as typed.
    c = linkTo("Page", "/home/me/page.html");
    c.anchorName = "ignored";
    c.outText = "Left";
    EXPECT_EQ(BuildHyperlink(c).html, "<a href=\"/home/me/page.html\" "
                                      "OnMouseOut=\"window.status='Left'; return true\">Page</a>");
    EXPECT_FALSE(BuildHyperlink(c).clearsAddress);
}

TEST(HyperlinkMarkup, RulesRefuseInOrderWithTheirMessages) {
    HyperlinkChoices c = linkTo("", "");
    HyperlinkOutcome o = BuildHyperlink(c);
    EXPECT_EQ(o.message, "Please enter text to be linked in the box below.");
    EXPECT_EQ(o.focus, HyperlinkField::Text);
    EXPECT_EQ(o.html, "");

    const QString siteMessage = "Please enter Web site to be linked in the appropriate box";
    for (const QString& address : {QString(), QString("http://")}) {
        o = BuildHyperlink(linkTo("Text", address));
        EXPECT_EQ(o.message, siteMessage) << qPrintable(address);
        EXPECT_EQ(o.focus, HyperlinkField::Address);
        EXPECT_EQ(o.html, "");
    }
    // Only the exact, case-sensitive "http://" counts as no address.
    EXPECT_EQ(BuildHyperlink(linkTo("Text", "HTTP://")).html, "<a href=\"HTTP://\">Text</a>");

    c = linkTo("Text", "page.html");
    c.toAnchor = true;
    o = BuildHyperlink(c);
    EXPECT_EQ(o.message, "Please enter the bookmark name you wish to link to.");
    EXPECT_EQ(o.focus, HyperlinkField::None);
    EXPECT_EQ(o.html, "");
}

TEST(HyperlinkMarkup, BookmarkLinks) {
    HyperlinkChoices c = linkTo("Up", "page.html");
    c.toAnchor = true;
    c.anchorName = "top";
    c.overText = "o";
    EXPECT_EQ(BuildHyperlink(c).html, "<a href=\"page.html#top\" "
                                      "OnMouseOver=\"window.status='o'; return true\" "
                                      "OnMouseOut=\"window.status=' '; return true\">Up</a>");
    // No address: a bookmark on the page, with the status texts.
    c.address = "";
    EXPECT_EQ(BuildHyperlink(c).html, "<a href=\"#top\" "
                                      "OnMouseOver=\"window.status='o'; return true\" "
                                      "OnMouseOut=\"window.status=' '; return true\">Up</a>");
    // "http://" with a bookmark: this page, no status texts, the address box emptied; an
    // empty name is not refused here.
    c.address = "http://";
    c.newWindow = true;
    HyperlinkOutcome o = BuildHyperlink(c);
    EXPECT_EQ(o.html, "<a href=\"#top\" target=\"_blank\">Up</a>");
    EXPECT_TRUE(o.clearsAddress);
    c.anchorName = "";
    EXPECT_EQ(BuildHyperlink(c).html, "<a href=\"#\" target=\"_blank\">Up</a>");
}

TEST(EmailMarkup, ScriptLinkCutsTheAddress) {
    EmailChoices c = mail("jane.doe@mail.example.co.uk", "Write to me");
    c.subject = "  Hello there ";
    const EmailOutcome o = BuildEmailLink(c);
    EXPECT_EQ(o.message, "");
    EXPECT_EQ(o.bodyStart, Script);
    // The subject is a query value, percent-encoded, its "%" kept through the script
    // address.
    EXPECT_EQ(o.snippet, "<a href=\"javascript:SendEmail('jane.doe', 'mail', 'example.co.uk', "
                         "'Hello%2520there')\">Write to me</a>");
}

TEST(EmailMarkup, PlainLinkWithSubjectAndImage) {
    EmailChoices c = mail("me@example.com", "Mail me", false);
    c.subject = " Hi ";
    c.image = "file:///home/me/mail.gif";
    const EmailOutcome o = BuildEmailLink(c);
    EXPECT_EQ(o.bodyStart, "");
    EXPECT_EQ(o.snippet, "<a href=\"mailto:me@example.com?subject=Hi\">"
                         "<img src=\"file:///home/me/mail.gif\" border=\"0\">Mail me</a>");
    // Blanks only are no subject; an image alone is enough.
    c.subject = "   ";
    c.text = "";
    EXPECT_EQ(BuildEmailLink(c).snippet,
              "<a href=\"mailto:me@example.com\"><img src=\"file:///home/me/mail.gif\" "
              "border=\"0\"></a>");
    c.antiSpam = true;
    EXPECT_EQ(BuildEmailLink(c).snippet,
              "<a href=\"javascript:SendEmail('me', 'example', 'com', '')\">"
              "<img src=\"file:///home/me/mail.gif\" border=\"0\"></a>");
}

TEST(EmailMarkup, TheSubjectIsAQueryValueAndTheRestStaysAsTyped) {
    EmailChoices c = mail("R&D@example.com", "Q&A <b>me</b>", false);
    c.subject = QString::fromUtf8(" Q&A #1 ?%=+ \"x\" 'y' </script> عربي 😀 ");
    c.image = "R&D.gif";
    const QString query = "Q%26A%20%231%20%3F%25%3D%2B%20%22x%22%20%27y%27%20%3C%2Fscript%3E%20"
                          "%D8%B9%D8%B1%D8%A8%D9%8A%20%F0%9F%98%80";
    EXPECT_EQ(BuildEmailLink(c).snippet,
              "<a href=\"mailto:R&amp;D@example.com?subject=" + query +
                  "\"><img src=\"R&amp;D.gif\" border=\"0\">Q&A <b>me</b></a>");
    c.antiSpam = true;
    c.text = "Mail";
    EXPECT_EQ(BuildEmailLink(c).snippet,
              "<a href=\"javascript:SendEmail('R&amp;D', 'example', 'com', '" +
                  QString(query).replace("%", "%25") +
                  "')\"><img src=\"R&amp;D.gif\" border=\"0\">Mail</a>");
}

TEST(EmailMarkup, RefusalsWithTheirMessagesAndFields) {
    EmailOutcome o = BuildEmailLink(mail("", "x"));
    EXPECT_EQ(o.message, "Please specify an Email Address.");
    EXPECT_EQ(o.focus, EmailField::Address);

    o = BuildEmailLink(mail("me@example.com", ""));
    EXPECT_EQ(o.message, "Please specify text or an image to be displayed as the Email link.");
    EXPECT_EQ(o.focus, EmailField::Text);

    o = BuildEmailLink(mail("me@example.com", "me@example.com"));
    EXPECT_EQ(o.message, "Type something other than an email address for the Email link text "
                         "(such as 'Email me') to prevent your email address from being read "
                         "by spam mailers.");
    EXPECT_EQ(o.focus, EmailField::None);
    EXPECT_EQ(o.snippet, "");
    // The plain link takes the same text.
    EXPECT_EQ(BuildEmailLink(mail("me@example.com", "me@example.com", false)).snippet,
              "<a href=\"mailto:me@example.com\">me@example.com</a>");
}

TEST(EmailMarkup, ScriptLinkRefusesAnIncompleteAddress) {
    const QString message = "Please enter a complete e-mail address, such as name@example.com.";
    for (const QString& address :
         {QString("me"), QString("me@example"), QString("me.x@example"), QString("example.com")}) {
        const EmailOutcome o = BuildEmailLink(mail(address, "Mail me"));
        EXPECT_EQ(o.message, message) << qPrintable(address);
        EXPECT_EQ(o.focus, EmailField::Address);
        EXPECT_EQ(o.snippet, "");
        EXPECT_EQ(o.bodyStart, "");
        // The plain form takes the address as typed.
        EXPECT_EQ(BuildEmailLink(mail(address, "Mail me", false)).snippet,
                  "<a href=\"mailto:" + address + "\">Mail me</a>");
    }
    EXPECT_TRUE(IsCompleteAddress("a@b.c"));
    EXPECT_TRUE(IsCompleteAddress("a@.c"));
}

TEST(EmailMarkup, AddressCutAtTheFirstAtAndTheFirstDotAfterIt) {
    AddressParts p = SplitAddress("a.b@c.d.e");
    EXPECT_EQ(p.name, "a.b");
    EXPECT_EQ(p.domain, "c");
    EXPECT_EQ(p.extension, "d.e");
    p = SplitAddress("x@y@z.w");
    EXPECT_EQ(p.name, "x");
    EXPECT_EQ(p.domain, "y@z");
    EXPECT_EQ(p.extension, "w");
}

// Every typed field with quotes, a backslash, markup characters, a percent reference and
// letters of other scripts: attribute values and script strings keep their whole text.
namespace {
const QString Odd = QString::fromUtf8(R"(a"b'c\d<e>&f%27 Ωμέγα 日本語)");
const QString InAttr = QString::fromUtf8(R"(a&quot;b'c\d<e>&amp;f%27 Ωμέγα 日本語)");
const QString InHandler = QString::fromUtf8(R"(a&quot;b\'c\\d<e>&amp;f%27 Ωμέγα 日本語)");
const QString InAddress = QString::fromUtf8(R"(a&quot;b\'c\\d<e>&amp;f%2527 Ωμέγα 日本語)");
// The subject as a "mailto:" query value: UTF-8, all but letters, digits and "-._~"
// percent-encoded.
const QString InQuery = "a%22b%27c%5Cd%3Ce%3E%26f%2527%20%CE%A9%CE%BC%CE%AD%CE%B3%CE%B1%20%E6%97%A5"
                        "%E6%9C%AC%E8%AA%9E";
} // namespace

TEST(LinkMarkupBadInput, EveryHyperlinkFieldKeepsItsWholeText) {
    HyperlinkChoices c = linkTo(Odd, Odd);
    c.overText = Odd;
    c.outText = Odd;
    EXPECT_EQ(BuildHyperlink(c).html, "<a href=\"" + InAttr + "\" OnMouseOver=\"window.status='" +
                                          InHandler +
                                          "'; return true\" OnMouseOut=\"window.status='" +
                                          InHandler + "'; return true\">" + Odd + "</a>");
    c.toAnchor = true;
    c.anchorName = Odd;
    EXPECT_TRUE(BuildHyperlink(c).html.startsWith("<a href=\"" + InAttr + "#" + InAttr + "\" "));
    c.address = "http://";
    EXPECT_EQ(BuildHyperlink(c).html, "<a href=\"#" + InAttr + "\">" + Odd + "</a>");
    EXPECT_EQ(BuildBookmark({Odd, Odd}), "<a name=\"" + InAttr + "\">" + Odd + "</a>");
}

TEST(LinkMarkupBadInput, EveryEmailFieldKeepsItsWholeText) {
    EmailChoices c = mail(Odd + "@" + Odd + "." + Odd, Odd, false);
    c.subject = Odd;
    c.image = Odd;
    const QString image = "<img src=\"" + InAttr + "\" border=\"0\">";
    EXPECT_EQ(BuildEmailLink(c).snippet, "<a href=\"mailto:" + InAttr + "@" + InAttr + "." +
                                             InAttr + "?subject=" + InQuery + "\">" + image + Odd +
                                             "</a>");
    c.antiSpam = true;
    c.text = "Mail";
    EXPECT_EQ(BuildEmailLink(c).snippet, "<a href=\"javascript:SendEmail('" + InAddress + "', '" +
                                             InAddress + "', '" + InAddress + "', '" +
                                             QString(InQuery).replace("%", "%25") + "')\">" +
                                             image + "Mail</a>");
}

TEST(LinkMarkupBadInput, AVeryLongStatusTextGoesInWhole) {
    const QString longText = QString(5000, '\'') + QString(5000, QChar(0x3A9));
    HyperlinkChoices c = linkTo("Link", "page.html");
    c.overText = longText;
    EXPECT_EQ(MouseOverPiece(longText), " OnMouseOver=\"window.status='" +
                                            QString(5000, '\'').replace("'", "\\'") +
                                            QString(5000, QChar(0x3A9)) + "'; return true\"");
    EXPECT_TRUE(BuildHyperlink(c).html.contains(MouseOverPiece(longText)));
}
