#include "page_plan_drawer.h"

#include "dc.h"
#include "gdi_objects.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {

const char* const kPrintedFace = "ＭＳ 明朝";

// A text too wide for its room, drawn in the same font with narrower characters
// so that it ends within the room: every figure is printed whole in its place.
void DrawNarrowed(CDC* pDC, const CFont& font, const PlannedText& text)
{
    LOGFONTA logFont{};
    font.GetLogFont(&logFont);
    TEXTMETRICA metrics{};
    pDC->GetTextMetrics(&metrics);
    const int extent = pDC->GetTextExtent(text.text).cx;
    // A little narrower than the exact ratio: the face rounds its widths.
    logFont.lfWidth = std::max<LONG>(1, ::MulDiv(metrics.tmAveCharWidth, text.fitWidth * 95 / 100, extent));
    CFont narrow;
    narrow.CreateFontIndirect(&logFont);
    CFont* previous = pDC->SelectObject(&narrow);
    pDC->TextOut(text.x, text.y, text.text);
    pDC->SelectObject(previous);
}

}  // namespace

void DrawPagePlan(CDC* pDC, const PagePlan& plan)
{
    const int saved = pDC->SaveDC();
    pDC->SetMapMode(MM_LOMETRIC);
    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(0, 0, 0));

    CPen solid;
    CPen dotted;
    solid.CreatePen(PS_SOLID, plan.ruleWidth, RGB(0, 0, 0));
    dotted.CreatePen(PS_DOT, plan.ruleWidth, RGB(0, 0, 0));
    for (const PlannedRule& rule : plan.rules) {
        pDC->SelectObject(rule.dotted ? &dotted : &solid);
        pDC->MoveTo(rule.x1, rule.y1);
        pDC->LineTo(rule.x2, rule.y2);
    }

    // One font a point size, made when a text first needs it.
    std::map<int, std::unique_ptr<CFont>> fonts;
    int selectedSize = 0;
    for (const PlannedText& text : plan.texts) {
        std::unique_ptr<CFont>& font = fonts[text.pointTenths];
        if (!font) {
            font = std::make_unique<CFont>();
            font->CreatePointFont(text.pointTenths, kPrintedFace, pDC);
        }
        if (selectedSize != text.pointTenths) {
            pDC->SelectObject(font.get());
            selectedSize = text.pointTenths;
        }
        if (text.centred) {
            CRect band(text.x, text.y, text.right, text.bottom);
            pDC->DrawText(text.text, &band, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        } else if (text.fitWidth > 0 && pDC->GetTextExtent(text.text).cx > text.fitWidth) {
            DrawNarrowed(pDC, *font, text);
        } else {
            pDC->TextOut(text.x, text.y, text.text);
        }
    }
    // The context's own objects are selected again before the pens and fonts made here are deleted.
    pDC->RestoreDC(saved);
}
