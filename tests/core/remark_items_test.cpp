#include "core/remark_items.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An item as the books write it: the marker and 82 bytes.
CString Item(char fill)
{
    return CString("[]") + CString(std::string(kItemLength - 2, fill).c_str());
}

TEST(RemarkItems, WhereTheItemsStart)
{
    const CString stray100 = CString(std::string(100, 'z').c_str());
    struct Case {
        const char* name;
        CString remark;
        int start;
        CString text;
    } const cases[] = {
        {"empty", "", -1, ""},
        {"text only", "月末締め", -1, "月末締め"},
        {"one item", "月末" + Item('a'), 4, "月末"},
        {"two items", "x" + Item('a') + Item('b'), 1, "x"},
        {"items only", Item('a'), 0, ""},
        {"typed brackets too short for an item", "メモ[]です", -1, "メモ[]です"},
        {"brackets and 100 bytes that are no whole item", "x[]" + stray100, -1, "x[]" + stray100},
        {"typed brackets before real items", "型番[]A" + Item('n'), 7, "型番[]A"},
        {"a stray rest after the items", "y" + Item('a') + "[]x", -1, "y" + Item('a') + "[]x"},
        // 0x83 0x5B is one character: its second byte is no "[".
        {"bracket byte inside a double-byte character", "\x83[]" + CString(std::string(82, ' ').c_str()), -1,
         "\x83[]" + CString(std::string(82, ' ').c_str())},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.start, FindItemsStart(c.remark)) << c.name;
        EXPECT_EQ(c.text, RemarkText(c.remark)) << c.name;
        EXPECT_EQ(c.text + RemarkItems(c.remark), c.remark) << c.name;
    }
}

}  // namespace
