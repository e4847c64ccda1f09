// The launcher dialog in-process on a real window: the set-up check, the size
// shown and chosen, the settings file after each way of closing, the start of
// the chosen build, the single instance, the about box and help, the splash.
#include "launcher_fixture.h"

#include "launcher/form_units.h"

#include "launcher/font_size.h"
#include "launcher/launcher_app.h"

#include "framework/win/menu.h"
#include "framework/win/wide_text.h"
#include "resources/ostavo_ids.h"

#include <filesystem>

namespace {

const char* const kSetupMissing = "「Zirere」設定ファイルの読み込みに失敗しました。\n\n再インストールしてください。";
const char* const kOnlyFiveSizes = "選択フォントサイズは　9、10、11、12、14　の、５種類のみです。";

// Lines 1 and 2 as the main program writes them, with the launcher's line 3.
const std::string kLine1 = "10" + std::string(15, ' ') + "25000" + std::string(19, ' ') + "0";
const std::string kLine2 = "abcdefgh";

std::string SettingsBytes(const char* size)
{
    return kLine1 + "\r\n" + kLine2 + "\r\n" + size;
}

// The size the launcher proposes for the screen the tests run on: the table's,
// or a smaller one whose main window fits the work area.
CString ScreenProposal()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    const CString table = ProposedFontSize(dpi, GetDeviceCaps(screen, VERTRES));
    ReleaseDC(nullptr, screen);
    return FittingFontSize(table, dpi, ScreenWorkArea(), [dpi](int size) { return MeasureFormUnits(size, dpi); });
}

using LauncherDialogTest = LauncherFolderTest;

TEST_F(LauncherDialogTest, MissingSetupFileIsReportedAndLeavesEveryFileAsItWas)
{
    for (const char* missing : {"vevidez.hel", "zuvavodi.sdn", "zuvavodi.sdo"}) {
        SCOPED_TRACE(missing);
        WriteSetupFiles();
        std::filesystem::remove(m_folder.Native() / missing);
        WriteSettings(SettingsBytes("12"));
        m_messages.clear();

        RunLauncher([&](CLauncherDlg& dlg) {
            EXPECT_GT(dlg.m_nSetupMissing, 0);
            EXPECT_FALSE(dlg.m_btnStart.IsWindowEnabled());
            EXPECT_EQ(0, dlg.m_comboFontSize.GetCount());
            EXPECT_EQ(CString(""), ComboText(dlg));
            // Enter reaches the dialog even with 開始 disabled: nothing may start.
            dlg.SendMessage(WM_COMMAND, IDOK);
            Press(dlg, IDCANCEL);
        });

        ASSERT_EQ(1u, m_messages.size());
        EXPECT_EQ(CString(kSetupMissing), m_messages[0].text);
        EXPECT_EQ(UINT(MB_OK), m_messages[0].style);
        // The caption is the launcher's program file name without its extension.
        EXPECT_EQ(CString("test_launcher_app"), m_messages[0].caption);
        EXPECT_TRUE(m_opens.empty());
        EXPECT_EQ(SettingsBytes("12"), Settings());
    }

    // Without any set-up file and without a settings file, none is created.
    for (const char* name : {"vevidez.hel", "zuvavodi.sdn", "zuvavodi.sdo", "vozare.ino"})
        std::filesystem::remove(m_folder.Native() / name);
    RunLauncher([&](CLauncherDlg& dlg) {
        EXPECT_EQ(3, dlg.m_nSetupMissing);
        Press(dlg, IDCANCEL);
    });
    EXPECT_FALSE(FileExists(Path("vozare.ino")));
}

TEST_F(LauncherDialogTest, StoredSizeIsShownAndExitKeepsTheChosenSizeWithLinesOneAndTwo)
{
    WriteSetupFiles();
    WriteSettings(SettingsBytes("12"));
    RunLauncher([&](CLauncherDlg& dlg) {
        EXPECT_EQ(0, dlg.m_nSetupMissing);
        EXPECT_TRUE(dlg.m_btnStart.IsWindowEnabled());
        EXPECT_EQ(CString(kLine1.c_str()), dlg.m_strSettingsLine1);
        EXPECT_EQ(CString(kLine2.c_str()), dlg.m_strSettingsLine2);
        EXPECT_EQ(CString("12"), ComboText(dlg));
        ASSERT_EQ(5, dlg.m_comboFontSize.GetCount());
        const char* const offered[] = {"9", "10", "11", "12", "14"};
        for (int i = 0; i < 5; ++i) {
            CString item;
            dlg.m_comboFontSize.GetLBText(i, item);
            EXPECT_EQ(CString(offered[i]), item);
        }
        CString label;
        dlg.m_editFontLabel.GetWindowText(label);
        EXPECT_EQ(CString("表示フォントサイズ"), label);

        PickSize(dlg, 2);
        EXPECT_EQ(CString("11"), dlg.m_strFontSize);
        Press(dlg, IDCANCEL);
    });
    EXPECT_TRUE(m_messages.empty());
    EXPECT_TRUE(m_opens.empty());
    EXPECT_EQ(SettingsBytes("11"), Settings());
}

