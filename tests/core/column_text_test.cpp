#include "core/column_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Each kana is one double-byte character: two bytes.
constexpr const char* kThreeKana = "アイウ";

TEST(CutToBytes, NeverSplitsADoubleByteCharacter)
{
    struct Case {
        const char* text;
        int maxBytes;
        const char* result;
    } cases[] = {
        {"アイウ", 5, "アイ"},
        {"アイウ", 6, "アイウ"},
        {"アイウ", 60, "アイウ"},
        {"abc", 0, ""},
        {"アイウ", 0, ""},
        {"アb", 1, ""},
        {"aア", 2, "a"},
        {"ソソ", 3, "ソ"},        // ソ ends in 0x5C, which is no character of its own
        {"ab\x83", 5, "ab"},      // a lead byte alone at the end is no character
        {"\x83", 1, "\x83"},      // nothing but one lead byte comes back as it is
        {"\x83", 0, ""},
        {"", 4, ""},
        {"abc", -1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.result), CutToBytes(c.text, c.maxBytes)) << c.text << " to " << c.maxBytes;
}

struct FitCase {
    const char* text;
    int width;
    int align;
    const char* result;
};

TEST(FitToColumn, WidthPlusOneByteWithCutMarksAndCentring)
{
    const FitCase cases[] = {
        {"abcdef", 4, kAlignLeft, "abcd."},
        {"ab", 4, kAlignRight, "   ab"},
        {"ab", 4, kAlignLeft, "ab   "},
        {"abcd", 4, kAlignRight, " abcd"},
        {"abcd", 4, kAlignLeft, "abcd "},
        {"abcd", 4, kAlignCentre, "abcd "},
        {"ab", 4, kAlignCentre, "  ab  "},  // even shortfall: two bytes over the column
        {"abc", 4, kAlignCentre, " abc "},
        {"", 4, kAlignCentre, "      "},
        {"アイウ", 5, kAlignLeft, "アイ.."},
        {"アイウ", 4, kAlignLeft, "アイ."},
        {"アイ", 1, kAlignLeft, ""},   // not one character fits
        {"abc", 0, kAlignLeft, ""},
        {"ab", 4, 7, "ab"},            // an unknown alignment leaves a shorter text
        {"abcd", 4, 7, "abcd "},
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(CString(c.result), FitToColumn(c.text, c.width, c.align))
            << '"' << c.text << "\" width " << c.width << " align " << c.align;
    }
}

TEST(FitToColumn, RightAlignedAmountFieldsAreAlwaysTwentyBytes)
{
    for (const char* amount : {"", "0", "1234.50", "-123456789012345678", "1234567890123456789"})
        EXPECT_EQ(20, FitToColumn(amount, 19, kAlignRight).GetLength()) << amount;
}

TEST(FitToColumn, TrimsTheAlignedSideUnlessTheTextIsTakenAsGiven)
{
    const FitCase trimmed[] = {
        {"  ab", 4, kAlignLeft, "ab   "},
        {"ab  ", 4, kAlignRight, "   ab"},
        {"  ab", 4, kAlignRight, "   ab"},  // only trailing blanks go for a right alignment
        {" ab ", 4, kAlignCentre, " ab  "},  // nothing is trimmed for a centred text
    };
    for (const FitCase& c : trimmed)
        EXPECT_EQ(CString(c.result), FitToColumn(c.text, c.width, c.align)) << '"' << c.text << '"';
    EXPECT_EQ(CString("  ab "), FitToColumn("  ab", 4, kAlignLeft, ColumnFit::AsGiven));
    EXPECT_EQ(CString(" ab  "), FitToColumn("ab  ", 4, kAlignRight, ColumnFit::AsGiven));
}

