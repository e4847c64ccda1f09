// Journal entries written in the tests: one builder for every test that needs an
// entry, a hint example or a journal of them. Rows are written in order, up to
// three on each side; a row may leave its account or its amount empty, so that a
// test can write a gap, an amount without an account or an account alone.
//
//   EntryBuilder("2024/03/15").Cause("売上", "1000", "山田商店").Result("現金", "1000").Direction(1)
//   MakeEntry("2024/01/01", {{"現金", "100000"}}, {{"元入金", "100000"}}, 0, 5007000)
//   OneRowEntry("2024/02/01", "売上", "現金", "100", 1, 1005000).CauseDesc("A商店")
#pragma once

#include "core/journal_array.h"
#include "core/my_object2.h"

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <vector>

// One row of a side: its account, amount and description.
struct FixtureRow {
    CString account;
    CString amount;
    CString description;

    FixtureRow(const CString& account, const CString& amount = CString(), const CString& description = CString())
        : account(account), amount(amount), description(description)
    {
    }
};

// The fields of one entry, set step by step and written into as many entries as
// asked; a copy can be changed without touching the original.
class EntryBuilder {
public:
    explicit EntryBuilder(const CString& date = CString()) : m_date(date) {}

    // The next cause row.
    EntryBuilder& Cause(const CString& account, const CString& amount = CString(),
                        const CString& description = CString())
    {
        return Append(m_causes, {account, amount, description});
    }
    // The next result row.
    EntryBuilder& Result(const CString& account, const CString& amount = CString(),
                         const CString& description = CString())
    {
        return Append(m_results, {account, amount, description});
    }
    // The amount of the first row of both sides, for an entry of one row on each side.
    EntryBuilder& Amount(const CString& amount)
    {
        FirstRow(m_causes).amount = amount;
        FirstRow(m_results).amount = amount;
        return *this;
    }
    EntryBuilder& CauseDesc(const CString& description)
    {
        FirstRow(m_causes).description = description;
        return *this;
    }
    EntryBuilder& ResultDesc(const CString& description)
    {
        FirstRow(m_results).description = description;
        return *this;
    }
    // 0 makes the cause rows debit, 1 the result rows; -1 is an entry without its phrase.
    EntryBuilder& Direction(int direction)
    {
        m_direction = direction;
        return *this;
    }
    EntryBuilder& ClassCode(int classCode)
    {
        m_classCode = classCode;
        return *this;
    }
    EntryBuilder& Remark(const CString& remark)
    {
        m_remark = remark;
        return *this;
    }
    // Amounts left empty are written "0", as the input aids write their entries.
    EntryBuilder& UnusedAmountsZero()
    {
        m_emptyAmount = "0";
        return *this;
    }

    // Writes every field of the entry.
    void WriteTo(CMyObject2& entry) const
    {
        entry.m_strDate = m_date;
        CString* causeAccounts[] = {&entry.m_strCause1, &entry.m_strCause2, &entry.m_strCause3};
        CString* causeAmounts[] = {&entry.m_strCauseAmount1, &entry.m_strCauseAmount2, &entry.m_strCauseAmount3};
        CString* causeDescs[] = {&entry.m_strCauseDesc1, &entry.m_strCauseDesc2, &entry.m_strCauseDesc3};
        CString* resultAccounts[] = {&entry.m_strResult1, &entry.m_strResult2, &entry.m_strResult3};
        CString* resultAmounts[] = {&entry.m_strResultAmount1, &entry.m_strResultAmount2, &entry.m_strResultAmount3};
        CString* resultDescs[] = {&entry.m_strResultDesc1, &entry.m_strResultDesc2, &entry.m_strResultDesc3};
        for (size_t i = 0; i < kRows; ++i) {
            const FixtureRow row = i < m_causes.size() ? m_causes[i] : FixtureRow("");
            *causeAccounts[i] = row.account;
            *causeAmounts[i] = row.amount.IsEmpty() ? m_emptyAmount : row.amount;
            *causeDescs[i] = row.description;
        }
        for (size_t i = 0; i < kRows; ++i) {
            const FixtureRow row = i < m_results.size() ? m_results[i] : FixtureRow("");
            *resultAccounts[i] = row.account;
            *resultAmounts[i] = row.amount.IsEmpty() ? m_emptyAmount : row.amount;
            *resultDescs[i] = row.description;
        }
        entry.m_strRemark = m_remark;
        entry.m_nDirection = m_direction;
        entry.m_nClassCode = m_classCode;
    }
    // A new entry, owned by the caller (a journal array or the test).
    CMyObject2* New() const
    {
        auto* entry = new CMyObject2;
        WriteTo(*entry);
        return entry;
    }
    std::unique_ptr<CMyObject2> Owned() const { return std::unique_ptr<CMyObject2>(New()); }

private:
    static constexpr size_t kRows = 3;

    EntryBuilder& Append(std::vector<FixtureRow>& side, const FixtureRow& row)
    {
        if (side.size() == kRows)
            throw std::logic_error("an entry has three rows on each side");
        side.push_back(row);
        return *this;
    }
    static FixtureRow& FirstRow(std::vector<FixtureRow>& side)
    {
        if (side.empty())
            side.push_back(FixtureRow(""));
        return side.front();
    }

    CString m_date;
    std::vector<FixtureRow> m_causes;
    std::vector<FixtureRow> m_results;
    CString m_remark;
    CString m_emptyAmount;
    int m_direction = -1;
    int m_classCode = 0;
};

// An entry given as a table: its cause and result rows in order.
inline EntryBuilder MakeEntry(const CString& date, std::initializer_list<FixtureRow> causes,
                              std::initializer_list<FixtureRow> results, int direction, int classCode,
                              const CString& remark = CString())
{
    EntryBuilder entry(date);
    for (const FixtureRow& row : causes)
        entry.Cause(row.account, row.amount, row.description);
    for (const FixtureRow& row : results)
        entry.Result(row.account, row.amount, row.description);
    return entry.Direction(direction).ClassCode(classCode).Remark(remark);
}

// The commonest entry: one row on each side, the cause against the result, the
// same amount on both.
inline EntryBuilder OneRowEntry(const CString& date, const CString& cause, const CString& result,
                                const CString& amount, int direction, int classCode)
{
    return EntryBuilder(date).Cause(cause, amount).Result(result, amount).Direction(direction).ClassCode(classCode);
}

// A journal array that owns its entries and frees them with itself.
class OwnedJournal {
public:
    OwnedJournal() = default;
    OwnedJournal(std::initializer_list<EntryBuilder> entries)
    {
        for (const EntryBuilder& entry : entries)
            Add(entry);
    }
    OwnedJournal(const OwnedJournal&) = delete;
    OwnedJournal& operator=(const OwnedJournal&) = delete;
    ~OwnedJournal()
    {
        for (int i = 0; i < journal.GetSize(); ++i)
            delete journal.GetAt(i);
    }
    // The entry written, as the journal holds it.
    CMyObject2& Add(const EntryBuilder& entry)
    {
        CMyObject2* added = entry.New();
        journal.Add(added);
        return *added;
    }

    JournalArray journal;
};
