#include "opening_edit.h"

#include "aid_amounts.h"

namespace {

CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}

}  // namespace

void OpeningBalanceEditor::SelectAccount(int totalRow)
{
    if (totalRow < 0 || totalRow >= m_rows.GetSize())
        return;
    m_account = m_rows[totalRow]->m_strAccount;
    m_desc = kTotalRowDesc;
    m_name = m_account;
    m_descriptionLevel = false;
}

void OpeningBalanceEditor::SelectDescription(int row)
{
    if (row < 0 || row >= m_rows.GetSize())
        return;
    m_account = m_rows[row]->m_strAccount;
    m_desc = m_rows[row]->m_strDesc;
    m_name = m_desc;
    m_descriptionLevel = true;
}

int OpeningBalanceEditor::SelectedRow(int totalRow) const
{
    if (!m_descriptionLevel)
        return totalRow;
    for (int r : GroupRows(m_rows, totalRow))
        if (m_rows[r]->m_strDesc == m_desc)
            return r;
    return -1;
}

CString OpeningBalanceEditor::FieldText() const
{
    const int row = SelectedRow(TotalRow());
    if (row < 0)
        return CString();
    const CString& balance = m_rows[row]->m_strBalance;
    if (balance == UnsetMark() || m_cleared.count(row))
        return CString();
    return Trimmed(AidFormatAmount(balance, 0));
}

bool OpeningBalanceEditor::AccountHasDetail() const
{
    const int total = TotalRow();
    return total >= 0 && m_rows[total]->m_nEntry != -1;
}

CString OpeningBalanceEditor::DeleteQuestion() const
{
    return "「 " + m_name + " 」の期首残高を削除しますか？";
}

void OpeningBalanceEditor::MarkSet(CKishuZandakaItem& row)
{
    if (row.m_nStatus != CKishuZandakaItem::kFromPrevYear)
        row.m_nStatus = row.m_nEntry == -1 ? CKishuZandakaItem::kNew : CKishuZandakaItem::kChanged;
}

void OpeningBalanceEditor::MarkDeleted(CKishuZandakaItem& row)
{
    if (row.m_nStatus != CKishuZandakaItem::kFromPrevYear)
        row.m_nStatus = row.m_nEntry == -1 ? CKishuZandakaItem::kBuilt : CKishuZandakaItem::kDeleted;
}

CString OpeningBalanceEditor::NoRowRefusal() const
{
    return "[ " + m_name + " ] の期首残高の行が見つかりません。\n\n科目を選択し直してください。";
}

OpeningBalanceEditor::Outcome OpeningBalanceEditor::Set(const CString& typed)
{
    Outcome outcome;
    if (!HasSelection())
        return outcome;
    outcome.refusal = CheckAidAmount(typed, m_name, kOpeningBalanceWidth);
    if (!outcome.refusal.IsEmpty())
        return outcome;
    const CString value = AidCalculate("0", typed, 1);
    if (value == "0") {
        outcome.deletes = true;
        outcome.field = value;
        return outcome;
    }
    const int total = TotalRow();
    const int selected = SelectedRow(total);
    if (total < 0 || selected < 0) {
        outcome.refusal = NoRowRefusal();
        return outcome;
    }
    CKishuZandakaItem& t = *m_rows[total];
    if (!m_descriptionLevel && t.m_nEntry > 0) {
        outcome.refusal = "[ " + m_name +
                          " ] は摘要別に期首残高が設定されています。\n\n【摘要別の詳細な設定】ボタンを押して、\n\n"
                          "摘要別に期首残高を設定ください。\n\n\n摘要別の残高設定を中止し、科目で一括設定するには、\n\n"
                          "【摘要別の詳細な設定】の「未設定の合計」以外の残高をすべて削除してください。";
        return outcome;
    }
    // At account level the balance is the account's remainder; the total follows.
    int target = selected;
    if (!m_descriptionLevel) {
        target = -1;
        for (int r : GroupRows(m_rows, total))
            if (IsRemainderRow(*m_rows[r]))
                target = r;
        if (target < 0) {
            outcome.refusal = NoRowRefusal();
            return outcome;
        }
    }
    CKishuZandakaItem& row = *m_rows[target];
    const CString newTotal = m_descriptionLevel
                                 ? AidCalculate(AidCalculate(BalanceAmount(t.m_strBalance), value, 1),
                                                BalanceAmount(row.m_strBalance), -1)
                                 : value;
    if (!AidAmountFits(newTotal, kOpeningBalanceWidth)) {
        outcome.refusal = "[ " + m_account + " ] の合計が長すぎて表示できません。";
        return outcome;
    }
    row.m_strBalance = value;
    MarkSet(row);
    t.m_strBalance = newTotal;
    // Only a description's own balance holds the account to the detail view; the
    // remainder set there is still the account's balance.
    if (m_descriptionLevel && !IsRemainderRow(row))
        t.m_nEntry = 1;
    m_cleared.erase(target);
    m_cleared.erase(total);
    outcome.field = AidFormatAmount(value, 0);
    return outcome;
}

OpeningBalanceEditor::Outcome OpeningBalanceEditor::Delete()
{
    Outcome outcome;
    if (!HasSelection())
        return outcome;
    const int total = TotalRow();
    const int selected = SelectedRow(total);
    if (total < 0 || selected < 0) {
        outcome.refusal = NoRowRefusal();
        return outcome;
    }
    CKishuZandakaItem& t = *m_rows[total];
    const std::vector<int> group = GroupRows(m_rows, total);
    if (!m_descriptionLevel) {
        if (t.m_nEntry > 0) {
            outcome.refusal = "摘要名別に期首残高が設定されています。\n\n【摘要別の詳細な設定】ボタンを押して、\n\n"
                              "摘要別に期首残高を削除してください。";
            return outcome;
        }
        for (int r : group) {
            if (!IsRemainderRow(*m_rows[r]))
                continue;
            MarkDeleted(*m_rows[r]);
            m_rows[r]->m_strBalance = "0";
            m_cleared.insert(r);
        }
        t.m_strBalance = "0";
        m_cleared.insert(total);
        return outcome;
    }
    CKishuZandakaItem& row = *m_rows[selected];
    MarkDeleted(row);
    t.m_strBalance = AidCalculate(BalanceAmount(t.m_strBalance), BalanceAmount(row.m_strBalance), -1);
    row.m_strBalance = "0";
    m_cleared.insert(selected);
    if (!HoldsBalance(t.m_strBalance))
        m_cleared.insert(total);
    // Account-level editing comes back once no description holds a balance: the
    // account's total is then its remainder alone.
    bool descriptionHolds = false;
    for (int r : group)
        if (!IsRemainderRow(*m_rows[r]) && HoldsBalance(m_rows[r]->m_strBalance))
            descriptionHolds = true;
    if (!descriptionHolds)
        t.m_nEntry = 0;
    return outcome;
}

CString OpeningBalanceEditor::LineOf(int row) const
{
    if (row < 0 || row >= m_rows.GetSize())
        return CString();
    const CKishuZandakaItem& item = *m_rows[row];
    const CString& name = IsTotalRow(item) ? item.m_strAccount : item.m_strDesc;
    return BalanceLine(name, m_cleared.count(row) ? UnsetMark() : item.m_strBalance);
}
