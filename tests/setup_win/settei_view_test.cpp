// The dictionary editor on real windows: the tree and what a selection shows,
// creating, changing and deleting nodes with their questions, the reset, the CSV
// exchange, the rebuild from the journal through the auto-registration dialog,
// and a printed page read back from its metafile.
#include "program_folder.h"

#include "../support/entry_builder.h"

#include "program_data.h"

#include "core/dictionary_csv.h"
#include "core/record_file.h"
#include "framework/replace_file.h"
#include "framework/win/dc.h"
#include "framework/win/print_info.h"
#include "framework/win/print_job.h"
#include "framework/win/print_page.h"
#include "core/win/dict_register_dlg.h"
#include "setup/dictionary_edit.h"
#include "setup/win/settei.h"
#include "resource.h"

#include <algorithm>
#include <tuple>
#include <string>
#include <vector>

namespace {

struct NodeRow {
    int first;
    int count;
    const char* name;
    const char* word1;
    const char* word2;
};

// A small dictionary: 売上 under 収益, 通信費 under the second expense class, 現金
// and 普通預金 under current assets and in the result branch, and a description
// under 売上, 通信費 and both 普通預金.
const char kPaddedDeposit[] = "に預け入れ    です";  // a 14-byte first line, then a second
const NodeRow kFixture[] = {
    {1, 8, "科目辞書", "", ""},
    {9, 1, "収益", "", ""},
    {0, 0, "費用(仕入.給与.税)", "", ""},
    {10, 1, "費用(経費.損失)", "", ""},
    {0, 0, "負債", "", ""},
    {11, 2, "資産(流動)", "", ""},
    {0, 0, "資産(固定)", "", ""},
    {0, 0, "資本", "", ""},
    {13, 2, "結果科目", "", ""},
    {15, 1, "売上", "について", "として"},     // 9
    {16, 1, "通信費", "について", "として"},   // 10
    {0, 0, "現金", "について", "として"},      // 11
    {17, 1, "普通預金", "について", "として"}, // 12
    {0, 0, "現金", "で受取り", "で支払い"},    // 13
    {18, 1, "普通預金", kPaddedDeposit, "から引出し"},  // 14
    {0, 0, "家事消費", "", ""},                // 15
    {0, 0, "電話代", "X語", "Y語"},            // 16
    {0, 0, "みずほ", "", ""},                  // 17
    {0, 0, "みずほ", "", ""},                  // 18
};

void WriteFixture(const CString& path, int rows = static_cast<int>(std::size(kFixture)))
{
    DictionaryNodes nodes;
    for (int i = 0; i < rows; ++i) {
        auto* node = new CKiso;
        node->m_nFirstChild = kFixture[i].first;
        node->m_nChildCount = kFixture[i].count;
        node->m_strName = kFixture[i].name;
        node->m_strWord1 = kFixture[i].word1;
        node->m_strWord2 = kFixture[i].word2;
        nodes.Add(node);
    }
    SaveRecordFile(path, nodes);
    DeleteRecords(nodes);
}

// Each node as one line, for comparing whole dictionaries.
std::vector<CString> NodeLines(const DictionaryNodes& nodes)
{
    std::vector<CString> lines;
    for (int i = 0; i < nodes.GetSize(); ++i) {
        CString line;
        line.Format("%d,%d,", nodes[i]->m_nFirstChild, nodes[i]->m_nChildCount);
        lines.push_back(line + nodes[i]->m_strName + "," + nodes[i]->m_strWord1 + "," + nodes[i]->m_strWord2);
    }
    return lines;
}

// An entry naming the cause account with its description; its date and amount
// do not matter to the dictionary. Written as the program writes it: amounts of
// unused rows are "0".
EntryBuilder Entry(const char* cause, const char* causeDesc, const char* result, int classCode)
{
    return OneRowEntry("2024/04/01", cause, result, "1000", 0, classCode).CauseDesc(causeDesc).UnusedAmountsZero();
}

class SetteiViewTest : public ProgramFolderTest {
protected:
    // The program started on the fixture (also as the initial dictionary unless
    // told otherwise) and switched to the dictionary editor.
    void StartEditor(bool withInitial = true, std::initializer_list<EntryBuilder> entries = {},
                     int show = SW_HIDE)
    {
        CopyShippedSetupFiles();
        WriteFixture(Path("zuvavodi.sdn"));
        if (withInitial)
            WriteFixture(Path("zuvavodi.sdo"));
        m_answers.messageBox = [this](const MessageBoxRequest& box) {
            m_boxes.push_back(box.text);
            return m_nextAnswers.empty() ? IDYES : TakeAnswer();
        };
        ASSERT_TRUE(Start(show));
        // The start completes the dictionary with the accounts it needs; the
        // tests work on the fixture as it is.
        LoadRecordFile(Path("zuvavodi.sdn"), Document()->m_arrDictionary);
        for (const EntryBuilder& entry : entries)
            Document()->m_arrJournal.Add(entry.New());
        Frame()->SendMessage(WM_COMMAND, ID_VIEW_SETTEI);
        PumpWaitingMessages();
        ASSERT_NE(nullptr, View());
        m_boxes.clear();
    }

    int TakeAnswer()
    {
        const int answer = m_nextAnswers.front();
        m_nextAnswers.erase(m_nextAnswers.begin());
        return answer;
    }

