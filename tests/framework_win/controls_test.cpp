#include "framework/win/common_controls.h"
#include "framework/win/controls.h"
#include "framework/win/dc.h"
#include "framework/win/edit_bytes.h"
#include "framework/win/geometry_win.h"
#include "framework/win/wide_text.h"
#include "framework_win/controls_test_ids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kStripe = RGB(224, 255, 224);
const COLORREF kSelected = RGB(0, 0, 128);

// Texts whose second bytes are "\" (0x5C) and "|" (0x7C) in Shift-JIS, a full-width
// tilde, a circled digit and plain ASCII: each must come back byte for byte.
const char* const kJapaneseTexts[] = {"表ソー", "能力｜予定", "～①", "仕訳帳 2024/03/15", ""};

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void TypeCharacters(HWND edit, const std::wstring& characters)
{
    for (wchar_t ch : characters)
        ::SendMessageW(edit, WM_CHAR, ch, 1);
}

CString TextOf(const CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

// An owner-drawn list that records every drawing request and paints its rows
// in stripes, the selected row dark.
class RecordingListBox : public CListBox {
public:
    struct Request {
        int item;
        UINT action;
        UINT state;
        CRect rect;
        CString text;
    };

    void DrawItem(LPDRAWITEMSTRUCT drawItem) override
    {
        Request request{static_cast<int>(drawItem->itemID), drawItem->itemAction, drawItem->itemState,
                        FromWin32(drawItem->rcItem), CString()};
        if (request.item >= 0)
            GetText(request.item, request.text);
        requests.push_back(request);
        if (request.item < 0 || !(drawItem->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
            return;
        CDC dc;
        dc.Attach(drawItem->hDC);
        const bool selected = (drawItem->itemState & ODS_SELECTED) != 0;
        dc.FillSolidRect(&request.rect, selected ? kSelected : (request.item % 2 ? kStripe : kWhite));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(selected ? kWhite : RGB(0, 0, 0));
        CRect textRect = request.rect;
        textRect.top += 2;
        dc.DrawText(request.text, &textRect, 0);
    }

    std::vector<Request> requests;
};

// The test form of controls_test.rc, with each control bound to its object. It
// stays hidden unless a test reads pixels from the screen: without a window
// manager, hiding a shown window makes the system wait for one.
class ControlsForm : public ::testing::Test {
protected:
    static INT_PTR CALLBACK FormProc(HWND, UINT message, WPARAM, LPARAM)
    {
        return message == WM_INITDIALOG;
    }

    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES | ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        HWND hDlg = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CONTROLS_TEST), nullptr,
                                         &FormProc, 0);
        ASSERT_NE(nullptr, hDlg);
        ASSERT_TRUE(form.SubclassWindow(hDlg));
        const std::pair<CWnd*, int> bindings[] = {
            {&label, IDC_TEST_STATIC},       {&button, IDC_TEST_BUTTON},
            {&check, IDC_TEST_CHECK},        {&bitmapButton, IDC_TEST_BITMAP_BUTTON},
            {&picture, IDC_TEST_PICTURE},    {&edit, IDC_TEST_EDIT},
            {&multiline, IDC_TEST_MULTILINE}, {&list, IDC_TEST_LIST},
            {&stripes, IDC_TEST_STRIPES},    {&combo, IDC_TEST_COMBO},
            {&dropList, IDC_TEST_DROPLIST},  {&date, IDC_TEST_DATE},
        };
        for (auto [control, id] : bindings)
            ASSERT_TRUE(control->SubclassDlgItem(id, &form)) << id;
        PumpMessages();
    }

    void TearDown() override
    {
        form.DestroyWindow();
        PumpMessages();
    }

    CWnd form;
    CStatic label;
    CButton button;
    CButton check;
    CButton bitmapButton;
    CStatic picture;
    CEdit edit;
    CEdit multiline;
    CListBox list;
    RecordingListBox stripes;
    CComboBox combo;
    CComboBox dropList;
    CDateTimeCtrl date;
};

