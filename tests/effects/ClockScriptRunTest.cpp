// The generated clock running in the web engine at a fixed date and time: what it
// writes into its element.
#include "effects/ClockScript.h"
#include "support/TestSupport.h"

#include <QWebEnginePage>
#include <gtest/gtest.h>

using namespace ClockScript;
using namespace TestSupport;

namespace {

// The clock's text when the page's clock reads year-month-day hour:minute:second
// (month counted from 1).
QString clockText(const ClockChoices& c, int year, int month, int day, int hour, int minute,
                  int second) {
    const ClockCode code = CreateCode(c);
    const QString fixedNow = QString("<script>(function(){ var Real = Date; Date = function() { "
                                     "return new Real(%1, %2, %3, %4, %5, %6); }; })();</script>")
                                 .arg(year)
                                 .arg(month - 1)
                                 .arg(day)
                                 .arg(hour)
                                 .arg(minute)
                                 .arg(second);
    QWebEnginePage page;
    bool loaded = false;
    QObject::connect(&page, &QWebEnginePage::loadFinished, [&](bool) { loaded = true; });
    page.setHtml("<html><head>" + fixedNow + code.script + "</head><body>" + code.markup +
                     "</body></html>",
                 QUrl("file:///clock.htm"));
    EXPECT_TRUE(waitUntil([&] { return loaded; }, 15000)) << "the page did not load";
    QString text;
    auto read = [&] {
        bool answered = false;
        page.runJavaScript("document.getElementById('spnClock').textContent",
                           [&](const QVariant& v) {
                               text = v.toString();
                               answered = true;
                           });
        waitUntil([&] { return answered; }, 5000);
        return text;
    };
    // The clock replaces its placeholder once the page has loaded.
    waitUntil([&] { return !read().contains("Digital clock"); }, 5000);
    return text;
}

} // namespace

TEST(ClockScriptRun, NumbersArePaddedAndTheHourGoesRoundTwelve) {
    ClockChoices c;
    c.show = ShowBoth;
    c.dayOfWeek = true;
    c.dateFormat = "11/28/2001";
    c.showSeconds = c.showAMPM = true;
    EXPECT_TEXT(clockText(c, 2001, 9, 5, 0, 7, 3),
                QString("Wednesday, 09/05/2001 \u00a0 12:07:03 AM"));
    c.dateFormat = "November 28, 2001";
    c.dayOfWeek = false;
    c.showAMPM = false;
    c.timeBeforeDate = true;
    EXPECT_TEXT(clockText(c, 2001, 10, 28, 15, 30, 59), QString("3:30:59 \u00a0 October 28, 2001"));
}

TEST(ClockScriptRun, TheTwentyFourHourClockAndShortYears) {
    ClockChoices c;
    c.show = ShowBoth;
    c.dateFormat = "28-11-01";
    c.militaryTime = true;
    c.showAMPM = true; // also with the 24-hour clock
    EXPECT_TEXT(clockText(c, 2026, 12, 31, 23, 5, 0), QString("31-12-26 \u00a0 23:05 PM"));
    c.show = ShowDate;
    c.dateFormat = "28 November 2001";
    EXPECT_TEXT(clockText(c, 1999, 1, 9, 12, 0, 0), "9 January 1999");
}
