#include "print_dialog.h"

#include "modal_seam.h"
#include "wide_text.h"
#include "win_app.h"
#include "wnd.h"

#include <winspool.h>

#include <cstring>
#include <vector>

const char* const AfxNoPrinterText =
    "プリンタがインストールされていません。\n"
    "プリンタを追加してから、もう一度印刷してください。";

namespace {

DefaultPrinterSource g_defaultPrinterSource = nullptr;

BOOL SystemDefaultPrinter(PRINTDLGW* pd)
{
    return ::PrintDlgW(pd);
}

// One of the three names of a DEVNAMES block.
CString DevNamesField(HGLOBAL hDevNames, WORD DEVNAMES::*offset)
{
    if (!hDevNames)
        return CString();
    auto* names = static_cast<DEVNAMES*>(::GlobalLock(hDevNames));
    if (!names)
        return CString();
    CString text = FromWide(reinterpret_cast<const wchar_t*>(names) + names->*offset);
    ::GlobalUnlock(hDevNames);
    return text;
}

// A DEVNAMES block holding the three names.
HGLOBAL MakeDevNames(const std::wstring& driver, const std::wstring& device, const std::wstring& port)
{
    size_t chars = driver.size() + device.size() + port.size() + 3;
    size_t header = (sizeof(DEVNAMES) + sizeof(wchar_t) - 1) / sizeof(wchar_t);
    HGLOBAL handle = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (header + chars) * sizeof(wchar_t));
    if (!handle)
        return nullptr;
    auto* names = static_cast<DEVNAMES*>(::GlobalLock(handle));
    auto* text = reinterpret_cast<wchar_t*>(names);
    size_t at = header;
    auto put = [&](const std::wstring& s) {
        WORD offset = static_cast<WORD>(at);
        std::memcpy(text + at, s.c_str(), (s.size() + 1) * sizeof(wchar_t));
        at += s.size() + 1;
        return offset;
    };
    names->wDriverOffset = put(driver);
    names->wDeviceOffset = put(device);
    names->wOutputOffset = put(port);
    ::GlobalUnlock(handle);
    return handle;
}

}  // namespace

DefaultPrinterSource AfxSetDefaultPrinterSource(DefaultPrinterSource source)
{
    DefaultPrinterSource previous = g_defaultPrinterSource;
    g_defaultPrinterSource = source;
    return previous;
}

HGLOBAL AfxCopyGlobalHandle(HGLOBAL handle)
{
    if (!handle)
        return nullptr;
    SIZE_T size = ::GlobalSize(handle);
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy)
        return nullptr;
    void* from = ::GlobalLock(handle);
    void* to = ::GlobalLock(copy);
    if (from && to)
        std::memcpy(to, from, size);
    ::GlobalUnlock(copy);
    ::GlobalUnlock(handle);
    return copy;
}

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : m_pParentWnd(pParentWnd)
{
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    m_pd.nFromPage = 1;
    m_pd.nToPage = 0xFFFF;
    m_pd.nCopies = 1;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    else
        m_pd.Flags |= PD_RETURNDC;
}

CPrintDialog::~CPrintDialog()
{
    UnlockDevMode();
    if (m_bOwnsHandles)
        ReleasePrinter();
}

