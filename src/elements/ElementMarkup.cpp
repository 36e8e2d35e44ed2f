#include "elements/ElementMarkup.h"

#include "core/GeneratedHtml.h"
#include "core/Module1.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace ElementMarkup {

QString BuildHorizLine(const HorizLineChoices& c) {
    QString attrs;
    if (!c.thickness.isEmpty())
        attrs += Module1::FormatAttribute(" SIZE=", c.thickness);
    if (!c.length.isEmpty())
        attrs += Module1::FormatAttribute(" WIDTH=", c.length);
    if (c.noShade)
        attrs += " NOSHADE";
    if (!c.align.isEmpty())
        attrs += Module1::FormatAttribute(" ALIGN=", c.align.trimmed());
    if (!c.color.isEmpty())
        attrs += " style=\"color:" + c.color + "\" color=\"" + c.color + "\"";
    return "<hr" + attrs.toLower() + " />";
}

namespace {
// One table attribute: a blank, the name and the typed value in single quotes.
QString tableAttribute(const QString& name, const QString& value) {
    return " " + name + "='" + GeneratedHtml::InAttribute(value, '\'') + "'";
}
} // namespace

QString BuildTableAttrs(const TableChoices& c) {
    QString attrs;
    if (c.border) {
        attrs += tableAttribute("border", c.borderSize.isEmpty() ? QString("1") : c.borderSize);
        if (!c.borderColor.isEmpty())
            attrs += tableAttribute("bordercolor", c.borderColor);
    } else {
        attrs += tableAttribute("border", "0");
    }
    if (!c.cellSpacing.isEmpty())
        attrs += tableAttribute("cellspacing", c.cellSpacing);
    if (!c.cellPadding.isEmpty())
        attrs += tableAttribute("cellpadding", c.cellPadding);
    if (!c.width.isEmpty())
        attrs += tableAttribute("width", c.width);
    if (!c.bgColor.isEmpty())
        attrs += tableAttribute("bgcolor", c.bgColor);
    return attrs;
}

TableCount CheckTableCount(const QString& text) {
    if (!IsNumeric(text))
        return {CountCheck::NotPositive, 0};
    const double value = NumericValue(text);
    if (!(value > 0))
        return {CountCheck::NotPositive, 0};
    const double rounded = Module1::RoundHalfEven(value);
    if (rounded < 1)
        return {CountCheck::NotPositive, 0};
    if (!std::isfinite(rounded) || rounded > MaxTableCount)
        return {CountCheck::TooMany, 0};
    return {CountCheck::Ok, int(rounded)};
}

QString LineEndsToBreaks(const QString& text) {
    static const QRegularExpression lineEnd("\r\n|\n|\r");
    QString out = text;
    return out.replace(lineEnd, "<br>");
}

QString BorderThicknessFor(const QString& typed) {
    return IsNumeric(typed) ? typed : "0";
}

QString BuildTextBox(const TextBoxChoices& c) {
    const QString back =
        c.backColor.isEmpty() ? QString() : " background-color:#" + c.backColor + ";";
    const QString fore = c.textColor.isEmpty() ? QString() : " color:#" + c.textColor + ";";
    QString border;
    if (c.border) {
        const QString color = c.borderColor.isEmpty() ? QStringLiteral("000000") : c.borderColor;
        border =
            " border:" + GeneratedHtml::CssLength(BorderThicknessFor(c.borderThickness).trimmed()) +
            " #" + color + " " + c.borderStyle + ";";
    }
    // Unit-less lengths are ignored in a page with a doctype, and a unit-less border width
    // in any page: every length carries its unit.
    const QString style =
        "position:absolute; top:20px; left:20px; height:150px; width:200px;" + border + back + fore;
    return "<div style='" + GeneratedHtml::InAttribute(style, '\'') + "'>" + c.text + "</div>";
}

namespace {
const QRegularExpression& decimalNumber() {
    static const QRegularExpression re(
        "^\\s*[+-]?\\s*(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?\\s*$");
    return re;
}
const QRegularExpression& hexNumber() {
    static const QRegularExpression re("^\\s*&[hH]([0-9A-Fa-f]{1,8})\\s*$");
    return re;
}
const QRegularExpression& octalNumber() {
    static const QRegularExpression re("^\\s*&[oO]([0-7]{1,11})\\s*$");
    return re;
}
} // namespace

bool IsNumeric(const QString& text) {
    return decimalNumber().match(text).hasMatch() || hexNumber().match(text).hasMatch() ||
           octalNumber().match(text).hasMatch();
}

double NumericValue(const QString& text) {
    if (auto m = hexNumber().match(text); m.hasMatch())
        return double(int32_t(m.captured(1).toUInt(nullptr, 16)));
    if (auto m = octalNumber().match(text); m.hasMatch())
        return double(int32_t(uint32_t(m.captured(1).toULongLong(nullptr, 8))));
    if (!decimalNumber().match(text).hasMatch())
        return 0;
    QString s = text;
    s.remove(QRegularExpression("\\s"));
    s.replace('d', 'e').replace('D', 'e');
    bool ok = false;
    const double v = s.toDouble(&ok);
    return ok ? v : std::numeric_limits<double>::infinity();
}

} // namespace ElementMarkup
