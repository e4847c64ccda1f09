// The statement row table: rows added by position and fixed labels placed.
#include "statements/statement_rows.h"

#include "statement_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<CString> Column(const StatementTable& table, int cell)
{
    std::vector<CString> labels;
    for (const KessanRow& row : table.Rows())
        labels.push_back(row[cell]);
    return labels;
}

StatementTable TableOf(std::initializer_list<const char*> firstLabels)
{
    StatementTable table(1, 8);
    for (const char* label : firstLabels)
        table.AddRow(kAppend, label, "1", "0", "", "0", "0");
    return table;
}

TEST(StatementTable, AddRowByPosition)
{
    StatementTable table = TableOf({"a", "b", "c", "d", "e"});
    table.AddRow(kBeforeLastTwo, "x", "0", "0", "", "0", "0");
    table.AddRow(kBeforeLastFive, "y", "0", "0", "", "0", "0");
    EXPECT_EQ((std::vector<CString>{"a", "y", "b", "c", "x", "d", "e"}), Column(table, 5));

    table.AddRow(2, "ignored", "9", "9", "second", "3", "4");
    EXPECT_EQ(CString("b"), table.Rows()[2][5]);
    EXPECT_EQ(CString("second"), table.Rows()[2][6]);
    EXPECT_EQ(CString("3"), Trimmed(table.Rows()[2][3]));
    EXPECT_EQ(CString("4"), Trimmed(table.Rows()[2][4]));
    EXPECT_EQ(CString("1"), Trimmed(table.Rows()[2][1]));  // the first half stays as it was

    // Outside the rows and below -4: nothing.
    table.AddRow(7, "z", "0", "0", "z", "0", "0");
    table.AddRow(-5, "z", "0", "0", "z", "0", "0");
    EXPECT_EQ(7, table.Count());

    table.AddRow(kCentredFirst, "head", "ab", "", "", "", "");
    EXPECT_EQ(CString("head"), table.Rows()[0][5]);
    EXPECT_EQ(CString("   ab   "), table.Rows()[0][1]);
}

TEST(StatementTable, InsertBeforeTheLastRowsOfAShortTableGoesToTheFront)
{
    StatementTable table = TableOf({"a"});
    table.AddRow(kBeforeLastFive, "x", "0", "0", "", "0", "0");
    EXPECT_EQ((std::vector<CString>{"x", "a"}), Column(table, 5));
}

TEST(StatementTable, PlaceFirstHalf)
{
    struct Case {
        int position;
        const char* label;
        std::vector<CString> expected;
    };
    const Case cases[] = {
        {1, "b", {"a", "b", "c", "d"}},         // already there: nothing changes
        {0, "c", {"c", "a", "b", "d"}},         // moved up
        {3, "a", {"b", "c", "a", "d"}},         // moved down by insertion: ends at position - 1
        {kAppend, "b", {"a", "c", "d", "b"}},   // moved last
        {2, "new", {"a", "b", "new", "c", "d"}},
        {kAppend, "new", {"a", "b", "c", "d", "new"}},
        {4, "new", {"a", "b", "c", "d", "new"}},
        {9, "new", {"a", "b", "c", "d"}},       // beyond the rows: nothing
    };
    for (const Case& c : cases) {
        StatementTable table = TableOf({"a", "b", "c", "d"});
        table.PlaceRow(c.position, c.label, "");
        EXPECT_EQ(c.expected, Column(table, 5)) << c.position << " " << c.label;
    }
    StatementTable table = TableOf({"a"});
    table.PlaceRow(0, "new", "");
    EXPECT_EQ(table.BlankAmount(), table.Rows()[0][1]);
    EXPECT_EQ(CString("1"), Trimmed(table.Rows()[1][1]));
}

TEST(StatementTable, PlaceSecondHalf)
{
    auto make = [](std::initializer_list<const char*> labels) {
        StatementTable table(1, 8);
        for (const char* label : labels)
            table.AddRow(kAppend, "", "0", "0", label, "5", "6");
        return table;
    };
    struct Case {
        std::initializer_list<const char*> labels;
        int position;
        const char* label;
        std::vector<CString> expected;
    };
    const Case cases[] = {
        {{"p", "q", "", ""}, 1, "q", {"p", "q", "", ""}},
        {{"p", "q", "r", "", ""}, 3, "p", {"q", "r", "", "p", ""}},  // the gap closes, then placed
        {{"p", "q", "r", ""}, 0, "r", {"r", "q", "p", ""}},          // exchanged with the occupied target
        {{"p", "q", "", ""}, 1, "new", {"p", "new", "q", ""}},       // the halves below move down
        {{"p", "q", "r", "s"}, 1, "new", {"p", "new", "r", "s"}},    // no empty half: the target is replaced
        {{"p", "", ""}, 5, "new", {"p", "", ""}},                    // beyond the rows: nothing
    };
    for (const Case& c : cases) {
        StatementTable table = make(c.labels);
        table.PlaceRow(c.position, "", c.label);
        EXPECT_EQ(c.expected, Column(table, 6)) << c.position << " " << c.label;
    }
}

}  // namespace
