// Pagination of the printed ledger (one account and all accounts) and the texts
// of the cover and the ledger pages at their positions.
#include "book_fixture.h"

#include "books/ledger_print.h"

#include "core/amount_arithmetic.h"
#include "core/fiscal_year.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::vector<CString> TextsAt(const PagePlan& plan, int x, int y)
{
    std::vector<CString> texts;
    for (const PlannedText& text : plan.texts)
        if (!text.centred && text.x == x && text.y == y)
            texts.push_back(text.text);
    return texts;
}

CString TextAt(const PagePlan& plan, int x, int y)
{
    const std::vector<CString> texts = TextsAt(plan, x, y);
    if (texts.size() == 1)
        return texts[0];
    return texts.empty() ? CString("(none)") : CString("(several)");
}

bool HasCentred(const PagePlan& plan, const char* text)
{
    for (const PlannedText& planned : plan.texts)
        if (planned.centred && planned.text == text)
            return true;
    return false;
}

CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}

// Cash sales of 1 to n yen, and a cash payment of 1 every third entry.
void AddCashLines(OwnedJournal& j, int n)
{
    for (int i = 1; i <= n; ++i) {
        if (i % 3 == 0)
            j.Add(MakeEntry("2024/03/03", {{"消耗品費", "1"}}, {{"現金", "1"}}, 0, 3005000));
        else
            j.Add(MakeEntry("2024/03/01", {{"売上", std::to_string(i).c_str()}}, {{"現金", std::to_string(i).c_str()}},
                            1, 1005000));
    }
}

TEST(LedgerPagination, EighteenThenSeventeenLinesAPage)
{
    struct Case {
        int lines;
        std::vector<std::pair<int, int>> pages;
    } cases[] = {
        {1, {{0, 0}}},
        {18, {{0, 17}}},
        {19, {{0, 17}, {18, 18}}},
        {35, {{0, 17}, {18, 34}}},
        {36, {{0, 17}, {18, 34}, {35, 35}}},
        {0, {}},
    };
    for (const Case& c : cases) {
        std::vector<LedgerLine> lines(c.lines);
        const std::vector<LedgerPage> pages = PaginateLedger(lines);
        ASSERT_EQ(c.pages.size(), pages.size()) << c.lines;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            EXPECT_EQ(c.pages[p].first, pages[p].first) << c.lines;
            EXPECT_EQ(c.pages[p].second, pages[p].last) << c.lines;
        }
    }
}

TEST(LedgerPagination, CarriedTotalsAndThePagesThatPrintThem)
{
    OwnedJournal j;
    AddCashLines(j, 19);
    LedgerOptions options;
    options.account = "現金";
    const Ledger cash = BuildLedger(j.journal, options);
    PrintJob job;
    job.book = PrintBook::Cash;
    job.journal = &j.journal;
    job.year = FiscalYearOf(j.journal);
    job.lines = cash.lines;
    job.pages = PaginateLedger(cash.lines);
    ASSERT_EQ(2u, job.pages.size());
    // Sales 1..18 without every third: 1+2+4+5+7+8+10+11+13+14+16+17 = 108; six payments of 1.
    EXPECT_EQ("108", job.pages[0].debit);
    EXPECT_EQ("6", job.pages[0].credit);
    EXPECT_EQ("127", job.pages[1].debit);

    const PagePlan first = PlanLedgerPage(job, 1);
    EXPECT_EQ("2024年", TextAt(first, 304, RowText(0)));
    EXPECT_EQ("－ 現金出納帳 －", TextAt(first, 954, RowText(0)));
    EXPECT_EQ("日付", TextAt(first, 154, RowText(2)));
    EXPECT_EQ("03/01", TextAt(first, 144, RowText(3)));
    EXPECT_EQ("  備考", TextAt(first, 144, RowText(5)));
    // The first sale: 1 in the debit column, balance 1, both short-form at x + 8.
    EXPECT_EQ("1", Trimmed(TextAt(first, 34 + 1050 + 8, RowText(3))));
    EXPECT_EQ("後ページへ繰り越し", TextAt(first, 534, RowText(57)));
    EXPECT_EQ("102", Trimmed(TextAt(first, 34 + 1632 + 8, RowText(58))));
    EXPECT_EQ("－ 1 －", TextAt(first, 954, -2830));

    const PagePlan second = PlanLedgerPage(job, 2);
    EXPECT_EQ("前ページより繰り越し", TextAt(second, 524, RowText(3)));
    EXPECT_EQ("108", Trimmed(TextAt(second, 34 + 1050 + 8, RowText(4))));
    EXPECT_EQ("6", Trimmed(TextAt(second, 34 + 1341 + 8, RowText(4))));
    EXPECT_EQ("102", Trimmed(TextAt(second, 34 + 1632 + 8, RowText(4))));
    EXPECT_EQ("総合計", TextAt(second, 534, RowText(8)));
    EXPECT_EQ("121", Trimmed(TextAt(second, 34 + 1632 + 8, RowText(9))));
    EXPECT_EQ("－ 2 －", TextAt(second, 954, -2830));
    EXPECT_TRUE(PlanLedgerPage(job, 3).Empty());
    // Every text of a ledger page in the body's 8.6 points, every rule 0.1 mm.
    for (const PagePlan* page : {&first, &second}) {
        EXPECT_TRUE(std::all_of(page->texts.begin(), page->texts.end(),
                                [](const PlannedText& text) { return text.pointTenths == 86; }));
        EXPECT_EQ(1, page->ruleWidth);
    }
}