TEST(FitToColumn, WidenForPointKeepsIntegerDigitsInLine)
{
    const CString whole = FitToColumn("1,234", 10, kAlignRight, ColumnFit::WidenForPoint);
    const CString decimal = FitToColumn("1,234.50", 10, kAlignRight, ColumnFit::WidenForPoint);
    EXPECT_EQ(11, whole.GetLength());
    EXPECT_EQ(14, decimal.GetLength());
    EXPECT_EQ(whole.Find('4'), decimal.Find('4'));

    // Twelve bytes into ten: a double-byte character across bytes 10 and 11 is left out.
    EXPECT_EQ(CString("abcdefghi.."), FitToColumn("abcdefghiアb", 10, kAlignLeft, ColumnFit::WidenForPoint));
    EXPECT_EQ(CString("abcdefghij."), FitToColumn("abcdefghijkl", 10, kAlignLeft, ColumnFit::WidenForPoint));
    EXPECT_EQ(CString("  ab  "), FitToColumn("ab", 4, kAlignCentre, ColumnFit::WidenForPoint));
    EXPECT_EQ(CString("a.b   "), FitToColumn("a.b", 2, kAlignLeft, ColumnFit::WidenForPoint));
}

TEST(PadToWidth, ExactlyWidthBytesWithTheCentringException)
{
    const FitCase cases[] = {
        {"abcdef", 4, kAlignLeft, "abcd"},
        {"abcd", 4, kAlignRight, "abcd"},
        {"ab", 4, kAlignRight, "  ab"},
        {"ab", 4, kAlignLeft, "ab  "},
        {"ab", 4, kAlignCentre, " ab "},
        {"ab", 5, kAlignCentre, " ab "},  // odd shortfall: one byte short
        {"アイウ", 5, kAlignLeft, "アイ."},
        {"aアイ", 4, kAlignLeft, "aア."},
        {"アイ", 1, kAlignLeft, ""},
        {"", 3, kAlignLeft, "   "},
        {"ab", 4, 7, "ab"},
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(CString(c.result), PadToWidth(c.text, c.width, c.align))
            << '"' << c.text << "\" width " << c.width << " align " << c.align;
    }
}

TEST(PadToWidth, FillWithBlanksCutsWithoutAMark)
{
    const CString text = CString('x', 41) + "ア";  // 43 bytes, the last character across bytes 42 and 43
    EXPECT_EQ(CString('x', 41) + " ", PadToWidth(text, 42, kAlignLeft, PadCut::FillWithBlanks));
    EXPECT_EQ(CString("abcd"), PadToWidth("abcdef", 4, kAlignLeft, PadCut::FillWithBlanks));
    EXPECT_EQ(CString("    "), PadToWidth("", 4, kAlignLeft, PadCut::FillWithBlanks));
    EXPECT_EQ(CString(" "), PadToWidth("アイ", 1, kAlignLeft, PadCut::FillWithBlanks));
    EXPECT_EQ(CString("ab  "), PadToWidth("ab", 4, kAlignLeft, PadCut::FillWithBlanks));
}

TEST(RemoveMark, RemovesTheFirstOccurrenceOnly)
{
    const char* mark = "(消)";
    struct Case {
        const char* text;
        const char* result;
    } cases[] = {
        {"(消)交際費", "交際費"},
        {"交際(消)費", "交際費"},
        {"交際費(消)", "交際費"},
        {"交際費", "交際費"},
        {"(消)交際費(消)", "交際費(消)"},
        {"(消)", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.result), RemoveMark(c.text, mark)) << c.text;
    EXPECT_EQ(CString("abc"), RemoveMark("abc", ""));
}

TEST(IntToText, DecimalWithSign)
{
    EXPECT_EQ(CString("-5"), IntToText(-5));
    EXPECT_EQ(CString("0"), IntToText(0));
    EXPECT_EQ(CString("5007000"), IntToText(5007000));
    EXPECT_EQ(CString("-2147483648"), IntToText(INT_MIN));
}

TEST(ColumnText, KanaAreTwoBytes)
{
    // The cases above count on the Shift-JIS form of the literals.
    EXPECT_EQ(6, CString(kThreeKana).GetLength());
}

}  // namespace
