// The handful of Windows scalar types the portable code uses, defined so that
// they agree exactly with <windows.h> on the cross build and exist on the host.
#pragma once

#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int UINT;
#ifdef _WIN32
typedef long LONG;
typedef unsigned long DWORD;
#else
typedef std::int32_t LONG;
typedef std::uint32_t DWORD;
#endif
typedef const char* LPCTSTR;
typedef char* LPTSTR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef char TCHAR;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
