#include "opening_cash.h"

#include "../core/amount_arithmetic.h"
#include "../core/amount_check.h"
#include "../core/amount_format.h"
#include "../core/fiscal_year.h"
#include "../core/opening_entry.h"

const char* const kOpeningCashQuestion =
    " 現金の繰越金(元入金)はすでに登録されています。\n\n入力された金額に変更しますか";

namespace {

const char* const kCashAccount = "現金";

const char* const kYearRefusal =
    "仕訳がまだ1件もないため、期首残高の年度が決まりません。\n\n仕訳帳で取引を入力してから設定してください。";

}  // namespace

OpeningCashPlan PlanOpeningCash(const JournalArray& journal, const CString& fieldText, const CString& year)
{
    OpeningCashPlan plan;
    plan.refusal = AmountRefusal(fieldText, "期首残高", kUnsignedAmount);
    if (!plan.refusal.IsEmpty())
        return plan;
    if (!IsYearText(year)) {
        plan.refusal = kYearRefusal;
        return plan;
    }
    plan.date = year + "/01/01";
    plan.amount = AddSubAmounts("0", fieldText, 1);
    // Only the opening entry is replaced: 現金 against 元入金 later in the year is
    // money the owner paid in and stays.
    plan.replaceIndex = FindOpeningEntry(journal, kCashAccount, year);
    return plan;
}

CString OpeningCashOf(const JournalArray& journal, const CString& year)
{
    const int index = FindOpeningEntry(journal, kCashAccount, year);
    return index < 0 ? CString("0") : AddSubAmounts("0", OpenedBalanceOf(*journal.GetAt(index)).amount, 1);
}

CMyObject2* MakeOpeningCashEntry(const OpeningCashPlan& plan)
{
    auto* entry = new CMyObject2;
    entry->m_strDate = plan.date;
    entry->m_strCause1 = kCashAccount;
    entry->m_strResult1 = kCapitalAccount;
    entry->m_strCauseAmount1 = plan.amount;
    entry->m_strResultAmount1 = plan.amount;
    entry->m_strCauseAmount2 = entry->m_strCauseAmount3 = "0";
    entry->m_strResultAmount2 = entry->m_strResultAmount3 = "0";
    entry->m_nDirection = 0;
    entry->m_nClassCode = 5007000;
    return entry;
}

int ApplyOpeningCash(JournalArray& journal, const OpeningCashPlan& plan, CMyObject2* entry, int currentEntry)
{
    if (plan.replaceIndex >= 0 && plan.replaceIndex < journal.GetSize()) {
        delete journal.GetAt(plan.replaceIndex);
        journal.SetAt(plan.replaceIndex, entry);
        return currentEntry;
    }
    journal.InsertAt(0, entry);
    return currentEntry >= 0 ? currentEntry + 1 : currentEntry;
}
