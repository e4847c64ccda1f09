// Handles the messages already queued for this thread, as the window tests and
// the benchmark do between the steps they drive. No test library here: the
// benchmark includes it too.
#pragma once

#include "framework/win/win_app.h"

// Handles what is queued, without waiting. A quit message (posted when a main
// window goes) is dropped: the next loops must not see it.
inline void PumpWaitingMessages()
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

// Runs the program's idle work as its message loop does when the queue is
// empty, until it has none left; answers how many idle calls asked for more.
// Bounded, so that work that never ends fails the caller instead of hanging it.
inline int RunIdleWork(CWinApp& app)
{
    int calls = 0;
    PumpWaitingMessages();
    while (calls < 100 && app.OnIdle(calls)) {
        ++calls;
        PumpWaitingMessages();
    }
    return calls;
}
