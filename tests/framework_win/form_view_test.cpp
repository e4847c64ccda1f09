// Form views from a dialog template: controls bound by data exchange, numbers
// refused with a message, Japanese text unchanged through the controls, and
// OnDraw painting the form's background, the template's plain labels drawn by
// the form.
#include "app_test_support.h"
#include "framework/win/data_exchange.h"
#include "framework/win/dc.h"
#include "framework/win/gdi_objects.h"
#include "test_app_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

TEST_F(SingleDocumentTest, FormControlsAreBoundByDataExchange)
{
    CTestFormView* view = FormView();
    // DDX_Control has bound the list box to its member: its messages pass the framework.
    HWND list = ::GetDlgItem(view->m_hWnd, IDC_LIST);
    EXPECT_EQ(view->m_list.m_hWnd, list);
    EXPECT_EQ(CWnd::FromHandlePermanent(list), &view->m_list);

    view->SetDlgItemText(IDC_NAME, "鈴木商会");
    view->SetDlgItemText(IDC_AMOUNT, " -3500 ");
    view->CheckDlgButton(IDC_FLAG, BST_CHECKED);
    view->CheckRadioButton(IDC_RADIO_FIRST, IDC_RADIO_THIRD, IDC_RADIO_THIRD);
    ASSERT_TRUE(view->UpdateData(TRUE));
    EXPECT_STREQ(view->m_strName, "鈴木商会");
    EXPECT_EQ(view->m_nAmount, -3500);
    EXPECT_EQ(view->m_nFlag, 1);
    EXPECT_EQ(view->m_nRadio, 2);

    view->m_strName = "田中";
    view->m_nAmount = 42;
    view->m_nFlag = 0;
    view->m_nRadio = 1;
    ASSERT_TRUE(view->UpdateData(FALSE));
    CString name;
    view->GetDlgItemText(IDC_NAME, name);
    EXPECT_STREQ(name, "田中");
    EXPECT_EQ(view->GetDlgItemInt(IDC_AMOUNT), 42u);
    EXPECT_EQ(view->IsDlgButtonChecked(IDC_FLAG), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(view->IsDlgButtonChecked(IDC_RADIO_FIRST), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(view->IsDlgButtonChecked(IDC_RADIO_SECOND), static_cast<UINT>(BST_CHECKED));
}

TEST_F(SingleDocumentTest, TextThatIsNoNumberIsRefusedWithAMessage)
{
    CTestFormView* view = FormView();
    for (const char* text : {"12円", "", "99999999999", "1.5"}) {
        view->m_nAmount = 7;
        view->SetDlgItemText(IDC_AMOUNT, text);
        std::vector<CString> texts;
        m_answers.messageBox = [&](const MessageBoxRequest& box) {
            texts.push_back(box.text);
            return IDOK;
        };
        EXPECT_FALSE(view->UpdateData(TRUE)) << text;
        ASSERT_EQ(texts.size(), 1u) << text;
        EXPECT_STREQ(texts[0], "整数を入力してください。");
        EXPECT_EQ(view->m_nAmount, 7) << text;
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(view->m_hWnd, IDC_AMOUNT)) << text;
    }
}

TEST_F(SingleDocumentTest, JapaneseTextPassesThroughAControlUnchanged)
{
    const char* const texts[] = {
        "",
        "ASCII only 123",
        "表示ソ十能",            // second bytes 0x5C
        "ポ|ポ",                 // second byte 0x7C beside a real bar
        "ｱｲｳｴｵ ﾊﾞｰｼﾞｮﾝ",         // half-width katakana
        "①Ⅱ㈱髙﨑",              // NEC and IBM extensions
        "C:\\帳簿\\売上[1].siz",
    };
    CTestFormView* view = FormView();
    for (const char* text : texts) {
        view->m_strName = text;
        ASSERT_TRUE(view->UpdateData(FALSE));
        view->m_strName = "別の値";
        ASSERT_TRUE(view->UpdateData(TRUE));
        EXPECT_EQ(view->m_strName.str(), std::string(text));

        CString direct;
        view->GetDlgItem(IDC_NAME)->GetWindowText(direct);
        EXPECT_EQ(direct.str(), std::string(text));
    }
}

TEST_F(SingleDocumentTest, TextIntoASmallBufferIsCutBetweenCharacters)
{
    CWnd* name = FormView()->GetDlgItem(IDC_NAME);
    name->SetWindowText("売上ab");
    struct Case {
        int size;
        const char* expected;
    };
    const Case cases[] = {{1, ""}, {2, ""}, {3, "売"}, {4, "売"}, {5, "売上"}, {6, "売上a"}, {20, "売上ab"}};
    for (const Case& c : cases) {
        char buffer[32];
        std::fill(std::begin(buffer), std::end(buffer), 'x');
        int copied = name->GetWindowText(buffer, c.size);
        EXPECT_STREQ(buffer, c.expected) << c.size;
        EXPECT_EQ(copied, static_cast<int>(strlen(c.expected)));
    }
    EXPECT_EQ(name->GetWindowTextLength(), 6);
}

namespace {

// The view's client area as a picture: painted by the view alone into a
// bitmap, or copied from the screen after the view and every child painted.
class ViewPicture {
public:
    enum class Source { ViewAlone, Screen };

    explicit ViewPicture(CWnd* view, Source source = Source::ViewAlone)
    {
        CRect client;
        view->GetClientRect(&client);
        HDC screen = ::GetDC(nullptr);
        m_dc = ::CreateCompatibleDC(screen);
        m_bitmap = ::CreateCompatibleBitmap(screen, client.Width(), client.Height());
        ::ReleaseDC(nullptr, screen);
        m_old = ::SelectObject(m_dc, m_bitmap);
        if (source == Source::ViewAlone) {
            ::PrintWindow(view->m_hWnd, m_dc, PW_CLIENTONLY);
            return;
        }
        ::RedrawWindow(view->m_hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HDC shown = ::GetDC(view->m_hWnd);
        ::BitBlt(m_dc, 0, 0, client.Width(), client.Height(), shown, 0, 0, SRCCOPY);
        ::ReleaseDC(view->m_hWnd, shown);
    }
    ~ViewPicture()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    // How many pixels of one place differ from those of another of its size.
    int Differing(const CRect& one, const CRect& other) const
    {
        int differing = 0;
        for (int y = 0; y < one.Height(); ++y)
            for (int x = 0; x < one.Width(); ++x)
                differing += At(one.left + x, one.top + y) != At(other.left + x, other.top + y);
        return differing;
    }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

}  // namespace

TEST_F(SingleDocumentTest, OnDrawPaintsOverTheFormsBackgroundAtTheScrollPosition)
{
    CTestFormView* view = FormView();
    const CRect& area = CTestFormView::paintedArea;
    {
        ViewPicture picture(view);
        EXPECT_EQ(picture.At(area.left + 1, area.top + 1), RGB(255, 0, 0));
        EXPECT_EQ(picture.At(area.right - 1, area.bottom - 1), RGB(255, 0, 0));
        EXPECT_NE(picture.At(area.left - 2, area.top), RGB(255, 0, 0));
        EXPECT_NE(picture.At(area.right + 1, area.bottom + 1), RGB(255, 0, 0));
    }

    // Scrolled down by 30 pixels, the painting moves up with the controls.
    Frame()->MoveWindow(20, 20, 700, 260);
    view->ScrollToPosition(CPoint(0, 30));
    ASSERT_EQ(view->GetScrollPosition().y, 30);
    ViewPicture picture(view);
    EXPECT_EQ(picture.At(area.left + 1, area.top - 30 + 1), RGB(255, 0, 0));
    EXPECT_NE(picture.At(area.left + 1, area.bottom - 30 + 1), RGB(255, 0, 0));
}

namespace {

std::vector<CString> ChildTexts(HWND form, const wchar_t* className)
{
    std::vector<CString> texts;
    for (HWND child = ::GetWindow(form, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        ::GetClassNameW(child, name, 32);
        if (_wcsicmp(name, className) == 0) {
            CString text;
            CWnd::FromHandle(child)->GetWindowText(text);
            texts.push_back(text);
        }
    }
    return texts;
}

// Sets the text of an item the painted view draws: the text it gives back must
// be the new one; answers the part of the view left to paint.
RECT SetDrawnText(CFormView* view, int id, const char* text)
{
    view->UpdateWindow();
    view->SetDlgItemText(id, text);
    CString shown;
    view->GetDlgItemText(id, shown);
    EXPECT_EQ(CString(text), shown);
    RECT waiting = {};
    EXPECT_TRUE(::GetUpdateRect(view->m_hWnd, &waiting, FALSE));
    return waiting;
}

}  // namespace

// The labels of no id of their own are drawn by the form, not made windows; a
// label with an id or a mnemonic stays a window, and the control after a drawn
// label starts its group as the label did. So are the group boxes of no id and
// those the form names, drawn as the button control draws them, their place and
// caption still given and changed by their id; another group box stays a window.
TEST_F(SingleDocumentTest, PlainLabelsAreDrawnByTheFormAndKeepTheGroups)
{
    CTestFormView* view = FormView();
    const std::vector<CString> statics = ChildTexts(view->m_hWnd, L"Static");
    for (const char* drawn : {"取引先", "金額", "見出し"})
        EXPECT_EQ(std::count(statics.begin(), statics.end(), CString(drawn)), 0) << drawn;
    for (const char* window : {"&名前", "番号", "下端"})
        EXPECT_EQ(std::count(statics.begin(), statics.end(), CString(window)), 1) << window;
    EXPECT_TRUE(view->GetDlgItem(IDC_NAME)->GetStyle() & WS_GROUP);
    EXPECT_TRUE(view->GetDlgItem(IDC_AMOUNT)->GetStyle() & WS_GROUP);
    EXPECT_FALSE(view->GetDlgItem(IDC_RADIO_SECOND)->GetStyle() & WS_GROUP);

    // The form draws them: in the place of the bordered heading its sunken edge
    // and its text, none where nothing is.
    // Place and size turned into pixels each on its own, as the dialog manager does.
    auto pixels = [&](int x, int y, int cx, int cy) {
        RECT units = {x, y, cx, cy};
        ::MapDialogRect(view->m_hWnd, &units);
        return CRect(units.left, units.top, units.left + units.right, units.top + units.bottom);
    };
    const CRect heading = pixels(200, 100, 60, 13);
    CRect client;
    view->GetClientRect(&client);
    CClientDC screen(view);
    CDC memory;
    memory.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, client.Width(), client.Height());
    CBitmap* previous = memory.SelectObject(&bitmap);
    memory.FillSolidRect(&client, RGB(255, 0, 255));
    view->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), PRF_CLIENT);
    auto darkIn = [&](const CRect& area) {
        int dark = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const COLORREF c = memory.GetPixel(x, y);
                dark += GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128 ? 1 : 0;
            }
        return dark;
    };
    EXPECT_EQ(memory.GetPixel(heading.left, heading.top + 4), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(memory.GetPixel(heading.right - 1, heading.top + 4), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_GT(darkIn(CRect(heading.left + 3, heading.top + 3, heading.right - 3, heading.bottom - 3)), 10);
    EXPECT_EQ(memory.GetPixel(heading.left + 3, heading.top + 3), ::GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(darkIn(pixels(200, 160, 60, 13)), 0);

    const std::vector<CString> buttons = ChildTexts(view->m_hWnd, L"Button");
    for (const char* drawn : {"明細", "区分"})
        EXPECT_EQ(std::count(buttons.begin(), buttons.end(), CString(drawn)), 0) << drawn;
    EXPECT_EQ(std::count(buttons.begin(), buttons.end(), CString("保留")), 1);
    EXPECT_EQ(nullptr, view->GetDlgItem(IDC_DETAIL_GROUP));
    EXPECT_TRUE(view->GetDlgItem(IDC_TAX_IN)->GetStyle() & WS_GROUP);
    const CRect details = pixels(8, 150, 100, 50);
    EXPECT_EQ(details, view->ControlRect(IDC_DETAIL_GROUP));
    EXPECT_EQ(pixels(200, 185, 100, 30), view->ControlRect(IDC_KEPT_GROUP));

    // Each drawn box is, pixel for pixel, what a group box window of its place,
    // caption and font paints.
    auto expectPaintedAsAWindow = [&](const CRect& box, const wchar_t* caption) {
        HWND window = ::CreateWindowExW(0, L"Button", caption, WS_CHILD | BS_GROUPBOX, box.left, box.top, box.Width(),
                                        box.Height(), view->m_hWnd, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, window);
        ::SendMessageW(window, WM_SETFONT, ::SendMessageW(view->m_hWnd, WM_GETFONT, 0, 0), FALSE);
        CDC painted;
        painted.CreateCompatibleDC(&screen);
        CBitmap paintedBitmap;
        paintedBitmap.CreateCompatibleBitmap(&screen, box.Width(), box.Height());
        CBitmap* before = painted.SelectObject(&paintedBitmap);
        painted.FillSolidRect(0, 0, box.Width(), box.Height(), RGB(255, 0, 255));
        ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(painted.GetSafeHdc()), PRF_CLIENT);
        int differing = 0;
        int drawn = 0;
        for (int y = 0; y < box.Height(); ++y)
            for (int x = 0; x < box.Width(); ++x) {
                const COLORREF c = painted.GetPixel(x, y);
                differing += c != memory.GetPixel(box.left + x, box.top + y) ? 1 : 0;
                drawn += c != RGB(255, 0, 255) ? 1 : 0;
            }
        EXPECT_EQ(0, differing) << "the box at " << box.left << "," << box.top;
        EXPECT_GT(drawn, 2 * (box.Width() + box.Height()));
        painted.SelectObject(before);
        ::DestroyWindow(window);
    };
    expectPaintedAsAWindow(details, L"明細");
    expectPaintedAsAWindow(pixels(120, 150, 70, 40), L"区分");
    memory.SelectObject(previous);

    // A new caption is given back and drawn in the place of the old one.
    EXPECT_EQ("明細", [&] {
        CString text;
        view->GetDlgItemText(IDC_DETAIL_GROUP, text);
        return text;
    }());
    // Shown and painted, so that what the change leaves to paint can be seen.
    Frame()->ShowWindow(SW_SHOWNA);
    Frame()->UpdateWindow();
    const RECT waiting = SetDrawnText(view, IDC_DETAIL_GROUP, "明細 【現金】");
    const POINT inCaption = {details.left + 20, details.top + 2};
    EXPECT_TRUE(::PtInRect(&waiting, inCaption));
    memory.SelectObject(&bitmap);
    memory.FillSolidRect(&client, RGB(255, 0, 255));
    view->SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.GetSafeHdc()), PRF_CLIENT);
    expectPaintedAsAWindow(details, L"明細 【現金】");
    memory.SelectObject(previous);
}

