#include "platform/EditorPrompts.h"

#include <QFontDatabase>
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
    QFont font(choice.name.isEmpty() ? dialog.currentFont().family() : choice.name);
    const int points = PointsForHtmlSize(choice.size > 0 ? choice.size : 3);
    font.setPointSize(points);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    // The dialog picks a face by its style name: name the family's face that is bold
    // and italic exactly as the text is, or it may show another one.
    const QString face = FaceFor(font.family(), choice.bold, choice.italic);
    if (!face.isEmpty())
        font.setStyleName(face);
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

QString FaceFor(const QString& family, bool bold, bool italic) {
    // A face of normal width first (a condensed one is bold and italic alike).
    const QStringList styles = QFontDatabase::styles(family);
    for (int pass = 0; pass < 2; ++pass) {
        for (const QString& style : styles) {
            const QFont face = QFontDatabase::font(family, style, 12);
            if (face.bold() == bold && face.italic() == italic &&
                (pass == 1 || face.stretch() == QFont::AnyStretch ||
                 face.stretch() == QFont::Unstretched))
                return style;
        }
    }
    return {};
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
