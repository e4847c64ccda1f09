// kinsen: the form view of the cash book: every row of the journal that names
// 現金, with the running cash balance, and the opening cash of the year.
#pragma once

#include "book_view.h"

class kinsen : public CLedgerBookView {
    DECLARE_DYNCREATE(kinsen)
    DECLARE_MESSAGE_MAP(kinsen)
public:
    kinsen();

    void OnInitialUpdate() override;
    void BuildLedger();
    // "設定": writes the typed amount as the opening-cash entry of 1 January.
    void OnSetOpeningCash();
    CString JournalYear();

protected:
    CString AccountShown() const override { return "現金"; }
    CString FilterShown() const override { return CString(); }
    void WriteShownAccount() override;
    std::vector<GroupFrame> GroupFrames() const override;
    bool FramesDescriptions() const override { return false; }
    PrintBook PrintBookKind() const override { return PrintBook::Cash; }
    void OnPrepareLayout(int rowHeight) override;
};
