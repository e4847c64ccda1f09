#include "journal_print_plan.h"

#include "../core/amount_sum.h"

#include "../core/amount_arithmetic.h"
#include "../core/amount_format.h"
#include "../core/column_text.h"
#include "../core/era_year.h"
#include "../core/remark_items.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr int kGridLeft = 34;
constexpr int kGridTop = -120;
constexpr int kRowStep = -45;
constexpr int kTextDy = -10;
constexpr std::array<int, 5> kColumnRules = {100, 250, 1341, 1632, 1924};
constexpr int kDebitCell = kGridLeft + 1341;
constexpr int kCreditCell = kGridLeft + 1632;
constexpr int kPageWidth = 2100;
constexpr int kPageLines = 48;
constexpr int kPageOverflow = 2;

int RowTop(int row)
{
    return kGridTop + row * kRowStep;
}

int TextTop(int row)
{
    return RowTop(row) + kTextDy;
}

int MonthOf(const CMyObject2& entry)
{
    return std::atoi(entry.m_strDate.Mid(5, 2));
}

bool SecondRowUsed(const CMyObject2& entry)
{
    return !entry.m_strCause2.IsEmpty() || !entry.m_strResult2.IsEmpty();
}

bool ThirdRowUsed(const CMyObject2& entry)
{
    return !entry.m_strCause3.IsEmpty() || !entry.m_strResult3.IsEmpty();
}

CString CauseTotal(const CString& total, const CMyObject2& entry)
{
    CString sum = AddSubAmounts(total, entry.m_strCauseAmount1, 1);
    sum = AddSubAmounts(sum, entry.m_strCauseAmount2, 1);
    return AddSubAmounts(sum, entry.m_strCauseAmount3, 1);
}

CString ResultTotal(const CString& total, const CMyObject2& entry)
{
    CString sum = AddSubAmounts(total, entry.m_strResultAmount1, 1);
    sum = AddSubAmounts(sum, entry.m_strResultAmount2, 1);
    return AddSubAmounts(sum, entry.m_strResultAmount3, 1);
}

// One side of an entry's row: account, description and amount.
struct Side {
    const CString& account;
    const CString& description;
    const CString& amount;
};

Side CauseSide(const CMyObject2& e, int row)
{
    switch (row) {
    case 1: return {e.m_strCause1, e.m_strCauseDesc1, e.m_strCauseAmount1};
    case 2: return {e.m_strCause2, e.m_strCauseDesc2, e.m_strCauseAmount2};
    default: return {e.m_strCause3, e.m_strCauseDesc3, e.m_strCauseAmount3};
    }
}

Side ResultSide(const CMyObject2& e, int row)
{
    switch (row) {
    case 1: return {e.m_strResult1, e.m_strResultDesc1, e.m_strResultAmount1};
    case 2: return {e.m_strResult2, e.m_strResultDesc2, e.m_strResultAmount2};
    default: return {e.m_strResult3, e.m_strResultDesc3, e.m_strResultAmount3};
    }
}

// Draws one body page into a plan, row by row.
class BodyPageWriter {
public:
    explicit BodyPageWriter(PagePlan& plan) : m_plan(plan) {}

    void Text(int x, int row, const CString& text) { m_plan.AddText(kJournalBodyPoints, x, TextTop(row), text); }

    void Centred(int points, int top, int rows, const CString& text)
    {
        m_plan.AddCentredText(points, 0, top, kPageWidth, top + rows * kRowStep, text);
    }

    void RowRule(int row, bool dotted)
    {
        const int y = RowTop(row);
        m_plan.AddRule(kGridLeft + (dotted ? 250 : 100), y, kGridLeft + 1924, y, dotted);
    }

    void RemarkRule(int row)
    {
        const int y = RowTop(row);
        m_plan.AddRule(kGridLeft + 100, y, kGridLeft + 1924, y, true);
    }

