// kessan: the form view of the year-end statements. It gathers the account
// totals once when it opens and shows one page at a time (trial balance, profit
// and loss, monthly sales and purchases, balance sheet) as box-drawn lines in its
// list; the pages are computed by the portable statement functions.
#pragma once

#include "../account_totals.h"
#include "../statement_pages.h"
#include "../statement_print.h"

#include "../../core/win/book_form_view.h"
#include "../../framework/win/controls.h"

#include <vector>

class kessan : public CBookFormView {
    DECLARE_DYNCREATE(kessan)
    DECLARE_MESSAGE_MAP(kessan)
public:
    kessan();

    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

    // The page buttons.
    void OnTrialBalance();
    void OnProfitLoss();
    void OnMonthly();
    void OnBalanceSheet();
    void OnConsumptionTax();
    void OnSelchangeDeduction();
    void OnEditchangeDeduction();
    void OnSetfocusReadOnly();

    // The book buttons: the main window switches the book and retires this view.
    void OnGotoSiwake();
    void OnGotoKanjyo();
    void OnGotoKinsen();
    void OnGotoKeihi();
    void OnGotoSettei();
    void OnGotoUriage();
    void OnGotoSiire();

    // The pages computed into m_arrRows from the totals (the monthly page from the
    // journal); the trial balance shows its checks' messages.
    void ComputeTrialBalance();
    void ComputeProfitLoss();
    void ComputeMonthly();
    void ComputeBalanceSheet();

    // The journal as the statement functions read it.
    Journal JournalArray() const;
    void CollectAccountTotals();
    void ShowLeftPageButton();
    void DrawPageTab(CDC* pDC, int page, const CString& title);

    // Printing of the page shown. The printed rows are computed apart with the
    // print width, so the screen's rows and widths never change. BeginPrintJob
    // answers the number of printed pages (0: nothing to print); PrintPage draws
    // one page onto the printer's or preview's context in tenths of a millimetre.
    int BeginPrintJob();
    void PrintPage(CDC* pDC, int pageIndex);
    // The framework's print and preview path: the page shown, on A4 in its
    // orientation.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;

    CStatic m_stDeduction;
    CButton m_btnProfitLoss;
    CButton m_btnTax;
    CButton m_btnMonthly;
    CButton m_btnBalanceSheet;
    CButton m_btnTrialBalance;
    CComboBox m_comboDeduction;
    CListBox m_listStatement;

    COLORREF m_crBack = 0;
    int m_nScrollY = 0;
    int m_nScrollX = 0;
    int m_bBackKnown = 0;
    int m_nPage = kPageTrialBalance;
    int m_nCellMode = 0;
    CString m_strFiscalYear;
    CString m_strDeductionText;
    int m_bCashUnsettled = 0;
    int m_nNameWidth = kNameWidth;
    int m_nAmountWidth = kScreenAmountWidth;

    std::vector<KessanRow> m_arrRows;
    AccountTotals m_totals;
    // The rows and pages of the print job being prepared or printed.
    std::vector<KessanRow> m_arrPrintRows;
    std::vector<PageRange> m_arrPages;

protected:
    LRESULT OnAfterPaint(WPARAM wParam, LPARAM lParam);

private:
    void ShowPageLines(int page);
    void FitListRowsToCharacters();
    void FinishPage(int page);
    void SwitchBook(UINT command);
    CButton& PageButton(int page);

    // The discrepancy message waits for the paint after the computation that found it.
    BOOL m_bCashReportPosted = FALSE;
    int m_nCharWidth = 0;
};
