// CLedgerBookView: the one design of the book views (general ledger, cash book,
// expense book, and later the sales and purchases books): the book buttons, the
// ledger list with its totals strip, the display-only detail group that shows the
// entry of the picked line, the painted tab, frames and connectors, and the
// printed pages. Each book gives its control ids, its account and its own lists.
#pragma once

#include "../entry_detail.h"
#include "../ledger.h"
#include "../ledger_print.h"

#include "../../core/win/book_form_view.h"
#include "../../core/win/form_painting.h"
#include "../../framework/win/stripe_list_box.h"

#include "../../framework/win/data_exchange.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/gdi_objects.h"

#include <array>
#include <vector>

// The control ids of one book's form.
struct BookControls {
    int ledgerList;
    int date;
    int classList;
    std::array<int, 3> cause;
    std::array<int, 3> causeAmount;
    int connectWord;
    std::array<int, 3> result;
    std::array<int, 3> resultAmount;
    int descLabel1, descLabel2;
    int desc1, desc2;
    int remark;
    int detailGroup;
    std::array<int, 5> totals;  // "合計", debit, credit, "期末残高", balance
};

// The message of a print with no ledger line.
extern const char* const kChooseAccount;

// A group box framed by OnDraw, in its colour.
struct GroupFrame {
    int id;
    COLORREF colour;
};

class CLedgerBookView : public CBookFormView {
    DECLARE_DYNAMIC(CLedgerBookView)
    DECLARE_MESSAGE_MAP(CLedgerBookView)
public:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    // The lists' row heights and places and their fixed contents; done once for a
    // height, ahead on a spare form or else by the first update.
    void PrepareLayout(int rowHeight) override;

    // The entry of ledger line nLine in the detail group, and what the other books
    // open with into the document. Nothing is shown for a line that does not exist.
    void ShowEntryDetail(int nLine);
    // The display-only fields of the detail group: date, accounts, amounts,
    // descriptions and remark.
    std::vector<int> DetailFields() const;
    void DrawTotals();
    void DrawListHighlight(int nAccountRow);
    // Sets a control's text only when it changes, in place of the window's own:
    // every text set makes Wine draw the control again at once, and showing an
    // entry sets some thirty texts, many of them the same as before.
    void SetDlgItemText(int nID, LPCTSTR text);

    // Printing: the job of the shown ledger (FALSE, with the message shown when the
    // book has one, when there is nothing to print), its page count with the cover,
    // and page n (1 the cover) drawn in tenths of a millimetre onto any device context.
    virtual BOOL PreparePrintJob();
    // The framework's print and preview path: the page table of the job, A4
    // portrait, page 1 the cover.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    virtual int PrintPageCount() const { return static_cast<int>(m_printJob.pages.size()) + 1; }
    virtual void DrawPrintPage(CDC* pDC, int page);

    // Handlers shared by the books.
    void OnGotoSiwake();
    void OnGotoKanjyo();
    void OnGotoKinsen();
    void OnGotoKeihi();
    void OnGotoUriage();
    void OnGotoSiire();
    void OnGotoKessan();
    void OnGotoSettei();
    void OnEditInJournal() { OnGotoSiwake(); }
    void OnSetfocusReadOnly();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnSetfocusImeOff();
    void OnSetfocusImeOn();
    void OnClickedDirection();
    void OnSelchangeLedger();

    CStripeListBox m_lbLedger;
    CListBox m_lbClass;

    Ledger m_ledger;
    CString m_strAccount;
    CString m_strDescFilter;
    CString m_strDebitTotal;
    CString m_strCreditTotal;
    CString m_strBalance;
    int m_nInitEntry = -1;
    int m_nRestoreMode = kRestoreNone;
    int m_nAccountRow = -1;
    int m_nFilterSide = 0;
    int m_nConnectIndex = 0;
    BOOL m_bFirstPhraseShown = FALSE;
    CString m_strConnectWord;
    CString m_strIncreasePhrase;
    CString m_strDecreasePhrase;
    int m_nAmountWidth = 23;
    BOOL m_bBackgroundKept = FALSE;
    COLORREF m_crBackground = 0;
    int m_nScrollX = 0;
    int m_nScrollY = 0;
    PrintJob m_printJob;

protected:
    CLedgerBookView(UINT templateId, BookFormKind kind, const BookControls& controls, int slot, const char* title,
                    COLORREF highlight);

    // The account the book shows (the cash book's is fixed).
    virtual CString AccountShown() const { return m_strAccount; }
    // The filter the detail group compares descriptions with; empty for none.
    virtual CString FilterShown() const { return m_strDescFilter; }
    // The document words the book writes when it shows an entry, before and after the fields.
    virtual void WriteShownAccount() {}
    virtual void WriteHandOver(const CMyObject2& entry);
    virtual std::vector<GroupFrame> GroupFrames() const = 0;
    // What the form draws instead of making windows: the group boxes it frames,
    // the display-only fields of the detail group and its connecting word and
    // description labels. They keep their ids for their place and their text.
    std::vector<int> DrawnItems() const override;

    // What a book adds to the layout work, its controls bound; rowHeight may be 0
    // when the document has not laid out its screen.
    virtual void OnPrepareLayout(int rowHeight);

    virtual bool FramesDescriptions() const { return true; }
    // What the book shows of the entry besides the detail group; -1 when the group is cleared.
    virtual void ShowEntryExtras(int) {}
    virtual PrintBook PrintBookKind() const = 0;

    // Sends a book command to the main window; the view may be gone afterwards.
    void SendBookCommand(unsigned int command);
    // The ledger rebuilt into the list (drawing switched off while it fills).
    void FillLedgerList();
    // Replaces the items of a list by first (when given) and texts, drawn once
    // afterwards: a list that redraws per item repaints its scroll bar each time.
    static void FillList(CListBox& list, const std::vector<CString>& texts, const char* first = nullptr);
    // "すべて" and the descriptions of the ledger, "すべて" selected.
    static void FillDescriptionList(CListBox& list, const std::vector<LedgerDescription>& descriptions);
    void SelectLedgerLine(int line);
    void ClearDetail();
    // Moves the hidden totals statics to 4 px below the last whole row of the list.
    void PlaceTotalsStrip(int rowHeight);
    // The height of a list row: the document's, or 24 before the journal laid out the screen.
    static int ShownRowHeight(int rowHeight) { return rowHeight > 0 ? rowHeight : 24; }
    // The bottom of the ledger list's last whole row, in the form's pixels.
    int LastWholeRowBottom(int rowHeight) const;

    void DrawFrame(CDC* pDC, int left, int top, int right, int bottom, COLORREF colour, int width);
    void DrawFieldFrame(CDC* pDC, int left, int top, int right, int bottom, COLORREF colour, int width);
    void DrawRaisedFrame(CDC* pDC, int left, int top, int right, int bottom);
    void DrawConnector(CDC* pDC, int width);
    void DrawDetailConnectors(CDC* pDC, int accountRow);
    void DrawGroupFrame(CDC* pDC, int id, COLORREF colour);
    void PaintTotals(CDC* pDC);

    const BookControls m_controls;
    const int m_nSlot;
    const char* const m_pszTitle;
    const COLORREF m_crHighlight;
    COLORREF m_crDescriptionFrame = RGB(0, 255, 0);
    // The row height the layout work was done for; -1 before it was done.
    int m_nPreparedRowHeight = -1;
};
