// <windows.h> (and the common controls' notification codes) for the framework
// and the program. Every system call names its W function explicitly, so the
// A/W switching macro LoadString is taken away: it would rename
// CString::LoadString in some files and not in others.
#pragma once

#include <windows.h>

#include <commctrl.h>

#undef LoadString

// The controls are Unicode windows, so of the notifications that come in two
// forms they send the W one; the generic names mean that form here, so that a
// message-map entry for TVN_SELCHANGED meets what the tree view sends.
#undef TVN_SELCHANGING
#define TVN_SELCHANGING TVN_SELCHANGINGW
#undef TVN_SELCHANGED
#define TVN_SELCHANGED TVN_SELCHANGEDW
#undef TVN_GETDISPINFO
#define TVN_GETDISPINFO TVN_GETDISPINFOW
#undef TVN_SETDISPINFO
#define TVN_SETDISPINFO TVN_SETDISPINFOW
#undef TVN_ITEMEXPANDING
#define TVN_ITEMEXPANDING TVN_ITEMEXPANDINGW
#undef TVN_ITEMEXPANDED
#define TVN_ITEMEXPANDED TVN_ITEMEXPANDEDW
#undef TVN_BEGINDRAG
#define TVN_BEGINDRAG TVN_BEGINDRAGW
#undef TVN_DELETEITEM
#define TVN_DELETEITEM TVN_DELETEITEMW
#undef TVN_BEGINLABELEDIT
#define TVN_BEGINLABELEDIT TVN_BEGINLABELEDITW
#undef TVN_ENDLABELEDIT
#define TVN_ENDLABELEDIT TVN_ENDLABELEDITW
#undef LVN_BEGINLABELEDIT
#define LVN_BEGINLABELEDIT LVN_BEGINLABELEDITW
#undef LVN_ENDLABELEDIT
#define LVN_ENDLABELEDIT LVN_ENDLABELEDITW
#undef LVN_GETDISPINFO
#define LVN_GETDISPINFO LVN_GETDISPINFOW
#undef LVN_SETDISPINFO
#define LVN_SETDISPINFO LVN_SETDISPINFOW
#undef TTN_GETDISPINFO
#define TTN_GETDISPINFO TTN_GETDISPINFOW
#undef TTN_NEEDTEXT
#define TTN_NEEDTEXT TTN_NEEDTEXTW
#undef DTN_FORMAT
#define DTN_FORMAT DTN_FORMATW
#undef DTN_FORMATQUERY
#define DTN_FORMATQUERY DTN_FORMATQUERYW
#undef DTN_USERSTRING
#define DTN_USERSTRING DTN_USERSTRINGW
#undef DTN_WMKEYDOWN
#define DTN_WMKEYDOWN DTN_WMKEYDOWNW
