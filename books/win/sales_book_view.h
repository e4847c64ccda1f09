// CSalesBookView: what the sales book and the purchases book share: the ledger of
// one fixed account with its partner list, the item breakdown editor of the entry
// shown in the detail group, and the printed book (portrait, or landscape with the
// items when any printed entry has items). CUriage and CSiire give the book, the
// form, the tab and the button to the twin book.
#pragma once

#include "book_view.h"
#include "../item_breakdown.h"
#include "../sales_ledger.h"
#include "../sales_print.h"
#include "stripe_list_ctrl.h"

#include "../../core/win/num_edit.h"
#include "../../framework/win/common_controls.h"
#include "../../framework/win/controls.h"

#include <vector>

class CSalesBookView : public CLedgerBookView {
    DECLARE_DYNAMIC(CSalesBookView)
    DECLARE_MESSAGE_MAP(CSalesBookView)
public:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;

    // The lists built once when the view opens, and the line restored.
    void LoadAccountLists();
    void RestorePartnerFilter();
    // Every line of the book, with the partner list.
    void BuildLedger();
    // The lines of the partner m_strDescFilter ("すべて" for every line).
    void BuildFilteredLedger();

    void OnSelchangeAccount();
    void OnClickItemList(NMHDR* pNMHDR, LRESULT* pResult);
    void OnAddItem();
    void OnChangeItem();
    void OnDeleteItem();

    // The print job of the lines shown, landscape when one of them has items.
    BOOL PreparePrintJob() override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    int PrintPageCount() const override { return SalesPrintPageCount(m_salesJob); }
    void DrawPrintPage(CDC* pDC, int page) override;

    // The item last picked in the breakdown list, -1 for none.
    int SelectedItem() const { return m_editor.SelectedItem(); }

    CListBox m_lbPartners;
    CStripeListCtrl m_lcItems;
    CNumEdit m_edQuantity;
    CNumEdit m_edPrice;
    CComboBox m_cbName;
    CComboBox m_cbUnit;
    CComboBox m_cbCurrency;
    CImageList m_ilRowHeight;
    std::vector<CString> m_listPartners;
    std::vector<CString> m_listProductNames;
    CString m_strCurPartner;
    BreakdownEditor m_editor;
    SalesPrintJob m_salesJob;
    BOOL m_bPrintBreakdown = FALSE;

protected:
    CSalesBookView(UINT templateId, SalesBook book, int slot, const char* title);

    void WriteShownAccount() override;
    std::vector<GroupFrame> GroupFrames() const override;
    std::vector<int> DrawnItems() const override;
    PrintBook PrintBookKind() const override;
    // The breakdown of the entry shown: its items listed, the group retitled.
    void ShowEntryExtras(int index) override;
    void OnPrepareLayout(int rowHeight) override;

private:
    void UseLedger(SalesLedger ledger);
    int FindPartner(const CString& text) const;
    // The entry the document names as current, when it exists.
    CMyObject2* CurrentEntry() const;
    std::vector<int> OwnEntries() const;
    SalesItem TypedItem() const;
    void ClearItemFields();
    // Widens the figure columns of the item list to their texts within the list's width.
    void FitItemColumns();
    void SetItemRow(int row, const SalesItem& item);
    // The item list shows exactly these items.
    void ShowItemRows(const std::vector<SalesItem>& items);
    void SelectItemRow(int row);
    // Stores the changed remark, or shows why nothing was changed; true when stored.
    bool Apply(const BreakdownEditor::Result& result, CMyObject2& entry, const CString& remark);

    const SalesBook m_book;
};
