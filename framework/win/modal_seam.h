// The one point every interaction that waits for the user, or hands the user
// over to another program, passes through: message boxes, file and folder
// dialogs, modal dialogs, HTML Help and the shell's open. In the program each
// does the real thing.
//
// A test answers them instead, without any window waiting for a person:
//
//     ModalAnswers answers;
//     answers.messageBox = [](const MessageBoxRequest& box) { return IDYES; };
//     answers.dialogs[IDD_ACCOUNT] = [](CDialog& dlg) {   // the live dialog, after OnInitDialog
//         dlg.SetDlgItemText(IDC_NAME, "山田");
//         dlg.SendMessage(WM_COMMAND, IDOK);              // OnOK: data exchange, EndDialog
//     };
//     answers.shellOpen = [](const ShellOpenRequest&) { return ERROR_SUCCESS; };
//
// A test that answers dialogs by template id expects only those: any other
// dialog is reported as unexpected and declined (IDCANCEL, unseen). The
// catch-all `dialog` answers every dialog the map does not name.
//
// A test program calls ModalAnswers::RefuseUnanswered once, so that an
// interaction no handler answers is reported at once and declined (Cancel, No,
// or OK for a plain message box; no help window; the shell's open cancelled)
// instead of opening a window nobody closes.
#pragma once

#include "../cstring.h"

#include "windows_api.h"

#include <functional>
#include <map>
#include <vector>

class CDialog;

struct MessageBoxRequest {
    CString text;
    CString caption;
    UINT style = MB_OK;
};

// A file to open or a name to save under.
struct FileDialogRequest {
    BOOL bOpenFileDialog = TRUE;
    CString title;
    // "description|*.ext|...||" as the program wrote it.
    CString filter;
    CString defaultExt;
    CString initialDir;
    DWORD flags = 0;
    // In: the proposed file name; out: the full path chosen.
    CString fileName;
    // 1-based index of the filter chosen.
    int filterIndex = 1;
};

// A folder to choose.
struct FolderDialogRequest {
    CString title;
    // In: the folder shown first; out: the folder chosen.
    CString folder;
};

// A topic of an HTML Help file to show ("file.chm::/page.htm").
struct HtmlHelpRequest {
    CString file;
    // HH_DISPLAY_TOPIC and the other commands of HTML Help, with their data.
    UINT command = 0;
    DWORD_PTR data = 0;
};

// A file, program or address handed to the shell (ShellExecuteEx).
struct ShellOpenRequest {
    // "open", "print" ...; empty for the file's default action.
    CString verb;
    CString file;
    CString parameters;
    // The working folder of a program started; empty for the current one.
    CString directory;
    int show = SW_SHOWNORMAL;
};

// The print dialog, or the printer set-up dialog (bPrintSetupOnly).
struct PrintDialogRequest {
    BOOL bPrintSetupOnly = FALSE;
    // In: the printer in use (empty when there is none); out: the printer chosen.
    CString printer;
    // The paper (DMPAPER_A4 ...) and orientation (DMORIENT_PORTRAIT or
    // DMORIENT_LANDSCAPE) of the printer's settings, in and out; 0 when unknown.
    short paperSize = 0;
    short orientation = 0;
    // PD_ flags, in and out: PD_PAGENUMS after a page range was chosen.
    DWORD flags = 0;
    // The pages that can be printed, and the range chosen.
    int minPage = 1;
    int maxPage = 1;
    int fromPage = 1;
    int toPage = 1;
    int copies = 1;
};

// Answers installed by a test; the most recently constructed one is active.
class ModalAnswers {
public:
    ModalAnswers();
    ~ModalAnswers();
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    // The button pressed (IDOK, IDYES, IDNO, IDCANCEL ...).
    std::function<int(const MessageBoxRequest&)> messageBox;
    // Drive the live dialog; each must end it (EndDialog, or a command to IDOK /
    // IDCANCEL). By template id; while this map names any, a dialog it does not
    // name and the catch-all does not answer is unexpected.
    std::map<UINT, std::function<void(CDialog&)>> dialogs;
    // Every dialog the map does not name.
    std::function<void(CDialog&)> dialog;
    // IDOK after filling request.fileName (and filterIndex), or IDCANCEL.
    std::function<int(FileDialogRequest&)> fileDialog;
    // IDOK after filling request.folder, or IDCANCEL.
    std::function<int(FolderDialogRequest&)> folderDialog;
    // TRUE: the help window shows the topic; FALSE: HTML Help could not show it.
    std::function<BOOL(const HtmlHelpRequest&)> htmlHelp;
    // ERROR_SUCCESS, or the system's error code of a failed open.
    std::function<DWORD(const ShellOpenRequest&)> shellOpen;
    // IDOK after filling the request (printer, paper, page range), or IDCANCEL.
    std::function<int(PrintDialogRequest&)> printDialog;

    // One line per interaction met, in order: "message box: <text>",
    // "dialog: <template id>", "file dialog: <title>", "folder dialog: <title>",
    // "html help: <file>", "shell: <verb> <file>" (and " <parameters>" when there are any),
    // "print dialog: <printer>", "print setup dialog: <printer>".
    std::vector<CString> asked;

    static ModalAnswers* Active();

    // From now on an interaction without an answer is reported to report and
    // declined instead of shown.
    static void RefuseUnanswered(std::function<void(const CString& what)> report);

private:
    ModalAnswers* m_pPrevious;
};

namespace modal_seam {

// Each takes the request and the function that shows the real window.
int MessageBox(const MessageBoxRequest& request, const std::function<int()>& showReal);
int FileDialog(FileDialogRequest& request, const std::function<int()>& showReal);
int FolderDialog(FolderDialogRequest& request, const std::function<int()>& showReal);
BOOL ShowHtmlHelp(const HtmlHelpRequest& request, const std::function<BOOL()>& showReal);
DWORD ShellOpen(const ShellOpenRequest& request, const std::function<DWORD()>& openReal);
int PrintDialog(PrintDialogRequest& request, const std::function<int()>& showReal);

// How a modal dialog runs: in its real modal loop, driven by a test's handler
// (handler filled), or refused (unanswered or unexpected, already reported: it
// ends with IDCANCEL unseen).
enum class DialogRoute { Real, Answered, Refused };
DialogRoute RouteDialog(UINT nIDTemplate, std::function<void(CDialog&)>* handler);

// A test's handler left its dialog open: reported as a fault of the test.
void ReportDialogLeftOpen(UINT nIDTemplate);

// The button a declined message box answers: Cancel, else No, else OK.
int DeclinedButton(UINT style);

}  // namespace modal_seam
