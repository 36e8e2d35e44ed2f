// The image dialog's markup, pinned byte for byte.
#include "links/ImageMarkup.h"

#include <gtest/gtest.h>

using namespace ImageMarkup;

namespace {
ImageChoices named(const QString& file) {
    ImageChoices c;
    c.file = file;
    return c;
}
} // namespace

TEST(ImageMarkup, ATypedNameAlone) {
    EXPECT_EQ(BuildImage(named("a.gif")),
              "<img src=\"a.gif\" border=\"0\" style='position:absolute; top:30px; left:30px'>");
    // Blanks are a name like any other.
    EXPECT_EQ(BuildImage(named("  ")),
              "<img src=\"  \" border=\"0\" style='position:absolute; top:30px; left:30px'>");
}

TEST(ImageMarkup, ALinkTakesThePosition) {
    ImageChoices c = named("pics/b.jpg");
    c.link = "http://example.com/";
    EXPECT_EQ(BuildImage(c), "<a href=\"http://example.com/\" style='position:absolute; top:30px; "
                             "left:30px'><img src=\"pics/b.jpg\" border=\"0\"></a>");
    c.link = "http://";
    EXPECT_EQ(BuildImage(c), "<a href=\"http://\" style='position:absolute; top:30px; "
                             "left:30px'><img src=\"pics/b.jpg\" border=\"0\"></a>");
}

TEST(ImageMarkup, EveryLayoutAttributeInOrderAsTyped) {
    ImageChoices c = named("c.gif");
    c.alignPart = AlignPartFor("Absmiddle");
    c.width = "50%";
    c.height = "10px";
    c.border = "2";
    c.vspace = "4";
    c.hspace = "6";
    EXPECT_EQ(BuildImage(c), "<img src=\"c.gif\" align=\"absmiddle\" width=\"50%\" "
                             "height=\"10px\" border=\"2\" vspace=\"4\" hspace=\"6\" "
                             "style='position:absolute; top:30px; left:30px'>");
    c.border.clear();
    c.alignPart.clear();
    EXPECT_EQ(ImageAttributes(c), " width=\"50%\" height=\"10px\" vspace=\"4\" hspace=\"6\"");
}

TEST(ImageMarkup, AlignmentItems) {
    EXPECT_EQ(AlignPartFor("None"), "");
    EXPECT_EQ(AlignPartFor("Bottom(Default)"), " ALIGN=\"Bottom\"");
    EXPECT_EQ(AlignPartFor("Texttop"), " ALIGN=\"Texttop\"");
    ImageChoices c = named("d.gif");
    c.alignPart = AlignPartFor("Bottom(Default)");
    EXPECT_EQ(ImageAttributes(c), " align=\"bottom\" border=\"0\"");
}

TEST(ImageMarkup, AQuoteInAnyFieldDoesNotEndItsAttribute) {
    ImageChoices c = named("/home/ann/my \"best\" Ωmega.gif");
    c.link = "page.html?q=\"x\"";
    EXPECT_EQ(BuildImage(c), "<a href=\"page.html?q=&quot;x&quot;\" style='position:absolute; "
                             "top:30px; left:30px'><img src=\"/home/ann/my &quot;best&quot; "
                             "Ωmega.gif\" border=\"0\"></a>");
    // Every layout box, with quotes, a backslash, markup characters and other letters.
    const QString odd = QString::fromUtf8(R"(1"2'3\4<5&6 日本)");
    const QString inAttr = QString::fromUtf8(R"(1&quot;2'3\4<5&amp;6 日本)");
    c.width = c.height = c.border = c.vspace = c.hspace = odd;
    EXPECT_EQ(ImageAttributes(c), " width=\"" + inAttr + "\" height=\"" + inAttr + "\" border=\"" +
                                      inAttr + "\" vspace=\"" + inAttr + "\" hspace=\"" + inAttr +
                                      "\"");
}
