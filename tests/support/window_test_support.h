// What every window test program needs: a message pump for the test's own
// thread, and every modal interaction that no test answers reported as a failure
// (linking window_test_support.cpp installs that for the whole program).
#pragma once

#include "message_pump.h"

class CString;
class CWnd;

// The window as it shows on the screen, saved as a bitmap file at path.
void SaveWindowPicture(CWnd* window, const CString& path);

// The folder that ZIRERE_SHOTS names, where the tests leave pictures of windows
// and printed pages for a person to look at (scripts/shots.sh); nullptr in
// ordinary runs.
const char* ShotFolder();

// With a shot folder, the window shown, painted and then saved as it shows on
// the screen, as name + ".bmp" in that folder; otherwise nothing.
void Photograph(CWnd* window, const char* name);

// Pastes text into an edit control as a user does: the text put on the clipboard
// as Unicode text, the whole field selected, then WM_PASTE sent to the control.
// False when the clipboard could not be opened.
bool PasteIntoEdit(CWnd* edit, const wchar_t* text);
