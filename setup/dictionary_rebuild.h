// Registering in the account dictionary what the journal uses but the dictionary
// lacks, without windows: the questions go through Ask, the reset to the initial
// dictionary through Reset, so that the dialog and the files stay with the view.
#pragma once

#include "../core/dictionary_tree.h"
#include "../core/journal_array.h"
#include "../core/my_object2.h"

#include <array>
#include <functional>

namespace dict_rebuild {

// The answers of the registration question.
enum Answer {
    kRegister = 0,      // 実行
    kRegisterAll = 1,   // すべて実行
    kResetAndAll = 2,   // 初期化してすべて実行
    kSkip = -1,         // ｷｬﾝｾﾙ: this item only
    kCancelAll = -2,    // すべてｷｬﾝｾﾙ or 閉じる
};

// mode 0: a missing account (class name, account); mode 1: a description for a
// result account just registered (class name, account); mode 2: a missing
// description (account, description).
using AskFn = std::function<int(int mode, const CString& text1, const CString& text2)>;
// Replaces the nodes with the initial dictionary; FALSE (nodes unchanged) when it
// cannot be read.
using ResetFn = std::function<bool(DictionaryNodes& nodes)>;

struct Outcome {
    int registered = 0;  // nodes added
    int answer = 0;      // the last answer state: 0 or 1, or -1 / -2 after a cancel
};

class Rebuild {
public:
    Rebuild(DictionaryNodes& nodes, AskFn ask, ResetFn reset);

    // Every entry of the journal in order, then the outcome.
    Outcome Run(const JournalArray& journal);

    // One entry: its class digits (when it has them) and its six rows.
    void Scan(const CMyObject2& entry);
    // One row (0 to 2 cause, 3 to 5 result).
    void CheckRow(int row, const CString& account, const CString& description);

    const Outcome& Result() const { return m_outcome; }

private:
    int Confirm(int mode, const CString& text1, const CString& text2);
    int Append(int parent, int kind, const CString& name, int classDigit);
    int CauseAccount(const CString& name) const;
    // The description under the cause account (and the result account for a
    // result row), each looked up again by name.
    void AddDescription(const CString& account, const CString& description, int classDigit, bool resultRow);
    int Child(int parent, const CString& name) const;

    DictionaryNodes& m_nodes;
    AskFn m_ask;
    ResetFn m_reset;
    Outcome m_outcome;
    std::array<int, 6> m_rowClass{-1, -1, -1, -1, -1, -1};
};

// The class name shown in the question for a class index (class digit - 1).
CString ClassName(int classIndex);

}  // namespace dict_rebuild
