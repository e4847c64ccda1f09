#include "statement_rows.h"

#include "statement_cells.h"

CString StatementTable::Amount(const CString& amount) const
{
    return FormatAmountCell(m_cellMode == 1 ? 1 : 0, amount, m_amountWidth);
}

CString StatementTable::BlankAmount() const
{
    return FormatAmountCell(1, "0", m_amountWidth);
}

KessanRow StatementTable::MakeRow(const CString& label1, const CString& amount1, const CString& amount2,
                                  const CString& label2, const CString& amount3, const CString& amount4) const
{
    KessanRow row;
    row[1] = Amount(amount1);
    row[2] = Amount(amount2);
    row[3] = Amount(amount3);
    row[4] = Amount(amount4);
    row[5] = label1;
    row[6] = label2;
    return row;
}

void StatementTable::AddRow(int position, const CString& label1, const CString& amount1, const CString& amount2,
                            const CString& label2, const CString& amount3, const CString& amount4)
{
    const int count = Count();
    if (position >= 0) {
        if (position >= count)
            return;
        KessanRow& row = m_rows[static_cast<std::size_t>(position)];
        row[3] = Amount(amount3);
        row[4] = Amount(amount4);
        row[6] = label2;
        return;
    }
    switch (position) {
    case kAppend:
        m_rows.push_back(MakeRow(label1, amount1, amount2, label2, amount3, amount4));
        break;
    case kBeforeLastTwo:
    case kBeforeLastFive: {
        const int back = position == kBeforeLastTwo ? 2 : 5;
        const int at = count >= back ? count - back : 0;
        m_rows.insert(m_rows.begin() + at, MakeRow(label1, amount1, amount2, label2, amount3, amount4));
        break;
    }
    case kCentredFirst: {
        KessanRow row;
        row[1] = FitCell(amount1, m_amountWidth, kFillCentre);
        row[2] = FitCell(amount2, m_amountWidth, kFillCentre);
        row[3] = FitCell(amount3, m_amountWidth, kFillCentre);
        row[4] = FitCell(amount4, m_amountWidth, kFillCentre);
        row[5] = label1;
        row[6] = label2;
        m_rows.insert(m_rows.begin(), row);
        break;
    }
    default:
        break;
    }
}

void StatementTable::PlaceRow(int position, const CString& label1, const CString& label2)
{
    const int target = position == kAppend ? Count() - 1 : position;
    if (!label1.IsEmpty())
        PlaceFirstHalf(position == kAppend ? kAppend : target, label1);
    else if (!label2.IsEmpty())
        PlaceSecondHalf(target, label2);
}

void StatementTable::PlaceFirstHalf(int target, const CString& label)
{
    // target is an index, or kAppend for "move or add to the end".
    const int count = Count();
    if (target > count || target < kAppend)
        return;
    int found = -1;
    for (int i = 0; i < count; ++i) {
        if (m_rows[static_cast<std::size_t>(i)][5] == label) {
            if (i == target || (target == kAppend && i == count - 1))
                return;
            found = i;
        }
    }
    if (found >= 0) {
        KessanRow moved = m_rows[static_cast<std::size_t>(found)];
        m_rows.erase(m_rows.begin() + found);
        // The moved row goes where the target index points after the removal, which
        // keeps the rule that a row moved down by insertion ends at target - 1.
        if (target == kAppend)
            m_rows.push_back(moved);
        else
            m_rows.insert(m_rows.begin() + (found < target ? target - 1 : target), moved);
        return;
    }
    KessanRow added;
    added[1] = added[2] = added[3] = added[4] = BlankAmount();
    added[5] = label;
    if (target == kAppend || target == count)
        m_rows.push_back(added);
    else
        m_rows.insert(m_rows.begin() + target, added);
}

void StatementTable::PlaceSecondHalf(int target, const CString& label)
{
    const int count = Count();
    if (target < 0 || target >= count)
        return;
    auto row = [&](int i) -> KessanRow& { return m_rows[static_cast<std::size_t>(i)]; };
    int found = -1;
    int firstEmpty = -1;
    for (int i = 0; i < count; ++i) {
        if (row(i)[6] == label) {
            if (i == target)
                return;
            found = i;
        }
        if (firstEmpty < 0 && row(i)[6].IsEmpty())
            firstEmpty = i;
    }
    if (firstEmpty < 0)
        firstEmpty = 0;
    if (found >= 0 && row(target)[6].IsEmpty()) {
        const KessanRow kept = row(found);
        for (int j = found; j + 1 < count; ++j) {
            if (row(j + 1)[6].IsEmpty()) {
                row(j)[3] = row(j)[4] = BlankAmount();
                row(j)[6] = "";
                break;
            }
            row(j)[3] = row(j + 1)[3];
            row(j)[4] = row(j + 1)[4];
            row(j)[6] = row(j + 1)[6];
        }
        row(target)[3] = kept[3];
        row(target)[4] = kept[4];
        row(target)[6] = kept[6];
        return;
    }
    if (found >= 0) {
        std::swap(row(found)[3], row(target)[3]);
        std::swap(row(found)[4], row(target)[4]);
        std::swap(row(found)[6], row(target)[6]);
        return;
    }
    for (int j = firstEmpty - 1; j >= target; --j) {
        if (j + 1 >= count)
            continue;
        row(j + 1)[3] = row(j)[3];
        row(j + 1)[4] = row(j)[4];
        row(j + 1)[6] = row(j)[6];
    }
    row(target)[3] = row(target)[4] = BlankAmount();
    row(target)[6] = label;
}
