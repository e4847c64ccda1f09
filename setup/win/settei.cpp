#include "settei.h"

#include "../dictionary_edit.h"

#include "../../core/win/form_painting.h"
#include "../../framework/win/data_exchange.h"
#include "../../framework/win/dc.h"
#include "../../framework/win/framework_ids.h"
#include "../../framework/win/gdi_objects.h"
#include "../../framework/win/message_box.h"
#include "../../framework/win/win_app.h"
#include "../../resources/resource.h"

namespace {

const char kRegisteringOnSelect[] =
    "新しい項目の登録中です。\n\n項目名を入力し\n\n【変更】ボタンを押して登録するか、\n\n【削除】ボタンを押して登録を中止してください。";
const char kRegisteringOnCommand[] =
    "新しい項目の登録中です。\n\n項目名を入力し\n\n【変更】ボタンを押して登録を確定するか、\n\n【削除】ボタンを押して登録を中止してください。\n\n科目辞書の編集に戻ります。";
const char kNewItemName[] = "新しい項目";

// The icons in image-list order: the image index is the node kind.
const UINT kKindBitmaps[] = {IDB_DICT_ROOT,          IDB_DICT_CLASS,          IDB_DICT_CAUSE_ACCOUNT,
                             IDB_DICT_CAUSE_DESCRIPTION, IDB_DICT_RESULT_BRANCH, IDB_DICT_RESULT_ACCOUNT,
                             IDB_DICT_RESULT_DESCRIPTION};
const COLORREF kIconMask = RGB(0, 128, 128);
const COLORREF kCauseColor = RGB(128, 255, 255);   // 0xFFFF80
const COLORREF kResultColor = RGB(255, 255, 128);  // 0x80FFFF
const COLORREF kWhite = RGB(255, 255, 255);

// The mock-up's headings and the slot each one marks.
struct Heading {
    int id;
    int slot;
};
const Heading kHeadings[] = {
    {IDC_DICT_SHOW_CLASS_HEADING, 0},  {IDC_DICT_SHOW_CAUSE_HEADING, 1}, {IDC_DICT_SHOW_WORD_HEADING, 1},
    {IDC_DICT_SHOW_RESULT_HEADING, 2}, {IDC_DICT_SHOW_PHRASE_HEADING, 2}, {IDC_DICT_SHOW_DESC1, 3},
    {IDC_DICT_SHOW_DESC2, 4},
};
// The headings that a selection of each kind marks.
bool HeadingMatchesKind(int id, int kind)
{
    switch (id) {
    case IDC_DICT_SHOW_CLASS_HEADING: return kind == 1;
    case IDC_DICT_SHOW_CAUSE_HEADING:
    case IDC_DICT_SHOW_WORD_HEADING: return kind == 2;
    case IDC_DICT_SHOW_RESULT_HEADING: return kind == 4 || kind == 5;
    case IDC_DICT_SHOW_PHRASE_HEADING: return kind == 5;
    case IDC_DICT_SHOW_DESC1: return kind == 3;
    case IDC_DICT_SHOW_DESC2: return kind == 6;
    default: return false;
    }
}

CString ClassListText(int classDigit)
{
    static const char* const rows[] = {" 収益", " 費用", " 負債", " 資産", " 資本"};
    int marked = -1;
    switch (classDigit) {
    case 0:
    case 8: break;
    case 1: marked = 0; break;
    case 2:
    case 3: marked = 1; break;
    case 4: marked = 2; break;
    case 5:
    case 6: marked = 3; break;
    case 7: marked = 4; break;
    default: return CString();
    }
    CString text;
    for (int i = 0; i < 5; ++i) {
        text += "\n";
        text += rows[i];
        if (i == marked)
            text += "●";
    }
    return text;
}

void ResultWordLabels(int classDigit, CString& label1, CString& label2)
{
    switch (classDigit) {
    case 1: label1 = "[収益の減少]"; label2 = "[収益の増加]"; break;
    case 2:
    case 3: label1 = "[費用の増加]"; label2 = "[費用の減少]"; break;
    case 4: label1 = "[負債の減少]"; label2 = "[負債の増加]"; break;
    case 5:
    case 6: label1 = "[資産の増加]"; label2 = "[資産の減少]"; break;
    case 7: label1 = "[資本の減少]"; label2 = "[資本の増加]"; break;
    default: label1.Empty(); label2.Empty(); break;
    }
}

}  // namespace

