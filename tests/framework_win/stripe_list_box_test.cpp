// The striped list of the journal and the books on real windows. A list that
// keeps its rows' texts itself (LBS_NODATA, as the journal's) must answer every
// caller as a list of strings does: the same rows after each add, insert, delete
// and reset, the same answers, the same drawing, the same move on a typed
// character. A batch of changes draws the list once and leaves it shown as it was.
#include "framework/win/stripe_list_box.h"

#include "framework/win/dc.h"
#include "support/window_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_DISABLENOSCROLL;
constexpr int kRowHeight = 16;

std::vector<CString> Rows(const CListBox& list)
{
    std::vector<CString> rows;
    for (int i = 0; i < list.GetCount(); ++i) {
        CString text;
        list.GetText(i, text);
        rows.push_back(text);
    }
    return rows;
}

// The list's client area as the list paints it, pixel by pixel.
std::vector<COLORREF> Painted(CListBox& list)
{
    CRect client;
    list.GetClientRect(&client);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.Width(), client.Height());
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::SendMessageW(list.m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < client.Height(); ++y)
        for (int x = 0; x < client.Width(); ++x)
            pixels.push_back(::GetPixel(memory, x, y));
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// A list of strings and a list that keeps its texts, side by side under one framework window.
class StripeListBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "stripes", WS_POPUP | WS_CLIPCHILDREN, CRect(0, 0, 620, 200), nullptr,
                                    0));
        ASSERT_TRUE(strings.Create(kListStyle | LBS_HASSTRINGS, CRect(0, 0, 300, 6 * kRowHeight), &parent, 1000));
        ASSERT_TRUE(kept.Create(kListStyle | LBS_NODATA, CRect(310, 0, 610, 6 * kRowHeight), &parent, 1001));
        for (CStripeListBox* list : {&strings, &kept})
            list->SetItemHeight(0, kRowHeight);
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        PumpWaitingMessages();
    }

    // Runs step on both lists: the answers and the rows must agree, and the rows be expected.
    void Both(const char* what, const std::function<int(CStripeListBox&)>& step, const std::vector<CString>& expected)
    {
        SCOPED_TRACE(what);
        const int answerOfStrings = step(strings);
        const int answerOfKept = step(kept);
        EXPECT_EQ(answerOfStrings, answerOfKept);
        EXPECT_EQ(expected, Rows(strings));
        EXPECT_EQ(expected, Rows(kept));
        EXPECT_EQ(strings.GetCount(), kept.GetCount());
    }

    CWnd parent;
    CStripeListBox strings;
    CStripeListBox kept;
};

TEST_F(StripeListBoxTest, KeptRowsAnswerAsAListOfStrings)
{
    ASSERT_TRUE(kept.GetStyle() & LBS_NODATA);
    ASSERT_FALSE(kept.GetStyle() & LBS_HASSTRINGS);
    // Texts whose second bytes are "\" and "|" in Shift-JIS come back byte for byte.
    Both("lines", [](CStripeListBox& list) { list.SetLines({"表ソー", "能力｜予定", "---"}); return 0; },
         {"表ソー", "能力｜予定", "---"});
    Both("insert", [](CStripeListBox& list) { return list.InsertString(1, "***"); },
         {"表ソー", "***", "能力｜予定", "---"});
    Both("delete", [](CStripeListBox& list) { return list.DeleteString(2); }, {"表ソー", "***", "---"});
    Both("insert at the end", [](CStripeListBox& list) { return list.InsertString(-1, "末尾"); },
         {"表ソー", "***", "---", "末尾"});
    Both("add", [](CStripeListBox& list) { return list.AddString(""); }, {"表ソー", "***", "---", "末尾", ""});
    Both("insert past the end", [](CStripeListBox& list) { return list.InsertString(9, "x"); },
         {"表ソー", "***", "---", "末尾", ""});
    Both("delete past the end", [](CStripeListBox& list) { return list.DeleteString(9); },
         {"表ソー", "***", "---", "末尾", ""});
    Both("text past the end", [](CStripeListBox& list) { CString text; return list.GetText(5, text); },
         {"表ソー", "***", "---", "末尾", ""});
    Both("text length", [](CStripeListBox& list) { return list.GetTextLen(0); }, {"表ソー", "***", "---", "末尾", ""});
    Both("select", [](CStripeListBox& list) { list.SetCurSel(3); return list.GetCurSel(); },
         {"表ソー", "***", "---", "末尾", ""});
    Both("delete above the selection", [](CStripeListBox& list) { list.DeleteString(0); return list.GetCurSel(); },
         {"***", "---", "末尾", ""});
    Both("reset", [](CStripeListBox& list) { list.ResetContent(); return list.GetCurSel(); }, {});
    Both("lines again", [](CStripeListBox& list) { list.SetLines({"一", "二"}); return list.GetCurSel(); },
         {"一", "二"});
    Both("no lines", [](CStripeListBox& list) { list.SetLines({}); return list.GetCount(); }, {});
}

