// Small journals and dictionaries written in the tests, owned by the fixture and
// freed with it.
#pragma once

#include "../support/entry_builder.h"
#include "books/ledger.h"
#include "core/kiso.h"

#include <initializer_list>
#include <vector>

// A dictionary: root, seven classes, the result branch and the given cause and
// result accounts with their two words.
struct DictNode {
    const char* name;
    const char* word1;
    const char* word2;
};
class OwnedDictionary {
public:
    OwnedDictionary(std::initializer_list<DictNode> causes, std::initializer_list<DictNode> results)
    {
        for (int i = 0; i < 9; ++i)
            dictionary.Add(new CKiso);
        for (const DictNode& node : causes)
            Add(node);
        dictionary.GetAt(8)->m_nFirstChild = dictionary.GetSize();
        dictionary.GetAt(8)->m_nChildCount = static_cast<int>(results.size());
        for (const DictNode& node : results)
            Add(node);
    }
    OwnedDictionary(const OwnedDictionary&) = delete;
    OwnedDictionary& operator=(const OwnedDictionary&) = delete;
    ~OwnedDictionary()
    {
        for (int i = 0; i < dictionary.GetSize(); ++i)
            delete dictionary.GetAt(i);
    }

    CTypedPtrArray<CObArray, CKiso*> dictionary;

private:
    void Add(const DictNode& node)
    {
        auto* kiso = new CKiso;
        kiso->m_strName = node.name;
        kiso->m_strWord1 = node.word1;
        kiso->m_strWord2 = node.word2;
        dictionary.Add(kiso);
    }
};