TEST_F(ControlsForm, EachPropertyReadsBackWhatWasSet)
{
    for (const char* item : {"現金", "売掛金", "受取手形", "普通預金", "買掛金", "支払手形", "事業主貸", "事業主借"}) {
        list.AddString(item);
        combo.AddString(item);
        dropList.AddString(item);
    }
    edit.SetWindowText("表示AB");
    combo.SetWindowText("現金売上");
    CBitmap picture1;
    ASSERT_TRUE(picture1.LoadBitmap(IDB_CONTROLS_TEST));

    struct Property {
        const char* name;
        std::function<void()> set;
        std::function<long long()> get;
        long long expected;
    };
    const Property properties[] = {
        {"button check", [&] { check.SetCheck(BST_CHECKED); }, [&] { return check.GetCheck(); }, BST_CHECKED},
        {"button uncheck", [&] { check.SetCheck(BST_UNCHECKED); }, [&] { return check.GetCheck(); }, BST_UNCHECKED},
        {"button pushed", [&] { button.SetState(TRUE); }, [&] { return button.GetState() & BST_PUSHED; }, BST_PUSHED},
        {"button released", [&] { button.SetState(FALSE); }, [&] { return button.GetState() & BST_PUSHED; }, 0},
        {"button style", [&] { button.SetButtonStyle(BS_DEFPUSHBUTTON); }, [&] { return button.GetButtonStyle(); },
         BS_DEFPUSHBUTTON},
        {"button bitmap", [&] { bitmapButton.SetBitmap(picture1); },
         [&] { return reinterpret_cast<long long>(bitmapButton.GetBitmap()); },
         reinterpret_cast<long long>(static_cast<HBITMAP>(picture1))},
        {"static bitmap", [&] { picture.SetBitmap(picture1); },
         [&] { return reinterpret_cast<long long>(picture.GetBitmap()); },
         reinterpret_cast<long long>(static_cast<HBITMAP>(picture1))},
        {"edit limit", [&] { edit.LimitText(16); }, [&] { return edit.GetLimitText(); }, 16},
        {"edit selection start", [&] { edit.SetSel(2, 5); }, [&] { return LOWORD(edit.GetSel()); }, 2},
        {"edit selection end", [&] { edit.SetSel(2, 5); }, [&] { return HIWORD(edit.GetSel()); }, 5},
        {"edit modified", [&] { edit.SetModify(TRUE); }, [&] { return edit.GetModify(); }, TRUE},
        {"edit unmodified", [&] { edit.SetModify(FALSE); }, [&] { return edit.GetModify(); }, FALSE},
        {"edit read-only", [&] { edit.SetReadOnly(TRUE); }, [&] { return edit.GetStyle() & ES_READONLY; }, ES_READONLY},
        {"edit writable", [&] { edit.SetReadOnly(FALSE); }, [&] { return edit.GetStyle() & ES_READONLY; }, 0},
        {"list selection", [&] { list.SetCurSel(3); }, [&] { return list.GetCurSel(); }, 3},
        {"list no selection", [&] { list.SetCurSel(-1); }, [&] { return list.GetCurSel(); }, LB_ERR},
        {"list item data", [&] { list.SetItemData(2, 0x12345678); }, [&] { return list.GetItemData(2); }, 0x12345678},
        {"list item height", [&] { list.SetItemHeight(0, 21); }, [&] { return list.GetItemHeight(0); }, 21},
        {"list top index", [&] { list.SetTopIndex(4); }, [&] { return list.GetTopIndex(); }, 4},
        {"combo selection", [&] { combo.SetCurSel(5); }, [&] { return combo.GetCurSel(); }, 5},
        {"combo item data", [&] { combo.SetItemData(1, 77); }, [&] { return combo.GetItemData(1); }, 77},
        {"combo edit selection", [&] { combo.SetWindowText("現金売上"); combo.SetEditSel(2, 6); },
         [&] { return combo.GetEditSel(); }, MAKELONG(2, 6)},
        {"combo limit", [&] { combo.LimitText(16); },
         [&] { return ::SendMessageW(combo.GetEditHandle(), EM_GETLIMITTEXT, 0, 0); }, 16},
        {"drop list selection", [&] { dropList.SetCurSel(7); }, [&] { return dropList.GetCurSel(); }, 7},
        {"drop list dropped", [&] { dropList.ShowDropDown(TRUE); }, [&] { return dropList.GetDroppedState(); }, TRUE},
        {"drop list closed", [&] { dropList.ShowDropDown(FALSE); }, [&] { return dropList.GetDroppedState(); }, FALSE},
    };
    for (const Property& property : properties) {
        property.set();
        EXPECT_EQ(property.expected, property.get()) << property.name;
    }
    bitmapButton.SetBitmap(nullptr);
    picture.SetBitmap(nullptr);
}

