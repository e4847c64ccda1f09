// A small account dictionary written in the test: the root, the seven classes,
// the result branch, accounts under the classes and the branch, descriptions.
#pragma once

#include "journal/entry_lists.h"
#include "support/entry_builder.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

struct NodeFields {
    int parent;
    const char* name;
    const char* word1 = "";
    const char* word2 = "";
};

// Builds the array with every child run contiguous and in the order of the
// parents, as the program keeps it, from nodes listed parent by parent.
class DictionaryFixture {
public:
    explicit DictionaryFixture(std::initializer_list<NodeFields> nodes)
    {
        const char* const classes[] = {"収益", "費用(仕入.給与.税)", "費用(経費.損失)", "負債",
                                       "資産(流動)", "資産(固定)", "資本", "結果科目"};
        Add(0, "科目辞書");
        for (const char* name : classes)
            Add(0, name);
        dict.GetAt(0)->m_nFirstChild = 1;
        dict.GetAt(0)->m_nChildCount = 8;
        for (const NodeFields& node : nodes) {
            const int index = Add(node.parent, node.name, node.word1, node.word2);
            CKiso* parent = dict.GetAt(node.parent);
            if (parent->m_nFirstChild == 0)
                parent->m_nFirstChild = index;
            ++parent->m_nChildCount;
        }
    }
    ~DictionaryFixture()
    {
        for (int i = 0; i < dict.GetSize(); ++i)
            delete dict.GetAt(i);
    }
    DictionaryFixture(const DictionaryFixture&) = delete;
    DictionaryFixture& operator=(const DictionaryFixture&) = delete;

    int IndexOf(const char* name) const
    {
        for (int i = 0; i < dict.GetSize(); ++i)
            if (dict.GetAt(i)->m_strName == name)
                return i;
        return -1;
    }

    Dictionary dict;

private:
    int Add(int, const char* name, const char* w1 = "", const char* w2 = "")
    {
        auto* node = new CKiso;
        node->m_strName = name;
        node->m_strWord1 = w1;
        node->m_strWord2 = w2;
        return dict.Add(node);
    }
};

// A list of records owned by the test, given by their accounts alone.
class Entries {
public:
    ~Entries()
    {
        for (int i = 0; i < list.GetSize(); ++i)
            delete list.GetAt(i);
    }
    CMyObject2& Add(const char* cause1, std::initializer_list<const char*> others = {},
                    std::initializer_list<const char*> results = {})
    {
        EntryBuilder entry;
        entry.Cause(cause1);
        for (const char* cause : others)
            entry.Cause(cause);
        for (const char* result : results)
            entry.Result(result);
        CMyObject2* added = entry.New();
        list.Add(added);
        return *added;
    }
    void Repeat(int times, const char* cause1, const char* result1)
    {
        for (int i = 0; i < times; ++i)
            Add(cause1, {}, {result1});
    }
    JournalArray list;
};
