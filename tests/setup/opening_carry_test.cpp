#include "../../setup/opening_carry.h"

#include "opening_balance_fixture.h"

#include "../../core/column_text.h"

#include <gtest/gtest.h>

namespace {

using S = CKishuZandakaItem::Status;

TEST(OpeningCarry, SignOfAPosting)
{
    struct Case {
        int direction;
        bool causeRow;
        int classIndex;
        bool negates;
    } const cases[] = {
        // Assets grow with debits: direction 0 puts the cause rows on the debit side.
        {0, true, 4, false}, {0, false, 4, true}, {1, false, 4, false}, {1, true, 4, true},
        {0, true, -1, false},
        // No phrase chosen (-1) books like the first phrase: the cause rows are credits.
        {-1, true, 5, true}, {-1, false, 5, false}, {-1, true, 3, false}, {-1, false, 6, true},
        // Liabilities and capital grow with credits.
        {0, false, 3, false}, {1, false, 3, true}, {1, true, 6, false}, {0, true, 6, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.negates, NegatesPosting(c.direction, c.causeRow, c.classIndex))
            << c.direction << " " << c.causeRow << " " << c.classIndex;
}

TEST(OpeningCarry, ClosingBalancesBecomeTheRows)
{
    OpeningFixture f;
    f.Add(OneRowEntry("2024/01/01", "現金", "元入金", "1000", 0, 5007000));
    f.Add(OneRowEntry("2024/01/01", "普通預金", "元入金", "800", 0, 5007000).CauseDesc("C銀行"));
    f.Add(OneRowEntry("2024/02/01", "売上", "現金", "500", 1, 1005000));
    f.Add(OneRowEntry("2024/02/02", "仕入", "買掛金", "300", 0, 2004000));
    f.Add(OneRowEntry("2024/02/03", "現金", "普通預金", "100", 0, 5005000).ResultDesc("C銀行"));
    f.Add(OneRowEntry("2024/02/04", "売上", "売掛金", "40", 1, 1005000).ResultDesc("A商店"));
    // An asset that closes on the credit side carries a negative balance.
    f.Add(OneRowEntry("2024/03/01", "通信費", "建物", "70", 0, 3006000));
    const CString year = CarryForwardBalances(f.dictionary, f.journal, f.rows);
    EXPECT_STREQ("2025", year);

    EXPECT_STREQ("1600", f.At("現金", "合計").m_strBalance);
    EXPECT_EQ(S::kFromPrevYear, f.At("現金", "合計").m_nStatus);
    EXPECT_STREQ("1600", f.At("現金", "未設定の合計").m_strBalance);
    EXPECT_STREQ("700", f.At("普通預金", "合計").m_strBalance);
    EXPECT_EQ(1, f.At("普通預金", "合計").m_nEntry);
    EXPECT_STREQ("700", f.At("普通預金", "C銀行").m_strBalance);
    EXPECT_EQ(S::kFromPrevYear, f.At("普通預金", "C銀行").m_nStatus);
    EXPECT_STREQ("0", f.At("普通預金", "未設定の合計").m_strBalance);
    EXPECT_STREQ("300", f.At("買掛金", "未設定の合計").m_strBalance);
    EXPECT_EQ(S::kFromPrevYear, f.At("買掛金", "未設定の合計").m_nStatus);
    // A description without an opening entry is no carried row: the remainder holds it.
    EXPECT_EQ(S::kBuilt, f.At("売掛金", "A商店").m_nStatus);
    EXPECT_EQ(UnsetMark(), f.At("売掛金", "A商店").m_strBalance);
    EXPECT_STREQ("40", f.At("売掛金", "未設定の合計").m_strBalance);
    EXPECT_STREQ("-70", f.At("建物", "未設定の合計").m_strBalance);
    // Rows nothing was carried into.
    EXPECT_EQ(BlankBalance(), f.At("資本金", "合計").m_strBalance);
    EXPECT_EQ(S::kBuilt, f.At("資本金", "未設定の合計").m_nStatus);
    EXPECT_EQ(-1, f.At("現金", "未設定の合計").m_nEntry);
}

TEST(OpeningCarry, CapitalAndEntriesWithoutClassDigits)
{
    OpeningFixture f;
    f.Add(OneRowEntry("2023/05/01", "元入金", "資本金", "900", 0, 7007000));
    // No class digits: the account's own rows give its side (direction 1 puts
    // 現金 on the debit side and 買掛金 on the credit side).
    f.Add(OneRowEntry("2023/06/01", "買掛金", "現金", "50", 1, 0));
    EXPECT_STREQ("2024", CarryForwardBalances(f.dictionary, f.journal, f.rows));
    EXPECT_STREQ("900", f.At("資本金", "未設定の合計").m_strBalance);
    EXPECT_STREQ("50", f.At("買掛金", "未設定の合計").m_strBalance);
    EXPECT_STREQ("50", f.At("現金", "未設定の合計").m_strBalance);
}

TEST(OpeningCarry, AnEmptyOrUndatedJournalGivesNoYear)
{
    OpeningFixture f;
    EXPECT_STREQ("", CarryForwardBalances(f.dictionary, f.journal, f.rows));
    EXPECT_EQ(BlankBalance(), f.At("現金", "合計").m_strBalance);
    f.Add(OneRowEntry("abcd/01/01", "売上", "現金", "5", 1, 1005000));
    EXPECT_STREQ("", CarryForwardBalances(f.dictionary, f.journal, f.rows));
    EXPECT_STREQ("5", f.At("現金", "合計").m_strBalance);
}

TEST(OpeningCarry, OnlyTheYearBeforeTheOpenJournalsIsCarriedWithoutAQuestion)
{
    OpeningFixture previous;
    OpeningFixture open;
    EXPECT_EQ(0, YearsOfCarry(previous.journal, open.journal).previous);
    previous.Add(OneRowEntry("2022/05/01", "売上", "現金", "5", 1, 1005000));
    open.Add(OneRowEntry("2025/01/01", "現金", "元入金", "7", 0, 5007000));
    const CarryYears years = YearsOfCarry(previous.journal, open.journal);
    EXPECT_EQ(2022, years.previous);
    EXPECT_EQ(2025, years.open);
    struct Case {
        CarryYears years;
        bool asked;
    };
    const Case cases[] = {{{2024, 2025}, false}, {{2022, 2025}, true}, {{2025, 2025}, true},
                          {{2026, 2025}, true},  {{0, 2025}, false},   {{2022, 0}, false}};
    for (const Case& c : cases) {
        const CString question = CarryYearQuestion(c.years);
        EXPECT_EQ(c.asked, !question.IsEmpty()) << c.years.previous << " " << c.years.open;
        if (c.asked) {
            EXPECT_GE(question.Find(IntToText(c.years.previous) + " 年の会計データ"), 0);
            EXPECT_GE(question.Find(IntToText(c.years.open) + " 年の期首残高"), 0);
        }
    }
}

// The rows a carry-forward leaves are written as this year's opening entries.
TEST(OpeningCarry, CarriedRowsBecomeOpeningEntries)
{
    OpeningFixture f;
    f.Add(OneRowEntry("2024/01/01", "普通預金", "元入金", "800", 0, 5007000).CauseDesc("C銀行"));
    f.Add(OneRowEntry("2024/02/01", "売上", "現金", "500", 1, 1005000));
    f.Add(OneRowEntry("2024/02/02", "仕入", "買掛金", "300", 0, 2004000));
    const CString year = CarryForwardBalances(f.dictionary, f.journal, f.rows);

    OpeningFixture thisYear;
    thisYear.Add(OneRowEntry("2025/01/01", "現金", "元入金", "1", 0, 5007000));
    thisYear.Add(OneRowEntry("2025/03/01", "現金", "元入金", "2", 0, 5007000));
    const OpeningOutcome out = ApplyOpeningBalances(thisYear.journal, f.rows, year, 0);
    ASSERT_TRUE(out.refusal.IsEmpty()) << out.refusal.str();
    std::vector<std::string> lines;
    for (int i = 0; i < thisYear.journal.GetSize(); ++i) {
        const CMyObject2& e = *thisYear.journal[i];
        lines.push_back(e.m_strDate.str() + " " + e.m_strCause1.str() + "/" + e.m_strResult1.str() + " " +
                        e.m_strCauseAmount1.str() + " " + e.m_strCauseDesc1.str() + " " +
                        std::to_string(e.m_nClassCode));
    }
    // The user's own 元入金 entry of March stays; this year's opening entry goes.
    const std::vector<std::string> expected = {
        "2025/01/01 普通預金/元入金 800 C銀行 5007000",
        "2025/01/01 現金/元入金 500  5007000",
        "2025/01/01 買掛金/元入金 300  4007000",
        "2025/03/01 現金/元入金 2  5007000",
    };
    EXPECT_EQ(expected, lines);
}

}  // namespace
