// The digital clock's script and markup, from the wizard's choices, byte for byte.
#include "effects/ClockScript.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ClockScript;

namespace {

// The script with clockLine and writeLine in their places, line by line.
QStringList scriptLines(const QString& clockLine, const QString& writeLine) {
    return {
        "<SCRIPT LANGUAGE='JavaScript'>",
        "function DigitalClock()",
        "{",
        "",
        "   var newDate = new Date();",
        "   var intDay = newDate.getDay();",
        "   var intMonth = newDate.getMonth();",
        "   var intWeekday = newDate.getDate();",
        "   var intYear = newDate.getYear();",
        "   var intHours = newDate.getHours();",
        "   var intMinutes = newDate.getMinutes();",
        "   var intSeconds = newDate.getSeconds();",
        "   var strAMPM = 'AM';",
        "",
        "   var aryDayName = new "
        "Array('Sunday','Monday','Tuesday','Wednesday','Thursday','Friday','Saturday');",
        "   var aryMonth = new Array('January','February','March','April','May','June','July',"
        "'August','September','October','November','December');",
        "",
        "   var int24Hours = intHours;",
        "",
        "   if (intHours > 11)",
        "   {",
        "       strAMPM = 'PM';",
        "       intHours = intHours - 12;",
        "   }",
        "",
        "   if (intHours == 0)",
        "       intHours = 12;",
        "",
        "   if (intMinutes  <= 9)",
        "       intMinutes  = '0' + intMinutes;",
        "",
        "   if (intSeconds <= 9)",
        "      intSeconds = '0' + intSeconds;",
        "",
        "   if (intWeekday <= 9)",
        "       var strDayNumber = '0' + intWeekday;",
        "   else",
        "       var strDayNumber = intWeekday;",
        "",
        "   if (intYear < 200)",
        "   {",
        "       intYear = intYear + 1900;",
        "   }",
        "",
        "    if (intMonth <= 8)",
        "       var strMonthNumber = '0' + (intMonth + 1);",
        "   else",
        "       var strMonthNumber = intMonth + 1;",
        "",
        "   var strDayName = new String(aryDayName[intDay]);",
        "   var strDayNameShort = strDayName.substring(0, 3);",
        "",
        "   var strMonthName = new String(aryMonth[intMonth]);",
        "   var strMonthNameShort = strMonthName.substring(0, 3);",
        "",
        "   var strYear = new String(intYear);",
        "   var strYearShort = strYear.substring(2, 4);",
        "   var strClock = '';",
        "",
        clockLine,
        "",
        " if (document.layers)",
        "   {",
        writeLine,
        "       document.layers.lyrClock.document.write(strClock);",
        "       document.layers.lyrClock.document.close();",
        "   }",
        "   else if (document.all)",
        "       spnClock.innerHTML = strClock;",
        "   else",
        "       document.getElementById('spnClock').innerHTML = strClock;",
        "",
        "   setTimeout('DigitalClock()',1000)",
        "}",
        "",
        "window.onload = DigitalClock;",
        "</SCRIPT>",
        "",
    };
}

ClockChoices dateOnly(const QString& format) {
    ClockChoices c;
    c.show = ShowDate;
    c.dateFormat = format;
    return c;
}

} // namespace

TEST(ClockScript, TheDefaultClockIsTheWholeScriptAndItsPlaceholder) {
    const ClockCode code = CreateCode(dateOnly("November 28, 2001"));
    const QStringList expected =
        scriptLines(" strClock = '' + strMonthName + ' ' + intWeekday + ', ' + intYear",
                    "       strClock = \"<span style=';font-family:Arial;font-size:12pt;"
                    "padding:2px'>\" + strClock + \"</span>\"");
    EXPECT_EQ(expected.size(), 78);
    EXPECT_TEXT(code.script, expected.join("\r\n") + "\r\n");
    EXPECT_TEXT(code.markup,
                "<LAYER ID='lyrClock' bgcolor=''></LAYER>\r\n"
                "<SPAN ID='spnClock' style=';font-family:Arial;font-size:12pt;padding:2px'>"
                "<span style='font-size:8pt;color:yellow;background-color:blue;'>Digital clock "
                "will be displayed here</span></SPAN>\r\n");
}