IMPLEMENT_DYNCREATE(settei, CBookFormView)

const MessageMap* settei::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<settei>(
        on::Notify(TVN_SELCHANGEDW, IDC_DICT_TREE, &settei::OnSelchangedTree),
        on::Control(BN_CLICKED, IDC_DICT_CREATE_UNDER, &settei::OnCreateUnder),
        on::Control(BN_CLICKED, IDC_DICT_CREATE_BEFORE, &settei::OnCreateBefore),
        on::Control(BN_CLICKED, IDC_DICT_CREATE_AFTER, &settei::OnCreateAfter),
        on::Control(BN_CLICKED, IDC_DICT_CHANGE, &settei::OnChange),
        on::Control(BN_CLICKED, IDC_DICT_DELETE, &settei::OnDelete),
        on::Control(BN_CLICKED, IDC_DICT_RESET, &settei::OnResetDictionary),
        on::Control(BN_CLICKED, IDC_DICT_REBUILD, &settei::OnRebuildFromJournal),
        on::Control(BN_CLICKED, IDC_DICT_IMPORT, &settei::OnImportDictionary),
        on::Control(BN_CLICKED, IDC_DICT_EXPORT, &settei::OnExportDictionary),
        on::Control(BN_CLICKED, IDC_DICT_GOTO_SIWAKE, &settei::OnGotoSiwake),
        on::Control(BN_CLICKED, IDC_DICT_GOTO_KANJYO, &settei::OnGotoKanjyo),
        on::Control(BN_CLICKED, IDC_DICT_GOTO_KINSEN, &settei::OnGotoKinsen),
        on::Control(BN_CLICKED, IDC_DICT_GOTO_KEIHI, &settei::OnGotoKeihi),
        on::Control(BN_CLICKED, IDC_DICT_GOTO_KESSAN, &settei::OnGotoKessan),
        on::Control(BN_CLICKED, IDC_DICT_GOTO_URIAGE, &settei::OnGotoUriage),
        on::Control(BN_CLICKED, IDC_DICT_GOTO_SIIRE, &settei::OnGotoSiire),
        on::Command(ID_EDIT_PASTE, &settei::OnEditPaste),
        on::Command(ID_EDIT_COPY, &settei::OnEditCopy),
        on::Control(BN_CLICKED, IDC_DICT_SHOW_PHRASE1, &settei::OnClickedDirection),
        on::Control(BN_CLICKED, IDC_DICT_SHOW_PHRASE2, &settei::OnClickedDirection),
        on::Control(EN_SETFOCUS, IDC_DICT_NAME, &settei::OnSetfocusImeOn),
        on::Control(EN_SETFOCUS, IDC_DICT_WORD1, &settei::OnSetfocusImeOn),
        on::Control(EN_SETFOCUS, IDC_DICT_WORD2, &settei::OnSetfocusImeOn),
        on::Control(EN_SETFOCUS, IDC_DICT_WORD1B, &settei::OnSetfocusImeOn),
        on::Control(EN_SETFOCUS, IDC_DICT_WORD2B, &settei::OnSetfocusImeOn),
        on::Control(EN_KILLFOCUS, IDC_DICT_NAME, &settei::OnKillfocusName),
        on::Control(STN_CLICKED, IDC_DICT_SHOW_WORD, &settei::OnClickedConnectWord),
        on::Command(ID_FILE_PRINT, &settei::OnFilePrint),
        on::Command(ID_FILE_PRINT_DIRECT, &settei::OnFilePrint),
        on::Command(ID_FILE_PRINT_PREVIEW, &settei::OnFilePrintPreview));
    return &map;
}

settei::settei() : CBookFormView(IDD_SETTEI, {kBookDictionary, BookMenuRole::OtherBook}) {}

void settei::DoDataExchange(CDataExchange* pDX)
{
    CBookFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DICT_GUIDE, m_stGuide);
    DDX_Control(pDX, IDC_DICT_LINK_UNDER, m_stLinkUnder);
    DDX_Control(pDX, IDC_DICT_LINK_AFTER, m_stLinkAfter);
    DDX_Control(pDX, IDC_DICT_LINK_BEFORE, m_stLinkBefore);
    DDX_Control(pDX, IDC_DICT_CREATE_UNDER, m_btnCreateUnder);
    DDX_Control(pDX, IDC_DICT_CREATE_AFTER, m_btnCreateAfter);
    DDX_Control(pDX, IDC_DICT_CREATE_BEFORE, m_btnCreateBefore);
    DDX_Control(pDX, IDC_DICT_WORD2, m_editWord2);
    DDX_Control(pDX, IDC_DICT_WORD1, m_editWord1);
    DDX_Control(pDX, IDC_DICT_NAME, m_editName);
    DDX_Control(pDX, IDC_DICT_TREE, m_tree);
}

