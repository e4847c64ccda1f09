// The sales and purchases ledgers: one line per entry, partners, filters, the
// product names of stored breakdowns and the breakdown caption.
#include "book_fixture.h"

#include "books/item_breakdown.h"
#include "books/sales_ledger.h"

#include <gtest/gtest.h>

namespace {

CString ItemText(const char* name)
{
    CString remark;
    AppendItem(remark, {name, "1", "個", "100", "円"});
    return remark;
}

TEST(SalesLedger, OneLinePerRowAndTheBalanceOfEachBook)
{
    OwnedJournal j{
        // Sales in result row 1 under phrase 0: credit.
        MakeEntry("2024/01/05", {{"売掛金", "1000", "A商店"}}, {{"売上", "1000", "A商店"}}, 0, 4110000),
        // 売上 in two rows on the two sides: a line each (the debit one with its own partner).
        MakeEntry("2024/01/06", {{"売上", "300", "B"}}, {{"現金", "500"}, {"売上", "500", "B商店"}}, 0, 4110000),
        // A return: the other side, lowers the balance.
        MakeEntry("2024/01/07", {{"売上", "200", "A商店"}}, {{"現金", "200"}}, 0, 1400000),
        // Empty description: listed, no partner.
        MakeEntry("2024/01/08", {{"現金", "50"}}, {{"売上", "50"}}, 0, 99999),
        // Not a line of the sales book.
        MakeEntry("2024/01/09", {{"仕入", "70", "C"}}, {{"現金", "70"}}, 0, 2400000)};
    const SalesLedger sales = BuildSalesLedger(j.journal, SalesBook::Sales, "すべて");
    ASSERT_EQ(5u, sales.lines.size());
    EXPECT_EQ(0, sales.lines[1].entryRow);
    EXPECT_TRUE(sales.lines[1].debit);
    EXPECT_EQ(4, sales.lines[2].entryRow);
    EXPECT_EQ(CString("500"), sales.lines[2].amount);
    EXPECT_TRUE(sales.lines[3].debit);
    EXPECT_EQ(CString("500"), sales.debitTotal);
    EXPECT_EQ(CString("1550"), sales.creditTotal);
    EXPECT_EQ(CString("1050"), sales.balance);
    EXPECT_EQ(CString("1000"), sales.lines[3].balance);
    EXPECT_EQ((std::vector<CString>{"A商店", "B", "B商店"}), sales.partners);

    // Filtered: only the partner's lines, the partners still all listed.
    const SalesLedger a = BuildSalesLedger(j.journal, SalesBook::Sales, "A商店");
    ASSERT_EQ(2u, a.lines.size());
    EXPECT_EQ(0, a.lines[0].entry);
    EXPECT_EQ(2, a.lines[1].entry);
    EXPECT_EQ(CString("800"), a.balance);
    EXPECT_EQ(3u, a.partners.size());
    // "A" is no partner: nothing is listed.
    EXPECT_TRUE(BuildSalesLedger(j.journal, SalesBook::Sales, "A").lines.empty());

    // Purchases: debit minus credit.
    const SalesLedger purchases = BuildSalesLedger(j.journal, SalesBook::Purchases, "");
    ASSERT_EQ(1u, purchases.lines.size());
    EXPECT_EQ(CString("70"), purchases.balance);
    EXPECT_EQ((std::vector<CString>{"C"}), purchases.partners);
}

TEST(SalesLedger, EveryRowOfTheBookAccountIsALineAndTheTotalsMeetTheGeneralLedger)
{
    struct Case {
        SalesBook book;
        const char* account;
    };
    for (const Case& c : {Case{SalesBook::Purchases, "仕入"}, Case{SalesBook::Sales, "売上"}}) {
        const bool sales = c.book == SalesBook::Sales;
        // 仕入 100 A商店 + 仕入 50 B商店 / 現金 150, and the sales entry the other way round.
        OwnedJournal j{sales ? MakeEntry("2024/05/01", {{"現金", "600"}},
                                         {{"売上", "400", "A商店"}, {"売上", "200", "B商店"}}, 0, 4110000)
                             : MakeEntry("2024/05/01", {{c.account, "100", "A商店"}, {c.account, "50", "B商店"}},
                                         {{"現金", "150"}}, 0, 2240000)};
        const SalesLedger book = BuildSalesLedger(j.journal, c.book, "");
        ASSERT_EQ(2u, book.lines.size()) << c.account;
        EXPECT_EQ((std::vector<CString>{"A商店", "B商店"}), book.partners) << c.account;
        LedgerOptions options;
        options.account = c.account;
        options.creditBalance = sales;
        const Ledger general = BuildLedger(j.journal, options);
        EXPECT_EQ(general.debitTotal, book.debitTotal) << c.account;
        EXPECT_EQ(general.creditTotal, book.creditTotal) << c.account;
        EXPECT_EQ(general.balance, book.balance) << c.account;
        EXPECT_EQ(CString(sales ? "600" : "150"), book.balance) << c.account;
        // The filter keeps the line of the partner's row.
        const SalesLedger b = BuildSalesLedger(j.journal, c.book, "B商店");
        ASSERT_EQ(1u, b.lines.size()) << c.account;
        EXPECT_EQ(CString(sales ? "200" : "50"), b.balance) << c.account;
    }
}

TEST(SalesLedger, LineLayoutAndPartnersCutOnCharacters)
{
    // 17 bytes of description: the partner keeps 16, ending on a whole character.
    OwnedJournal j{MakeEntry("2024/02/01", {{"仕入", "12345", "x株式会社あいうえ"}}, {{"買掛金", "12345"}}, 0, 2400000,
                             "No.5"),
                   MakeEntry("2024/02/02", {{"仕入", "1.5", "x株式会社あいうお"}}, {{"買掛金", "1.5"}}, 0, 2400000),
                   // An amount left empty (a record read from elsewhere) still fills its cell.
                   MakeEntry("2024/02/03", {{"仕入", ""}}, {{"買掛金", ""}}, 0, 2400000)};
    const SalesLedger ledger = BuildSalesLedger(j.journal, SalesBook::Purchases, "");
    EXPECT_EQ((std::vector<CString>{"x株式会社あいう"}), ledger.partners);
    const CString line = LineText(j.journal, ledger.lines[0], ledger.layout);
    EXPECT_EQ(153, line.GetLength());
    // A dot in the remark does not widen the description: the debit bar stays at byte 38.
    EXPECT_EQ(CString("2024/02/01 | x株式会社あいうえ No.5   |"), line.Left(39));
    // Whole amounts keep three blanks behind their digits so that decimals line up.
    EXPECT_EQ(CString("                 12,345   "), line.Mid(39, 26));
    const CString decimals = LineText(j.journal, ledger.lines[1], ledger.layout);
    EXPECT_EQ(153, decimals.GetLength());
    EXPECT_EQ(CString("                      1.50"), decimals.Mid(39, 26));
    const CString empty = LineText(j.journal, ledger.lines[2], ledger.layout);
    for (const CString* text : {&line, &decimals, &empty}) {
        EXPECT_EQ(153, text->GetLength());
        EXPECT_EQ('|', (*text)[38]);
        EXPECT_EQ('|', (*text)[66]);
        EXPECT_EQ(CString(" | 買掛金"), text->Mid(93, 9));
        EXPECT_EQ('|', (*text)[125]);
    }
    EXPECT_EQ(CString("                  12,345   "), line.Right(27));
    EXPECT_EQ(CString("               12,346.50"), decimals.Right(24));
}

TEST(SalesLedger, ProductNamesOnlyFromEntriesOfTheBookClass)
{
    OwnedJournal j{MakeEntry("2024/03/01", {{"仕入", "1"}}, {{"現金", "1"}}, 0, 2400000, ItemText("ねじ")),
                   // 仕入 entered under revenue (class 1): a line, but its names are not offered.
                   MakeEntry("2024/03/02", {{"仕入", "1"}}, {{"現金", "1"}}, 0, 1400000, ItemText("くぎ")),
                   // No class digits.
                   MakeEntry("2024/03/03", {{"仕入", "1"}}, {{"現金", "1"}}, 0, 99999, ItemText("板")),
                   MakeEntry("2024/03/04", {{"現金", "1"}}, {{"仕入", "1"}}, 0, 4003000,
                             ItemText("ねじ") + ItemText("        ").Mid(0) + ItemText("釘"))};
    EXPECT_EQ(4u, BuildSalesLedger(j.journal, SalesBook::Purchases, "").lines.size());
    EXPECT_EQ((std::vector<CString>{"ねじ", "釘"}), GatherProductNames(j.journal, SalesBook::Purchases));
    EXPECT_TRUE(GatherProductNames(j.journal, SalesBook::Sales).empty());
}

TEST(SalesLedger, BreakdownCaptionNamesThePartner)
{
    OwnedJournal j{MakeEntry("2024/04/09", {{"売掛金", "1"}}, {{"売上", "1", "青空商会"}}, 0, 4110000)};
    EXPECT_EQ(CString(" 04月09日 [ 青空商会 ] 売上内訳の編集"), BreakdownCaption(*j.journal.GetAt(0), SalesBook::Sales));
    EXPECT_EQ(CString(" 04月09日 [  ] 仕入内訳の編集"), BreakdownCaption(*j.journal.GetAt(0), SalesBook::Purchases));
}

}  // namespace

namespace {

TEST(SalesLedger, TheRemarkReadsAsInTheGeneralLedger)
{
    // Brackets followed by 100 bytes that are no whole item: remark text in every book.
    const CString remark = "x[]" + CString(std::string(100, 'z').c_str());
    OwnedJournal j{MakeEntry("2024/05/01", {{"売上", "100", "A"}}, {{"現金", "100"}}, 1, 1005000, remark)};
    const SalesLedger sales = BuildSalesLedger(j.journal, SalesBook::Sales, "");
    ASSERT_EQ(1u, sales.lines.size());
    LedgerOptions cashLedger;
    cashLedger.account = "現金";
    const Ledger cash = BuildLedger(j.journal, cashLedger);
    ASSERT_EQ(1u, cash.lines.size());
    const CString salesLine = LineText(j.journal, sales.lines[0], sales.layout);
    const CString cashLine = LineText(j.journal, cash.lines[0], LineLayout{});
    EXPECT_GE(salesLine.Find("x[]zzz"), 0) << salesLine.str();
    EXPECT_GE(cashLine.Find("x[]zzz"), 0) << cashLine.str();
}

}  // namespace
