#include "statement_cells.h"

#include "../core/amount_format.h"
#include "../core/column_text.h"

CString FitCell(const CString& text, int width, int fillMode)
{
    if (fillMode == kFillRule || fillMode == kFillSpaces) {
        CString filled;
        for (int i = 0; i < width / 2; ++i)
            filled += fillMode == kFillRule ? "─" : "　";
        return filled;
    }
    const int missing = width - text.GetLength();
    if (missing < 0) {
        CString cut = CutToBytes(text, width);
        if (cut.IsEmpty())
            return cut;
        if (cut.GetLength() == width - 1)
            cut += ".";
        return cut;
    }
    if (missing == 0)
        return text;
    switch (fillMode) {
    case kFillCentre: {
        CString side(' ', missing / 2);
        CString result = side + text + side;
        if (missing % 2)
            result += " ";
        return result;
    }
    case kFillRight: return CString(' ', missing) + text;
    case kFillLeft: return text + CString(' ', missing);
    default: return text;
    }
}

namespace {

CString AmountCellText(const CString& amount, int width, bool blankZero)
{
    if (amount.IsEmpty())
        return CString(' ', width);
    CString digits = amount;
    const bool negative = digits.Remove('-') > 0;
    CString fraction;
    const int point = digits.Find('.');
    if (point >= 0) {
        fraction = digits.Mid(point);
        digits = digits.Left(point);
    }
    CString text = InsertThousandsSeparators(digits, 5);
    text += point >= 0 ? fraction : CString("   ");
    if (negative)
        text = "-" + text;
    if (blankZero && text == "0   ")
        text = "    ";
    return FitAmountToWidth(text, width);
}

}  // namespace

CString FormatAmountCell(int blankZero, const CString& amount, int width)
{
    return AmountCellText(amount, width, blankZero == 1);
}

CString FormatAmountCellKeepZero(const CString& amount, int width)
{
    return AmountCellText(amount, width, false);
}

namespace {

// Replaces the two bytes at byte position pos of line by pair, when they are there.
void ReplaceAt(CString& line, int pos, const char* pair)
{
    if (pos <= 0 || pos + 2 > line.GetLength())
        return;
    line = line.Left(pos) + pair + line.Mid(pos + 2);
}

}  // namespace

std::vector<CString> BoxRowWriter::AddRow(int rowKind, int indent, int splitColumn, const std::vector<BoxCell>& cells,
                                          int secondSplit)
{
    std::vector<BoxCell> used;
    for (const BoxCell& cell : cells) {
        if (cell.width <= 0 || used.size() == 6)
            break;
        used.push_back(cell);
    }

    auto border = [&](const char* first, const char* inner, const char* last) {
        CString line = first;
        for (std::size_t i = 0; i < used.size(); ++i) {
            if (i > 0)
                line += inner;
            line += FitCell("", used[i].width, kFillRule);
        }
        return line + last;
    };
    CString text = "│";
    for (const BoxCell& cell : used)
        text += FitCell(cell.text, cell.width, kFillLeft) + "│";

    std::vector<CString> lines;
    struct Line {
        CString text;
        const char* split;
    };
    std::vector<Line> kinds;
    if (rowKind == kFirstRow) {
        kinds.push_back({border("┌", "┬", "┐"), "┐┌"});
    } else {
        CString separator = border("├", "┬", "┤");
        for (int boundary : m_boundaries) {
            if (boundary == 0)
                break;
            if (separator.Mid(boundary, 2) == "┬")
                ReplaceAt(separator, boundary, "┼");
        }
        kinds.push_back({separator, "┤├"});
    }
    kinds.push_back({text, "││"});
    if (rowKind == kLastRow)
        kinds.push_back({border("└", "┴", "┘"), "┘└"});

    const CString lead(' ', indent >= 0 ? indent + 1 : 1);
    for (Line& line : kinds) {
        if (splitColumn != 0)
            ReplaceAt(line.text, splitColumn, line.split);
        if (secondSplit != 0)
            ReplaceAt(line.text, secondSplit, line.split);
        lines.push_back(lead + line.text);
    }

    m_boundaries.fill(0);
    int position = 0;
    for (std::size_t k = 0; k + 1 < used.size() && k < m_boundaries.size(); ++k) {
        position += used[k].width + 2;
        m_boundaries[k] = position;
    }
    return lines;
}