BOOL settei::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
        return TRUE;
    return CBookFormView::PreTranslateMessage(pMsg);
}

void settei::OnInitialUpdate()
{
    CBookFormView::OnInitialUpdate();
    m_imageList.Create(16, 16, ILC_COLOR32 | ILC_MASK, 7, 2);
    for (UINT id : kKindBitmaps) {
        CBitmap bitmap;
        bitmap.LoadBitmap(id);
        m_imageList.Add(&bitmap, kIconMask);
    }
    m_tree.SetImageList(&m_imageList, TVSIL_NORMAL);
    GetDocument()->m_nCurBook = kBookDictionary;
    m_bRegistering = 0;
    m_tree.SetIndent(60);
    m_editName.LimitText(16);
    m_editWord1.LimitText(8);
    m_editWord2.LimitText(8);
    m_nSelSide = m_nSelSlot = -1;
    FillTree();
    ShowCreateButtons(dict_edit::kRootKind);
}

void settei::OnUpdate(CView*, LPARAM, CObject*)
{
    m_nAnswer = 0;
}

// ---------------------------------------------------------------------------
// The tree

int settei::NodeKind(int index) const
{
    return dict_edit::KindOf(GetDocument()->m_arrDictionary, index);
}

int settei::ClassOfNode(int index, const CString& name) const
{
    return dict_edit::ClassOfNode(GetDocument()->m_arrDictionary, index, name);
}

int settei::NodeOf(HTREEITEM item) const
{
    if (!item)
        return -1;
    const int index = static_cast<int>(m_tree.GetItemData(item));
    return index >= 0 && index < GetDocument()->m_arrDictionary.GetSize() ? index : -1;
}

void settei::FillTree(int expandTarget, int selectTarget)
{
    const DictionaryNodes& nodes = GetDocument()->m_arrDictionary;
    m_hNewItem = nullptr;
    m_tree.SendMessage(WM_SETREDRAW, FALSE);
    m_tree.DeleteAllItems();
    // The walk visits each node once, in the order of the tree, with its depth;
    // the open items of the path down to it are kept by depth.
    std::vector<HTREEITEM> path;
    for (const dict_edit::TreeLine& line : dict_edit::TreeWalk(nodes)) {
        path.resize(static_cast<size_t>(line.depth));
        HTREEITEM parent = line.depth == 0 ? TVI_ROOT : path.back();
        const int kind = NodeKind(line.node);
        HTREEITEM item = m_tree.InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM,
                                           nodes[line.node]->m_strName, kind, kind, 0, 0,
                                           static_cast<LPARAM>(line.node), parent, TVI_LAST);
        path.push_back(item);
        if (line.node == selectTarget)
            m_hNewItem = item;
    }
    // The root open on its classes; the path down to the first child of the
    // expand target open.
    if (HTREEITEM root = m_tree.GetRootItem())
        m_tree.Expand(root, TVE_EXPAND);
    for (int target = expandTarget, guard = 0; target > 0 && guard < nodes.GetSize(); ++guard) {
        HTREEITEM item = FindItemOfNode(target);
        if (!item)
            break;
        if (HTREEITEM parent = m_tree.GetParentItem(item))
            m_tree.Expand(parent, TVE_EXPAND);
        m_tree.Expand(item, TVE_EXPAND);
        target = dict_edit::ChildRun(nodes, target).first;
    }
    m_tree.SendMessage(WM_SETREDRAW, TRUE);
    m_tree.Invalidate();
}

void settei::ForEachItem(const std::function<bool(HTREEITEM)>& visit) const
{
    // Pre-order walk of every item; it stops when visit answers FALSE.
    std::vector<HTREEITEM> pending;
    for (HTREEITEM top = m_tree.GetRootItem(); top; top = m_tree.GetNextSiblingItem(top))
        pending.push_back(top);
    while (!pending.empty()) {
        HTREEITEM item = pending.back();
        pending.pop_back();
        if (!visit(item))
            return;
        for (HTREEITEM child = m_tree.GetChildItem(item); child; child = m_tree.GetNextSiblingItem(child))
            pending.push_back(child);
    }
}

