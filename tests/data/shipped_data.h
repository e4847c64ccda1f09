// The shipped set-up files as the program finds them in its program folder, and
// the dictionary lookups that the journal makes.
#pragma once

#include "core/kiso.h"
#include "core/my_object2.h"
#include "framework/cstring.h"

#include <memory>
#include <vector>

// Names as in the program folder; the sample journal's name holds "ｻﾝﾌﾟﾙ".
CString ShippedPath(const char* fileName);
std::vector<BYTE> ReadShippedBytes(const char* fileName);
std::vector<std::unique_ptr<CKiso>> LoadShippedNodes(const char* fileName);
std::vector<std::unique_ptr<CMyObject2>> LoadShippedEntries(const char* fileName);

constexpr char kInitialDictionary[] = "zuvavodi.sdo";
constexpr char kWorkingDictionary[] = "zuvavodi.sdn";
constexpr char kHintExamples[] = "vevidez.hel";

constexpr int kResultBranch = 8;

class ShippedDictionary {
public:
    ShippedDictionary();  // the initial dictionary

    int Size() const { return static_cast<int>(m_nodes.size()); }
    const CKiso& Node(int index) const { return *m_nodes.at(static_cast<std::size_t>(index)); }
    std::vector<int> Children(int index) const;
    std::vector<CString> ChildNames(int index) const;
    // The accounts under the classes (nodes 1 to 7) and in the result branch.
    std::vector<int> ClassSideAccounts() const;
    std::vector<int> ResultAccounts() const { return Children(kResultBranch); }
    // The node of the account under a class, the last one of that name as the
    // journal takes it; -1 when none.
    int ClassSideNode(const CString& name) const;
    // Class digit 1 to 7 of an account under a class, 0 when no class holds it.
    int ClassOf(const CString& name) const;
    // The first node of that name in the result branch, -1 when none.
    int ResultNode(const CString& name) const;

private:
    std::vector<std::unique_ptr<CKiso>> m_nodes;
};
