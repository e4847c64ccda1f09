// The account dictionary as a tree of CKiso nodes, and the edits of it that keep
// it one: node 0 the root, nodes 1 to 7 the classes, node 8 the result branch; the
// children of a node one contiguous run from its first-child index (0: none); the
// runs in the order of their parents, one after the other, so that the class-side
// accounts come first, then the result-branch accounts, then the description runs
// of the accounts in the order of the accounts.
#pragma once

#include "kiso.h"
#include "journal_array.h"
#include "my_object2.h"
#include "torihikisaki.h"

#include "../framework/arrays.h"

#include <array>

using DictionaryNodes = CTypedPtrArray<CObArray, CKiso*>;

// Where a dictionary is no tree: the node (-1 for the dictionary as a whole), the
// field of the node (1 first-child index, 2 child count; 0 none) and what is wrong.
struct TreeFault {
    int node = -1;
    int field = 0;
    CString what;
};

// FALSE with fault set unless the nodes form the tree above: at least 9 nodes,
// the root's run the nodes 1 to 8, every run behind its parent, inside the array
// and directly behind the run before it, the last run ending at the last node.
bool IsDictionaryTree(const DictionaryNodes& nodes, TreeFault* fault = nullptr);

// The class-side accounts [first, end) and the result-branch accounts [end, after)
// of a tree.
struct AccountRanges {
    int first = 9;
    int end = 9;
    int after = 9;
};
AccountRanges AccountRangesOf(const DictionaryNodes& nodes);

// The accounts whose descriptions name trading partners, with the kind of partner.
struct PartnerAccount {
    int kind;
    const char* account;
};
extern const std::array<PartnerAccount, 9> kPartnerAccounts;

// Replaces the descriptions of the account on the class side (side 0) or in the
// result branch (side 1) with the names of the partners of the kind, in the list's
// order; 売上 then gets "家事消費", 仕入 "期首繰入" and "期末繰戻". An account
// missing from that side is not created. The tree must be one.
void RegisterPartnerNames(DictionaryNodes& nodes, const CTypedPtrArray<CObArray, CTorihikisaki*>& partners, int kind,
                          int side, const CString& account);
// Every account of kPartnerAccounts on the class side, then in the result branch.
// FALSE, with nothing changed, when the dictionary is no tree.
bool RegisterAllPartners(DictionaryNodes& nodes, const CTypedPtrArray<CObArray, CTorihikisaki*>& partners);

// The working words of the previous-year merge: the class index (class digit - 1,
// -1 unknown or empty) of the six rows of the entry being merged (cause 1 to 3,
// result 1 to 3), and the class digit that gives the words of the next
// result-branch node (0: empty words).
struct CarryForwardSlots {
    std::array<int, 6> classIndex{-1, -1, -1, -1, -1, -1};
    int wordClass = 0;
};


// The index of the first child of parent named name; -1 for an empty name; -2
// when parent has no children or none of that name.
int FindWorkChildNode(const DictionaryNodes& nodes, int parent, const CString& name);
// Inserts a node as the last child of parent with the words of its kind (a
// result-branch account takes the words of slots.wordClass, which is then 0) and
// moves every later run; answers the new node's index.
int InsertWorkDictionaryNode(DictionaryNodes& nodes, CarryForwardSlots& slots, int parent, int kind,
                             const CString& name);
// Adds what the tree lacks of one row (0 to 5) of a previous-year entry: the
// account under its class (and in the result branch for a result row) and the
// description under the account. An account that the tree lacks is added only
// when the row's class digit is 1 to 7.
void MergePrevYearRow(DictionaryNodes& nodes, CarryForwardSlots& slots, int row, const CString& account,
                      const CString& description);
// Sets the slots' class indexes from the entry's class code: its first six digits
// when the code is above 99999, else all unknown.
void TakeClassDigits(CarryForwardSlots& slots, int classCode);
// work = a copy of the dictionary, completed with the accounts and descriptions
// that the previous year's entries use. A dictionary that is no tree is copied
// without additions.
void BuildWorkDictionary(const DictionaryNodes& dictionary, const JournalArray& prevJournal,
                         DictionaryNodes& work, CarryForwardSlots& slots);
