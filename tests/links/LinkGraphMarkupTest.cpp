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
              "<img src=\"a.gif\" border=\"0\" style='position:absolute; top:30; left:30'>");
    // Blanks are a name like any other.
    EXPECT_EQ(BuildImage(named("  ")),
              "<img src=\"  \" border=\"0\" style='position:absolute; top:30; left:30'>");
}

TEST(ImageMarkup, ALinkTakesThePosition) {
    ImageChoices c = named("pics/b.jpg");
    c.link = "http://example.com/";
    EXPECT_EQ(BuildImage(c), "<a href=\"http://example.com/\" style='position:absolute; top:30; "
                             "left:30'><img src=\"pics/b.jpg\" border=\"0\"></a>");
    c.link = "http://";
    EXPECT_EQ(BuildImage(c), "<a href=\"http://\" style='position:absolute; top:30; "
                             "left:30'><img src=\"pics/b.jpg\" border=\"0\"></a>");
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
                             "style='position:absolute; top:30; left:30'>");
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

TEST(ImageMarkup, AQuoteInANameDoesNotEndTheAttribute) {
    ImageChoices c = named("/home/ann/my \"best\" Ωmega.gif");
    c.link = "page.html?q=\"x\"";
    EXPECT_EQ(BuildImage(c), "<a href=\"page.html?q=&quot;x&quot;\" style='position:absolute; "
                             "top:30; left:30'><img src=\"/home/ann/my &quot;best&quot; "
                             "Ωmega.gif\" border=\"0\"></a>");
}
