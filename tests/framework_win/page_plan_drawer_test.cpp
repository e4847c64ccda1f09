// The drawer of page plans: a plan drawn into a recorded page and read back from
// the records: each text at its place in its size of the printed face, centred
// and narrowed texts, solid and dotted rules in the plan's pen width, and the
// context left as it was.
#include "framework/win/dc.h"
#include "framework/win/gdi_objects.h"
#include "framework/win/page_plan_drawer.h"
#include "framework/win/print_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

struct DrawnPage {
    std::vector<PageText> texts;
    std::vector<PageLine> lines;
    std::vector<int> mapModes;
};

DrawnPage Draw(const PagePlan& plan)
{
    HDC recorder = CreatePageRecorder(nullptr, StandInA4Page(DMORIENT_PORTRAIT));
    {
        CDC dc;
        dc.Attach(recorder);
        DrawPagePlan(&dc, plan);
        dc.Detach();
    }
    const CPageMetafile page(::CloseEnhMetaFile(recorder));
    return DrawnPage{PageTexts(page.Get()), PageLines(page.Get()), PageMapModes(page.Get())};
}

const PageText* Find(const DrawnPage& page, const char* text)
{
    for (const PageText& drawn : page.texts)
        if (drawn.text == text)
            return &drawn;
    return nullptr;
}

// The height a point size takes in tenths of a millimetre (a point is 0.3528 mm).
int TenthsOfMm(int pointTenths)
{
    return (pointTenths * 3528 + 5000) / 10000;
}

TEST(PagePlanDrawer, TextsStandWherePlannedInTheirSizeOfThePrintedFace)
{
    struct Case {
        const char* what;
        std::function<void(PagePlan&)> add;
        const char* text;
        int pointTenths;
        // Where the text's reference point must be; for a centred text its
        // middle instead of its left edge.
        int x, y;
        bool middle;
        bool narrowed;
    } cases[] = {
        {"body text", [](PagePlan& p) { p.AddText(86, 144, -175, "03/01"); }, "03/01", 86, 144, -175, false, false},
        {"cover text", [](PagePlan& p) { p.AddText(200, 300, -600, "令和6年度"); }, "令和6年度", 200, 300, -600, false,
         false},
        {"centred", [](PagePlan& p) { p.AddCentredText(100, 0, -80, 2100, -125, "－ 仕訳帳 －"); }, "－ 仕訳帳 －", 100,
         1050, -80, true, false},
        {"fitted with room", [](PagePlan& p) { p.AddFittedText(80, 982, -394, "2 個", 1228); }, "2 個", 80, 982, -394,
         false, false},
        {"fitted too wide", [](PagePlan& p) { p.AddFittedText(80, 982, -394, "999,999,999,999,999 個", 1228); },
         "999,999,999,999,999 個", 80, 982, -394, false, true},
        {"no room given", [](PagePlan& p) { p.AddFittedText(80, 982, -394, "999,999,999,999,999 個", 982); },
         "999,999,999,999,999 個", 80, 982, -394, false, false},
    };
    for (const Case& c : cases) {
        PagePlan plan;
        c.add(plan);
        const DrawnPage page = Draw(plan);
        ASSERT_EQ(1u, page.texts.size()) << c.what;
        const PageText* drawn = Find(page, c.text);
        ASSERT_NE(nullptr, drawn) << c.what;
        EXPECT_EQ(CString("ＭＳ 明朝"), drawn->face) << c.what;
        // The size reaches the page through the reference device's whole pixels.
        const int size = TenthsOfMm(c.pointTenths);
        EXPECT_NEAR(size, std::abs(drawn->height), size * 15 / 100 + 1) << c.what;
        EXPECT_EQ(c.y, drawn->at.y) << c.what;
        if (c.middle) {
            ASSERT_GT(drawn->advance, 0) << c.what;
            EXPECT_NEAR(c.x, drawn->at.x + drawn->advance / 2, 3) << c.what;
        } else {
            EXPECT_EQ(c.x, drawn->at.x) << c.what;
        }
        const PlannedText& planned = plan.texts[0];
        if (c.narrowed) {
            EXPECT_GT(drawn->width, 0) << c.what;
            ASSERT_GT(drawn->advance, 0) << c.what;
            EXPECT_LE(drawn->advance, planned.fitWidth) << c.what;
        } else {
            EXPECT_EQ(0, drawn->width) << c.what;
        }
        EXPECT_EQ((std::vector<int>{MM_LOMETRIC}), page.mapModes) << c.what;
    }
}

TEST(PagePlanDrawer, RulesInTheirStyleAndThePlansPenWidth)
{
    for (const int width : {1, 0}) {
        PagePlan plan;
        plan.ruleWidth = width;
        plan.AddRule(134, -165, 1958, -165);
        plan.AddRule(284, -210, 1958, -210, true);
        plan.AddRule(134, -165, 134, -210);
        const DrawnPage page = Draw(plan);
        ASSERT_EQ(3u, page.lines.size()) << width;
        const struct {
            CPoint from, to;
            int style;
        } expected[] = {{CPoint(134, -165), CPoint(1958, -165), PS_SOLID},
                        {CPoint(284, -210), CPoint(1958, -210), PS_DOT},
                        {CPoint(134, -165), CPoint(134, -210), PS_SOLID}};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(expected[i].from, page.lines[i].from) << width << " " << i;
            EXPECT_EQ(expected[i].to, page.lines[i].to) << width << " " << i;
            EXPECT_EQ(expected[i].style, page.lines[i].style) << width << " " << i;
            EXPECT_EQ(width, page.lines[i].width) << width << " " << i;
            EXPECT_EQ(RGB(0, 0, 0), page.lines[i].color) << width << " " << i;
        }
    }
    // An empty plan draws nothing.
    const DrawnPage empty = Draw(PagePlan());
    EXPECT_TRUE(empty.texts.empty());
    EXPECT_TRUE(empty.lines.empty());
}

TEST(PagePlanDrawer, TheContextIsLeftAsItWas)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "ＭＳ ゴシック", &dc));
    CFont* original = dc.SelectObject(&font);
    dc.SetBkMode(OPAQUE);
    dc.SetTextColor(RGB(255, 0, 0));

    PagePlan plan;
    plan.AddText(86, 10, -10, "摘要");
    plan.AddCentredText(200, 0, -300, 2100, -438, "《 勘定元帳 》");
    plan.AddRule(0, -50, 100, -50, true);
    DrawPagePlan(&dc, plan);

    EXPECT_EQ(MM_TEXT, dc.GetMapMode());
    EXPECT_EQ(OPAQUE, dc.GetBkMode());
    EXPECT_EQ(RGB(255, 0, 0), dc.GetTextColor());
    CFont* selected = dc.SelectObject(original);
    ASSERT_NE(nullptr, selected);
    EXPECT_EQ(font.GetSafeHandle(), selected->GetSafeHandle());
}

}  // namespace
