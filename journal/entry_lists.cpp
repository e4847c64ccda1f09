#include "entry_lists.h"

#include "../core/sjis_text.h"

#include <algorithm>
#include <array>
#include <tuple>

const char* const kHeaderMark = "*=";
const char* const kRankedHeader = "*======入力候補==*";
const char* const kOtherAccountsHeader = "*=その他原因科目=*";

namespace {

constexpr int kResultBranch = 8;

const CKiso* Node(const Dictionary& dictionary, int index)
{
    return index >= 0 && index < dictionary.GetSize() ? dictionary.GetAt(index) : nullptr;
}

// The child run of node as [first, end), clipped to the array; empty when it has none.
std::pair<int, int> ChildRun(const Dictionary& dictionary, int node)
{
    const CKiso* parent = Node(dictionary, node);
    if (!parent || !parent->HasChildren())
        return {0, 0};
    const int first = parent->m_nFirstChild;
    const int end = std::min(first + parent->m_nChildCount, dictionary.GetSize());
    return {first, std::max(first, end)};
}

int BandOf(int count)
{
    if (count > 30)
        return 0;
    if (count >= 11)
        return 1;
    if (count >= 7)
        return 2;
    if (count >= 4)
        return 3;
    return 3 + (4 - count);  // 3 → 4, 2 → 5, 1 → 6
}

}  // namespace

std::vector<RankedAccount> RankCandidates(const CString& cause, const JournalArray& hints, const JournalArray& journal,
                                          std::initializer_list<EntryField> fields)
{
    std::vector<RankedAccount> found;
    auto count = [&](const JournalArray& records) {
        for (int i = 0; i < records.GetSize(); ++i) {
            const CMyObject2* record = records.GetAt(i);
            if (!ContainsWholeChars(record->m_strCause1, cause))
                continue;
            for (EntryField field : fields) {
                const CString& text = record->*field;
                if (text.IsEmpty())
                    continue;
                auto same = std::find_if(found.begin(), found.end(),
                                         [&text](const RankedAccount& a) { return a.name == text; });
                if (same == found.end())
                    found.push_back({text, 1});
                else
                    ++same->count;
            }
        }
    };
    count(hints);
    count(journal);

    std::vector<RankedAccount> ranked;
    ranked.reserve(found.size());
    for (int band = 0; band <= 6; ++band)
        for (const RankedAccount& account : found)
            if (BandOf(account.count) == band) {
                CString shown = account.name;
                shown.Remove(' ');
                ranked.push_back({shown, account.count});
            }
    return ranked;
}

std::vector<CString> OfferedResultList(const CString& cause, const Dictionary& dictionary, const JournalArray& hints,
                                       const JournalArray& journal)
{
    const std::vector<RankedAccount> ranked =
        RankCandidates(cause, hints, journal, {&CMyObject2::m_strResult1, &CMyObject2::m_strResult2,
                                               &CMyObject2::m_strResult3});
    std::vector<CString> list;
    if (!ranked.empty())
        list.push_back(kRankedHeader);
    for (const RankedAccount& account : ranked)
        list.push_back(account.name);
    list.push_back(kOtherAccountsHeader);
    const auto [first, end] = ChildRun(dictionary, kResultBranch);
    for (int i = first; i < end; ++i) {
        const CString& name = dictionary.GetAt(i)->m_strName;
        if (std::find(list.begin(), list.end(), name) == list.end())
            list.push_back(name);
    }
    return list;
}

int FindChildNode(const Dictionary& dictionary, int parent, const CString& name)
{
    if (name.IsEmpty())
        return -1;
    const auto [first, end] = ChildRun(dictionary, parent);
    for (int i = first; i < end; ++i)
        if (dictionary.GetAt(i)->m_strName == name)
            return i;
    return -2;
}

std::vector<CString> ChildNames(const Dictionary& dictionary, int node)
{
    std::vector<CString> names;
    const auto [first, end] = ChildRun(dictionary, node);
    for (int i = first; i < end; ++i)
        names.push_back(dictionary.GetAt(i)->m_strName);
    return names;
}

int ClassSideEnd(const Dictionary& dictionary)
{
    int end = std::min(kResultBranch + 1, dictionary.GetSize());
    for (int k = 1; k <= 7; ++k)
        end = std::max(end, ChildRun(dictionary, k).second);
    return end;
}

int FindClassSideAccount(const Dictionary& dictionary, const CString& name)
{
    int found = -1;
    const int end = ClassSideEnd(dictionary);
    for (int i = 1; i < end; ++i)
        if (dictionary.GetAt(i)->m_strName == name)
            found = i;
    return found;
}

