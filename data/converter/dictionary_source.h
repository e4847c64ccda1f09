// The account dictionary as its indented source describes it, and its layout as
// the program's array of dictionary nodes.
#pragma once

#include "source_lines.h"

#include "core/kiso.h"
#include "framework/cstring.h"

#include <array>
#include <memory>
#include <vector>

struct DictionaryAccount {
    CString name;
    CString word1;  // connecting word A, or the first phrase in the result branch
    CString word2;
    std::vector<CString> descriptions;
};

struct DictionaryClass {
    CString name;
    std::vector<DictionaryAccount> accounts;
};

struct DictionarySource {
    CString rootName;
    std::array<DictionaryClass, 7> classes;  // class digit 1 to 7 at index 0 to 6
    CString resultBranchName;
    std::vector<DictionaryAccount> resultAccounts;

    // Class digit 1 to 7 of an account of the classes, 0 when no class holds it.
    int ClassOf(const CString& account) const;
    bool IsResultAccount(const CString& account) const;
};

// Throws SourceError for a line that breaks the format.
DictionarySource ParseDictionary(const std::vector<SourceLine>& lines);

// The nodes in stored order: the root, the seven classes, the result branch, the
// accounts of classes 1 to 7, the result accounts, then the descriptions of each
// account in the order of the accounts; every parent's children in one run.
std::vector<std::unique_ptr<CKiso>> LayOutDictionary(const DictionarySource& source);