    settei* View() const { return ActiveViewOf<settei>(); }
    DictionaryNodes& Nodes() const { return Document()->m_arrDictionary; }

    void Select(int node)
    {
        HTREEITEM item = View()->FindItemOfNode(node);
        ASSERT_NE(nullptr, item) << node;
        View()->m_tree.SelectItem(item);
        PumpWaitingMessages();
    }
    int Selected() const { return View()->NodeOf(View()->m_tree.GetSelectedItem()); }

    void Click(int id)
    {
        View()->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                            reinterpret_cast<LPARAM>(View()->GetDlgItem(id)->m_hWnd));
        PumpWaitingMessages();
    }
    bool Visible(int id) const { return (View()->GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }
    CString Text(int id) const
    {
        CString text;
        View()->GetDlgItemText(id, text);
        return text;
    }
    void Type(int id, const char* text) { View()->SetDlgItemText(id, text); }
    bool Asked(const char* words) const
    {
        for (const CString& box : m_boxes)
            if (box.Find(words) >= 0)
                return true;
        return false;
    }

    // Every tree item names its node, shows its kind's icon, and every node has one item.
    void ExpectItemsMatchNodes()
    {
        CTreeCtrl& tree = View()->m_tree;
        std::vector<int> seen(static_cast<size_t>(Nodes().GetSize()), 0);
        std::vector<HTREEITEM> pending{tree.GetRootItem()};
        while (!pending.empty()) {
            HTREEITEM item = pending.back();
            pending.pop_back();
            const int node = static_cast<int>(tree.GetItemData(item));
            ASSERT_GE(node, 0);
            ASSERT_LT(node, Nodes().GetSize());
            EXPECT_EQ(Nodes()[node]->m_strName, tree.GetItemText(item)) << node;
            int image = -1, selectedImage = -1;
            tree.GetItemImage(item, image, selectedImage);
            EXPECT_EQ(View()->NodeKind(node), image) << node;
            ++seen[static_cast<size_t>(node)];
            for (HTREEITEM child = tree.GetChildItem(item); child; child = tree.GetNextSiblingItem(child))
                pending.push_back(child);
        }
        for (size_t i = 0; i < seen.size(); ++i)
            EXPECT_EQ(1, seen[i]) << i;
        EXPECT_TRUE(IsDictionaryTree(Nodes()));
    }

    // The editor repainted and photographed when a shot folder is asked for.
    void Photograph(const char* name)
    {
        View()->Invalidate(TRUE);
        ::Photograph(Frame(), name);
    }

    std::vector<CString> m_boxes;
    std::vector<int> m_nextAnswers;
};

TEST_F(SetteiViewTest, TreeShowsEveryNodeWithTheIconOfItsKind)
{
    StartEditor();
    EXPECT_EQ(kBookDictionary, Document()->m_nCurBook);
    CTreeCtrl& tree = View()->m_tree;
    HTREEITEM root = tree.GetRootItem();
    EXPECT_TRUE(tree.GetItemState(root, TVIS_EXPANDED) & TVIS_EXPANDED);
    int classes = 0;
    for (HTREEITEM c = tree.GetChildItem(root); c; c = tree.GetNextSiblingItem(c)) {
        ++classes;
        EXPECT_FALSE(tree.GetItemState(c, TVIS_EXPANDED) & TVIS_EXPANDED);
    }
    EXPECT_EQ(8, classes);
    ExpectItemsMatchNodes();
    const int kinds[] = {0, 1, 1, 1, 1, 1, 1, 1, 4, 2, 2, 2, 2, 5, 5, 3, 3, 3, 6};
    for (int i = 0; i < Nodes().GetSize(); ++i)
        EXPECT_EQ(kinds[i], View()->NodeKind(i)) << i;
}

TEST_F(SetteiViewTest, SelectionShowsThePanelsOfItsKind)
{
    StartEditor();
    struct Case {
        int node;
        bool guide, beside, under;
        const char* group;
        const char* name;
    };
    const Case cases[] = {
        {0, true, false, false, "科目分類名", ""},
        {1, false, false, true, "科目分類名", "収益"},
        {8, false, false, true, "科目分類名", "結果科目"},
        {9, false, true, true, "原因科目名", "売上"},
        {14, false, true, true, "結果科目名", "普通預金"},
        {15, false, true, false, "摘要名", "家事消費"},
        {18, false, true, false, "摘要名", "みずほ"},
    };
    for (const Case& c : cases) {
        Select(c.node);
        EXPECT_EQ(c.guide, Visible(IDC_DICT_GUIDE)) << c.node;
        EXPECT_EQ(c.beside, Visible(IDC_DICT_CREATE_BEFORE)) << c.node;
        EXPECT_EQ(c.beside, Visible(IDC_DICT_CREATE_AFTER)) << c.node;
        EXPECT_EQ(c.under, Visible(IDC_DICT_CREATE_UNDER)) << c.node;
        EXPECT_EQ(CString(c.group), Text(IDC_DICT_NAME_GROUP)) << c.node;
        EXPECT_EQ(CString(c.name), Text(IDC_DICT_NAME)) << c.node;
    }

    Select(9);  // a cause account: its connecting words and the mock-up
    EXPECT_EQ(CString("について"), Text(IDC_DICT_WORD1));
    EXPECT_EQ(CString("として"), Text(IDC_DICT_WORD1B));
    EXPECT_EQ(CString("原因科目の接続用語"), Text(IDC_DICT_WORD_GROUP));
    EXPECT_EQ(CString("売上"), Text(IDC_DICT_SHOW_CAUSE));
    EXPECT_EQ(CString("\n 収益●\n 費用\n 負債\n 資産\n 資本"), Text(IDC_DICT_SHOW_CLASSES));
    EXPECT_TRUE(Visible(IDC_DICT_WORD1B_LABEL));

    Select(13);  // a result account stored on one line
    EXPECT_EQ(CString("で受取り"), Text(IDC_DICT_WORD1));
    EXPECT_EQ(CString(""), Text(IDC_DICT_WORD1B));
    EXPECT_EQ(CString("[資産の増加]"), Text(IDC_DICT_WORD1_LABEL));
    EXPECT_EQ(CString("[資産の減少]"), Text(IDC_DICT_WORD2_LABEL));
    EXPECT_FALSE(Visible(IDC_DICT_WORD1B_LABEL));

    Select(14);  // a padded first line and a second line
    EXPECT_EQ(CString("に預け入れ"), Text(IDC_DICT_WORD1));
    EXPECT_EQ(CString("です"), Text(IDC_DICT_WORD1B));
    EXPECT_EQ(CString("から引出し"), Text(IDC_DICT_WORD2));

    Select(15);  // a description whose name no account has
    EXPECT_EQ(CString(""), Text(IDC_DICT_SHOW_CLASSES));
    EXPECT_FALSE(Visible(IDC_DICT_WORD1));
    EXPECT_EQ(CString("家事消費"), Text(IDC_DICT_SHOW_DESC1));
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(SetteiViewTest, ConnectWordOfTheMockUpCyclesThroughTheCandidates)
{
    StartEditor();
    Select(10);  // 通信費: its own two words, then the one built-in phrase "から"
    std::vector<CString> shown;
    for (int i = 0; i < 4; ++i) {
        View()->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_DICT_SHOW_WORD, STN_CLICKED),
                            reinterpret_cast<LPARAM>(View()->GetDlgItem(IDC_DICT_SHOW_WORD)->m_hWnd));
        shown.push_back(Text(IDC_DICT_SHOW_WORD));
    }
    EXPECT_EQ((std::vector<CString>{"として", "から", "について", "として"}), shown);
}

