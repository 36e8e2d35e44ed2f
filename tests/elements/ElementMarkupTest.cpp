// The markup of the horizontal-line, table and text-box dialogs, pinned byte for byte.
#include "elements/ElementMarkup.h"

#include <gtest/gtest.h>

using namespace ElementMarkup;

TEST(HorizLineMarkup, DefaultsGiveAOnePixelLine) {
    EXPECT_EQ(BuildHorizLine({}), "<hr size=\"1\" />");
}

TEST(HorizLineMarkup, EveryOptionInOrderAndAllLowerCase) {
    HorizLineChoices c;
    c.thickness = "3";
    c.length = "50%";
    c.noShade = true;
    c.align = "  Center ";
    c.color = "#12AB0F";
    EXPECT_EQ(BuildHorizLine(c), "<hr size=\"3\" width=\"50%\" noshade align=\"center\" "
                                 "style=\"color:#12ab0f\" color=\"#12ab0f\" />");
}

TEST(HorizLineMarkup, EmptyBoxesDropTheirAttributes) {
    HorizLineChoices c;
    c.thickness.clear();
    EXPECT_EQ(BuildHorizLine(c), "<hr />");
    c.length = "200";
    EXPECT_EQ(BuildHorizLine(c), "<hr width=\"200\" />");
}

TEST(HorizLineMarkup, TypedValuesGoInUncheckedButLowerCased) {
    HorizLineChoices c;
    c.thickness = "Thick";
    c.align = "Middle";
    EXPECT_EQ(BuildHorizLine(c), "<hr size=\"thick\" align=\"middle\" />");
    // Blanks only pass the emptiness test and give an empty alignment.
    c.align = "   ";
    EXPECT_EQ(BuildHorizLine(c), "<hr size=\"thick\" align=\"\" />");
}

TEST(HorizLineMarkup, AQuoteInABoxDoesNotEndItsAttribute) {
    HorizLineChoices c;
    c.thickness = QString::fromUtf8(R"(3"x)");
    c.length = QString::fromUtf8(R"(5'0\<&Ω)");
    c.align = "\"";
    EXPECT_EQ(BuildHorizLine(c), QString::fromUtf8(R"(<hr size="3&quot;x" width="5'0\<&amp;ω" )"
                                                   R"(align="&quot;" />)"));
}

TEST(TableMarkup, AQuoteInABoxDoesNotEndItsAttribute) {
    // The table's values are single-quoted: a "'" is a reference, a '"' stays.
    TableChoices c;
    c.border = true;
    c.borderSize = "1'2";
    c.cellSpacing = QString::fromUtf8(R"(3"4\)");
    c.cellPadding = "<&";
    c.width = QString::fromUtf8("50%' onclick='x 日本");
    EXPECT_EQ(BuildTableAttrs(c),
              QString::fromUtf8(R"( border='1&#39;2' cellspacing='3"4\' cellpadding='<&amp;' )"
                                R"(width='50%&#39; onclick=&#39;x 日本')"));
}

TEST(TableMarkup, DefaultsGiveABorderlessTable) {
    EXPECT_EQ(BuildTableAttrs({}), " border='0' cellspacing='0' cellpadding='2' width='75%'");
}

TEST(TableMarkup, BorderSizeAndColourOnlyWithTheBorderTicked) {
    TableChoices c;
    c.border = true;
    c.borderSize = "5";
    c.borderColor = "#FF0000";
    EXPECT_EQ(BuildTableAttrs(c), " border='5' bordercolor='#FF0000' cellspacing='0' "
                                  "cellpadding='2' width='75%'");
    c.borderSize.clear();
    EXPECT_EQ(BuildTableAttrs(c), " border='1' bordercolor='#FF0000' cellspacing='0' "
                                  "cellpadding='2' width='75%'");
    // A colour picked and then the border unticked is not written.
    c.border = false;
    c.borderSize = "5";
    EXPECT_EQ(BuildTableAttrs(c), " border='0' cellspacing='0' cellpadding='2' width='75%'");
}

TEST(TableMarkup, SpacingPaddingWidthAndBackground) {
    TableChoices c;
    c.cellSpacing = "4";
    c.cellPadding.clear();
    c.width = "300";
    c.bgColor = "#00FF80";
    EXPECT_EQ(BuildTableAttrs(c), " border='0' cellspacing='4' width='300' bgcolor='#00FF80'");
    c.cellSpacing.clear();
    c.width.clear();
    c.bgColor.clear();
    EXPECT_EQ(BuildTableAttrs(c), " border='0'");
}

