// The painting the forms and dialogs share: solid panels and rectangular frames
// of coloured lines, in the context's own coordinates.
#pragma once

#include "../../framework/cstring.h"
#include "../../framework/geometry.h"
#include "../../framework/win/windows_api.h"

class CDC;

// Fills the rectangle from (left, top) to (right, bottom) with a solid colour.
void FillPanel(CDC* pDC, int left, int top, int right, int bottom, COLORREF color);

// The four sides of the rectangle, each drawn as its own line with a solid pen.
void DrawFrameLines(CDC* pDC, int left, int top, int right, int bottom, COLORREF color, int width);

// The frame of a painted title box or panel: a grey outline one pixel outside
// the rectangle, then a raised three-dimensional edge on it.
void DrawSunkenFrame(CDC* pDC, int left, int top, int right, int bottom);

// One line of text centred in the rectangle, in "ＭＳ ゴシック" at the size given in
// tenths of a point, on a transparent background.
void WriteCentred(CDC* pDC, const CString& text, CRect rect, int tenthsOfPoint);