TEST_F(SetteiViewTest, DamagedDictionaryNeitherReadsOutOfRangeNorLoops)
{
    StartEditor();
    Nodes()[9]->m_nFirstChild = 1;     // back to a class: a loop
    Nodes()[10]->m_nFirstChild = 500;  // beyond the array
    Nodes()[10]->m_nChildCount = 3;
    Nodes()[12]->m_nChildCount = 90;   // a run past the end
    View()->FillTree();
    EXPECT_LE(View()->m_tree.GetCount(), static_cast<UINT>(Nodes().GetSize()));
    for (int i = 0; i < Nodes().GetSize(); ++i) {
        const int kind = View()->NodeKind(i);
        EXPECT_GE(kind, 0);
        EXPECT_LE(kind, 6);
        if (HTREEITEM item = View()->FindItemOfNode(i)) {
            View()->m_tree.SelectItem(item);
            PumpWaitingMessages();
        }
    }
    CPageJob job(View());
    ASSERT_TRUE(job.Begin());
    EXPECT_TRUE(job.RenderPage(1));
}

TEST_F(SetteiViewTest, ResultWordOfAnImportIsCutOnACharacterBoundary)
{
    StartEditor();
    // Not padded: the 14th byte is the first half of "金".
    Nodes()[13]->m_strWord1 = "あいうえおかきく";  // 16 bytes
    Nodes()[13]->m_strWord2 = "abcdefghijklmあい";  // "あ" spans bytes 13 and 14
    Select(13);
    EXPECT_EQ(CString("あいうえおかき"), Text(IDC_DICT_WORD1));
    EXPECT_EQ(CString("く"), Text(IDC_DICT_WORD1B));
    EXPECT_EQ(CString("abcdefghijklm"), Text(IDC_DICT_WORD2));
    EXPECT_EQ(CString("あい"), Text(IDC_DICT_WORD2B));
}

TEST_F(SetteiViewTest, CreateUnderAClassWithoutAccountsShiftsTheLaterRuns)
{
    StartEditor();
    Select(2);
    Click(IDC_DICT_CREATE_UNDER);
    ASSERT_EQ(20, Nodes().GetSize());
    EXPECT_EQ(10, View()->m_nNewIndex);
    EXPECT_EQ(10, Nodes()[2]->m_nFirstChild);
    EXPECT_EQ(1, Nodes()[2]->m_nChildCount);
    EXPECT_EQ(11, Nodes()[3]->m_nFirstChild);
    EXPECT_EQ(CString("新しい項目"), Nodes()[10]->m_strName);
    EXPECT_EQ(CString("について"), Nodes()[10]->m_strWord1);
    EXPECT_EQ(10, Selected());
    EXPECT_EQ(1, View()->m_bRegistering);
    ExpectItemsMatchNodes();

    // While it is being registered, another node cannot be selected and the book
    // buttons stay.
    Select(9);
    EXPECT_TRUE(Asked("新しい項目の登録中です。"));
    EXPECT_EQ(10, Selected());
    m_boxes.clear();
    Click(1022);
    EXPECT_TRUE(Asked("科目辞書の編集に戻ります。"));
    ASSERT_NE(nullptr, View());

    Type(IDC_DICT_NAME, "仕入");
    Click(IDC_DICT_CHANGE);
    EXPECT_EQ(CString("仕入"), Nodes()[10]->m_strName);
    EXPECT_EQ(0, View()->m_bRegistering);
    ExpectItemsMatchNodes();
}

