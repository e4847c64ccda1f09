// The launcher's dialogs: CLauncherDlg, the splash dialog in which the user
// picks the display font size and starts the main program's build for it;
// CLauncherAboutDlg, its about box; CHighDpiHelpDlg, how to keep the program's
// text sharp on a scaled high-DPI screen.
#pragma once

#include "../framework/win/controls.h"
#include "../framework/win/dialog.h"

class CLauncherDlg : public CDialog {
    DECLARE_MESSAGE_MAP(CLauncherDlg)
public:
    explicit CLauncherDlg(CWnd* pParent = nullptr);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // 開始 (and Enter): writes the settings file, then starts the build of the
    // size chosen and ends the dialog.
    void OnOK() override;
    // Every close rewrites the settings file (unless 開始 has written it already).
    BOOL DestroyWindow() override;

    void OnPaint();
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnKillfocusFontSize();
    void OnSetfocusFontLabel();
    void OnHighDpiHelp();
    void ShowHighDpiHelp();

    // 0 when the three set-up files were found at the start, else how many were missing.
    int m_nSetupMissing = 0;
    // Lines 1 and 2 of the settings file as read; empty when they were not read.
    CString m_strSettingsLine1;
    CString m_strSettingsLine2;
    // The size chosen: one of the five sizes once the dialog is set up.
    CString m_strFontSize;

    CButton m_grpVersion;
    CEdit m_editFontLabel;
    CComboBox m_comboFontSize;
    CButton m_grpPicture;
    CButton m_btnExit;
    CButton m_btnStart;

private:
    void AddAboutToSystemMenu();
    BOOL CheckSetupFiles();
    void ReadSettings();
    // The size the screen suits, as this dialog's device context reports it.
    CString ScreenFontSize();
    // Takes the combo box's text as the size, or tells the user the sizes there are.
    void TakeTypedFontSize();
    // Rewrites the settings file, once: after 開始 it must not change under the
    // build that is starting and reading it.
    void SaveSettings();

    // Lines 1 and 2 are known (read, or there was no file to keep), so that the
    // file may be rewritten; otherwise the file is left exactly as it is.
    bool m_bSettingsKnown = false;
    // The current directory at the start, where the set-up files and the builds are.
    CString m_strProgramFolder;
    bool m_bSettingsSaved = false;
};

class CLauncherAboutDlg : public CDialog {
public:
    CLauncherAboutDlg();
};

class CHighDpiHelpDlg : public CDialog {
public:
    explicit CHighDpiHelpDlg(CWnd* pParent = nullptr);
};
