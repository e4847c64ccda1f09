#include "dictionary_check.h"

namespace {

constexpr int kResultBranch = 8;

// Inserts description under node when it is not there yet; true when it was added.
bool AddDescriptionIfMissing(Dictionary& dictionary, int node, const CString& description)
{
    if (node < 0 || description.IsEmpty() || FindChildNode(dictionary, node, description) != -2)
        return false;
    InsertDictionaryNode(dictionary, node, kDescriptionNode, description, 0);
    return true;
}

}  // namespace

int InsertDictionaryNode(Dictionary& dictionary, int parent, int kind, const CString& name, int classDigit)
{
    CString word1;
    CString word2;
    NewNodeWords(kind, classDigit, word1, word2);
    return InsertDictionaryNodeWords(dictionary, parent, name, word1, word2);
}

CString ClassNameForQuestion(int classIndex)
{
    static const char* const names[7] = {"収益", "費用", "費用", "負債", "資産", "資産", "資本"};
    return classIndex >= 0 && classIndex < 7 ? CString(names[classIndex]) : CString();
}

CString DescriptionQuestion(const CString& account, const CString& description)
{
    return description + "　は、＜" + account + "＞の新しい摘要です。\n\n" + description + " を、＜" + account +
           "＞の摘要 として「科目辞書」に登録しますか？";
}

RowCheck CheckDictionaryRow(Dictionary& dictionary, int row, const CString& account, const CString& description,
                            int& classIndex, const RegistrationAnswers& answers)
{
    RowCheck check;
    if (account.IsEmpty()) {
        classIndex = -1;
        return check;
    }
    if (dictionary.GetSize() <= kResultBranch) {
        check.status = -1;
        return check;
    }
    const int found = FindClassSideAccount(dictionary, account);
    if (found >= 0) {
        const int foundClass = ClassIndexOfNode(dictionary, found);
        if (foundClass >= 0)
            classIndex = foundClass;
    }
    const CString className = ClassNameForQuestion(classIndex);
    auto askDescription = [&]() {
        return !description.IsEmpty() && answers.registerDescription(account, description);
    };

    if (row < 3) {
        if (found < 0) {
            if (classIndex < 0 || classIndex > 6) {
                answers.tell(account +
                             " は科目分類(収益:費用:負債:資産:資本)が指定されていません。\n\n先に [科目の分類]を選択して下さい。");
                check.status = -1;
                return check;
            }
            const CString question = " ＜" + account +
                                     "＞　は 「科目辞書」に未登録です。\n\n取引に使用される科目は、必ず「科目辞書」に登録してください。"
                                     "\n\n現在、この科目の分類 は 【" +
                                     className + "】 が選択されています。\n\n＜" + account + "＞ を 【" + className +
                                     "】 として「科目辞書」に登録しますか？";
            if (!answers.yesNo(question)) {
                check.status = -1;
                return check;
            }
            const int node = InsertDictionaryNode(dictionary, classIndex + 1, kClassSideNode, account, 0);
            check.classSideAdded = true;
            NewNodeWords(kClassSideNode, 0, check.causeWord1, check.causeWord2);
            if (askDescription())
                AddDescriptionIfMissing(dictionary, node, description);
            return check;
        }
        if (FindChildNode(dictionary, found, description) == -2 && askDescription())
            AddDescriptionIfMissing(dictionary, found, description);
        return check;
    }

    if (found < 0) {
        const int chosen = answers.askClass(account);
        classIndex = chosen >= 0 && chosen <= 6 ? chosen : -1;
        if (classIndex < 0) {
            check.status = -1;
            return check;
        }
        const int classNode = InsertDictionaryNode(dictionary, classIndex + 1, kClassSideNode, account, 0);
        check.classSideAdded = true;
        NewNodeWords(kClassSideNode, 0, check.causeWord1, check.causeWord2);
        // An account that already stands in the result branch keeps its one node there.
        int branchNode = FindChildNode(dictionary, kResultBranch, account);
        if (branchNode < 0) {
            branchNode = InsertDictionaryNode(dictionary, kResultBranch, kResultBranchNode, account, classIndex + 1);
            check.resultBranchAdded = true;
        }
        if (askDescription()) {
            AddDescriptionIfMissing(dictionary, classNode, description);
            AddDescriptionIfMissing(dictionary, FindChildNode(dictionary, kResultBranch, account), description);
        }
        check.refillResultLists = true;
        return check;
    }

    bool added = false;
    const int branchNode = FindChildNode(dictionary, kResultBranch, account);
    if (branchNode == -2) {
        const int node = InsertDictionaryNode(dictionary, kResultBranch, kResultBranchNode, account, classIndex + 1);
        check.resultBranchAdded = true;
        if (askDescription())
            added = AddDescriptionIfMissing(dictionary, node, description);
    } else if (FindChildNode(dictionary, branchNode, description) == -2 && askDescription()) {
        added = AddDescriptionIfMissing(dictionary, branchNode, description);
    }
    if (added)
        AddDescriptionIfMissing(dictionary, FindClassSideAccount(dictionary, account), description);
    return check;
}
