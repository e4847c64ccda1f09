// The rows of the opening-balance dialog: one group per balance-sheet account (its
// "合計" row, one row per description, its "未設定の合計" row), built from the
// account dictionary completed with the journal's own accounts, with the balances
// of the opening entries already in the journal read into them. Balances stay
// amount text from the journal to the rows and back; the list lines only show them.
#pragma once

#include "opening_entries.h"

#include "../core/dictionary_tree.h"

#include <string>
#include <unordered_map>
#include <vector>

// Bytes of the name column and of the balance column of a list line.
constexpr int kOpeningNameWidth = 16;
constexpr int kOpeningBalanceWidth = 18;

// No balance is known: 18 blanks.
CString BlankBalance();
// A journal uses the account or description, but no opening balance is set:
// "未 設 定   " right-aligned in 18 bytes.
CString UnsetMark();

bool IsTotalRow(const CKishuZandakaItem& row);
bool IsRemainderRow(const CKishuZandakaItem& row);
// The amount a balance stands for in sums: the blank balance and the unset mark
// are zero.
CString BalanceAmount(const CString& balance);
// Whether the balance is an amount other than zero.
bool HoldsBalance(const CString& balance);

// Replaces the rows by those of the accounts of the classes 資本, 負債, 資産(流動)
// and 資産(固定) of the (work) dictionary, in that order and in dictionary order;
// 元入金, 事業主借, 事業主貸 and 現金過不足 in their own classes have none.
// Descriptions that contain "期末" get no row.
void BuildBalanceRows(const DictionaryNodes& work, BalanceRows& rows);

// The rows of each account name, in row order.
class BalanceRowIndex {
public:
    explicit BalanceRowIndex(const BalanceRows& rows);
    const std::vector<int>& RowsOf(const CString& account) const;

private:
    std::unordered_map<std::string, std::vector<int>> m_rows;
    std::vector<int> m_none;
};

// Reads the balances of the journal's opening entries of its year into the rows. Answers the messages about a second opening entry for one balance, in
// the order met; the later entry's amount wins.
std::vector<CString> ReadOpeningEntries(const JournalArray& journal, BalanceRows& rows);

// Gives the unset mark to every "合計" row whose account, and every description row
// whose account and description, the journal uses without a balance being known.
void MarkUnsetBalances(const JournalArray& journal, BalanceRows& rows);

// What the dialog's opening does: the dictionary completed with the accounts and
// descriptions of the journal (an entry whose class code has no class digits adds
// no account the dictionary lacks), the rows built, the opening entries read and the
// unset marks set. Answers the duplicate messages.
std::vector<CString> PrepareBalanceRows(const DictionaryNodes& dictionary, const JournalArray& journal,
                                        BalanceRows& rows);

// The "合計" rows of the list of assets (kinds 5 and 6) or of liabilities and
// capital (kind 4), in row order.
std::vector<int> AccountLineRows(const BalanceRows& rows, bool liabilities);
// The rows after the "合計" row up to the next one: the account's description rows
// and its "未設定の合計" row.
std::vector<int> GroupRows(const BalanceRows& rows, int totalRow);
// The detail list of the account of totalRow: its description rows and, when there
// is at least one, its "未設定の合計" row.
std::vector<int> DetailLineRows(const BalanceRows& rows, int totalRow);
// The first "合計" row of the account, -1 when there is none.
int FindTotalRow(const BalanceRows& rows, const CString& account);

// A list line: the name in a column of 16 bytes (cut on a character boundary and
// marked ".." when longer), then the balance column: the unset mark as it is, the
// balance formatted at 18 bytes, or nothing for the blank balance.
CString BalanceLine(const CString& name, const CString& balance);
