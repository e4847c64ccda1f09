// CKishuZandakaDlg: the opening-balance dialog "期首残高の設定". It shows the rows of
// opening balances its caller hands over (the document keeps them from one opening
// to the next) in two account lists and a detail list (each
// line knows its row through its item data), edits them through the editor, and
// can take them from the previous year's file. It never touches the journal: the
// journal view writes the rows' entries once it ended with OK.
#pragma once

#include "input_aid_dlg.h"
#include "../opening_edit.h"
#include "../opening_entries.h"

#include "../../core/win/my_doc.h"
#include "../../core/win/num_edit.h"

#include <vector>

class CKishuZandakaDlg : public CInputAidDlg {
    DECLARE_MESSAGE_MAP(CKishuZandakaDlg)
public:
    CKishuZandakaDlg(BalanceRows& rows, CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnSelchangeAssetList() { SelectAccountLine(m_listAssets, m_listLiabilities); }
    void OnSelchangeLiabilityList() { SelectAccountLine(m_listLiabilities, m_listAssets); }
    void OnSelchangeDetailList();
    void OnDetailSettings();
    void OnSetBalance();
    void OnDeleteBalance();
    void OnCarryForward();
    void OnSetfocusAccountName();
    void OnSetfocusImeOff();

    CMyDoc* m_pDoc = nullptr;
    CListBox m_listDetail;
    CListBox m_listLiabilities;
    CListBox m_listAssets;
    CNumEdit m_edBalance;
    // The year after the previous year's first entry, once a carry-forward read one.
    // "適用して閉じる" hands it to the caller as the year of the opening entries; on
    // Cancel it is forgotten.
    CString m_strCarriedYear;

private:
    void SelectAccountLine(CListBox& list, CListBox& other);
    void FillAccountLists();
    void FillList(CListBox& list, const std::vector<int>& rows);
    // Lines whose row now reads differently are written again; the selection stays.
    void RefreshLines(CListBox& list);
    void RefreshAllLines();
    void ShowDetailControls(bool show);
    void ShowEditing(const char* title, const char* label);

    BalanceRows& m_rows;
    OpeningBalanceEditor m_editor;

protected:
    CString HelpPage() const override;
};
