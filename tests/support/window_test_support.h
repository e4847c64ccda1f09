// What every window test program needs: a message pump for the test's own
// thread, and every modal interaction that no test answers reported as a failure
// (linking window_test_support.cpp installs that for the whole program).
#pragma once

#include "message_pump.h"

class CString;
class CWnd;

// The window as it shows on the screen, saved as a bitmap file at path.
void SaveWindowPicture(CWnd* window, const CString& path);

// With ZIRERE_SHOTS set to a folder, the window as it shows on the screen is
// saved there as name + ".bmp" for a person to look at; otherwise nothing.
void Photograph(CWnd* window, const char* name);