TEST_F(SetteiViewTest, CreateBeforeAndAfterPlaceTheNodeBesideTheSelection)
{
    StartEditor();
    Select(12);  // 普通預金, the last account of its class: after adds at the end
    Click(IDC_DICT_CREATE_AFTER);
    EXPECT_EQ(13, View()->m_nNewIndex);
    EXPECT_EQ(3, Nodes()[5]->m_nChildCount);
    ExpectItemsMatchNodes();
    Type(IDC_DICT_NAME, "小口現金");
    Click(IDC_DICT_CHANGE);

    Select(11);  // 現金, the first account: before makes the new node the first
    Click(IDC_DICT_CREATE_BEFORE);
    EXPECT_EQ(11, View()->m_nNewIndex);
    EXPECT_EQ(11, Selected());
    EXPECT_EQ(4, Nodes()[5]->m_nChildCount);
    EXPECT_EQ(CString("現金"), Nodes()[12]->m_strName);
    ExpectItemsMatchNodes();
    Type(IDC_DICT_NAME, "当座預金");
    Click(IDC_DICT_CHANGE);

    Select(17);  // a description: a new description right after it
    const int words = Nodes().GetSize();
    Click(IDC_DICT_CREATE_AFTER);
    EXPECT_EQ(words + 1, Nodes().GetSize());
    ExpectItemsMatchNodes();
}

TEST_F(SetteiViewTest, RefusalsOnTheRootTheClassesAndTheResultBranch)
{
    StartEditor();
    const std::vector<CString> before = NodeLines(Nodes());
    struct Case {
        int node;
        int button;
        const char* message;
    };
    const Case cases[] = {
        {0, IDC_DICT_CREATE_UNDER, "「仕分の分類」の属下には"},
        {0, IDC_DICT_CREATE_BEFORE, "「仕分の分類」の前には"},
        {3, IDC_DICT_CREATE_AFTER, "「科目の分類」の次には"},
        {8, IDC_DICT_CREATE_BEFORE, "「科目の分類3」の前には"},
        {15, IDC_DICT_CREATE_UNDER, "この項目の属下には新規作成できません"},
        {3, IDC_DICT_CHANGE, "この項目は変更できません"},
        {8, IDC_DICT_DELETE, "この項目は削除できません"},
        {5, IDC_DICT_DELETE, "この項目は削除できません"},
    };
    for (const Case& c : cases) {
        Select(c.node);
        m_boxes.clear();
        Click(c.button);
        ASSERT_EQ(1u, m_boxes.size()) << c.node << " " << c.button;
        EXPECT_EQ(0, m_boxes[0].Find(c.message)) << m_boxes[0];
    }
    EXPECT_EQ(before, NodeLines(Nodes()));
    // Leaving the name field of a class runs the change, which refuses.
    Select(3);
    m_boxes.clear();
    View()->OnKillfocusName();
    EXPECT_TRUE(Asked("この項目は変更できません"));
}

TEST_F(SetteiViewTest, ChangeOfADescriptionKeepsItsOwnWords)
{
    StartEditor();
    Select(10);  // an account fills the second word field with "として"
    Select(16);
    Type(IDC_DICT_NAME, "携帯電話代");
    Click(IDC_DICT_CHANGE);
    EXPECT_EQ(CString("携帯電話代"), Nodes()[16]->m_strName);
    EXPECT_EQ(CString("X語"), Nodes()[16]->m_strWord1);
    EXPECT_EQ(CString("Y語"), Nodes()[16]->m_strWord2);
    EXPECT_EQ(CString("携帯電話代"), View()->m_tree.GetItemText(View()->FindItemOfNode(16)));
    EXPECT_EQ(CString("携帯電話代"), Text(IDC_DICT_SHOW_DESC1));
    EXPECT_EQ(CString("通信費"), Text(IDC_DICT_SHOW_CAUSE));
}

TEST_F(SetteiViewTest, ChangeOfAResultAccountJoinsItsLinesAndAsksAboutAnUnknownName)
{
    StartEditor();
    Select(13);
    Type(IDC_DICT_WORD1, "で受取る");
    Type(IDC_DICT_WORD1B, "とする");
    Click(IDC_DICT_CHANGE);
    EXPECT_EQ(CString("で受取る      とする"), Nodes()[13]->m_strWord1);

    Select(8);
    Click(IDC_DICT_CREATE_UNDER);
    const int fresh = View()->m_nNewIndex;
    EXPECT_EQ(CString(""), Nodes()[fresh]->m_strWord1);
    Type(IDC_DICT_NAME, "未登録科目");
    m_nextAnswers = {IDNO};
    Click(IDC_DICT_CHANGE);
    EXPECT_TRUE(Asked("原因科目に登録されていません。"));
    EXPECT_EQ(20, Nodes().GetSize());
    m_nextAnswers = {IDYES};
    Click(IDC_DICT_CHANGE);
    EXPECT_EQ(19, Nodes().GetSize());
    EXPECT_EQ(2, Nodes()[8]->m_nChildCount);
    ExpectItemsMatchNodes();
}

