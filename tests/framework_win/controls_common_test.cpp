#include "framework/win/common_controls.h"
#include "framework/win/controls.h"
#include "framework/win/dc.h"
#include "framework/win/geometry_win.h"
#include "framework_win/controls_test_ids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kTint = RGB(224, 224, 255);
const COLORREF kLine = RGB(192, 192, 192);
const COLORREF kSelected = RGB(0, 0, 128);

CString TextOf(const CWnd& wnd)
{
    CString text;
    wnd.GetWindowText(text);
    return text;
}

// A framework window as the parent, so that the controls' notifications are
// routed and reflected as in a form. Hidden unless a test reads pixels.
class CommonControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "共通コントロール", WS_POPUP | WS_CLIPCHILDREN,
                                    CRect(0, 0, 640, 400), nullptr, 0));
    }
    void TearDown() override { parent.DestroyWindow(); }

    CWnd parent;
};

TEST_F(CommonControls, SpinButtonKeepsRangePositionAndBuddy)
{
    CStatic number;
    ASSERT_TRUE(number.Create("", WS_VISIBLE | SS_SUNKEN, CRect(10, 10, 40, 40), &parent, 1085));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, CRect(40, 10, 56, 40), &parent, 1086));
    EXPECT_EQ(nullptr, spin.SetBuddy(&number));
    EXPECT_EQ(number.GetSafeHwnd(), spin.GetBuddy());

    struct Property {
        const char* name;
        std::function<void()> set;
        std::function<long long()> get;
        long long expected;
    };
    int lower = 0;
    int upper = 0;
    const Property properties[] = {
        {"range lower", [&] { spin.SetRange(1, 16); }, [&] { spin.GetRange(lower, upper); return lower; }, 1},
        {"range upper", [&] { spin.SetRange(1, 16); }, [&] { spin.GetRange(lower, upper); return upper; }, 16},
        {"position", [&] { spin.SetPos(16); }, [&] { return spin.GetPos(); }, 16},
        {"position kept in range", [&] { spin.SetPos(40); }, [&] { return spin.GetPos(); }, 16},
        {"previous position", [&] { spin.SetPos(5); }, [&] { return spin.SetPos(6); }, 5},
    };
    for (const Property& property : properties) {
        property.set();
        EXPECT_EQ(property.expected, property.get()) << property.name;
    }
    // The buddy shows the number, and a number typed there is the position.
    EXPECT_STREQ("6", TextOf(number));
    number.SetWindowText("12");
    EXPECT_EQ(12, spin.GetPos());
}

TEST_F(CommonControls, SpinButtonTellsWhenItsBuddyHoldsNoPosition)
{
    CStatic number;
    ASSERT_TRUE(number.Create("", WS_VISIBLE | SS_SUNKEN, CRect(10, 10, 40, 40), &parent, 1087));
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, CRect(40, 10, 56, 40), &parent, 1088));
    spin.SetBuddy(&number);
    spin.SetRange(1, 16);
    struct Case {
        const char* buddyText;
        int position;
        BOOL error;
    };
    // With an error the position answered is no reading of the buddy's text.
    const Case cases[] = {{"12", 12, FALSE}, {"abc", 0, TRUE}, {"40", 0, TRUE}, {"3", 3, FALSE}};
    for (const Case& c : cases) {
        number.SetWindowText(c.buddyText);
        BOOL error = !c.error;
        int position = spin.GetPos(&error);
        EXPECT_EQ(c.error, error) << c.buddyText;
        if (!c.error) {
            EXPECT_EQ(c.position, position) << c.buddyText;
        }
    }
    CSpinButtonCtrl unmade;
    BOOL error = FALSE;
    unmade.GetPos(&error);
    EXPECT_TRUE(error);
}

TEST_F(CommonControls, ImageListMasksTheGivenColour)
{
    CBitmap halves;  // 8 × 8: left half red, right half blue
    ASSERT_TRUE(halves.LoadBitmap(IDB_CONTROLS_TEST));
    CImageList images;
    ASSERT_TRUE(images.Create(4, 8, ILC_COLOR24 | ILC_MASK, 2, 2));
    EXPECT_EQ(0, images.Add(&halves, RGB(0, 0, 255)));
    EXPECT_EQ(2, images.GetImageCount());
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(images.GetIconSize(cx, cy));
    EXPECT_EQ(4, cx);
    EXPECT_EQ(8, cy);

    CClientDC screen(&parent);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
    CBitmap canvas;
    ASSERT_TRUE(canvas.CreateCompatibleBitmap(&screen, 8, 8));
    CBitmap* old = memory.SelectObject(&canvas);
    memory.FillSolidRect(0, 0, 8, 8, kWhite);
    ::ImageList_Draw(images, 0, memory, 0, 0, ILD_TRANSPARENT);
    ::ImageList_Draw(images, 1, memory, 4, 0, ILD_TRANSPARENT);
    EXPECT_EQ(RGB(255, 0, 0), memory.GetPixel(1, 1));
    EXPECT_EQ(kWhite, memory.GetPixel(5, 1));  // the blue picture is all mask
    memory.SelectObject(old);

    HIMAGELIST handle = images.Detach();
    EXPECT_EQ(0, images.GetImageCount());
    EXPECT_EQ(-1, images.Add(&halves, RGB(0, 0, 255)));
    ASSERT_TRUE(images.Attach(handle));
    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_EQ(nullptr, images.GetSafeHandle());
}

