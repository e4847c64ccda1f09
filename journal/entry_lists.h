// What the journal view's entry fields offer and show, computed from the account
// dictionary, the hint examples and the journal: the ranked accounts that stood
// beside a cause account in earlier sentences, the result accounts offered after a
// cause pick, the lookups of an account on the class side and in the result
// branch, and the description labels.
//
// The dictionary is the array of CKiso nodes: node 0 the root, nodes 1 to 7 the
// classes (class digit = node index), node 8 the result branch; every function
// here reads only nodes that exist and answers "none" for a dictionary too short.
#pragma once

#include "../core/journal_array.h"
#include "../core/kiso.h"
#include "../core/my_object2.h"
#include "../framework/arrays.h"

#include <initializer_list>
#include <vector>

using Dictionary = CTypedPtrArray<CObArray, CKiso*>;
using EntryField = CString CMyObject2::*;

// Headers of the offered result lists; a text beginning with this is no account.
extern const char* const kHeaderMark;             // "*="
extern const char* const kRankedHeader;           // "*======入力候補==*"
extern const char* const kOtherAccountsHeader;    // "*=その他原因科目=*"

// One ranked account and how often it stood beside the cause account.
struct RankedAccount {
    CString name;
    int count = 0;
};

// The accounts found in the given fields of every hint example, then every journal
// entry, whose first cause account contains cause (as whole characters), most
// frequent band first: more than 30, 11 to 30, 7 to 10, 4 to 6, 3, 2, 1; within a
// band in the order of first appearance. Names are compared whole and exactly
// (預金 is not counted for 普通預金), and shown without half-width blanks.
std::vector<RankedAccount> RankCandidates(const CString& cause, const JournalArray& hints, const JournalArray& journal,
                                          std::initializer_list<EntryField> fields);

// The result lists offered after cause account 1 was picked: when any candidate
// was ranked, the ranked header and the ranked names; then the other-accounts
// header and every result-branch account not already listed.
std::vector<CString> OfferedResultList(const CString& cause, const Dictionary& dictionary, const JournalArray& hints,
                                       const JournalArray& journal);

// Index of the child of parent named name; -1 for an empty name, -2 when there is
// none (or parent does not exist).
int FindChildNode(const Dictionary& dictionary, int parent, const CString& name);

// The names of node's children, in node order.
std::vector<CString> ChildNames(const Dictionary& dictionary, int node);

// One past the last account node of the class side: the end of the furthest child
// run of classes 1 to 7 (at least 9, where the first account could stand).
int ClassSideEnd(const Dictionary& dictionary);

// The class-side node named name with the highest index (accounts of two classes:
// the later wins), or -1.
int FindClassSideAccount(const Dictionary& dictionary, const CString& name);

// The class index (0 to 6) whose child run holds node, or -1.
int ClassIndexOfNode(const Dictionary& dictionary, int node);

// The first account node named name, on the class side (side 0: from the first
// child of class 1 up to the first child of the result branch) or in the result
// branch (side 1: the children of node 8); -1 when none.
int FindRowAccount(const Dictionary& dictionary, int side, const CString& name);

// Whether an account's description names its trading partner.
bool IsPartnerAccount(const CString& name);
// The label of the description field of side (0 cause, 1 result) for row 1 to 3 and its account.
CString DescriptionLabel(int side, int row, const CString& account);

// Adds a node named name with the two words under parent, at the end of its
// child run, keeping every run contiguous and in the order of its parent (the
// first-child indexes behind it move up by one). Answers the new node's index.
int InsertDictionaryNodeWords(Dictionary& dictionary, int parent, const CString& name, const CString& word1,
                              const CString& word2);

// Makes sure that account stands under class node classIndex + 1 and in the result
// branch with the given connecting words and phrases, and description under it on
// both sides; adds silently what is missing. TRUE when a result-branch account was
// added (the result lists are stale).
BOOL EnsureDictionaryAccount(Dictionary& dictionary, int classIndex, const CString& account,
                             const CString& description, const CString& causeWord1, const CString& causeWord2,
                             const CString& resultPhrase1, const CString& resultPhrase2);
