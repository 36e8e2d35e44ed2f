#include "effects/EffectMarkup.h"

#include "core/GeneratedHtml.h"
#include "core/Module1.h"

#include <QRegularExpression>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString Q = QStringLiteral("\"");

// An attribute of a typed value, or nothing when the box was left empty.
QString optional(const QString& name, const QString& value) {
    if (value.isEmpty())
        return QString();
    return Module1::FormatAttribute(name, value);
}

// A loop count the marquee carries: a whole number of at least 1.
bool isLoopCount(const QString& loop) {
    static const QRegularExpression whole(QStringLiteral("^[0-9]+$"));
    return whole.match(loop).hasMatch() && loop.contains(QRegularExpression("[1-9]"));
}

} // namespace

namespace EffectMarkup {

QString BuildPreviewPage(const QString& bodyStart, const QString& snippet) {
    return QStringLiteral("<HTML><HEAD><meta charset=\"utf-8\">") + bodyStart +
           QStringLiteral("</HEAD><BODY oncontextmenu='return false;'><table width='100%' "
                          "height='100%'><tr><td align='center' valign='middle'>") +
           snippet + QStringLiteral("</td></tr></table></BODY></HTML>");
}

QString BuildMarquee(const MarqueeChoices& c) {
    // The text scrolls towards the side the attribute names.
    QString run = Module1::FormatAttribute(
        " DIRECTION=", c.direction == QLatin1String("Right to Left") ? "Left" : "Right");
    run += c.behavior == QLatin1String("Scroll(Default)") ? QStringLiteral(" BEHAVIOR=Scroll")
                                                          : " BEHAVIOR=" + c.behavior;
    run += optional(" WIDTH=", c.width);
    run += optional(" HEIGHT=", c.height);
    run += optional(" VSPACE=", c.vspace);
    run += optional(" HSPACE=", c.hspace);
    run += optional(" SCROLLAMOUNT=", c.scrollAmount);
    run += optional(" SCROLLDELAY=", c.scrollDelay);
    if (!c.bgColor.isEmpty())
        run += Module1::FormatAttribute(" BGCOLOR=", "#" + c.bgColor);
    if (isLoopCount(c.loop))
        run += Module1::FormatAttribute(" LOOP=", c.loop);
    return "<marquee" + run.toLower() + ">" + c.text + "</marquee>";
}

QString BuildIframe(const IframeChoices& c) {
    const QString align =
        c.align == QLatin1String("None") ? QString() : Module1::FormatAttribute(" ALIGN=", c.align);
    QString run = optional(" HEIGHT=", c.height);
    run += optional(" WIDTH=", c.width);
    run += optional(" VSPACE=", c.vspace);
    run += optional(" HSPACE=", c.hspace);
    run += QStringLiteral(" FRAMEBORDER=") + Q + (c.border ? "1" : "0") + Q;
    run += QStringLiteral(" SCROLLING=") + Q + (c.scrollBars ? "YES" : "NO") + Q;
    run += align;
    return "<iframe src=" + Q + GeneratedHtml::InAttribute(c.source) + Q + run.toLower() + ">" +
           CrLf + c.alternativeText + CrLf + "</iframe>";
}

QString BuildBackgroundSound(const SoundChoices& c) {
    // Both values stand in a double-quoted attribute inside a single-quoted script
    // string: the attribute's rule first, then the string's.
    auto inside = [](const QString& text) {
        return GeneratedHtml::InScriptString(GeneratedHtml::InAttribute(text, QLatin1Char('"')),
                                             QLatin1Char('\''));
    };
    const QString f = inside(c.file);
    const QString n = inside(c.loop.isEmpty() ? QStringLiteral("1") : c.loop);
    QString s;
    s += "<script language=" + Q + "Javascript" + Q + ">" + CrLf;
    s += "if (navigator.userAgent.indexOf('MSIE') > -1)" + CrLf;
    s += "{" + CrLf;
    s += "    document.write('<bgsound src=" + Q + f + Q + " loop=" + Q + n + Q + ">');" + CrLf;
    s += "} else {" + CrLf;
    s += "    document.write('<embed src=" + Q + f + Q + " autostart=TRUE hidden=true loop=" + Q +
         n + Q + ">');" + CrLf;
    s += "}" + CrLf;
    s += "</script>" + CrLf;
    s += CrLf;
    return s;
}

} // namespace EffectMarkup