TEST(TableCounts, EmptyLettersZeroAndNegativeAreNotPositive) {
    for (const char* text : {"", "abc", "0", "-1", "  ", "1x", "-0.4"})
        EXPECT_EQ(CheckTableCount(text).check, CountCheck::NotPositive) << text;
}

TEST(TableCounts, CountsRoundHalfToEven) {
    EXPECT_EQ(CheckTableCount("2.5").value, 2);
    EXPECT_EQ(CheckTableCount("3.5").value, 4);
    EXPECT_EQ(CheckTableCount(" 3 ").value, 3);
    EXPECT_EQ(CheckTableCount("1.5").value, 2);
    EXPECT_EQ(CheckTableCount("&H10").value, 16);
    EXPECT_EQ(CheckTableCount("1e2").value, 100);
}

TEST(TableCounts, CountsThatRoundBelowOneAreRefused) {
    EXPECT_EQ(CheckTableCount("0.3").check, CountCheck::NotPositive);
    EXPECT_EQ(CheckTableCount("0.5").check, CountCheck::NotPositive);
    EXPECT_EQ(CheckTableCount("0.51").value, 1);
}

TEST(TableCounts, MoreThanAThousandIsRefused) {
    EXPECT_EQ(CheckTableCount("1000").check, CountCheck::Ok);
    EXPECT_EQ(CheckTableCount("1000.5").check, CountCheck::Ok); // rounds to 1000
    EXPECT_EQ(CheckTableCount("1001").check, CountCheck::TooMany);
    EXPECT_EQ(CheckTableCount("99999999999999999999").check, CountCheck::TooMany);
    EXPECT_EQ(CheckTableCount("1e400").check, CountCheck::TooMany);
}

TEST(TextBoxMarkup, PlainTextAtTheFixedPlaceAndSize) {
    TextBoxChoices c;
    c.text = "Hello";
    EXPECT_EQ(BuildTextBox(c), "<div style='position:absolute; top:20px; left:20px; height:150px; "
                               "width:200px;'>Hello</div>");
}

TEST(TextBoxMarkup, BorderThenBackgroundThenTextColour) {
    TextBoxChoices c;
    c.text = "a<br>b";
    c.backColor = "FFFF00";
    c.textColor = "000080";
    c.border = true;
    c.borderThickness = " 3 ";
    c.borderColor = "FF0000";
    c.borderStyle = "dashed";
    EXPECT_EQ(BuildTextBox(c),
              "<div style='position:absolute; top:20px; left:20px; height:150px; width:200px; "
              "border:3px #FF0000 dashed; background-color:#FFFF00; color:#000080;'>a<br>b</div>");
}

TEST(TextBoxMarkup, BorderWithoutColourIsBlackAndWithoutNumberIsZero) {
    TextBoxChoices c;
    c.text = "x";
    c.border = true;
    c.borderThickness = "";
    c.borderStyle = "solid";
    EXPECT_EQ(BuildTextBox(c), "<div style='position:absolute; top:20px; left:20px; height:150px; "
                               "width:200px; border:0px #000000 solid;'>x</div>");
    c.borderThickness = "thick";
    EXPECT_EQ(BorderThicknessFor(c.borderThickness), "0");
    // Unticked, a colour picked earlier gives no border piece.
    c.border = false;
    c.borderColor = "00FF00";
    c.backColor = "C0C0C0";
    EXPECT_EQ(BuildTextBox(c), "<div style='position:absolute; top:20px; left:20px; height:150px; "
                               "width:200px; background-color:#C0C0C0;'>x</div>");
}

TEST(TextBoxMarkup, EveryKindOfLineEndBecomesABreak) {
    EXPECT_EQ(LineEndsToBreaks("one\ntwo\nthree"), "one<br>two<br>three");
    EXPECT_EQ(LineEndsToBreaks("one\r\ntwo\rthree\n"), "one<br>two<br>three<br>");
    // Two line ends are two breaks, never one.
    EXPECT_EQ(LineEndsToBreaks("a\n\nb\r\n\r\nc"), "a<br><br>b<br><br>c");
}

TEST(Numbers, WhatReadsAsANumber) {
    for (const char* yes :
         {"0", " 12 ", "-3", "+4", "2.5", ".5", "5.", "1e3", "1D2", "&H1F", "&o17"})
        EXPECT_TRUE(IsNumeric(yes)) << yes;
    for (const char* no : {"", " ", "abc", "1x", "1 2", "&H", "e5", ".", "--1"})
        EXPECT_FALSE(IsNumeric(no)) << no;
}
