#include "statement_cells.h"
#include "statement_pages.h"

namespace {

BoxCell Centred(const char* text, int width)
{
    return {FitCell(text, width, kFillCentre), width};
}

BoxCell Left(const CString& text, int width)
{
    return {FitCell(text, width, kFillLeft), width};
}

int RowKind(std::size_t index, std::size_t count)
{
    return index + 1 == count ? kLastRow : static_cast<int>(index + 1);
}

}  // namespace

std::vector<CString> StatementLines(int pageCode, const std::vector<KessanRow>& rows, int nameWidth, int amountWidth)
{
    const int n = nameWidth;
    const int w = amountWidth;
    BoxRowWriter writer;
    std::vector<CString> lines;
    auto add = [&](int kind, int indent, int split, const std::vector<BoxCell>& cells, int secondSplit = 0) {
        for (CString& line : writer.AddRow(kind, indent, split, cells, secondSplit))
            lines.push_back(std::move(line));
    };

    switch (pageCode) {
    case kPageTrialBalance:
        lines.push_back("    ");
        add(kFirstRow, 12, 0,
            {Centred("[借方残高]", w), Centred("[ 借  方 ]", w), Centred("[勘定科目]", n), Centred("[ 貸  方 ]", w),
             Centred("[貸方残高]", w)});
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const KessanRow& row = rows[i];
            add(RowKind(i, rows.size()), 12, 0,
                {{row[1], w}, {row[2], w}, Left(row[5], n), {row[3], w}, {row[4], w}});
        }
        break;
    case kPageProfitLoss: {
        // Three column groups in three boxes: broken after the second and the fourth
        // cell. The first break widens the line by one double-byte character, which
        // moves the second boundary two bytes to the right.
        const int split = n + w + 4;
        const int secondSplit = 2 * split + 2;
        lines.push_back("    ");
        add(kFirstRow, 3, split,
            {Centred("[ 科  目 ]", n), Centred("[ 決算額 ]", w), Centred("[ 科  目 ]", n), Centred("[ 決算額 ]", w),
             Centred("[ 科  目 ]", n), Centred("[ 決算額 ]", w)},
            secondSplit);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const KessanRow& row = rows[i];
            add(RowKind(i, rows.size()), 3, split,
                {Left(row[5], n), {row[1], w}, Left(row[6], n), {row[2], w}, Left(row[4], n), {row[3], w}},
                secondSplit);
        }
        break;
    }
    case kPageMonthly:
        for (int i = 0; i < 3; ++i)
            lines.push_back("    ");
        add(kFirstRow, 42, 0, {Centred("[  売上と仕入の月合計  ]", 2 * w + 16)});
        add(1, 42, 0, {Centred("月", 12), Centred("売上 金額", w), Centred("仕入 金額", w)});
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const KessanRow& row = rows[i];
            add(RowKind(i, rows.size()), 42, 0, {Left(row[5] + row[6], 12), {row[1], w}, {row[2], w}});
        }
        break;
    case kPageBalanceSheet: {
        const int split = n + 2 * w + 6;
        lines.push_back("    ");
        add(kFirstRow, 0, split, {Centred("[資  産 の 部]", n + 2 * w + 4), Centred("[負債資本の部]", n + 2 * w + 4)});
        add(1, 0, split,
            {Centred("[科目]", n), Centred("[期首]", w), Centred("[期末]", w), Centred("[科目]", n), Centred("[期首]", w),
             Centred("[期末]", w)});
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const KessanRow& row = rows[i];
            add(RowKind(i, rows.size()), 0, split,
                {Left(row[5], n), {row[1], w}, {row[2], w}, Left(row[6], n), {row[3], w}, {row[4], w}});
        }
        break;
    }
    default:
        break;
    }
    return lines;
}