    void RowColumns(int row)
    {
        for (int x : kColumnRules)
            m_plan.AddRule(kGridLeft + x, RowTop(row), kGridLeft + x, RowTop(row + 1));
    }

    // The amount's last 18 bytes on the column's right edge when its display text
    // fits them; the whole text further left when it does not.
    void Amount(int cellX, int row, const CString& amount)
    {
        const CString text = FormatAmount(amount, kAmountFitsBytes + 8, &m_amountFits);
        if (m_amountFits)
            Text(cellX + 10, row, text.Right(kAmountFitsBytes));
        else
            Text(cellX - 115, row, text);
    }

private:
    PagePlan& m_plan;
    int m_amountFits = -1;
};

}  // namespace

int PrintedLineCount(const JournalArray& journal, int index)
{
    const CMyObject2& entry = *journal[index];
    int lines = index == 0 ? 1 : 2;
    if (SecondRowUsed(entry))
        ++lines;
    if (ThirdRowUsed(entry))
        ++lines;
    if (index + 1 < journal.GetSize() && MonthOf(*journal[index + 1]) != MonthOf(entry))
        lines += 2;
    return lines;
}

std::vector<JournalPrintPage> PaginateJournal(const JournalArray& journal)
{
    std::vector<JournalPrintPage> pages;
    const int count = journal.GetSize();
    int lines = 0;
    int first = 0;
    // Added as CauseTotal adds, entry by entry; the text is made once per page.
    AmountSum total;
    for (int i = 0; i < count; ++i) {
        if (lines == 0)
            first = i;
        lines += PrintedLineCount(journal, i);
        const CMyObject2& entry = *journal[i];
        for (const CString* amount : {&entry.m_strCauseAmount1, &entry.m_strCauseAmount2, &entry.m_strCauseAmount3})
            total.Add(*amount);
        if (lines > kPageLines + kPageOverflow || i == count - 1) {
            pages.push_back(JournalPrintPage{first, i, total.Text()});
            lines = 0;
        }
    }
    return pages;
}

PagePlan PlanJournalCover(const CString& yearText)
{
    PagePlan plan;
    BodyPageWriter writer(plan);
    writer.Centred(kJournalCoverPoints, -315, 3, "《 仕訳帳 》");
    writer.Centred(kJournalCoverPoints, -540, 3, EraYearText(YearOfText(yearText)) + "年度");
    writer.Centred(kJournalCoverPoints, -675, 3, "(" + yearText + "年度)");
    return plan;
}

