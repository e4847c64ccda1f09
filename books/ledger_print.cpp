#include "ledger_print.h"

#include "item_breakdown.h"

#include "../core/amount_arithmetic.h"
#include "../core/amount_format.h"
#include "../core/amount_sum.h"
#include "../core/class_code.h"
#include "../core/era_year.h"

#include <string>
#include <unordered_map>

const char* const kCapitalCounter = "元入金  ";
const char* const kCarriedLabel = "( 前年からの繰越し金額 )";

namespace {

constexpr int kFirstPageLines = 18;
constexpr int kLaterPageLines = 17;
constexpr int kX0 = 34;
constexpr int kDebitColumn = 1050;
constexpr int kCreditColumn = 1341;
constexpr int kBalanceColumn = 1632;
constexpr int kRuleLeft = 134;
constexpr int kRuleRight = 1958;
constexpr int kGridX[] = {134, 284, 1084, 1375, 1666, 1958};
constexpr int kPageNumberY = -2830;
class PageBuilder {
public:
    explicit PageBuilder(const PrintJob& job) : m_job(job) {}

    PagePlan plan;

    void Text(int x, int row, const CString& text) { plan.AddText(kLedgerBodyPoints, x, RowText(row), text); }
    void TextAt(int x, int y, const CString& text) { plan.AddText(kLedgerBodyPoints, x, y, text); }
    void Centred(int left, int top, int right, int bottom, const CString& text)
    {
        plan.AddCentredText(kLedgerBodyPoints, left, top, right, bottom, text);
    }
    void Rule(int row, bool dotted = false) { plan.AddRule(kRuleLeft, RowTop(row), kRuleRight, RowTop(row), dotted); }
    void Grid(int row)
    {
        for (int x : kGridX)
            plan.AddRule(x, RowTop(row), x, RowTop(row + 1));
    }
    // An amount right-aligned in its column; a long one reaches into the column
    // on its left. Answers whether it was long.
    bool Amount(int column, int row, const CString& amount)
    {
        int fits = -1;
        const int width = AmountWidth() + 8;
        const CString field = FormatAmount(amount, width, &fits);
        if (field.IsEmpty())
            return false;
        if (fits != 0) {
            Text(kX0 + column + 8, row, field.Right(kAmountFitsBytes));
            return false;
        }
        Text(kX0 + column - 115, row, field);
        return true;
    }
    // The two-row block of totals: debit, balance and credit, the credit moving up
    // a row when a long amount came before it or is its own.
    void TotalsBlock(int row, const CString& debit, const CString& credit, const CString& balance,
                     bool creditBeforeBalance)
    {
        int shift = 0;
        if (Amount(kDebitColumn, row, debit))
            shift = -1;
        if (!creditBeforeBalance && Amount(kBalanceColumn, row, balance))
            shift = -1;
        if (LongAmount(credit))
            shift = -1;
        Amount(kCreditColumn, row + shift, credit);
        if (creditBeforeBalance)
            Amount(kBalanceColumn, row, balance);
    }
    bool LongAmount(const CString& amount) const
    {
        int fits = -1;
        FormatAmount(amount, AmountWidth() + 8, &fits);
        return fits == 0;
    }
    int AmountWidth() const { return m_job.book == PrintBook::GeneralLedger ? 18 : 23; }

private:
    const PrintJob& m_job;
};

bool HasFilter(const CString& filter)
{
    return !filter.IsEmpty() && filter != kAllDescriptions;
}

CString Balance(const CString& debit, const CString& credit, bool creditBalance)
{
    return creditBalance ? AddSubAmounts(credit, debit, -1) : AddSubAmounts(debit, credit, -1);
}

void Headings(PageBuilder& page, int row, PrintBook book, bool allAccounts)
{
    struct Heading {
        int x;
        const char* text;
    };
    static const Heading ledger[] = {{154, "日付"}, {364, "摘要"}, {820, "      相手科目"},
                                     {1124, "     借方"}, {1415, "     貸方"}, {1706, "     残高"}};
    static const Heading all[] = {{154, "日付"}, {364, "科目"}, {614, "摘要"}, {820, "      相手科目"},
                                  {1124, "     借方"}, {1415, "     貸方"}, {1706, "     残高"}};
    static const Heading expense[] = {{154, " 日付"}, {314, "  摘要"}, {834, "     相手科目"},
                                      {1124, "     借方"}, {1415, "     貸方"}, {1706, "     残高"}};
    static const Heading cash[] = {{154, "日付"}, {314, "  摘要"}, {834, "     相手科目"},
                                   {1124, "     借方"}, {1415, "     貸方"}, {1706, "     残高"}};
    auto put = [&](const auto& headings) {
        for (const Heading& h : headings)
            page.Text(h.x, row, h.text);
    };
    if (allAccounts)
        put(all);
    else if (book == PrintBook::GeneralLedger)
        put(ledger);
    else if (book != PrintBook::Cash)
        put(expense);
    else
        put(cash);
}

// The description column of an entry's three rows.
void EntryDescription(PageBuilder& page, const PrintJob& job, const CMyObject2& entry, int entryRow, int row)
{
    const CString counter = CounterAccounts(entry, entryRow);
    const CString remark = RemarkText(entry.m_strRemark);
    const bool capital = counter == kCapitalCounter;
    const CString& description = RowDescription(entry, entryRow);
    if (job.allAccounts) {
        page.Text(314, row, RowAccount(entry, entryRow));
        page.Text(614, row, description);
        if (capital)
            page.Text(314, row + 1, FitToColumn(CString(kCarriedLabel) + " 元入金", 48, kAlignRight));
        else
            page.Text(314, row + 1, FitToColumn(counter, 48, kAlignRight));
        page.Text(314, row + 2, remark);
        return;
    }
    page.Text(314, row, description);
    switch (job.book) {
    case PrintBook::GeneralLedger:
        if (capital)
            page.Text(614, row, FitToColumn(kCarriedLabel, 24, kAlignRight));
        else
            page.Text(314, row + 1, FitToColumn(counter, 48, kAlignRight));
        page.Text(314, row + 2, FitToColumn(remark, 48, kAlignCentre));
        break;
    case PrintBook::Expense:
    case PrintBook::Sales:
    case PrintBook::Purchases:
        if (capital)
            page.Text(14, row, FitToColumn(kCarriedLabel, 48, kAlignRight, ColumnFit::AsGiven));
        else
            page.Text(314, row + 1, FitToColumn(counter, 48, kAlignRight, ColumnFit::AsGiven));
        page.Text(314, row + 2, FitToColumn(remark, 48, kAlignCentre, ColumnFit::AsGiven));
        break;
    case PrintBook::Cash:
        if (capital)
            page.Text(314, row, FitToColumn(kCarriedLabel, 48, kAlignCentre, ColumnFit::AsGiven));
        else
            page.Text(314, row + 1, FitToColumn(counter, 48, kAlignRight, ColumnFit::AsGiven));
        page.Text(314, row + 2, FitToColumn(remark, 48, kAlignCentre, ColumnFit::AsGiven));
        break;
    }
}

// An entry's three rows below row k, with the balance after it; answers the new k.
int EntryRows(PageBuilder& page, const PrintJob& job, const CMyObject2& entry, int entryRow, int k, const CString& balance)
{
    ++k;
    page.Rule(k);
    page.Grid(k);
    page.Text(144, k, entry.m_strDate.Mid(5, 5));
    page.Text(144, k + 2, "  備考");
    EntryDescription(page, job, entry, entryRow, k);
    page.Amount(EntryRowIsDebit(entry, entryRow) ? kDebitColumn : kCreditColumn, k, RowAmount(entry, entryRow));
    // The balance stands on the second row, beside the counter accounts.
    page.Rule(k + 1, true);
    page.Grid(k + 1);
    page.Amount(kBalanceColumn, k + 1, balance);
    page.Rule(k + 2, true);
    page.Grid(k + 2);
    return k + 2;
}

void PageNumber(PageBuilder& page, int number)
{
    page.TextAt(954, kPageNumberY, "－ " + IntToText(number) + " －");
}

// The page-end block: label, totals, closing rule, page number.
void PageEnd(PageBuilder& page, int k, const char* label, const CString& debit, const CString& credit,
             const CString& balance, int number, bool creditBeforeBalance)
{
    page.Rule(k + 1);
    page.Grid(k + 1);
    page.Text(534, k + 1, label);
    page.Grid(k + 2);
    page.TotalsBlock(k + 2, debit, credit, balance, creditBeforeBalance);
    page.Rule(k + 3);
    PageNumber(page, number);
}

void CarriedBlock(PageBuilder& page, const CString& debit, const CString& credit, const CString& balance,
                  bool creditBeforeBalance)
{
    page.Rule(3);
    page.Grid(3);
    page.Grid(4);
    page.Text(524, 3, "前ページより繰り越し");
    page.TotalsBlock(4, debit, credit, balance, creditBeforeBalance);
}

int GroupOfLine(const CMyObject2& entry, int entryRow, int previous)
{
    const AccountGroup group = GroupOfClassDigit(DecodeClassCode(entry.m_nClassCode).rowClass[entryRow]);
    return group == kGroupNone ? previous : group;
}

const CMyObject2* EntryAt(const JournalArray* journal, int index)
{
    return journal && index >= 0 && index < journal->GetSize() ? journal->GetAt(index) : nullptr;
}

// The totals come from the page table and each balance from its ledger line.
PagePlan SingleAccountPage(const PrintJob& job, int page)
{
    PageBuilder builder(job);
    const LedgerPage& table = job.pages[page - 1];
    int k = 0;
    for (int i = table.first; i <= table.last && i < static_cast<int>(job.lines.size()); ++i) {
        const CMyObject2* entry = EntryAt(job.journal, job.lines[i].entry);
        if (!entry)
            continue;
        if (i == table.first) {
            builder.Text(304, 0, job.year + "年");
            if (job.book == PrintBook::Cash)
                builder.Text(954, 0, "－ 現金出納帳 －");
            else if (!HasFilter(job.filter))
                builder.Text(job.book == PrintBook::GeneralLedger ? 944 : 954, 0, "－ " + job.account + " －");
            else
                builder.Text(job.book == PrintBook::GeneralLedger ? 904 : 954, 0,
                             "－ " + job.account + " － < " + job.filter + " > ");
            k = 2;
            builder.Rule(2);
            builder.Grid(2);
            Headings(builder, 2, job.book, false);
            if (job.book == PrintBook::GeneralLedger && HasFilter(job.filter) && job.filterWarning &&
                job.group != kGroupRevenue)
                builder.Text(760, 1, "期首残高が未設定のとき、残高がマイナス表示になる場合があります。");
            if (page >= 2 && i >= 1) {
                const LedgerPage& carried = job.pages[page - 2];
                CarriedBlock(builder, carried.debit, carried.credit, job.lines[i - 1].balance, false);
                k = 4;
            }
        }
        k = EntryRows(builder, job, *entry, job.lines[i].entryRow, k, job.lines[i].balance);
        if (i == table.last) {
            const bool lastLine = i == static_cast<int>(job.lines.size()) - 1;
            PageEnd(builder, k, lastLine ? "総合計" : "後ページへ繰り越し", table.debit, table.credit,
                    job.lines[i].balance, page, false);
        }
    }
    return builder.plan;
}

// The lines of all accounts carry no balance: the page runs each account's
// totals and balance as it goes, from the totals the page table carries in.
PagePlan AllAccountsPage(const PrintJob& job, int page)
{
    PageBuilder builder(job);
    const LedgerPage& table = job.pages[page - 1];
    CString debit = page >= 2 ? job.pages[page - 2].debit : CString("0");
    CString credit = page >= 2 ? job.pages[page - 2].credit : CString("0");
    int group = kGroupAssets;
    int k = 0;
    const int count = static_cast<int>(job.allLines.size());
    for (int i = table.first; i <= table.last && i < count; ++i) {
        const AllAccountsLine& line = job.allLines[i];
        const bool pageEnds = i == table.last;
        if (line.entry == kAccountStart) {
            group = line.group;
            debit = "0";
            credit = "0";
            if (i == table.first)
                k = 0;
            k += 2;
            builder.Text(304, 0, job.year + "年");
            builder.Centred(0, RowTop(k), 2100, RowTop(k + 1), "－ " + line.account + " －");
            ++k;
            builder.Rule(k);
            builder.Grid(k);
            Headings(builder, k, job.book, true);
            if (pageEnds)
                PageNumber(builder, page);
            continue;
        }
        if (line.entry == kAccountEnd) {
            builder.Rule(k + 1);
            builder.Grid(k + 1);
            builder.Text(534, k + 1, "合計");
            builder.Grid(k + 2);
            builder.TotalsBlock(k + 2, debit, credit, Balance(debit, credit, GroupHasCreditBalance(group)), false);
            builder.Rule(k + 3);
            k += 3;
            if (pageEnds)
                PageNumber(builder, page);
            continue;
        }
        const CMyObject2* entry = EntryAt(job.journal, line.entry);
        if (!entry)
            continue;
        group = GroupOfLine(*entry, line.entryRow, group);
        if (i == table.first) {
            builder.Text(304, 0, job.year + "年");
            builder.Centred(0, RowTop(1), 2100, RowTop(2), "－ " + line.account + " －");
            k = 2;
            builder.Rule(2);
            builder.Grid(2);
            Headings(builder, 2, job.book, true);
            if (page >= 2) {
                CarriedBlock(builder, debit, credit, Balance(debit, credit, GroupHasCreditBalance(group)), true);
                k = 4;
            }
        }
        const CString& amount = RowAmount(*entry, line.entryRow);
        if (EntryRowIsDebit(*entry, line.entryRow))
            debit = AddSubAmounts(debit, amount, 1);
        else
            credit = AddSubAmounts(credit, amount, 1);
        const CString balance = Balance(debit, credit, GroupHasCreditBalance(group));
        k = EntryRows(builder, job, *entry, line.entryRow, k, balance);
        if (pageEnds)
            PageEnd(builder, k, i == count - 1 ? "合計" : "後ページへ繰り越し", debit, credit, balance, page, true);
    }
    return builder.plan;
}

}  // namespace

