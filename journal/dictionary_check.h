// The check of a sentence's accounts and descriptions against the account
// dictionary when an entry is committed: each known account gives its class, an
// unknown one is registered after the user's consent (a result account under the
// class the user picks, and a second time in the result branch), and a new
// description is registered under its account. The questions go through the
// answers the caller gives, so that the check itself needs no window.
#pragma once

#include "entry_lists.h"

#include "../core/node_words.h"

#include <functional>

// Adds a node of kind under parent with the words of its kind (InsertDictionaryNodeWords).
int InsertDictionaryNode(Dictionary& dictionary, int parent, int kind, const CString& name, int classDigit);

// The name of a class index in the registration question ("収益", "費用", ...; empty for none).
CString ClassNameForQuestion(int classIndex);

// The questions of the check, answered by the view (or a test).
struct RegistrationAnswers {
    std::function<bool(const CString& text)> yesNo;       // a Yes/No question: true for Yes
    // The description question (DescriptionQuestion): true to register it.
    std::function<bool(const CString& account, const CString& description)> registerDescription;
    std::function<void(const CString& text)> tell;        // an OK message
    std::function<int(const CString& account)> askClass;  // the result-account class dialog: 0 to 6, or -1
};

// The description question's text.
CString DescriptionQuestion(const CString& account, const CString& description);

// What the check of one row did.
struct RowCheck {
    int status = 0;                  // 0 go on, -1 the commit is abandoned
    bool resultBranchAdded = false;  // an account was added to the result branch
    bool refillResultLists = false;  // an unknown result account was registered: offer it at once
    bool classSideAdded = false;     // a class-side account was added; its words follow
    CString causeWord1;
    CString causeWord2;
};

// Checks row (0 to 2 cause rows, 3 to 5 result rows) with its account and
// description. classIndex is the row's class (0 to 6, -1 none): the class the user
// chose, replaced by the dictionary's class of a known account. The whole class
// side is searched, whatever classes are empty; an account that already stands in
// the result branch is not added to it a second time.
RowCheck CheckDictionaryRow(Dictionary& dictionary, int row, const CString& account, const CString& description,
                            int& classIndex, const RegistrationAnswers& answers);
