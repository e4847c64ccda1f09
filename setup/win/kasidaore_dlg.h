// CKasidaoreDlg: the bad-debt allowance dialog. It shows the allowance entries
// found in the journal (① the opening allowance, its reversal, ② the provision of
// the year) with a status each, and helps choose ② from the receivables (A), the
// rate (B) and the limit (A) x (B). On "OK" it hands the entries and the changed
// figures to the journal view's command through the document's aid slots.
#pragma once

#include "../bad_debt_entries.h"
#include "input_aid_dlg.h"

#include "../../core/win/num_edit.h"
#include "../../framework/win/controls.h"

class CMyDoc;

class CKasidaoreDlg : public CInputAidDlg {
    DECLARE_MESSAGE_MAP(CKasidaoreDlg)
public:
    explicit CKasidaoreDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void Recalculate();
    void OnSelchangeRate();

    CComboBox m_comboRate;
    CMyDoc* m_pDoc = nullptr;
    int m_nAmountWidth = 15;
    int m_bOpeningBooked = 0;
    int m_bReversalBooked = 0;
    int m_bProvisionBooked = 0;
    CString m_strOpening = "0";
    CString m_strReversal = "0";
    CString m_strProvision = "0";
    CString m_strReceivables = "0";
    int m_nOpeningEntry = -1;
    int m_nReversalEntry = -1;
    int m_nProvisionEntry = -1;
    CNumEdit m_edOpening;
    CNumEdit m_edProvision;

protected:
    CString HelpPage() const override;
    // The status labels are green for an entry found, red for one missing.
    COLORREF StaticTextColor(CWnd* pWnd) const override;

private:
    CString Shown(const CString& amount) const;
    void ShowLimit();

    BadDebtFigures m_figures;
    // The amount the reversal field shows, which "OK" hands over unless changed.
    CString m_strReversalShown;
};

// Runs the dialog without a parent: 0 when it ended with "OK", else -1.
int RunBadDebtDialog();
