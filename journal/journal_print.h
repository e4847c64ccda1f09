// Draws a planned page of the printed journal onto a printing context (a
// printer's, or the page the preview and the tests record), in tenths of a
// millimetre with "ＭＳ 明朝" in black and rules of 0.1 mm.
#pragma once

#include "journal_print_plan.h"

class CDC;

void DrawJournalPrintPage(CDC* pDC, const PrintPagePlan& plan);
