// Ledger lines, sides, totals, balances, opening sums, descriptions and the line
// a reopened book selects.
#include "book_fixture.h"

#include "books/ledger.h"

#include <gtest/gtest.h>

namespace {

CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}

// The cells of a line: the debit amount, the credit amount, the counter accounts, the balance.
CString DebitCell(const CString& line) { return Trimmed(line.Mid(39, 26)); }
CString CreditCell(const CString& line) { return Trimmed(line.Mid(67, 26)); }
CString CounterCell(const CString& line) { return Trimmed(line.Mid(96, 29)); }
CString BalanceCell(const CString& line) { return Trimmed(line.Mid(126)); }

// The text of a ledger's line as its list shows it.
CString Text(const OwnedJournal& j, const Ledger& ledger, std::size_t line)
{
    return LineText(j.journal, ledger.lines.at(line), ledger.layout);
}

LedgerOptions GeneralLedger(const char* account, bool creditBalance)
{
    LedgerOptions options;
    options.account = account;
    options.creditBalance = creditBalance;
    return options;
}

LedgerOptions CashOrExpense(const char* account)
{
    LedgerOptions options;
    options.account = account;
    options.balanceWidth = 27;
    options.fit = ColumnFit::AsGiven;
    return options;
}

TEST(LedgerSides, OneRuleForTotalsAndColumnsInEveryDirection)
{
    struct Case {
        int direction;
        int entryRow;
        bool debit;
    } cases[] = {
        {0, 0, true}, {0, 2, true}, {0, 3, false}, {0, 5, false},
        {1, 0, false}, {1, 3, true},
        {-1, 0, false}, {-1, 1, false}, {-1, 3, true}, {-1, 5, true},
    };
    for (const Case& c : cases) {
        CMyObject2 entry;
        entry.m_nDirection = c.direction;
        EXPECT_EQ(c.debit, EntryRowIsDebit(entry, c.entryRow)) << c.direction << " " << c.entryRow;
    }

    // An imported entry without a phrase: its cause row is credit in the total and
    // stands in the credit column of its own line.
    OwnedJournal j{MakeEntry("2024/02/01", {{"売上", "700"}}, {{"現金", "700"}}, -1, 0)};
    const Ledger sales = BuildLedger(j.journal, GeneralLedger("売上", true));
    ASSERT_EQ(1u, sales.lines.size());
    EXPECT_EQ("700", CreditCell(Text(j, sales, 0)));
    EXPECT_EQ("", DebitCell(Text(j, sales, 0)));
    EXPECT_EQ("700", sales.creditTotal);
    EXPECT_EQ("0", sales.debitTotal);
    const Ledger cash = BuildLedger(j.journal, CashOrExpense("現金"));
    EXPECT_EQ("700", DebitCell(Text(j, cash, 0)));
    EXPECT_EQ("700", cash.debitTotal);
}

TEST(LedgerLines, WorkedExampleOfTwoRowsOfOneAccount)
{
    OwnedJournal j;
    j.Add(MakeEntry("2024/01/05", {{"売上", "100"}}, {{"現金", "100"}}, 1, 1005000));
    for (int i = 1; i < 7; ++i)
        j.Add(MakeEntry("2024/01/06", {{"通信費", "10"}}, {{"普通預金", "10"}}, 0, 3005000));
    j.Add(MakeEntry("2024/01/07", {{"売上", "300", "A"}, {"売上", "200", "B"}}, {{"現金", "500"}}, 1, 1105000));

    const Ledger sales = BuildLedger(j.journal, GeneralLedger("売上", true));
    ASSERT_EQ(3u, sales.lines.size());
    EXPECT_EQ(7, sales.lines[1].entry);
    EXPECT_EQ(0, sales.lines[1].entryRow);
    EXPECT_EQ(7, sales.lines[2].entry);
    EXPECT_EQ(1, sales.lines[2].entryRow);
    EXPECT_EQ("400", sales.lines[1].balance);
    EXPECT_EQ("600", sales.lines[2].balance);
    EXPECT_EQ("600", sales.creditTotal);
    EXPECT_EQ("0", sales.debitTotal);
    for (const LedgerLine& line : sales.lines) {
        const CString text = LineText(j.journal, line, sales.layout);
        EXPECT_EQ(152, text.GetLength());
        EXPECT_EQ("現金", CounterCell(text));
    }
    EXPECT_EQ("300", CreditCell(Text(j, sales, 1)));
    EXPECT_EQ("600", BalanceCell(Text(j, sales, 2)));
    EXPECT_EQ("2024/01/07 | A", Trimmed(Text(j, sales, 1).Left(38)));

    const Ledger cash = BuildLedger(j.journal, CashOrExpense("現金"));
    ASSERT_EQ(2u, cash.lines.size());
    EXPECT_EQ("600", cash.debitTotal);
    EXPECT_EQ("600", cash.balance);
    EXPECT_EQ(153, Text(j, cash, 1).GetLength());
    EXPECT_EQ("500", DebitCell(Text(j, cash, 1)));
    EXPECT_EQ("売上 売上", CounterCell(Text(j, cash, 1)));
    // The cash and expense books keep a leading blank: an empty description leaves
    // one blank before the remark.
    EXPECT_EQ(BuildLedger(j.journal, CashOrExpense("売上")).lines.size(), 3u);
}

