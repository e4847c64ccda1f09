// Points, sizes and rectangles in device or logical units, with the operations
// the windows and the drawing code use. Rectangles follow the system's convention:
// the right and bottom edges are outside the rectangle, and a rectangle whose
// width or height is not positive is empty.
#pragma once

#include "win_types.h"

class CSize;

// A position: x to the right, y downwards (upwards in the metric mapping modes).
class CPoint {
public:
    CPoint() = default;
    CPoint(LONG initX, LONG initY) : x(initX), y(initY) {}

    void Offset(LONG dx, LONG dy) { x += dx; y += dy; }
    void SetPoint(LONG newX, LONG newY) { x = newX; y = newY; }

    CPoint& operator+=(const CPoint& p) { Offset(p.x, p.y); return *this; }
    CPoint& operator-=(const CPoint& p) { Offset(-p.x, -p.y); return *this; }
    inline CPoint& operator+=(const CSize& s);
    inline CPoint& operator-=(const CSize& s);
    CPoint operator-() const { return CPoint(-x, -y); }

    LONG x = 0;
    LONG y = 0;
};

// An extent: a width cx and a height cy, or the difference of two points.
class CSize {
public:
    CSize() = default;
    CSize(LONG initCX, LONG initCY) : cx(initCX), cy(initCY) {}

    void SetSize(LONG newCX, LONG newCY) { cx = newCX; cy = newCY; }

    CSize& operator+=(const CSize& s) { cx += s.cx; cy += s.cy; return *this; }
    CSize& operator-=(const CSize& s) { cx -= s.cx; cy -= s.cy; return *this; }
    CSize operator-() const { return CSize(-cx, -cy); }

    LONG cx = 0;
    LONG cy = 0;
};

inline CPoint& CPoint::operator+=(const CSize& s) { Offset(s.cx, s.cy); return *this; }
inline CPoint& CPoint::operator-=(const CSize& s) { Offset(-s.cx, -s.cy); return *this; }

inline bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(const CPoint& a, const CPoint& b) { return !(a == b); }
inline CPoint operator+(CPoint a, const CPoint& b) { return a += b; }
inline CPoint operator+(CPoint a, const CSize& b) { return a += b; }
inline CPoint operator-(CPoint a, const CSize& b) { return a -= b; }
// The distance from b to a.
inline CSize operator-(const CPoint& a, const CPoint& b) { return CSize(a.x - b.x, a.y - b.y); }

inline bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
inline bool operator!=(const CSize& a, const CSize& b) { return !(a == b); }
inline CSize operator+(CSize a, const CSize& b) { return a += b; }
inline CSize operator-(CSize a, const CSize& b) { return a -= b; }

// A rectangle from (left, top) inclusive to (right, bottom) exclusive.
class CRect {
public:
    CRect() = default;
    CRect(LONG l, LONG t, LONG r, LONG b) : left(l), top(t), right(r), bottom(b) {}
    CRect(const CPoint& topLeft, const CSize& size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy) {}
    CRect(const CPoint& topLeft, const CPoint& bottomRight)
        : left(topLeft.x), top(topLeft.y), right(bottomRight.x), bottom(bottomRight.y) {}

    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    // Empty: no area (width or height not positive). Null: all four edges zero.
    BOOL IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(const CPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    BOOL EqualRect(const CRect& r) const
    {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }

    void SetRect(LONG l, LONG t, LONG r, LONG b) { left = l; top = t; right = r; bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(const CRect& r) { *this = r; }

    void OffsetRect(LONG dx, LONG dy) { left += dx; right += dx; top += dy; bottom += dy; }
    void OffsetRect(const CPoint& p) { OffsetRect(p.x, p.y); }
    void OffsetRect(const CSize& s) { OffsetRect(s.cx, s.cy); }
    // Moves the rectangle so that its top-left corner is at (x, y), keeping its size.
    void MoveToXY(LONG x, LONG y) { OffsetRect(x - left, y - top); }

    // Grows each side outwards by the given amounts (negative amounts shrink it).
    void InflateRect(LONG dx, LONG dy) { InflateRect(dx, dy, dx, dy); }
    void InflateRect(const CSize& s) { InflateRect(s.cx, s.cy); }
    void InflateRect(LONG l, LONG t, LONG r, LONG b) { left -= l; top -= t; right += r; bottom += b; }
    void DeflateRect(LONG dx, LONG dy) { InflateRect(-dx, -dy); }
    void DeflateRect(const CSize& s) { InflateRect(-s.cx, -s.cy); }
    void DeflateRect(LONG l, LONG t, LONG r, LONG b) { InflateRect(-l, -t, -r, -b); }

    // Swaps the edges where needed so that left <= right and top <= bottom.
    void NormalizeRect()
    {
        if (left > right) { LONG t = left; left = right; right = t; }
        if (top > bottom) { LONG t = top; top = bottom; bottom = t; }
    }

    // The common part of a and b; when they share no area the result is the
    // null rectangle and the answer FALSE.
    BOOL IntersectRect(const CRect& a, const CRect& b)
    {
        CRect common(a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                     a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom);
        if (a.IsRectEmpty() || b.IsRectEmpty() || common.IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        *this = common;
        return TRUE;
    }

    // The smallest rectangle holding a and b; an empty one does not count. When
    // both are empty the result is the null rectangle and the answer FALSE.
    BOOL UnionRect(const CRect& a, const CRect& b)
    {
        if (a.IsRectEmpty() && b.IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        if (a.IsRectEmpty()) { *this = b; return TRUE; }
        if (b.IsRectEmpty()) { *this = a; return TRUE; }
        SetRect(a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom);
        return TRUE;
    }

    CRect& operator+=(const CPoint& p) { OffsetRect(p); return *this; }
    CRect& operator+=(const CSize& s) { OffsetRect(s); return *this; }
    CRect& operator-=(const CPoint& p) { OffsetRect(-p.x, -p.y); return *this; }
    CRect& operator-=(const CSize& s) { OffsetRect(-s.cx, -s.cy); return *this; }
    CRect& operator&=(const CRect& r) { IntersectRect(*this, r); return *this; }
    CRect& operator|=(const CRect& r) { UnionRect(*this, r); return *this; }

    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

inline bool operator==(const CRect& a, const CRect& b) { return a.EqualRect(b) != FALSE; }
inline bool operator!=(const CRect& a, const CRect& b) { return !(a == b); }
inline CRect operator+(CRect r, const CPoint& p) { return r += p; }
inline CRect operator+(CRect r, const CSize& s) { return r += s; }
inline CRect operator-(CRect r, const CPoint& p) { return r -= p; }
inline CRect operator-(CRect r, const CSize& s) { return r -= s; }
inline CRect operator&(CRect a, const CRect& b) { return a &= b; }
inline CRect operator|(CRect a, const CRect& b) { return a |= b; }