TEST_F(CommonControls, TreeHoldsItemsTextsDataAndImages)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | WS_BORDER | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                                TVS_SHOWSELALWAYS,
                            CRect(10, 10, 300, 390), &parent, 1031));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 7, 2));
    EXPECT_EQ(nullptr, tree.SetImageList(&images, TVSIL_NORMAL));
    EXPECT_EQ(images.GetSafeHandle(), tree.GetImageList(TVSIL_NORMAL));

    HTREEITEM root = tree.InsertItem(TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE, "勘定科目", 0, 0, 0, 0,
                                     0, TVI_ROOT, TVI_LAST);
    ASSERT_NE(nullptr, root);
    HTREEITEM revenue = tree.InsertItem("収益", 1, 1, root);
    HTREEITEM expense = tree.InsertItem("費用(経費.損失)", 1, 1, root);
    HTREEITEM sales = tree.InsertItem("売上", revenue);
    HTREEITEM first = tree.InsertItem("表ソー", root, TVI_FIRST);
    ASSERT_TRUE(revenue && expense && sales && first);
    EXPECT_EQ(5u, tree.GetCount());

    // Relatives.
    EXPECT_EQ(root, tree.GetRootItem());
    EXPECT_EQ(first, tree.GetChildItem(root));
    EXPECT_EQ(revenue, tree.GetNextSiblingItem(first));
    EXPECT_EQ(expense, tree.GetNextSiblingItem(revenue));
    EXPECT_EQ(nullptr, tree.GetNextSiblingItem(expense));
    EXPECT_EQ(revenue, tree.GetPrevSiblingItem(expense));
    EXPECT_EQ(revenue, tree.GetParentItem(sales));
    EXPECT_TRUE(tree.ItemHasChildren(revenue));
    EXPECT_FALSE(tree.ItemHasChildren(expense));

    struct Property {
        const char* name;
        std::function<void()> set;
        std::function<long long()> get;
        long long expected;
    };
    int image = -1;
    int selectedImage = -1;
    const Property properties[] = {
        {"data", [&] { tree.SetItemData(expense, 3); }, [&] { return tree.GetItemData(expense); }, 3},
        {"image", [&] { tree.SetItemImage(sales, 5, 6); },
         [&] { tree.GetItemImage(sales, image, selectedImage); return image; }, 5},
        {"selected image", [&] { tree.SetItemImage(sales, 5, 6); },
         [&] { tree.GetItemImage(sales, image, selectedImage); return selectedImage; }, 6},
        {"expanded", [&] { tree.Expand(root, TVE_EXPAND); },
         [&] { return tree.GetItemState(root, TVIS_EXPANDED); }, TVIS_EXPANDED},
        {"collapsed", [&] { tree.Expand(root, TVE_COLLAPSE); },
         [&] { return tree.GetItemState(root, TVIS_EXPANDED); }, 0},
        {"bold", [&] { tree.SetItemState(revenue, TVIS_BOLD, TVIS_BOLD); },
         [&] { return tree.GetItemState(revenue, TVIS_BOLD); }, TVIS_BOLD},
        {"indent", [&] { tree.SetIndent(60); }, [&] { return tree.GetIndent(); }, 60},
        {"selection", [&] { tree.SelectItem(sales); },
         [&] { return reinterpret_cast<long long>(tree.GetSelectedItem()); }, reinterpret_cast<long long>(sales)},
    };
    for (const Property& property : properties) {
        property.set();
        EXPECT_EQ(property.expected, property.get()) << property.name;
    }

    // Texts come back byte for byte; a long one is not cut.
    for (HTREEITEM item : {root, revenue, expense, sales, first})
        EXPECT_FALSE(tree.GetItemText(item).IsEmpty());
    EXPECT_STREQ("表ソー", tree.GetItemText(first));
    EXPECT_STREQ("費用(経費.損失)", tree.GetItemText(expense));
    CString longName;
    for (int i = 0; i < 100; ++i)
        longName += "予";
    ASSERT_TRUE(tree.SetItemText(first, longName));
    EXPECT_EQ(longName, tree.GetItemText(first));

    // Where an item is, a hit test finds it.
    tree.EnsureVisible(sales);  // expands the parents; its answer only says whether it scrolled
    CRect row;
    ASSERT_TRUE(tree.GetItemRect(sales, &row, TRUE));
    UINT flags = 0;
    EXPECT_EQ(sales, tree.HitTest(row.CenterPoint(), &flags));
    EXPECT_TRUE(flags & TVHT_ONITEMLABEL);

    // Deleting an item deletes its children.
    ASSERT_TRUE(tree.DeleteItem(revenue));
    EXPECT_EQ(3u, tree.GetCount());
    ASSERT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(0u, tree.GetCount());
    EXPECT_EQ(nullptr, tree.GetRootItem());
    tree.SetImageList(nullptr, TVSIL_NORMAL);
    tree.DestroyWindow();
}