TEST_F(ControlsForm, JapaneseTextComesBackByteForByte)
{
    CWnd* const windows[] = {&label, &button, &edit, &multiline, &combo};
    for (const char* text : kJapaneseTexts) {
        for (CWnd* window : windows) {
            window->SetWindowText(text);
            EXPECT_STREQ(text, TextOf(*window)) << window->GetDlgCtrlID();
        }

        list.ResetContent();
        ASSERT_EQ(0, list.AddString("先頭"));
        ASSERT_EQ(1, list.AddString(text));
        ASSERT_EQ(0, list.InsertString(0, text));
        CString back;
        EXPECT_EQ(static_cast<int>(strlen(text)), list.GetText(2, back));
        EXPECT_STREQ(text, back);
        EXPECT_EQ(static_cast<int>(strlen(text)), list.GetTextLen(0));
        list.GetText(0, back);
        EXPECT_STREQ(text, back);
        if (*text) {
            EXPECT_EQ(0, list.FindStringExact(-1, text));
            EXPECT_EQ(2, list.FindStringExact(0, text));
        }

        combo.ResetContent();
        ASSERT_EQ(0, combo.AddString(text));
        EXPECT_EQ(static_cast<int>(strlen(text)), combo.GetLBText(0, back));
        EXPECT_STREQ(text, back);
        if (*text) {
            EXPECT_EQ(0, combo.FindStringExact(-1, text));
        }
    }
}

TEST_F(ControlsForm, ListsFindSelectAndDelete)
{
    for (const char* item : {"売上", "売掛金", "売上値引", "仕入"})
        list.AddString(item);
    EXPECT_EQ(4, list.GetCount());
    EXPECT_EQ(0, list.FindString(-1, "売"));        // prefix search
    EXPECT_EQ(1, list.FindString(0, "売"));         // after index 0
    EXPECT_EQ(0, list.FindStringExact(-1, "売上"));  // exact, not "売上値引"
    EXPECT_EQ(LB_ERR, list.FindStringExact(-1, "売"));
    EXPECT_EQ(2, list.SelectString(0, "売上値"));
    EXPECT_EQ(2, list.GetCurSel());
    EXPECT_EQ(3, list.DeleteString(0));
    EXPECT_EQ(1, list.GetCurSel());
    CString text;
    EXPECT_EQ(LB_ERR, list.GetText(3, text));
    EXPECT_TRUE(text.IsEmpty());
    CRect row;
    ASSERT_NE(LB_ERR, list.GetItemRect(1, &row));
    EXPECT_EQ(list.GetItemHeight(0), row.Height());
    list.ResetContent();
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(LB_ERR, list.GetCurSel());

    for (const char* item : {"現金", "普通預金"})
        combo.AddString(item);
    EXPECT_EQ(1, combo.InsertString(1, "当座預金"));
    EXPECT_EQ(2, combo.FindString(-1, "普通"));
    EXPECT_EQ(1, combo.SelectString(-1, "当座"));
    combo.GetWindowText(text);
    EXPECT_STREQ("当座預金", text);
    EXPECT_EQ(2, combo.DeleteString(0));
    EXPECT_EQ(CB_ERR, combo.GetLBText(5, text));
}

TEST_F(ControlsForm, OwnerDrawnListPaintsEachRow)
{
    const int rowHeight = 20;
    ASSERT_NE(LB_ERR, stripes.SetItemHeight(0, rowHeight));
    const char* const lines[] = {"01/05 売上 を 現金 で受取り", "01/06 仕入 を 買掛金 で支払い", "01/07 ---",
                                 "01/08 表ソー"};
    for (const char* line : lines)
        stripes.AddString(line);
    stripes.SetCurSel(2);
    form.ShowWindow(SW_SHOWNA);
    stripes.requests.clear();
    stripes.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    // One full drawing per row, in its own rectangle, with its own text.
    std::vector<bool> drawn(4, false);
    for (const auto& request : stripes.requests) {
        if (!(request.action & ODA_DRAWENTIRE))
            continue;
        ASSERT_GE(request.item, 0);
        ASSERT_LT(request.item, 4);
        drawn[static_cast<size_t>(request.item)] = true;
        EXPECT_EQ(request.item * rowHeight, request.rect.top);
        EXPECT_EQ(rowHeight, request.rect.Height());
        EXPECT_STREQ(lines[request.item], request.text);
        EXPECT_EQ(request.item == 2, (request.state & ODS_SELECTED) != 0) << request.item;
    }
    EXPECT_EQ(std::vector<bool>(4, true), drawn);

    // What DrawItem painted is on the screen: stripes by parity, the selection dark.
    CClientDC dc(&stripes);
    CRect client;
    stripes.GetClientRect(&client);
    const int x = client.right - 4;  // right of the texts
    EXPECT_EQ(kWhite, dc.GetPixel(x, 0 * rowHeight + rowHeight / 2));
    EXPECT_EQ(kStripe, dc.GetPixel(x, 1 * rowHeight + rowHeight / 2));
    EXPECT_EQ(kSelected, dc.GetPixel(x, 2 * rowHeight + rowHeight / 2));
    EXPECT_EQ(kStripe, dc.GetPixel(x, 3 * rowHeight + rowHeight / 2));
    // The text was drawn too.
    int inked = 0;
    for (int px = 2; px < 120; ++px)
        for (int py = 2; py < rowHeight - 2; ++py)
            inked += dc.GetPixel(px, py) != kWhite;
    EXPECT_GT(inked, 30);

    // Moving the selection redraws the two rows concerned.
    stripes.requests.clear();
    stripes.SetCurSel(0);
    stripes.UpdateWindow();
    bool selectedNow = false;
    bool deselected = false;
    for (const auto& request : stripes.requests) {
        selectedNow |= request.item == 0 && (request.state & ODS_SELECTED);
        deselected |= request.item == 2 && !(request.state & ODS_SELECTED);
    }
    EXPECT_TRUE(selectedNow);
    EXPECT_TRUE(deselected);
    EXPECT_EQ(kSelected, dc.GetPixel(x, rowHeight / 2));
    EXPECT_EQ(kWhite, dc.GetPixel(x, 2 * rowHeight + rowHeight / 2));
}