TEST_F(LauncherDialogTest, StoredSizeThatIsNoneOfTheFiveOrMissingIsReplacedSilently)
{
    const CString proposal = ScreenProposal();
    struct Case {
        const char* name;
        bool file;
        std::string before;
        CString shown;
        std::string after;
    };
    const Case cases[] = {
        {"size 13", true, SettingsBytes("13"), "9", SettingsBytes("9")},
        {"size 14", true, SettingsBytes("14"), "14", SettingsBytes("14")},
        {"two lines", true, kLine1 + "\r\n" + kLine2, proposal, SettingsBytes(proposal)},
        {"empty file", true, "", proposal, "\r\n\r\n" + std::string(proposal)},
        {"no file", false, "", proposal, "\r\n\r\n" + std::string(proposal)},
    };
    WriteSetupFiles();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(m_folder.Native() / "vozare.ino");
        if (c.file)
            WriteSettings(c.before);
        RunLauncher([&](CLauncherDlg& dlg) {
            EXPECT_EQ(c.shown, ComboText(dlg));
            EXPECT_EQ(c.shown, dlg.m_strFontSize);
            Press(dlg, IDCANCEL);
        });
        EXPECT_TRUE(m_messages.empty());
        EXPECT_EQ(c.after, Settings());
    }
}

TEST_F(LauncherDialogTest, TypedSizeOtherThanTheFiveIsRefusedWithItsTextAndBecomesNine)
{
    WriteSetupFiles();
    WriteSettings(SettingsBytes("12"));
    RunLauncher([&](CLauncherDlg& dlg) {
        TypeSize(dlg, "13");
        EXPECT_EQ(CString("9"), ComboText(dlg));
        EXPECT_EQ(CString("9"), dlg.m_strFontSize);
        TypeSize(dlg, "14");
        EXPECT_EQ(CString("14"), dlg.m_strFontSize);
        TypeSize(dlg, "13");
        Press(dlg, IDCANCEL);
    });
    ASSERT_EQ(2u, m_messages.size());
    EXPECT_EQ(CString("13") + kOnlyFiveSizes, m_messages[0].text);
    EXPECT_EQ(UINT(MB_OK), m_messages[0].style);
    EXPECT_EQ(SettingsBytes("9"), Settings());
}

