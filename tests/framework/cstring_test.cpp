#include "framework/cstring.h"

#include <gtest/gtest.h>

namespace {

// Literals are compiled to Shift-JIS: 表 = 95 5C, ソ = 83 5C, ー = 81 5B, 抹 = 96 7C, ン = 83 93.
const char* const kHyo = "表";

TEST(CStringText, LiteralsAreShiftJisBytes)
{
    CString hyo(kHyo);
    ASSERT_EQ(2, hyo.GetLength());
    EXPECT_EQ(static_cast<char>(0x95), hyo[0]);
    EXPECT_EQ('\\', hyo[1]);
}

TEST(CStringSearch, TrailBytesAreNeverTakenForAsciiCharacters)
{
    struct Case {
        const char* text;
        char ch;
        int find;
        int reverseFind;
    } cases[] = {
        {"C:\\帳簿\\表.siz", '\\', 2, 7},
        {"表ソ", '\\', -1, -1},
        {"ー]", ']', 2, 2},     // ー ends in 5B, then a real "]"
        {"ーx", '[', -1, -1},
        {"抹|", '|', 2, 2},
        {"", 'a', -1, -1},
    };
    for (const Case& c : cases) {
        CString text(c.text);
        EXPECT_EQ(c.find, text.Find(c.ch)) << c.text;
        EXPECT_EQ(c.reverseFind, text.ReverseFind(c.ch)) << c.text;
    }
}

TEST(CStringSearch, SubstringMatchesOnlyAtCharacterStarts)
{
    // "\x5C\x83" straddles 表ソ (95 5C 83 5C) and must not be found.
    CString text("表ソ");
    EXPECT_EQ(-1, text.Find("\\\x83"));
    EXPECT_EQ(2, text.Find("ソ"));
    EXPECT_EQ(-1, text.Find("ソ", 3));
    CString mixed("売上[]内訳[]");
    EXPECT_EQ(4, mixed.Find("[]"));
    EXPECT_EQ(10, mixed.Find("[]", 5));
    EXPECT_EQ(-1, mixed.Find("x"));
    EXPECT_EQ(0, mixed.Find(""));
}

TEST(CStringSearch, FindOneOfComparesWholeCharacters)
{
    EXPECT_EQ(-1, CString("表ソ").FindOneOf("\\"));
    EXPECT_EQ(2, CString("表ソ").FindOneOf("ソ"));
    EXPECT_EQ(4, CString("表ソ,").FindOneOf(",."));
}

TEST(CStringEdit, ReplaceRemoveAndTrimKeepDoubleByteCharacters)
{
    CString path("C:\\表\\ソ.siw");
    EXPECT_EQ(2, path.Replace('\\', '/'));
    EXPECT_EQ(CString("C:/表/ソ.siw"), path);

    CString ext("a.siw\\b.siw");
    EXPECT_EQ(2, ext.Replace(".siw", ".siz"));
    EXPECT_EQ(CString("a.siz\\b.siz"), ext);

    CString amount("1,234,567");
    EXPECT_EQ(2, amount.Remove(','));
    EXPECT_EQ(CString("1234567"), amount);

    CString withTrail("表\\");
    EXPECT_EQ(1, withTrail.Remove('\\'));
    EXPECT_EQ(CString(kHyo), withTrail);

    CString trimmed("  表  ");
    trimmed.TrimLeft();
    trimmed.TrimRight();
    EXPECT_EQ(CString(kHyo), trimmed);

    CString bracket("ー]]");
    bracket.TrimRight(']');
    EXPECT_EQ(CString("ー"), bracket);

    CString set("[[表");
    set.TrimLeft("[");
    EXPECT_EQ(CString(kHyo), set);
}

TEST(CStringEdit, SlicingCountsBytes)
{
    CString text("現金abc");
    EXPECT_EQ(7, text.GetLength());
    EXPECT_EQ(CString("現金"), text.Left(4));
    EXPECT_EQ(CString("abc"), text.Right(3));
    EXPECT_EQ(CString("金a"), text.Mid(2, 3));
    EXPECT_EQ(CString(""), text.Mid(10));
    EXPECT_EQ(CString("現金abc"), text.Left(100));
    EXPECT_EQ(CString(""), text.Mid(-1, 0));

    CString edit("abc");
    edit.Insert(1, "表");
    EXPECT_EQ(CString("a表bc"), edit);
    edit.Delete(1, 2);
    EXPECT_EQ(CString("abc"), edit);
    edit.Insert(99, 'd');
    EXPECT_EQ(CString("abcd"), edit);
}

TEST(CStringEdit, CaseMappingLeavesDoubleByteCharactersAlone)
{
    // ａ (82 81) has a trail byte in the lower-case range only in that it is not ASCII; "表a".
    CString text("表abcＡ");
    text.MakeUpper();
    EXPECT_EQ(CString("表ABCＡ"), text);
    text.MakeLower();
    EXPECT_EQ(CString("表abcＡ"), text);
    EXPECT_EQ(0, CString("siz").CompareNoCase("SIZ"));
    CString reversed("ab表");
    reversed.MakeReverse();
    EXPECT_EQ(CString("表ba"), reversed);
}

TEST(CStringCompare, ComparesUnsignedBytes)
{
    EXPECT_LT(CString("a").Compare("b"), 0);
    EXPECT_GT(CString("表").Compare("a"), 0);  // 0x95 above 0x61 as an unsigned byte
    EXPECT_EQ(0, CString("").Compare(""));
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_TRUE("x" != CString("y"));
    EXPECT_TRUE(CString("ab") < CString("b"));
}

TEST(CStringFormat, FormatsLikePrintf)
{
    CString text;
    text.Format("%s=%05d", "n", 42);
    EXPECT_EQ(CString("n=00042"), text);
    text.Format("%-6s|", static_cast<LPCTSTR>(CString("表")));
    EXPECT_EQ(CString("表    |"), text);
    CString long_text;
    long_text.Format("%0300d", 1);
    EXPECT_EQ(300, long_text.GetLength());
}

TEST(CStringBuffer, GetBufferAndReleaseBuffer)
{
    CString text("ab");
    char* buffer = text.GetBuffer(10);
    buffer[2] = 'c';
    buffer[3] = '\0';
    text.ReleaseBuffer();
    EXPECT_EQ(CString("abc"), text);
    text.GetBufferSetLength(5);
    text.ReleaseBuffer(1);
    EXPECT_EQ(CString("a"), text);
}

TEST(CStringSpan, SpanIncludingAndExcluding)
{
    EXPECT_EQ(CString("123"), CString("123円").SpanIncluding("0123456789"));
    EXPECT_EQ(CString("売上"), CString("売上[]x").SpanExcluding("["));
}

}  // namespace