TEST_F(SetteiViewTest, DeleteUsesTheSelectedNodesNameAndRemovesItsResultTwin)
{
    StartEditor();
    Select(15);  // first the description of 売上: node 9 then has none
    Click(IDC_DICT_DELETE);
    EXPECT_EQ(0, Nodes()[9]->m_nFirstChild);
    EXPECT_EQ(18, Nodes().GetSize());
    ExpectItemsMatchNodes();

    Select(12);  // 普通預金, important in the initial dictionary
    Type(IDC_DICT_NAME, "別の名前");
    m_boxes.clear();
    Click(IDC_DICT_DELETE);
    ASSERT_EQ(2u, m_boxes.size());
    EXPECT_EQ(CString("< 普通預金 >　を　削除しますか？"), m_boxes[0]);
    EXPECT_EQ(CString("< 普通預金 >　は　重要科目です。削除しますか？"), m_boxes[1]);
    // The account with its description and the result account with its own.
    EXPECT_EQ(14, Nodes().GetSize());
    for (int i = 0; i < Nodes().GetSize(); ++i)
        EXPECT_NE(CString("普通預金"), Nodes()[i]->m_strName) << i;
    EXPECT_EQ(1, Nodes()[8]->m_nChildCount);
    ExpectItemsMatchNodes();
}

TEST_F(SetteiViewTest, DeleteKeepsTheResultAccountThatAnotherCauseAccountNames)
{
    StartEditor(false);  // no initial dictionary: nothing counts as important
    Select(6);
    Click(IDC_DICT_CREATE_UNDER);
    Type(IDC_DICT_NAME, "現金");
    Click(IDC_DICT_CHANGE);
    const int size = Nodes().GetSize();
    Select(11);  // the first 現金
    m_boxes.clear();
    Click(IDC_DICT_DELETE);
    EXPECT_EQ(1u, m_boxes.size());
    EXPECT_EQ(size - 1, Nodes().GetSize());
    EXPECT_EQ(2, Nodes()[8]->m_nChildCount);
    ExpectItemsMatchNodes();

    m_nextAnswers = {IDNO};
    Select(9);
    Click(IDC_DICT_DELETE);
    EXPECT_EQ(size - 1, Nodes().GetSize());
}

TEST_F(SetteiViewTest, ResetWithoutTheInitialDictionaryChangesNothing)
{
    StartEditor(false);
    Nodes()[9]->m_strName = "売上高";
    const std::vector<CString> before = NodeLines(Nodes());
    const std::string fileBefore = ReadFileBytes(Path("zuvavodi.sdn"));
    Click(IDC_DICT_RESET);
    ASSERT_EQ(2u, m_boxes.size());
    EXPECT_EQ(CString("科目辞書データを初期値に戻すますか？"), m_boxes[0]);
    EXPECT_EQ(0, m_boxes[1].Find("初期値に戻すことに失敗しました。"));
    EXPECT_EQ(before, NodeLines(Nodes()));
    EXPECT_EQ(fileBefore, ReadFileBytes(Path("zuvavodi.sdn")));

    // With the initial dictionary present it comes back, in memory and on disk.
    WriteFixture(Path("zuvavodi.sdo"));
    m_boxes.clear();
    Click(IDC_DICT_RESET);
    EXPECT_TRUE(Asked("科目辞書データは初期値に戻りました。"));
    EXPECT_EQ(CString("売上"), Nodes()[9]->m_strName);
    EXPECT_EQ(ReadFileBytes(Path("zuvavodi.sdo")), ReadFileBytes(Path("zuvavodi.sdn")));
    ExpectItemsMatchNodes();
}

TEST_F(SetteiViewTest, ResetThatCannotWriteTheWorkingFileLeavesItAndTheDictionaryWhole)
{
    StartEditor();
    Nodes()[9]->m_strName = "売上高";
    const std::vector<CString> before = NodeLines(Nodes());
    const std::string fileBefore = ReadFileBytes(Path("zuvavodi.sdn"));
    // A damaged initial file (no dictionary tree), then a write that fails half-way.
    WriteFixture(Path("zuvavodi.sdo"), 5);
    Click(IDC_DICT_RESET);
    WriteFixture(Path("zuvavodi.sdo"));
    g_replaceFault = {ReplaceFault::write, 40};
    Click(IDC_DICT_RESET);
    g_replaceFault = ReplaceFault();
    int failures = 0;
    for (const CString& box : m_boxes)
        failures += box.Find("初期値に戻すことに失敗しました。") == 0 ? 1 : 0;
    EXPECT_EQ(2, failures);
    EXPECT_EQ(before, NodeLines(Nodes()));
    EXPECT_EQ(fileBefore, ReadFileBytes(Path("zuvavodi.sdn")));
}