// A sorted owner-drawn list without strings: the items are the caller's pointers,
// ordered by CompareItem and released through DeleteItem.
class SortedByDataListBox : public CListBox {
public:
    void MeasureItem(LPMEASUREITEMSTRUCT measureItem) override
    {
        measureItem->itemHeight = 17;
        ++measured;
    }
    int CompareItem(LPCOMPAREITEMSTRUCT compareItem) override
    {
        return std::strcmp(reinterpret_cast<const char*>(compareItem->itemData1),
                           reinterpret_cast<const char*>(compareItem->itemData2));
    }
    void DeleteItem(LPDELETEITEMSTRUCT deleteItem) override
    {
        deleted.push_back(reinterpret_cast<const char*>(deleteItem->itemData));
    }

    int measured = 0;
    std::vector<std::string> deleted;
};

TEST_F(ControlsForm, OwnerDrawnListReachesMeasureCompareAndDelete)
{
    SortedByDataListBox sorted;
    ASSERT_TRUE(sorted.Create(WS_VISIBLE | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_SORT, CRect(400, 10, 500, 90), &form,
                              IDC_TEST_CREATED));
    EXPECT_GT(sorted.measured, 0);
    EXPECT_EQ(17, sorted.GetItemHeight(0));

    static const char kC[] = "c";
    static const char kA[] = "a";
    static const char kB[] = "b";
    sorted.AddString(kC);
    sorted.AddString(kA);
    sorted.AddString(kB);
    ASSERT_EQ(3, sorted.GetCount());
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(kA), sorted.GetItemData(0));
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(kB), sorted.GetItemData(1));
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(kC), sorted.GetItemData(2));

    sorted.DeleteString(1);
    EXPECT_EQ(std::vector<std::string>{"b"}, sorted.deleted);
    sorted.ResetContent();
    ASSERT_EQ(3u, sorted.deleted.size());
    std::sort(sorted.deleted.begin() + 1, sorted.deleted.end());
    EXPECT_EQ((std::vector<std::string>{"b", "a", "c"}), sorted.deleted);
    sorted.DestroyWindow();
}

// An owner-drawn drop-down list that measures its rows and records what it draws.
class RecordingComboBox : public CComboBox {
public:
    void MeasureItem(LPMEASUREITEMSTRUCT measureItem) override { measureItem->itemHeight = 18; }
    void DrawItem(LPDRAWITEMSTRUCT drawItem) override
    {
        CString text;
        if (static_cast<int>(drawItem->itemID) >= 0)
            GetLBText(static_cast<int>(drawItem->itemID), text);
        drawn.push_back({static_cast<int>(drawItem->itemID), drawItem->itemState, text});
    }

    struct Drawing {
        int item;
        UINT state;
        CString text;
    };
    std::vector<Drawing> drawn;
};