TEST(LedgerLines, LineWhoseEntryTheJournalNoLongerHoldsHasNoText)
{
    OwnedJournal j{MakeEntry("2024/02/01", {{"売上", "700"}}, {{"現金", "700"}}, 1, 1005000)};
    const Ledger cash = BuildLedger(j.journal, CashOrExpense("現金"));
    ASSERT_EQ(1u, cash.lines.size());
    EXPECT_EQ(153, Text(j, cash, 0).GetLength());
    for (int gone : {-1, 1}) {
        LedgerLine line = cash.lines[0];
        line.entry = gone;
        EXPECT_EQ("", LineText(j.journal, line, cash.layout)) << gone;
    }
}

TEST(LedgerLines, CashAndExpenseBooksCountEveryMatchingRow)
{
    // 現金 in two result rows: both amounts are in the lines and the totals.
    OwnedJournal j{MakeEntry("2024/03/01", {{"売上", "800"}}, {{"現金", "300"}, {"現金", "500"}}, 1, 1005500),
                   MakeEntry("2024/03/02", {{"消耗品費", "40"}, {"消耗品費", "60"}}, {{"現金", "100"}}, 0, 3305000)};
    const Ledger cash = BuildLedger(j.journal, CashOrExpense("現金"));
    ASSERT_EQ(3u, cash.lines.size());
    EXPECT_EQ("800", cash.debitTotal);
    EXPECT_EQ("100", cash.creditTotal);
    EXPECT_EQ("700", cash.balance);
    const Ledger expense = BuildLedger(j.journal, CashOrExpense("消耗品費"));
    ASSERT_EQ(2u, expense.lines.size());
    EXPECT_EQ("100", expense.debitTotal);
    EXPECT_EQ("40", DebitCell(Text(j, expense, 0)));
    EXPECT_EQ("60", DebitCell(Text(j, expense, 1)));
}

TEST(LedgerLines, EmptyAmountFillsItsCellAndCountsAsZero)
{
    OwnedJournal j{MakeEntry("2024/04/01", {{"現金", ""}}, {{"売上", ""}}, 0, 5001000),
                   MakeEntry("2024/04/02", {{"現金", "5"}}, {{"売上", "5"}}, 0, 5001000)};
    const Ledger cash = BuildLedger(j.journal, CashOrExpense("現金"));
    ASSERT_EQ(2u, cash.lines.size());
    EXPECT_EQ(Text(j, cash, 1).GetLength(), Text(j, cash, 0).GetLength());
    EXPECT_EQ("売上", CounterCell(Text(j, cash, 0)));
    EXPECT_EQ("5", cash.debitTotal);
    const Ledger sales = BuildLedger(j.journal, GeneralLedger("売上", true));
    EXPECT_EQ(152, Text(j, sales, 0).GetLength());
}

TEST(LedgerLines, RemarkBeforeItemsAndLongDescriptionsAreCut)
{
    OwnedJournal j{MakeEntry("2024/05/01", {{"仕入", "10", "あいうえおかきくけこ"}}, {{"現金", "10"}}, 0, 2005000,
                             "品物[]x,1,10")};
    const Ledger purchases = BuildLedger(j.journal, CashOrExpense("仕入"));
    ASSERT_EQ(1u, purchases.lines.size());
    // 20 bytes of description, a blank and the remark, cut to 24 bytes and marked.
    EXPECT_EQ("あいうえおかきくけこ 品..", Trimmed(Text(j, purchases, 0).Mid(13, 25)));
    ASSERT_EQ(1u, purchases.descriptions.size());
    EXPECT_EQ("あいうえおかきく", purchases.descriptions[0].text);
}

TEST(LedgerOpening, SumOfTheEntriesAgainstCapital)
{
    OwnedJournal j{MakeEntry("2024/01/01", {{"現金", "1000"}}, {{"元入金", "1000"}}, 0, 5007000),
                   MakeEntry("2024/06/01", {{"現金", "250"}}, {{"元入金", "250"}}, 0, 5007000),
                   MakeEntry("2024/06/02", {{"売上", "9"}}, {{"現金", "9"}}, 1, 1005000)};
    const Ledger ledger = BuildLedger(j.journal, GeneralLedger("現金", false));
    EXPECT_TRUE(ledger.openingMet);
    EXPECT_EQ("1250", ledger.openingSum);
    EXPECT_EQ("1259", ledger.balance);

    OwnedJournal none{MakeEntry("2024/06/02", {{"売上", "9"}}, {{"現金", "9"}}, 1, 1005000)};
    const Ledger without = BuildLedger(none.journal, GeneralLedger("現金", false));
    EXPECT_FALSE(without.openingMet);
}