TEST_F(SetteiViewTest, ASelectedDescriptionShowsItsAccountInTheMockUpAsAChangeDoes)
{
    StartEditor();
    for (int kind : {dict_edit::kCauseDescription, dict_edit::kResultDescription}) {
        SCOPED_TRACE(kind);
        int description = -1;
        for (int i = 0; i < Nodes().GetSize() && description < 0; ++i)
            if (View()->NodeKind(i) == kind)
                description = i;
        ASSERT_GE(description, 0);
        const CString account = Nodes()[dict_edit::ParentOf(Nodes(), description)]->m_strName;
        const int accountField = kind == dict_edit::kCauseDescription ? IDC_DICT_SHOW_CAUSE : IDC_DICT_SHOW_RESULT;
        const int descriptionField = kind == dict_edit::kCauseDescription ? IDC_DICT_SHOW_DESC1 : IDC_DICT_SHOW_DESC2;
        Select(description);
        const CString selected[] = {Text(accountField), Text(descriptionField)};
        EXPECT_EQ(account, selected[0]);
        EXPECT_EQ(Nodes()[description]->m_strName, selected[1]);
        // 変更 without editing shows the same.
        Click(IDC_DICT_CHANGE);
        EXPECT_EQ(selected[0], Text(accountField));
        EXPECT_EQ(selected[1], Text(descriptionField));
    }
}

TEST_F(SetteiViewTest, FramesStayAroundTheirControlsWhenTheFormIsScrolled)
{
    StartEditor();
    Frame()->MoveWindow(0, 0, 700, 500);
    PumpWaitingMessages();
    View()->ScrollToPosition(CPoint(120, 40));
    PumpWaitingMessages();
    const CPoint scroll = View()->GetScrollPosition();
    ASSERT_GT(scroll.x, 0);
    ASSERT_GT(scroll.y, 0);

    // The view paints into a recording through its own scrolled device context.
    HDC screen = ::GetDC(nullptr);
    HDC recording = ::CreateEnhMetaFileW(screen, nullptr, nullptr, nullptr);
    {
        CDC dc;
        dc.Attach(recording);
        View()->OnPrepareDC(&dc);
        View()->OnDraw(&dc);
        dc.Detach();
    }
    HENHMETAFILE drawing = ::CloseEnhMetaFile(recording);
    ::ReleaseDC(nullptr, screen);
    const std::vector<PageLine> lines = PageLines(drawing);
    ::DeleteEnhMetaFile(drawing);

    // The partners' group frame starts 8 px inside its group box as the box shows
    // now: in the scrolled drawing, that place plus the scroll.
    const CRect group = View()->ControlRect(1077);
    const CPoint corner(group.left + 8 + scroll.x, group.top + 14 + scroll.y);
    bool found = false;
    for (const PageLine& line : lines)
        found = found || (line.from == corner && line.to == CPoint(group.right - 8 + scroll.x, corner.y));
    EXPECT_TRUE(found);
}

TEST_F(SetteiViewTest, ExportThenImportGivesTheSameDictionary)
{
    StartEditor();
    const std::vector<CString> exported = NodeLines(Nodes());
    const CString csv = Path("辞書.sft");
    std::vector<FileDialogRequest> dialogs;
    m_answers.fileDialog = [&](FileDialogRequest& request) {
        dialogs.push_back(request);
        request.fileName = csv;
        return IDOK;
    };
    Click(IDC_DICT_EXPORT);
    ASSERT_EQ(1u, dialogs.size());
    EXPECT_FALSE(dialogs[0].bOpenFileDialog);
    EXPECT_EQ(0u, dialogs[0].flags & OFN_FILEMUSTEXIST);
    EXPECT_TRUE(Asked("科目辞書データのエクスポートが完了しました。"));
    EXPECT_FALSE(Asked("上書きしますか"));
    const std::string written = ReadFileBytes(csv);

    // An existing file is overwritten only after a question.
    Select(15);
    Click(IDC_DICT_DELETE);
    m_boxes.clear();
    m_nextAnswers = {IDYES, IDNO};
    Click(IDC_DICT_EXPORT);
    EXPECT_TRUE(Asked("上書きしますか"));
    EXPECT_EQ(written, ReadFileBytes(csv));

    m_boxes.clear();
    Click(IDC_DICT_IMPORT);
    EXPECT_TRUE(dialogs.back().bOpenFileDialog);
    EXPECT_NE(0u, dialogs.back().flags & OFN_FILEMUSTEXIST);
    EXPECT_TRUE(Asked("科目辞書データのインポートが完了しました。"));
    EXPECT_EQ(exported, NodeLines(Nodes()));
    ExpectItemsMatchNodes();
}

TEST_F(SetteiViewTest, DamagedCsvIsRefusedAndChangesNothing)
{
    StartEditor();
    const CString csv = Path("壊れた.sft");
    // A first child beyond the end of the file.
    WriteFileBytes(csv, "1,8,科目辞書,,\r\n40,2,収益,,\r\n0,0,費用,,\r\n");
    m_answers.fileDialog = [&](FileDialogRequest& request) {
        request.fileName = csv;
        return IDOK;
    };
    const std::vector<CString> before = NodeLines(Nodes());
    Click(IDC_DICT_IMPORT);
    ASSERT_EQ(2u, m_boxes.size());
    EXPECT_EQ(0, m_boxes[1].Find("項目CSVデータの読み込みに失敗ました。"));
    EXPECT_EQ(before, NodeLines(Nodes()));
    EXPECT_EQ(before.size(), static_cast<size_t>(View()->m_tree.GetCount()));
}

class SetteiRebuildTest : public SetteiViewTest {
protected:
    // Answers each auto-registration question with the button, in turn.
    void AnswerQuestionsWith(std::vector<int> buttons)
    {
        m_buttons = std::move(buttons);
        m_answers.dialogs[IDD_DICT_REGISTER] = [this](CDialog& dialog) {
            CString question;
            dialog.GetDlgItemText(1125, question);
            m_questions.push_back(question);
            const int button = m_buttons.empty() ? IDOK : m_buttons.front();
            if (!m_buttons.empty())
                m_buttons.erase(m_buttons.begin());
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                               reinterpret_cast<LPARAM>(dialog.GetDlgItem(button)->m_hWnd));
        };
    }
    std::vector<int> m_buttons;
    std::vector<CString> m_questions;
};

