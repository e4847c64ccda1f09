// The one point every interaction that waits for the user passes through:
// message boxes, file and folder dialogs and modal dialogs (the print dialog
// joins them with printing). In the program each shows the real thing.
//
// A test answers them instead, without any window waiting for a person:
//
//     ModalAnswers answers;
//     answers.messageBox = [](const MessageBoxRequest& box) { return IDYES; };
//     answers.dialog = [](CDialog& dlg) {          // the live dialog, after OnInitDialog
//         dlg.SetDlgItemText(IDC_NAME, "山田");
//         dlg.SendMessage(WM_COMMAND, IDOK);       // OnOK: data exchange, EndDialog
//     };
//
// and a test program calls ModalAnswers::RefuseUnanswered once, so that an
// interaction no handler answers is reported at once and declined (Cancel, No,
// or OK for a plain message box) instead of opening a window nobody closes.
#pragma once

#include "../cstring.h"

#include "windows_api.h"

#include <functional>
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

// Answers installed by a test; the most recently constructed one is active.
class ModalAnswers {
public:
    ModalAnswers();
    ~ModalAnswers();
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    // The button pressed (IDOK, IDYES, IDNO, IDCANCEL ...).
    std::function<int(const MessageBoxRequest&)> messageBox;
    // Drives the live dialog; it must end it (EndDialog, or a command to IDOK / IDCANCEL).
    std::function<void(CDialog&)> dialog;
    // IDOK after filling request.fileName (and filterIndex), or IDCANCEL.
    std::function<int(FileDialogRequest&)> fileDialog;
    // IDOK after filling request.folder, or IDCANCEL.
    std::function<int(FolderDialogRequest&)> folderDialog;

    // One line per interaction met, in order: "message box: <text>",
    // "dialog: <template id>", "file dialog: <title>", "folder dialog: <title>".
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

// How a modal dialog runs: in its real modal loop, driven by a test's handler
// (handler filled), or refused (already reported: it ends with IDCANCEL unseen).
enum class DialogRoute { Real, Answered, Refused };
DialogRoute RouteDialog(UINT nIDTemplate, std::function<void(CDialog&)>* handler);

// A test's handler left its dialog open: reported as a fault of the test.
void ReportDialogLeftOpen(UINT nIDTemplate);

// The button a declined message box answers: Cancel, else No, else OK.
int DeclinedButton(UINT style);

}  // namespace modal_seam
