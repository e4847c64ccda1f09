#include "window_test_support.h"

#include "framework/win/modal_seam.h"
#include "framework/win/print_page.h"
#include "framework/win/wnd.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
    SaveDrawingAsBitmap(
        rect.Width(), rect.Height(),
        [&](HDC picture) {
            HDC screen = ::GetDC(nullptr);
            ::BitBlt(picture, 0, 0, rect.Width(), rect.Height(), screen, rect.left, rect.top, SRCCOPY);
            ::ReleaseDC(nullptr, screen);
        },
        path);
}

void Photograph(CWnd* window, const char* name)
{
    if (const char* folder = std::getenv("ZIRERE_SHOTS"))
        SaveWindowPicture(window, CString(folder) + "/" + name + ".bmp");
}
