// The painting the forms and dialogs share: solid panels and rectangular frames
// of coloured lines, in the context's own coordinates.
#pragma once

#include "../framework/win/windows_api.h"

class CDC;

// Fills the rectangle from (left, top) to (right, bottom) with a solid colour.
void FillPanel(CDC* pDC, int left, int top, int right, int bottom, COLORREF color);

// The four sides of the rectangle, each drawn as its own line with a solid pen.
void DrawFrameLines(CDC* pDC, int left, int top, int right, int bottom, COLORREF color, int width);
