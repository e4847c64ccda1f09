// The screen layout that the first journal view of a run computes once for every
// view: the row height of the lists, the main window's place and size, and the
// eleven layout words from which every form view paints its book tab and frame.
#pragma once

#include "../framework/geometry.h"

#include <array>

// Row height of the lists: the build's font size × 2 at the screen's pixels per inch.
int ListRowHeight(int fontSize, int dpi);

// Item heights derived from the row height h.
struct ItemHeights {
    int transactionList;  // h
    int classList;        // h − h / 6
    int comboItems;       // h − h / 5
};
ItemHeights ItemHeightsFor(int rowHeight);

// The main window's place and size: wide and high enough for the table group box
// (its right and bottom edge in the view's client coordinates), centred on a
// screen of width × height pixels with 30 pixels kept free below, never off the
// top-left corner.
struct WindowPlacement {
    int x;
    int y;
    int width;
    int height;
};
WindowPlacement MainWindowPlacement(int dpi, int screenWidth, int screenHeight, const CRect& tableGroup);

// The eleven layout words from the book button 1010 and the group boxes 1093 and
// 1095 in the view's client coordinates.
std::array<int, 11> LayoutWords(int dpi, const CRect& firstBookButton, const CRect& entryGroup,
                                const CRect& tableGroup);
