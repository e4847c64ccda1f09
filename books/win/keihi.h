// keihi: the form view of the expense book: the lines of one expense account,
// narrowed by a description cut to a number of characters the user chooses.
#pragma once

#include "book_view.h"

#include "../../framework/win/common_controls.h"

class keihi : public CLedgerBookView {
    DECLARE_DYNCREATE(keihi)
    DECLARE_MESSAGE_MAP(keihi)
public:
    keihi();

    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;

    void LoadAccountLists();
    // nList: the account's item, or -2 for the rebuild of "摘出" (no filter taken over).
    void BuildLedger(int nList);
    void BuildFilteredLedger(int nItem);

    void OnSelchangeAccount();
    void OnSelchangeDescription();
    void OnExtractDescriptions();
    void OnDeltaposChars(NMHDR* pNMHDR, LRESULT* pResult);

    CListBox m_lbAccounts;      // 1020
    CListBox m_lbDescriptions;  // 1065
    CSpinButtonCtrl m_spChars;  // 1086
    std::vector<CString> m_accounts;
    std::vector<LedgerDescription> m_descriptions;
    int m_nDescChars = 16;

protected:
    void WriteShownAccount() override;
    void WriteHandOver(const CMyObject2& entry) override;
    std::vector<GroupFrame> GroupFrames() const override;
    std::vector<int> DrawnItems() const override;
    void OnPrepareLayout(int rowHeight) override;
    PrintBook PrintBookKind() const override { return PrintBook::Expense; }

private:
    void ShowDescriptionPanel(BOOL show);
    int FindDescription(const CString& filter) const;
    LedgerOptions Options() const;
};