TEST_F(ControlsForm, OwnerDrawnComboMeasuresAndDrawsThroughItsObject)
{
    RecordingComboBox accounts;
    ASSERT_TRUE(accounts.Create(WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL,
                                CRect(400, 10, 520, 200), &form, IDC_TEST_CREATED));
    EXPECT_EQ(18, accounts.GetItemHeight(0));
    EXPECT_EQ(CB_ERR, accounts.GetCurSel());
    accounts.AddString("現金");
    accounts.AddString("表ソー");
    ASSERT_NE(CB_ERR, accounts.SetItemHeight(0, 22));
    EXPECT_EQ(22, accounts.GetItemHeight(0));

    accounts.SetCurSel(1);
    form.ShowWindow(SW_SHOWNA);
    accounts.drawn.clear();
    accounts.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    bool field = false;
    for (const auto& drawing : accounts.drawn)
        if (drawing.item == 1 && (drawing.state & ODS_COMBOBOXEDIT)) {
            field = true;
            EXPECT_STREQ("表ソー", drawing.text);
        }
    EXPECT_TRUE(field);
    accounts.DestroyWindow();
}

TEST_F(ControlsForm, ObjectsWithoutWindowAnswerFailure)
{
    CListBox noList;
    CComboBox noCombo;
    CEdit noEdit;
    CButton noButton;
    CDateTimeCtrl noDate;
    CToolTipCtrl noTip;
    CString text("前");
    SYSTEMTIME time{};
    struct Case {
        const char* name;
        long long answer;
        long long failure;
    };
    const Case cases[] = {
        {"list add", noList.AddString("現金"), LB_ERR},
        {"list count", noList.GetCount(), LB_ERR},
        {"list selection", noList.GetCurSel(), LB_ERR},
        {"list text", noList.GetText(0, text), LB_ERR},
        {"list height", noList.GetItemHeight(0), LB_ERR},
        {"combo add", noCombo.AddString("現金"), CB_ERR},
        {"combo selection", noCombo.GetCurSel(), CB_ERR},
        {"combo text", noCombo.GetLBText(0, text), CB_ERR},
        {"combo limit", noCombo.LimitText(8), FALSE},
        {"combo edit", reinterpret_cast<long long>(noCombo.GetEditHandle()), 0},
        {"edit lines", noEdit.GetLineCount(), 0},
        {"edit undo", noEdit.CanUndo(), FALSE},
        {"button check", noButton.GetCheck(), 0},
        {"date", noDate.GetTime(&time), static_cast<DWORD>(GDT_ERROR)},
        {"tooltip tools", noTip.GetToolCount(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.failure, c.answer) << c.name;
    EXPECT_TRUE(text.IsEmpty());
}

TEST_F(ControlsForm, EditSelectionCountsBytes)
{
    edit.SetWindowText("表A示");
    // Bytes: 表 0-1, A 2, 示 3-4. The control itself counts characters.
    edit.SetSel(2, 3);
    DWORD wide = static_cast<DWORD>(::SendMessageW(edit, EM_GETSEL, 0, 0));
    EXPECT_EQ(1, LOWORD(wide));
    EXPECT_EQ(2, HIWORD(wide));
    edit.ReplaceSel("ソ");
    EXPECT_STREQ("表ソ示", TextOf(edit));
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(4, start);
    EXPECT_EQ(4, end);

    // An offset inside a double-byte character stands for that character's start.
    edit.SetSel(1, 5);
    edit.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(4, end);
    edit.SetSel(0, -1);
    edit.GetSel(start, end);
    EXPECT_EQ(0, start);
    EXPECT_EQ(6, end);

    multiline.SetWindowText("一行目\r\n2行目\r\n三");
    EXPECT_EQ(3, multiline.GetLineCount());
    CString line;
    EXPECT_EQ(5, multiline.GetLine(1, line));
    EXPECT_STREQ("2行目", line);
    EXPECT_EQ(8, multiline.LineIndex(1));   // "一行目\r\n" is 8 bytes
    EXPECT_EQ(15, multiline.LineIndex(2));
    EXPECT_EQ(1, multiline.LineFromChar(9));
    EXPECT_EQ(2, multiline.LineFromChar(15));
    EXPECT_EQ(0, multiline.GetLine(7, line));
    EXPECT_TRUE(line.IsEmpty());
}

TEST_F(ControlsForm, TypedTextStopsAtTheByteLimit)
{
    edit.LimitText(5);
    TypeCharacters(edit, L"表示あ");
    EXPECT_STREQ("表示", TextOf(edit));  // the third kanji would make 6 bytes
    TypeCharacters(edit, L"A");
    EXPECT_STREQ("表示A", TextOf(edit));
    TypeCharacters(edit, L"B表");
    EXPECT_STREQ("表示A", TextOf(edit));
    // Deleting is always allowed, and frees room again.
    TypeCharacters(edit, L"\b\b");
    EXPECT_STREQ("表", TextOf(edit));
    TypeCharacters(edit, L"12");
    EXPECT_STREQ("表12", TextOf(edit));

    // Typing over a selection counts only what stays.
    edit.SetSel(0, 2);
    TypeCharacters(edit, L"ソ");
    EXPECT_STREQ("ソ12", TextOf(edit));

    // Inserted text is cut between characters to what fits.
    edit.SetWindowText("");
    edit.ReplaceSel("仕入帳");
    EXPECT_STREQ("仕入", TextOf(edit));
    edit.SetSel(2, 2);
    edit.ReplaceSel("A現金");
    EXPECT_STREQ("仕A入", TextOf(edit));

    // Text set by the program is not cut; the user may shorten it.
    edit.SetWindowText("総勘定元帳");
    EXPECT_STREQ("総勘定元帳", TextOf(edit));
    edit.SetSel(-1, -1);
    ::SendMessageW(edit, EM_SETSEL, 5, 5);
    TypeCharacters(edit, L"\b");
    EXPECT_STREQ("総勘定元", TextOf(edit));
    TypeCharacters(edit, L"x");
    EXPECT_STREQ("総勘定元", TextOf(edit));

    edit.LimitText(0);
    TypeCharacters(edit, L"帳簿");
    EXPECT_STREQ("総勘定元帳簿", TextOf(edit));
}

TEST_F(ControlsForm, PastedTextIsCutToTheByteLimit)
{
    const std::wstring clip = L"あいうえお";
    ASSERT_TRUE(::OpenClipboard(form));
    ::EmptyClipboard();
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (clip.size() + 1) * sizeof(wchar_t));
    std::memcpy(::GlobalLock(memory), clip.c_str(), (clip.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();

    edit.LimitText(5);
    edit.SetWindowText("");
    edit.Paste();
    EXPECT_STREQ("あい", TextOf(edit));

    combo.LimitText(7);
    combo.SetWindowText("1");
    combo.SetEditSel(1, 1);
    ::SendMessageW(combo.GetEditHandle(), WM_PASTE, 0, 0);
    CString text;
    combo.GetWindowText(text);
    EXPECT_STREQ("1あいう", text);
}

TEST_F(ControlsForm, ComboFieldStopsAtTheByteLimit)
{
    ASSERT_NE(nullptr, combo.GetEditHandle());
    EXPECT_EQ(nullptr, dropList.GetEditHandle());
    ASSERT_TRUE(combo.LimitText(16));
    TypeCharacters(combo.GetEditHandle(), L"按分料金事業主借");  // 8 kanji, 16 bytes
    TypeCharacters(combo.GetEditHandle(), L"入");
    EXPECT_STREQ("按分料金事業主借", TextOf(combo));
    combo.SetEditSel(0, 4);
    TypeCharacters(combo.GetEditHandle(), L"AB");
    EXPECT_STREQ("AB料金事業主借", TextOf(combo));
    TypeCharacters(combo.GetEditHandle(), L"CD");
    EXPECT_STREQ("ABCD料金事業主借", TextOf(combo));
    TypeCharacters(combo.GetEditHandle(), L"E");
    EXPECT_STREQ("ABCD料金事業主借", TextOf(combo));
    EXPECT_EQ(MAKELONG(4, 4), static_cast<LONG>(combo.GetEditSel()));
}

TEST_F(ControlsForm, DatePickerKeepsTheDateAndShowsTheFormat)
{
    SYSTEMTIME set{};
    set.wYear = 2024;
    set.wMonth = 3;
    set.wDay = 15;
    ASSERT_TRUE(date.SetTime(&set));
    SYSTEMTIME got{};
    ASSERT_EQ(static_cast<DWORD>(GDT_VALID), date.GetTime(&got));
    EXPECT_EQ(2024, got.wYear);
    EXPECT_EQ(3, got.wMonth);
    EXPECT_EQ(15, got.wDay);

    ASSERT_TRUE(date.SetFormat("yyyy'年'MM'月'dd'日'"));
    EXPECT_STREQ("2024年03月15日", TextOf(date));

    EXPECT_TRUE(date.SetTime(nullptr));
    EXPECT_EQ(static_cast<DWORD>(GDT_NONE), date.GetTime(&got));

    SYSTEMTIME first{};
    first.wYear = 2024;
    first.wMonth = 1;
    first.wDay = 1;
    SYSTEMTIME last = first;
    last.wMonth = 12;
    last.wDay = 31;
    ASSERT_TRUE(date.SetRange(&first, &last));
    SYSTEMTIME range[2] = {};
    EXPECT_EQ(static_cast<DWORD>(GDTR_MIN | GDTR_MAX), date.GetRange(range));
    EXPECT_EQ(1, range[0].wMonth);
    EXPECT_EQ(31, range[1].wDay);
}

TEST_F(ControlsForm, SpinOfTheTemplateWritesItsBuddy)
{
    CSpinButtonCtrl spin;
    CStatic number;
    ASSERT_TRUE(spin.SubclassDlgItem(IDC_TEST_SPIN, &form));
    ASSERT_TRUE(number.SubclassDlgItem(IDC_TEST_SPIN_NUMBER, &form));
    // The template's UDS_AUTOBUDDY took the control before it as the buddy.
    EXPECT_EQ(number.GetSafeHwnd(), spin.GetBuddy());
    spin.SetRange(1, 16);
    spin.SetPos(9);
    EXPECT_STREQ("9", TextOf(number));
    EXPECT_EQ(9, spin.GetPos());
}

TEST_F(ControlsForm, ToolTipHoldsJapaneseToolTexts)
{
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&form));
    ASSERT_TRUE(tip.AddTool(&label, "クリックで接続用語の切替え"));
    CRect area(0, 0, 20, 20);
    ASSERT_TRUE(tip.AddTool(&form, "表ソー", &area, 7));
    EXPECT_EQ(2, tip.GetToolCount());

    CString text;
    tip.GetText(text, &label);
    EXPECT_STREQ("クリックで接続用語の切替え", text);
    tip.GetText(text, &form, 7);
    EXPECT_STREQ("表ソー", text);

    tip.UpdateTipText("接続用語", &label);
    tip.GetText(text, &label);
    EXPECT_STREQ("接続用語", text);

    tip.SetDelayTime(TTDT_INITIAL, 123);
    EXPECT_EQ(123, tip.GetDelayTime(TTDT_INITIAL));

    tip.DelTool(&label);
    EXPECT_EQ(1, tip.GetToolCount());
    tip.GetText(text, &label);
    EXPECT_TRUE(text.IsEmpty());
    tip.DestroyWindow();
}

// A child found once is remembered: the lookups that follow must still answer
// what the window holds now, after the child is gone, renumbered or replaced.
TEST_F(ControlsForm, ChildLookupsFollowChildrenThatComeAndGo)
{
    CButton first;
    ASSERT_TRUE(first.Create("一", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(400, 100, 480, 130), &form, IDC_TEST_CREATED));
    EXPECT_EQ(&first, form.GetDlgItem(IDC_TEST_CREATED));
    form.CheckDlgButton(IDC_TEST_CREATED, BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, first.GetCheck());
    first.DestroyWindow();
    EXPECT_EQ(nullptr, form.GetDlgItem(IDC_TEST_CREATED));
    EXPECT_EQ(0u, form.IsDlgButtonChecked(IDC_TEST_CREATED));

    CButton second;
    ASSERT_TRUE(second.Create("二", WS_VISIBLE | BS_AUTOCHECKBOX, CRect(400, 100, 480, 130), &form, IDC_TEST_CREATED));
    form.SetDlgItemText(IDC_TEST_CREATED, "三");
    EXPECT_STREQ("三", TextOf(second));
    EXPECT_EQ(BST_UNCHECKED, form.IsDlgButtonChecked(IDC_TEST_CREATED));
    second.SetDlgCtrlID(IDC_TEST_CREATED + 1);
    EXPECT_EQ(nullptr, form.GetDlgItem(IDC_TEST_CREATED));
    EXPECT_EQ(&second, form.GetDlgItem(IDC_TEST_CREATED + 1));
    ::SetParent(second.m_hWnd, nullptr);
    EXPECT_EQ(nullptr, form.GetDlgItem(IDC_TEST_CREATED + 1));
    CString text;
    EXPECT_EQ(0, form.GetDlgItemText(IDC_TEST_CREATED + 1, text));
    second.DestroyWindow();
}

TEST_F(ControlsForm, ControlsMadeWithCreateWork)
{
    CButton made;
    ASSERT_TRUE(made.Create("新規\n登録", WS_VISIBLE | BS_AUTOCHECKBOX | BS_MULTILINE, CRect(400, 100, 480, 130),
                            &form, IDC_TEST_CREATED));
    EXPECT_EQ(&made, form.GetDlgItem(IDC_TEST_CREATED));
    EXPECT_STREQ("新規\n登録", TextOf(made));
    made.Click();
    EXPECT_EQ(BST_CHECKED, made.GetCheck());
    made.DestroyWindow();

    CEdit field;
    ASSERT_TRUE(field.Create(WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(400, 100, 480, 120), &form,
                             IDC_TEST_CREATED));
    field.LimitText(4);
    TypeCharacters(field, L"現金出納");
    EXPECT_STREQ("現金", TextOf(field));
    // The limit lifted, the field takes any length.
    field.LimitText(0);
    EXPECT_EQ(0u, edit_bytes::GetByteLimit(field.m_hWnd));
    TypeCharacters(field, L"出納");
    EXPECT_STREQ("現金出納", TextOf(field));
    field.DestroyWindow();

    CComboBox box;
    ASSERT_TRUE(box.Create(WS_VISIBLE | CBS_DROPDOWN, CRect(400, 100, 480, 200), &form, IDC_TEST_CREATED));
    box.AddString("円");
    box.AddString("㌦");
    EXPECT_EQ(1, box.FindStringExact(-1, "㌦"));
    box.DestroyWindow();

    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_VISIBLE | DTS_SHORTDATEFORMAT, CRect(400, 100, 480, 120), &form, IDC_TEST_CREATED));
    SYSTEMTIME time{};
    EXPECT_EQ(static_cast<DWORD>(GDT_VALID), picker.GetTime(&time));
    picker.DestroyWindow();

    CStatic caption;
    ASSERT_TRUE(caption.Create("摘要１", WS_VISIBLE | SS_CENTER | WS_BORDER, CRect(400, 100, 480, 120), &form));
    EXPECT_STREQ("摘要１", TextOf(caption));
    caption.DestroyWindow();
}

