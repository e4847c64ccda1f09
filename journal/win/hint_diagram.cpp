// The input-hint dialog's diagram: frames around the dialog and the sentence, the
// tab of the explanation, the brackets of the connecting word, and the marks of
// the shown hit (the wedge from the class list, the brackets down to the
// descriptions and to the phrases, and the red frame of the field that holds the
// keyword). Every mark first paints over what an earlier hit left there.
#include "hint_dlg.h"

#include "../../framework/win/dc.h"
#include "../../resources/resource.h"

namespace {

const COLORREF kCyan = RGB(128, 255, 255);
const COLORREF kLightGrey = RGB(224, 224, 224);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);

const int kCauseAccountIds[] = {IDC_HINT_CAUSE1, IDC_HINT_CAUSE2, IDC_HINT_CAUSE3};
const int kResultAccountIds[] = {IDC_HINT_RESULT1, IDC_HINT_RESULT2, IDC_HINT_RESULT3};
const int kResultAmountIds[] = {IDC_HINT_RESULT_AMOUNT1, IDC_HINT_RESULT_AMOUNT2, IDC_HINT_RESULT_AMOUNT3};

}  // namespace

void CHintDlg::DrawFrame(CDC* pDC, int left, int top, int right, int bottom, COLORREF color, int width)
{
    DrawFrameLines(pDC, left, top, right, bottom, color, width);
}

void CHintDlg::DrawSentenceFrame(CDC* pDC)
{
    const CRect f = ControlRect(IDC_HINT_SENTENCE_GROUP);
    CPen pen(PS_SOLID, 3, kCyan);
    CPen* previous = pDC->SelectObject(&pen);
    pDC->MoveTo(f.left - 4, f.top);
    pDC->LineTo(f.right + 4, f.top);
    pDC->MoveTo(f.right + 4, f.top);
    pDC->LineTo(f.right + 4, f.bottom + 4);
    pDC->MoveTo(f.left - 4, f.bottom + 4);
    pDC->LineTo(f.right + 4, f.bottom + 4);
    pDC->MoveTo(f.left - 4, f.top);
    pDC->LineTo(f.left - 4, f.bottom + 4);
    pDC->SelectObject(previous);
}

void CHintDlg::DrawGradientFrame(CDC* pDC)
{
    const CRect o = ControlRect(IDC_HINT_OUTER_GROUP);
    // From the palest line inside to the strongest outside.
    for (int i = 1; i <= 12; ++i)
        DrawFrameLines(pDC, o.left - i, o.top - i + 6, o.right + i - 3, o.bottom + i - 2, RGB(254 - 16 * i, 255, 255), 1);
}

void CHintDlg::DrawExplanationTab(CDC* pDC)
{
    const CRect x = ControlRect(IDC_HINT_EXPLANATION);
    const CRect u = ControlRect(IDC_HINT_EXPLANATION_CAPTION);
    CRect text(x.left - 10, x.top - 6, x.right + 8, x.bottom + 6);
    pDC->DrawEdge(&text, EDGE_RAISED, BF_RECT);
    CRect label(u.left - 6, u.top - 6, u.right + 12, u.bottom + 6);
    pDC->DrawEdge(&label, EDGE_RAISED, BF_RECT);
    // Opens the two edges into one tab.
    FillPanel(pDC, u.right + 8, u.top - 4, u.right + 16, u.bottom + 4, kLightGrey);
}

void CHintDlg::DrawWordBrackets(CDC* pDC)
{
    const CRect w = ControlRect(IDC_HINT_CONNECT_WORD);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* previous = pDC->SelectObject(&pen);
    pDC->MoveTo(w.left + 3, w.top - 3);
    pDC->LineTo(w.right - 3, w.top - 3);
    pDC->MoveTo(w.left + 3, w.bottom + 3);
    pDC->LineTo(w.right - 3, w.bottom + 3);
    pDC->SelectObject(previous);
}

