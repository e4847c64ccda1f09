// Message boxes of the program: the caption is always the application name
// (string AFX_IDS_APP_TITLE), the owner the window the user is working in, and
// every box passes through the modal seam (modal_seam.h).
#pragma once

#include "../cstring.h"

#include "windows_api.h"

// The button pressed (IDOK, IDYES, IDNO, IDCANCEL ...).
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK);
// The text of string-table entry nIDPrompt.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);
