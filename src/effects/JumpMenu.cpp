#include "effects/JumpMenu.h"

#include "core/GeneratedHtml.h"

namespace JumpMenu {

namespace {

const QString CRLF = QStringLiteral("\r\n");

// Blanks only, not other white space: a tab in a frame name is the user's own.
QString trimBlanks(const QString& s) {
    qsizetype start = 0;
    qsizetype end = s.size();
    while (start < end && s[start] == QLatin1Char(' '))
        ++start;
    while (end > start && s[end - 1] == QLatin1Char(' '))
        --end;
    return s.mid(start, end - start);
}

bool valid(const Rows& rows, int k) {
    return k >= 0 && k < rows.count();
}

} // namespace

bool Rows::isSeparator(int row) const {
    return row >= 0 && row < count() && texts[row] == Separator &&
           (row >= urls.size() || urls[row].isEmpty());
}

QString ItemURL(const QString& typed) {
    if (typed.left(4).toLower() == QLatin1String("www."))
        return QStringLiteral("http://") + typed;
    return typed;
}

void Append(Rows& rows, const QString& text, const QString& url) {
    rows.texts.append(text);
    rows.urls.append(url);
}

void AppendSeparator(Rows& rows) {
    Append(rows, Separator, QString());
}

void Replace(Rows& rows, int k, const QString& text, const QString& url) {
    if (!valid(rows, k))
        return;
    rows.texts[k] = text;
    rows.urls[k] = url;
}

int Remove(Rows& rows, int k) {
    if (!valid(rows, k))
        return -1;
    rows.urls.removeAt(k);
    rows.texts.removeAt(k);
    return k < rows.count() ? k : -1;
}

void MoveUp(Rows& rows, int k) {
    if (!valid(rows, k) || k == 0)
        return;
    rows.texts.swapItemsAt(k - 1, k);
    rows.urls.swapItemsAt(k - 1, k);
}

void MoveDown(Rows& rows, int k) {
    if (!valid(rows, k) || k + 1 == rows.count())
        return;
    rows.texts.swapItemsAt(k, k + 1);
    rows.urls.swapItemsAt(k, k + 1);
}

QString EditRefusal(const Rows& rows, int selected) {
    if (rows.isSeparator(selected))
        return QStringLiteral("The separator can't be edited.  It can only be added or removed.");
    if (rows.count() == 0)
        return QStringLiteral(
            "The list of menu items is empty.  Please add a menu item before editing it.");
    if (!valid(rows, selected))
        return QStringLiteral("Select a menu item from the list in order to edit it.");
    return QString();
}

QString RemoveRefusal(const Rows& rows, int selected) {
    if (rows.count() == 0)
        return QStringLiteral(
            "The list of Menu items is empty.  Please add a menu item before removing it.");
    if (!valid(rows, selected))
        return QStringLiteral("Select a menu item from the list in order to remove it.");
    return QString();
}

QString MoveUpRefusal(const Rows& rows, int selected) {
    if (!valid(rows, selected) || selected == 0)
        return QStringLiteral("Select an item in the Menu item list.  You cannot move the first "
                              "menu item upward.");
    return QString();
}

QString MoveDownRefusal(const Rows& rows, int selected) {
    if (!valid(rows, selected) || selected + 1 == rows.count())
        return QStringLiteral("Select an item in the Menu item list.  You cannot move the last "
                              "menu item downward.");
    return QString();
}

QString DoneRefusal(const Rows& rows) {
    if (rows.count() == 0)
        return QStringLiteral("Please enter 1 or more menu items in the list below.");
    return QString();
}

QString TargetFrame(const QString& typed) {
    return trimBlanks(typed).isEmpty() ? QStringLiteral("self") : typed;
}

bool OpensNewWindow(const QString& target) {
    return trimBlanks(target.left(5)) == QLatin1String("blank");
}

QString BuildScript(const QString& target) {
    QString script = QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">") + CRLF +
                     QStringLiteral("<!--") + CRLF + CRLF +
                     QStringLiteral("function JumpTo(form)") + CRLF + QStringLiteral("{") + CRLF +
                     QStringLiteral("   i = form.elements[0].selectedIndex;") + CRLF;
    const QString chosen = QStringLiteral("form.elements[0].options[i].value");
    const QString keyword = trimBlanks(target);
    if (OpensNewWindow(target)) {
        // No line end: the closing brace follows on the same line.
        script += "    window.open(" + chosen + ", 'newWin', '')";
    } else if (keyword == QLatin1String("self")) {
        // The window the menu stands in, be it a whole page or a frame.
        script += "    window.location = " + chosen + ";" + CRLF;
    } else if (keyword == QLatin1String("parent")) {
        script += "    window.parent.location = " + chosen + ";" + CRLF;
    } else if (keyword == QLatin1String("top")) {
        script += "    window.top.location = " + chosen + ";" + CRLF;
    } else {
        // A frame by its name: the browser looks for it through the whole window from the
        // top, nested framesets included, and opens a window of that name when no frame
        // has it, so an unknown name is no script error.
        script += "    window.open(" + chosen + ", '" +
                  GeneratedHtml::InScriptString(target, QLatin1Char('\'')) + "');" + CRLF;
    }
    script +=
        QStringLiteral("}") + CRLF + QStringLiteral("//-->") + CRLF + QStringLiteral("</SCRIPT>");
    return script;
}

QString BuildForm(const Rows& rows, bool showAll) {
    const QString size = showAll ? QStringLiteral(" SIZE=\"%1\"").arg(rows.count()) : QString();
    QString form = QStringLiteral("<FORM METHOD=POST ACTION=\"#\" onSubmit=\"return false\">") +
                   CRLF + QStringLiteral("    <SELECT") + size + QStringLiteral(">") + CRLF;
    for (int i = 0; i < rows.count(); ++i) {
        // The address is an attribute value; the text is the option's label, which can hold
        // text only: a "<" typed into it would start a tag the list drops.
        const QString url = rows.isSeparator(i) ? QStringLiteral("#")
                                                : GeneratedHtml::InAttribute(rows.urls.value(i));
        form += QStringLiteral("          <OPTION VALUE=\"") + url + QStringLiteral("\">") +
                GeneratedHtml::AsText(rows.texts[i]) + CRLF;
    }
    form += CRLF + QStringLiteral("    </SELECT>") + CRLF +
            QStringLiteral("  <INPUT TYPE=Submit NAME=\"Submit\" VALUE=\"Go to\" "
                           "onClick=\"JumpTo(this.form)\">") +
            CRLF + QStringLiteral("</FORM>");
    return form;
}

} // namespace JumpMenu
