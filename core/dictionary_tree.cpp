#include "dictionary_tree.h"

#include "class_code.h"
#include "column_text.h"
#include "node_words.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr int kSmallestTree = 9;
constexpr int kResultBranch = 8;

CKiso* NewNode(const CString& name, const CString& word1 = CString(), const CString& word2 = CString())
{
    auto* node = new CKiso;
    node->m_strName = name;
    node->m_strWord1 = word1;
    node->m_strWord2 = word2;
    return node;
}

bool Fault(TreeFault* fault, int node, int field, const char* what)
{
    if (fault)
        *fault = TreeFault{node, field, what};
    return false;
}

// The class digit (1 to 7) whose run holds the node, or 0.
int ClassOfAccount(const DictionaryNodes& nodes, int account)
{
    for (int k = 1; k <= 7; ++k) {
        const CKiso* c = nodes[k];
        if (c->m_nFirstChild != 0 && account >= c->m_nFirstChild && account < c->m_nFirstChild + c->m_nChildCount)
            return k;
    }
    return 0;
}

}  // namespace

const std::array<PartnerAccount, 9> kPartnerAccounts{{
    {CTorihikisaki::kSupplier, "仕入"},
    {CTorihikisaki::kSupplier, "買掛金"},
    {CTorihikisaki::kSupplier, "支払手形"},
    {CTorihikisaki::kCustomer, "売上"},
    {CTorihikisaki::kCustomer, "売掛金"},
    {CTorihikisaki::kCustomer, "受取手形"},
    {CTorihikisaki::kBank, "普通預金"},
    {CTorihikisaki::kBank, "当座預金"},
    {CTorihikisaki::kBank, "定期預金"},
}};

bool IsDictionaryTree(const DictionaryNodes& nodes, TreeFault* fault)
{
    const int n = nodes.GetSize();
    if (n < kSmallestTree)
        return Fault(fault, -1, 0, "科目辞書には9行以上が必要です");
    for (int i = 0; i < n; ++i)
        if (!nodes[i])
            return Fault(fault, i, 0, "項目がありません");
    if (nodes[0]->m_nFirstChild != 1)
        return Fault(fault, 0, 1, "最初の行（根）の子は1行目から始まる7分類と結果科目です");
    if (nodes[0]->m_nChildCount != 8)
        return Fault(fault, 0, 2, "最初の行（根）の子は7分類と結果科目の8個です");
    int next = 1;
    for (int i = 0; i < n; ++i) {
        const CKiso* node = nodes[i];
        if (node->m_nChildCount < 0)
            return Fault(fault, i, 2, "子の数が負です");
        if (node->m_nFirstChild == 0)
            continue;
        if (node->m_nFirstChild <= i)
            return Fault(fault, i, 1, "子の位置が自分より前です");
        if (node->m_nFirstChild != next)
            return Fault(fault, i, 1, "子の位置が前の項目の子の並びに続いていません");
        if (node->m_nChildCount > n - node->m_nFirstChild)
            return Fault(fault, i, 2, "子がファイルの行数を超えます");
        next = node->m_nFirstChild + node->m_nChildCount;
    }
    if (next != n)
        return Fault(fault, next, 0, "どの項目の子でもありません");
    return true;
}

AccountRanges AccountRangesOf(const DictionaryNodes& nodes)
{
    AccountRanges ranges;
    const CKiso* branch = nodes[kResultBranch];
    if (branch->m_nFirstChild != 0) {
        ranges.end = branch->m_nFirstChild;
        ranges.after = branch->m_nFirstChild + branch->m_nChildCount;
        return ranges;
    }
    for (int k = 1; k <= 7; ++k) {
        if (nodes[k]->m_nFirstChild != 0)
            ranges.end = nodes[k]->m_nFirstChild + nodes[k]->m_nChildCount;
    }
    ranges.after = ranges.end;
    return ranges;
}

