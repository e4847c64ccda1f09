// The page plan: what each way of adding to a page records, and the empty page.
#include "framework/page_plan.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(PagePlan, EachKindOfTextIsRecordedWithItsPlaceSizeAndRoom)
{
    struct Case {
        const char* what;
        std::function<void(PagePlan&)> add;
        PlannedText expected;
    } cases[] = {
        {"plain", [](PagePlan& p) { p.AddText(86, 144, -175, "03/01"); },
         {"03/01", 144, -175, 86, false, 0, 0, 0}},
        {"fitted", [](PagePlan& p) { p.AddFittedText(80, 982, -394, "2 個", 1228); },
         {"2 個", 982, -394, 80, false, 0, 0, 246}},
        // No room to the right: the text is drawn as it is.
        {"fitted without room", [](PagePlan& p) { p.AddFittedText(80, 982, -394, "2 個", 982); },
         {"2 個", 982, -394, 80, false, 0, 0, 0}},
        {"fitted left of its start", [](PagePlan& p) { p.AddFittedText(80, 982, -394, "2 個", 900); },
         {"2 個", 982, -394, 80, false, 0, 0, -82}},
        {"centred", [](PagePlan& p) { p.AddCentredText(200, 0, -300, 2100, -438, "《 仕訳帳 》"); },
         {"《 仕訳帳 》", 0, -300, 200, true, 2100, -438, 0}},
        {"empty text", [](PagePlan& p) { p.AddText(90, 300, -180, ""); }, {"", 300, -180, 90, false, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        PagePlan plan;
        c.add(plan);
        ASSERT_EQ(1u, plan.texts.size()) << c.what;
        EXPECT_TRUE(plan.rules.empty()) << c.what;
        const PlannedText& text = plan.texts[0];
        EXPECT_EQ(c.expected.text, text.text) << c.what;
        EXPECT_EQ(c.expected.x, text.x) << c.what;
        EXPECT_EQ(c.expected.y, text.y) << c.what;
        EXPECT_EQ(c.expected.pointTenths, text.pointTenths) << c.what;
        EXPECT_EQ(c.expected.centred, text.centred) << c.what;
        EXPECT_EQ(c.expected.right, text.right) << c.what;
        EXPECT_EQ(c.expected.bottom, text.bottom) << c.what;
        EXPECT_EQ(c.expected.fitWidth, text.fitWidth) << c.what;
        EXPECT_FALSE(plan.Empty()) << c.what;
    }
}

TEST(PagePlan, RulesKeepTheirEndsAndStyleInTheOrderAdded)
{
    PagePlan plan;
    EXPECT_TRUE(plan.Empty());
    EXPECT_EQ(1, plan.ruleWidth);
    plan.AddRule(134, -165, 1958, -165);
    plan.AddRule(284, -210, 1958, -210, true);
    plan.AddRule(134, -165, 134, -210, false);
    EXPECT_FALSE(plan.Empty());
    EXPECT_TRUE(plan.texts.empty());
    const struct {
        int x1, y1, x2, y2;
        bool dotted;
    } expected[] = {{134, -165, 1958, -165, false}, {284, -210, 1958, -210, true}, {134, -165, 134, -210, false}};
    ASSERT_EQ(3u, plan.rules.size());
    for (std::size_t i = 0; i < plan.rules.size(); ++i) {
        const PlannedRule& rule = plan.rules[i];
        EXPECT_EQ(expected[i].x1, rule.x1) << i;
        EXPECT_EQ(expected[i].y1, rule.y1) << i;
        EXPECT_EQ(expected[i].x2, rule.x2) << i;
        EXPECT_EQ(expected[i].y2, rule.y2) << i;
        EXPECT_EQ(expected[i].dotted, rule.dotted) << i;
    }
}

}  // namespace