TEST_F(SetteiRebuildTest, RegistersWhatTheJournalUsesAfterEachQuestion)
{
    // 旅費交通費 with a description in an expense row, 売掛金 in a result row of
    // class 5, a first entry without class digits, and a row already in the dictionary.
    StartEditor(true, {Entry("謎の科目", "", "現金", 0), Entry("旅費交通費", "電車", "現金", 3005000),
                       Entry("現金", "", "売掛金", 5005000), Entry("通信費", "電話代", "現金", 3005000)});
    AnswerQuestionsWith({IDOK, IDOK, IDOK});
    Click(IDC_DICT_REBUILD);
    ASSERT_EQ(3u, m_questions.size());
    EXPECT_NE(-1, m_questions[0].Find("＜旅費交通費＞ を 【費用】 として「科目辞書」に登録しますか？"));
    EXPECT_NE(-1, m_questions[1].Find("電車 を、＜旅費交通費＞の摘要 として"));
    EXPECT_NE(-1, m_questions[2].Find("＜売掛金＞ を 【資産】 として"));
    EXPECT_TRUE(Asked("4項目を登録し再構築が完了しました。"));
    EXPECT_EQ(23, Nodes().GetSize());
    for (int i = 0; i < Nodes().GetSize(); ++i)
        EXPECT_NE(CString("謎の科目"), Nodes()[i]->m_strName);
    // 売掛金 in the result branch too, with the words of class 5.
    const dict_edit::Run results = dict_edit::ChildRun(Nodes(), dict_edit::kResultBranch);
    ASSERT_EQ(3, results.count);
    const CKiso* receivable = Nodes()[results.first + 2];
    EXPECT_EQ(CString("売掛金"), receivable->m_strName);
    EXPECT_EQ(CString("で受取り"), receivable->m_strWord1);
    EXPECT_EQ(CString("で支払い"), receivable->m_strWord2);
    ExpectItemsMatchNodes();
}

TEST_F(SetteiRebuildTest, CancelAllRegistersNothingAndSaysNothing)
{
    StartEditor(true, {Entry("旅費交通費", "電車", "現金", 3005000), Entry("現金", "", "売掛金", 5005000)});
    const std::vector<CString> before = NodeLines(Nodes());
    AnswerQuestionsWith({1010});
    Click(IDC_DICT_REBUILD);
    EXPECT_EQ(1u, m_questions.size());
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(before, NodeLines(Nodes()));
}

TEST_F(SetteiRebuildTest, AllAnswersAndResetThenAll)
{
    StartEditor(true, {Entry("旅費交通費", "電車", "現金", 3005000), Entry("会議費", "お茶", "現金", 3005000)});
    AnswerQuestionsWith({1022});  // すべて実行: one question, then everything
    Click(IDC_DICT_REBUILD);
    EXPECT_EQ(1u, m_questions.size());
    EXPECT_TRUE(Asked("4項目を登録し再構築が完了しました。"));
    EXPECT_EQ(23, Nodes().GetSize());

    // 初期化してすべて実行 at the description question: the dictionary is first
    // the initial one again, where the account is looked up anew.
    Nodes()[9]->m_strName = "売上高";
    Document()->m_arrJournal.InsertAt(0, Entry("通信費", "切手", "現金", 3005000).New());
    m_questions.clear();
    m_boxes.clear();
    AnswerQuestionsWith({1011});
    Click(IDC_DICT_REBUILD);
    ASSERT_EQ(1u, m_questions.size());
    EXPECT_NE(-1, m_questions[0].Find("切手 を、＜通信費＞の摘要"));
    EXPECT_EQ(CString("売上"), Nodes()[9]->m_strName);
    // 切手, then 旅費交通費, 電車, 会議費 and お茶 once more, without questions.
    EXPECT_TRUE(Asked("5項目を登録し再構築が完了しました。"));
    EXPECT_EQ(24, Nodes().GetSize());
    ExpectItemsMatchNodes();
}

TEST_F(SetteiRebuildTest, SampleFileAsksFirst)
{
    StartEditor(true, {Entry("旅費交通費", "", "現金", 3005000)});
    Document()->m_bSample = -1;
    m_nextAnswers = {IDNO};
    AnswerQuestionsWith({});
    Click(IDC_DICT_REBUILD);
    ASSERT_EQ(1u, m_boxes.size());
    EXPECT_EQ(0, m_boxes[0].Find("作業中の会計データファイルは、サンプルデータです。"));
    EXPECT_TRUE(m_questions.empty());
}