// The display-only fields the form names are drawn by the form, pixel for pixel
// as an edit field of their place, style and text paints itself; a label with an
// id the form names is drawn too. Both keep their place and text by their id,
// and a new text is painted where the old one was.
TEST_F(SingleDocumentTest, DisplayOnlyFieldsAreDrawnAsEditFieldsPaintThemselves)
{
    CTestFormView* view = FormView();
    Frame()->ShowWindow(SW_SHOWNA);
    Frame()->UpdateWindow();
    for (int id : {IDC_SHOWN_DATE, IDC_SHOWN_AMOUNT, IDC_SHOWN_WORD})
        EXPECT_EQ(nullptr, view->GetDlgItem(id)) << id;
    CWnd* kept = view->GetDlgItem(IDC_KEPT_FIELD);
    ASSERT_NE(nullptr, kept);
    auto pixels = [&](int x, int y, int cx, int cy) {
        RECT units = {x, y, cx, cy};
        ::MapDialogRect(view->m_hWnd, &units);
        return CRect(units.left, units.top, units.left + units.right, units.top + units.bottom);
    };
    const CRect date = pixels(8, 206, 60, 13);
    const CRect amount = pixels(72, 206, 50, 13);
    EXPECT_EQ(date, view->ControlRect(IDC_SHOWN_DATE));
    EXPECT_EQ(amount, view->ControlRect(IDC_SHOWN_AMOUNT));
    EXPECT_EQ(pixels(140, 206, 40, 13), view->ControlRect(IDC_SHOWN_WORD));

    // The field the dialog manager made and the one the form draws, with the same text.
    const CRect keptPlace = view->ControlRect(IDC_KEPT_FIELD);
    for (const char* text : {"", " 2024/02/29", "店頭販売 2月前半の店頭売上げ"}) {
        view->SetDlgItemText(IDC_SHOWN_DATE, text);
        kept->SetWindowText(text);
        CString shown;
        view->GetDlgItemText(IDC_SHOWN_DATE, shown);
        EXPECT_EQ(CString(text), shown);
        EXPECT_EQ(0, ViewPicture(view, ViewPicture::Source::Screen).Differing(date, keptPlace)) << text;
    }

    // Right-aligned amounts, that fit and that do not.
    CWnd* keptAmount = view->GetDlgItem(IDC_KEPT_AMOUNT);
    ASSERT_NE(nullptr, keptAmount);
    const CRect keptAmountPlace = view->ControlRect(IDC_KEPT_AMOUNT);
    for (const char* text : {"297,620", "12,345,678,901,234", ""}) {
        view->SetDlgItemText(IDC_SHOWN_AMOUNT, text);
        keptAmount->SetWindowText(text);
        EXPECT_EQ(0, ViewPicture(view, ViewPicture::Source::Screen).Differing(amount, keptAmountPlace)) << text;
    }

    // A new text leaves the whole field to be painted again.
    const RECT waiting = SetDrawnText(view, IDC_SHOWN_WORD, "について");
    const CRect wordPlace = view->ControlRect(IDC_SHOWN_WORD);
    EXPECT_TRUE(::PtInRect(&waiting, POINT{wordPlace.left, wordPlace.top}));
    EXPECT_TRUE(::PtInRect(&waiting, POINT{wordPlace.right - 1, wordPlace.bottom - 1}));
}