TEST(LedgerPrint, CoverPagesAndEraYears)
{
    struct Case {
        PrintBook book;
        const char* account;
        const char* filter;
        const char* year;
        bool all;
        std::vector<const char*> lines;
    } cases[] = {
        {PrintBook::GeneralLedger, "売上", "すべて", "2018", false,
         {"《 勘定元帳 》", "平成30年度", "(2018年度)", "[ 売上 ]", "摘要 < すべて > 関係"}},
        {PrintBook::GeneralLedger, "売上", "", "2019", true, {"《 勘定元帳 》", "令和元年度", "(2019年度)"}},
        {PrintBook::Expense, "仕入", "A社", "2024", false, {"《 仕入帳 》", "令和6年度", "(2024年度)", "摘要 < A社 > 関係"}},
        {PrintBook::Expense, "通信費", "", "2024", false, {"《 経費帳 》", "令和6年度", "(2024年度)", "[ 通信費 ]"}},
        {PrintBook::Cash, "現金", "x", "2020", false, {"《 現金出納帳 》", "令和2年度", "(2020年度)"}},
    };
    for (const Case& c : cases) {
        PrintJob job;
        job.book = c.book;
        job.account = c.account;
        job.filter = c.filter;
        job.year = c.year;
        job.allAccounts = c.all;
        const PagePlan cover = PlanLedgerCover(job);
        ASSERT_EQ(c.lines.size(), cover.texts.size()) << c.account << c.year;
        for (std::size_t i = 0; i < cover.texts.size(); ++i) {
            EXPECT_EQ(c.lines[i], cover.texts[i].text) << c.account << c.year;
            EXPECT_TRUE(cover.texts[i].centred);
            EXPECT_EQ(200, cover.texts[i].pointTenths);
        }
        EXPECT_EQ(-300, cover.texts[0].y);
    }
}

