// The one precondition of every control wrapper method, kept in one place.
#pragma once

#include "windows_api.h"
#include "wnd.h"

// Sends message to the control's window; an object without a window answers
// failure (LB_ERR, CB_ERR, 0 ...) instead.
inline LRESULT SendToControl(const CWnd& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT failure = 0)
{
    return ::IsWindow(control.m_hWnd) ? control.SendMessage(message, wParam, lParam) : failure;
}
