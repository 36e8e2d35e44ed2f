// The colour service: conversions, the web colours and the picker.
#include "core/CColor.h"
#include "core/Module1.h"
#include "support/DialogDriver.h"
#include "support/TestSupport.h"

#include <QColorDialog>
#include <gtest/gtest.h>

namespace {
struct Rgb {
    int red, green, blue;
};
Rgb rgbOf(const QString& text) {
    CColor c;
    c.ConvertHexToRGB(text);
    return {c.intRed, c.intGreen, c.intBlue};
}
bool operator==(const Rgb& a, const Rgb& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}
std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << c.red << ", " << c.green << ", " << c.blue;
}
} // namespace

TEST(CColor, HexTextToRedGreenBlue) {
    EXPECT_EQ(rgbOf("#ff8000"), (Rgb{255, 128, 0}));
    EXPECT_EQ(rgbOf("FF8000"), (Rgb{255, 128, 0}));
    EXPECT_EQ(rgbOf(""), (Rgb{192, 192, 192}));
    EXPECT_EQ(rgbOf("#"), (Rgb{192, 192, 192}));
    // Missing digits and letters that are not hexadecimal count 0; extra ones are ignored.
    EXPECT_EQ(rgbOf("F80"), (Rgb{248, 0, 0}));
    EXPECT_EQ(rgbOf("ZZ1234"), (Rgb{0, 18, 52}));
    EXPECT_EQ(rgbOf("123456FF"), (Rgb{18, 52, 86}));
    EXPECT_EQ(rgbOf("#1#2#3#4#5#6"), (Rgb{18, 52, 86}));
}

TEST(CColor, ColourValueToHexText) {
    EXPECT_EQ(CColor::ConvertToRGBHex(255), "FF0000");
    EXPECT_EQ(CColor::ConvertToRGBHex(65280), "00FF00");
    EXPECT_EQ(CColor::ConvertToRGBHex(16711680), "0000FF");
    EXPECT_EQ(CColor::ConvertToRGBHex(0), "000000");
    EXPECT_EQ(CColor::ConvertToRGBHex(3840), "000F00");
    EXPECT_EQ(CColor::ConvertToRGBHex(341010), "123405");
    // A negative value is read in its eight-digit form: FFFFFFFF.
    EXPECT_EQ(CColor::ConvertToRGBHex(-1), "FFFFFF");
}

TEST(CColor, TheSixteenWebColoursRoundTrip) {
    CColor c;
    const CColor::ColorTable table = c.WebColors();
    const QStringList names = {"aqua",   "black",  "blue",  "fuchsia", "gray",   "green",
                               "lime",   "maroon", "navy",  "olive",   "purple", "red",
                               "silver", "teal",   "white", "yellow"};
    const QStringList texts = {"00FFFF", "000000", "0000FF", "FF00FF", "808080", "008000",
                               "00FF00", "800000", "000080", "808000", "800080", "FF0000",
                               "C0C0C0", "008080", "FFFFFF", "FFFF00"};
    for (int row = 0; row < 16; ++row) {
        EXPECT_EQ(table[row][0], names[row]) << row;
        EXPECT_EQ(table[row][1], texts[row]) << row;
        c.ConvertHexToRGB(table[row][1]);
        const int32_t value = c.intRed | (c.intGreen << 8) | (c.intBlue << 16);
        EXPECT_EQ(CColor::ConvertToRGBHex(value), table[row][1]) << qPrintable(names[row]);
    }
}

TEST(CColor, WebColoursAreACopy) {
    CColor c;
    CColor::ColorTable table = c.WebColors();
    table[0][0] = "changed";
    table[11][1] = "000000";
    EXPECT_EQ(c.WebColors()[0][0], "aqua");
    EXPECT_EQ(c.WebColors()[11][1], "FF0000");
}

TEST(CColor, APickedColourComesBackAsValueAndText) {
    CColor c;
    DialogDriver::answerColorPicker(QColor(18, 52, 5));
    c.SelectColor();
    EXPECT_FALSE(Module1::ColorDialogCancelled);
    EXPECT_EQ(c.ColorInt, 341010);
    EXPECT_EQ(c.ColorHex, "123405");
}

TEST(CColor, ACancelAfterAPickHandsBackNoColour) {
    CColor first;
    DialogDriver::answerColorPicker(QColor(255, 0, 0));
    first.SelectColor();
    ASSERT_EQ(first.ColorHex, "FF0000");

    // The picker still remembers red; a cancel must not hand it back.
    CColor second;
    second.ColorHex = "ABCDEF";
    second.ColorInt = 77;
    DialogDriver::answerColorPicker(QColor());
    second.SelectColor();
    EXPECT_TRUE(Module1::ColorDialogCancelled);
    EXPECT_EQ(second.ColorHex, "");
    EXPECT_EQ(second.ColorInt, 0);

    // The next pick clears the flag first.
    DialogDriver::answerColorPicker(QColor(0, 0, 255));
    second.SelectColor();
    EXPECT_FALSE(Module1::ColorDialogCancelled);
    EXPECT_EQ(second.ColorHex, "0000FF");
    EXPECT_EQ(second.ColorInt, 0xFF0000);
}
