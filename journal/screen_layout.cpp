#include "screen_layout.h"

int ListRowHeight(int fontSize, int dpi)
{
    return fontSize * 2 * dpi / 96;
}

ItemHeights ItemHeightsFor(int rowHeight)
{
    return {rowHeight, rowHeight - rowHeight / 6, rowHeight - rowHeight / 5};
}

WindowPlacement MainWindowPlacement(int dpi, int screenWidth, int screenHeight, const CRect& tableGroup)
{
    WindowPlacement placement{};
    placement.width = dpi * 40 / 96 + tableGroup.right;
    placement.height = dpi * 90 / 96 + tableGroup.bottom;
    placement.x = screenWidth > placement.width ? (screenWidth - placement.width) / 2 : 0;
    placement.y = screenHeight > placement.height ? (screenHeight - placement.height - 30) / 2 : 0;
    if (placement.x < 0)
        placement.x = 0;
    if (placement.y < 0)
        placement.y = 0;
    return placement;
}

std::array<int, 11> LayoutWords(int dpi, const CRect& button, const CRect& entryGroup, const CRect& tableGroup)
{
    return {
        2 * button.left - button.right - 2,
        button.top,
        entryGroup.top - 4,
        button.right - button.left + 2,
        dpi * 4 / 96,
        entryGroup.left - 6,
        entryGroup.top - 8,
        tableGroup.right + 6,
        tableGroup.bottom + 8,
        tableGroup.right,
        tableGroup.bottom,
    };
}
