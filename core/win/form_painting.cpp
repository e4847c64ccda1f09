#include "form_painting.h"

#include "../../framework/win/dc.h"
#include "../../framework/win/gdi_objects.h"

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

void DrawSunkenFrame(CDC* pDC, int left, int top, int right, int bottom)
{
    DrawFrameLines(pDC, left - 1, top - 1, right, bottom, RGB(192, 192, 192), 1);
    CRect rect(left, top, right, bottom);
    pDC->DrawEdge(&rect, EDGE_RAISED, BF_RECT);
}

void WriteCentred(CDC* pDC, const CString& text, CRect rect, int tenthsOfPoint)
{
    CFont font;
    font.CreatePointFont(tenthsOfPoint, "ＭＳ ゴシック", pDC);
    CFont* old = pDC->SelectObject(&font);
    const int mode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(text, &rect, DT_CENTER | DT_SINGLELINE);
    pDC->SetBkMode(mode);
    pDC->SelectObject(old);
}
