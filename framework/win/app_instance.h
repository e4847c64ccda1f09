// The module whose resources (dialog templates, menus, strings) the framework
// loads: the program's own executable unless set otherwise.
#pragma once

#include "windows_api.h"

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);

// Makes CString::LoadString read the string table of the resource module
// (LoadStringW, converted to code page 932). CWinApp does it at construction.
void AfxInstallStringLoader();
