#include "window_fit.h"

#include "font_size.h"

#include "../journal/screen_layout.h"

#include <cstdlib>

namespace {

// A length in dialog units as the dialog manager turns it into pixels: rounded
// to the nearest pixel.
int DialogUnitsToPixels(int units, int base, int per)
{
    return static_cast<int>((static_cast<long long>(units) * base * 2 + per) / (2 * per));
}

}  // namespace

CSize JournalTableEdges(const FormUnits& units)
{
    const auto [left, top, width, height] = kJournalTableGroup;
    return CSize(DialogUnitsToPixels(left, units.baseX, 4) + DialogUnitsToPixels(width, units.baseX, 4),
                 DialogUnitsToPixels(top, units.baseY, 8) + DialogUnitsToPixels(height, units.baseY, 8));
}

CSize MainWindowSize(int dpi, const FormUnits& units)
{
    const CSize edges = JournalTableEdges(units);
    const CRect table(0, 0, edges.cx, edges.cy);
    const WindowPlacement placement = MainWindowPlacement(dpi, 0, 0, table);
    return CSize(placement.width, placement.height);
}

CString FittingFontSize(const CString& upperBound, int dpi, const CSize& workArea,
                        const std::function<FormUnits(int size)>& unitsOf)
{
    const int bound = std::atoi(upperBound);
    CString fitting = kFallbackFontSize;
    for (const char* size : kFontSizes) {
        const int points = std::atoi(size);
        if (points > bound)
            break;
        const CSize window = MainWindowSize(dpi, unitsOf(points));
        if (window.cx <= workArea.cx && window.cy <= workArea.cy)
            fitting = size;
    }
    return fitting;
}