void CHintDlg::DrawHitMarks(CDC* pDC, int c)
{
    const int cr = CauseRowOfHit(c);
    const int rr = ResultRowOfHit(c);

    // The wedge from the class list to the cause account whose class it shows.
    const CRect k = ControlRect(IDC_HINT_CLASS);
    const CRect a = ControlRect(kCauseAccountIds[cr - 1]);
    FillPanel(pDC, k.right + 2, k.top, a.left - 1, k.bottom, kLightGrey);
    const CPoint wedge[] = {{k.right + 3, k.top}, {a.left - 2, a.top}, {a.left - 2, a.bottom}, {k.right + 3, k.bottom}};
    pDC->Polygon(wedge, 4);

    CPen blue(PS_SOLID, 1, kBlue);
    CPen* previous = pDC->SelectObject(&blue);
    const CRect d1 = ControlRect(IDC_HINT_DESC1_LABEL);
    pDC->MoveTo(a.left - 5, a.bottom - 8);
    pDC->LineTo(a.left - 1, a.bottom - 8);
    pDC->MoveTo(a.left - 5, a.bottom - 8);
    pDC->LineTo(d1.left - 5, d1.top + 6);
    pDC->MoveTo(d1.left - 5, d1.top + 6);
    pDC->LineTo(d1.left - 1, d1.top + 6);

    auto frame = [&](int id) {
        const CRect r = ControlRect(id);
        DrawFrame(pDC, r.left - 1, r.top - 1, r.right + 1, r.bottom + 1, HitFrameIsRed(id, c) ? kRed : kLightGrey, 1);
    };
    for (int id : {IDC_HINT_EXPLANATION, IDC_HINT_CAUSE1, IDC_HINT_CAUSE2, IDC_HINT_CAUSE3, IDC_HINT_DESC1})
        frame(id);

    const CRect r1 = ControlRect(IDC_HINT_RESULT1);
    const CRect d2 = ControlRect(IDC_HINT_DESC2_LABEL);
    FillPanel(pDC, r1.left - 5, r1.top + 11, d2.left - 1, d2.top + 8, kLightGrey);
    const CRect q = ControlRect(kResultAccountIds[rr - 1]);
    pDC->MoveTo(q.left - 5, q.bottom - 8);
    pDC->LineTo(q.left - 1, q.bottom - 8);
    pDC->MoveTo(q.left - 5, q.bottom - 8);
    pDC->LineTo(d2.left - 5, d2.top + 6);
    pDC->MoveTo(d2.left - 5, d2.top + 6);
    pDC->LineTo(d2.left - 1, d2.top + 6);
    pDC->SelectObject(previous);

    // The bracket from the result amounts to the phrases, pointing at the shown row.
    const CRect m1 = ControlRect(IDC_HINT_RESULT_AMOUNT1);
    const CRect m3 = ControlRect(IDC_HINT_RESULT_AMOUNT3);
    const CRect p = ControlRect(IDC_HINT_PHRASE1);
    const CRect mr = ControlRect(kResultAmountIds[rr - 1]);
    const int x0 = m1.right;
    const int y0 = m1.top - 6;
    const int x1 = p.right + 12;
    const int y1 = m3.bottom + 6;
    FillPanel(pDC, x0, y0 - 3, x1 + 4, y0 + 3, kLightGrey);
    FillPanel(pDC, x1 - 4, y0 - 3, x1 + 4, y1 + 3, kLightGrey);
    FillPanel(pDC, x0, y1 - 3, x1 + 4, y1 + 3, kLightGrey);
    FillPanel(pDC, x0, y0 - 3, x0 + 16, y1 + 3, kLightGrey);
    const CPoint bracket[] = {{mr.right, mr.top - 9}, {mr.right + 12, mr.top - 9}, {x0 + 12, y0 - 3}, {x1, y0 - 3},
                              {x1, y1},                {x0 + 12, y1},             {mr.right + 12, mr.bottom + 6},
                              {mr.right, mr.bottom + 6}};
    pDC->Polyline(bracket, 8);

    for (int id : {IDC_HINT_RESULT1, IDC_HINT_RESULT2, IDC_HINT_RESULT3, IDC_HINT_DESC2, IDC_HINT_REMARK})
        frame(id);
}

void CHintDlg::RedrawHitMarks(int nFieldCode)
{
    if (!m_hWnd)
        return;
    CClientDC dc(this);
    DrawHitMarks(&dc, nFieldCode);
}