HTREEITEM settei::FindItemOfNode(int index) const
{
    HTREEITEM found = nullptr;
    ForEachItem([&](HTREEITEM item) {
        if (static_cast<int>(m_tree.GetItemData(item)) == index)
            found = item;
        return found == nullptr;
    });
    return found;
}

void settei::RenumberItems(const std::vector<int>& map)
{
    ForEachItem([&](HTREEITEM item) {
        const int old = static_cast<int>(m_tree.GetItemData(item));
        if (old >= 0 && old < static_cast<int>(map.size()))
            m_tree.SetItemData(item, static_cast<DWORD_PTR>(map[static_cast<size_t>(old)]));
        return true;
    });
}

void settei::RenumberAfterInsert(int from)
{
    const int size = GetDocument()->m_arrDictionary.GetSize();
    std::vector<int> map(static_cast<size_t>(size));
    for (int i = 0; i < size; ++i)
        map[static_cast<size_t>(i)] = i >= from ? i + 1 : i;
    RenumberItems(map);
}

// ---------------------------------------------------------------------------
// The selection

int settei::CheckRegistering()
{
    if (!m_bRegistering)
        return 0;
    AfxMessageBox(kRegisteringOnCommand, MB_OK);
    return -1;
}

void settei::OnSelchangedTree(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    auto* change = reinterpret_cast<NMTREEVIEWW*>(pNMHDR);
    HTREEITEM selected = change->itemNew.hItem;
    const int index = NodeOf(selected);
    if (index < 0)
        return;
    const DictionaryNodes& nodes = GetDocument()->m_arrDictionary;
    if (m_bRegistering && m_hNewItem && selected != m_hNewItem) {
        const int fresh = NodeOf(m_hNewItem);
        if (fresh >= 0 && nodes[fresh]->m_strName == kNewItemName && nodes[index]->m_strName != kNewItemName) {
            AfxMessageBox(kRegisteringOnSelect, MB_OK);
            m_tree.SelectItem(m_hNewItem);
            return;
        }
    }
    ShowSelection(index);
}

void settei::ShowSelection(int index)
{
    const DictionaryNodes& nodes = GetDocument()->m_arrDictionary;
    if (index < 0 || index >= nodes.GetSize())
        return;
    const CKiso& node = *nodes[index];
    CString name = node.m_strName;
    m_editName.SetWindowText(name);
    m_editWord1.SetWindowText(node.m_strWord1);
    m_editWord2.SetWindowText(node.m_strWord2);
    m_strSelWord1 = node.m_strWord1;
    m_strSelWord2 = node.m_strWord2;
    const int kind = NodeKind(index);
    if (kind == dict_edit::kRootKind) {
        name.Empty();
        m_editName.SetWindowText("");
    } else if (kind == dict_edit::kCauseAccount) {
        LoadPhrases(name);
        SetDlgItemText(IDC_DICT_WORD1, m_strSelWord1);
        SetDlgItemText(IDC_DICT_WORD1B, m_strSelWord2);
        SetDlgItemText(IDC_DICT_WORD2, m_strPhrase1 + " " + m_strPhrase2);
        SetDlgItemText(IDC_DICT_WORD2B, m_strPhrase3 + " " + m_strPhrase4);
    } else if (kind == dict_edit::kResultAccount) {
        CString a, b;
        dict_edit::SplitResultWord(node.m_strWord1, a, b);
        SetDlgItemText(IDC_DICT_WORD1, a);
        SetDlgItemText(IDC_DICT_WORD1B, b);
        dict_edit::SplitResultWord(node.m_strWord2, a, b);
        SetDlgItemText(IDC_DICT_WORD2, a);
        SetDlgItemText(IDC_DICT_WORD2B, b);
    }
    ShowCreateButtons(kind);
    const int side = kind >= 1 && kind <= 3 ? 0 : 1;
    m_nSelClass = ClassOfNode(index, name);
    ShowNodeFields(index, kind, m_nSelClass, side, name, node.m_strWord1, node.m_strWord2);
    // The journal form's mock-up as a change shows it: a description with its account.
    ShowPosition(index, dict_edit::ParentOf(nodes, index));
}