TEST(ClockScript, EachOfTheTwelveDateFormatsHasItsExpression) {
    const QList<std::pair<QString, QString>> formats = {
        {"11/28/01", "strMonthNumber + '/' + strDayNumber + '/' + strYearShort"},
        {"11/28/2001", "strMonthNumber + '/' + strDayNumber + '/' + strYear"},
        {"11-28-01", "strMonthNumber + '-' + strDayNumber + '-' + strYearShort"},
        {"11-28-2001", "strMonthNumber + '-' + strDayNumber + '-' + strYear"},
        {"28/11/01", "strDayNumber + '/' + strMonthNumber + '/' + strYearShort"},
        {"28/11/2001", "strDayNumber + '/' + strMonthNumber + '/' + strYear"},
        {"28-11-01", "strDayNumber + '-' + strMonthNumber + '-' + strYearShort"},
        {"28-11-2001", "strDayNumber + '-' + strMonthNumber + '-' + strYear"},
        {"November 28, 2001", "strMonthName + ' ' + intWeekday + ', ' + intYear"},
        {"28 November 2001", "intWeekday + ' ' + strMonthName + ' ' + strYear"},
        {"November 2001", "strMonthName + ' ' + intYear"},
        {"November 28", "strMonthName + ' ' + intWeekday"},
    };
    EXPECT_EQ(DateFormats().size(), formats.size());
    for (const auto& [format, expression] : formats) {
        EXPECT_TRUE(DateFormats().contains(format)) << format.toStdString();
        EXPECT_TEXT(ClockExpression(dateOnly(format)), "'' + " + expression);
    }
    // The day of the week goes first; a text that is no format adds nothing.
    ClockChoices weekday = dateOnly("November 28, 2001");
    weekday.dayOfWeek = true;
    EXPECT_TEXT(ClockExpression(weekday),
                "strDayName + ', ' + strMonthName + ' ' + intWeekday + ', ' + intYear");
    EXPECT_TEXT(ClockExpression(dateOnly("2001-11-28")), "'' + ");
    EXPECT_TEXT(ClockExpression(dateOnly("")), "'' + ");
}

TEST(ClockScript, TheTimePartFollowsItsBoxes) {
    ClockChoices c;
    c.show = ShowTime;
    c.dateFormat = "11/28/01"; // not used for the time alone
    EXPECT_TEXT(ClockExpression(c), "intHours + ':' + intMinutes");
    c.militaryTime = true;
    EXPECT_TEXT(ClockExpression(c), "int24Hours + ':' + intMinutes");
    c.showSeconds = true;
    EXPECT_TEXT(ClockExpression(c), "int24Hours + ':' + intMinutes + ':' + intSeconds");
    c.showAMPM = true; // also with the 24-hour clock
    EXPECT_TEXT(ClockExpression(c),
                "int24Hours + ':' + intMinutes + ':' + intSeconds + ' ' + strAMPM");
    c.militaryTime = false;
    c.showSeconds = false;
    EXPECT_TEXT(ClockExpression(c), "intHours + ':' + intMinutes + ' ' + strAMPM");
    // Time before date counts only when both are shown.
    c.timeBeforeDate = true;
    EXPECT_TEXT(ClockExpression(c), "intHours + ':' + intMinutes + ' ' + strAMPM");

    ClockChoices timeOnly;
    timeOnly.show = ShowTime;
    const ClockCode code = CreateCode(timeOnly);
    EXPECT_TRUE(code.script.contains("\r\n strClock = intHours + ':' + intMinutes\r\n\r\n"));
}

