// The dictionary editor's editing buttons: create under, before and after the
// selected node, change its name and words, and delete it with its descendants.
#include "settei.h"

#include "../dictionary_edit.h"

#include "../../core/record_file.h"
#include "../../framework/win/message_box.h"
#include "../../resources/resource.h"

namespace {

const char kNewItemName[] = "新しい項目";
const char kSelectFirst[] = "選択して下さい。";
const char kNoCreateUnderRoot[] =
    "「仕分の分類」の属下には、新規に「科目の分類」を作成できません\n\n新規に作成できる項目は、「科目」と「摘要」です。\n\n新規作成する位置の基準とする項目を選択してください。";
const char kNoCreateUnder[] = "この項目の属下には新規作成できません";
const char kNotChangeable[] = "この項目は変更できません";
const char kNotDeletable[] = "この項目は削除できません";
const char kEnterName[] = "入力して下さい。";
const char kInitialDictionary[] = "zuvavodi.sdo";

// The refusals of create before (mode 1) and after (mode 2) on the root, a class
// and the result branch.
const char* BesideRefusal(int index, int mode)
{
    const bool before = mode == dict_edit::kBefore;
    if (index == 0)
        return before ? "「仕分の分類」の前には、新規に分類を作成できません\n\n新規に作成できる項目は、「科目」と「摘要」です。\n\n新規作成する位置の基準とする項目を選択してください。"
                      : "「仕分の分類」の次には、新規に分類を作成できません\n\n新規に作成できる項目は、「科目」と「摘要」です。\n\n新規作成する位置の基準とする項目を選択してください。";
    if (index >= 1 && index <= 7)
        return before ? "「科目の分類」の前には、新規に「分類」を作成できません\n\n属下に「科目」を作成できます。"
                      : "「科目の分類」の次には、新規に「分類」を作成できません\n\n属下に「科目」を作成できます。";
    return before ? "「科目の分類3」の前には、新規に「分類」を作成できません\n\n属下に「科目」を作成できます。"
                  : "「科目の分類3」の次には、新規に「分類」を作成できません\n\n属下に「科目」を作成できます。";
}

// A word shown in the mock-up: more than 14 bytes go on two lines.
CString TwoLines(const CString& word)
{
    if (word.GetLength() <= dict_edit::kResultWordBytes)
        return word;
    CString first, second;
    dict_edit::SplitResultWord(word, first, second);
    return first + "\n" + second;
}

}  // namespace

void settei::StartRegistering(HTREEITEM item)
{
    m_hNewItem = item;
    const int kind = NodeKind(m_nNewIndex);
    m_tree.SetItemImage(item, kind, kind);
    m_tree.SelectItem(item);
    m_tree.EnsureVisible(item);
    m_bRegistering = 1;
}

void settei::OnCreateUnder()
{
    if (CheckRegistering() != 0)
        return;
    m_bRegistering = 0;
    HTREEITEM selected = m_tree.GetSelectedItem();
    const int index = NodeOf(selected);
    if (index < 0) {
        AfxMessageBox(kSelectFirst, MB_OK);
        return;
    }
    if (index == 0) {
        AfxMessageBox(kNoCreateUnderRoot, MB_OK);
        return;
    }
    DictionaryNodes& nodes = GetDocument()->m_arrDictionary;
    if (!dict_edit::CanHaveChildren(nodes, index)) {
        AfxMessageBox(kNoCreateUnder, MB_OK);
        return;
    }
    m_nNewIndex = dict_edit::InsertNode(nodes, index, 0, dict_edit::kAppendChild, kNewItemName);
    if (m_nNewIndex < 0)
        return;
    RenumberAfterInsert(m_nNewIndex);
    HTREEITEM item = m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM, kNewItemName, 0, 0, 0, 0,
                                       static_cast<LPARAM>(m_nNewIndex), selected, TVI_LAST);
    StartRegistering(item);
}

void settei::OnCreateBefore()
{
    CreateBeside(dict_edit::kBefore);
}

void settei::OnCreateAfter()
{
    CreateBeside(dict_edit::kAfter);
}

