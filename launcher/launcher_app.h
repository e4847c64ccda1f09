// CLauncherApp: the launcher program ostavo. It keeps itself to one running
// instance, runs the launcher dialog and ends when the dialog closes.
#pragma once

#include "../framework/win/win_app.h"

class CLauncherApp : public CWinApp {
public:
    CLauncherApp() = default;
    ~CLauncherApp() override;

    // Runs the dialog (unless another launcher is running) and answers FALSE,
    // so that the program ends without a message loop of its own.
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    void ReleaseInstanceMutex();

    // Held while the program runs: its name tells a second launcher to end.
    HANDLE m_hInstanceMutex = nullptr;
};
