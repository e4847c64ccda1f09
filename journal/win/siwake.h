// siwake: the journal form view, the first view at start. Transactions are
// entered here as sentences (date, cause accounts, connecting word, result
// accounts, increase/decrease phrase, descriptions and remark), the journal is
// listed, and the selected entry is shown as a debit/credit table. The first view
// of a run also lays out the screen for every view.
#pragma once

#include "../entry_form.h"
#include "entry_table_painter.h"
#include "../journal_edits.h"
#include "../journal_print_plan.h"
#include "../../framework/win/stripe_list_box.h"

#include "../../core/win/form_painting.h"
#include "../../core/win/my_doc.h"
#include "../../core/win/num_edit.h"

#include "../../framework/win/common_controls.h"
#include "../../framework/win/form_view.h"

#include <array>
#include <memory>
#include <vector>

class siwake : public CFormView {
    DECLARE_DYNCREATE(siwake)
    DECLARE_MESSAGE_MAP(siwake)
public:
    siwake();

    CMyDoc* GetDocument() const { return static_cast<CMyDoc*>(m_pDocument); }
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnDraw(CDC* pDC) override;

    // Printing the journal: page 1 is the cover, every later page a body page of
    // the page table made for this print or preview.
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnLeaving() override;

    // For the input aids the main window runs on the journal: the pending
    // insertion ended, the year of the clock for aid entries when no journal year
    // is known, and the journal shown again with the entries an aid wrote.
    void EndPendingInsertion();
    static CString CurrentYearText();
    void ShowAidEntries(int currentEntry);

    // What the window tests and the benchmark drive and read besides the controls' ids.
    int AskAccountClass(CString account);
    void RebuildTransactionList();
    CNumEdit m_edCauseAmount[3];
    CNumEdit m_edResultAmount[3];
    CStripeListBox m_lbTransactions;
    CComboBox m_cbRemark;
    CDateTimeCtrl m_dtDate;
    CComboBox m_cbCause[3];
    CComboBox m_cbResult[3];
    CListBox m_lbClass;
    int m_nConnectIndex = 0;
    std::array<int, 6> m_nClassIndex{-1, -1, -1, -1, -1, -1};
    int m_nActiveRow = 1;
    int m_nActiveResultRow = 1;
    std::array<CString, 6> m_strRowDesc;
    CString m_strCauseWord1;
    CString m_strCauseWord2;
    int m_nShownLine = -1;
    CString m_strYearText;
    BOOL m_bLineCopied = FALSE;

protected:
    std::vector<int> DrawnItems() const override;

private:
    // Form drawing.
    void FillClassList();
    void DrawFrame(CDC* pDC, int left, int top, int right, int bottom, COLORREF color, int width);
    void DrawRowLinks(CDC* pDC, int causeRow);
    void DrawPhraseBracket(CDC* pDC);
    void DrawConnectWordMarks(CDC* pDC, COLORREF color, int width);
    void RedrawClassFunnel(int row);
    void RedrawDescBracket(int side, int row);

    // Entry fields.
    void ClearEntryFields();
    void FillResultAccountLists(int keep);
    void ShowResultAccountItems(std::vector<CString> items);
    void OfferCompanionCauseAccounts(CString name);
    void OfferResultAccounts(const CString& name);
    // The class of the cause account name, taken for the entry row row (entry_rows.h).
    int FindCauseClass(std::size_t row, const CString& name);
    void ShowRowAccount(int side, int row, const CString& name);
    void PickRowAccount(int side, int row, const CString& name);

    // Connecting word and phrases.
    CString ConnectWordText(const CString& name);
    void SetResultPhrases(int direction, const CString& name);

    // The debit/credit table, drawn by m_tablePainter; TablePlace says where (by a
    // paint, with the view's scroll position).
    EntryTablePlace TablePlace(BOOL fromPaint) const;
    void ShowEntryTable(const CMyObject2& entry);
    void ShowEmptyTable();
    void ClearEntryAndTable();

    // Handlers.
    void OnSelchangeClassList();
    void OnSelchangeCause1();
    void OnSetfocusDesc1() { SetImeOpen(TRUE); }
    void OnSetfocusDesc2() { SetImeOpen(TRUE); }
    void OnSetfocusRemark() { SetImeOpen(TRUE); }
    void OnKillfocusDesc1();
    void OnKillfocusDesc2();
    void OnKillfocusRemark() { SetImeOpen(FALSE); }
    void OnClickedClassPrompt();
    void OnClickedPromptBitmap() { OnClickedClassPrompt(); }
    void OnClickedConnectWord();
    void OnClickedPhrase1();
    void OnClickedPhrase2();

    // Commit and validation.
    void OnNewEntry();
    // The entry of the typed sentence, replacing base (whose item breakdown stays
    // with the remark), or null after the refusal was shown.
    std::unique_ptr<CMyObject2> BuildEntry(const CMyObject2& base);
    void ShowFormField(const FieldText& shown);
    void CheckOwnerAccounts(CMyObject2* entry);

    // Dictionary check and registration on commit.
    RegistrationAnswers DictionaryAnswers();
    int AskRegisterDescription(CString account, CString description);

