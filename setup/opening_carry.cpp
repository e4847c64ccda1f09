#include "opening_carry.h"

#include "aid_amounts.h"

#include "../core/class_code.h"
#include "../core/column_text.h"
#include "../core/fiscal_year.h"

#include <array>
#include <cstdlib>

namespace {

// The class index (class digit - 1) of each of the six rows. A code of 99999 or
// less carries no class digits: every row is then unknown (-2) and takes the side
// of the rows it posts to.
std::array<int, 6> RowClassIndexes(int classCode)
{
    std::array<int, 6> index;
    index.fill(-2);
    const ClassCode code = DecodeClassCode(classCode);
    if (code.known)
        for (int row = 0; row < 6; ++row)
            index[static_cast<std::size_t>(row)] = code.ClassIndex(row);
    return index;
}

struct Posting {
    const CString* account;
    const CString* desc;
    const CString* amount;
    bool causeRow;
    bool opening;  // row 1 of an entry with 元入金 in row 1 of the other side
};

void CarryPosting(const Posting& posting, int direction, int classIndex, const BalanceRowIndex& index,
                  BalanceRows& rows)
{
    const std::vector<int>& accountRows = index.RowsOf(*posting.account);
    if (accountRows.empty())
        return;
    // Unknown class: the side of the account's rows (kind 4 for 負債 and 資本).
    if (classIndex == -2)
        classIndex = rows[accountRows.front()]->m_nKind == 4 ? 3 : 4;
    const CString amount = NegatesPosting(direction, posting.causeRow, classIndex)
                               ? AidCalculate("0", *posting.amount, -1)
                               : AidCalculate("0", *posting.amount, 1);
    for (int r : accountRows) {
        CKishuZandakaItem& row = *rows[r];
        if (IsTotalRow(row)) {
            row.m_strBalance = AidCalculate(BalanceAmount(row.m_strBalance), amount, 1);
            row.m_nStatus = CKishuZandakaItem::kFromPrevYear;
            if (!posting.desc->IsEmpty())
                row.m_nEntry = 1;
        } else if (IsRemainderRow(row)) {
            row.m_strBalance = AidCalculate(BalanceAmount(row.m_strBalance), amount, 1);
            row.m_nStatus = CKishuZandakaItem::kFromPrevYear;
            row.m_nEntry = -1;
        } else if (row.m_strDesc == *posting.desc) {
            row.m_strBalance = AidCalculate(BalanceAmount(row.m_strBalance), amount, 1);
            if (posting.opening)
                row.m_nStatus = CKishuZandakaItem::kFromPrevYear;
            row.m_nEntry = -1;
        }
    }
}

}  // namespace

bool NegatesPosting(int direction, bool causeRow, int classIndex)
{
    // Liabilities (class index 3) and capital (6) grow on the credit side, the
    // assets on the debit side: a posting on the side where its account shrinks
    // is taken off the balance.
    const bool growsOnCredit = classIndex == 3 || classIndex == 6;
    return RowIsDebit(direction, causeRow) == growsOnCredit;
}

CString CarryForwardBalances(const DictionaryNodes& work, const JournalArray& prevJournal, BalanceRows& rows)
{
    BuildBalanceRows(work, rows);
    const CString previousYear = FiscalYearOf(prevJournal);
    const CString year = previousYear.IsEmpty() ? CString() : IntToText(atoi(previousYear) + 1);

    const BalanceRowIndex index(rows);
    for (int j = 0; j < prevJournal.GetSize(); ++j) {
        const CMyObject2& e = *prevJournal[j];
        const std::array<int, 6> classIndex = RowClassIndexes(e.m_nClassCode);
        const Posting postings[6] = {
            {&e.m_strCause1, &e.m_strCauseDesc1, &e.m_strCauseAmount1, true, e.m_strResult1 == kCapitalAccount},
            {&e.m_strCause2, &e.m_strCauseDesc2, &e.m_strCauseAmount2, true, false},
            {&e.m_strCause3, &e.m_strCauseDesc3, &e.m_strCauseAmount3, true, false},
            {&e.m_strResult1, &e.m_strResultDesc1, &e.m_strResultAmount1, false, e.m_strCause1 == kCapitalAccount},
            {&e.m_strResult2, &e.m_strResultDesc2, &e.m_strResultAmount2, false, false},
            {&e.m_strResult3, &e.m_strResultDesc3, &e.m_strResultAmount3, false, false},
        };
        for (int i = 0; i < 6; ++i)
            if (!postings[i].account->IsEmpty())
                CarryPosting(postings[i], e.m_nDirection, classIndex[i], index, rows);
    }

    // Rows nothing was carried into show no balance; a remainder keeps what the
    // account's carried descriptions do not hold.
    CString sum = "0";
    for (int r = 0; r < rows.GetSize(); ++r) {
        CKishuZandakaItem& row = *rows[r];
        if (row.m_nStatus != CKishuZandakaItem::kFromPrevYear) {
            row.m_strBalance = BlankBalance();
            continue;
        }
        if (IsRemainderRow(row)) {
            row.m_strBalance = AidCalculate(row.m_strBalance, sum, -1);
            sum = "0";
        } else if (!IsTotalRow(row)) {
            sum = AidCalculate(sum, row.m_strBalance, 1);
        }
    }
    MarkUnsetBalances(prevJournal, rows);
    return year;
}

namespace {

int YearOfFirstEntry(const JournalArray& journal)
{
    if (journal.GetSize() == 0 || !journal[0])
        return 0;
    const CString first = journal[0]->m_strDate.Left(4);
    return IsYearText(first) ? atoi(first) : 0;
}

}  // namespace

CarryYears YearsOfCarry(const JournalArray& prevJournal, const JournalArray& journal)
{
    return {YearOfFirstEntry(prevJournal), YearOfFirstEntry(journal)};
}

CString CarryYearQuestion(const CarryYears& years)
{
    if (years.previous == 0 || years.open == 0 || years.previous == years.open - 1)
        return CString();
    return "指定されたファイルは " + IntToText(years.previous) + " 年の会計データです。\n\n開いている会計データは " +
           IntToText(years.open) + " 年のもので、前年度は " + IntToText(years.open - 1) +
           " 年です。\n\nこのファイルの期末残高を " + IntToText(years.open) + " 年の期首残高として読み込みますか？";
}