TEST_F(SetteiViewTest, PrintedPageDrawsTheTreeWithItsHead)
{
    StartEditor();
    CPageJob job(View());
    ASSERT_TRUE(job.Begin());
    EXPECT_EQ(1u, job.Info().GetMaxPage());
    CPageMetafile page = job.RenderPage(1);
    ASSERT_TRUE(page);
    const std::vector<PageText> texts = PageTexts(page.Get());
    auto at = [&](const char* text) -> const PageText* {
        for (const PageText& t : texts)
            if (t.text == text)
                return &t;
        return nullptr;
    };
    const PageText* head = at("====  項 目 の 階 層 図  ====");
    ASSERT_NE(nullptr, head);
    EXPECT_EQ(CPoint(750, -80), head->at);
    EXPECT_EQ(CString("ＭＳ 明朝"), head->face);
    ASSERT_NE(nullptr, at("Page  1"));
    // 収益, 売上 and 家事消費 share row 1; 費用 starts row 2.
    for (const auto& [name, x, y] : std::vector<std::tuple<const char*, int, int>>{
             {"収益", 300, -230}, {"売上", 850, -230}, {"家事消費", 1400, -230}, {"費用(仕入.給与.税)", 300, -280}}) {
        const PageText* t = at(name);
        ASSERT_NE(nullptr, t) << name;
        EXPECT_EQ(CPoint(x, y), t->at) << name;
    }
    // 18 names and the 5 texts of the head.
    EXPECT_EQ(23u, texts.size());
    const std::vector<PageLine> lines = PageLines(page.Get());
    EXPECT_FALSE(lines.empty());
    // The joint of 収益 to 売上 on row 1: from 20 units per byte after 収益.
    bool joint = false;
    for (const PageLine& l : lines)
        joint = joint || (l.from == CPoint(300 + 20 * 4, -250) && l.to == CPoint(820, -250));
    EXPECT_TRUE(joint);
    if (const char* folder = ShotFolder())
        SavePageAsBitmap(page.Get(), job.Geometry(), 100, CString(folder) + "\\settei_page1.bmp");
}

TEST_F(SetteiViewTest, ShippedDictionaryPagesStayOnTheSheet)
{
    CopyShippedSetupFiles();
    ASSERT_TRUE(Start());
    Frame()->SendMessage(WM_COMMAND, ID_VIEW_SETTEI);
    PumpWaitingMessages();
    ASSERT_NE(nullptr, View());
    CPageJob job(View());
    ASSERT_TRUE(job.Begin());
    const UINT pages = job.Info().GetMaxPage();
    ASSERT_GT(pages, 1u);
    const int bottom = -job.Geometry().printable.Height() / 10;
    size_t names = 0;
    for (UINT p = 1; p <= pages; ++p) {
        CPageMetafile page = job.RenderPage(p);
        ASSERT_TRUE(page);
        const std::vector<PageText> texts = PageTexts(page.Get());
        names += texts.size() - 5;
        for (const PageText& text : texts)
            EXPECT_GT(text.at.y - 40, bottom) << p << " " << static_cast<const char*>(text.text);
        for (const PageLine& line : PageLines(page.Get()))
            EXPECT_GT(std::min(line.from.y, line.to.y), bottom) << p;
        if (const char* folder = ShotFolder()) {
            CString file;
            file.Format("\\settei_shipped_page%u.bmp", p);
            SavePageAsBitmap(page.Get(), job.Geometry(), 100, CString(folder) + file);
        }
    }
    // Every node but the root is printed once.
    EXPECT_EQ(static_cast<size_t>(Nodes().GetSize() - 1), names);
}

// The shipped dictionary in the editor: a cause account, one of its
// descriptions and a result account each show their name under the heading of
// their kind. Photographed when a shot folder is asked for.
TEST_F(SetteiViewTest, ShippedDictionaryShowsEachKindOfNodeUnderItsHeading)
{
    CopyShippedSetupFiles();
    WriteFileBytes(Path("zuvavodi.sdo"), ReadFileBytes(CString(PROGRAM_DATA_FOLDER) + "\\zuvavodi.sdo"));
    m_answers.messageBox = [](const MessageBoxRequest&) { return IDYES; };
    ASSERT_TRUE(Start(SW_SHOWMAXIMIZED));
    Frame()->SendMessage(WM_COMMAND, ID_VIEW_SETTEI);
    PumpWaitingMessages();
    ASSERT_NE(nullptr, View());
    const dict_edit::Run accounts = dict_edit::ChildRun(Nodes(), 5);
    ASSERT_GT(accounts.count, 0);
    Select(accounts.first);
    View()->m_tree.Expand(View()->FindItemOfNode(5), TVE_EXPAND);
    EXPECT_EQ(CString("原因科目名"), Text(IDC_DICT_NAME_GROUP));
    EXPECT_EQ(CString("現金"), Text(IDC_DICT_NAME));
    Photograph("settei_account");
    int described = -1;
    for (int a = accounts.first; a < accounts.first + accounts.count && described < 0; ++a)
        if (dict_edit::ChildRun(Nodes(), a).count > 0)
            described = a;
    ASSERT_GE(described, 0);
    EXPECT_EQ(CString("当座預金"), Nodes()[described]->m_strName);
    Select(dict_edit::ChildRun(Nodes(), described).first);
    EXPECT_EQ(CString("摘要名"), Text(IDC_DICT_NAME_GROUP));
    EXPECT_EQ(CString("あおば銀行"), Text(IDC_DICT_NAME));
    Photograph("settei_description");
    const dict_edit::Run results = dict_edit::ChildRun(Nodes(), 8);
    Select(results.first);
    EXPECT_EQ(CString("結果科目名"), Text(IDC_DICT_NAME_GROUP));
    EXPECT_EQ(CString("現金"), Text(IDC_DICT_NAME));
    Photograph("settei_result");
}

}  // namespace
