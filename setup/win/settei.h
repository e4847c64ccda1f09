// settei: the form view of the account dictionary editor. It shows the
// document's dictionary as a tree (classes, accounts, descriptions, each with the
// icon of its kind), edits it in place (settei_edit.cpp), resets, exchanges and
// rebuilds it (settei_files.cpp) and prints it (settei_print.cpp). The edits of
// the node array are the portable ones of dictionary_edit.h; the tree items carry
// the index of their node, kept in step with every insertion and removal.
#pragma once

#include "../dictionary_print_plan.h"

#include "../../core/win/book_form_view.h"
#include "../../framework/win/common_controls.h"
#include "../../framework/win/controls.h"

#include <functional>
#include <vector>

class settei : public CBookFormView {
    DECLARE_DYNCREATE(settei)
    DECLARE_MESSAGE_MAP(settei)
public:
    settei();

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnDraw(CDC* pDC) override;

    // The tree: emptied and refilled from the dictionary. With an expand target the
    // path down to its first child is opened; the item of the select target is
    // left in m_hNewItem.
    void FillTree(int expandTarget = -1, int selectTarget = -1);
    int NodeKind(int index) const;
    int ClassOfNode(int index, const CString& name) const;
    // The node index of a tree item (-1 for none, or an index no longer in the array).
    int NodeOf(HTREEITEM item) const;
    HTREEITEM FindItemOfNode(int index) const;

    // What a selection shows.
    void OnSelchangedTree(NMHDR* pNMHDR, LRESULT* pResult);
    void ShowSelection(int index);
    void ShowNodeFields(int index, int kind, int classDigit, int side, const CString& name, const CString& word1,
                        const CString& word2);
    void LoadPhrases(const CString& name);
    // 0, or -1 after telling that a new node is being registered.
    int CheckRegistering();

    // Editing (settei_edit.cpp).
    void OnCreateUnder();
    void OnCreateBefore();
    void OnCreateAfter();
    void OnChange();
    void OnDelete();
    void OnKillfocusName();
    void DeleteSelectedQuietly();
    void ShowPosition(int index, int parent);

    // The dictionary as a whole (settei_files.cpp).
    void OnResetDictionary();
    void OnImportDictionary();
    void OnExportDictionary();
    void OnRebuildFromJournal();
    // The answer of the auto-registration dialog (dict_rebuild::Answer).
    int AskAutoRegister(int mode, const CString& text1, const CString& text2);
    // Reads the initial dictionary, copies its file over the working one and puts
    // its nodes into nodes; FALSE, with nodes and files untouched, after telling why.
    BOOL ResetToInitialDictionary(DictionaryNodes& nodes);

    // Printing (settei_print.cpp).
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    // The pages for a printable height in tenths of a millimetre; their count.
    int PlanPrintPages(int printableHeight);
    void PrintPage(CDC* pDC, int pageNo);

    // Small handlers.
    void OnGotoSiwake();
    void OnGotoKanjyo();
    void OnGotoKinsen();
    void OnGotoKeihi();
    void OnGotoKessan();
    void OnGotoUriage();
    void OnGotoSiire();
    void OnEditCopy();
    void OnEditPaste();
    void OnClickedDirection();
    void OnSetfocusImeOn();
    void OnClickedConnectWord();

    CStatic m_stGuide;
    CStatic m_stLinkUnder;
    CStatic m_stLinkAfter;
    CStatic m_stLinkBefore;
    CButton m_btnCreateUnder;
    CButton m_btnCreateAfter;
    CButton m_btnCreateBefore;
    CEdit m_editWord2;
    CEdit m_editWord1;
    CEdit m_editName;
    CTreeCtrl m_tree;

    HTREEITEM m_hNewItem = nullptr;
    HTREEITEM m_hTwinItem = nullptr;
    CString m_strPhrase1, m_strPhrase2, m_strPhrase3, m_strPhrase4;
    CString m_strSelWord1, m_strSelWord2;
    int m_nWordCycle = 0;

    std::vector<dict_print::PrintLine> m_arrPrintLines;
    std::vector<dict_print::PrintPage> m_arrPages;

    int m_nSelClass = -1;
    int m_nSelSide = -1;
    int m_nSelSlot = -1;
    int m_nNewIndex = -1;
    int m_bRegistering = 0;
    int m_nScrollY = 0;
    int m_nScrollX = 0;
    COLORREF m_crBack = 0;
    int m_nFrameSide = 1;
    // The answer state of the last rebuild (dict_rebuild::Answer).
    int m_nAnswer = 0;

    CImageList m_imageList;

private:
    void SwitchBook(UINT command);
    void ForEachItem(const std::function<bool(HTREEITEM)>& visit) const;
    // The selected node's index when it is an account or a description; else -1
    // after saying why (refusal for the root, a class or the result branch).
    int SelectedAccountOrDescription(const char* refusal);
    // The CSV file chosen in the open (import) or save (export) dialog; FALSE when cancelled.
    BOOL ChooseCsvFile(BOOL open, CString& path);
    void ShowCreateButtons(int kind);
    // The item data of every item, mapped through map (old index -> new, -1 gone).
    void RenumberItems(const std::vector<int>& map);
    // Every item whose node index is at least from moves up by one.
    void RenumberAfterInsert(int from);
    // Removes the node of item (above 8) with its descendants from the array and the tree.
    void RemoveSubtree(HTREEITEM item);
    // Removes the selected account or description and, for a cause account, the
    // result account of the same name when no other cause account keeps that name.
    void RemoveSelectedWithTwin(int index, const CString& name);
    // TRUE when the initial dictionary holds name among the children of parent.
    BOOL IsImportantAccount(int parent, const CString& name);
    // The created node's item selected and marked as being registered.
    void StartRegistering(HTREEITEM item);
    void CreateBeside(int mode);
    void DrawHighlights(CDC* pDC, int kind);
    void DrawHeadingFrame(CDC* pDC, int id, COLORREF color, BOOL on);
    CRect FrameRect(int id) const;
    void DrawGroupFrame(CDC* pDC, int id, COLORREF color);
    CString Text(int id) const;
};