TEST_F(LauncherDialogTest, StartWritesTheSettingsWholeBeforeTheBuildStartsAndNeverAfter)
{
    WriteSetupFiles();
    WriteSettings(SettingsBytes("12"));
    std::string seenByTheBuild;
    // The build, as it starts, reads the file and soon writes its own lines back.
    const std::string writtenByTheBuild = "20" + kLine1.substr(2) + "\r\n" + kLine2 + "\r\n10";
    m_onShellOpen = [&] {
        seenByTheBuild = Settings();
        WriteSettings(writtenByTheBuild);
    };
    RunLauncher([&](CLauncherDlg& dlg) {
        PickSize(dlg, 1);
        Press(dlg, IDOK);
    });
    ASSERT_EQ(1u, m_opens.size());
    EXPECT_EQ(CString("open"), m_opens[0].verb);
    EXPECT_EQ(Folder() + "\\tavrelbook_10.exe", m_opens[0].file);
    EXPECT_TRUE(m_opens[0].parameters.IsEmpty());
    EXPECT_TRUE(m_opens[0].directory.IsEmpty());
    EXPECT_EQ(SW_SHOWNORMAL, m_opens[0].show);
    EXPECT_EQ(SettingsBytes("10"), seenByTheBuild);
    EXPECT_EQ(writtenByTheBuild, Settings());
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(LauncherDialogTest, EnterWhileTypingStartsTheTypedSize)
{
    WriteSetupFiles();
    WriteSettings(SettingsBytes("12"));
    RunLauncher([&](CLauncherDlg& dlg) {
        dlg.m_comboFontSize.SetFocus();
        dlg.m_comboFontSize.SetWindowText("14");
        dlg.SendMessage(WM_COMMAND, IDOK);
    });
    ASSERT_EQ(1u, m_opens.size());
    EXPECT_EQ(Folder() + "\\tavrelbook_14.exe", m_opens[0].file);
    EXPECT_EQ(SettingsBytes("14"), Settings());
    EXPECT_TRUE(m_messages.empty());

    // A size other than the five, typed and entered, is refused once and 9 starts.
    RunLauncher([&](CLauncherDlg& dlg) {
        dlg.m_comboFontSize.SetFocus();
        dlg.m_comboFontSize.SetWindowText("13");
        dlg.SendMessage(WM_COMMAND, IDOK);
    });
    ASSERT_EQ(1u, m_messages.size());
    EXPECT_EQ(CString("13") + kOnlyFiveSizes, m_messages[0].text);
    ASSERT_EQ(2u, m_opens.size());
    EXPECT_EQ(Folder() + "\\tavrelbook_9.exe", m_opens[1].file);
}

TEST_F(LauncherDialogTest, BuildThatCannotBeStartedIsReported)
{
    WriteSetupFiles();
    WriteSettings(SettingsBytes("9"));
    m_shellAnswer = ERROR_FILE_NOT_FOUND;
    RunLauncher([&](CLauncherDlg& dlg) { Press(dlg, IDOK); });
    ASSERT_EQ(1u, m_opens.size());
    ASSERT_EQ(1u, m_messages.size());
    EXPECT_EQ(CString("「tavrelbook_9.exe」を起動できませんでした。\n\n"
                      "プログラムフォルダーにこのファイルがありません。再インストールしてください。"),
              m_messages[0].text);
    EXPECT_EQ(SettingsBytes("9"), Settings());

    // Another cause is told in the system's words.
    m_messages.clear();
    m_shellAnswer = ERROR_ACCESS_DENIED;
    RunLauncher([&](CLauncherDlg& dlg) { Press(dlg, IDOK); });
    ASSERT_EQ(1u, m_messages.size());
    EXPECT_EQ(0, m_messages[0].text.Find("「tavrelbook_9.exe」を起動できませんでした。\n\n"));
    EXPECT_GT(m_messages[0].text.GetLength(), CString("「tavrelbook_9.exe」を起動できませんでした。\n\n").GetLength());
}

TEST_F(LauncherDialogTest, SettingsFileThatCannotBeReadIsKeptByteForByte)
{
    WriteSetupFiles();
    WriteSettings(SettingsBytes("12"));
    // Held by another program while the launcher starts, without leave to read
    // it; let go before the launcher closes, so that it could be replaced then.
    HANDLE held = CreateFileW(ToWide(Path("vozare.ino")).c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    const CString proposal = ScreenProposal();
    RunLauncher([&](CLauncherDlg& dlg) {
        CloseHandle(held);
        EXPECT_TRUE(dlg.m_strSettingsLine1.IsEmpty());
        EXPECT_EQ(proposal, ComboText(dlg));
        PickSize(dlg, 4);
        Press(dlg, IDOK);
    });
    ASSERT_EQ(1u, m_opens.size());
    EXPECT_EQ(Folder() + "\\tavrelbook_14.exe", m_opens[0].file);
    EXPECT_EQ(SettingsBytes("12"), Settings());
}

TEST_F(LauncherDialogTest, ProgramFolderWithALongPathIsFound)
{
    const std::filesystem::path deep = m_folder.Native() / std::string(90, 'd') / std::string(90, 'e');
    std::filesystem::create_directories(deep);
    ASSERT_GT(deep.string().size(), 180u);
    ASSERT_TRUE(SetCurrentDirectoryW(deep.wstring().c_str()));
    for (const char* name : {"vevidez.hel", "zuvavodi.sdn", "zuvavodi.sdo"})
        WriteFileBytes(FromWide((deep / name).wstring()), "set-up data");
    WriteFileBytes(FromWide((deep / "vozare.ino").wstring()), SettingsBytes("10"));

    RunLauncher([&](CLauncherDlg& dlg) {
        EXPECT_EQ(0, dlg.m_nSetupMissing);
        EXPECT_EQ(CString("10"), ComboText(dlg));
        Press(dlg, IDOK);
    });
    EXPECT_TRUE(m_messages.empty());
    ASSERT_EQ(1u, m_opens.size());
    EXPECT_EQ(FromWide(deep.wstring()) + "\\tavrelbook_10.exe", m_opens[0].file);
}

TEST_F(LauncherDialogTest, OnlyOneLauncherRunsAtATime)
{
    WriteSetupFiles();
    const std::wstring name = ToWide("初期");
    bool heldWhileRunning = false;
    RunLauncher([&](CLauncherDlg& dlg) {
        HANDLE other = CreateMutexW(nullptr, FALSE, name.c_str());
        heldWhileRunning = GetLastError() == ERROR_ALREADY_EXISTS;
        CloseHandle(other);
        Press(dlg, IDCANCEL);
    });
    EXPECT_TRUE(heldWhileRunning);

    // With the name taken, the launcher ends at once: no dialog, no message, no file.
    HANDLE first = CreateMutexW(nullptr, TRUE, name.c_str());
    ASSERT_NE(ERROR_ALREADY_EXISTS, GetLastError());
    std::filesystem::remove(m_folder.Native() / "vozare.ino");
    bool dialogShown = false;
    EXPECT_FALSE(RunLauncher([&](CLauncherDlg& dlg) {
        dialogShown = true;
        Press(dlg, IDCANCEL);
    }));
    CloseHandle(first);
    EXPECT_FALSE(dialogShown);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_FALSE(FileExists(Path("vozare.ino")));

    // Once the launcher has ended, the name is free again.
    HANDLE after = CreateMutexW(nullptr, FALSE, name.c_str());
    EXPECT_NE(ERROR_ALREADY_EXISTS, GetLastError());
    CloseHandle(after);
}

TEST_F(LauncherDialogTest, AboutBoxHelpAndLabelFocus)
{
    WriteSetupFiles();
    RunLauncher([&](CLauncherDlg& dlg) {
        // The dialog has no system-menu box; where the system still gives it a
        // system menu, the about entry is at its end.
        if (CMenu* systemMenu = dlg.GetSystemMenu(FALSE)) {
            CString entry;
            systemMenu->GetMenuString(IDM_LAUNCHER_ABOUT, entry, MF_BYCOMMAND);
            EXPECT_EQ(CString("初期 のﾊﾞｰｼﾞｮﾝ情報(&A)..."), entry);
        }
        dlg.SendMessage(WM_SYSCOMMAND, IDM_LAUNCHER_ABOUT);
        Press(dlg, IDC_HIGH_DPI_HELP);

        // The label is not for editing: the focus goes on to 開始.
        dlg.m_editFontLabel.SetFocus();
        EXPECT_EQ(dlg.m_btnStart.m_hWnd, GetFocus());
        Press(dlg, IDCANCEL);
    });
    EXPECT_EQ((std::vector<UINT>{IDD_LAUNCHER_ABOUTBOX, IDD_HIGH_DPI_HELP}), m_otherDialogs);
    EXPECT_TRUE(m_opens.empty());
}

TEST_F(LauncherDialogTest, SplashPictureAndVersionArePainted)
{
    WriteSetupFiles();
    RunLauncher([&](CLauncherDlg& dlg) {
        dlg.RedrawWindow();
        CRect version;
        dlg.m_grpVersion.GetWindowRect(&version);
        dlg.ScreenToClient(&version);
        HDC dc = GetDC(dlg.m_hWnd);
        // The picture covers the dialog's own grey ...
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        int pictured = 0;
        for (int y = 10; y < 100; y += 10)
            pictured += GetPixel(dc, 40, y) != face;
        EXPECT_GT(pictured, 5);
        // ... and the version text is drawn black on white where its box marks it.
        int black = 0;
        int white = 0;
        for (int y = version.top; y < version.top + 30; ++y)
            for (int x = version.left; x < version.left + 120; ++x) {
                const COLORREF pixel = GetPixel(dc, x, y);
                black += pixel == RGB(0, 0, 0);
                white += pixel == RGB(255, 255, 255);
            }
        ReleaseDC(dlg.m_hWnd, dc);
        EXPECT_GT(black, 50);
        EXPECT_GT(white, 50);
        Press(dlg, IDCANCEL);
    });
}

}  // namespace
