// kanjyo: the form view of the general ledger: every account's lines with their
// running balance, picked from four class-group lists and narrowed by description.
#pragma once

#include "../book_lists.h"
#include "book_view.h"

class kanjyo : public CLedgerBookView {
    DECLARE_DYNCREATE(kanjyo)
    DECLARE_MESSAGE_MAP(kanjyo)
public:
    kanjyo();

    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;
    // The document's update notices neither repaint nor rebuild the ledger.
    void OnUpdate(CView*, LPARAM, CObject*) override {}

    void LoadAccountLists();
    void BuildLedger(int nGroup);
    void BuildFilteredLedger(int nGroup);
    void DrawGroupTitles();
    BOOL PreparePrintJob() override;
    // The all-accounts print and its preview: the job runs with m_bPrintAll set.
    void OnPrintAll();
    void OnPrintAllPreview();
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    void OnSelchangeAssets() { OnSelchangeAccount(kGroupAssets); }
    void OnSelchangeLiabilities() { OnSelchangeAccount(kGroupLiabilities); }
    void OnSelchangeRevenue() { OnSelchangeAccount(kGroupRevenue); }
    void OnSelchangeExpenses() { OnSelchangeAccount(kGroupExpenses); }
    void OnSelchangeAccount(int nGroup);
    void OnSelchangeDescription();

    std::array<CListBox, 4> m_lbGroups;  // 1021, 1008, 1009, 1013
    CListBox m_lbDescriptions;           // 1063
    AccountGroups m_groups;
    std::vector<LedgerDescription> m_descriptions;  // of the whole ledger of the account
    int m_nAccountGroup = kGroupNone;
    int m_nAccountIndex = -1;
    BOOL m_bPrintAll = FALSE;

protected:
    std::vector<GroupFrame> GroupFrames() const override;
    std::vector<int> DrawnItems() const override;
    void OnPrepareLayout(int rowHeight) override;
    PrintBook PrintBookKind() const override { return PrintBook::GeneralLedger; }

private:
    void ShowPrompt();
    // The item of the description list whose text is filter, or -1.
    int FindDescription(const CString& filter) const;

    // The account whose whole ledger the list and the description list hold, with
    // its balance side; empty when they hold a filtered ledger or none. A book's
    // journal does not change while the book is shown (new data makes the form
    // anew), so picking that account again shows the ledger without building it.
    CString m_strWholeLedgerAccount;
    bool m_bWholeLedgerCredit = false;
};
