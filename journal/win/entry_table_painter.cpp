#include "entry_table_painter.h"

#include "../../core/amount_format.h"
#include "../../core/column_text.h"
#include "../../core/win/form_painting.h"

#include <vector>

namespace {

const char* const kTableFont = "ＭＳ ゴシック";
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRuleColor = RGB(255, 0, 0);
const COLORREF kDescriptionColor = RGB(128, 128, 255);
const COLORREF kRemarkColor = RGB(128, 64, 192);

void DrawColumnLines(CDC* pDC, int left, int top, int bottom, const std::vector<int>& offsets)
{
    CPen pen(PS_SOLID, 1, kRuleColor);
    CPen* previous = pDC->SelectObject(&pen);
    for (int offset : offsets) {
        pDC->MoveTo(left + offset, top);
        pDC->LineTo(left + offset, bottom);
    }
    pDC->SelectObject(previous);
}

// The font, background mode and text colour of a drawing, put back when it ends.
class TableTextState {
public:
    TableTextState(CDC* pDC, int fontTenths) : m_dc(pDC)
    {
        m_font.CreatePointFont(fontTenths, kTableFont, pDC);
        m_previousFont = pDC->SelectObject(&m_font);
        m_previousMode = pDC->SetBkMode(TRANSPARENT);
        m_previousText = pDC->GetTextColor();
    }
    ~TableTextState()
    {
        m_dc->SetTextColor(m_previousText);
        m_dc->SetBkMode(m_previousMode);
        m_dc->SelectObject(m_previousFont);
    }
    TableTextState(const TableTextState&) = delete;
    TableTextState& operator=(const TableTextState&) = delete;

private:
    CDC* m_dc;
    CFont m_font;
    CFont* m_previousFont = nullptr;
    int m_previousMode = 0;
    COLORREF m_previousText = 0;
};

}  // namespace

void DrawRaisedFrame(CDC* pDC, int left, int top, int right, int bottom)
{
    CPen pen(PS_SOLID, 1, RGB(192, 192, 192));
    CPen* previous = pDC->SelectObject(&pen);
    pDC->MoveTo(left - 1, top - 1);
    pDC->LineTo(right, top - 1);
    pDC->LineTo(right, bottom);
    pDC->MoveTo(left - 1, bottom);
    pDC->LineTo(right, bottom);
    pDC->MoveTo(left - 1, top - 1);
    pDC->LineTo(left - 1, bottom);
    pDC->SelectObject(previous);
    CRect edge(left, top, right, bottom);
    pDC->DrawEdge(&edge, EDGE_RAISED, BF_RECT);
}

void EntryTablePainter::ComputeLayout(const EntryTablePlace& place)
{
    m_grid = EntryTableGeometryFor(place.frame, place.rightEdge);
    m_scroll = place.scroll;
}

void EntryTablePainter::FillPanelShifted(CDC* pDC, int left, int top, int right, int bottom, COLORREF color)
{
    FillPanel(pDC, left + m_scroll.x, top + m_scroll.y, right + m_scroll.x, bottom + m_scroll.y, color);
}

void EntryTablePainter::TextAt(CDC* pDC, int x, int row, const CString& text)
{
    pDC->TextOut(m_grid.left + x + m_scroll.x, m_grid.top + row * m_grid.rowHeight + m_grid.textDy + m_scroll.y, text);
}

void EntryTablePainter::DrawRule(CDC* pDC, int row)
{
    CPen pen(PS_SOLID, 1, kRuleColor);
    CPen* previous = pDC->SelectObject(&pen);
    const int y = m_grid.top + row * m_grid.rowHeight + m_scroll.y;
    pDC->MoveTo(m_grid.left + m_scroll.x, y);
    pDC->LineTo(m_grid.left + m_grid.lineX[4] + m_scroll.x, y);
    pDC->SelectObject(previous);
}

void EntryTablePainter::DrawColumns(CDC* pDC, int row)
{
    const int top = m_grid.top + row * m_grid.rowHeight + m_scroll.y;
    const auto& x = m_grid.lineX;
    DrawColumnLines(pDC, m_grid.left + m_scroll.x, top, top + m_grid.rowHeight, {0, 0, x[1], x[2], x[3], x[4]});
}

void EntryTablePainter::DrawRemarkColumns(CDC* pDC, int row)
{
    const int top = m_grid.top + row * m_grid.rowHeight + m_scroll.y;
    const auto& x = m_grid.lineX;
    DrawColumnLines(pDC, m_grid.left + m_scroll.x, top, top + m_grid.rowHeight, {0, x[1], x[2], x[4]});
}

// The heading row, the same for an entry and for the empty table.
void EntryTablePainter::DrawHeadingRow(CDC* pDC, int fontTenths)
{
    const auto& x = m_grid.textX;
    pDC->SetTextColor(kBlack);
    TextAt(pDC, x[0], 0, "日付");
    TextAt(pDC, x[1], 0, PadToWidth("<科目>", 16, kAlignCentre));
    pDC->SetTextColor(kDescriptionColor);
    TextAt(pDC, x[2] - 20, 0, PadToWidth("- - 摘要", 16, kAlignLeft));
    TextAt(pDC, x[3] + 20, 0, PadToWidth("摘要 - -", 16, kAlignRight));
    pDC->SetTextColor(kBlack);
    TextAt(pDC, x[4] + 20, 0, PadToWidth("<科目>", 16, kAlignCentre));
    TextAt(pDC, x[5] + fontTenths / 2, 0, PadToWidth("借方", 14, kAlignCentre));
    TextAt(pDC, x[6] + fontTenths / 2, 0, PadToWidth("貸方", 14, kAlignCentre));
}

