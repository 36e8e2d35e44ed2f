// The markup of the marquee, the inline frame, the background sound and the preview
// page, byte for byte.
#include "effects/EffectMarkup.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace EffectMarkup;

namespace {
MarqueeChoices marquee(const QString& text) {
    MarqueeChoices c;
    c.text = text;
    return c;
}
IframeChoices frame(const QString& source, const QString& width, const QString& height) {
    IframeChoices c;
    c.source = source;
    c.width = width;
    c.height = height;
    return c;
}
const QString CrLf = "\r\n";
} // namespace

TEST(PreviewPage, PutsTheScriptInTheHeadAndTheMarkupInTheCentredCell) {
    EXPECT_TEXT(BuildPreviewPage("<script>x()</script>", "<b>fx</b>"),
                "<HTML><HEAD><meta charset=\"utf-8\"><script>x()</script></HEAD><BODY "
                "oncontextmenu='return false;'><table width='100%' height='100%'><tr><td "
                "align='center' valign='middle'><b>fx</b></td></tr></table></BODY></HTML>");
    EXPECT_TEXT(BuildPreviewPage("", ""),
                "<HTML><HEAD><meta charset=\"utf-8\"></HEAD><BODY oncontextmenu='return false;'>"
                "<table width='100%' height='100%'><tr><td align='center' valign='middle'>"
                "</td></tr></table></BODY></HTML>");
}

TEST(MarqueeMarkup, DefaultsScrollTowardsTheRight) {
    EXPECT_TEXT(BuildMarquee(marquee("Hello")),
                "<marquee direction=\"right\" behavior=scroll>Hello</marquee>");
}

TEST(MarqueeMarkup, EachOptionAloneGoesInItsPlace) {
    struct Case {
        void (*set)(MarqueeChoices&);
        const char* run;
    };
    const Case cases[] = {
        {[](MarqueeChoices& c) { c.direction = "Right to Left"; },
         " direction=\"left\" behavior=scroll"},
        {[](MarqueeChoices& c) { c.behavior = "Slide"; }, " direction=\"right\" behavior=slide"},
        {[](MarqueeChoices& c) { c.behavior = "Alternate"; },
         " direction=\"right\" behavior=alternate"},
        {[](MarqueeChoices& c) { c.width = "300"; },
         " direction=\"right\" behavior=scroll width=\"300\""},
        {[](MarqueeChoices& c) { c.height = "40"; },
         " direction=\"right\" behavior=scroll height=\"40\""},
        {[](MarqueeChoices& c) { c.vspace = "3"; },
         " direction=\"right\" behavior=scroll vspace=\"3\""},
        {[](MarqueeChoices& c) { c.hspace = "4"; },
         " direction=\"right\" behavior=scroll hspace=\"4\""},
        {[](MarqueeChoices& c) { c.scrollAmount = "6"; },
         " direction=\"right\" behavior=scroll scrollamount=\"6\""},
        {[](MarqueeChoices& c) { c.scrollDelay = "85"; },
         " direction=\"right\" behavior=scroll scrolldelay=\"85\""},
        {[](MarqueeChoices& c) { c.bgColor = "00FF80"; },
         " direction=\"right\" behavior=scroll bgcolor=\"#00ff80\""},
        {[](MarqueeChoices& c) { c.loop = "3"; },
         " direction=\"right\" behavior=scroll loop=\"3\""},
    };
    for (const Case& k : cases) {
        MarqueeChoices c = marquee("T");
        k.set(c);
        EXPECT_TEXT(BuildMarquee(c), QString("<marquee") + k.run + ">T</marquee>");
    }
}

TEST(MarqueeMarkup, AllOptionsTogetherKeepTheirOrderAndAreLowerCased) {
    MarqueeChoices c = marquee("Big <B>News</B>");
    c.direction = "Right to Left";
    c.behavior = "Alternate";
    c.width = "50%";
    c.height = "40PX";
    c.vspace = "3";
    c.hspace = "4";
    c.scrollAmount = "6";
    c.scrollDelay = "85";
    c.bgColor = "FF0000";
    c.loop = "10";
    EXPECT_TEXT(BuildMarquee(c),
                "<marquee direction=\"left\" behavior=alternate width=\"50%\" height=\"40px\" "
                "vspace=\"3\" hspace=\"4\" scrollamount=\"6\" scrolldelay=\"85\" "
                "bgcolor=\"#ff0000\" loop=\"10\">Big <B>News</B></marquee>");
}

TEST(MarqueeMarkup, OnlyAWholeLoopCountOfAtLeastOneIsWritten) {
    for (const QString loop : {"Infinite", "None", "", "0", "00", "-2", "2.5", " 3", "abc"}) {
        MarqueeChoices c = marquee("T");
        c.loop = loop;
        EXPECT_TEXT(BuildMarquee(c), "<marquee direction=\"right\" behavior=scroll>T</marquee>")
            << qPrintable(loop);
    }
    MarqueeChoices c = marquee("T");
    c.loop = "01";
    EXPECT_TEXT(BuildMarquee(c),
                "<marquee direction=\"right\" behavior=scroll loop=\"01\">T</marquee>");
}