int ClassIndexOfNode(const Dictionary& dictionary, int node)
{
    for (int k = 0; k < 7; ++k) {
        const auto [first, end] = ChildRun(dictionary, k + 1);
        if (node >= first && node < end)
            return k;
    }
    return -1;
}

int FindRowAccount(const Dictionary& dictionary, int side, const CString& name)
{
    int first = 0;
    int end = 0;
    if (side == 0) {
        const CKiso* classOne = Node(dictionary, 1);
        const CKiso* branch = Node(dictionary, kResultBranch);
        if (!classOne || !branch)
            return -1;
        first = classOne->m_nFirstChild;
        end = std::min(branch->m_nFirstChild, dictionary.GetSize());
        if (first <= 0)
            return -1;
    } else {
        std::tie(first, end) = ChildRun(dictionary, kResultBranch);
    }
    for (int i = first; i < end; ++i)
        if (dictionary.GetAt(i)->m_strName == name)
            return i;
    return -1;
}

bool IsPartnerAccount(const CString& name)
{
    static const std::array<const char*, 6> partners = {"売上", "売掛金", "受取手形", "仕入", "買掛金", "支払手形"};
    for (const char* partner : partners)
        if (name == partner)
            return true;
    return ContainsWholeChars(name, "預金");
}

CString DescriptionLabel(int side, int row, const CString& account)
{
    if (IsPartnerAccount(account))
        return "取引先";
    CString label;
    label.Format("%d段目摘要%d", row, side == 0 ? 1 : 2);
    return label;
}

int InsertDictionaryNodeWords(Dictionary& dictionary, int parent, const CString& name, const CString& word1,
                              const CString& word2)
{
    int position = -1;
    for (int i = parent + 1; i < dictionary.GetSize(); ++i)
        if (dictionary.GetAt(i)->m_nFirstChild != 0) {
            position = dictionary.GetAt(i)->m_nFirstChild;
            break;
        }
    auto* node = new CKiso;
    node->m_strName = name;
    node->m_strWord1 = word1;
    node->m_strWord2 = word2;
    if (position >= 0 && position <= dictionary.GetSize()) {
        dictionary.InsertAt(position, node);
        for (int i = parent + 1; i < dictionary.GetSize(); ++i)
            if (dictionary.GetAt(i)->m_nFirstChild != 0)
                ++dictionary.GetAt(i)->m_nFirstChild;
    } else {
        position = dictionary.Add(node);
    }
    CKiso* parentNode = dictionary.GetAt(parent);
    if (parentNode->m_nFirstChild == 0)
        parentNode->m_nFirstChild = position;
    ++parentNode->m_nChildCount;
    return position;
}

BOOL EnsureDictionaryAccount(Dictionary& dictionary, int classIndex, const CString& account,
                             const CString& description, const CString& causeWord1, const CString& causeWord2,
                             const CString& resultPhrase1, const CString& resultPhrase2)
{
    if (account.IsEmpty() || dictionary.GetSize() <= kResultBranch || classIndex < 0 || classIndex > 6)
        return FALSE;
    const int found = FindClassSideAccount(dictionary, account);
    if (found < 0) {
        // The class-side node goes in first: the result branch's run lies behind it.
        const int classNode = InsertDictionaryNodeWords(dictionary, classIndex + 1, account, causeWord1, causeWord2);
        const int branchNode =
            InsertDictionaryNodeWords(dictionary, kResultBranch, account, resultPhrase1, resultPhrase2);
        if (!description.IsEmpty()) {
            InsertDictionaryNodeWords(dictionary, classNode, description, "", "");
            InsertDictionaryNodeWords(dictionary, branchNode, description, "", "");
        }
        return TRUE;
    }
    BOOL added = FALSE;
    BOOL branchAdded = FALSE;
    const int branchNode = FindChildNode(dictionary, kResultBranch, account);
    if (branchNode == -2) {
        const int node = InsertDictionaryNodeWords(dictionary, kResultBranch, account, resultPhrase1, resultPhrase2);
        branchAdded = TRUE;
        if (!description.IsEmpty()) {
            InsertDictionaryNodeWords(dictionary, node, description, "", "");
            added = TRUE;
        }
    } else if (FindChildNode(dictionary, branchNode, description) == -2) {
        InsertDictionaryNodeWords(dictionary, branchNode, description, "", "");
        added = TRUE;
    }
    if (added && FindChildNode(dictionary, found, description) == -2)
        InsertDictionaryNodeWords(dictionary, found, description, "", "");
    return branchAdded;
}
