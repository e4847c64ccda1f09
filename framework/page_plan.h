// PagePlan: everything one printed page draws, worked out without a device: texts
// at their places in a point size of the printed face, and solid or dotted rules.
// Positions are in tenths of a millimetre from the printable area's top-left
// corner, y growing upwards, so every y on the page is negative. The plans of the
// journal, the books, the statements and the dictionary are all of this kind, and
// one drawer puts any of them onto a printer's, the preview's or a test's context.
#pragma once

#include "cstring.h"

#include <vector>

// A text of the page.
struct PlannedText {
    CString text;
    int x = 0;  // left edge; for a centred text the left of its band
    int y = 0;  // top
    int pointTenths = 0;
    // A centred text: centred between x and right, at the top of the band from y to bottom.
    bool centred = false;
    int right = 0;
    int bottom = 0;
    // When above 0, the room from x that the text keeps to: a wider text is drawn
    // in narrower characters of the same face, so that it is printed whole.
    int fitWidth = 0;
};

// A straight rule of the page.
struct PlannedRule {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool dotted = false;
};

struct PagePlan {
    std::vector<PlannedText> texts;
    std::vector<PlannedRule> rules;
    // The pen width of the rules in plan units; 0 the thinnest line the device draws.
    int ruleWidth = 1;

    // A text whose top-left corner is at (x, y).
    void AddText(int pointTenths, int x, int y, const CString& text);
    // A text that keeps within the room from x to limitX (none when limitX is not right of x).
    void AddFittedText(int pointTenths, int x, int y, const CString& text, int limitX);
    // A text centred between left and right, at the top of the band from top to bottom.
    void AddCentredText(int pointTenths, int left, int top, int right, int bottom, const CString& text);
    void AddRule(int x1, int y1, int x2, int y2, bool dotted = false);

    bool Empty() const { return texts.empty() && rules.empty(); }
};
