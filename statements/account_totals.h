// The per-account totals that the year-end statements are computed from: one walk
// over the journal files every account under its class and sums the amounts booked
// to its debit and credit sides. The maps keep the order in which the journal first
// names an account, so every page lists its accounts and its messages the same way
// on every run.
#pragma once

#include "../core/class_code.h"
#include "../core/entry_side.h"
#include "../core/my_object2.h"
#include "../framework/cstring.h"

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The account mark of the consumption-tax accounts, removed from some keys.
extern const char* const kTaxMark;

struct AccountTotal {
    CString debit = "0";
    CString credit = "0";
};

// Account name -> totals, in the order the names were first filed.
class AccountMap {
public:
    // The totals of the name, created as ("0", "0") when the map does not hold it.
    AccountTotal& File(const CString& name);
    AccountTotal* Find(const CString& name);
    const AccountTotal* Find(const CString& name) const;
    // The place of the name in the filing order; -1 when the map does not hold it.
    int IndexOf(const CString& name) const;
    AccountTotal& At(int index) { return m_entries.at(static_cast<std::size_t>(index)).second; }
    bool Contains(const CString& name) const { return Find(name) != nullptr; }
    bool IsEmpty() const { return m_entries.empty(); }
    int Count() const { return static_cast<int>(m_entries.size()); }

    using Entry = std::pair<CString, AccountTotal>;
    std::vector<Entry>::const_iterator begin() const { return m_entries.begin(); }
    std::vector<Entry>::const_iterator end() const { return m_entries.end(); }

private:
    std::vector<Entry> m_entries;
    std::map<std::string, std::size_t> m_index;
};

struct AccountTotals {
    AccountMap revenue;    // class 1
    AccountMap expense;    // classes 2 and 3
    AccountMap liability;  // class 4
    AccountMap asset;      // classes 5 and 6
    AccountMap capital;    // class 7
    // Per account, in debit, the sum of the 元入金 amounts opposite it in row 1.
    AccountMap openingCapital;
    // The account names that rows filed under more than one class, in the order
    // met; each is counted only in the class of its first row.
    std::vector<CString> severalClasses;
    // The first four characters of the first entry's date; empty for an empty journal.
    CString fiscalYear;
};

using Journal = std::vector<const CMyObject2*>;


// a + b (op 1) or a - b (op -1) as amount text; two empty texts give the empty text.
CString AddAmounts(const CString& a, const CString& b);
CString SubtractAmounts(const CString& a, const CString& b);

// True when the amount text is zero as a number: "", "0", "0.00", "-0" are all zero.
bool IsZeroAmount(const CString& amount);
// True when the amount is below zero as a number.
bool IsNegativeAmount(const CString& amount);

AccountTotals CollectAccountTotals(const Journal& journal);

// The six rows of an entry in the order cause 1 to 3, result 1 to 3.
struct EntryRow {
    const CString* account;
    const CString* amount;
    bool causeRow;
};
std::array<EntryRow, 6> RowsOf(const CMyObject2& entry);
