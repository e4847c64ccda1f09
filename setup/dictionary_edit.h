// The edits of the account dictionary that the dictionary editor makes, without
// windows: the kind of a node, its class, the tree walk that fills the tree
// control, inserting a node, removing a node with its descendants, the twin
// result account of a cause account, and the split of a result-account word into
// its two lines. Every index read from a node is checked against the array, so a
// damaged dictionary can neither read out of range nor send a walk round in a loop.
#pragma once

#include "../core/dictionary_tree.h"

#include <vector>

namespace dict_edit {

// The kind of a node, which is also the index of its icon.
enum NodeKind {
    kRootKind = 0,           // the root, or an index that falls in no range
    kClassKind = 1,          // nodes 1 to 7
    kCauseAccount = 2,       // a child of a class
    kCauseDescription = 3,   // a child of a cause account
    kResultBranchKind = 4,   // node 8
    kResultAccount = 5,      // a child of node 8
    kResultDescription = 6,  // a child of a result account
};

constexpr int kResultBranch = 8;
constexpr int kResultWordBytes = 14;

// The child run [first, first + count) of a node, clipped to the array; empty for
// a node without children or with a run that starts outside the array or before
// the node itself (which would turn a walk back on itself).
struct Run {
    int first = 0;
    int count = 0;
};
Run ChildRun(const DictionaryNodes& nodes, int index);

int KindOf(const DictionaryNodes& nodes, int index);

// The class digit shown for a node: -1 for an empty name, the index itself for 0
// to 7, else the class whose run holds the first node of that name (-1 none).
int ClassOfNode(const DictionaryNodes& nodes, int index, const CString& name);

// One item of the tree in the order the tree control shows it (pre-order,
// children in index order): the node's index and its depth (root 0).
struct TreeLine {
    int node;
    int depth;
};
// Each node is visited at most once, so a damaged dictionary ends the walk.
std::vector<TreeLine> TreeWalk(const DictionaryNodes& nodes);

// FALSE for the root and below and for descriptions (which take no children).
bool CanHaveChildren(const DictionaryNodes& nodes, int index);

// Inserts a node named name under parent: mode 0 at the end of the parent's run,
// mode 1 at the selected node's index, mode 2 right after it. Answers the new
// node's index, or -1 (nothing changed) when parent or selected is out of range
// or the selected node is no child of parent. Tree items whose index is at least
// the new index move up by one.
enum InsertMode { kAppendChild = 0, kBefore = 1, kAfter = 2 };
int InsertNode(DictionaryNodes& nodes, int parent, int selected, int mode, const CString& name);

// Removes node x (above 8) with all its descendants and detaches it from its
// parent. Answers the map from each old index to its new index (-1: removed),
// the whole array's size, so that the tree items can be renumbered; empty when
// nothing was removed (x 8 or below, out of range, or without a parent).
std::vector<int> RemoveSubtree(DictionaryNodes& nodes, int x);

// The parent of a node: the node whose child run holds it, or -1.
int ParentOf(const DictionaryNodes& nodes, int index);

// The result account to remove with the deleted cause account named name: the
// child of node 8 of that name, when no other cause account (other than
// except) keeps that name. -1 when there is none to remove.
int ResultTwinOf(const DictionaryNodes& nodes, const CString& name, int except);

// A result-account word as its two lines: the first kResultWordBytes bytes, cut
// on a character boundary, and the rest; in each, a full-width blank becomes two
// half-width blanks and trailing blanks go.
void SplitResultWord(const CString& word, CString& first, CString& second);
// The stored form of two lines: the first padded with half-width blanks to
// kResultWordBytes when a second line follows.
CString JoinResultWord(const CString& first, const CString& second);

}  // namespace dict_edit
