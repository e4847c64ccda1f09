// The breakdown list of the sales and purchases books on a real window: tinted
// even rows, the grey line under every cell, the selected row in the highlight
// colours, column 0 ending where column 1 begins, texts clipped at the cell.
#include "books/win/stripe_list_ctrl.h"

#include "framework/win/dc.h"
#include "framework/win/geometry_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

class StripeListCtrl : public ::testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "内訳", WS_POPUP | WS_CLIPCHILDREN, CRect(0, 0, 640, 400), nullptr, 0));
    }
    void TearDown() override { parent.DestroyWindow(); }

    // A list of rows with the given columns, row 1 selected, shown and painted.
    void Fill(CStripeListCtrl& list, int columns, int rows)
    {
        ASSERT_TRUE(list.Create(WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                    LVS_SHAREIMAGELISTS,
                                CRect(10, 10, 600, 300), &parent, 1137));
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
        if (!rowHeight.GetSafeHandle()) {
            ASSERT_TRUE(rowHeight.Create(1, 24, 0, 0, 0));
        }
        list.SetImageList(&rowHeight, LVSIL_SMALL);
        const char* const headings[] = {"     品名", "   数量", "単位"};
        for (int c = 0; c < columns; ++c)
            list.InsertColumn(c, headings[c], LVCFMT_LEFT, 150);
        for (int r = 0; r < rows; ++r) {
            list.InsertItem(r, "ねじ");
            for (int c = 1; c < columns; ++c)
                list.SetItemText(r, c, "12");
        }
        list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        parent.ShowWindow(SW_SHOWNA);
        list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }

    CWnd parent;
    CImageList rowHeight;
};

TEST_F(StripeListCtrl, RowsAreTintedLinedAndTheSelectedRowHighlighted)
{
    CStripeListCtrl list;
    Fill(list, 3, 4);
    CClientDC dc(&list);
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    for (int i = 0; i < 4; ++i) {
        CRect row;
        ASSERT_TRUE(list.GetItemRect(i, &row, LVIR_BOUNDS));
        const COLORREF fill = i == 1 ? highlight : (i % 2 == 0 ? kStripeRowTint : window);
        for (int x : {140, 290, 440}) {  // right of the text in each column
            EXPECT_EQ(fill, dc.GetPixel(x, row.top + row.Height() / 2)) << i << "," << x;
            EXPECT_EQ(fill, dc.GetPixel(x, row.bottom - 2)) << i << "," << x;
            // The line one pixel above the bottom the platform reports, in every row.
            EXPECT_EQ(kStripeCellLine, dc.GetPixel(x, row.bottom - 1)) << i << "," << x;
        }
    }
    list.DestroyWindow();
}

TEST_F(StripeListCtrl, ColumnZeroEndsWhereColumnOneBegins)
{
    CStripeListCtrl list;
    Fill(list, 3, 2);
    CRect first;
    CRect second;
    CRect row;
    ASSERT_TRUE(list.GetCellRect(0, 0, LVIR_BOUNDS, first));
    ASSERT_TRUE(list.GetCellRect(0, 1, LVIR_BOUNDS, second));
    ASSERT_TRUE(list.GetItemRect(0, &row, LVIR_BOUNDS));
    EXPECT_EQ(second.left, first.right);
    EXPECT_EQ(row.left, first.left);
    EXPECT_FALSE(list.GetCellRect(5, 0, LVIR_BOUNDS, first));
    list.DestroyWindow();

    CStripeListCtrl single;
    Fill(single, 1, 2);
    ASSERT_TRUE(single.GetCellRect(0, 0, LVIR_BOUNDS, first));
    ASSERT_TRUE(single.GetItemRect(0, &row, LVIR_BOUNDS));
    EXPECT_EQ(row, first);
    single.DestroyWindow();
}

}  // namespace
