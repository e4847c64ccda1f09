// The program's application run inside this process, as the window tests and
// the benchmark drive it: started in the current directory, reached through its
// main frame, and ended without questions. No test library here: the benchmark
// links it too.
#pragma once

#include "app/main_frame.h"
#include "app/my_app.h"
#include "core/win/my_doc.h"

#include <memory>
#include <string>

// Makes a folder the current directory and gives the previous one back when it goes.
class CurrentDirectorySwitch {
public:
    explicit CurrentDirectorySwitch(const std::wstring& folder);
    ~CurrentDirectorySwitch();
    CurrentDirectorySwitch(const CurrentDirectorySwitch&) = delete;
    CurrentDirectorySwitch& operator=(const CurrentDirectorySwitch&) = delete;

    // False when the folder could not be made current.
    bool Switched() const { return m_switched; }

private:
    std::wstring m_previous;
    bool m_switched = false;
};

// Creates the application and runs its start-up with the given show state, then
// handles what the start-up queued; FALSE when the start-up refused.
BOOL StartProgram(std::unique_ptr<CMyApp>& app, int nCmdShow);
// Ends the application whatever state it is in, without questions (its document
// counts as unchanged); nothing when none runs.
void StopProgram(std::unique_ptr<CMyApp>& app);

CMainFrame* ProgramFrame(const std::unique_ptr<CMyApp>& app);
CMyDoc* ProgramDocument(const std::unique_ptr<CMyApp>& app);
