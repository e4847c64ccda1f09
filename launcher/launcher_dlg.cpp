#include "launcher_dlg.h"

#include "font_size.h"
#include "form_units.h"
#include "launcher_settings.h"

#include "../framework/file.h"
#include "../framework/win/data_exchange.h"
#include "../framework/win/dc.h"
#include "../framework/win/gdi_objects.h"
#include "../framework/win/menu.h"
#include "../framework/win/message_box.h"
#include "../framework/win/shell_open.h"
#include "../framework/win/wide_text.h"
#include "../resources/ostavo_ids.h"

#include <string>

namespace {

// In the current directory, as the main program finds it.
const char* const kSettingsFile = "vozare.ino";
const char* const kSetupFiles[] = {"vevidez.hel", "zuvavodi.sdn", "zuvavodi.sdo"};

const char* const kSetupMissingText = "「Zirere」設定ファイルの読み込みに失敗しました。\n\n再インストールしてください。";
const char* const kFontSizesText = "選択フォントサイズは　9、10、11、12、14　の、５種類のみです。";
const char* const kFontLabel = "表示フォントサイズ";
const char* const kVersionText = "Ver 3.0.6";

// The current directory, whatever its length, without a trailing backslash.
CString CurrentFolder()
{
    const DWORD needed = ::GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(needed, L'\0');
    const DWORD length = ::GetCurrentDirectoryW(needed, folder.data());
    folder.resize(length < needed ? length : 0);
    if (!folder.empty() && folder.back() == L'\\')
        folder.pop_back();
    return FromWide(folder);
}

bool IsFile(const CString& path)
{
    CFileStatus status;
    return CFile::GetStatus(path, status) && !(status.m_attribute & 0x10);
}

CString StartFailureText(const CString& build, DWORD error)
{
    CString text = "「" + build + "」を起動できませんでした。\n\n";
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return text + "プログラムフォルダーにこのファイルがありません。再インストールしてください。";
    const CString reason = AfxSystemErrorText(error);
    if (reason.IsEmpty()) {
        CString code;
        code.Format("エラーコード %lu", static_cast<unsigned long>(error));
        return text + code;
    }
    return text + reason;
}

}  // namespace

const MessageMap* CLauncherDlg::GetThisMessageMap()
{
    static const MessageMap map = MessageMap::Of<CLauncherDlg>(
        on::Paint(&CLauncherDlg::OnPaint),
        on::SysCommand(&CLauncherDlg::OnSysCommand),
        on::Control(CBN_KILLFOCUS, IDC_FONT_SIZE, &CLauncherDlg::OnKillfocusFontSize),
        on::Control(EN_SETFOCUS, IDC_FONT_LABEL, &CLauncherDlg::OnSetfocusFontLabel),
        on::Control(BN_CLICKED, IDC_HIGH_DPI_HELP, &CLauncherDlg::OnHighDpiHelp));
    return &map;
}

CLauncherDlg::CLauncherDlg(CWnd* pParent) : CDialog(IDD_LAUNCHER, pParent) {}

void CLauncherDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VERSION_AREA, m_grpVersion);
    DDX_Control(pDX, IDC_FONT_LABEL, m_editFontLabel);
    DDX_Control(pDX, IDC_FONT_SIZE, m_comboFontSize);
    DDX_Control(pDX, IDC_PICTURE_AREA, m_grpPicture);
    DDX_Control(pDX, IDCANCEL, m_btnExit);
    DDX_Control(pDX, IDOK, m_btnStart);
}

BOOL CLauncherDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AddAboutToSystemMenu();

    if (CheckSetupFiles()) {
        ReadSettings();
        for (const char* size : kFontSizes)
            m_comboFontSize.AddString(size);
        m_strFontSize = StoredFontSize(m_strFontSize, ScreenFontSize());
        m_comboFontSize.SetWindowText(m_strFontSize);
    }
    m_editFontLabel.SetWindowText(kFontLabel);
    return TRUE;
}

void CLauncherDlg::AddAboutToSystemMenu()
{
    CString about;
    about.LoadString(IDS_LAUNCHER_ABOUT);
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (!systemMenu || about.IsEmpty())
        return;
    systemMenu->AppendMenu(MF_SEPARATOR);
    systemMenu->AppendMenu(MF_STRING, IDM_LAUNCHER_ABOUT, about);
}

BOOL CLauncherDlg::CheckSetupFiles()
{
    m_strProgramFolder = CurrentFolder();
    m_nSetupMissing = 0;
    for (const char* name : kSetupFiles)
        if (!IsFile(m_strProgramFolder + "\\" + name))
            ++m_nSetupMissing;
    if (m_nSetupMissing == 0)
        return TRUE;
    m_btnStart.EnableWindow(FALSE);
    AfxMessageBox(kSetupMissingText, MB_OK);
    return FALSE;
}

void CLauncherDlg::ReadSettings()
{
    LauncherSettings settings;
    const SettingsRead read = ReadLauncherSettings(kSettingsFile, settings);
    m_strSettingsLine1 = settings.line1;
    m_strSettingsLine2 = settings.line2;
    m_strFontSize = settings.fontSize;
    // A file that exists but could not be read keeps the main program's lines:
    // it is not rewritten at all.
    m_bSettingsKnown = read != SettingsRead::Unreadable;
}

