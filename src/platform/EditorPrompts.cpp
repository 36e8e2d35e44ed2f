#include "platform/EditorPrompts.h"

#include <QFontDialog>
#include <QInputDialog>

namespace {
constexpr int Points[7] = {8, 10, 12, 14, 18, 24, 36};
} // namespace

namespace EditorPrompts {

bool AskLinkAddress(QWidget* parent, const QString& current, QString& address) {
    QInputDialog dialog(parent);
    dialog.setObjectName("HyperlinkPrompt");
    dialog.setWindowTitle("Hyperlink");
    dialog.setLabelText("&Address:");
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(current.isEmpty() ? QStringLiteral("http://") : current);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    address = dialog.textValue().trimmed();
    return !address.isEmpty();
}

bool AskFont(QWidget* parent, FontChoice& choice) {
    QFontDialog dialog(parent);
    dialog.setObjectName("FontDialog");
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QFont font = dialog.currentFont();
    if (!choice.name.isEmpty())
        font.setFamilies({choice.name});
    font.setPointSize(PointsForHtmlSize(choice.size > 0 ? choice.size : 3));
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strike);
    dialog.setCurrentFont(font);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QFont chosen = dialog.selectedFont();
    choice.name = chosen.family();
    choice.size = HtmlSizeForPoints(chosen.pointSize());
    choice.bold = chosen.bold();
    choice.italic = chosen.italic();
    choice.underline = chosen.underline();
    choice.strike = chosen.strikeOut();
    return true;
}

int PointsForHtmlSize(int size) {
    return Points[qBound(1, size, 7) - 1];
}

int HtmlSizeForPoints(int points) {
    for (int i = 0; i < 7; ++i)
        if (points <= Points[i])
            return i + 1;
    return 7;
}

} // namespace EditorPrompts
