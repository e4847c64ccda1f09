// CPrintDialog: the system's print dialog (printer, page range, copies) or its
// printer set-up form (bPrintSetupOnly: printer and paper). DoModal passes
// through the modal seam (modal_seam.h), so a test answers it with a
// PrintDialogRequest.
//
// The printer's settings travel as the system's two memory handles in m_pd:
// hDevMode (a DEVMODEW: paper, orientation ...) and hDevNames (driver, device
// and port names). Whoever put them there owns them: the application keeps its
// chosen printer's pair (CWinApp), a print job its own copy (CPrintInfo), so
// that what a job changes for its paper never reaches the kept settings.
#pragma once

#include "../cstring.h"

#include "windows_api.h"

#include <commdlg.h>

class CWnd;
struct PrintDialogRequest;

class CPrintDialog {
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;
    // Releases the printer handles only when they are the dialog's own (TakeOwnership).
    virtual ~CPrintDialog();

    // IDOK or IDCANCEL. After IDOK m_pd holds the printer chosen, and for the
    // print dialog (PD_RETURNDC) the printer's device context in m_pd.hDC.
    virtual INT_PTR DoModal();
    // The default printer's settings, without any dialog (and its device
    // context with PD_RETURNDC); FALSE when there is no printer.
    BOOL GetDefaults();

    // The printer's settings, locked in memory while the dialog lives; null when
    // there is no printer. A change to it takes effect through CDC::ResetDC.
    LPDEVMODEW GetDevMode() const;
    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    // The device context made by DoModal, GetDefaults or CreatePrinterDC.
    HDC GetPrinterDC() const { return m_pd.hDC; }
    // A device context for the chosen printer and its settings; null without one.
    HDC CreatePrinterDC();

    int GetCopies() const;
    BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
    int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

    // The handles in m_pd become the dialog's: released with it.
    void TakeOwnership() { m_bOwnsHandles = true; }
    // Releases the printer handles the dialog owns (none otherwise) and the device context.
    void ReleasePrinter();

    PRINTDLGW m_pd{};

private:
    // The request the seam hands out, from m_pd.
    PrintDialogRequest MakeRequest() const;
    // Takes what was chosen into m_pd; FALSE when the printer named cannot be used.
    BOOL ApplyRequest(const PrintDialogRequest& request);
    // Settings and names of the printer called name, in m_pd's handles.
    BOOL SelectPrinterByName(const CString& name);
    void UnlockDevMode() const;

    CWnd* m_pParentWnd;
    bool m_bOwnsHandles = false;
    mutable LPDEVMODEW m_pLockedDevMode = nullptr;
};

// How the framework finds the default printer: PrintDlgW with PD_RETURNDEFAULT
// unless replaced. The answer is PrintDlgW's (TRUE with pd's hDevMode and
// hDevNames filled). AfxSetDefaultPrinterSource replaces it (a test plays a
// machine without any printer) and returns the one it replaces; null restores
// the system's.
using DefaultPrinterSource = BOOL (*)(PRINTDLGW* pd);
DefaultPrinterSource AfxSetDefaultPrinterSource(DefaultPrinterSource source);

// A copy of a global memory block (a printer handle); null for null.
HGLOBAL AfxCopyGlobalHandle(HGLOBAL handle);

// The text shown when printing is asked for and no printer is installed.
extern const char* const AfxNoPrinterText;
