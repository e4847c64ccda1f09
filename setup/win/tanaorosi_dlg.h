// CTanaorosiDlg: the closing-inventory dialog. It shows the year's cost of
// sales from the journal: ① the opening inventory plus ② the purchases gives ③,
// and ③ less ④ the closing inventory the cost of sales. The user sets ① and ④
// with "設定"; the figures of the last recalculation are handed to the journal
// view's command through the document's aid slots.
#pragma once

#include "input_aid_dlg.h"
#include "../inventory_entries.h"

#include "../../core/win/num_edit.h"

class CMyDoc;

class CTanaorosiDlg : public CInputAidDlg {
    DECLARE_MESSAGE_MAP(CTanaorosiDlg)
public:
    explicit CTanaorosiDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    // Fills the amount fields and writes the aid slots.
    void Recalculate();
    void OnApplyAmounts();
    void OnDeleteClosing();
    void OnSetfocusImeOff() { SetImeOpen(FALSE); }

    CMyDoc* m_pDoc = nullptr;
    int m_nAmountWidth = 15;
    CString m_strOpening = "0";
    CString m_strTransfer = "0";
    CString m_strClosing = "0";
    CString m_strPurchases = "0";
    int m_nOpeningEntry = -1;
    int m_nTransferEntry = -1;
    int m_nClosingEntry = -1;
    CNumEdit m_edOpening;
    CNumEdit m_edClosing;

protected:
    CString HelpPage() const override;

private:
    CString Shown(const CString& amount) const;
};

// Runs the dialog without a parent: 0 when it ended with "適用して閉じる", else -1.
int RunInventoryDialog();