void settei::CreateBeside(int mode)
{
    if (CheckRegistering() != 0)
        return;
    m_bRegistering = 0;
    HTREEITEM selected = m_tree.GetSelectedItem();
    const int index = NodeOf(selected);
    if (index < 0) {
        AfxMessageBox(kSelectFirst, MB_OK);
        return;
    }
    if (index <= dict_edit::kResultBranch) {
        AfxMessageBox(BesideRefusal(index, mode), MB_OK);
        return;
    }
    DictionaryNodes& nodes = GetDocument()->m_arrDictionary;
    HTREEITEM parentItem = m_tree.GetParentItem(selected);
    const int parent = NodeOf(parentItem);
    if (parent < 0)
        return;
    m_nNewIndex = dict_edit::InsertNode(nodes, parent, index, mode, kNewItemName);
    if (m_nNewIndex < 0)
        return;
    RenumberAfterInsert(m_nNewIndex);
    m_hNewItem = nullptr;
    const dict_edit::Run run = dict_edit::ChildRun(nodes, parent);
    if (mode == dict_edit::kBefore && run.first == m_nNewIndex) {
        m_hNewItem = m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM, kNewItemName, 0, 0, 0, 0,
                                       static_cast<LPARAM>(m_nNewIndex), parentItem, TVI_FIRST);
    } else if (mode == dict_edit::kAfter && run.first + run.count - 1 == m_nNewIndex) {
        m_hNewItem = m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM, kNewItemName, 0, 0, 0, 0,
                                       static_cast<LPARAM>(m_nNewIndex), parentItem, TVI_LAST);
    } else {
        FillTree(parent, m_nNewIndex);
    }
    if (m_hNewItem) {
        m_tree.Expand(m_tree.GetParentItem(m_hNewItem), TVE_EXPAND);
        StartRegistering(m_hNewItem);
    }
}

int settei::SelectedAccountOrDescription(const char* refusal)
{
    const int index = NodeOf(m_tree.GetSelectedItem());
    if (index < 0) {
        AfxMessageBox(kSelectFirst, MB_OK);
        return -1;
    }
    if (index <= dict_edit::kResultBranch) {
        AfxMessageBox(refusal, MB_OK);
        return -1;
    }
    return index;
}

void settei::OnChange()
{
    HTREEITEM selected = m_tree.GetSelectedItem();
    const int index = SelectedAccountOrDescription(kNotChangeable);
    if (index < 0)
        return;
    const CString name = Text(IDC_DICT_NAME);
    if (name.IsEmpty()) {
        AfxMessageBox(kEnterName, MB_OK);
        return;
    }
    DictionaryNodes& nodes = GetDocument()->m_arrDictionary;
    const int parent = NodeOf(m_tree.GetParentItem(selected));
    const int kind = NodeKind(index);
    CString word1, word2;
    if (kind == dict_edit::kCauseDescription || kind == dict_edit::kResultDescription) {
        // A description's words have no fields: it keeps its own.
        word1 = nodes[index]->m_strWord1;
        word2 = nodes[index]->m_strWord2;
    } else if (parent == dict_edit::kResultBranch) {
        word1 = dict_edit::JoinResultWord(Text(IDC_DICT_WORD1), Text(IDC_DICT_WORD1B));
        word2 = dict_edit::JoinResultWord(Text(IDC_DICT_WORD2), Text(IDC_DICT_WORD2B));
        m_nSelClass = ClassOfNode(index, name);
        if (m_nSelClass < 1) {
            const CString question = "結果科目に登録しようとしている科目 《" + name +
                                     " 》　は、\n\n原因科目に登録されていません。\n\n先に、原因科目の【収益】【費用】【負債】【資産】【資本】\n\nのいずれかに必ず登録してください。《" +
                                     name + "》を削除しますか？";
            if (AfxMessageBox(question, MB_YESNO) == IDYES)
                DeleteSelectedQuietly();
            return;
        }
        ShowNodeFields(index, kind, m_nSelClass, 1, name, word1, word2);
    } else {
        word1 = Text(IDC_DICT_WORD1);
        word2 = Text(IDC_DICT_WORD1B);
    }
    m_tree.SetItemText(selected, name);
    CKiso* node = nodes[index];
    node->m_strName = name;
    node->m_strWord1 = word1;
    node->m_strWord2 = word2;
    ShowPosition(index, parent);
    if (name != kNewItemName)
        m_bRegistering = 0;
}

