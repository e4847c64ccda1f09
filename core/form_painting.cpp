#include "form_painting.h"

#include "../framework/win/dc.h"
#include "../framework/win/gdi_objects.h"

void FillPanel(CDC* pDC, int left, int top, int right, int bottom, COLORREF color)
{
    CBrush brush(color);
    const CRect rect(left, top, right, bottom);
    pDC->FillRect(&rect, &brush);
}

void DrawFrameLines(CDC* pDC, int left, int top, int right, int bottom, COLORREF color, int width)
{
    CPen pen(PS_SOLID, width, color);
    CPen* previous = pDC->SelectObject(&pen);
    pDC->MoveTo(left, top);
    pDC->LineTo(right, top);
    pDC->MoveTo(right, top);
    pDC->LineTo(right, bottom);
    pDC->MoveTo(left, bottom);
    pDC->LineTo(right, bottom);
    pDC->MoveTo(left, top);
    pDC->LineTo(left, bottom);
    pDC->SelectObject(previous);
}
