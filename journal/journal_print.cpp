#include "journal_print.h"

#include "../framework/win/dc.h"
#include "../framework/win/gdi_objects.h"

#include <map>
#include <memory>

void DrawJournalPrintPage(CDC* pDC, const PrintPagePlan& plan)
{
    pDC->SetMapMode(MM_LOMETRIC);
    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));

    CPen solid;
    CPen dotted;
    solid.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    dotted.CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    CPen* previousPen = pDC->SelectObject(&solid);
    for (const PlannedRule& rule : plan.rules) {
        pDC->SelectObject(rule.dotted ? &dotted : &solid);
        pDC->MoveTo(rule.x1, rule.y1);
        pDC->LineTo(rule.x2, rule.y2);
    }
    pDC->SelectObject(previousPen);

    std::map<PlannedFont, std::unique_ptr<CFont>> fonts;
    CFont* previousFont = nullptr;
    for (const PlannedText& text : plan.texts) {
        std::unique_ptr<CFont>& font = fonts[text.font];
        if (!font) {
            font = std::make_unique<CFont>();
            font->CreatePointFont(PointSizeTenths(text.font), "ＭＳ 明朝", pDC);
        }
        CFont* selected = pDC->SelectObject(font.get());
        if (!previousFont)
            previousFont = selected;
        if (text.centred) {
            CRect band(text.x, text.y, text.right, text.bottom);
            pDC->DrawText(text.text, &band, DT_CENTER);
        } else {
            pDC->TextOut(text.x, text.y, text.text);
        }
    }
    if (previousFont)
        pDC->SelectObject(previousFont);
}