TEST_F(ControlsForm, ControlRectIsTheChildsPlaceInTheClientArea)
{
    // A form with a caption and border, moved off the origin, so that client and
    // screen coordinates differ.
    form.ModifyStyle(0, WS_CAPTION | WS_THICKFRAME, SWP_FRAMECHANGED);
    form.MoveWindow(37, 53, 600, 500);
    CButton made;
    ASSERT_TRUE(made.Create("登録", WS_VISIBLE | BS_PUSHBUTTON, CRect(120, 90, 200, 115), &form, IDC_TEST_CREATED));
    EXPECT_EQ(CRect(120, 90, 200, 115), form.ControlRect(IDC_TEST_CREATED));
    made.DestroyWindow();
    EXPECT_TRUE(form.ControlRect(IDC_TEST_CREATED).IsRectEmpty());
}

// A window that paints itself blue through CPaintDC.
class PaintedWindow : public CWnd {
    DECLARE_MESSAGE_MAP(PaintedWindow)
public:
    void OnPaint()
    {
        CPaintDC dc(this);
        painted = FromWin32(dc.m_ps.rcPaint);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(&client, RGB(0, 0, 255));
        ++paints;
    }

    int paints = 0;
    CRect painted;
};

const MessageMap* PaintedWindow::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<PaintedWindow>(
        on::Paint(&PaintedWindow::OnPaint));
    return &map;
}

