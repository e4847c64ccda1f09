// CKishuZandakaDlg: the opening-balance dialog "期首残高の設定". It shows the rows of
// the application's opening balances in two account lists and a detail list (each
// line knows its row through its item data), edits them through the editor, and
// can take them from the previous year's file. It never touches the journal: the
// journal view writes the rows' entries once it ended with OK.
#pragma once

#include "opening_edit.h"

#include "../core/my_doc.h"
#include "../core/num_edit.h"
#include "../framework/win/dialog.h"
#include "../framework/win/gdi_objects.h"

#include <vector>

class CKishuZandakaDlg : public CDialog {
    DECLARE_MESSAGE_MAP(CKishuZandakaDlg)
public:
    explicit CKishuZandakaDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter neither closes the dialog nor presses a button.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // "適用して閉じる": a year carried from the previous year's file becomes the year
    // of the opening entries; on Cancel it is forgotten.
    void OnOK() override;

    void OnSelchangeAssetList() { SelectAccountLine(m_listAssets, m_listLiabilities, 1); }
    void OnSelchangeLiabilityList() { SelectAccountLine(m_listLiabilities, m_listAssets, 2); }
    void OnSelchangeDetailList();
    void OnDetailSettings();
    void OnSetBalance();
    void OnDeleteBalance();
    void OnCarryForward();
    void OnSetfocusAccountName();
    void OnSetfocusImeOff();
    void OnHelpIcon();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    CMyDoc* m_pDoc = nullptr;
    CStatic m_stDetailNote;         // 1135
    CStatic m_stDetailNameHead;     // 1130
    CStatic m_stDetailBalanceHead;  // 1131
    CButton m_btnDetail;            // 1106
    CListBox m_listDetail;          // 1008
    CListBox m_listLiabilities;     // 1034
    CListBox m_listAssets;          // 1001
    CNumEdit m_edBalance;           // 1025
    // Account list of the selection: 0 none, 1 assets, 2 liabilities.
    int m_nActiveList = 0;
    // The year after the previous year's first entry, once a carry-forward read one.
    CString m_strCarriedYear;

private:
    void SelectAccountLine(CListBox& list, CListBox& other, int active);
    void FillAccountLists();
    void FillList(CListBox& list, const std::vector<int>& rows);
    // Lines whose row now reads differently are written again; the selection stays.
    void RefreshLines(CListBox& list);
    void RefreshAllLines();
    void ShowDetailControls(bool show);
    void ShowEditing(const char* title, const char* label);

    OpeningBalanceEditor m_editor;
    CBrush m_brushDialog;
    CBrush m_brushStatic;
    COLORREF m_crText = RGB(0, 0, 0);
    COLORREF m_crBack = RGB(224, 224, 224);
};
