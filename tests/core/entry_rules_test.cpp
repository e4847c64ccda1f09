// The small rules of a journal entry that every book reads: which side a row is
// on, what the fiscal year is, which accounts are inventory, what an opening entry is.
#include "core/entry_side.h"
#include "core/fiscal_year.h"
#include "core/inventory_account.h"
#include "core/opening_entry.h"
#include "support/entry_builder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(EntrySide, DirectionZeroPutsTheCauseRowsOnTheDebitSide)
{
    struct Case {
        int direction;
        bool causeDebit;
    } const cases[] = {{0, true}, {1, false}, {-1, false}, {2, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.causeDebit, CauseRowsAreDebit(c.direction)) << c.direction;
        EXPECT_EQ(c.causeDebit, RowIsDebit(c.direction, true)) << c.direction;
        EXPECT_EQ(!c.causeDebit, RowIsDebit(c.direction, false)) << c.direction;
    }
    CMyObject2 entry;
    entry.m_nDirection = -1;
    EXPECT_FALSE(entry.CauseIsDebit());
}

TEST(FiscalYear, TheYearOfTheFirstEntry)
{
    OwnedJournal none;
    EXPECT_EQ("", FiscalYearOf(none.journal));
    struct Case {
        const char* firstDate;
        const char* year;
    } const cases[] = {{"2024/03/01", "2024"}, {"1999/12/31", "1999"}, {"", ""}, {"24/01/01", ""}, {"２０２４", ""}};
    for (const Case& c : cases) {
        OwnedJournal j;
        j.Add(OneRowEntry(c.firstDate, "売上", "現金", "1", -1, 0));
        j.Add(OneRowEntry("2030/01/01", "売上", "現金", "1", -1, 0));
        EXPECT_EQ(c.year, FiscalYearOf(j.journal)) << c.firstDate;
    }
    for (const char* year : {"2024", "0000"})
        EXPECT_TRUE(IsYearText(year));
    for (const char* year : {"", "202", "20245", "20x4"})
        EXPECT_FALSE(IsYearText(year));
}

TEST(InventoryAccount, NamesHoldingTanaoroshi)
{
    for (const char* name : {"棚卸資産", "期末棚卸高", "棚卸"})
        EXPECT_TRUE(IsInventoryAccount(name)) << name;
    for (const char* name : {"商品", "仕入", ""})
        EXPECT_FALSE(IsInventoryAccount(name)) << name;
}

TEST(InventoryAccount, EntriesOfTheYearEndToldByRowOneAndDirection)
{
    using Kind = InventoryEntryKind;
    struct Case {
        const char* cause;
        const char* result;
        int direction;
        Kind kind;
    } const cases[] = {
        {"棚卸資産", "元入金", 0, Kind::Opening},   {"元入金", "棚卸資産", 1, Kind::Opening},
        {"棚卸資産", "元入金", 1, Kind::None},      {"元入金", "棚卸資産", 0, Kind::None},
        {"棚卸資産", "仕入", 1, Kind::Transfer},    {"仕入", "期末棚卸高", 0, Kind::Transfer},
        {"棚卸資産", "仕入", 0, Kind::Closing},     {"仕入", "棚卸資産", 1, Kind::Closing},
        {"棚卸資産", "仕入", -1, Kind::None},       {"仕入", "棚卸資産", 2, Kind::None},
        {"棚卸資産", "期末棚卸高", 0, Kind::None},  {"棚卸資産", "現金", 0, Kind::None},
        {"商品", "仕入", 0, Kind::None},            {"仕入", "現金", 0, Kind::None},
    };
    for (const Case& c : cases) {
        const auto entry = OneRowEntry("2024/12/31", c.cause, c.result, "1000", c.direction, 0).Owned();
        EXPECT_EQ(c.kind, InventoryEntryKindOf(*entry)) << c.cause << " " << c.result << " " << c.direction;
    }
}

TEST(OpeningEntry, OneOfFirstJanuaryAgainstCapital)
{
    OwnedJournal j;
    j.Add(OneRowEntry("2024/01/01", "現金", "元入金", "180000", -1, 0));  // 0: opening cash
    j.Add(OneRowEntry("2024/06/30", "元入金", "現金", "50000", -1, 0));   // 1: paid in during the year
    j.Add(OneRowEntry("2024/01/01", "元入金", "買掛金", "300", 1, 0));    // 2: a liability, turned round
    j.Add(OneRowEntry("2024/01/01", "売上", "現金", "1", -1, 0));         // 3: no capital
    j.Add(OneRowEntry("2023/01/01", "普通預金", "元入金", "1", -1, 0));   // 4: another year
    const bool opening[] = {true, false, true, false, false};
    for (int i = 0; i < j.journal.GetSize(); ++i)
        EXPECT_EQ(opening[i], IsOpeningEntry(*j.journal[i], "2024")) << i;
    EXPECT_FALSE(IsOpeningEntry(*j.journal[0], ""));

    EXPECT_EQ("買掛金", OpenedBalanceOf(*j.journal[2]).account);
    EXPECT_EQ("300", OpenedBalanceOf(*j.journal[2]).amount);
    EXPECT_EQ(0, FindOpeningEntry(j.journal, "現金", "2024"));
    EXPECT_EQ(2, FindOpeningEntry(j.journal, "買掛金", "2024"));
    EXPECT_EQ(-1, FindOpeningEntry(j.journal, "普通預金", "2024"));
    EXPECT_EQ(4, FindOpeningEntry(j.journal, "普通預金", "2023"));
}

}  // namespace