PagePlan PlanJournalPage(const JournalArray& journal, const std::vector<JournalPrintPage>& pages, int p,
                         const CString& yearText)
{
    PagePlan plan;
    if (p < 1 || p > static_cast<int>(pages.size()))
        return plan;
    BodyPageWriter writer(plan);

    // Header and footer.
    plan.AddText(kJournalHeaderPoints, kGridLeft + 250 + 10, kGridTop + 4 * 10, yearText + "年");
    writer.Centred(kJournalHeaderPoints, -80, 1, "－ 仕訳帳 －");
    writer.Centred(kJournalBodyPoints, -2830, 1, "－ " + IntToText(p) + " －");

    const int count = journal.GetSize();
    const int first = pages[p - 1].first;
    const int last = pages[p - 1].last;
    CString debitTotal = p >= 2 ? pages[p - 2].total : CString("0");
    CString creditTotal = debitTotal;
    bool monthChanged = false;
    int row = 0;

    // A carried-forward, month-end or closing line: two rows, the text and the
    // debit total in the first, the credit total beside it when it fits its cell,
    // else in the second row.
    auto block = [&](const CString& text) {
        ++row;
        writer.RowRule(row, false);
        writer.RowColumns(row);
        // Centred in 22 bytes; the longer texts ("次ページ・次月へ繰り越し") are
        // printed whole, never cut.
        writer.Text(710, row, PadToWidth(text, std::max(22, text.GetLength()), kAlignCentre));
        writer.Amount(kDebitCell, row, debitTotal);
        ++row;
        writer.RowColumns(row);
        int fits = -1;
        FormatAmount(creditTotal, kAmountFitsBytes + 8, &fits);
        writer.Amount(kCreditCell, fits ? row - 1 : row, creditTotal);
    };

    for (int i = first; i <= last; ++i) {
        const CMyObject2& entry = *journal[i];
        if (i != 0 && count > 1 && MonthOf(entry) != MonthOf(*journal[i - 1]))
            monthChanged = true;
        if (i == first) {
            row = 1;
            writer.RowRule(1, false);
            writer.RowColumns(1);
            writer.Text(144, 1, PadToWidth("日 付", 8, kAlignCentre));
            writer.Text(320, 1, PadToWidth("<勘定科目>", 18, kAlignCentre));
            writer.Text(1135, 1, PadToWidth("<勘定科目>", 10, kAlignCentre));
            writer.Text(560, 1, PadToWidth("- - - 摘要      ", 16, kAlignLeft));
            writer.Text(870, 1, PadToWidth("      摘要 - - -", 16, kAlignRight));
            writer.Text(1385, 1, PadToWidth("借 方", 18, kAlignCentre));
            writer.Text(1676, 1, PadToWidth("貸 方", 18, kAlignCentre));
            if (i != 0 && count > 1) {
                block(monthChanged ? "前ページ・前月より繰り越し" : "前ページより繰り越し");
                monthChanged = false;
            }
        } else if (monthChanged) {
            block("次月へ繰り越し");
            monthChanged = false;
        }

        // The entry's rows: the debit side on the left.
        ++row;
        writer.RowRule(row, false);
        writer.RowColumns(row);
        writer.Text(164, row, entry.m_strDate.Mid(5, 5));
        const bool causeIsDebit = entry.CauseIsDebit();
        for (int k = 1; k <= 3; ++k) {
            if (k == 2 && !SecondRowUsed(entry))
                continue;
            if (k == 3 && !ThirdRowUsed(entry))
                continue;
            if (k > 1) {
                ++row;
                writer.RowRule(row, true);
                writer.RowColumns(row);
            }
            const Side debit = causeIsDebit ? CauseSide(entry, k) : ResultSide(entry, k);
            const Side credit = causeIsDebit ? ResultSide(entry, k) : CauseSide(entry, k);
            if (k == 1 || !debit.account.IsEmpty()) {
                writer.Text(320, row, PadToWidth("<" + debit.account + ">", 18, kAlignLeft));
                writer.Text(600, row, debit.description);
                writer.Amount(kDebitCell, row, debit.amount);
            }
            if (k == 1 || !credit.account.IsEmpty()) {
                writer.Text(1075, row, PadToWidth("<" + credit.account + ">", 18, kAlignRight));
                writer.Text(830, row, PadToWidth(credit.description, 16, kAlignRight));
                writer.Amount(kCreditCell, row, credit.amount);
            }
        }

        // The remark, without the item breakdown kept after it.
        ++row;
        writer.RemarkRule(row);
        writer.RowColumns(row);
        writer.Text(144, row, PadToWidth("備考", 8, kAlignCentre));
        writer.Text(320, row, PadToWidth(RemarkText(entry.m_strRemark), 68, kAlignCentre));

        debitTotal = CauseTotal(debitTotal, entry);
        creditTotal = ResultTotal(creditTotal, entry);

        if (i == last) {
            CString text = "次ページへ繰り越し";
            if (i != count - 1 && MonthOf(*journal[i + 1]) != MonthOf(entry))
                monthChanged = true;
            if (monthChanged)
                text = "次ページ・次月へ繰り越し";
            if (i == count - 1)
                text = "総合計";
            block(text);
            ++row;
            writer.RowRule(row, false);
            monthChanged = false;
        }
    }
    return plan;
}
