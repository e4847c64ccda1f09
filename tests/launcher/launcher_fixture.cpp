#include "launcher_fixture.h"

#include "launcher/launcher_app.h"

#include "framework/win/wide_text.h"
#include "resources/ostavo_ids.h"

void LauncherFolderTest::SetUp()
{
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    m_previousDirectory.assign(needed, L'\0');
    m_previousDirectory.resize(GetCurrentDirectoryW(needed, m_previousDirectory.data()));
    ASSERT_TRUE(SetCurrentDirectoryW(m_folder.Native().wstring().c_str()));
    m_answers.messageBox = [this](const MessageBoxRequest& box) {
        m_messages.push_back(box);
        return IDOK;
    };
    m_answers.shellOpen = [this](const ShellOpenRequest& request) {
        m_opens.push_back(request);
        if (m_onShellOpen)
            m_onShellOpen();
        return m_shellAnswer;
    };
}

void LauncherFolderTest::TearDown()
{
    SetCurrentDirectoryW(m_previousDirectory.c_str());
}

CString LauncherFolderTest::Folder() const
{
    return FromWide(m_folder.Native().wstring());
}

void LauncherFolderTest::WriteSetupFiles()
{
    for (const char* name : {"vevidez.hel", "zuvavodi.sdn", "zuvavodi.sdo"})
        WriteFileBytes(Path(name), "set-up data");
}

BOOL LauncherFolderTest::RunLauncher(const std::function<void(CLauncherDlg&)>& drive)
{
    m_answers.dialog = [this, &drive](CDialog& dlg) {
        if (dlg.m_nIDTemplate == IDD_LAUNCHER) {
            drive(static_cast<CLauncherDlg&>(dlg));
            return;
        }
        m_otherDialogs.push_back(dlg.m_nIDTemplate);
        dlg.EndDialog(IDOK);
    };
    CLauncherApp app;
    const BOOL result = app.InitInstance();
    app.ExitInstance();
    PumpWaitingMessages();
    m_answers.dialog = nullptr;
    return result;
}

std::vector<CString> LauncherFolderTest::Messages() const
{
    std::vector<CString> texts;
    for (const MessageBoxRequest& box : m_messages)
        texts.push_back(box.text);
    return texts;
}

void LauncherFolderTest::TypeSize(CLauncherDlg& dlg, LPCTSTR text)
{
    dlg.m_comboFontSize.SetFocus();
    dlg.m_comboFontSize.SetWindowText(text);
    dlg.m_btnExit.SetFocus();
}

void LauncherFolderTest::PickSize(CLauncherDlg& dlg, int index)
{
    dlg.m_comboFontSize.SetFocus();
    dlg.m_comboFontSize.SetCurSel(index);
    dlg.m_btnExit.SetFocus();
}

void LauncherFolderTest::Press(CLauncherDlg& dlg, int id)
{
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(dlg.GetDlgItem(id)->m_hWnd));
}

CString LauncherFolderTest::ComboText(CLauncherDlg& dlg)
{
    CString text;
    dlg.m_comboFontSize.GetWindowText(text);
    return text;
}
