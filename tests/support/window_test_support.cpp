#include "window_test_support.h"

#include "framework/win/modal_seam.h"
#include "framework/win/win_app.h"

#include <gtest/gtest.h>

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

void PumpWaitingMessages()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            continue;
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}
