#include "opening_rows.h"

#include "aid_amounts.h"

#include "../core/column_text.h"
#include "../core/record_file.h"
#include "../core/sjis_text.h"

#include <array>
#include <unordered_set>

namespace {

// The classes whose accounts get rows, in row order, with the kind of their rows.
struct BalanceClass {
    int node;
    int kind;
};
constexpr std::array<BalanceClass, 4> kBalanceClasses{{{7, 4}, {4, 4}, {5, 5}, {6, 6}}};

bool HasNoRows(int classNode, const CString& account)
{
    switch (classNode) {
    case 7: return account == kCapitalAccount;
    case 4: return account == "事業主借";
    default: return account == "事業主貸" || account == "現金過不足";
    }
}

void AddRow(BalanceRows& rows, const BalanceClass& balanceClass, int entry, const CString& account,
            const CString& desc)
{
    auto* row = new CKishuZandakaItem;
    row->m_nKind = balanceClass.kind;
    row->m_nClassDigit = balanceClass.node;
    row->m_nStatus = CKishuZandakaItem::kBuilt;
    row->m_nEntry = entry;
    row->m_strAccount = account;
    row->m_strDesc = desc;
    row->m_strBalance = BlankBalance();
    rows.Add(row);
}

// The slot code (2 to 7) of the last of the six account fields that holds 元入金,
// 0 when none does.
int CapitalPosition(const CMyObject2& entry)
{
    const CString* accounts[6] = {&entry.m_strCause1,  &entry.m_strCause2,  &entry.m_strCause3,
                                  &entry.m_strResult1, &entry.m_strResult2, &entry.m_strResult3};
    int position = 0;
    for (int i = 0; i < 6; ++i)
        if (*accounts[i] == kCapitalAccount)
            position = i + 2;
    return position;
}

std::string Key(const CString& text)
{
    return text.str();
}

std::string PairKey(const CString& account, const CString& desc)
{
    return Key(account) + '\n' + Key(desc);
}

}  // namespace

CString BlankBalance()
{
    return PadToWidth(" ", kOpeningBalanceWidth, kAlignRight);
}

CString UnsetMark()
{
    return PadToWidth("未 設 定   ", kOpeningBalanceWidth, kAlignRight);
}

bool IsTotalRow(const CKishuZandakaItem& row)
{
    return row.m_strDesc == kTotalRowDesc;
}

bool IsRemainderRow(const CKishuZandakaItem& row)
{
    return row.m_strDesc == kRemainderRowDesc;
}

CString BalanceAmount(const CString& balance)
{
    if (balance == UnsetMark() || StripSeparators(balance).IsEmpty())
        return "0";
    return balance;
}

bool HoldsBalance(const CString& balance)
{
    const CString amount = AidCalculate("0", BalanceAmount(balance), 1);
    return amount != "0" && amount != "0.00";
}

void BuildBalanceRows(const DictionaryNodes& work, BalanceRows& rows)
{
    DeleteRecords(rows);
    if (work.GetSize() < 9)
        return;
    const int size = work.GetSize();
    auto children = [&](int node, auto&& each) {
        const CKiso* parent = work[node];
        if (parent->m_nFirstChild <= 0)
            return;
        for (int i = 0; i < parent->m_nChildCount && parent->m_nFirstChild + i < size; ++i)
            each(parent->m_nFirstChild + i);
    };
    for (const BalanceClass& balanceClass : kBalanceClasses) {
        children(balanceClass.node, [&](int accountNode) {
            const CKiso* account = work[accountNode];
            if (HasNoRows(balanceClass.node, account->m_strName))
                return;
            AddRow(rows, balanceClass, account->m_nChildCount > 0 ? 0 : -1, account->m_strName, kTotalRowDesc);
            children(accountNode, [&](int descNode) {
                const CString& desc = work[descNode]->m_strName;
                if (!ContainsWholeChars(desc, "期末"))
                    AddRow(rows, balanceClass, -1, account->m_strName, desc);
            });
            AddRow(rows, balanceClass, -1, account->m_strName, kRemainderRowDesc);
        });
    }
}

BalanceRowIndex::BalanceRowIndex(const BalanceRows& rows)
{
    for (int i = 0; i < rows.GetSize(); ++i)
        m_rows[Key(rows[i]->m_strAccount)].push_back(i);
}

const std::vector<int>& BalanceRowIndex::RowsOf(const CString& account) const
{
    const auto found = m_rows.find(Key(account));
    return found == m_rows.end() ? m_none : found->second;
}