void RegisterPartnerNames(DictionaryNodes& nodes, const CTypedPtrArray<CObArray, CTorihikisaki*>& partners, int kind,
                          int side, const CString& account)
{
    const AccountRanges ranges = AccountRangesOf(nodes);
    const int begin = side == 0 ? ranges.first : ranges.end;
    const int end = side == 0 ? ranges.end : ranges.after;
    const int afterAccounts = ranges.after;

    int target = -1;
    int first = 0;
    int count = 0;
    for (int i = begin; i < end; ++i) {
        const CKiso* node = nodes[i];
        if (node->m_strName == account) {
            target = i;
            first = node->m_nFirstChild;
            count = first == 0 ? 0 : node->m_nChildCount;
            continue;
        }
        // An account without descriptions gets its run where the next one begins.
        if (target >= 0 && first == 0 && node->m_nFirstChild != 0) {
            first = node->m_nFirstChild;
            break;
        }
    }
    if (target < 0)
        return;
    if (first == 0) {
        first = nodes.GetSize();
        for (int i = end; i < nodes.GetSize(); ++i) {
            if (nodes[i]->m_nFirstChild != 0) {
                first = nodes[i]->m_nFirstChild;
                break;
            }
        }
    }
    // The household-use descriptions of 売上 and the carry descriptions of 仕入 are
    // no partners; beyond the fixed ones the user may have made more of them
    // (such as 家事消費(食品)), and registering the partners keeps them.
    const char* keptMark = account == "売上" ? "家事" : account == "仕入" ? "繰" : nullptr;
    std::vector<CString> kept;
    for (int i = first; i < first + count; ++i) {
        const CString& name = nodes[i]->m_strName;
        if (keptMark && name.Find(keptMark) >= 0 && name != "家事消費" && name != "期首繰入" &&
            name != "期末繰戻")
            kept.push_back(name);
    }
    for (int i = first + count - 1; i >= first; --i) {
        delete nodes[i];
        nodes.RemoveAt(i);
    }
    int inserted = 0;
    auto insert = [&](const CString& name) { nodes.InsertAt(first + inserted++, NewNode(name)); };
    for (int i = 0; i < partners.GetSize(); ++i)
        if (partners[i]->m_nKind == kind)
            insert(partners[i]->m_strName);
    if (account == "売上") {
        insert("家事消費");
    } else if (account == "仕入") {
        insert("期首繰入");
        insert("期末繰戻");
    }
    for (const CString& name : kept)
        insert(name);
    nodes[target]->m_nFirstChild = inserted > 0 ? first : 0;
    nodes[target]->m_nChildCount = inserted;
    for (int i = target + 1; i < afterAccounts; ++i)
        if (nodes[i]->m_nFirstChild != 0)
            nodes[i]->m_nFirstChild += inserted - count;
}

bool RegisterAllPartners(DictionaryNodes& nodes, const CTypedPtrArray<CObArray, CTorihikisaki*>& partners)
{
    if (!IsDictionaryTree(nodes))
        return false;
    for (int side = 0; side < 2; ++side)
        for (const PartnerAccount& item : kPartnerAccounts)
            RegisterPartnerNames(nodes, partners, item.kind, side, item.account);
    return true;
}

int FindWorkChildNode(const DictionaryNodes& nodes, int parent, const CString& name)
{
    if (name.IsEmpty())
        return -1;
    const CKiso* node = nodes[parent];
    if (node->m_nFirstChild == 0)
        return -2;
    const int end = std::min(nodes.GetSize(), node->m_nFirstChild + node->m_nChildCount);
    for (int i = node->m_nFirstChild; i < end; ++i)
        if (nodes[i]->m_strName == name)
            return i;
    return -2;
}

int InsertWorkDictionaryNode(DictionaryNodes& nodes, CarryForwardSlots& slots, int parent, int kind,
                             const CString& name)
{
    int position = -1;
    for (int i = parent + 1; i < nodes.GetSize(); ++i) {
        if (nodes[i]->m_nFirstChild != 0) {
            position = nodes[i]->m_nFirstChild;
            break;
        }
    }
    CString word1, word2;
    NewNodeWords(kind, slots.wordClass, word1, word2);
    if (kind == kResultBranchNode)
        slots.wordClass = 0;
    CKiso* node = NewNode(name, word1, word2);
    if (position < 0) {
        position = nodes.Add(node);
    } else {
        nodes.InsertAt(position, node);
        for (int i = parent + 1; i < nodes.GetSize(); ++i)
            if (i != position && nodes[i]->m_nFirstChild != 0)
                nodes[i]->m_nFirstChild += 1;
    }
    if (nodes[parent]->m_nFirstChild == 0)
        nodes[parent]->m_nFirstChild = position;
    nodes[parent]->m_nChildCount += 1;
    return position;
}

