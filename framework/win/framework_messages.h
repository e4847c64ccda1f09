// Window messages private to the framework, in a range of the application's
// own messages that the program's code leaves alone (0xBF00 to 0xBFFF).
#pragma once

#include "windows_api.h"

// Sent by the frame to its views after the document is ready: the view runs OnInitialUpdate.
constexpr UINT WM_INITIALUPDATE = 0xBF00;
