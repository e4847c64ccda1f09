// HTML Help and the shell's open: the two ways the program hands the user over
// to another program. Both pass through the modal seam (modal_seam.h), so a
// test sees what was opened and answers instead of the system.
#pragma once

#include "../cstring.h"

#include "windows_api.h"

#include <htmlhelp.h>

// Shows what lpszFile names in HTML Help ("file.chm::/page.htm" for
// HH_DISPLAY_TOPIC). HTML Help (hhctrl.ocx) is loaded when first asked for, so
// that a program runs where it is missing. TRUE when a help window shows it;
// FALSE when HTML Help is missing or could not show it.
BOOL AfxHtmlHelp(LPCTSTR lpszFile, UINT nCommand = HH_DISPLAY_TOPIC, DWORD_PTR dwData = 0);

// Hands a file, program or address to the shell. lpszVerb: "open", "print" ...;
// null or empty for the file's default action. lpszParameters: the command line
// of a program started; lpszDirectory: its working folder (null or empty: the
// current one); nShowCmd: SW_SHOWNORMAL, SW_HIDE ... The shell shows no error
// box of its own: the answer is ERROR_SUCCESS when it started the program or
// opened the file, else the system's error code (ERROR_FILE_NOT_FOUND ...),
// which the caller reports.
DWORD AfxShellOpen(LPCTSTR lpszVerb, LPCTSTR lpszFile, LPCTSTR lpszParameters = nullptr,
                   LPCTSTR lpszDirectory = nullptr, int nShowCmd = SW_SHOWNORMAL);

// The system's text for an error code, in CP932 (empty when it has none).
CString AfxSystemErrorText(DWORD dwError);