CString CLauncherDlg::ScreenFontSize()
{
    CClientDC dc(this);
    const int dpi = dc.GetDeviceCaps(LOGPIXELSX);
    // The table's size is the largest offered; a smaller one is proposed when the
    // main window would not fit the work area, so that no form has to be scrolled.
    return FittingFontSize(ProposedFontSize(dpi, dc.GetDeviceCaps(VERTRES)), dpi, ScreenWorkArea(),
                           [dpi](int size) { return MeasureFormUnits(size, dpi); });
}

void CLauncherDlg::OnKillfocusFontSize()
{
    TakeTypedFontSize();
}

void CLauncherDlg::TakeTypedFontSize()
{
    CString typed;
    m_comboFontSize.GetWindowText(typed);
    if (IsFontSize(typed)) {
        m_strFontSize = typed;
        return;
    }
    AfxMessageBox(typed + kFontSizesText, MB_OK);
    m_comboFontSize.SetWindowText(kFallbackFontSize);
    m_strFontSize = kFallbackFontSize;
}

void CLauncherDlg::OnSetfocusFontLabel()
{
    // The label is an edit control only for its look: the focus moves on at once.
    CWnd* first = GetWindow(GW_CHILD);
    if (first && !first->IsWindowEnabled())
        first = &m_btnExit;
    if (first)
        first->SetFocus();
}

void CLauncherDlg::OnOK()
{
    // Enter reaches here even while 開始 is disabled: without the set-up files
    // there is nothing to start.
    if (m_nSetupMissing > 0)
        return;
    // Enter while typing in the combo box leaves the box first, so that the
    // typed size is taken (or refused) as on any other way out of it.
    HWND focus = ::GetFocus();
    if (focus && (focus == m_comboFontSize.m_hWnd || ::IsChild(m_comboFontSize.m_hWnd, focus)))
        GotoDlgCtrl(&m_btnStart);
    m_strFontSize = FontSizeOrFallback(m_strFontSize);

    // The build reads the settings file early in its start: the file is complete
    // before the build is asked for.
    SaveSettings();
    // Named by its full path: a bare name would be looked for first beside the
    // launcher's own program file, which need not be the program folder.
    const CString build = BuildFileName(m_strFontSize);
    const DWORD error = AfxShellOpen("open", m_strProgramFolder + "\\" + build, nullptr, nullptr, SW_SHOWNORMAL);
    if (error != ERROR_SUCCESS)
        AfxMessageBox(StartFailureText(build, error), MB_OK | MB_ICONEXCLAMATION);
    EndDialog(IDOK);
}

BOOL CLauncherDlg::DestroyWindow()
{
    SaveSettings();
    return CDialog::DestroyWindow();
}

void CLauncherDlg::SaveSettings()
{
    if (m_bSettingsSaved)
        return;
    m_bSettingsSaved = true;
    if (!m_bSettingsKnown)
        return;
    try {
        WriteLauncherSettings(kSettingsFile, {m_strSettingsLine1, m_strSettingsLine2, m_strFontSize});
    } catch (const CFileException&) {
        // The file stays as it was; the size is simply proposed again next time.
    }
}

void CLauncherDlg::OnPaint()
{
    CPaintDC dc(this);

    CRect picture;
    m_grpPicture.GetWindowRect(&picture);
    ScreenToClient(&picture);
    CBitmap splash;
    BITMAP size{};
    if (splash.LoadBitmap(IDB_LAUNCHER_SPLASH) && splash.GetBitmap(&size)) {
        CDC memory;
        memory.CreateCompatibleDC(&dc);
        CBitmap* previous = memory.SelectObject(&splash);
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
        ::StretchBlt(dc, 0, 0, picture.right + 16, picture.bottom + 12, memory, 0, 0, size.bmWidth, size.bmHeight,
                     SRCCOPY);
        memory.SelectObject(previous);
    }

    CRect version;
    m_grpVersion.GetWindowRect(&version);
    ScreenToClient(&version);
    CFont font;
    font.CreatePointFont(300, "ＭＳ 明朝", &dc);
    CFont* previousFont = dc.SelectObject(&font);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetBkMode(OPAQUE);
    dc.TextOut(version.left, version.top, kVersionText);
    dc.SelectObject(previousFont);
}

void CLauncherDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_LAUNCHER_ABOUT) {
        CLauncherAboutDlg about;
        about.DoModal();
        return;
    }
    CDialog::OnSysCommand(nID, lParam);
}

void CLauncherDlg::OnHighDpiHelp()
{
    ShowHighDpiHelp();
}

void CLauncherDlg::ShowHighDpiHelp()
{
    CHighDpiHelpDlg help(this);
    help.DoModal();
}

CLauncherAboutDlg::CLauncherAboutDlg() : CDialog(IDD_LAUNCHER_ABOUTBOX) {}

CHighDpiHelpDlg::CHighDpiHelpDlg(CWnd* pParent) : CDialog(IDD_HIGH_DPI_HELP, pParent) {}
