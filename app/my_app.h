// CMyApp: the program's application object. It starts the program with the
// document, frame and journal view of its template, keeps it to a single running
// instance and, when idle, retires and prepares the book views of the switch.
#pragma once

#include "../framework/win/win_app.h"

class CMyApp : public CWinApp {
    DECLARE_MESSAGE_MAP(CMyApp)
public:
    CMyApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    // Besides the framework's idle work, destroys the views switches left and
    // makes the book views ahead of their switches, one step per idle call, so
    // that input is never kept waiting long.
    BOOL OnIdle(LONG lCount) override;
    void OnAppAbout();


private:
    HANDLE m_hInstanceMutex = nullptr;
    // Balances the program's one CoInitialize at exit.
    BOOL m_bComInitialized = FALSE;
};
