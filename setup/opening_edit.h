// The editing of the opening-balance rows as the dialog offers it: an account or one
// of its descriptions is selected, and 設定 or 削除 changes its balance and marks in
// the row what the opening-balance command must do with it. The selection is held
// by names and the rows are found again by them, so that it survives a rebuild of
// the rows; nothing is ever read back from a list line.
#pragma once

#include "opening_rows.h"

#include <set>

class OpeningBalanceEditor {
public:
    explicit OpeningBalanceEditor(BalanceRows& rows) : m_rows(rows) {}
    OpeningBalanceEditor(const OpeningBalanceEditor&) = delete;
    OpeningBalanceEditor& operator=(const OpeningBalanceEditor&) = delete;

    // Account-level editing of the account of the "合計" row.
    void SelectAccount(int totalRow);
    // Description-level editing of the row's description (or remainder).
    void SelectDescription(int row);
    // The name field was emptied (the detail list was opened): 設定 and 削除 do
    // nothing until a line is selected; the account stays selected for the list.
    void DropTarget() { m_name.Empty(); }
    // The rows were rebuilt: their lines show them as they are now; the selection
    // keeps its names.
    void RowsRebuilt() { m_cleared.clear(); }

    bool HasSelection() const { return !m_name.IsEmpty(); }
    bool AtDescriptionLevel() const { return m_descriptionLevel; }
    const CString& Account() const { return m_account; }
    // The account or description selected, as the name field shows it.
    const CString& Name() const { return m_name; }
    // The selected balance as the amount field shows it: empty when none is set.
    CString FieldText() const;
    // Whether the account keeps descriptions (the detail controls show).
    bool AccountHasDetail() const;

    // The question asked before 削除.
    CString DeleteQuestion() const;

    struct Outcome {
        CString refusal;          // not empty: shown, nothing changed
        bool deletes = false;     // the amount was zero: 削除 with its question instead
        CString field;            // the amount field's text afterwards
    };
    // 設定 with the typed amount: checked with the journal's amount check, refused
    // when it, or the account's new total, is too long for the balance column.
    Outcome Set(const CString& typed);
    // 削除, once the question was answered Yes.
    Outcome Delete();

    // The list line of a row: a balance removed by 削除 shows the unset mark.
    CString LineOf(int row) const;

private:
    // The account's "合計" row and the selected row; -1 when the rows hold none.
    int TotalRow() const { return FindTotalRow(m_rows, m_account); }
    int SelectedRow(int totalRow) const;
    // The status a row takes: 設定 writes or changes its entry, 削除 removes it;
    // a balance carried from the previous year stays carried.
    static void MarkSet(CKishuZandakaItem& row);
    static void MarkDeleted(CKishuZandakaItem& row);
    CString NoRowRefusal() const;

    BalanceRows& m_rows;
    CString m_account;
    CString m_desc;
    CString m_name;
    bool m_descriptionLevel = false;
    std::set<int> m_cleared;
};