TEST(ClockScript, BothStandSeparatedByABlankEitherWayRound) {
    ClockChoices c;
    c.show = ShowBoth;
    c.dateFormat = "28-11-2001";
    c.militaryTime = c.showSeconds = c.showAMPM = true;
    EXPECT_TEXT(ClockExpression(c),
                "'' + strDayNumber + '-' + strMonthNumber + '-' + strYear + ' &nbsp; ' + "
                "int24Hours + ':' + intMinutes + ':' + intSeconds + ' ' + strAMPM");
    c.timeBeforeDate = true;
    EXPECT_TEXT(ClockExpression(c),
                "int24Hours + ':' + intMinutes + ':' + intSeconds + ' ' + strAMPM + ' &nbsp; ' + "
                "'' + strDayNumber + '-' + strMonthNumber + '-' + strYear");
}

TEST(ClockScript, ColoursFontSizeAndStyleMakeTheStyleInOrder) {
    ClockChoices c = dateOnly("November 2001");
    c.backColorHex = "#FF0000";
    c.fontColorHex = "#000080";
    c.fontStyle = "Bold Italic";
    c.font = "Times New Roman";
    c.fontSize = "10.5";
    c.padding = "4";
    EXPECT_TEXT(ClockStyle(c), ";background-color:#FF0000;color:#000080;font-weight:bold;"
                               "font-style:italic;font-family:Times New Roman;font-size:10.5pt;"
                               "padding:4px");
    const ClockCode code = CreateCode(c);
    EXPECT_TRUE(code.markup.startsWith("<LAYER ID='lyrClock' bgcolor='#FF0000'></LAYER>\r\n"));

    c.backColorHex.clear();
    c.fontColorHex.clear();
    for (const auto& [style, css] :
         QList<std::pair<QString, QString>>{{"Bold", ";font-weight:bold"},
                                            {"Italic", ";font-style:italic"},
                                            {"Normal", ""},
                                            {"Oblique", ""}}) {
        c.fontStyle = style;
        EXPECT_TEXT(ClockStyle(c), css + ";font-family:Times New Roman;font-size:10.5pt;"
                                         "padding:4px");
    }
}

TEST(ClockScript, SizesAndPaddingGetUnitsOnlyWhenBare) {
    ClockChoices c = dateOnly("November 2001");
    c.font = "Arial";
    c.fontSize = "";
    c.padding = "2";
    // An emptied size box still writes its declaration, as the clock always did.
    EXPECT_TEXT(ClockStyle(c), ";font-family:Arial;font-size:pt;padding:2px");
    c.fontSize = "14px";
    c.padding = "1em";
    EXPECT_TEXT(ClockStyle(c), ";font-family:Arial;font-size:14px;padding:1em");
    c.fontSize = "abc";
    c.padding = "";
    EXPECT_TEXT(ClockStyle(c), ";font-family:Arial;font-size:abcpt;padding:");
    c.fontSize = " 9 ";
    c.padding = "150%";
    EXPECT_TEXT(ClockStyle(c), ";font-family:Arial;font-size:9pt;padding:150%");
}

TEST(ClockScript, TypedQuotesCannotBreakTheAttributeOrTheScriptString) {
    ClockChoices c = dateOnly("November 2001");
    c.font = R"(Tom's "font" \ </script> &)";
    const ClockCode code = CreateCode(c);
    // In the markup: a single-quoted attribute.
    EXPECT_TRUE(code.markup.contains(
        R"(style=';font-family:Tom&#39;s "font" \ </script> &amp;;font-size:12pt;padding:2px'>)"));
    // In the script: the same attribute inside a double-quoted string.
    EXPECT_TRUE(code.script.contains(
        R"(       strClock = "<span style=';font-family:Tom&#39;s \"font\" \\ <\/script> &amp;;)"
        R"(font-size:12pt;padding:2px'>" + strClock + "</span>")"
        "\r\n"));
    // Letters of any script stay as typed.
    c.font = "Ωмега 明朝";
    EXPECT_TRUE(CreateCode(c).markup.contains(";font-family:Ωмега 明朝;"));
}
