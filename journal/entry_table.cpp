#include "entry_table.h"

#include "../core/remark_items.h"

#include <algorithm>

EntryTableGeometry EntryTableGeometryFor(const CRect& group, int rightEdge)
{
    auto c = [rightEdge](int k) { return rightEdge * k / 999; };
    const int width = group.right - group.left;
    const int height = group.bottom - group.top;
    EntryTableGeometry g{};
    g.left = group.left + width / 36;
    g.top = group.top + height / 5;
    g.rowHeight = height * 2 / 15;
    g.lineX = {0, c(80), c(590), c(760), c(930)};
    g.width = c(940);
    g.textX = {c(30), c(100), c(220), c(334), c(454), c(594), c(764)};
    g.textDy = height / 32;
    return g;
}

namespace {

struct SideRows {
    std::array<EntryTableCell, 3> cells;
    int count;
};

SideRows Side(const CString& a1, const CString& a2, const CString& a3, const CString& d1, const CString& d2,
              const CString& d3, const CString& m1, const CString& m2, const CString& m3)
{
    SideRows side{{EntryTableCell{a1, d1, m1}, EntryTableCell{a2, d2, m2}, EntryTableCell{a3, d3, m3}}, 1};
    if (!a3.IsEmpty())
        side.count = 3;
    else if (!a2.IsEmpty())
        side.count = 2;
    // A row past the first whose account is empty shows nothing on this side.
    for (int k = 1; k < 3; ++k)
        if (side.cells[static_cast<size_t>(k)].account.IsEmpty())
            side.cells[static_cast<size_t>(k)] = EntryTableCell{};
    return side;
}

}  // namespace

EntryTableContent EntryTableContentOf(const CMyObject2& e)
{
    const SideRows cause = Side(e.m_strCause1, e.m_strCause2, e.m_strCause3, e.m_strCauseDesc1, e.m_strCauseDesc2,
                                e.m_strCauseDesc3, e.m_strCauseAmount1, e.m_strCauseAmount2, e.m_strCauseAmount3);
    const SideRows result =
        Side(e.m_strResult1, e.m_strResult2, e.m_strResult3, e.m_strResultDesc1, e.m_strResultDesc2,
             e.m_strResultDesc3, e.m_strResultAmount1, e.m_strResultAmount2, e.m_strResultAmount3);
    const bool causeIsDebit = e.CauseIsDebit();
    const SideRows& debit = causeIsDebit ? cause : result;
    const SideRows& credit = causeIsDebit ? result : cause;

    EntryTableContent content;
    content.causeRows = cause.count;
    content.resultRows = result.count;
    const int rows = std::max(cause.count, result.count);
    for (int k = 0; k < rows; ++k) {
        EntryTableRow row;
        if (k < debit.count)
            row.debit = debit.cells[static_cast<size_t>(k)];
        if (k < credit.count)
            row.credit = credit.cells[static_cast<size_t>(k)];
        content.rows.push_back(row);
    }
    content.remark = RemarkText(e.m_strRemark);
    return content;
}