void settei::ShowCreateButtons(int kind)
{
    const bool guide = kind == 0;
    const bool beside = kind == 2 || kind == 3 || kind == 5 || kind == 6;
    const bool under = kind == 1 || kind == 2 || kind == 4 || kind == 5;
    m_stGuide.ShowWindow(guide ? SW_SHOW : SW_HIDE);
    m_btnCreateBefore.ShowWindow(beside ? SW_SHOW : SW_HIDE);
    m_btnCreateAfter.ShowWindow(beside ? SW_SHOW : SW_HIDE);
    m_stLinkBefore.ShowWindow(beside ? SW_SHOW : SW_HIDE);
    m_stLinkAfter.ShowWindow(beside ? SW_SHOW : SW_HIDE);
    m_btnCreateUnder.ShowWindow(under ? SW_SHOW : SW_HIDE);
    m_stLinkUnder.ShowWindow(under ? SW_SHOW : SW_HIDE);
}

void settei::LoadPhrases(const CString& name)
{
    CMyDoc* document = GetDocument();
    document->SetConnectWords(name);
    m_strPhrase1 = document->m_strPhrase[0];
    m_strPhrase2 = document->m_strPhrase[1];
    m_strPhrase3 = document->m_strPhrase[2];
    m_strPhrase4 = document->m_strPhrase[3];
}

void settei::ShowNodeFields(int index, int kind, int classDigit, int side, const CString& name,
                            const CString& word1, const CString& word2)
{
    m_nSelSide = m_nSelSlot = -1;
    const int wordFields[] = {IDC_DICT_WORD1, IDC_DICT_WORD2, IDC_DICT_WORD1B, IDC_DICT_WORD2B};
    const int wordLabels[] = {IDC_DICT_WORD_GROUP, IDC_DICT_WORD1_LABEL, IDC_DICT_WORD2_LABEL, IDC_DICT_WORD1B_LABEL,
                              IDC_DICT_WORD2B_LABEL};
    auto showWords = [&](bool show) {
        for (int id : wordFields)
            GetDlgItem(id)->ShowWindow(show ? SW_SHOW : SW_HIDE);
        for (int id : wordLabels)
            GetDlgItem(id)->ShowWindow(show ? SW_SHOW : SW_HIDE);
    };
    auto mockUp = [&](const CString& cause, const CString& word, const CString& result, const CString& phrase1,
                      const CString& phrase2, const CString& desc1, const CString& desc2) {
        SetDlgItemText(IDC_DICT_SHOW_CAUSE, cause);
        SetDlgItemText(IDC_DICT_SHOW_WORD, word);
        SetDlgItemText(IDC_DICT_SHOW_RESULT, result);
        SetDlgItemText(IDC_DICT_SHOW_PHRASE1, phrase1);
        SetDlgItemText(IDC_DICT_SHOW_PHRASE2, phrase2);
        SetDlgItemText(IDC_DICT_SHOW_DESC1, desc1);
        SetDlgItemText(IDC_DICT_SHOW_DESC2, desc2);
    };
    const CString none;
    if (index <= dict_edit::kResultBranch) {
        SetDlgItemText(IDC_DICT_NAME_GROUP, "科目分類名");
        showWords(false);
        mockUp(none, none, none, none, none, none, none);
        side = index == dict_edit::kResultBranch ? 2 : 1;
        m_nSelSide = side;
        m_nSelSlot = index == dict_edit::kResultBranch ? -1 : 0;
    } else if (kind == dict_edit::kCauseAccount) {
        SetDlgItemText(IDC_DICT_NAME_GROUP, "原因科目名");
        showWords(true);
        // The word fields are no members: their messages go to them by id.
        for (int id : {IDC_DICT_WORD1, IDC_DICT_WORD2, IDC_DICT_WORD1B})
            SendDlgItemMessage(id, EM_LIMITTEXT, 8);
        for (int id : {IDC_DICT_WORD2, IDC_DICT_WORD2B})
            SendDlgItemMessage(id, EM_SETREADONLY, TRUE);
        SetDlgItemText(IDC_DICT_WORD_GROUP, "原因科目の接続用語");
        SetDlgItemText(IDC_DICT_WORD1_LABEL, " 接続用語 A ");
        SetDlgItemText(IDC_DICT_WORD2_LABEL, " 内蔵 　C D");
        SetDlgItemText(IDC_DICT_WORD1B_LABEL, "          B ");
        mockUp(name, word1, none, none, none, none, none);
        m_nSelSide = 1;
        m_nSelSlot = 1;
    } else if (kind == dict_edit::kResultAccount) {
        SetDlgItemText(IDC_DICT_NAME_GROUP, "結果科目名");
        showWords(true);
        for (int id : wordFields) {
            SendDlgItemMessage(id, EM_LIMITTEXT, dict_edit::kResultWordBytes);
            SendDlgItemMessage(id, EM_SETREADONLY, FALSE);
        }
        GetDlgItem(IDC_DICT_WORD1B_LABEL)->ShowWindow(SW_HIDE);
        GetDlgItem(IDC_DICT_WORD2B_LABEL)->ShowWindow(SW_HIDE);
        SetDlgItemText(IDC_DICT_WORD_GROUP, "結果科目の増減用語");
        CString label1, label2;
        ResultWordLabels(classDigit, label1, label2);
        SetDlgItemText(IDC_DICT_WORD1_LABEL, label1);
        SetDlgItemText(IDC_DICT_WORD2_LABEL, label2);
        mockUp(none, none, name, word1, word2, none, none);
        m_nSelSide = 2;
        m_nSelSlot = 2;
    } else if (kind == dict_edit::kCauseDescription || kind == dict_edit::kResultDescription) {
        SetDlgItemText(IDC_DICT_NAME_GROUP, "摘要名");
        showWords(false);
        if (kind == dict_edit::kCauseDescription) {
            mockUp(none, none, none, none, none, name, none);
            m_nSelSide = 1;
            m_nSelSlot = 3;
        } else {
            mockUp(none, none, none, none, none, none, name);
            m_nSelSide = 2;
            m_nSelSlot = 4;
        }
    }
    CheckDlgButton(IDC_DICT_SHOW_PHRASE1, BST_UNCHECKED);
    CheckDlgButton(IDC_DICT_SHOW_PHRASE2, BST_UNCHECKED);

    // A client device context has no scroll origin: the frames go where the controls are.
    m_nScrollX = 0;
    m_nScrollY = 0;
    CClientDC dc(this);
    DrawHighlights(&dc, kind);
    SetDlgItemText(IDC_DICT_EDIT_GROUP, "選択項目の編集");
    m_nFrameSide = side;
    SetDlgItemText(IDC_DICT_SHOW_CLASSES, ClassListText(classDigit));
}

