// The journal view's edits of the journal array: what each does to the entries
// and what it tells the transaction list, the selection and the current entry,
// refused rows included.
#include "../support/journal_fixtures.h"

#include "journal/journal_edits.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Change = JournalEdit::ListChange;

// The journal of three sales, one a day from January 5th.
class JournalEditsTest : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Clear(); }

    void Clear()
    {
        for (int i = 0; i < m_journal.GetSize(); ++i)
            delete m_journal.GetAt(i);
        m_journal.RemoveAll();
    }
    void Reset()
    {
        Clear();
        for (const char* date : {"2024/01/05", "2024/01/06", "2024/01/07"})
            m_journal.Add(SaleEntry(date, "1000"));
    }

    std::vector<std::string> Dates() const
    {
        std::vector<std::string> dates;
        for (int i = 0; i < m_journal.GetSize(); ++i)
            dates.emplace_back(static_cast<const char*>(m_journal.GetAt(i)->m_strDate));
        return dates;
    }

    JournalArray m_journal;
};

std::unique_ptr<CMyObject2> Typed(const char* date)
{
    return std::unique_ptr<CMyObject2>(SaleEntry(date, "2500"));
}

TEST_F(JournalEditsTest, EachEditChangesTheJournalAndSaysWhatTheListRedoes)
{
    CMyObject2 clip;
    CopyEntryFields(*Typed("2024/02/01"), clip);
    struct Case {
        const char* name;
        std::function<JournalEdit(JournalArray&)> edit;
        std::vector<std::string> dates;  // the journal afterwards
        Change change;
        int row;
        const char* shownDate;  // the date of the entry whose line the list shows at row, "" none
        int select;
        std::optional<int> current;
    };
    const Case cases[] = {
        {"add", [](JournalArray& j) { return AddEntry(j, Typed("2024/01/09")); },
         {"2024/01/05", "2024/01/06", "2024/01/07", "2024/01/09"}, Change::Insert, 3, "2024/01/09", 4, 3},
        {"insert first", [](JournalArray& j) { return InsertEntry(j, 0, Typed("2024/01/01")); },
         {"2024/01/01", "2024/01/05", "2024/01/06", "2024/01/07"}, Change::Replace, 0, "2024/01/01", 0, 0},
        {"insert middle", [](JournalArray& j) { return InsertEntry(j, 2, Typed("2024/01/06")); },
         {"2024/01/05", "2024/01/06", "2024/01/06", "2024/01/07"}, Change::Replace, 2, "2024/01/06", 2, 2},
        {"insert past the end", [](JournalArray& j) { return InsertEntry(j, 4, Typed("2024/01/08")); },
         {"2024/01/05", "2024/01/06", "2024/01/07"}, Change::None, -1, "", -1, std::nullopt},
        {"insert before the start", [](JournalArray& j) { return InsertEntry(j, -1, Typed("2024/01/08")); },
         {"2024/01/05", "2024/01/06", "2024/01/07"}, Change::None, -1, "", -1, std::nullopt},
        {"change", [](JournalArray& j) { return ChangeEntry(j, 1, *Typed("2024/03/03")); },
         {"2024/01/05", "2024/03/03", "2024/01/07"}, Change::Replace, 1, "2024/03/03", 1, std::nullopt},
        {"change of the new-entry row", [](JournalArray& j) { return ChangeEntry(j, 3, *Typed("2024/03/03")); },
         {"2024/01/05", "2024/01/06", "2024/01/07"}, Change::None, -1, "", -1, std::nullopt},
        {"delete first", [](JournalArray& j) { return DeleteEntry(j, 0); },
         {"2024/01/06", "2024/01/07"}, Change::Remove, 0, "", -1, -1},
        {"delete last", [](JournalArray& j) { return DeleteEntry(j, 2); },
         {"2024/01/05", "2024/01/06"}, Change::Remove, 2, "", -1, 1},
        {"delete of the new-entry row", [](JournalArray& j) { return DeleteEntry(j, 3); },
         {"2024/01/05", "2024/01/06", "2024/01/07"}, Change::None, -1, "", -1, std::nullopt},
        {"paste before an entry", [&clip](JournalArray& j) { return PasteEntry(j, 1, clip); },
         {"2024/01/05", "2024/02/01", "2024/01/06", "2024/01/07"}, Change::Insert, 1, "2024/02/01", 1, 1},
        {"paste on the new-entry row", [&clip](JournalArray& j) { return PasteEntry(j, 3, clip); },
         {"2024/01/05", "2024/01/06", "2024/01/07", "2024/02/01"}, Change::Insert, 3, "2024/02/01", 3, 3},
        {"paste past the new-entry row", [&clip](JournalArray& j) { return PasteEntry(j, 4, clip); },
         {"2024/01/05", "2024/01/06", "2024/01/07"}, Change::None, -1, "", -1, std::nullopt},
        {"paste at the end", [&clip](JournalArray& j) { return PasteEntryAtEnd(j, clip); },
         {"2024/01/05", "2024/01/06", "2024/01/07", "2024/02/01"}, Change::Insert, 3, "2024/02/01", 3, 3},
    };
    for (const Case& c : cases) {
        Reset();
        const JournalEdit edit = c.edit(m_journal);
        EXPECT_EQ(c.dates, Dates()) << c.name;
        EXPECT_EQ(c.change, edit.change) << c.name;
        EXPECT_EQ(c.change != Change::None, edit.Done()) << c.name;
        EXPECT_EQ(c.row, edit.row) << c.name;
        EXPECT_EQ(c.select, edit.select) << c.name;
        EXPECT_EQ(c.current, edit.currentEntry) << c.name;
        if (*c.shownDate) {
            ASSERT_NE(nullptr, edit.entry) << c.name;
            EXPECT_EQ(m_journal.GetAt(edit.row), edit.entry) << c.name;
            EXPECT_EQ(CString(c.shownDate), edit.entry->m_strDate) << c.name;
        } else {
            EXPECT_EQ(nullptr, edit.entry) << c.name;
        }
    }
}

