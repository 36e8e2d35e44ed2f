// Where the main window's parts go, and how numbers are read from settings.
#include "core/window/MainLayout.h"
#include "core/Module1.h"

#include <gtest/gtest.h>

using namespace MainLayout;

TEST(MainLayout, SurfaceBesideTheShownBarOrAcrossTheWindow) {
    EXPECT_EQ(Surface({12000, 9000, 2400, true, true}), QRect(2450, 930, 12000 - 2400 - 150, 7050));
    EXPECT_EQ(Surface({12000, 9000, 2400, false, true}), QRect(0, 930, 11850, 7050));
    EXPECT_EQ(Surface({12000, 9000, 2400, true, false}).top(), 720);
}

TEST(MainLayout, PanelPartsFollowTheBarWidth) {
    const Panel p = PanelParts(2400, 6000, 330);
    EXPECT_EQ(p.titleWidth, 2305);
    EXPECT_EQ(p.listBarWidth, 2325);
    EXPECT_EQ(p.listBarHeight, 6000 - 330 - 40);
    EXPECT_EQ(p.splitterHeight, 6000);
    EXPECT_EQ(p.closeButtonLeft, 2145);
    EXPECT_EQ(SplitterLeftAtStart(2400), 2360);
    EXPECT_EQ(SplitterLeftAfterDrag(2400), 2350);
}

TEST(MainLayout, SplitterDropsStopAtTheirLimits) {
    // On the surface: the new width may reach half the window, not more.
    EXPECT_EQ(WidthAfterDropOnSurface(2400, 2600, 10000), 5000);
    EXPECT_EQ(WidthAfterDropOnSurface(2400, 2601, 10000), -1);
    EXPECT_EQ(WidthAfterDropOnSurface(2400, -2000, 10000), 400); // no lower limit
    // On the list bar: only beyond 600 twips.
    EXPECT_EQ(WidthAfterDropOnListBar(600), -1);
    EXPECT_EQ(WidthAfterDropOnListBar(601), 601);
}

TEST(SettingNumbers, LeadingValueRoundedHalfToEvenWithinTheRange) {
    using Module1::LeadingNumber;
    EXPECT_EQ(LeadingNumber("1234"), 1234);
    EXPECT_EQ(LeadingNumber("  -15"), -15);
    EXPECT_EQ(LeadingNumber("300px"), 300);
    EXPECT_EQ(LeadingNumber("1 000"), 1000);
    EXPECT_EQ(LeadingNumber("2.5"), 2);
    EXPECT_EQ(LeadingNumber("3.5"), 4);
    EXPECT_EQ(LeadingNumber("1e3"), 1000);
    EXPECT_EQ(LeadingNumber("&H10"), 16);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber("32767"), 32767);
    EXPECT_EQ(LeadingNumber("32768"), 0);
    EXPECT_EQ(LeadingNumber("-32768"), -32768);
    EXPECT_EQ(LeadingNumber("-32769"), 0);
    EXPECT_EQ(LeadingNumber("1e999"), 0);
    // The wider reading keeps larger values.
    EXPECT_EQ(LeadingNumber("40000", 32), 40000);
    EXPECT_EQ(LeadingNumber("3000000000", 32), 0);
}
