// Whether the main window fits the screen at a display font size: the forms are
// laid out in dialog units of their font, so the window's size in pixels follows
// from the font's dialog base units at the screen's pixels per inch.
#pragma once

#include "../framework/cstring.h"
#include "../framework/geometry.h"

#include <functional>

// The dialog base units of the forms' font at one size: the average width of a
// letter and the height of a line, in pixels. A dialog unit across is a quarter
// of the first, a dialog unit down an eighth of the second.
struct FormUnits {
    int baseX = 0;
    int baseY = 0;
};

// The journal form's debit/credit table group (left, top, width, height in
// dialog units): the main window is made wide and high enough for it.
inline constexpr int kJournalTableGroup[4] = {8, 289, 660, 102};

// Its right and bottom edge in the form's pixels, as the dialog manager places
// it: the origin and the size are each turned into pixels.
CSize JournalTableEdges(const FormUnits& units);

// The main window's width and height at dpi for forms of these base units.
CSize MainWindowSize(int dpi, const FormUnits& units);

// The largest of the sizes up to upperBound whose main window fits into
// workArea in both directions; the smallest size when none does. unitsOf
// measures the forms' font at a size (9, 10, 11, 12 or 14).
CString FittingFontSize(const CString& upperBound, int dpi, const CSize& workArea,
                        const std::function<FormUnits(int size)>& unitsOf);
