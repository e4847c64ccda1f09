// The dialog base units of the main program's forms at one font size, measured
// on the screen as the dialog manager measures a form's font.
#pragma once

#include "window_fit.h"

// The forms' font ("ＭＳ ゴシック", Shift-JIS) at pointSize for a screen of dpi
// pixels per inch: the average width of the letters A to Z and a to z and the
// height of a line.
FormUnits MeasureFormUnits(int pointSize, int dpi);

// The screen's work area: the screen less the task bar and other docked bars.
CSize ScreenWorkArea();