TEST(LedgerFilter, DescriptionsFlagsAndCarriedFilterCutToTheList)
{
    OwnedJournal j{MakeEntry("2024/01/01", {{"普通預金", "500", "ABC銀行"}}, {{"元入金", "500"}}, 0, 5007000),
                   MakeEntry("2024/02/01", {{"普通預金", "70", "0123456789ABCDEF-x"}}, {{"売上", "70"}}, 0, 5001000),
                   MakeEntry("2024/02/02", {{"普通預金", "30", "0123456789ABCDEF-y"}}, {{"売上", "30"}}, 0, 5001000),
                   MakeEntry("2024/02/03", {{"普通預金", "1", "other"}}, {{"売上", "1"}}, 0, 5001000)};
    const Ledger all = BuildLedger(j.journal, GeneralLedger("普通預金", false));
    ASSERT_EQ(3u, all.descriptions.size());
    EXPECT_EQ("ABC銀行", all.descriptions[0].text);
    EXPECT_TRUE(all.descriptions[0].opening);
    EXPECT_EQ("0123456789ABCDEF", all.descriptions[1].text);
    EXPECT_FALSE(all.descriptions[1].opening);
    EXPECT_TRUE(FilterIsOpeningDescription(all, "ABC銀行"));
    EXPECT_FALSE(FilterIsOpeningDescription(all, "other"));

    struct Case {
        const char* filter;
        std::size_t lines;
        const char* debit;
    } cases[] = {
        {"すべて", 4, "601"},
        {"0123456789ABCDEF", 2, "100"},
        // Carried from another book longer than the list's 16 bytes: cut, not unmatched.
        {"0123456789ABCDEF-y", 2, "100"},
        {"other", 1, "1"},
        {"nothing", 0, "0"},
    };
    for (const Case& c : cases) {
        LedgerOptions options = GeneralLedger("普通預金", false);
        options.filtered = true;
        options.filter = c.filter;
        const Ledger filtered = BuildLedger(j.journal, options);
        EXPECT_EQ(c.lines, filtered.lines.size()) << c.filter;
        EXPECT_EQ(c.debit, filtered.debitTotal) << c.filter;
    }
    EXPECT_EQ("あいうえおかきく", CutFilter("あいうえおかきくけ", 16));
    EXPECT_EQ("すべて", CutFilter("すべて", 4));
}

TEST(LedgerAccountKind, OwnerAccountsAndStock)
{
    struct Case {
        const char* account;
        AccountKind kind;
    } cases[] = {
        {"現金", AccountKind::Ordinary},
        {"事業主貸", AccountKind::NoCarryForward},
        {"事業主借(税)", AccountKind::NoCarryForward},
        {"現金過不足", AccountKind::NoCarryForward},
        {"現金過不足2", AccountKind::Ordinary},
        {"商品", AccountKind::Stock},
        {"期首棚卸高", AccountKind::Stock},
        {"原料費", AccountKind::Stock},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.kind, KindOfAccount(c.account)) << c.account;
}

TEST(LedgerRestore, ModeAndLineChoice)
{
    EXPECT_EQ(kRestoreFromJournal, DecideRestoreMode(1, 3, "", 3, '3'));
    EXPECT_EQ(kRestoreBookDigit, DecideRestoreMode(1, 2, "53", 3, '3'));
    EXPECT_EQ(kRestoreBookDigit, DecideRestoreMode(2, 3, "3", 3, '3'));
    EXPECT_EQ(kRestoreNone, DecideRestoreMode(2, 3, "56", 3, '3'));
    // The purchases and sales books share code 4 with the expense book.
    EXPECT_EQ(kRestoreFromJournal, DecideRestoreMode(1, 4, "", 4, '4'));

    std::vector<LedgerLine> lines(5);
    const int entries[] = {1, 4, 4, 8, 9};
    for (int i = 0; i < 5; ++i)
        lines[i].entry = entries[i];
    struct Case {
        int entry;
        RestoreMode mode;
        int remembered;
        int line;
    } cases[] = {
        {4, kRestoreFromJournal, 0, 1},   // the entry's first line
        {4, kRestoreBookDigit, 0, 1},
        {5, kRestoreFromJournal, 3, 3},   // entry gone: the remembered line
        {5, kRestoreFromJournal, 12, 4},  // past the end: the last line
        {5, kRestoreFromJournal, -1, 4},
        {5, kRestoreBookDigit, 3, 0},
        {4, kRestoreNone, 0, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.line, ChooseRestoreLine(lines, c.entry, c.mode, c.remembered)) << c.entry << " " << c.mode;
    EXPECT_EQ(-1, ChooseRestoreLine({}, 4, kRestoreFromJournal, 0));
}

}  // namespace
