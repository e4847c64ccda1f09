// The run's screen layout: row heights, window placement and the layout words.
#include "journal/screen_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ScreenLayout, RowHeightsFollowFontSizeAndDpi)
{
    EXPECT_EQ(24, ListRowHeight(12, 96));
    EXPECT_EQ(18, ListRowHeight(9, 96));
    EXPECT_EQ(36, ListRowHeight(12, 144));
    EXPECT_EQ(35, ListRowHeight(14, 120));
    const ItemHeights h = ItemHeightsFor(24);
    EXPECT_EQ(24, h.transactionList);
    EXPECT_EQ(20, h.classList);
    EXPECT_EQ(20, h.comboItems);
    const ItemHeights h18 = ItemHeightsFor(18);
    EXPECT_EQ(15, h18.classList);
    EXPECT_EQ(15, h18.comboItems);
}

TEST(ScreenLayout, WindowIsCentredWithRoomBelowAndNeverOffTheTopLeft)
{
    struct Case {
        int dpi, screenW, screenH;
        CRect group;
        WindowPlacement want;
    } cases[] = {
        // 96 dpi: 40 and 90 pixels around the table group box.
        {96, 1280, 1024, CRect(16, 578, 1000, 760), {120, 72, 1040, 850}},
        {96, 1280, 1024, CRect(16, 578, 1336, 782), {0, 61, 1376, 872}},
        {120, 1920, 1080, CRect(20, 700, 1500, 900), {185, 19, 1550, 1012}},
        // Lower than the window by less than 30 pixels: y would be negative and becomes 0.
        {96, 1280, 880, CRect(0, 0, 1000, 780), {120, 0, 1040, 870}},
        {144, 800, 600, CRect(0, 0, 2000, 1200), {0, 0, 2060, 1335}},
    };
    for (const Case& c : cases) {
        const WindowPlacement p = MainWindowPlacement(c.dpi, c.screenW, c.screenH, c.group);
        EXPECT_EQ(c.want.x, p.x) << c.dpi << " " << c.screenW;
        EXPECT_EQ(c.want.y, p.y) << c.dpi << " " << c.screenW;
        EXPECT_EQ(c.want.width, p.width) << c.dpi << " " << c.screenW;
        EXPECT_EQ(c.want.height, p.height) << c.dpi << " " << c.screenW;
    }
}

TEST(ScreenLayout, LayoutWordsFromTheButtonAndTheGroupBoxes)
{
    const auto words = LayoutWords(120, CRect(200, 6, 360, 36), CRect(16, 56, 1336, 300), CRect(16, 578, 1336, 782));
    EXPECT_EQ((std::array<int, 11>{38, 6, 52, 162, 5, 10, 48, 1342, 790, 1336, 782}), words);
}

}  // namespace