    // The journal list.
    CString FormatListLine(const CMyObject2& entry);
    void LoadEntryFields(const CMyObject2& entry);
    void FillCauseAccountLists();
    void OnSelchangeTransactionList();
    void OnSortByDate();

    // Editing.
    void OnInsertRow();
    void OnChangeEntry();
    void OnDeleteRow();
    void OnClearFields();
    void OnEditCutLine();
    void OnEditCopyLine();
    void OnEditPasteInsert();
    void OnEditPasteEnd();
    void CopyEntryToClip(const CMyObject2& record);
    // The list, its selection and the current entry after an edit of the journal.
    void ShowListEdit(const JournalEdit& edit);
    // A pasted entry listed, shown and loaded into the fields.
    void ShowPastedEntry(const JournalEdit& edit);

    // Leaving an edited entry, book buttons, keys and focus.
    int ConfirmLeaveEdit(CString destination);
    void OnBookKanjyo();
    void OnBookKinsen();
    void OnBookKeihi();
    void OnBookUriage();
    void OnBookSiire();
    void OnBookKessan();
    void OnBookSettei();
    void OnEditCopy();
    void OnEditPaste();
    void OnSetfocusResultAmount1();
    void OnSetfocusAmount();
    void OnInputHint();
    void OnKillfocusFocusHolder();

    // Controls.
    CStatic m_stConnectWord;
    CButton m_btBook[5];
    CButton m_grEntry;
    CButton m_grList;
    CButton m_grTable;
    CEdit m_edFocusHolder;
    CComboBox m_cbDesc1;
    CComboBox m_cbDesc2;

    std::array<CString, 6> m_strRowAccount;
    std::array<CString, 4> m_strConnectPhrase;
    CString m_strResultPhrase1;
    CString m_strResultPhrase2;
    BOOL m_bResultListsStale = FALSE;
    // The items the three result-account lists hold.
    std::vector<CString> m_resultItemsShown;
    int m_nInsertLine = -1;
    CMyObject2 m_clipEntry;
    BOOL m_bPainted = FALSE;
    COLORREF m_crBack = 0;
    CToolTipCtrl m_tooltip;
    int m_nScrollX = 0;
    int m_nScrollY = 0;
    EntryTablePainter m_tablePainter;

    // A book button: the question about the entry being edited, then the switch,
    // which retires this view (nothing of it is touched afterwards).
    void SwitchBook(const char* destination, UINT command);
    // The date picker's date as "yyyy/MM/dd".
    CString DateText() const;
    // Shows the date of an entry's text ("yyyy/MM/dd", or "yy/MM/dd" for a
    // shorter text) in the date picker; a date the picker cannot show leaves it as it was.
    void SetDateFromEntryText(const CString& date);
    // The journal entry at index, or nullptr when the index names none.
    CMyObject2* EntryAt(int index) const;
    // The selected row of the transaction list, -1 when none.
    int SelectedRow() const;
    int NewEntryRow() const { return m_lbTransactions.GetCount() - 1; }
    // The pending insertion greys the commands and book buttons that must wait.
    void LockForInsertion(BOOL lock);
    // Refuses (with its message) while a row insertion is pending.
    BOOL RefuseWhileInserting(const char* message);
    void MarkModified();
    // The remark in half-width characters, whatever its length.
    CString HalfWidthRemark(const CString& remark) const;
    void SetAmountField(CNumEdit& field, const CString& amount);

    // The three cause combos and the three result combos share one handler per
    // notification; each takes the combo's id and declines the ids between them
    // that belong to other controls.
    BOOL OnSetfocusCauseId(UINT id);
    BOOL OnSelchangeCauseId(UINT id);
    BOOL OnKillfocusCauseId(UINT id);
    BOOL OnSetfocusResultId(UINT id);
    BOOL OnSelchangeResultId(UINT id);
    BOOL OnKillfocusResultId(UINT id);
    void OnSetfocusCause(int row);
    void OnSelchangeCompanion(int row);
    void OnKillfocusCause(int row);
    void OnSetfocusResult(int row);
    void OnSelchangeResult(int row);
    void OnKillfocusResult(int row);
    // What a paint found to do, done once the paint has returned.
    LRESULT OnAfterPaint(WPARAM wParam, LPARAM lParam);

    // The screen layout of the run, the main window's place and size.
    void LayOutScreen();
    void ApplyRowHeightsAndLimits();
    // Steps shared by showing and picking a row's account: the active row, the
    // account's node (-1 unknown, -2 no name) and its descriptions in the list.
    int LoadRowDescriptions(int side, int row, const CString& name);
    // A cause account the class side does not hold, while a connecting word is shown.
    void ReportUnknownCauseAccount(const CString& name);
    CComboBox& DescCombo(int side) { return side == 0 ? m_cbDesc1 : m_cbDesc2; }
    void SetDescLabel(int side, int row, const CString& name);
    void ShowClassPrompt(BOOL show);
    // The entry's month and day ("MM/dd") of the date picker.
    CString PickedMonthDay() const;
    // Whether the empty journal's list already shows the lone new-entry row.
    bool ListShowsNewEntryRowOnly() const;
    void ShowNewEntryRowOnly();

    BOOL m_bSetupReportPosted = FALSE;
    BOOL m_bListFixPosted = FALSE;

    std::vector<JournalPrintPage> m_printPages;
};
