#include "core/CColor.h"

#include "core/Module1.h"
#include "platform/CommonDialog.h"
#include "platform/PlatformError.h"

#include <QLabel>

CColor::CColor() {
    LoadWebColors();
}

void CColor::LoadWebColors() {
    static const char* const names[16] = {"aqua",   "black",  "blue",  "fuchsia", "gray",   "green",
                                          "lime",   "maroon", "navy",  "olive",   "purple", "red",
                                          "silver", "teal",   "white", "yellow"};
    static const char* const values[16] = {
        "00FFFF", "000000", "0000FF", "FF00FF", "808080", "008000", "00FF00", "800000",
        "000080", "808000", "800080", "FF0000", "C0C0C0", "008080", "FFFFFF", "FFFF00"};
    for (int row = 0; row < 16; ++row)
        colors_[row][0] = QString::fromLatin1(names[row]);
    for (int row = 0; row < 16; ++row)
        colors_[row][1] = QString::fromLatin1(values[row]);
}

namespace {
int hexDigit(QChar c) {
    if (c >= '0' && c <= '9')
        return c.unicode() - '0';
    if (c >= 'A' && c <= 'F')
        return c.unicode() - 'A' + 10;
    return 0;
}
} // namespace

void CColor::ConvertHexToRGB(QString HexNumber) {
    HexNumber.remove('#');
    HexNumber = HexNumber.toUpper();
    if (HexNumber.isEmpty()) {
        intRed = intGreen = intBlue = 192;
        return;
    }
    int digit[6];
    for (int i = 0; i < 6; ++i)
        digit[i] = i < HexNumber.size() ? hexDigit(HexNumber[i]) : 0;
    intRed = int16_t(16 * digit[0] + digit[1]);
    intGreen = int16_t(16 * digit[2] + digit[3]);
    intBlue = int16_t(16 * digit[4] + digit[5]);
}

QString CColor::ConvertToRGBHex(int32_t intColor) {
    // A negative value is written in its eight-digit two's-complement form.
    QString text = QString::number(uint32_t(intColor), 16).toUpper();
    if (text.size() < 6)
        text = text.rightJustified(6, '0');
    return text.mid(4, 2) + text.mid(2, 2) + text.mid(0, 2);
}

void CColor::SelectColor(QWidget* parent) {
    Module1::ColorDialogCancelled = false;
    ColorHex.clear();
    ColorInt = 0;
    CommonDialog& dialog = CommonDialog::Shared();
    bool chosen = false;
    try {
        dialog.CancelError = true;
        chosen = dialog.ShowColor(parent);
    } catch (const PlatformError&) {
        // A picker that fails has chosen nothing; its last colour is not a choice.
        chosen = false;
    }
    if (!chosen) {
        Module1::ColorDialogCancelled = true;
        return;
    }
    ColorInt = int32_t(dialog.Color & 0xFFFFFFu);
    ColorHex = ConvertToRGBHex(ColorInt);
}

std::optional<QString> CColor::PickForLabel(QWidget* parent, QLabel* label) {
    CColor color;
    color.SelectColor(parent);
    if (Module1::ColorDialogCancelled)
        return std::nullopt;
    QPalette p = label->palette();
    p.setColor(QPalette::Window, ToQColor(color.ColorInt));
    label->setPalette(p);
    label->setText(QString());
    return "#" + color.ColorHex;
}
