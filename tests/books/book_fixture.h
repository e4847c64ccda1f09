// Small journals written in the tests: entries built row by row, owned by the
// fixture and freed with it.
#pragma once

#include "books/ledger.h"
#include "core/kiso.h"

#include <initializer_list>
#include <vector>

struct Row {
    const char* account;
    const char* amount;
    const char* description = "";
};

inline CMyObject2* MakeEntry(const char* date, std::initializer_list<Row> cause, std::initializer_list<Row> result,
                             int direction, int classCode, const CString& remark = "")
{
    auto* entry = new CMyObject2;
    entry->m_strDate = date;
    CString* causeAccount[] = {&entry->m_strCause1, &entry->m_strCause2, &entry->m_strCause3};
    CString* causeAmount[] = {&entry->m_strCauseAmount1, &entry->m_strCauseAmount2, &entry->m_strCauseAmount3};
    CString* causeDesc[] = {&entry->m_strCauseDesc1, &entry->m_strCauseDesc2, &entry->m_strCauseDesc3};
    CString* resultAccount[] = {&entry->m_strResult1, &entry->m_strResult2, &entry->m_strResult3};
    CString* resultAmount[] = {&entry->m_strResultAmount1, &entry->m_strResultAmount2, &entry->m_strResultAmount3};
    CString* resultDesc[] = {&entry->m_strResultDesc1, &entry->m_strResultDesc2, &entry->m_strResultDesc3};
    int i = 0;
    for (const Row& row : cause) {
        *causeAccount[i] = row.account;
        *causeAmount[i] = row.amount;
        *causeDesc[i] = row.description;
        ++i;
    }
    i = 0;
    for (const Row& row : result) {
        *resultAccount[i] = row.account;
        *resultAmount[i] = row.amount;
        *resultDesc[i] = row.description;
        ++i;
    }
    entry->m_strRemark = remark;
    entry->m_nDirection = direction;
    entry->m_nClassCode = classCode;
    return entry;
}

class OwnedJournal {
public:
    OwnedJournal() = default;
    OwnedJournal(std::initializer_list<CMyObject2*> entries)
    {
        for (CMyObject2* entry : entries)
            journal.Add(entry);
    }
    OwnedJournal(const OwnedJournal&) = delete;
    OwnedJournal& operator=(const OwnedJournal&) = delete;
    ~OwnedJournal()
    {
        for (int i = 0; i < journal.GetSize(); ++i)
            delete journal.GetAt(i);
    }
    void Add(CMyObject2* entry) { journal.Add(entry); }

    JournalArray journal;
};

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