// ---------------------------------------------------------------------------
// Painting

// The controls' rectangles are where they show now; drawn through the view's
// scrolled device context they are shifted back by the scroll position.
CRect settei::FrameRect(int id) const
{
    CRect rect = ControlRect(id);
    rect.OffsetRect(m_nScrollX, m_nScrollY);
    return rect;
}

void settei::DrawGroupFrame(CDC* pDC, int id, COLORREF color)
{
    const CRect g = FrameRect(id);
    DrawFrameLines(pDC, g.left + 8, g.top + 14, g.right - 8, g.bottom - 8, color, 5);
}

void settei::DrawHeadingFrame(CDC* pDC, int id, COLORREF color, BOOL on)
{
    const CRect h = FrameRect(id);
    DrawFrameLines(pDC, h.left - 3, h.top - 3, h.right + 2, h.bottom + 2, on ? color : kWhite, 3);
}

void settei::DrawHighlights(CDC* pDC, int kind)
{
    const COLORREF color = kind <= 3 ? kCauseColor : kResultColor;
    DrawGroupFrame(pDC, IDC_DICT_EDIT_GROUP, color);
    for (const Heading& heading : kHeadings)
        DrawHeadingFrame(pDC, heading.id, color, HeadingMatchesKind(heading.id, kind));
}

