#include "effects/ClockScript.h"

#include "core/GeneratedHtml.h"

#include <QRegularExpression>

namespace ClockScript {

namespace {

const QString CRLF = QStringLiteral("\r\n");

// Each date format with the expression that writes it.
struct DateFormat {
    const char* example;
    const char* expression;
};
// Tested in this order; the list in the wizard has an order of its own.
constexpr DateFormat Formats[] = {
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

QString datePart(const ClockChoices& c) {
    QString date = c.dayOfWeek ? QStringLiteral("strDayName + ', ' + ") : QStringLiteral("'' + ");
    for (const DateFormat& f : Formats) {
        if (c.dateFormat == QLatin1String(f.example)) {
            date += QLatin1String(f.expression);
            break;
        }
    }
    return date;
}

QString timePart(const ClockChoices& c) {
    QString time = c.militaryTime ? QStringLiteral("int24Hours + ':' + intMinutes")
                                  : QStringLiteral("intHours + ':' + intMinutes");
    if (c.showSeconds)
        time += QStringLiteral(" + ':' + intSeconds");
    if (c.showAMPM)
        time += QStringLiteral(" + ' ' + strAMPM");
    return time;
}

// The size in points: a bare number gets "pt"; a size typed with its own unit ("14px",
// "120%") stays as typed; anything else gets "pt" as well, which a browser ignores.
QString fontSize(const QString& typed) {
    static const QRegularExpression bare(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*$"));
    static const QRegularExpression withUnit(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*([A-Za-z]+|%)\\s*$"));
    if (bare.match(typed).hasMatch())
        return typed.trimmed() + QStringLiteral("pt");
    if (withUnit.match(typed).hasMatch())
        return typed;
    return typed + QStringLiteral("pt");
}

// The script's fixed lines before the clock line, each ended by CR LF.
const char* const ScriptHead[] = {
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
    "   var aryMonth = new "
    "Array('January','February','March','April','May','June','July','August','September','"
    "October','November','December');",
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
};

// The fixed lines after the layer's write line.
const char* const ScriptTail[] = {
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

} // namespace

QStringList DateFormats() {
    return {"November 28, 2001", "28 November 2001", "November 2001", "November 28",
            "11/28/01",          "11-28-01",         "11/28/2001",    "11-28-2001",
            "28/11/01",          "28-11-01",         "28/11/2001",    "28-11-2001"};
}

QString ClockExpression(const ClockChoices& c) {
    const QString separator = QStringLiteral(" + ' &nbsp; ' + ");
    switch (c.show) {
    case ShowDate:
        return datePart(c);
    case ShowTime:
        return timePart(c);
    default:
        return c.timeBeforeDate ? timePart(c) + separator + datePart(c)
                                : datePart(c) + separator + timePart(c);
    }
}

QString ClockStyle(const ClockChoices& c) {
    QString style;
    if (!c.backColorHex.isEmpty())
        style += ";background-color:" + c.backColorHex;
    if (!c.fontColorHex.isEmpty())
        style += ";color:" + c.fontColorHex;
    if (c.fontStyle == QLatin1String("Bold"))
        style += QStringLiteral(";font-weight:bold");
    else if (c.fontStyle == QLatin1String("Italic"))
        style += QStringLiteral(";font-style:italic");
    else if (c.fontStyle == QLatin1String("Bold Italic"))
        style += QStringLiteral(";font-weight:bold;font-style:italic");
    style += ";font-family:" + c.font;
    style += ";font-size:" + fontSize(c.fontSize);
    style += ";padding:" + GeneratedHtml::CssLength(c.padding);
    // The declarations stand inside a single-quoted style attribute.
    return GeneratedHtml::InAttribute(style, QLatin1Char('\''));
}

ClockCode CreateCode(const ClockChoices& c) {
    const QString style = ClockStyle(c);
    ClockCode code;
    for (const char* line : ScriptHead)
        code.script += QLatin1String(line) + CRLF;
    code.script += " strClock = " + ClockExpression(c) + CRLF;
    code.script += CRLF;
    code.script += QStringLiteral(" if (document.layers)") + CRLF;
    code.script += QStringLiteral("   {") + CRLF;
    // The style attribute stands inside a double-quoted script string here.
    code.script += "       strClock = \"<span style='" +
                   GeneratedHtml::InScriptString(style, QLatin1Char('"')) +
                   "'>\" + strClock + \"</span>\"" + CRLF;
    for (const char* line : ScriptTail)
        code.script += QLatin1String(line) + CRLF;

    code.markup = "<LAYER ID='lyrClock' bgcolor='" +
                  GeneratedHtml::InAttribute(c.backColorHex, QLatin1Char('\'')) + "'></LAYER>" +
                  CRLF + "<SPAN ID='spnClock' style='" + style +
                  "'><span style='font-size:8pt;color:yellow;background-color:blue;'>Digital "
                  "clock will be displayed here</span></SPAN>" +
                  CRLF;
    return code;
}

} // namespace ClockScript
