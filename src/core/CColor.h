#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

class QLabel;
class QWidget;

// The colour service of every dialog that lets the user give something a colour: the
// colour picker, conversions between colour text ("RRGGBB", no "#") and colour values
// (0x00BBGGRR, red in the lowest byte) and the sixteen named web colours. Each use makes
// a fresh instance.
class CColor {
public:
    // Rows of {lower-case name, colour text}.
    using ColorTable = std::array<std::array<QString, 2>, 16>;

    CColor();

    // The colour SelectColor chose, as colour text ("" after a cancel) and as a value
    // (0 after a cancel).
    QString ColorHex;
    int32_t ColorInt = 0;
    // Set by ConvertHexToRGB.
    int16_t intRed = 0;
    int16_t intBlue = 0;
    int16_t intGreen = 0;

    // A copy of the colour table.
    ColorTable WebColors() const { return colors_; }
    // Sets intRed, intGreen and intBlue from colour text: "#" is ignored, a digit that
    // is missing or not hexadecimal counts 0, and an empty text gives 192, 192, 192.
    void ConvertHexToRGB(QString HexNumber);
    // The colour text of a colour value: BBGGRR turned into RRGGBB.
    static QString ConvertToRGBHex(int32_t intColor);
    // A colour value as the colour a widget shows.
    static QColor ToQColor(int32_t intColor) {
        return QColor(intColor & 0xFF, (intColor >> 8) & 0xFF, (intColor >> 16) & 0xFF);
    }
    // Shows the colour picker; sets ColorInt, ColorHex and Module1::ColorDialogCancelled.
    // Any failure of the picker counts as a cancel: no stale colour comes back.
    void SelectColor(QWidget* parent = nullptr);
    // Shows the colour picker for a colour label: a choice colours the label, clears its
    // caption and comes back as "#RRGGBB"; a cancel leaves the label as it was.
    static std::optional<QString> PickForLabel(QWidget* parent, QLabel* label);

private:
    void LoadWebColors();

    ColorTable colors_;
};