void settei::ShowPosition(int index, int parent)
{
    const DictionaryNodes& nodes = GetDocument()->m_arrDictionary;
    if (index < 0 || index >= nodes.GetSize() || parent < 0 || parent >= nodes.GetSize())
        return;
    const CKiso& node = *nodes[index];
    const CKiso& up = *nodes[parent];
    const int kind = NodeKind(index);
    if (kind == dict_edit::kCauseAccount) {
        m_strSelWord1 = node.m_strWord1;
        m_strSelWord2 = node.m_strWord2;
        SetDlgItemText(IDC_DICT_SHOW_CAUSE, node.m_strName);
        SetDlgItemText(IDC_DICT_SHOW_WORD, TwoLines(node.m_strWord1));
    } else if (kind == dict_edit::kResultAccount) {
        SetDlgItemText(IDC_DICT_SHOW_RESULT, node.m_strName);
        SetDlgItemText(IDC_DICT_SHOW_PHRASE1, TwoLines(node.m_strWord1));
        SetDlgItemText(IDC_DICT_SHOW_PHRASE2, TwoLines(node.m_strWord2));
    } else if (kind == dict_edit::kCauseDescription) {
        SetDlgItemText(IDC_DICT_SHOW_DESC1, node.m_strName);
        SetDlgItemText(IDC_DICT_SHOW_CAUSE, up.m_strName);
        SetDlgItemText(IDC_DICT_SHOW_WORD, TwoLines(up.m_strWord1));
    } else if (kind == dict_edit::kResultDescription) {
        SetDlgItemText(IDC_DICT_SHOW_DESC2, node.m_strName);
        SetDlgItemText(IDC_DICT_SHOW_RESULT, up.m_strName);
        SetDlgItemText(IDC_DICT_SHOW_PHRASE1, TwoLines(up.m_strWord1));
        SetDlgItemText(IDC_DICT_SHOW_PHRASE2, TwoLines(up.m_strWord2));
    }
}

void settei::OnKillfocusName()
{
    if (Text(IDC_DICT_WORD1).IsEmpty() && Text(IDC_DICT_WORD2).IsEmpty())
        OnChange();
}

BOOL settei::IsImportantAccount(int parent, const CString& name)
{
    CMyDoc* document = GetDocument();
    DictionaryNodes initial;
    BOOL important = FALSE;
    try {
        LoadRecordFile(document->m_strProgramDir + "\\" + kInitialDictionary, initial);
        const dict_edit::Run run = dict_edit::ChildRun(initial, parent);
        for (int i = run.first; run.count != 0 && i < run.first + run.count; ++i)
            if (initial[i]->m_strName == name)
                important = TRUE;
    } catch (const CException&) {
        // Without the initial dictionary no account counts as important.
    }
    DeleteRecords(initial);
    return important;
}

void settei::OnDelete()
{
    HTREEITEM selected = m_tree.GetSelectedItem();
    const int index = SelectedAccountOrDescription(kNotDeletable);
    if (index < 0)
        return;
    m_bRegistering = 0;
    // What is deleted is the selected node, whatever the name field shows now:
    // the questions and the search for its result account use its own name.
    const CString name = GetDocument()->m_arrDictionary[index]->m_strName;
    if (AfxMessageBox("< " + name + " >　を　削除しますか？", MB_YESNO) != IDYES)
        return;
    const int parent = NodeOf(m_tree.GetParentItem(selected));
    if (parent >= 1 && parent <= dict_edit::kResultBranch && IsImportantAccount(parent, name) &&
        AfxMessageBox("< " + name + " >　は　重要科目です。削除しますか？", MB_YESNO) != IDYES)
        return;
    RemoveSelectedWithTwin(index, name);
}

void settei::DeleteSelectedQuietly()
{
    m_bRegistering = 0;
    const int index = NodeOf(m_tree.GetSelectedItem());
    if (index > dict_edit::kResultBranch)
        RemoveSelectedWithTwin(index, GetDocument()->m_arrDictionary[index]->m_strName);
}

void settei::RemoveSelectedWithTwin(int index, const CString& name)
{
    HTREEITEM item = FindItemOfNode(index);
    if (!item)
        return;
    const int parent = NodeOf(m_tree.GetParentItem(item));
    RemoveSubtree(item);
    m_hTwinItem = nullptr;
    if (parent >= 1 && parent <= 7) {
        const int twin = dict_edit::ResultTwinOf(GetDocument()->m_arrDictionary, name, -1);
        m_hTwinItem = twin >= 0 ? FindItemOfNode(twin) : nullptr;
        if (m_hTwinItem)
            RemoveSubtree(m_hTwinItem);
    }
    const int now = NodeOf(m_tree.GetSelectedItem());
    if (now >= 0)
        ShowSelection(now);
}

void settei::RemoveSubtree(HTREEITEM item)
{
    const int index = NodeOf(item);
    if (index <= dict_edit::kResultBranch)
        return;
    // The tree would pick the next item itself while the node is still in the
    // array: the neighbour is chosen first (next sibling, else previous, else parent).
    if (m_tree.GetSelectedItem() == item) {
        HTREEITEM next = m_tree.GetNextSiblingItem(item);
        if (!next)
            next = m_tree.GetPrevSiblingItem(item);
        if (!next)
            next = m_tree.GetParentItem(item);
        m_tree.SelectItem(next);
    }
    const std::vector<int> map = dict_edit::RemoveSubtree(GetDocument()->m_arrDictionary, index);
    if (map.empty())
        return;
    m_tree.DeleteItem(item);
    RenumberItems(map);
}