std::vector<LedgerPage> PaginateLedger(const std::vector<LedgerLine>& lines)
{
    std::vector<LedgerPage> pages;
    CString debit = "0";
    CString credit = "0";
    int limit = kFirstPageLines;
    int count = 0;
    int first = 0;
    const int size = static_cast<int>(lines.size());
    for (int i = 0; i < size; ++i) {
        if (count == 0)
            first = i;
        if (lines[i].debit)
            debit = AddSubAmounts(debit, lines[i].amount, 1);
        else
            credit = AddSubAmounts(credit, lines[i].amount, 1);
        ++count;
        if (count == limit || i == size - 1) {
            pages.push_back({first, i, debit, credit});
            count = 0;
            limit = kLaterPageLines;
        }
    }
    return pages;
}

std::vector<AllAccountsLine> BuildAllAccountsLines(const AccountGroups& groups, const JournalArray& journal)
{
    // One pass over the journal gathers the rows of every listed account, in
    // journal and row order; the accounts are then laid out in list order.
    struct Row {
        int entry;
        int entryRow;
    };
    std::unordered_map<std::string, std::vector<Row>> rowsOf;
    for (const auto& names : groups)
        for (const CString& name : names)
            rowsOf.emplace(name.str(), std::vector<Row>());
    std::size_t total = 0;
    for (int index = 0; index < journal.GetSize(); ++index) {
        const CMyObject2* entry = journal.GetAt(index);
        if (!entry)
            continue;
        for (int entryRow = 0; entryRow < kEntryRows; ++entryRow) {
            const CString& account = RowAccount(*entry, entryRow);
            if (account.IsEmpty())
                continue;
            const auto found = rowsOf.find(account.str());
            if (found != rowsOf.end()) {
                found->second.push_back({index, entryRow});
                ++total;
            }
        }
    }
    std::vector<AllAccountsLine> lines;
    lines.reserve(total + 2 * rowsOf.size());
    for (int group = 0; group < 4; ++group) {
        for (const CString& name : groups[group]) {
            lines.push_back({kAccountStart, 0, group, name});
            for (const Row& row : rowsOf[name.str()])
                lines.push_back({row.entry, row.entryRow, group, name});
            lines.push_back({kAccountEnd, 0, group, name});
        }
    }
    return lines;
}

