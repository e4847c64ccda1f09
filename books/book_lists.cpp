#include "book_lists.h"

#include "../core/class_code.h"

#include <string_view>
#include <unordered_set>

AccountGroup GroupOfClassDigit(int digit)
{
    switch (digit) {
    case 1: return kGroupRevenue;
    case 2:
    case 3: return kGroupExpenses;
    case 4:
    case 7: return kGroupLiabilities;
    case 5:
    case 6: return kGroupAssets;
    default: return kGroupNone;
    }
}

bool GroupHasCreditBalance(int group)
{
    return group == kGroupLiabilities || group == kGroupRevenue;
}

namespace {

void AddDistinct(std::vector<CString>& names, const CString& name)
{
    if (FindExactName(names, name) < 0)
        names.push_back(name);
}

// The texts of the journal already looked at, by their bytes: a year's rows
// then cost a lookup each instead of a walk along the names gathered.
using SeenTexts = std::unordered_set<std::string_view>;

}  // namespace

AccountGroups GatherAccountGroups(const JournalArray& journal)
{
    AccountGroups groups;
    std::array<SeenTexts, 4> seen;
    for (int index = 0; index < journal.GetSize(); ++index) {
        const CMyObject2* entry = journal.GetAt(index);
        const ClassCode code = entry ? DecodeClassCode(entry->m_nClassCode) : ClassCode();
        if (!code.known)
            continue;
        for (int entryRow = 0; entryRow < kEntryRows; ++entryRow) {
            const CString& account = RowAccount(*entry, entryRow);
            const AccountGroup group = GroupOfClassDigit(code.rowClass[entryRow]);
            if (account.IsEmpty() || group == kGroupNone || !seen[group].insert(account.view()).second)
                continue;
            // A marked name and its plain name are one account.
            AddDistinct(groups[group], RemoveMark(account, "(消)"));
        }
    }
    return groups;
}

std::vector<CString> GatherExpenseAccounts(const JournalArray& journal)
{
    std::vector<CString> names;
    SeenTexts seen;
    for (int index = 0; index < journal.GetSize(); ++index) {
        const CMyObject2* entry = journal.GetAt(index);
        const ClassCode code = entry ? DecodeClassCode(entry->m_nClassCode) : ClassCode();
        if (!code.known)
            continue;
        for (int entryRow = 0; entryRow < kEntryRows; ++entryRow) {
            const int digit = code.rowClass[entryRow];
            const CString& account = RowAccount(*entry, entryRow);
            if ((digit == 2 || digit == 3) && !account.IsEmpty() && seen.insert(account.view()).second)
                names.push_back(account);
        }
    }
    return names;
}

int FindExactName(const std::vector<CString>& items, const CString& name)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == name)
            return static_cast<int>(i);
    return -1;
}

GroupPick FindAccountInGroups(const AccountGroups& groups, const CString& name)
{
    GroupPick pick;
    for (int group = 0; group < 4; ++group) {
        const int index = FindExactName(groups[group], name);
        if (index >= 0)
            pick = {group, index};
    }
    return pick;
}

bool EntryNamesAccount(const JournalArray& journal, int index, const CString& account)
{
    if (index < 0 || index >= journal.GetSize() || !journal.GetAt(index))
        return false;
    for (int entryRow = 0; entryRow < kEntryRows; ++entryRow)
        if (RowAccount(*journal.GetAt(index), entryRow) == account)
            return true;
    return false;
}

bool JournalNamesAccount(const JournalArray& journal, const CString& account)
{
    for (int index = 0; index < journal.GetSize(); ++index)
        if (EntryNamesAccount(journal, index, account))
            return true;
    return false;
}