TEST(MarqueeMarkup, TypedQuotesStayInsideTheirValuesAndTheTextStaysAsTyped) {
    MarqueeChoices c = marquee("Ünïcødé \"quoted\" & <i>marked</i> 日本");
    c.width = "5\" onmouseover=\"x()";
    c.bgColor = "\"><script>&amp;";
    c.scrollDelay = "&#49;";
    // A typed "&" is written once as "&amp;": the browser reads back what was typed.
    EXPECT_TEXT(BuildMarquee(c), "<marquee direction=\"right\" behavior=scroll width=\"5&quot; "
                                 "onmouseover=&quot;x()\" scrolldelay=\"&amp;#49;\" "
                                 "bgcolor=\"#&quot;><script>&amp;amp;\">Ünïcødé \"quoted\" & "
                                 "<i>marked</i> 日本</marquee>");
}

TEST(IframeMarkup, RequiredValuesOnlyGiveHeightWidthBorderAndScrolling) {
    EXPECT_TEXT(BuildIframe(frame("http://Example.com/Page.HTM", "300", "200")),
                "<iframe src=\"http://Example.com/Page.HTM\" height=\"200\" width=\"300\" "
                "frameborder=\"0\" scrolling=\"no\">\r\n\r\n</iframe>");
}

TEST(IframeMarkup, TickedBoxesAndAnAlignmentEndTheRun) {
    IframeChoices c = frame("a.htm", "50%", "120");
    c.border = true;
    c.scrollBars = true;
    c.align = "Center";
    c.vspace = "5";
    c.hspace = "6";
    c.alternativeText = "Your browser shows <b>no</b> frames";
    EXPECT_TEXT(BuildIframe(c), "<iframe src=\"a.htm\" height=\"120\" width=\"50%\" vspace=\"5\" "
                                "hspace=\"6\" frameborder=\"1\" scrolling=\"yes\" "
                                "align=\"center\">" +
                                    CrLf + "Your browser shows <b>no</b> frames" + CrLf +
                                    "</iframe>");
}

TEST(IframeMarkup, AnEmptiedAlignmentGivesAnEmptyValueAndNoneGivesNothing) {
    IframeChoices c = frame("a.htm", "1", "2");
    c.align = "";
    EXPECT_TRUE(BuildIframe(c).contains("scrolling=\"no\" align=\"\">"));
    c.align = "None";
    EXPECT_TRUE(BuildIframe(c).contains("scrolling=\"no\">"));
    c.align = "none"; // only the exact item means none
    EXPECT_TRUE(BuildIframe(c).contains("scrolling=\"no\" align=\"none\">"));
}

TEST(IframeMarkup, ATypedQuoteCannotLeaveTheSourceOrAValue) {
    IframeChoices c = frame("a\" onload=\"x().htm?a=1&copy=2", "1\"", "2&amp;");
    c.align = "&lt;";
    EXPECT_TEXT(BuildIframe(c), "<iframe src=\"a&quot; onload=&quot;x().htm?a=1&amp;copy=2\" "
                                "height=\"2&amp;amp;\" width=\"1&quot;\" frameborder=\"0\" "
                                "scrolling=\"no\" align=\"&amp;lt;\">\r\n\r\n</iframe>");
}

TEST(SoundMarkup, WritesBothElementsWithTheLoopAndEndsWithAnEmptyLine) {
    EXPECT_TEXT(BuildBackgroundSound({"/home/u/ring.wav", "3"}),
                "<script language=\"Javascript\">\r\n"
                "if (navigator.userAgent.indexOf('MSIE') > -1)\r\n"
                "{\r\n"
                "    document.write('<bgsound src=\"/home/u/ring.wav\" loop=\"3\">');\r\n"
                "} else {\r\n"
                "    document.write('<embed src=\"/home/u/ring.wav\" autostart=TRUE hidden=true "
                "loop=\"3\">');\r\n"
                "}\r\n"
                "</script>\r\n"
                "\r\n");
}

TEST(SoundMarkup, AnEmptyLoopIsOneAndInfiniteStaysAsItIs) {
    const QString one = BuildBackgroundSound({"a.mid", ""});
    EXPECT_EQ(one.count("loop=\"1\""), 2);
    const QString infinite = BuildBackgroundSound({"a.mid", "Infinite"});
    EXPECT_EQ(infinite.count("loop=\"Infinite\""), 2);
}

TEST(SoundMarkup, ABackslashQuoteOrClosingTagCannotBreakTheScript) {
    const QString s = BuildBackgroundSound({"C:\\My Sounds\\it's \"x\"</script>&copy;.wav", "2'"});
    EXPECT_TRUE(
        s.contains("document.write('<bgsound src=\"C:\\\\My Sounds\\\\it\\'s &quot;x&quot;<\\/"
                   "script>&amp;copy;.wav\" loop=\"2\\'\">');\r\n"))
        << qPrintable(s);
    EXPECT_EQ(s.count("</script>"), 1);
}
