// A dictionary and journal entries for the opening-balance rows: accounts with and
// without descriptions in the four balance-sheet classes, the owner's accounts that
// get no rows, and a description that marks the year's end.
#pragma once

#include "core/dictionary_fixture.h"
#include "core/record_file.h"
#include "support/entry_builder.h"

#include "../../setup/opening_rows.h"

#include <string>
#include <vector>

inline FixtureDictionary OpeningDictionary()
{
    FixtureDictionary tree;
    tree.classes[0] = {{"売上", {}}};
    tree.classes[3] = {{"買掛金", {}}, {"支払手形", {"X工業"}}, {"事業主借", {}}};
    tree.classes[4] = {{"現金", {}}, {"普通預金", {"C銀行", "期末利息"}}, {"売掛金", {"A商店"}},
                       {"事業主貸", {}}, {"現金過不足", {}}};
    tree.classes[5] = {{"建物", {}}};
    tree.classes[6] = {{"元入金", {}}, {"資本金", {}}};
    tree.branch = {{"現金", {}, "で受取り", "で支払い"}};
    return tree;
}

// Owns the dictionary, a journal and the rows, as the document and the application do.
struct OpeningFixture {
    DictionaryNodes dictionary;
    JournalArray journal;
    BalanceRows rows;

    OpeningFixture() { MakeDictionary(OpeningDictionary(), dictionary); }
    ~OpeningFixture()
    {
        DeleteRecords(dictionary);
        DeleteRecords(journal);
        DeleteRecords(rows);
    }
    OpeningFixture(const OpeningFixture&) = delete;
    OpeningFixture& operator=(const OpeningFixture&) = delete;

    // The entry, written as the program writes it: amounts of unused rows are "0".
    CMyObject2& Add(const EntryBuilder& entry)
    {
        CMyObject2* added = EntryBuilder(entry).UnusedAmountsZero().New();
        journal.Add(added);
        return *added;
    }

    // "account|description|kind|status|entry|balance" per row, blanks of the blank
    // balance shown as "_".
    std::vector<std::string> RowLines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < rows.GetSize(); ++i) {
            const CKishuZandakaItem& r = *rows[i];
            const std::string balance = r.m_strBalance == BlankBalance() ? "_" : r.m_strBalance.str();
            lines.push_back(r.m_strAccount.str() + "|" + r.m_strDesc.str() + "|" + std::to_string(r.m_nKind) + "|" +
                            std::to_string(r.m_nStatus) + "|" + std::to_string(r.m_nEntry) + "|" + balance);
        }
        return lines;
    }
    int Row(const char* account, const char* desc) const
    {
        for (int i = 0; i < rows.GetSize(); ++i)
            if (rows[i]->m_strAccount == account && rows[i]->m_strDesc == desc)
                return i;
        return -1;
    }
    const CKishuZandakaItem& At(const char* account, const char* desc) const { return *rows[Row(account, desc)]; }
};
