// Journals written in the tests: entries built from their rows, and the small
// year that the page tests share.
#pragma once

#include "../support/entry_builder.h"
#include "statements/account_totals.h"

#include <initializer_list>
#include <memory>
#include <vector>

class FixtureJournal {
public:
    FixtureJournal& Add(const EntryBuilder& entry)
    {
        m_entries.emplace_back(entry.New());
        return *this;
    }
    // An entry given as a table of up to three cause and three result rows.
    FixtureJournal& Add(const char* date, std::initializer_list<FixtureRow> causes,
                        std::initializer_list<FixtureRow> results, int direction, int classCode)
    {
        return Add(MakeEntry(date, causes, results, direction, classCode));
    }

    Journal View() const
    {
        Journal journal;
        for (const auto& entry : m_entries)
            journal.push_back(entry.get());
        return journal;
    }

private:
    std::vector<std::unique_ptr<CMyObject2>> m_entries;
};

// A small year: opening balances (cash, bank, inventory against 元入金, a payable
// the other way round), the opening and closing inventory transfers, two sales, a
// purchase on credit, an expense and a payment.
inline void AddSmallYear(FixtureJournal& journal)
{
    journal.Add("2024/01/01", {{"現金", "100000"}}, {{"元入金", "100000"}}, 0, 5007000)
        .Add("2024/01/01", {{"普通預金", "500000"}}, {{"元入金", "500000"}}, 0, 5007000)
        .Add("2024/01/01", {{"棚卸資産", "30000"}}, {{"元入金", "30000"}}, 0, 5007000)
        .Add("2024/01/01", {{"買掛金", "40000"}}, {{"元入金", "40000"}}, 1, 4007000)
        .Add("2024/01/01", {{"仕入", "30000"}}, {{"棚卸資産", "30000"}}, 0, 2005000)
        .Add("2024/03/15", {{"売上", "120000"}}, {{"現金", "120000"}}, 1, 1005000)
        .Add("2024/04/10", {{"売上", "80000"}}, {{"普通預金", "80000"}}, 1, 1005000)
        .Add("2024/05/20", {{"仕入", "50000"}}, {{"買掛金", "50000"}}, 0, 2004000)
        .Add("2024/06/30", {{"通信費", "12000"}}, {{"現金", "12000"}}, 0, 3005000)
        .Add("2024/07/31", {{"買掛金", "40000"}}, {{"普通預金", "40000"}}, 0, 4005000)
        .Add("2024/12/31", {{"棚卸資産", "25000"}}, {{"仕入", "25000"}}, 0, 5002000);
}

// A cell's text without its padding, for comparing figures.
inline CString Trimmed(CString text)
{
    text.TrimLeft();
    text.TrimRight();
    return text;
}
