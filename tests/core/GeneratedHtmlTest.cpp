// Typed text inside generated markup: attribute values, script strings, style lengths.
#include "core/GeneratedHtml.h"
#include "core/Module1.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace GeneratedHtml;

TEST(GeneratedHtml, AttributeValuesEscapeTheAmpersandAndOnlyTheirOwnQuote) {
    EXPECT_EQ(InAttribute(R"(a b"c)"), "a b&quot;c");
    EXPECT_EQ(InAttribute("It's"), "It's");
    EXPECT_EQ(InAttribute("It's", '\''), "It&#39;s");
    EXPECT_EQ(InAttribute(R"(say "hi")", '\''), R"(say "hi")");
    // A typed reference stays text: the browser reads back "R&amp;D", not "R&D".
    EXPECT_EQ(InAttribute(R"(R&amp;D &copy; "&quot;")"),
              "R&amp;amp;D &amp;copy; &quot;&amp;quot;&quot;");
    EXPECT_EQ(InAttribute("&#39;'", '\''), "&amp;#39;&#39;");
    // Angle brackets and letters of any script stay as typed.
    EXPECT_EQ(InAttribute("a<c>Ωж"), "a<c>Ωж");
}

TEST(GeneratedHtml, TextOnlyContentEscapesTheAmpersandAndTheOpeningBracket) {
    EXPECT_EQ(AsText(R"(Tom's <Home> & "more" &amp;)"),
              R"(Tom's &lt;Home> &amp; "more" &amp;amp;)");
}

TEST(GeneratedHtml, ScriptStringsEscapeBackslashAndTheirQuote) {
    EXPECT_EQ(InScriptString("It's Tom's link"), R"(It\'s Tom\'s link)");
    EXPECT_EQ(InScriptString(R"(C:\dir\"x")", '"'), R"(C:\\dir\\\"x\")");
    EXPECT_EQ(InScriptString(R"(a"b)"), R"(a"b)");
    EXPECT_EQ(InScriptString("two\r\nlines"), R"(two\r\nlines)");
}

TEST(GeneratedHtml, ScriptStringsCannotEndAScriptElement) {
    EXPECT_EQ(InScriptString("a</script>b"), R"(a<\/script>b)");
    EXPECT_EQ(InScriptString("<!-- x"), R"(<\!-- x)");
    EXPECT_EQ(InScriptString("a < b / c ! d"), "a < b / c ! d");
}

TEST(GeneratedHtml, AScriptStringInAHandlerTakesBothRulesInnerFirst) {
    EXPECT_EQ(InScriptStringInAttribute(R"(It's "Tom's" C:\ R&amp;D)"),
              R"(It\'s &quot;Tom\'s&quot; C:\\ R&amp;amp;D)");
    EXPECT_EQ(InScriptStringInAttribute(R"(a"b'c)", '"', '\''), R"(a\"b&#39;c)");
}

TEST(GeneratedHtml, AScriptStringInAScriptAddressKeepsItsPercentSigns) {
    // The engine percent-decodes a "javascript:" address before running it.
    EXPECT_EQ(InScriptAddress("It%27s 100% \"x\" 'y' &"),
              R"(It%2527s 100%25 &quot;x&quot; \'y\' &amp;)");
}

TEST(GeneratedHtml, FormatAttributeWritesOneWholeAttribute) {
    EXPECT_EQ(Module1::FormatAttribute(" HEIGHT=", "50"), " height=\"50\"");
    EXPECT_EQ(Module1::FormatAttribute(" ALIGN=", R"(a"b' <&>)"), R"( align="a&quot;b' <&amp;>")");
}

TEST(GeneratedHtml, AStyleInsideAScriptStringTakesBothRulesInnerFirst) {
    // A single-quoted style attribute inside a double-quoted script string.
    const QString typed = R"(Tom's "font" &)";
    EXPECT_EQ(InScriptString(InAttribute(typed, '\''), '"'), R"(Tom&#39;s \"font\" &amp;)");
}

TEST(GeneratedHtml, BareNumbersBecomePixelLengths) {
    EXPECT_EQ(CssLength("20"), "20px");
    EXPECT_EQ(CssLength(" 3 "), "3px");
    EXPECT_EQ(CssLength("1.5"), "1.5px");
    EXPECT_EQ(CssLength("-4"), "-4px");
    EXPECT_EQ(CssLength("2em"), "2em");
    EXPECT_EQ(CssLength("50%"), "50%");
    EXPECT_EQ(CssLength(""), "");
    EXPECT_EQ(CssLength("abc"), "abc");
}