std::vector<LedgerPage> PaginateAllAccounts(const std::vector<AllAccountsLine>& lines, const JournalArray& journal)
{
    std::vector<LedgerPage> pages;
    AmountSum debit;
    AmountSum credit;
    int limit = kFirstPageLines;
    int count = 0;
    int first = 0;
    const int size = static_cast<int>(lines.size());
    for (int i = 0; i < size; ++i) {
        const AllAccountsLine& line = lines[i];
        if (count == 0)
            first = i;
        if (line.entry == kAccountStart) {
            debit = AmountSum();
            credit = AmountSum();
        } else if (line.entry >= 0 && line.entry < journal.GetSize() && journal.GetAt(line.entry)) {
            const CMyObject2& entry = *journal.GetAt(line.entry);
            (EntryRowIsDebit(entry, line.entryRow) ? debit : credit).Add(RowAmount(entry, line.entryRow));
        }
        ++count;
        if (count == limit) {
            if (line.entry == kAccountStart && i > first) {
                // The account opens the next page.
                pages.push_back({first, i - 1, CString("0"), CString("0")});
                first = i;
                count = 1;
            } else if (i + 1 < size && lines[i + 1].entry == kAccountEnd) {
                pages.push_back({first, i + 1, debit.Text(), credit.Text()});
                ++i;
                count = 0;
            } else {
                pages.push_back({first, i, debit.Text(), credit.Text()});
                count = 0;
            }
            limit = kLaterPageLines;
        } else if (i == size - 1) {
            pages.push_back({first, i, debit.Text(), credit.Text()});
        }
    }
    return pages;
}

