// The debit/credit table of an entry: its grid and its rows for each direction.
#include "../support/journal_fixtures.h"
#include "journal/entry_table.h"

#include <gtest/gtest.h>

namespace {

// A sale to 山田商店 of 1000, one row on each side.
EntryBuilder Sale(int direction)
{
    return EntryBuilder("2024/03/15").Cause("売上", "1000", "山田商店").Result("現金", "1000").Direction(direction);
}

TEST(EntryTable, GeometryFromTheGroupBox)
{
    const EntryTableGeometry g = EntryTableGeometryFor(CRect(16, 578, 1336, 782), 999);
    EXPECT_EQ(16 + 1320 / 36, g.left);
    EXPECT_EQ(578 + 204 / 5, g.top);
    EXPECT_EQ(204 * 2 / 15, g.rowHeight);
    EXPECT_EQ((std::array<int, 5>{0, 80, 590, 760, 930}), g.lineX);
    EXPECT_EQ(940, g.width);
    EXPECT_EQ((std::array<int, 7>{30, 100, 220, 334, 454, 594, 764}), g.textX);
    EXPECT_EQ(204 / 32, g.textDy);
    // Columns are thousandths of the right edge, truncated.
    const EntryTableGeometry h = EntryTableGeometryFor(CRect(16, 578, 1336, 782), 1336);
    EXPECT_EQ(1336 * 590 / 999, h.lineX[2]);
}

TEST(EntryTable, DirectionDecidesTheDebitSide)
{
    struct Case {
        int direction;
        const char* debit;
        const char* credit;
    } cases[] = {{0, "売上", "現金"}, {1, "現金", "売上"}, {-1, "現金", "売上"}};
    for (const Case& c : cases) {
        CMyObject2 e;
        Sale(c.direction).WriteTo(e);
        const EntryTableContent t = EntryTableContentOf(e);
        ASSERT_EQ(1u, t.rows.size());
        EXPECT_EQ(c.debit, t.rows[0].debit.account) << c.direction;
        EXPECT_EQ(c.credit, t.rows[0].credit.account) << c.direction;
        const EntryTableCell& sale = c.direction == 0 ? t.rows[0].debit : t.rows[0].credit;
        EXPECT_EQ("山田商店", sale.description);
        EXPECT_EQ("1000", sale.amount);
    }
}

TEST(EntryTable, ThreeCauseRowsAgainstOneResult)
{
    CMyObject2 e;
    Sale(0).Cause("雑収入", "200").Cause("受取利息", "5").Remark("3月分" + RemarkItem("内訳")).WriteTo(e);
    const EntryTableContent t = EntryTableContentOf(e);
    ASSERT_EQ(3u, t.rows.size());
    EXPECT_EQ(3, t.causeRows);
    EXPECT_EQ(1, t.resultRows);
    EXPECT_EQ("受取利息", t.rows[2].debit.account);
    EXPECT_EQ("5", t.rows[2].debit.amount);
    EXPECT_EQ("", t.rows[1].credit.account);
    EXPECT_EQ("3月分", t.remark);
    e.m_nDirection = 1;
    EXPECT_EQ("受取利息", EntryTableContentOf(e).rows[2].credit.account);
}

TEST(EntryTable, AThirdAccountAfterAnEmptySecondIsShownAsThePrintShowsIt)
{
    CMyObject2 e;
    // A description on an empty row shows nothing.
    Sale(1).Result("", "", "残り").Result("普通預金", "300").Remark(RemarkItem("品名")).WriteTo(e);
    const EntryTableContent t = EntryTableContentOf(e);
    ASSERT_EQ(3u, t.rows.size());
    EXPECT_EQ(3, t.resultRows);
    EXPECT_EQ("", t.rows[1].debit.account);
    EXPECT_EQ("", t.rows[1].debit.description);
    EXPECT_EQ("普通預金", t.rows[2].debit.account);
    EXPECT_EQ("", t.remark);
}

}  // namespace
