#pragma once

#include <QString>
#include <QStringList>

// The digital clock: a script that writes the date and/or time into the clock element
// every second, and the markup of that element with its placeholder text. Built from
// the wizard's choices, without the wizard.
namespace ClockScript {

// What the clock shows (the wizard's optDateTime).
enum Show : int { ShowDate = 0, ShowTime = 1, ShowBoth = 2 };

struct ClockChoices {
    int show = ShowDate;
    bool dayOfWeek = false;
    QString dateFormat; // one of DateFormats(), by its text; anything else adds nothing
    bool timeBeforeDate = false;
    bool militaryTime = false;
    bool showSeconds = false;
    bool showAMPM = false;
    QString backColorHex; // "#RRGGBB" or empty
    QString fontColorHex; // "#RRGGBB" or empty
    QString fontStyle = QStringLiteral("Normal");
    QString font = QStringLiteral("Arial");
    QString fontSize = QStringLiteral("12");
    QString padding = QStringLiteral("2");
};

struct ClockCode {
    QString script; // for the start of the body
    QString markup; // for the selection
};

// The twelve date formats, in the order the wizard lists them; each names its format
// by an example date (28 November 2001).
QStringList DateFormats();

// The script expression that yields the clock's text.
QString ClockExpression(const ClockChoices& c);
// The clock's CSS declarations, each introduced by ";", as they stand in the style
// attribute (typed text made safe for a single-quoted attribute).
QString ClockStyle(const ClockChoices& c);
// The script and the markup, CR LF line ends.
ClockCode CreateCode(const ClockChoices& c);

} // namespace ClockScript