TEST_F(CommonControls, ListViewHoldsColumnsItemsAndStates)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                LVS_SHAREIMAGELISTS,
                            CRect(10, 10, 600, 300), &parent, 1137));
    const char* const headings[] = {"品名", "数量", "単価"};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(i, list.InsertColumn(i, headings[i], LVCFMT_LEFT, 100));
    EXPECT_EQ(3, list.GetColumnCount());

    const char* const rows[][3] = {{"表ソー", "1", "1,000"}, {"ﾀﾞｰｽ", "12", "80"}, {"～①", "", "3"}};
    for (int r = 0; r < 3; ++r) {
        ASSERT_EQ(r, list.InsertItem(r, rows[r][0]));
        for (int c = 1; c < 3; ++c)
            ASSERT_TRUE(list.SetItemText(r, c, rows[r][c]));
    }
    ASSERT_EQ(3, list.GetItemCount());
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_STREQ(rows[r][c], list.GetItemText(r, c)) << r << "," << c;

    struct Property {
        const char* name;
        std::function<void()> set;
        std::function<long long()> get;
        long long expected;
    };
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP;
    const Property properties[] = {
        {"extended style", [&] { list.SetExtendedStyle(extended); }, [&] { return list.GetExtendedStyle(); },
         extended},
        {"column width", [&] { list.SetColumnWidth(1, 77); }, [&] { return list.GetColumnWidth(1); }, 77},
        {"item data", [&] { list.SetItemData(2, 99); }, [&] { return list.GetItemData(2); }, 99},
        {"selected", [&] { list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED); },
         [&] { return list.GetItemState(1, LVIS_SELECTED); }, LVIS_SELECTED},
        {"selected item", [&] { list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED); },
         [&] { return list.GetNextItem(-1, LVNI_SELECTED); }, 1},
        {"selected count", [&] { list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED); },
         [&] { return list.GetSelectedCount(); }, 1},
        {"unselected", [&] { list.SetItemState(1, 0, LVIS_SELECTED); },
         [&] { return list.GetNextItem(-1, LVNI_SELECTED); }, -1},
        {"top", [&] { list.EnsureVisible(0, FALSE); }, [&] { return list.GetTopIndex(); }, 0},
    };
    for (const Property& property : properties) {
        property.set();
        EXPECT_EQ(property.expected, property.get()) << property.name;
    }

    // Column 0's subitem rectangle is the whole row; the others are their columns.
    CRect item;
    CRect cell;
    ASSERT_TRUE(list.GetItemRect(0, &item, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetSubItemRect(0, 1, LVIR_BOUNDS, cell));
    EXPECT_EQ(item.top, cell.top);
    EXPECT_EQ(100, cell.left - item.left);
    EXPECT_EQ(77, cell.Width());

    ASSERT_TRUE(list.DeleteItem(0));
    EXPECT_STREQ("ﾀﾞｰｽ", list.GetItemText(0, 0));
    ASSERT_TRUE(list.DeleteColumn(2));
    EXPECT_EQ(2, list.GetColumnCount());
    ASSERT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());
    list.DestroyWindow();
}

