#include "window_test_support.h"

#include "framework/win/modal_seam.h"
#include "framework/win/print_page.h"
#include "framework/win/wnd.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

class RefuseUnansweredInteractions : public ::testing::Environment {
public:
    void SetUp() override
    {
        ModalAnswers::RefuseUnanswered([](const CString& what) { ADD_FAILURE() << static_cast<LPCTSTR>(what); });
    }
};

const ::testing::Environment* const refusal = ::testing::AddGlobalTestEnvironment(new RefuseUnansweredInteractions);

}  // namespace

void SaveWindowPicture(CWnd* window, const CString& path)
{
    CRect rect;
    window->GetWindowRect(&rect);
    // Only what lies on the screen: a maximised window's frame reaches past its
    // edges, and a copy from outside the screen comes back black.
    rect &= CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    SaveDrawingAsBitmap(
        rect.Width(), rect.Height(),
        [&](HDC picture) {
            HDC screen = ::GetDC(nullptr);
            ::BitBlt(picture, 0, 0, rect.Width(), rect.Height(), screen, rect.left, rect.top, SRCCOPY);
            ::ReleaseDC(nullptr, screen);
        },
        path);
}

const char* ShotFolder()
{
    return std::getenv("ZIRERE_SHOTS");
}

void Photograph(CWnd* window, const char* name)
{
    const char* folder = ShotFolder();
    if (!folder)
        return;
    window->ShowWindow(SW_SHOW);
    window->UpdateWindow();
    // The picture is taken from the screen: the display gets a moment to show
    // what was painted (under Wine it reaches the X server a little later).
    for (int i = 0; i < 10; ++i) {
        PumpWaitingMessages();
        ::Sleep(50);
    }
    SaveWindowPicture(window, CString(folder) + "\\" + name + ".bmp");
}

bool PasteIntoEdit(CWnd* edit, const wchar_t* text)
{
    if (!::OpenClipboard(edit->m_hWnd))
        return false;
    ::EmptyClipboard();
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL data = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(::GlobalLock(data), text, bytes);
    ::GlobalUnlock(data);
    ::SetClipboardData(CF_UNICODETEXT, data);
    ::CloseClipboard();
    ::SendMessageW(edit->m_hWnd, EM_SETSEL, 0, -1);
    ::SendMessageW(edit->m_hWnd, WM_PASTE, 0, 0);
    return true;
}