TEST(WindowContexts, PaintClientAndWindowContexts)
{
    PaintedWindow window;
    ASSERT_TRUE(window.CreateEx(0, nullptr, "描画", WS_POPUP | WS_VISIBLE, CRect(600, 500, 700, 580), nullptr, 0));
    window.UpdateWindow();
    EXPECT_EQ(1, window.paints);
    EXPECT_EQ(CRect(0, 0, 100, 80), window.painted);
    // EndPaint validated the window: nothing is left to paint.
    EXPECT_FALSE(::GetUpdateRect(window, nullptr, FALSE));

    {
        CClientDC client(&window);
        EXPECT_EQ(RGB(0, 0, 255), client.GetPixel(50, 40));
        client.FillSolidRect(10, 10, 5, 5, RGB(255, 0, 0));
        EXPECT_EQ(RGB(255, 0, 0), client.GetPixel(12, 12));
    }
    {
        CWindowDC whole(&window);
        EXPECT_EQ(RGB(255, 0, 0), whole.GetPixel(12, 12));
        EXPECT_EQ(RGB(0, 0, 255), whole.GetPixel(99, 79));
    }
    CRect part(0, 0, 10, 10);
    window.InvalidateRect(&part, FALSE);
    window.UpdateWindow();
    EXPECT_EQ(2, window.paints);
    EXPECT_EQ(part, window.painted);
    window.DestroyWindow();
}

}  // namespace
