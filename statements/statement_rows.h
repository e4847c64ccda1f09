// The rows of a statement page: six text cells each, which every page uses in its
// own way (two labels and four amount cells, see the pages). The table places rows
// by position and moves the rows of fixed labels to fixed places.
#pragma once

#include "../framework/cstring.h"

#include <array>
#include <vector>

struct KessanRow {
    // Cells 1 to 6 at indexes 0 to 5: cells 1 to 4 amounts, 5 and 6 labels.
    std::array<CString, 6> cell;
    CString& operator[](int number) { return cell[static_cast<std::size_t>(number - 1)]; }
    const CString& operator[](int number) const { return cell[static_cast<std::size_t>(number - 1)]; }
};

// Positions of StatementTable::AddRow.
constexpr int kAppend = -1;
constexpr int kBeforeLastTwo = -2;
constexpr int kBeforeLastFive = -3;
constexpr int kCentredFirst = -4;

class StatementTable {
public:
    // cellMode 1: a zero amount is shown blank; 0: as "0". amountWidth: bytes of an amount cell.
    StatementTable(int cellMode, int amountWidth) : m_cellMode(cellMode), m_amountWidth(amountWidth) {}

    // position -1 appends a row (cells 1-4 the formatted amounts, 5 label1, 6 label2);
    // 0 or more sets cells 3, 4 and 6 of that row; -2 and -3 insert before the last
    // two or five rows (at the front when there are fewer); -4 inserts at the front
    // with the amount texts centred as they are. A position outside the rows, or
    // below -4, changes nothing.
    void AddRow(int position, const CString& label1, const CString& amount1, const CString& amount2,
                const CString& label2, const CString& amount3, const CString& amount4);

    // Puts the row of label1 (the whole row) or the second half of the row of label2
    // (cells 3, 4, 6) at index position, or last for -1; a label no row carries gets
    // a row or half row of blank amounts there.
    void PlaceRow(int position, const CString& label1, const CString& label2);

    // The blank amount cell.
    CString BlankAmount() const;
    CString Amount(const CString& amount) const;

    std::vector<KessanRow>& Rows() { return m_rows; }
    const std::vector<KessanRow>& Rows() const { return m_rows; }
    int Count() const { return static_cast<int>(m_rows.size()); }
    int AmountWidth() const { return m_amountWidth; }

private:
    KessanRow MakeRow(const CString& label1, const CString& amount1, const CString& amount2, const CString& label2,
                      const CString& amount3, const CString& amount4) const;
    void PlaceFirstHalf(int target, const CString& label);
    void PlaceSecondHalf(int target, const CString& label);

    int m_cellMode;
    int m_amountWidth;
    std::vector<KessanRow> m_rows;
};