void EntryTablePainter::DrawEmpty(CDC* pDC, const EntryTablePlace& place)
{
    ComputeLayout(place);
    const int L = m_grid.left;
    const int T = m_grid.top;
    const int H = m_grid.rowHeight;
    const int W = m_grid.width;
    {
        const TableTextState state(pDC, place.fontSize * 10);
        FillPanelShifted(pDC, L - 10, T - 10, L + W, T + 5 * H + 12, place.back);
        FillPanelShifted(pDC, L - 10, T - 10, L + W, T + 4 * H + 10, kWhite);
        DrawRule(pDC, 0);
        DrawColumns(pDC, 0);
        DrawHeadingRow(pDC, place.fontSize * 10);
        DrawRule(pDC, 1);
        DrawColumns(pDC, 1);
        for (int r = 0; r <= 3; ++r) {
            DrawRule(pDC, r);
            DrawColumns(pDC, r);
            DrawRule(pDC, r + 1);
        }
    }
    DrawRaisedFrame(pDC, L - 10 + m_scroll.x, T - 10 + m_scroll.y, L + W + m_scroll.x, T + 4 * H + 11 + m_scroll.y);
}

void EntryTablePainter::DrawEntry(CDC* pDC, const CMyObject2& entry, const EntryTablePlace& place)
{
    ComputeLayout(place);
    const int L = m_grid.left;
    const int T = m_grid.top;
    const int H = m_grid.rowHeight;
    const int W = m_grid.width;
    const int fontTenths = place.fontSize * 10;
    const auto& x = m_grid.textX;
    const EntryTableContent content = EntryTableContentOf(entry);
    const int M = static_cast<int>(content.rows.size());
    {
        const TableTextState state(pDC, fontTenths);
        FillPanelShifted(pDC, L - 11, T - 10, L + W + 1, T + 5 * H + 12, place.back);
        FillPanelShifted(pDC, L - 10, T - 10, L + W, T + 3 * H + 10, kWhite);
        DrawRule(pDC, 0);
        DrawColumns(pDC, 0);
        DrawHeadingRow(pDC, fontTenths);
        DrawRule(pDC, 1);
        DrawColumns(pDC, 1);

        pDC->SetTextColor(kBlack);
        TextAt(pDC, x[0], 1, entry.m_strDate.Mid(5, 5));

        if (content.causeRows == 3)
            FillPanelShifted(pDC, L - 10, T + 3 * H + 5, L + W, T + 4 * H + 10, kWhite);
        if (content.resultRows == 3 && content.causeRows < 3)
            FillPanelShifted(pDC, L - 10, T + 3 * H - 5, L + W, T + 4 * H + 10, kWhite);
        for (size_t k = 0; k < content.rows.size(); ++k) {
            const int row = static_cast<int>(k) + 1;
            const EntryTableRow& line = content.rows[k];
            if (k == 0 || !line.debit.account.IsEmpty()) {
                pDC->SetTextColor(kBlack);
                TextAt(pDC, x[1], row, "<" + line.debit.account + ">");
                pDC->SetTextColor(kDescriptionColor);
                TextAt(pDC, x[2], row, PadToWidth(line.debit.description, 16, kAlignLeft));
                pDC->SetTextColor(kBlack);
                TextAt(pDC, x[5], row, FormatAmount(line.debit.amount, m_nAmountWidth + 5));
            }
            if (k == 0 || !line.credit.account.IsEmpty()) {
                pDC->SetTextColor(kBlack);
                TextAt(pDC, x[4], row, PadToWidth("<" + line.credit.account + ">", 18, kAlignRight));
                pDC->SetTextColor(kDescriptionColor);
                TextAt(pDC, x[3], row, PadToWidth(line.credit.description, 16, kAlignRight));
                pDC->SetTextColor(kBlack);
                TextAt(pDC, x[6], row, FormatAmount(line.credit.amount, m_nAmountWidth + 5));
            }
        }

        const int R = M + 1;
        if (R > 2)
            FillPanelShifted(pDC, L - 10, T + R * H, L + W, T + (R + 1) * H + 10, kWhite);
        pDC->SetTextColor(kRemarkColor);
        TextAt(pDC, x[0], R, "備考");
        TextAt(pDC, x[1] + 10, R, PadToWidth(content.remark, 68, kAlignCentre));
        pDC->SetTextColor(kBlack);

        for (int r = 0; r <= M + 1; ++r) {
            DrawRule(pDC, r);
            if (r == M + 1)
                DrawRemarkColumns(pDC, r);
            else
                DrawColumns(pDC, r);
        }
        DrawRule(pDC, M + 2);
    }
    DrawRaisedFrame(pDC, L - 10 + m_scroll.x, T - 10 + m_scroll.y, L + W + m_scroll.x,
                    T + (M + 2) * H + 11 + m_scroll.y);
}