// A pasted entry is a copy: the clipboard's entry pasted twice gives two entries,
// and a change of one leaves the clipboard as it was.
TEST_F(JournalEditsTest, PastedEntriesAreCopiesOfTheClipboard)
{
    CMyObject2 clip;
    clip.m_strDate = "2024/02/01";
    clip.m_strRemark = "月分支払[]品名";
    clip.m_nClassCode = 1005000;
    PasteEntry(m_journal, 0, clip);
    PasteEntryAtEnd(m_journal, clip);
    ASSERT_EQ(5, m_journal.GetSize());
    EXPECT_NE(m_journal.GetAt(0), m_journal.GetAt(4));
    for (int row : {0, 4}) {
        EXPECT_EQ(clip.m_strRemark, m_journal.GetAt(row)->m_strRemark);
        EXPECT_EQ(1005000, m_journal.GetAt(row)->m_nClassCode);
    }
    ChangeEntry(m_journal, 0, *Typed("2024/03/03"));
    EXPECT_EQ(CString("2024/02/01"), clip.m_strDate);
    EXPECT_EQ(CString("2024/02/01"), m_journal.GetAt(4)->m_strDate);
}

// The change of an entry by itself (the view builds into the stored entry) keeps it.
TEST_F(JournalEditsTest, ChangeOfAnEntryByItselfKeepsIt)
{
    CMyObject2* entry = m_journal.GetAt(1);
    entry->m_strCause1 = "雑収入";
    const JournalEdit edit = ChangeEntry(m_journal, 1, *entry);
    EXPECT_EQ(entry, edit.entry);
    EXPECT_EQ(CString("雑収入"), m_journal.GetAt(1)->m_strCause1);
}

}  // namespace