TEST(LedgerPrint, TitlesOpeningLabelLongAmountsAndCreditBalance)
{
    OwnedJournal j{MakeEntry("2024/01/01", {{"普通預金", "-123456789012.00", "X銀行"}}, {{"元入金", "1"}}, 0, 5007000),
                   MakeEntry("2024/01/02", {{"売上", "5"}}, {{"普通預金", "5"}, {"売掛金", "1"}}, 1, 1005500)};
    LedgerOptions options;
    options.account = "普通預金";
    PrintJob job;
    job.journal = &j.journal;
    job.account = "普通預金";
    job.filter = "すべて";
    job.year = "2024";
    job.lines = BuildLedger(j.journal, options).lines;
    job.pages = PaginateLedger(job.lines);
    PagePlan page = PlanLedgerPage(job, 1);
    EXPECT_EQ("－ 普通預金 －", TextAt(page, 944, RowText(0)));
    // The lone counter account 元入金: the opening label in its place.
    EXPECT_EQ(" ( 前年からの繰越し金額 )", TextAt(page, 614, RowText(3)));
    EXPECT_TRUE(TextsAt(page, 314, RowText(4)).empty());
    // 19 bytes: the long form, 115 units to the left.
    EXPECT_EQ("-123,456,789,012.00", Trimmed(TextAt(page, 34 + 1050 - 115, RowText(3))));
    EXPECT_EQ("売上", Trimmed(TextAt(page, 314, RowText(7))));
    // Page end: the long debit total moves the credit total up to the label's row.
    EXPECT_EQ("総合計", TextAt(page, 534, RowText(9)));
    EXPECT_EQ("-123,456,789,007.00", Trimmed(TextAt(page, 34 + 1050 - 115, RowText(10))));
    EXPECT_EQ("0", Trimmed(TextAt(page, 34 + 1341 + 8, RowText(9))));

    job.filter = "X銀行";
    page = PlanLedgerPage(job, 1);
    EXPECT_EQ("－ 普通預金 － < X銀行 > ", TextAt(page, 904, RowText(0)));
    EXPECT_TRUE(TextsAt(page, 760, RowText(1)).empty());
    job.filterWarning = true;
    EXPECT_EQ(1u, TextsAt(PlanLedgerPage(job, 1), 760, RowText(1)).size());

    // Revenue: credit minus debit, as the book builds the account's lines.
    job.filter = "";
    options.account = "売上";
    options.creditBalance = GroupHasCreditBalance(kGroupRevenue);
    job.account = "売上";
    job.group = kGroupRevenue;
    job.lines = BuildLedger(j.journal, options).lines;
    job.pages = PaginateLedger(job.lines);
    page = PlanLedgerPage(job, 1);
    EXPECT_EQ("5", Trimmed(TextAt(page, 34 + 1341 + 8, RowText(3))));
    EXPECT_EQ("5", Trimmed(TextAt(page, 34 + 1632 + 8, RowText(4))));
}

// The balance printed beside an entry's counter accounts (or in a totals block) on
// row, its separators dropped; "(none)" when the row has none.
CString PrintedBalance(const PagePlan& page, int row)
{
    for (int x : {34 + 1632 + 8, 34 + 1632 - 115}) {
        const std::vector<CString> texts = TextsAt(page, x, RowText(row));
        if (texts.size() == 1) {
            CString figure = Trimmed(texts[0]);
            figure.Remove(',');
            return figure;
        }
    }
    return "(none)";
}

// The printed balances are the ledger lines' own, and they are the figures the
// debit and credit totals so far give, whatever the direction of the entry, the
// sign of the amount and the side on which the account grows.
TEST(LedgerPrint, BalancesAreTheLedgerLinesAndMatchTheRunningTotals)
{
    const char* const amounts[] = {"1000", "-250", "12.5", "0", "12345678901234", "-1,000.05", "7"};
    OwnedJournal j;
    for (int i = 0; i < 40; ++i) {
        const char* amount = amounts[i % 7];
        const int direction = i % 3 - 1;
        if (i % 2 == 0)
            j.Add(MakeEntry("2024/04/01", {{"普通預金", amount}}, {{"売上", amount}}, direction, 5010000));
        else
            j.Add(MakeEntry("2024/04/02", {{"仕入", amount}}, {{"現金", "1"}, {"普通預金", amount}}, direction, 3055000));
    }
    for (const bool creditBalance : {false, true}) {
        LedgerOptions options;
        options.account = "普通預金";
        options.creditBalance = creditBalance;
        PrintJob job;
        job.journal = &j.journal;
        job.account = "普通預金";
        job.year = "2024";
        job.group = creditBalance ? kGroupLiabilities : kGroupAssets;
        job.lines = BuildLedger(j.journal, options).lines;
        job.pages = PaginateLedger(job.lines);
        ASSERT_EQ(40u, job.lines.size());
        ASSERT_EQ(3u, job.pages.size());

        CString debit = "0";
        CString credit = "0";
        for (std::size_t i = 0; i < job.lines.size(); ++i) {
            const CMyObject2& entry = *j.journal.GetAt(job.lines[i].entry);
            CString& total = EntryRowIsDebit(entry, job.lines[i].entryRow) ? debit : credit;
            total = AddSubAmounts(total, RowAmount(entry, job.lines[i].entryRow), 1);
            const CString running = creditBalance ? AddSubAmounts(credit, debit, -1) : AddSubAmounts(debit, credit, -1);
            EXPECT_EQ(running, job.lines[i].balance) << creditBalance << " line " << i;
        }

        for (int p = 1; p <= 3; ++p) {
            const LedgerPage& table = job.pages[static_cast<std::size_t>(p - 1)];
            const PagePlan page = PlanLedgerPage(job, p);
            // The entries' rows start on row 3, after the carried block on row 5.
            const int firstRow = p == 1 ? 3 : 5;
            for (int i = table.first; i <= table.last; ++i) {
                EXPECT_EQ(job.lines[static_cast<std::size_t>(i)].balance,
                          PrintedBalance(page, firstRow + 3 * (i - table.first) + 1))
                    << creditBalance << " page " << p << " line " << i;
            }
            if (p > 1) {
                EXPECT_EQ(job.lines[static_cast<std::size_t>(table.first - 1)].balance, PrintedBalance(page, 4))
                    << creditBalance << " page " << p;
            }
            const int totalsRow = firstRow + 3 * (table.last - table.first + 1) + 1;
            EXPECT_EQ(job.lines[static_cast<std::size_t>(table.last)].balance, PrintedBalance(page, totalsRow))
                << creditBalance << " page " << p;
        }
    }
}

