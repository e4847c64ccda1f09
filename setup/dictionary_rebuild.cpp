#include "dictionary_rebuild.h"

#include "dictionary_edit.h"

#include "../core/class_code.h"
#include "../core/node_words.h"

#include <utility>

namespace dict_rebuild {

CString ClassName(int classIndex)
{
    static const char* const names[] = {"収益", "費用", "費用", "負債", "資産", "資産", "資本"};
    return classIndex >= 0 && classIndex < 7 ? CString(names[classIndex]) : CString();
}

Rebuild::Rebuild(DictionaryNodes& nodes, AskFn ask, ResetFn reset)
    : m_nodes(nodes), m_ask(std::move(ask)), m_reset(std::move(reset))
{
}

Outcome Rebuild::Run(const JournalArray& journal)
{
    for (int i = 0; i < journal.GetSize(); ++i)
        if (journal[i])
            Scan(*journal[i]);
    return m_outcome;
}

void Rebuild::Scan(const CMyObject2& e)
{
    // An entry without class digits keeps those of the entry before.
    const ClassCode code = DecodeClassCode(e.m_nClassCode);
    if (code.known)
        for (int r = 0; r < 6; ++r)
            m_rowClass[static_cast<size_t>(r)] = code.ClassIndex(r);
    CheckRow(0, e.m_strCause1, e.m_strCauseDesc1);
    CheckRow(1, e.m_strCause2, e.m_strCauseDesc2);
    CheckRow(2, e.m_strCause3, e.m_strCauseDesc3);
    CheckRow(3, e.m_strResult1, e.m_strResultDesc1);
    CheckRow(4, e.m_strResult2, e.m_strResultDesc2);
    CheckRow(5, e.m_strResult3, e.m_strResultDesc3);
}

int Rebuild::CauseAccount(const CString& name) const
{
    int found = -1;
    for (int k = 1; k <= 7; ++k) {
        const auto run = dict_edit::ChildRun(m_nodes, k);
        for (int a = run.first; run.count != 0 && a < run.first + run.count; ++a)
            if (m_nodes[a]->m_strName == name)
                found = a;
    }
    return found;
}

int Rebuild::Child(int parent, const CString& name) const
{
    if (name.IsEmpty() || parent < 0)
        return -1;
    const auto run = dict_edit::ChildRun(m_nodes, parent);
    for (int c = run.first; run.count != 0 && c < run.first + run.count; ++c)
        if (m_nodes[c]->m_strName == name)
            return c;
    return -1;
}

int Rebuild::Confirm(int mode, const CString& text1, const CString& text2)
{
    if (m_outcome.answer == kRegisterAll)
        return kRegisterAll;
    int answer = m_ask(mode, text1, text2);
    if (answer == kResetAndAll) {
        // What was registered before went with the old dictionary. A failed reset
        // has been reported by the caller; everything is registered all the same.
        if (m_reset(m_nodes))
            m_outcome.registered = 0;
        answer = kRegisterAll;
    }
    m_outcome.answer = answer;
    return answer;
}

int Rebuild::Append(int parent, int kind, const CString& name, int classDigit)
{
    const int at = dict_edit::InsertNode(m_nodes, parent, 0, dict_edit::kAppendChild, name);
    if (at < 0)
        return -1;
    CKiso* node = m_nodes[at];
    NewNodeWords(kind, classDigit, node->m_strWord1, node->m_strWord2);
    ++m_outcome.registered;
    return at;
}

void Rebuild::CheckRow(int row, const CString& account, const CString& description)
{
    if (m_outcome.answer == kCancelAll || row < 0 || row > 5)
        return;
    if (account.IsEmpty()) {
        m_rowClass[static_cast<size_t>(row)] = -1;
        return;
    }
    const int classIndex = m_rowClass[static_cast<size_t>(row)];
    const int classDigit = classIndex >= 0 && classIndex < 7 ? classIndex + 1 : 0;
    const CString className = ClassName(classIndex);
    const bool resultRow = row >= 3;
    // Indexes are looked up by name right before each registration, so that an
    // earlier registration or a reset to the initial dictionary cannot leave them stale.
    int found = CauseAccount(account);

    if (found < 0) {
        // A row without a class digit has no class to register the account under.
        if (classDigit == 0)
            return;
        if (Confirm(0, className, account) < 0)
            return;
        if (CauseAccount(account) < 0)
            Append(classDigit, kClassSideNode, account, classDigit);
        if (resultRow && Child(dict_edit::kResultBranch, account) < 0)
            Append(dict_edit::kResultBranch, kResultBranchNode, account, classDigit);
        if (description.IsEmpty() || Confirm(2, account, description) < 0)
            return;
        AddDescription(account, description, classDigit, resultRow);
        return;
    }

    if (!resultRow) {
        if (!description.IsEmpty() && Child(found, description) < 0 && Confirm(2, account, description) >= 0)
            AddDescription(account, description, classDigit, false);
        return;
    }

    bool marked = false;
    int result = Child(dict_edit::kResultBranch, account);
    if (result < 0) {
        // The cause account was asked about when it was registered: its result
        // account follows without a question, with the words of its class.
        const int digit = classDigit != 0 ? classDigit : dict_edit::ClassOfNode(m_nodes, found, account);
        Append(dict_edit::kResultBranch, kResultBranchNode, account, digit);
        if (!description.IsEmpty() && Confirm(1, className, account) >= 0)
            marked = true;
    } else if (!description.IsEmpty() && Child(result, description) < 0 && Confirm(2, account, description) >= 0) {
        marked = true;
    }
    if (marked)
        AddDescription(account, description, classDigit, true);
}

void Rebuild::AddDescription(const CString& account, const CString& description, int classDigit, bool resultRow)
{
    // After a reset to the initial dictionary the account may be gone: with the
    // answer "all" it is registered again first, under the row's class.
    int cause = CauseAccount(account);
    if (cause < 0 && classDigit != 0)
        cause = Append(classDigit, kClassSideNode, account, classDigit);
    if (cause >= 0 && Child(cause, description) < 0)
        Append(cause, kDescriptionNode, description, classDigit);
    if (!resultRow)
        return;
    int result = Child(dict_edit::kResultBranch, account);
    if (result < 0 && cause >= 0)
        result = Append(dict_edit::kResultBranch, kResultBranchNode, account,
                        classDigit != 0 ? classDigit : dict_edit::ClassOfNode(m_nodes, CauseAccount(account), account));
    if (result >= 0 && Child(result, description) < 0)
        Append(result, kDescriptionNode, description, classDigit);
}

}  // namespace dict_rebuild
