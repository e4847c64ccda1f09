// Dialog data exchange: a window's DoDataExchange lists its controls with the
// members bound to them; UpdateData(FALSE) fills the controls from the members
// and UpdateData(TRUE) reads them back. A value that cannot be read (letters in
// a number field) is told to the user, the focus goes to the control, and
// UpdateData answers FALSE with the members read so far. An entry naming a
// control the window does not have is reported as a programming error (a
// message box naming the id and the class) and UpdateData answers FALSE.
#pragma once

#include "../cstring.h"

#include "windows_api.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate) : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    CDataExchange(const CDataExchange&) = delete;
    CDataExchange& operator=(const CDataExchange&) = delete;

    // TRUE: controls to members; FALSE: members to controls.
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control nIDC of the window, remembered as the one a failure points to.
    // A window without that control is a fault of the class's table: it throws
    // ProgrammingError (exception_boundary.h) naming the id and the class, which
    // UpdateData reports and answers with FALSE.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }
    HWND LastControl() const { return m_hWndLastControl; }
    // Ends the exchange: the focus goes to the control last prepared.
    [[noreturn]] void Fail();

    // Thrown by Fail, caught by UpdateData.
    struct Failed {};

private:
    HWND m_hWndLastControl = nullptr;
};

// Binds the control object to the window's control nIDC (once: it routes the
// control's messages through the object from then on).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// The text of a control.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// A number in a control's text; reading text that is no number in range fails.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);

// A check box: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// A group of radio buttons starting at nIDC (the one with WS_GROUP): the index of
// the one checked, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

// Selection of a list box or combo box by index (-1 none) or by text.
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);

// Limits an edit control to nChars bytes of text (a double-byte character counts two).
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