TEST_F(StripeListBoxTest, RowsWrittenWhenNeededAnswerAsKeptRows)
{
    // A thousand rows: only those drawn or asked for are written.
    std::vector<int> written;
    auto rowText = [&written](int row) {
        written.push_back(row);
        return CString("行 ") + CString(std::to_string(row).c_str());
    };
    for (CStripeListBox* list : {&strings, &kept})
        list->ShowLines(1000, rowText);
    EXPECT_EQ(1000, kept.GetCount());
    EXPECT_EQ(1000, strings.GetCount());  // a list of strings takes every text at once
    strings.SetCurSel(500);
    written.clear();
    kept.SetCurSel(500);
    const std::vector<COLORREF> drawn = Painted(kept);
    CString text;
    kept.GetText(999, text);
    EXPECT_EQ("行 999", text);
    EXPECT_EQ(static_cast<int>(CString("行 999").GetLength()), kept.GetTextLen(999));
    EXPECT_LT(written.size(), 50u);
    EXPECT_NE(written.end(), std::find(written.begin(), written.end(), 500));  // the selected row was drawn
    EXPECT_TRUE(Painted(strings) == drawn);

    // Changing the rows writes every text first, so that none moves to another row.
    Both("insert", [](CStripeListBox& list) { return list.InsertString(1, "新"); }, [] {
        std::vector<CString> rows;
        for (int row = 0; row < 1000; ++row)
            rows.push_back(CString("行 ") + CString(std::to_string(row).c_str()));
        rows.insert(rows.begin() + 1, "新");
        return rows;
    }());
    Both("delete", [](CStripeListBox& list) { list.DeleteString(1); return list.DeleteString(0); }, [] {
        std::vector<CString> rows;
        for (int row = 1; row < 1000; ++row)
            rows.push_back(CString("行 ") + CString(std::to_string(row).c_str()));
        return rows;
    }());
    Both("reset", [](CStripeListBox& list) { list.ResetContent(); return list.GetCount(); }, {});
    Both("none", [](CStripeListBox& list) { list.ShowLines(0, [](int) { return CString("x"); }); return 0; }, {});
}

TEST_F(StripeListBoxTest, KeptRowsAreDrawnAsStringsAre)
{
    const std::vector<CString> lines = {" 2024/01/05 |  売上 について", " 2024/01/06 |  現金 を受取り", "---",
                                        " 2024/01/07", " 2024/01/08", " 2024/01/09", " 2024/01/10"};
    for (CStripeListBox* list : {&strings, &kept}) {
        list->SetLines(lines);
        list->SetCurSel(1);
    }
    const std::vector<COLORREF> drawnStrings = Painted(strings);
    const std::vector<COLORREF> drawnKept = Painted(kept);
    ASSERT_FALSE(drawnKept.empty());
    EXPECT_TRUE(drawnStrings == drawnKept);
    // Rows were drawn: the stripe, the selection and dark text are all there.
    auto has = [&drawnKept](COLORREF colour) {
        return std::find(drawnKept.begin(), drawnKept.end(), colour) != drawnKept.end();
    };
    EXPECT_TRUE(has(kept.m_crStripe));
    EXPECT_TRUE(has(::GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_TRUE(has(kept.m_crText));

    kept.SetLines({" 2024/01/05 |  売上 について", "other", "---", " 2024/01/07", " 2024/01/08", " 2024/01/09",
                   " 2024/01/10"});
    kept.SetCurSel(1);
    EXPECT_FALSE(drawnStrings == Painted(kept));  // another text draws otherwise
}

TEST_F(StripeListBoxTest, TypedCharacterMovesAsInAListOfStrings)
{
    for (CStripeListBox* list : {&strings, &kept})
        list->SetLines({" 2024/01/05", " 2024/01/06", "Abc", " 2024/01/07", "---"});
    struct Key {
        wchar_t typed;
        int row;
    };
    // The search starts after the caret row (the first row at the start) and comes
    // round; the case is ignored; a character no row begins with moves nothing.
    const Key keys[] = {{L' ', 1}, {L' ', 3}, {L' ', 0}, {L'-', 4}, {L' ', 0}, {L'a', 2}, {L'z', 2}, {L'A', 2}};
    for (const Key& key : keys) {
        for (CStripeListBox* list : {&strings, &kept})
            list->SendMessage(WM_CHAR, key.typed, 1);
        EXPECT_EQ(key.row, strings.GetCurSel()) << static_cast<int>(key.typed);
        EXPECT_EQ(strings.GetCurSel(), kept.GetCurSel()) << static_cast<int>(key.typed);
    }
}

TEST_F(StripeListBoxTest, BatchBringsTheScrollBarUpToDateOnceAtItsEnd)
{
    auto scrollMax = [this] {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        kept.GetScrollInfo(SB_VERT, &info, SIF_RANGE);
        return info.nMax;
    };
    kept.SetLines({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"});
    const int tenRows = scrollMax();
    EXPECT_GT(tenRows, 0);
    {
        const CStripeListBox::Batch outer(kept);
        {
            const CStripeListBox::Batch inner(kept);
            kept.SetLines(std::vector<CString>(40, CString("row")));
            kept.SetCurSel(39);
        }
        EXPECT_EQ(tenRows, scrollMax());  // still held until the outer batch ends
        kept.SetCurSel(20);
    }
    EXPECT_GT(scrollMax(), tenRows);
    EXPECT_NE(0u, kept.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(20, kept.GetCurSel());
    EXPECT_EQ(40, kept.GetCount());

    strings.ShowWindow(SW_HIDE);
    {
        const CStripeListBox::Batch batch(strings);
        strings.SetLines({"c"});
    }
    EXPECT_EQ(0u, strings.GetStyle() & WS_VISIBLE);  // a hidden list is not shown by a batch
    EXPECT_EQ(std::vector<CString>{"c"}, Rows(strings));
}

}  // namespace