void CPrintDialog::ReleasePrinter()
{
    UnlockDevMode();
    if (m_pd.hDC) {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    if (m_bOwnsHandles) {
        if (m_pd.hDevMode)
            ::GlobalFree(m_pd.hDevMode);
        if (m_pd.hDevNames)
            ::GlobalFree(m_pd.hDevNames);
    }
    m_pd.hDevMode = nullptr;
    m_pd.hDevNames = nullptr;
}

void CPrintDialog::UnlockDevMode() const
{
    if (m_pLockedDevMode && m_pd.hDevMode)
        ::GlobalUnlock(m_pd.hDevMode);
    m_pLockedDevMode = nullptr;
}

LPDEVMODEW CPrintDialog::GetDevMode() const
{
    if (!m_pd.hDevMode)
        return nullptr;
    if (!m_pLockedDevMode)
        m_pLockedDevMode = static_cast<LPDEVMODEW>(::GlobalLock(m_pd.hDevMode));
    return m_pLockedDevMode;
}

CString CPrintDialog::GetDriverName() const { return DevNamesField(m_pd.hDevNames, &DEVNAMES::wDriverOffset); }
CString CPrintDialog::GetDeviceName() const { return DevNamesField(m_pd.hDevNames, &DEVNAMES::wDeviceOffset); }
CString CPrintDialog::GetPortName() const { return DevNamesField(m_pd.hDevNames, &DEVNAMES::wOutputOffset); }

int CPrintDialog::GetCopies() const
{
    if (m_pd.Flags & PD_USEDEVMODECOPIES) {
        LPDEVMODEW mode = GetDevMode();
        if (mode && (mode->dmFields & DM_COPIES))
            return mode->dmCopies;
    }
    return m_pd.nCopies;
}

HDC CPrintDialog::CreatePrinterDC()
{
    if (m_pd.hDC) {
        ::DeleteDC(m_pd.hDC);
        m_pd.hDC = nullptr;
    }
    if (!m_pd.hDevNames)
        return nullptr;
    std::wstring driver = ToWide(GetDriverName());
    std::wstring device = ToWide(GetDeviceName());
    m_pd.hDC = ::CreateDCW(driver.empty() ? nullptr : driver.c_str(), device.c_str(), nullptr, GetDevMode());
    return m_pd.hDC;
}

BOOL CPrintDialog::GetDefaults()
{
    // The system hands back new handles: the old ones must be out of the way.
    UnlockDevMode();
    if (m_bOwnsHandles) {
        if (m_pd.hDevMode)
            ::GlobalFree(m_pd.hDevMode);
        if (m_pd.hDevNames)
            ::GlobalFree(m_pd.hDevNames);
    }
    m_pd.hDevMode = nullptr;
    m_pd.hDevNames = nullptr;
    PRINTDLGW pd{};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT;
    DefaultPrinterSource source = g_defaultPrinterSource ? g_defaultPrinterSource : SystemDefaultPrinter;
    if (!source(&pd) || !pd.hDevNames) {
        if (pd.hDevMode)
            ::GlobalFree(pd.hDevMode);
        if (pd.hDevNames)
            ::GlobalFree(pd.hDevNames);
        return FALSE;
    }
    m_pd.hDevMode = pd.hDevMode;
    m_pd.hDevNames = pd.hDevNames;
    if (m_pd.Flags & PD_RETURNDC)
        CreatePrinterDC();
    return TRUE;
}

PrintDialogRequest CPrintDialog::MakeRequest() const
{
    PrintDialogRequest request;
    request.bPrintSetupOnly = (m_pd.Flags & PD_PRINTSETUP) != 0;
    request.printer = GetDeviceName();
    if (LPDEVMODEW mode = GetDevMode()) {
        request.paperSize = mode->dmPaperSize;
        request.orientation = mode->dmOrientation;
    }
    request.flags = m_pd.Flags;
    request.minPage = m_pd.nMinPage;
    request.maxPage = m_pd.nMaxPage;
    request.fromPage = m_pd.nFromPage;
    request.toPage = m_pd.nToPage;
    request.copies = GetCopies();
    return request;
}

BOOL CPrintDialog::SelectPrinterByName(const CString& name)
{
    std::wstring device = ToWide(name);
    HANDLE printer = nullptr;
    if (!::OpenPrinterW(device.data(), &printer, nullptr))
        return FALSE;
    LONG size = ::DocumentPropertiesW(nullptr, printer, device.data(), nullptr, nullptr, 0);
    HGLOBAL mode = size > 0 ? ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(size)) : nullptr;
    bool filled = false;
    if (mode) {
        auto* settings = static_cast<DEVMODEW*>(::GlobalLock(mode));
        filled = ::DocumentPropertiesW(nullptr, printer, device.data(), settings, nullptr, DM_OUT_BUFFER) == IDOK;
        ::GlobalUnlock(mode);
    }
    std::wstring port;
    DWORD needed = 0;
    ::GetPrinterW(printer, 2, nullptr, 0, &needed);
    if (needed) {
        std::vector<BYTE> info(needed);
        if (::GetPrinterW(printer, 2, info.data(), needed, &needed)) {
            auto* details = reinterpret_cast<PRINTER_INFO_2W*>(info.data());
            if (details->pPortName)
                port = details->pPortName;
        }
    }
    ::ClosePrinter(printer);
    if (!filled) {
        if (mode)
            ::GlobalFree(mode);
        return FALSE;
    }
    UnlockDevMode();
    if (m_bOwnsHandles) {
        if (m_pd.hDevMode)
            ::GlobalFree(m_pd.hDevMode);
        if (m_pd.hDevNames)
            ::GlobalFree(m_pd.hDevNames);
    }
    m_pd.hDevMode = mode;
    m_pd.hDevNames = MakeDevNames(L"winspool", device, port);
    return TRUE;
}

BOOL CPrintDialog::ApplyRequest(const PrintDialogRequest& request)
{
    bool changed = false;
    if (request.printer != GetDeviceName()) {
        if (request.printer.IsEmpty() || !SelectPrinterByName(request.printer))
            return FALSE;
        changed = true;
    }
    if (LPDEVMODEW mode = GetDevMode()) {
        if (request.paperSize && request.paperSize != mode->dmPaperSize) {
            mode->dmPaperSize = request.paperSize;
            mode->dmFields |= DM_PAPERSIZE;
            changed = true;
        }
        if (request.orientation && request.orientation != mode->dmOrientation) {
            mode->dmOrientation = request.orientation;
            mode->dmFields |= DM_ORIENTATION;
            changed = true;
        }
    }
    const DWORD range = PD_ALLPAGES | PD_PAGENUMS | PD_SELECTION;
    m_pd.Flags = (m_pd.Flags & ~range) | (request.flags & range);
    m_pd.nFromPage = static_cast<WORD>(request.fromPage);
    m_pd.nToPage = static_cast<WORD>(request.toPage);
    m_pd.nCopies = static_cast<WORD>(request.copies > 0 ? request.copies : 1);
    // A printer that gives no context leaves m_pd.hDC null: the caller reports it.
    if (!(m_pd.Flags & PD_PRINTSETUP) && (m_pd.Flags & PD_RETURNDC) && (changed || !m_pd.hDC))
        CreatePrinterDC();
    return TRUE;
}

INT_PTR CPrintDialog::DoModal()
{
    PrintDialogRequest request = MakeRequest();
    int answer = modal_seam::PrintDialog(request, [&] {
        UnlockDevMode();
        HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
        if (!owner && AfxGetMainWnd())
            owner = ::GetLastActivePopup(AfxGetMainWnd()->m_hWnd);
        m_pd.hwndOwner = owner;
        BOOL chosen = ::PrintDlgW(&m_pd);
        m_pd.hwndOwner = nullptr;
        if (!chosen)
            return IDCANCEL;
        // What the person chose is in m_pd already; the request only repeats it.
        request = MakeRequest();
        return IDOK;
    });
    if (answer != IDOK)
        return IDCANCEL;
    return ApplyRequest(request) ? IDOK : IDCANCEL;
}
