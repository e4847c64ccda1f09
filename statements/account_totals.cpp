#include "account_totals.h"

#include "../core/amount_arithmetic.h"
#include "../core/column_text.h"

#include <string>

const char* const kTaxMark = "(消)";

AccountTotal& AccountMap::File(const CString& name)
{
    auto found = m_index.find(name.str());
    if (found != m_index.end())
        return m_entries[found->second].second;
    m_index.emplace(name.str(), m_entries.size());
    m_entries.emplace_back(name, AccountTotal{});
    return m_entries.back().second;
}

AccountTotal* AccountMap::Find(const CString& name)
{
    auto found = m_index.find(name.str());
    return found == m_index.end() ? nullptr : &m_entries[found->second].second;
}

const AccountTotal* AccountMap::Find(const CString& name) const
{
    auto found = m_index.find(name.str());
    return found == m_index.end() ? nullptr : &m_entries[found->second].second;
}

bool RowIsDebit(int direction, bool causeRow)
{
    return causeRow ? direction == 0 : direction != 0;
}

RowClasses RowClassesOf(int classCode)
{
    RowClasses classes;
    if (classCode <= 99999)
        return classes;
    std::string digits = std::to_string(classCode);
    if (digits.size() == 6)
        digits.insert(digits.begin(), '0');
    classes.known = true;
    for (std::size_t i = 0; i < 6 && i < digits.size(); ++i)
        classes.digit[i] = digits[i] - '0';
    return classes;
}

CString AddAmounts(const CString& a, const CString& b)
{
    return AddSubAmountsKeepingEmpty(a, b, 1);
}

CString SubtractAmounts(const CString& a, const CString& b)
{
    return AddSubAmountsKeepingEmpty(a, b, -1);
}

bool IsZeroAmount(const CString& amount)
{
    for (char ch : amount.str()) {
        if (ch != '0' && ch != '.' && ch != '-' && ch != ',' && ch != ' ')
            return false;
    }
    return true;
}

bool IsNegativeAmount(const CString& amount)
{
    return amount.Find('-') >= 0 && !IsZeroAmount(amount);
}

std::array<EntryRow, 6> RowsOf(const CMyObject2& entry)
{
    return {{
        {&entry.m_strCause1, &entry.m_strCauseAmount1, true},
        {&entry.m_strCause2, &entry.m_strCauseAmount2, true},
        {&entry.m_strCause3, &entry.m_strCauseAmount3, true},
        {&entry.m_strResult1, &entry.m_strResultAmount1, false},
        {&entry.m_strResult2, &entry.m_strResultAmount2, false},
        {&entry.m_strResult3, &entry.m_strResultAmount3, false},
    }};
}

namespace {

// The map of a class digit and the key it files a name under; null for the empty
// class and digits beyond the seven classes.
struct ClassMap {
    AccountMap* map;
    bool keepsMark;  // liabilities and capital keep the name as it is
};

ClassMap MapOfClass(AccountTotals& totals, int digit)
{
    switch (digit) {
    case 1: return {&totals.revenue, false};
    case 2:
    case 3: return {&totals.expense, false};
    case 4: return {&totals.liability, true};
    case 5:
    case 6: return {&totals.asset, false};
    case 7: return {&totals.capital, true};
    default: return {nullptr, false};
    }
}

CString KeyOf(const CString& name, bool keepsMark)
{
    return keepsMark ? name : RemoveMark(name, kTaxMark);
}

void PostAmount(AccountTotals& totals, const CString& account, const CString& amount, bool debit)
{
    // Each map is asked with the key it files names under, so a marked liability
    // or capital name finds its own entry.
    for (int digit : {1, 2, 4, 5, 7}) {
        ClassMap target = MapOfClass(totals, digit);
        if (AccountTotal* total = target.map->Find(KeyOf(account, target.keepsMark))) {
            CString& side = debit ? total->debit : total->credit;
            side = AddAmounts(side, amount);
        }
    }
}

void AddOpeningCapital(AccountTotals& totals, const CString& counterAccount, const CString& amount)
{
    if (AccountTotal* total = totals.openingCapital.Find(counterAccount)) {
        total->debit = AddAmounts(total->debit, amount);
        return;
    }
    AccountTotal& added = totals.openingCapital.File(counterAccount);
    added.debit = amount;
    added.credit = "0";
}

const char kOpeningCapital[] = "元入金";

}  // namespace

AccountTotals CollectAccountTotals(const Journal& journal)
{
    AccountTotals totals;
    if (!journal.empty())
        totals.fiscalYear = journal.front()->m_strDate.Left(4);

    // Filing: the class digits carry over to entries whose code holds none.
    RowClasses classes;
    for (const CMyObject2* entry : journal) {
        RowClasses own = RowClassesOf(entry->m_nClassCode);
        if (own.known)
            classes = own;
        if (!classes.known)
            continue;
        auto rows = RowsOf(*entry);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].account->IsEmpty())
                continue;
            ClassMap target = MapOfClass(totals, classes.digit[i]);
            if (target.map)
                target.map->File(KeyOf(*rows[i].account, target.keepsMark));
        }
    }

    // Posting.
    for (const CMyObject2* entry : journal) {
        for (const EntryRow& row : RowsOf(*entry)) {
            if (row.account->IsEmpty())
                continue;
            if (row.account == &entry->m_strCause1 && entry->m_strCause1 == kOpeningCapital)
                AddOpeningCapital(totals, entry->m_strResult1, entry->m_strCauseAmount1);
            if (row.account == &entry->m_strResult1 && entry->m_strResult1 == kOpeningCapital)
                AddOpeningCapital(totals, entry->m_strCause1, entry->m_strResultAmount1);
            PostAmount(totals, *row.account, *row.amount, RowIsDebit(entry->m_nDirection, row.causeRow));
        }
    }
    return totals;
}
