// The account lists of the general ledger and the expense book, gathered from
// the class digits of the journal's entries, and the exact lookups with which a
// reopened book finds its remembered account again.
#pragma once

#include "ledger.h"

#include <array>
#include <vector>

// The general ledger's four class groups, in the order of its lists.
enum AccountGroup : int {
    kGroupNone = -1,
    kGroupAssets = 0,
    kGroupLiabilities = 1,  // liabilities and capital
    kGroupRevenue = 2,
    kGroupExpenses = 3,
};

// The group of a class digit (1 収益 to 7 資本); kGroupNone for 0, 8 and 9.
AccountGroup GroupOfClassDigit(int digit);
// Liabilities, capital and revenue count their balance as credit minus debit.
bool GroupHasCreditBalance(int group);

using AccountGroups = std::array<std::vector<CString>, 4>;

// The distinct account names of each group in order of first appearance, the
// deletion mark "(消)" removed; an entry without class digits adds nothing.
AccountGroups GatherAccountGroups(const JournalArray& journal);
// The distinct names met in rows of class digit 2 or 3, as stored.
std::vector<CString> GatherExpenseAccounts(const JournalArray& journal);

// The index of the item whose whole text is name, or -1 (never a prefix match).
int FindExactName(const std::vector<CString>& items, const CString& name);

struct GroupPick {
    int group = kGroupNone;
    int index = -1;
};
// Where name stands in the groups; the later group wins when it stands in two.
GroupPick FindAccountInGroups(const AccountGroups& groups, const CString& name);

// Whether entry index of the journal names account in one of its six rows.
bool EntryNamesAccount(const JournalArray& journal, int index, const CString& account);
// Whether the account has an entry in the journal at all.
bool JournalNamesAccount(const JournalArray& journal, const CString& account);
