// Typed text inside generated markup: attribute values, script strings, style lengths.
#include "core/GeneratedHtml.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace GeneratedHtml;

TEST(GeneratedHtml, AttributeValuesEscapeOnlyTheirOwnQuote) {
    EXPECT_EQ(InAttribute(R"(a b"c)"), "a b&quot;c");
    EXPECT_EQ(InAttribute("It's"), "It's");
    EXPECT_EQ(InAttribute("It's", '\''), "It&#39;s");
    EXPECT_EQ(InAttribute(R"(say "hi")", '\''), R"(say "hi")");
    // Ampersands, angle brackets and letters of any script stay as typed.
    EXPECT_EQ(InAttribute("a&b<c>Ωж"), "a&b<c>Ωж");
}

TEST(GeneratedHtml, ScriptStringsEscapeBackslashAndTheirQuote) {
    EXPECT_EQ(InScriptString("It's Tom's link"), R"(It\'s Tom\'s link)");
    EXPECT_EQ(InScriptString(R"(C:\dir\"x")", '"'), R"(C:\\dir\\\"x\")");
    EXPECT_EQ(InScriptString(R"(a"b)"), R"(a"b)");
    EXPECT_EQ(InScriptString("two\r\nlines"), R"(two\r\nlines)");
}

TEST(GeneratedHtml, AStyleInsideAScriptStringTakesBothRulesInnerFirst) {
    // A single-quoted style attribute inside a double-quoted script string.
    const QString typed = R"(Tom's "font")";
    EXPECT_EQ(InScriptString(InAttribute(typed, '\''), '"'), R"(Tom&#39;s \"font\")");
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