std::vector<CString> ReadOpeningEntries(const JournalArray& journal, BalanceRows& rows)
{
    std::vector<CString> messages;
    const BalanceRowIndex index(rows);
    for (int j = 0; j < journal.GetSize(); ++j) {
        const CMyObject2& e = *journal[j];
        const int position = CapitalPosition(e);
        if (position == 0)
            continue;
        // The rows of the two row-1 accounts, once each and in row order.
        std::vector<int> candidates = index.RowsOf(e.m_strCause1);
        if (e.m_strResult1 != e.m_strCause1) {
            const std::vector<int>& more = index.RowsOf(e.m_strResult1);
            std::vector<int> merged;
            merged.reserve(candidates.size() + more.size());
            size_t a = 0, b = 0;
            while (a < candidates.size() || b < more.size())
                merged.push_back(b >= more.size() || (a < candidates.size() && candidates[a] < more[b])
                                     ? candidates[a++]
                                     : more[b++]);
            candidates.swap(merged);
        }
        for (int r : candidates) {
            CKishuZandakaItem& row = *rows[r];
            auto take = [&](const CString& amount, bool remainder) {
                if (row.m_nEntry != -1)
                    messages.push_back(remainder ? "[ " + row.m_strAccount + " ] の期首残高設定が重複しています。"
                                                 : "[ " + row.m_strAccount + " ] [ " + row.m_strDesc +
                                                       " ] の期首残高設定が重複しています。");
                row.m_strBalance = amount;
                row.m_nEntry = j;
            };
            if (IsTotalRow(row)) {
                if (position == 2 && e.m_strResult1 == row.m_strAccount) {
                    row.m_strBalance = AidCalculate(BalanceAmount(row.m_strBalance), e.m_strCauseAmount1, 1);
                    if (!e.m_strResultDesc1.IsEmpty())
                        row.m_nEntry = 1;
                }
                if (position == 5 && e.m_strCause1 == row.m_strAccount) {
                    row.m_strBalance = AidCalculate(BalanceAmount(row.m_strBalance), e.m_strResultAmount1, 1);
                    if (!e.m_strCauseDesc1.IsEmpty())
                        row.m_nEntry = 1;
                }
                continue;
            }
            if (IsRemainderRow(row)) {
                if (e.m_strCause1 == row.m_strAccount && e.m_strCauseDesc1.IsEmpty())
                    take(e.m_strCauseAmount1, true);
                if (e.m_strResult1 == row.m_strAccount && e.m_strResultDesc1.IsEmpty())
                    take(e.m_strResultAmount1, true);
            }
            if (e.m_strCauseDesc1 == row.m_strDesc && e.m_strCause1 == row.m_strAccount)
                take(e.m_strCauseAmount1, false);
            if (e.m_strResultDesc1 == row.m_strDesc && e.m_strResult1 == row.m_strAccount)
                take(e.m_strResultAmount1, false);
        }
    }
    return messages;
}

void MarkUnsetBalances(const JournalArray& journal, BalanceRows& rows)
{
    if (journal.GetSize() == 0)
        return;
    std::unordered_set<std::string> accounts;
    std::unordered_set<std::string> pairs;
    for (int j = 0; j < journal.GetSize(); ++j) {
        const CMyObject2& e = *journal[j];
        const CString* names[6] = {&e.m_strCause1, &e.m_strCause2, &e.m_strCause3,
                                   &e.m_strResult1, &e.m_strResult2, &e.m_strResult3};
        const CString* descs[6] = {&e.m_strCauseDesc1,  &e.m_strCauseDesc2,  &e.m_strCauseDesc3,
                                   &e.m_strResultDesc1, &e.m_strResultDesc2, &e.m_strResultDesc3};
        for (int i = 0; i < 6; ++i) {
            if (names[i]->IsEmpty())
                continue;
            accounts.insert(Key(*names[i]));
            pairs.insert(PairKey(*names[i], *descs[i]));
        }
    }
    const CString blank = BlankBalance();
    for (int r = 0; r < rows.GetSize(); ++r) {
        CKishuZandakaItem& row = *rows[r];
        if (row.m_strBalance != blank || IsRemainderRow(row))
            continue;
        const bool used = IsTotalRow(row) ? accounts.count(Key(row.m_strAccount)) > 0
                                          : pairs.count(PairKey(row.m_strAccount, row.m_strDesc)) > 0;
        if (used)
            row.m_strBalance = UnsetMark();
    }
}

std::vector<CString> PrepareBalanceRows(const DictionaryNodes& dictionary, const JournalArray& journal,
                                        BalanceRows& rows)
{
    DictionaryNodes work;
    CarryForwardSlots slots;
    BuildWorkDictionary(dictionary, journal, work, slots);
    BuildBalanceRows(work, rows);
    DeleteRecords(work);
    std::vector<CString> messages = ReadOpeningEntries(journal, rows);
    MarkUnsetBalances(journal, rows);
    return messages;
}

std::vector<int> AccountLineRows(const BalanceRows& rows, bool liabilities)
{
    std::vector<int> lines;
    for (int r = 0; r < rows.GetSize(); ++r)
        if (IsTotalRow(*rows[r]) && (rows[r]->m_nKind == 4) == liabilities)
            lines.push_back(r);
    return lines;
}

std::vector<int> GroupRows(const BalanceRows& rows, int totalRow)
{
    std::vector<int> group;
    if (totalRow < 0 || totalRow >= rows.GetSize())
        return group;
    for (int r = totalRow + 1; r < rows.GetSize() && !IsTotalRow(*rows[r]); ++r)
        group.push_back(r);
    return group;
}

std::vector<int> DetailLineRows(const BalanceRows& rows, int totalRow)
{
    std::vector<int> lines;
    for (int r : GroupRows(rows, totalRow))
        if (!IsRemainderRow(*rows[r]) || !lines.empty())
            lines.push_back(r);
    return lines;
}

int FindTotalRow(const BalanceRows& rows, const CString& account)
{
    for (int r = 0; r < rows.GetSize(); ++r)
        if (IsTotalRow(*rows[r]) && rows[r]->m_strAccount == account)
            return r;
    return -1;
}

CString BalanceLine(const CString& name, const CString& balance)
{
    const CString shownName = name.GetLength() > kOpeningNameWidth
                                  ? CutToBytes(name, kOpeningNameWidth - 2) + ".."
                                  : name;
    const CString column = PadToWidth(shownName, kOpeningNameWidth, kAlignLeft);
    if (balance == UnsetMark())
        return column + balance;
    return column + AidFormatAmount(balance, kOpeningBalanceWidth);
}
