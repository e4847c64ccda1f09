// Conversions between the framework's points, sizes and rectangles and the
// system's POINT, SIZE and RECT, for code that calls the system directly.
#pragma once

#include "../geometry.h"

#include "windows_api.h"

inline POINT ToWin32(const CPoint& p) { return POINT{p.x, p.y}; }
inline SIZE ToWin32(const CSize& s) { return SIZE{s.cx, s.cy}; }
inline RECT ToWin32(const CRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

inline CPoint FromWin32(const POINT& p) { return CPoint(p.x, p.y); }
inline CSize FromWin32(const SIZE& s) { return CSize(s.cx, s.cy); }
inline CRect FromWin32(const RECT& r) { return CRect(r.left, r.top, r.right, r.bottom); }