TEST_F(CommonControls, SmallImageListSetsTheRowHeight)
{
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS, CRect(10, 10, 300, 300), &parent, 1137));
    list.InsertColumn(0, "品名", LVCFMT_LEFT, 100);
    list.InsertItem(0, "一");
    list.InsertItem(1, "二");
    CImageList rowHeight;
    ASSERT_TRUE(rowHeight.Create(1, 40, 0, 0, 0));
    list.SetImageList(&rowHeight, LVSIL_SMALL);
    EXPECT_EQ(rowHeight.GetSafeHandle(), list.GetImageList(LVSIL_SMALL));
    CRect first;
    CRect second;
    ASSERT_TRUE(list.GetItemRect(0, &first, LVIR_BOUNDS));
    ASSERT_TRUE(list.GetItemRect(1, &second, LVIR_BOUNDS));
    EXPECT_GE(first.Height(), 40);
    EXPECT_EQ(first.Height(), second.top - first.top);
    list.DestroyWindow();
}

// A list view that draws its cells itself through the reflected custom-draw
// notification: rows 0, 2, ... tinted, a grey line at the bottom of each cell,
// the selected row dark.
class StripedListView : public CListCtrl {
    DECLARE_MESSAGE_MAP(StripedListView)
public:
    void OnCustomDraw(NMHDR* header, LRESULT* result)
    {
        auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(header);
        const DWORD stage = draw->nmcd.dwDrawStage;
        if (stage == CDDS_PREPAINT) {
            *result = CDRF_NOTIFYITEMDRAW;
        } else if (stage == CDDS_ITEMPREPAINT) {
            *result = CDRF_NOTIFYSUBITEMDRAW;
        } else if (stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
            const int item = static_cast<int>(draw->nmcd.dwItemSpec);
            const int subItem = draw->iSubItem;
            cells.insert({item, subItem});
            CRect cell;
            GetSubItemRect(item, subItem, LVIR_BOUNDS, cell);
            if (subItem == 0) {
                CRect next;
                GetSubItemRect(item, 1, LVIR_BOUNDS, next);
                cell.right = next.left;
            }
            CDC dc;
            dc.Attach(draw->nmcd.hdc);
            const bool selected = GetItemState(item, LVIS_SELECTED) != 0;
            dc.FillSolidRect(&cell, selected ? kSelected : (item % 2 == 0 ? kTint : kWhite));
            CPen line(PS_SOLID, 1, kLine);
            CPen* old = dc.SelectObject(&line);
            dc.MoveTo(cell.left, cell.bottom - 1);
            dc.LineTo(cell.right, cell.bottom - 1);
            dc.SelectObject(old);
            CRect text = cell;
            text.DeflateRect(2, 2);
            dc.SetTextColor(selected ? kWhite : RGB(0, 0, 0));
            dc.DrawText(GetItemText(item, subItem), &text, 0);
            *result = CDRF_SKIPDEFAULT;
        }
    }

    std::set<std::pair<int, int>> cells;
};

const MessageMap* StripedListView::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<StripedListView>(
        on::NotifyReflect(NM_CUSTOMDRAW, &StripedListView::OnCustomDraw));
    return &map;
}

TEST_F(CommonControls, ListViewDrawsItsCellsThroughReflectedCustomDraw)
{
    StripedListView list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                            CRect(10, 10, 400, 300), &parent, 1137));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    CImageList rowHeight;
    ASSERT_TRUE(rowHeight.Create(1, 24, 0, 0, 0));
    list.SetImageList(&rowHeight, LVSIL_SMALL);
    list.InsertColumn(0, "品名", LVCFMT_LEFT, 150);
    list.InsertColumn(1, "数量", LVCFMT_LEFT, 100);
    for (int i = 0; i < 3; ++i) {
        list.InsertItem(i, "表ソー");
        list.SetItemText(i, 1, "12");
    }
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    parent.ShowWindow(SW_SHOWNA);
    list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    std::set<std::pair<int, int>> all;
    for (int i = 0; i < 3; ++i)
        for (int c = 0; c < 2; ++c)
            all.insert({i, c});
    EXPECT_EQ(all, list.cells);

    CClientDC dc(&list);
    CRect row;
    ASSERT_TRUE(list.GetItemRect(0, &row, LVIR_BOUNDS));
    const int x = 140;  // inside column 0, right of its text
    for (int i = 0; i < 3; ++i) {
        list.GetItemRect(i, &row, LVIR_BOUNDS);
        const COLORREF fill = i == 1 ? kSelected : (i % 2 == 0 ? kTint : kWhite);
        EXPECT_EQ(fill, dc.GetPixel(x, row.top + row.Height() / 2)) << i;
        EXPECT_EQ(kLine, dc.GetPixel(x, row.bottom - 1)) << i;
        EXPECT_EQ(fill, dc.GetPixel(240, row.top + row.Height() / 2)) << i;  // column 1
    }
    list.DestroyWindow();
}

}  // namespace