TEST(LedgerPrint, AllAccountsLinesPagesAndTotalsPerAccount)
{
    OwnedJournal j;
    for (int i = 0; i < 17; ++i)
        j.Add(MakeEntry("2024/02/01", {{"売上", "10"}}, {{"現金", "10"}}, 1, 1005000));
    AccountGroups groups;
    groups[kGroupAssets] = {"現金"};
    groups[kGroupRevenue] = {"売上", "幻"};
    const std::vector<AllAccountsLine> lines = BuildAllAccountsLines(groups, j.journal);
    ASSERT_EQ(19u + 19u + 2u, lines.size());
    EXPECT_EQ(kAccountStart, lines[0].entry);
    EXPECT_EQ(kAccountEnd, lines[18].entry);

    // 現金: start, 17 entries: the 18th line is an entry followed by the total,
    // which joins the page.
    const std::vector<LedgerPage> pages = PaginateAllAccounts(lines, j.journal);
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(0, pages[0].first);
    EXPECT_EQ(18, pages[0].last);
    EXPECT_EQ(19, pages[1].first);

    PrintJob job;
    job.allAccounts = true;
    job.journal = &j.journal;
    job.year = "2024";
    job.allLines = lines;
    job.pages = pages;
    const PagePlan first = PlanLedgerPage(job, 1);
    EXPECT_TRUE(HasCentred(first, "－ 現金 －"));
    EXPECT_EQ("科目", TextAt(first, 364, RowText(3)));
    EXPECT_EQ("現金", TextAt(first, 314, RowText(4)));
    EXPECT_EQ("合計", TextAt(first, 534, RowText(4 + 17 * 3)));
    EXPECT_EQ("170", Trimmed(TextAt(first, 34 + 1050 + 8, RowText(5 + 17 * 3))));

    // The name that matches no row: its own title and zero totals, on the last page.
    const PagePlan last = PlanLedgerPage(job, static_cast<int>(pages.size()));
    EXPECT_TRUE(HasCentred(last, "－ 幻 －"));
    bool zeroTotal = false;
    for (const PlannedText& text : last.texts)
        zeroTotal = zeroTotal || (!text.centred && text.x == 34 + 1632 + 8 && Trimmed(text.text) == "0");
    EXPECT_TRUE(zeroTotal);

    // An account start that reaches the limit opens the next page.
    std::vector<AllAccountsLine> startAtLimit;
    startAtLimit.push_back({kAccountStart, 0, 0, "現金"});
    for (int i = 0; i < 15; ++i)
        startAtLimit.push_back({i, 5, 0, "現金"});
    startAtLimit.push_back({kAccountEnd, 0, 0, "現金"});
    startAtLimit.push_back({kAccountStart, 0, 2, "売上"});
    startAtLimit.push_back({0, 2, 2, "売上"});
    startAtLimit.push_back({kAccountEnd, 0, 2, "売上"});
    const std::vector<LedgerPage> moved = PaginateAllAccounts(startAtLimit, j.journal);
    ASSERT_EQ(2u, moved.size());
    EXPECT_EQ(16, moved[0].last);
    EXPECT_EQ(17, moved[1].first);
    EXPECT_EQ(19, moved[1].last);
}

}  // namespace
