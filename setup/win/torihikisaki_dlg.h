// CTorihikisakiDlg: the trading-partner dialog. It collects the suppliers,
// customers and banks that the dictionary and the journal hold as descriptions
// of their accounts, shows one kind at a time on a tab, and lets the user add,
// insert, change and delete names. Its result is the document's partner list,
// which the document registers into the dictionary on "O K".
#pragma once

#include "input_aid_dlg.h"
#include "../partner_list.h"

#include "../../framework/win/controls.h"

class CMyDoc;

class CTorihikisakiDlg : public CInputAidDlg {
    DECLARE_MESSAGE_MAP(CTorihikisakiDlg)
public:
    explicit CTorihikisakiDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnAdd();
    void OnChange();
    void OnDelete();
    void OnInsert();
    void OnSelchangePartnerList();
    void OnSupplier() { ShowKind(CTorihikisaki::kSupplier); }
    void OnCustomer() { ShowKind(CTorihikisaki::kCustomer); }
    void OnBank() { ShowKind(CTorihikisaki::kBank); }
    void OnPaint();
    void OnExplain();
    void OnClickedExplanation();

    // Shows the partners of a kind on its tab.
    void ShowKind(int kind);
    void FillPartnerList(int kind);
    void DrawKindTab(CDC* pDC, int kind, const CRect& button, const CString& caption);

    int m_nKind = -1;
    CButton m_grpEdit;
    CStatic m_stExplain;
    CEdit m_editName;
    CButton m_btnBank;
    CButton m_btnCustomer;
    CButton m_btnSupplier;
    CListBox m_listPartners;
    CString m_strEditName;
    CMyDoc* m_pDoc = nullptr;

protected:
    CString HelpPage() const override;

private:
    CButton* KindButton(int kind);
    // The selected line of the list; -1 after telling the user to pick one.
    int SelectedLine();
    PartnerList& Partners();
    PartnerList m_noPartners;
};

// Runs the dialog without a parent and answers DoModal's result.
int RunPartnerDialog();