PagePlan PlanLedgerCover(const PrintJob& job)
{
    PagePlan plan;
    auto line = [&plan](int top, const CString& text) {
        plan.AddCentredText(kLedgerCoverPoints, 0, top, 2100, top - 3 * 46, text);
    };
    CString title;
    switch (job.book) {
    case PrintBook::GeneralLedger: title = "《 勘定元帳 》"; break;
    case PrintBook::Cash: title = "《 現金出納帳 》"; break;
    case PrintBook::Expense: title = job.account == "仕入" ? "《 仕入帳 》" : "《 経費帳 》"; break;
    case PrintBook::Sales: title = "《 売上帳 》"; break;
    case PrintBook::Purchases: title = "《 仕入帳 》"; break;
    }
    line(-300, title);
    const int year = YearOfText(job.year);
    line(-600, EraYearText(year) + "年度");
    line(-800, "(" + job.year + "年度)");
    const bool accountLine = (job.book == PrintBook::GeneralLedger && !job.allAccounts) ||
                             (job.book == PrintBook::Expense && job.account != "仕入");
    if (accountLine && !job.account.IsEmpty())
        line(-1000, "[ " + job.account + " ]");
    const bool filterLine = (job.book == PrintBook::GeneralLedger && !job.allAccounts) || job.book == PrintBook::Expense;
    if (filterLine && !job.filter.IsEmpty())
        line(-1200, "摘要 < " + job.filter + " > 関係");
    return plan;
}

PagePlan PlanLedgerPage(const PrintJob& job, int page)
{
    if (page < 1 || page > static_cast<int>(job.pages.size()))
        return {};
    return job.allAccounts ? AllAccountsPage(job, page) : SingleAccountPage(job, page);
}