// The labels with an id the form draws are hidden, shown, greyed and enabled by
// their id (one starts hidden, as its template says), and look, sunken or
// bordered, greyed or not, pixel for pixel as the static control of their place,
// style and text; a hidden one leaves the form's face as the hidden control
// does. A change leaves the label's place to paint; no change leaves nothing.
TEST_F(SingleDocumentTest, DrawnLabelsAreShownHiddenAndGreyedAsStaticControls)
{
    CTestFormView* view = FormView();
    Frame()->ShowWindow(SW_SHOWNA);
    Frame()->UpdateWindow();
    struct Pair {
        int drawn;
        int kept;
        bool startsShown;
    };
    for (const Pair& pair :
         {Pair{IDC_SHOWN_HEADING, IDC_KEPT_HEADING, true}, Pair{IDC_SHOWN_CAPTION, IDC_KEPT_CAPTION, false},
          Pair{IDC_SHOWN_FRAMED_HEADING, IDC_KEPT_FRAMED_HEADING, true}}) {
        SCOPED_TRACE(pair.drawn);
        EXPECT_EQ(nullptr, view->GetDlgItem(pair.drawn));
        CWnd* kept = view->GetDlgItem(pair.kept);
        ASSERT_NE(nullptr, kept);
        const CRect drawnPlace = view->ControlRect(pair.drawn);
        const CRect keptPlace = view->ControlRect(pair.kept);
        ASSERT_EQ(drawnPlace.Size(), keptPlace.Size());
        EXPECT_EQ(pair.startsShown, view->IsItemShown(pair.drawn));
        EXPECT_EQ(pair.startsShown, view->IsItemShown(pair.kept));
        EXPECT_TRUE(view->IsItemEnabled(pair.drawn));
        EXPECT_EQ(0, ViewPicture(view, ViewPicture::Source::Screen).Differing(drawnPlace, keptPlace));

        struct State {
            bool shown;
            bool enabled;
        };
        for (const State state : {State{true, false}, State{false, false}, State{false, true}, State{true, true}}) {
            view->UpdateWindow();
            view->ShowItem(pair.drawn, state.shown);
            view->EnableItem(pair.drawn, state.enabled);
            RECT waiting = {};
            EXPECT_TRUE(::GetUpdateRect(view->m_hWnd, &waiting, FALSE));
            EXPECT_TRUE(::PtInRect(&waiting, POINT{drawnPlace.left + 2, drawnPlace.top + 2}));
            view->ShowItem(pair.kept, state.shown);
            view->EnableItem(pair.kept, state.enabled);
            EXPECT_EQ(state.shown, view->IsItemShown(pair.drawn));
            EXPECT_EQ(state.enabled, view->IsItemEnabled(pair.drawn));
            EXPECT_EQ(state.shown, view->IsItemShown(pair.kept));
            EXPECT_EQ(state.enabled, view->IsItemEnabled(pair.kept));
            EXPECT_EQ(0, ViewPicture(view, ViewPicture::Source::Screen).Differing(drawnPlace, keptPlace))
                << "shown " << state.shown << " enabled " << state.enabled;
        }
        // Nothing changed, nothing to paint.
        view->UpdateWindow();
        view->ShowItem(pair.drawn, true);
        view->EnableItem(pair.drawn, true);
        EXPECT_FALSE(::GetUpdateRect(view->m_hWnd, nullptr, FALSE));
    }
}
