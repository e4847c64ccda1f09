// Draws a page plan onto a device context: a printer's, the print preview's page
// or a test's metafile. The page is drawn in MM_LOMETRIC (the plan's tenths of a
// millimetre) in black "ＭＳ 明朝", rules first and the texts over them; the
// context's state is as before when it returns.
#pragma once

#include "../page_plan.h"

class CDC;

void DrawPagePlan(CDC* pDC, const PagePlan& plan);
