// The bad-debt allowance aid: the entries and receivables read from the journal,
// the limit, the hand-over on OK and the entries written in their order.
#include "setup/bad_debt_entries.h"

#include "support/entry_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Row {
    const char* cause;
    const char* result;
    int direction;
    const char* amount;
    int classCode = 0;
};

class BadDebtTest : public ::testing::Test {
protected:
    void TearDown() override { Clear(); }
    void Clear()
    {
        for (int i = 0; i < m_journal.GetSize(); ++i)
            delete m_journal[i];
        m_journal.RemoveAll();
    }
    void Add(const Row& row)
    {
        m_journal.Add(OneRowEntry("2024/05/01", row.cause, row.result, row.amount, row.direction, row.classCode).New());
    }
    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < m_journal.GetSize(); ++i) {
            const CMyObject2& e = *m_journal[i];
            lines.push_back(e.m_strDate.str() + " " + e.m_strCause1.str() + ">" + e.m_strResult1.str() + ":" +
                            e.m_strCauseAmount1.str() + " d" + std::to_string(e.m_nDirection) + " c" +
                            std::to_string(e.m_nClassCode));
        }
        return lines;
    }
    JournalArray m_journal;
};

TEST_F(BadDebtTest, ReceivablesFollowTheSideOnWhichTheirClassGrows)
{
    struct Case {
        const char* what;
        std::vector<Row> rows;
        const char* total;
    } cases[] = {
        {"sale on credit, class 5 debit", {{"売上", "売掛金", 1, "1000", 1005000}}, "1000"},
        {"collected, class 5 on the credit side", {{"売上", "売掛金", 1, "1000", 1005000}, {"売掛金", "現金", 1, "400", 5005000}}, "600"},
        {"class digit 0 grows on the credit side", {{"現金", "売掛金", 0, "400", 5000000}}, "400"},
        {"no class digits at first: a current asset", {{"売上", "売掛金", 1, "700"}, {"売上", "受取手形", 1, "300"}}, "1000"},
        {"no class digits: those of the entry before", {{"売上", "現金", 1, "1", 1004000}, {"売上", "売掛金", 1, "700"}}, "-700"},
        // No phrase chosen (-1): the cause rows stand on the credit side, as for 1.
        {"collected without a phrase", {{"売上", "売掛金", -1, "1000", 1005000}, {"売掛金", "現金", -1, "400", 5005000}}, "600"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Clear();
        for (const Row& r : c.rows)
            Add(r);
        EXPECT_EQ(RecognizeBadDebt(m_journal).receivables.str(), c.total);
    }
    // Rows 2 and 3 count for (A).
    Clear();
    m_journal.Add(OneRowEntry("2024/05/01", "売上", "現金", "100", 1, 1005500).Result("売掛金", "250").New());
    EXPECT_EQ(RecognizeBadDebt(m_journal).receivables.str(), "250");
}

TEST_F(BadDebtTest, LimitAtEitherRateIsCutToWholeYen)
{
    const struct {
        const char* receivables;
        int item;
        const char* limit;
    } cases[] = {{"100", 0, "5"}, {"100", 1, "3"}, {"1000000", 0, "55000"}, {"1000000", 1, "33000"},
                 {"199.99", 0, "10"}, {"0", 0, "0"}, {"-100", 0, "-5"}};
    for (const auto& c : cases)
        EXPECT_EQ(BadDebtLimit(c.receivables, c.item).str(), c.limit) << c.receivables << " " << c.item;
}

TEST_F(BadDebtTest, FirstUseThenTheReversalBeforeTheProvision)
{
    Add({"売上", "売掛金", 1, "100", 1005000});
    // First run: ① and ② typed.
    BadDebtFigures f = RecognizeBadDebt(m_journal);
    EXPECT_EQ(ReversalShown(f).amount.str(), "");
    BadDebtOutcome out = ApplyBadDebt(m_journal, BadDebtHandOverOf(f, "800", "", "500"), "2024", 0);
    EXPECT_TRUE(out.changed);
    EXPECT_EQ(out.currentEntry, 2);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"2024/01/01 貸倒引当金>元入金:800 d1 c4007000",
                                                 "2024/05/01 売上>売掛金:100 d1 c1005000",
                                                 "2024/12/31 貸倒引当金>貸倒引当金繰入額:500 d1 c4003000"}));
    // Second run: the reminder proposes ① as the reversal; ② changed as well.
    f = RecognizeBadDebt(m_journal);
    const ReversalDisplay shown = ReversalShown(f);
    EXPECT_TRUE(shown.remind);
    EXPECT_EQ(shown.amount.str(), "800");
    out = ApplyBadDebt(m_journal, BadDebtHandOverOf(f, "800", shown.amount, "600"), "2024", 0);
    EXPECT_EQ(out.currentEntry, 2);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"2024/01/01 貸倒引当金>元入金:800 d1 c4007000",
                                                 "2024/05/01 売上>売掛金:100 d1 c1005000",
                                                 "2024/12/31 貸倒引当金>貸倒引当金繰戻額:800 d0 c4001000",
                                                 "2024/12/31 貸倒引当金>貸倒引当金繰入額:600 d1 c4003000"}));
    // Third run without changes: every slot is "-1" and nothing changes.
    f = RecognizeBadDebt(m_journal);
    const BadDebtHandOver same = BadDebtHandOverOf(f, "800", "800", "600");
    EXPECT_EQ(same.amount[0].str(), "-1");
    EXPECT_EQ(same.amount[1].str(), "-1");
    EXPECT_EQ(same.amount[2].str(), "-1");
    EXPECT_FALSE(ApplyBadDebt(m_journal, same, "2024", 1).changed);
    // Emptying ① removes the opening and reversal entries.
    out = ApplyBadDebt(m_journal, BadDebtHandOverOf(f, "", "800", "600"), "2024", 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"2024/05/01 売上>売掛金:100 d1 c1005000",
                                                 "2024/12/31 貸倒引当金>貸倒引当金繰入額:600 d1 c4003000"}));
    EXPECT_EQ(out.currentEntry, 0);
}

TEST_F(BadDebtTest, TwoProvisionEntriesKeepTheirSum)
{
    Add({"貸倒引当金", "貸倒引当金繰入額", 1, "100"});
    Add({"貸倒引当金繰入額", "貸倒引当金", 0, "200"});
    BadDebtFigures f = RecognizeBadDebt(m_journal);
    ASSERT_EQ(f.total[kAllowanceProvision].str(), "300");
    ApplyBadDebt(m_journal, BadDebtHandOverOf(f, "", "", "450"), "2024", 0);
    EXPECT_EQ(RecognizeBadDebt(m_journal).total[kAllowanceProvision].str(), "450");
    EXPECT_EQ(m_journal[0]->m_strCauseAmount1.str(), "100");
}

TEST_F(BadDebtTest, ReversalWithoutOpeningStaysEmptyAndIsRemoved)
{
    Add({"貸倒引当金", "貸倒引当金繰戻額", 0, "300"});
    BadDebtFigures f = RecognizeBadDebt(m_journal);
    EXPECT_TRUE(ReversalShown(f).keep);
    const BadDebtOutcome out = ApplyBadDebt(m_journal, BadDebtHandOverOf(f, "", "", ""), "2024", 0);
    EXPECT_TRUE(out.changed);
    EXPECT_EQ(m_journal.GetSize(), 0);
}

}  // namespace