void settei::OnDraw(CDC* pDC)
{
    const CPoint scroll = GetScrollPosition();
    m_nScrollX = scroll.x;
    m_nScrollY = scroll.y;
    m_crBack = pDC->GetBkColor();
    const CMyDoc* document = GetDocument();
    const auto& L = document->m_nLayout;
    if (L[3] > 0) {
        const int x0 = L[0] + 7 * L[3] + L[4];
        const int x1 = L[0] + 8 * L[3] - L[4];
        DrawSunkenFrame(pDC, x0, L[1], x1, L[2] - 2);
        DrawSunkenFrame(pDC, L[5], L[6], L[7], L[8]);
        FillPanel(pDC, x0 + 6, L[1] + 3, x1 - 6, L[1] + 7, RGB(255, 128, 192));
        FillPanel(pDC, x0 + 3, L[2] - 6, x1 - 3, L[2] + 1, m_crBack);
        WriteCentred(pDC, "科目辞書設定", CRect(x0, L[1] + 10, x1, L[2]), document->m_nFontSize * 11);
    }
    DrawGroupFrame(pDC, IDC_DICT_TREE_GROUP, RGB(128, 128, 255));
    DrawGroupFrame(pDC, IDC_DICT_SHOW_GROUP, RGB(64, 255, 64));
    DrawGroupFrame(pDC, IDC_DICT_FILE_GROUP, RGB(192, 192, 255));
    DrawGroupFrame(pDC, IDC_DICT_CREATE_GROUP, RGB(192, 192, 255));

    // The bracket from the mock-up's result account to the disabled 行挿入 button.
    const CRect result = FrameRect(IDC_DICT_SHOW_RESULT);
    const CRect insert = FrameRect(IDC_DICT_SHOW_INSERT);
    const CPoint bracket[] = {{result.right, result.top - 6},    {insert.left - 5, result.top - 6},
                              {insert.left - 5, insert.top},     {result.right + 8, insert.top},
                              {result.right + 8, result.bottom + 5}, {result.right, result.bottom + 5}};
    pDC->Polyline(bracket, 6);

    DrawGroupFrame(pDC, IDC_DICT_EDIT_GROUP, m_nFrameSide == 0 ? kCauseColor : kResultColor);
    const COLORREF color = m_nSelSide == 2 ? kResultColor : kCauseColor;
    for (const Heading& heading : kHeadings)
        DrawHeadingFrame(pDC, heading.id, color, heading.slot == m_nSelSlot);
}

// ---------------------------------------------------------------------------
// Small handlers

void settei::SwitchBook(UINT command)
{
    if (CheckRegistering() != 0)
        return;
    // The switch retires this view (hidden now, destroyed when the program is
    // idle): nothing of it is touched after the send.
    if (CWnd* mainWindow = AfxGetMainWnd())
        mainWindow->SendMessage(WM_COMMAND, command);
}

void settei::OnGotoSiwake() { SwitchBook(ID_VIEW_SIWAKE); }
void settei::OnGotoKanjyo() { SwitchBook(ID_VIEW_KANJYO); }
void settei::OnGotoKinsen() { SwitchBook(ID_VIEW_KINSEN); }
void settei::OnGotoKeihi() { SwitchBook(ID_VIEW_KEIHI); }
void settei::OnGotoKessan() { SwitchBook(ID_VIEW_KESSAN); }
void settei::OnGotoUriage() { SwitchBook(ID_VIEW_URIAGE); }
void settei::OnGotoSiire() { SwitchBook(ID_VIEW_SIIRE); }

void settei::OnEditCopy()
{
    if (CWnd* focus = CWnd::GetFocus())
        focus->PostMessage(WM_COPY);
}

void settei::OnEditPaste()
{
    if (CWnd* focus = CWnd::GetFocus())
        focus->PostMessage(WM_PASTE);
}

void settei::OnClickedDirection()
{
    // The mock-up's phrases only show; they cannot be chosen.
    CheckDlgButton(IDC_DICT_SHOW_PHRASE1, BST_UNCHECKED);
    CheckDlgButton(IDC_DICT_SHOW_PHRASE2, BST_UNCHECKED);
    m_editName.SetFocus();
}

void settei::OnSetfocusImeOn()
{
    SetImeOpen(TRUE);
}

void settei::OnClickedConnectWord()
{
    const CString* candidates[] = {&m_strSelWord1, &m_strSelWord2, &m_strPhrase1,
                                   &m_strPhrase2,  &m_strPhrase3,  &m_strPhrase4};
    int next = m_nWordCycle + 1;
    if (m_nWordCycle >= 5 || (m_nWordCycle >= 2 && candidates[next]->IsEmpty()))
        next = 0;
    m_nWordCycle = next;
    SetDlgItemText(IDC_DICT_SHOW_WORD, *candidates[next]);
}

CString settei::Text(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}
