// A temporary program folder made the current directory, and the launcher's
// start-up run in it with its dialog driven by the test, every message box and
// shell open answered and recorded.
#pragma once

#include "launcher/launcher_dlg.h"

#include "framework/win/modal_seam.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "support/window_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

class LauncherFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CString Path(const char* name) const { return m_folder.Path(name); }
    // The program folder as the launcher sees it.
    CString Folder() const;
    // The three set-up files the launcher looks for (their contents do not matter to it).
    void WriteSetupFiles();
    void WriteSettings(const std::string& bytes) { WriteFileBytes(Path("vozare.ino"), bytes); }
    std::string Settings() const { return ReadFileBytes(Path("vozare.ino")); }

    // Runs the launcher's start-up as the program does; drive gets the live
    // dialog after its set-up and must end it. Other dialogs are recorded and
    // closed with OK. The answer is InitInstance's.
    BOOL RunLauncher(const std::function<void(CLauncherDlg&)>& drive);

    // The texts of the message boxes shown, in order.
    std::vector<CString> Messages() const;

    // Dialog driving, as a user would: the size typed into (or picked in) the
    // combo box, then the focus moved on to the 終了 button.
    static void TypeSize(CLauncherDlg& dlg, LPCTSTR text);
    static void PickSize(CLauncherDlg& dlg, int index);
    static void Press(CLauncherDlg& dlg, int id);
    static CString ComboText(CLauncherDlg& dlg);

    TempFolder m_folder;
    ModalAnswers m_answers;
    std::vector<MessageBoxRequest> m_messages;
    std::vector<ShellOpenRequest> m_opens;
    std::vector<UINT> m_otherDialogs;
    // What a shell open answers; m_onShellOpen runs first (it may look at the folder).
    DWORD m_shellAnswer = ERROR_SUCCESS;
    std::function<void()> m_onShellOpen;

private:
    std::wstring m_previousDirectory;
};
