// Cells and box-drawn lines of the statement pages.
#include "statements/statement_cells.h"

#include <gtest/gtest.h>

namespace {

TEST(FitCell, FitsTextToTheWidthInBytes)
{
    struct Case {
        const char* text;
        int width;
        int mode;
        const char* expected;
    };
    const Case cases[] = {
        {"科目名", 5, kFillLeft, "科目."},
        {"科目名", 6, kFillLeft, "科目名"},
        {"AB", 5, kFillCentre, " AB  "},
        {"AB", 6, kFillCentre, "  AB  "},
        {"AB", 5, kFillRight, "   AB"},
        {"AB", 5, kFillLeft, "AB   "},
        {"", 6, kFillRule, "───"},
        {"", 5, kFillRule, "──"},
        {"", 4, kFillSpaces, "　　"},
        {"科", 1, kFillLeft, ""},
        {"ABCDEF", 4, kFillRight, "ABCD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.expected), FitCell(c.text, c.width, c.mode)) << c.text << " " << c.width;
}

TEST(FormatAmountCell, FormatsAmountsAsTheStatementsShowThem)
{
    struct Case {
        int blankZero;
        const char* amount;
        int width;
        const char* expected;
    };
    const Case cases[] = {
        {0, "1234567.5", 14, "   1,234,567.5"},  // the fraction is kept as it is
        {1, "-1234", 12, "   -1,234   "},
        {1, "0", 8, "        "},
        {0, "0", 8, "    0   "},
        {1, "0.00", 8, "    0.00"},
        {1, "-0", 8, "   -0   "},
        {0, "", 6, "      "},
        // Five separators at most: 19 integer digits keep a group of four.
        {0, "1234567890123456789.12", 28, " 1234,567,890,123,456,789.12"},
        // Too wide: "#" and the last width - 1 bytes; a negative amount keeps its sign.
        {0, "1234567890123456789.12", 26, "#34,567,890,123,456,789.12"},
        {0, "-123456789012345678.12", 26, "-#3,456,789,012,345,678.12"},
        {0, "-123456789012345678.12", 28, " -123,456,789,012,345,678.12"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.expected), FormatAmountCell(c.blankZero, c.amount, c.width)) << c.amount;
    EXPECT_EQ(CString("       0   "), FormatAmountCellKeepZero("0", 11));
}

TEST(BoxRowWriter, WorkedExampleOfTwoRows)
{
    BoxRowWriter writer;
    auto first = writer.AddRow(kFirstRow, 0, 0, {{"ab", 4}, {"cd", 4}});
    auto last = writer.AddRow(kLastRow, 0, 0, {{"ef", 4}, {"gh", 4}});
    EXPECT_EQ((std::vector<CString>{" ┌──┬──┐", " │ab  │cd  │"}), first);
    EXPECT_EQ((std::vector<CString>{" ├──┼──┤", " │ef  │gh  │", " └──┴──┘"}), last);
}

TEST(BoxRowWriter, JunctionsFollowTheBoundariesOfTheRowAbove)
{
    BoxRowWriter writer;
    writer.AddRow(kFirstRow, 2, 0, {{"title", 10}});
    auto below = writer.AddRow(1, 2, 0, {{"a", 4}, {"b", 4}});
    EXPECT_EQ(CString("   ├──┬──┤"), below[0]);
    auto again = writer.AddRow(2, 2, 0, {{"c", 4}, {"d", 4}});
    EXPECT_EQ(CString("   ├──┼──┤"), again[0]);
}

TEST(BoxRowWriter, SplitsBreakEveryLineIntoBoxes)
{
    BoxRowWriter writer;
    auto top = writer.AddRow(kFirstRow, 0, 6, {{"a", 4}, {"b", 4}, {"c", 4}}, 14);
    EXPECT_EQ(CString(" ┌──┐┌──┐┌──┐"), top[0]);
    EXPECT_EQ(CString(" │a   ││b   ││c   │"), top[1]);
    auto bottom = writer.AddRow(kLastRow, 0, 6, {{"d", 4}, {"e", 4}, {"f", 4}}, 14);
    EXPECT_EQ(CString(" ├──┤├──┤├──┤"), bottom[0]);
    EXPECT_EQ(CString(" └──┘└──┘└──┘"), bottom[2]);
}

TEST(BoxRowWriter, CellOfAnotherLengthDoesNotMoveTheCellsAfterIt)
{
    BoxRowWriter writer;
    auto lines = writer.AddRow(kFirstRow, 0, 0, {{"toolong", 4}, {"x", 2}, {"", 4}});
    EXPECT_EQ(CString(" │tool│x │    │"), lines[1]);
}

}  // namespace