void MergePrevYearRow(DictionaryNodes& nodes, CarryForwardSlots& slots, int row, const CString& account,
                      const CString& description)
{
    if (account.IsEmpty()) {
        slots.classIndex[row] = -1;
        return;
    }
    const AccountRanges ranges = AccountRangesOf(nodes);
    int found = -1;
    for (int i = ranges.first; i < ranges.end; ++i)
        if (nodes[i]->m_strName == account)
            found = i;
    int classDigit = slots.classIndex[row] + 1;
    // A code without class digits (or with a digit outside the classes) names no
    // class: an account missing from the dictionary cannot be placed, and a known
    // one takes its words from the class it stands under.
    if (classDigit < 1 || classDigit > 7) {
        if (found < 0)
            return;
        classDigit = ClassOfAccount(nodes, found);
    }
    slots.wordClass = classDigit;
    auto insertDescription = [&](int parent) {
        if (!description.IsEmpty())
            InsertWorkDictionaryNode(nodes, slots, parent, kDescriptionNode, description);
    };
    if (row < 3) {
        if (found < 0)
            insertDescription(InsertWorkDictionaryNode(nodes, slots, classDigit, kClassSideNode, account));
        else if (FindWorkChildNode(nodes, found, description) == -2)
            insertDescription(found);
        return;
    }
    if (found < 0) {
        const int onClassSide = InsertWorkDictionaryNode(nodes, slots, classDigit, kClassSideNode, account);
        const int inBranch = InsertWorkDictionaryNode(nodes, slots, kResultBranch, kResultBranchNode, account);
        insertDescription(onClassSide);
        insertDescription(inBranch);
        return;
    }
    bool added = false;
    const int inBranch = FindWorkChildNode(nodes, kResultBranch, account);
    if (inBranch == -2) {
        const int made = InsertWorkDictionaryNode(nodes, slots, kResultBranch, kResultBranchNode, account);
        if (!description.IsEmpty()) {
            insertDescription(made);
            added = true;
        }
    } else if (FindWorkChildNode(nodes, inBranch, description) == -2) {
        insertDescription(inBranch);
        added = true;
    }
    if (added && FindWorkChildNode(nodes, found, description) == -2)
        insertDescription(found);
}

void TakeClassDigits(CarryForwardSlots& slots, int classCode)
{
    const ClassCode code = DecodeClassCode(classCode);
    for (int row = 0; row < 6; ++row)
        slots.classIndex[static_cast<std::size_t>(row)] = code.ClassIndex(row);
}

void BuildWorkDictionary(const DictionaryNodes& dictionary, const JournalArray& prevJournal,
                         DictionaryNodes& work, CarryForwardSlots& slots)
{
    for (int i = 0; i < work.GetSize(); ++i)
        delete work[i];
    work.RemoveAll();
    for (int i = 0; i < dictionary.GetSize(); ++i) {
        const CKiso* from = dictionary[i];
        CKiso* copy = NewNode(from->m_strName, from->m_strWord1, from->m_strWord2);
        copy->m_nFirstChild = from->m_nFirstChild;
        copy->m_nChildCount = from->m_nChildCount;
        work.Add(copy);
    }
    if (!IsDictionaryTree(work))
        return;
    for (int i = 0; i < prevJournal.GetSize(); ++i) {
        const CMyObject2& entry = *prevJournal[i];
        TakeClassDigits(slots, entry.m_nClassCode);
        const CString* accounts[6] = {&entry.m_strCause1,  &entry.m_strCause2,  &entry.m_strCause3,
                                      &entry.m_strResult1, &entry.m_strResult2, &entry.m_strResult3};
        const CString* descriptions[6] = {&entry.m_strCauseDesc1,  &entry.m_strCauseDesc2,  &entry.m_strCauseDesc3,
                                          &entry.m_strResultDesc1, &entry.m_strResultDesc2, &entry.m_strResultDesc3};
        for (int row = 0; row < 6; ++row)
            MergePrevYearRow(work, slots, row, *accounts[row], *descriptions[row]);
    }
}
