#include "page_plan.h"

void PagePlan::AddText(int pointTenths, int x, int y, const CString& text)
{
    PlannedText planned;
    planned.text = text;
    planned.x = x;
    planned.y = y;
    planned.pointTenths = pointTenths;
    texts.push_back(planned);
}

void PagePlan::AddFittedText(int pointTenths, int x, int y, const CString& text, int limitX)
{
    AddText(pointTenths, x, y, text);
    texts.back().fitWidth = limitX - x;
}

void PagePlan::AddCentredText(int pointTenths, int left, int top, int right, int bottom, const CString& text)
{
    AddText(pointTenths, left, top, text);
    PlannedText& centred = texts.back();
    centred.centred = true;
    centred.right = right;
    centred.bottom = bottom;
}

void PagePlan::AddRule(int x1, int y1, int x2, int y2, bool dotted)
{
    rules.push_back(PlannedRule{x1, y1, x2, y2, dotted});
}
