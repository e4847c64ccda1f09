// The sales and purchases books' computations: exact decimal products, their
// column functions and the item breakdown kept in an entry's remark.
#include "books/decimal_product.h"
#include "books/item_breakdown.h"
#include "books/sales_text.h"

#include <gtest/gtest.h>

namespace {

TEST(DecimalProduct, ExactProductsInTheResultForm)
{
    struct Case {
        const char* a;
        const char* b;
        const char* product;
    };
    const Case cases[] = {
        {"12345", "2.5", "30862.5"},
        {"1.5", "1,280", "1920.0"},
        {"1000", "0.05", "50.00"},
        {"2", "0.05", ".10"},
        {"0.5", "0.1", ".05"},
        {"3", "4", "12"},
        {"1.25", "4", "5.00"},
        {"1234", "1", "1234"},
        {"0", "3", "0"},
        {"0.00", "5", ".00"},
        {"", "7", "0"},
        {"19", "0.05", ".95"},
        {"1 000", "2", "2000"},
        // Beyond 18 digits the product stays exact.
        {"123456789012345678901234567890", "1", "123456789012345678901234567890"},
        {"999999999999999999999999999999", "999999999999999999999999999999",
         "999999999999999999999999999998000000000000000000000000000001"},
        {"123456789012345.678901234567890", "1000", "123456789012345678.901234567890000"},
        {"99,999,999,999", "99,999,999.99", "9999999998900000000.01"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.product), MultiplyDecimals(c.a, c.b)) << c.a << " x " << c.b;

    const CString a = "1,2.5";
    MultiplyDecimals(a, a);
    EXPECT_EQ(CString("1,2.5"), a);
    EXPECT_EQ(CString("000"), MakeZeros(3));
    EXPECT_EQ(CString(), MakeZeros(0));
    EXPECT_EQ(CString(), MakeZeros(-2));
}

TEST(SalesText, ColumnFunctions)
{
    struct Case {
        CString result;
        CString expected;
    };
    const Case cases[] = {
        // Amounts with two decimals get a column 3 bytes wider: the integers line up.
        {FitBookAmount("1,234", 10, 1), "      1,234"},
        {FitBookAmount("1,234.50", 10, 1), "      1,234.50"},
        // A description with a dot is a text: no wider column.
        {FitBookText("No.5", 6, -1), "No.5   "},
        {FitBookText("No.5", 6, 1), "   No.5"},
        // Not trimmed first.
        {FitBookText(" ab ", 6, -1), " ab    "},
        {FitBookText("ab", 2, 1), " ab"},
        {FitBookText("ab", 2, -1), "ab "},
        {FitBookText("ab", 5, 0), "  ab  "},
        {FitBookText("ab", 6, 0), "   ab   "},
        // Cut: w bytes and ".", or w - 1 bytes and ".." when a double-byte character straddles.
        {FitBookText("abcdefghijkl", 10, -1), "abcdefghij."},
        {FitBookText("abcdefghi漢l", 10, -1), "abcdefghi.."},
        {PadItemField("", 4), "    "},
        {PadItemField("ab", 4), "ab  "},
        {PadItemField("abcd", 4), "abcd"},
        {PadItemField("abc漢", 4), "abc "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, c.result);
    // 43 bytes whose last two form one character, into 42: 41 bytes and a blank.
    const CString long43 = CString("a") + "漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢";
    ASSERT_EQ(43, long43.GetLength());
    EXPECT_EQ(long43.Left(41) + " ", PadItemField(long43, 42));
}

SalesItem Item(const char* name, const char* quantity, const char* unit, const char* price,
               const char* currency = "円")
{
    return {name, quantity, unit, price, currency};
}

CString Bytes(const CString& text, char fill, int width)
{
    CString out = text;
    while (out.GetLength() < width)
        out += fill;
    return out;
}

TEST(ItemBreakdown, AddChangeDeleteWriteTheExactBytes)
{
    CString remark = "月末締め";
    AppendItem(remark, Item("りんご", "1,200", "個", "150.5"));
    const CString first = CString("[]") + Bytes("りんご", ' ', 42) + Bytes("1,200", ' ', 15) +
                          Bytes("個", ' ', 6) + Bytes("150.5", ' ', 15) + Bytes("円", ' ', 4);
    ASSERT_EQ(84, first.GetLength());
    EXPECT_EQ(CString("月末締め") + first, remark);

    AppendItem(remark, Item("みかん", "3", "箱", "1000", "㌦"));
    ASSERT_EQ(2, CountItems(remark));
    EXPECT_EQ(CString("月末締め"), RemarkText(remark));
    EXPECT_EQ((std::vector<SalesItem>{Item("りんご", "1,200", "個", "150.5"), Item("みかん", "3", "箱", "1000", "㌦")}),
              ReadItems(remark));

    EXPECT_TRUE(ReplaceItem(remark, 1, Item("ぶどう", "2", "房", "800")));
    EXPECT_EQ(Item("ぶどう", "2", "房", "800"), ReadItems(remark)[1]);
    EXPECT_EQ(CString("月末締め") + first, remark.Left(8 + 84));

    EXPECT_TRUE(RemoveItem(remark, 0));
    EXPECT_EQ((std::vector<SalesItem>{Item("ぶどう", "2", "房", "800")}), ReadItems(remark));
    EXPECT_EQ(8 + 84, remark.GetLength());
    EXPECT_TRUE(RemoveItem(remark, 0));
    EXPECT_EQ(CString("月末締め"), remark);
}

TEST(ItemBreakdown, IndexesOutOfRangeChangeNothing)
{
    CString remark = "x";
    AppendItem(remark, Item("a", "1", "個", "2"));
    const CString before = remark;
    EXPECT_FALSE(ReplaceItem(remark, 1, Item("b", "1", "個", "2")));
    EXPECT_FALSE(ReplaceItem(remark, -1, Item("b", "1", "個", "2")));
    EXPECT_FALSE(RemoveItem(remark, 1));
    EXPECT_FALSE(RemoveItem(remark, -1));
    EXPECT_EQ(before, remark);
    CString plain = "no items";
    EXPECT_FALSE(RemoveItem(plain, 0));
    EXPECT_EQ(CString("no items"), plain);
}

TEST(ItemBreakdown, ANameIsCutOnACharacterBoundaryAt42Bytes)
{
    CString remark;
    const CString name = CString("a") + "漢字漢字漢字漢字漢字漢字漢字漢字漢字漢字漢";
    AppendItem(remark, Item(name, "1", "個", "1"));
    ASSERT_EQ(84, remark.GetLength());
    EXPECT_EQ(name.Left(41), ReadItems(remark)[0].name);
    EXPECT_EQ(' ', remark[2 + 41]);

    // A damaged remark whose name field ends in the first byte of a character:
    // the name read leaves that byte out instead of showing half a character.
    CString damaged = remark;
    damaged.SetAt(2 + 41, '\x8A');
    EXPECT_EQ(name.Left(41), ReadItems(damaged)[0].name);
}

TEST(ItemBreakdown, BracketsThatAreNotWholeItemsStayText)
{
    // Too short for an item.
    EXPECT_EQ(0, CountItems("メモ[]です"));
    EXPECT_EQ(CString("メモ[]です"), RemarkText("メモ[]です"));
    // Typed brackets before real items: the items still begin at their own marker.
    CString remark = "型番[]A";
    AppendItem(remark, Item("ねじ", "10", "本", "5"));
    EXPECT_EQ(CString("型番[]A"), RemarkText(remark));
    ASSERT_EQ(1, CountItems(remark));
    EXPECT_EQ(CString("ねじ"), ReadItems(remark)[0].name);
    // A stray rest after the items: nothing is read as an item, nothing is lost.
    const CString stray = remark + "[]x";
    EXPECT_EQ(0, CountItems(stray));
    EXPECT_EQ(stray, RemarkText(stray));
    // The second byte of a double-byte character is no "[": 0x83 0x5B is one character.
    CString hidden = "\x83[]";
    hidden += Bytes("", ' ', 82);
    EXPECT_EQ(-1, FindItemsStart(hidden));
    // A remark ending in a lone lead byte does not swallow the marker.
    CString lone = "ab\x83";
    AppendItem(lone, Item("n", "1", "個", "1"));
    EXPECT_EQ(1, CountItems(lone));
}

TEST(ItemBreakdown, RefusalsInTheirOrder)
{
    struct Case {
        SalesItem item;
        const char* message;
    };
    const Case cases[] = {
        {Item("", "", "", ""), " 品名が入力されていません。"},
        {Item("a", "", "", ""), " 数量が入力されていません。"},
        {Item("a", "1", "", ""), " 単位が入力されていません。"},
        {Item("a", "1", "個", ""), " 単価が入力されていません。"},
        {Item("a", "1.2.3", "個", "5"), "数量「1.2.3」は数字として読めません。\n\n数字とカンマ、小数点で入力してください。"},
        {Item("a", ",", "個", "5"), "数量「,」は数字として読めません。\n\n数字とカンマ、小数点で入力してください。"},
        {Item("a", "1234567890123456", "個", "5"), "数量「1234567890123456」は15文字までで入力してください。"},
        {Item("a", "1", "個", "-5"), "単価「-5」にはマイナスの符号を付けられません。"},
        {Item("a", "1", "個", "  "), "単価「  」は数字として読めません。\n\n数字とカンマ、小数点で入力してください。"},
        {Item("a", "1", "個", "1a2b3"), "単価「1a2b3」は数字として読めません。\n\n数字とカンマ、小数点で入力してください。"},
        {Item(" ", "123,456,789.012", " ", "1.5", ""), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.message), ItemRefusal(c.item)) << c.item.quantity << "/" << c.item.price;
}

TEST(ItemBreakdown, ListRowsAndOwnEntries)
{
    const auto row = ItemRowTexts(Item("りんご", "1,200", "個", "150.5"));
    EXPECT_EQ(CString("りんご"), row[0]);
    EXPECT_EQ(CString("        1,200"), row[1]);
    EXPECT_EQ(CString(" 個"), row[2]);
    EXPECT_EQ(CString("        150.50"), row[3]);
    EXPECT_EQ(CString("           180,600.00"), row[4]);

    EXPECT_TRUE(IsOwnEntry(4, {1, 4, 7}));
    EXPECT_FALSE(IsOwnEntry(5, {1, 4, 7}));
    EXPECT_FALSE(IsOwnEntry(-1, {1, 4, 7}));
    EXPECT_FALSE(IsOwnEntry(0, {}));
}

}  // namespace

namespace {

using Outcome = BreakdownEditor::Outcome;

TEST(BreakdownEditor, ActsOnlyOnTheShownOwnEntryAndItsPickedItem)
{
    const std::vector<int> own{2, 5};
    CString remark = "r";
    AppendItem(remark, {"a", "1", "個", "10", "円"});
    AppendItem(remark, {"b", "2", "個", "20", "円"});
    BreakdownEditor editor;
    const SalesItem c{"c", "3", "本", "30", "円"};

    // Nothing shown, or the current entry is another view's: nothing happens.
    EXPECT_EQ(Outcome::Ignored, editor.Add(remark, -1, own, c).outcome);
    editor.ShowEntry(5);
    EXPECT_EQ(Outcome::Ignored, editor.Add(remark, 3, own, c).outcome);
    EXPECT_EQ(Outcome::Ignored, editor.Add(remark, 2, own, c).outcome);  // not the entry shown
    EXPECT_EQ(2, CountItems(remark));

    // Change and delete need a pick; a pick beyond the items is none.
    EXPECT_EQ(Outcome::NotSelected, editor.Change(remark, 5, own, c).outcome);
    EXPECT_FALSE(editor.Pick(2, remark));
    EXPECT_EQ(CString(" 品名リストが選択されていません。"), editor.Delete(remark, 5, own).message);

    // A pick is forgotten when another line is shown.
    EXPECT_TRUE(editor.Pick(1, remark));
    editor.ShowEntry(2);
    editor.ShowEntry(5);
    EXPECT_EQ(-1, editor.SelectedItem());
    EXPECT_EQ(Outcome::NotSelected, editor.Change(remark, 5, own, c).outcome);

    // Refused items change nothing.
    EXPECT_TRUE(editor.Pick(1, remark));
    const CString before = remark;
    const auto refused = editor.Change(remark, 5, own, {"c", "3x", "本", "30", "円"});
    EXPECT_EQ(Outcome::Refused, refused.outcome);
    EXPECT_EQ(before, remark);

    EXPECT_EQ(Outcome::Done, editor.Change(remark, 5, own, c).outcome);
    EXPECT_EQ(c, ReadItems(remark)[1]);
    EXPECT_EQ(Outcome::Done, editor.Add(remark, 5, own, c).outcome);
    EXPECT_EQ(1, editor.SelectedItem());  // an add keeps the pick
    EXPECT_EQ(3, CountItems(remark));

    // After a delete nothing is picked: a second delete needs a new pick.
    EXPECT_EQ(Outcome::Done, editor.Delete(remark, 5, own).outcome);
    EXPECT_EQ(-1, editor.SelectedItem());
    EXPECT_EQ(Outcome::NotSelected, editor.Delete(remark, 5, own).outcome);
    EXPECT_EQ(2, CountItems(remark));
    EXPECT_EQ(CString("a"), ReadItems(remark)[0].name);
    EXPECT_EQ(CString("c"), ReadItems(remark)[1].name);

    // Without items, change and delete do nothing and say nothing.
    CString plain = "plain";
    EXPECT_EQ(Outcome::Ignored, editor.Delete(plain, 5, own).outcome);
}

}  // namespace
