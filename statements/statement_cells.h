// The box-drawn text lines of the statement pages and the cells in them. Every
// width is counted in Shift-JIS bytes; the lines line up in a fixed-pitch font in
// which a double-byte character is as wide as two single-byte ones.
#pragma once

#include "../framework/cstring.h"

#include <array>
#include <vector>

// Fill modes of FitCell.
constexpr int kFillLeft = -1;
constexpr int kFillRight = 1;
constexpr int kFillRule = 2;     // a rule of "─"
constexpr int kFillCentre = 3;
constexpr int kFillSpaces = 5;   // a run of full-width blanks

// text fitted to width bytes: padded with blanks (left, right or centred), cut on a
// character boundary with a "." mark when one byte short, or a rule or run of
// full-width blanks of width / 2 characters.
CString FitCell(const CString& text, int width, int fillMode);

// An amount text as an amount cell of width bytes: thousands separators, three
// blanks after a whole amount, right-aligned. With blankZero a plain "0" becomes
// blanks. A text too wide for its cell is cut as FitAmountToWidth cuts it: "#" (or
// "-#" for a negative amount) and its last bytes, so that no cut amount passes for
// a smaller number and a negative one keeps its sign.
CString FormatAmountCell(int blankZero, const CString& amount, int width);
// The same without the zero rule.
CString FormatAmountCellKeepZero(const CString& amount, int width);

// Row kinds of BoxRowWriter::AddRow.
constexpr int kFirstRow = 0;
constexpr int kLastRow = -1;

struct BoxCell {
    CString text;
    int width;
};

// Turns table rows into lines: the text line of each row with the border or
// separator above it (and the bottom border after the last row). It keeps the
// column boundaries of the row written last so that a separator shows "┼" where
// the boundaries of two rows meet.
class BoxRowWriter {
public:
    // rowKind 0: top border and text line; above 0: separator and text line; -1:
    // separator, text line and bottom border. Each line starts with indent + 1
    // blanks. Each cell's text is fitted to its own width first, so a text of
    // another length never moves the cells after it. splitColumn and then, when not
    // 0, secondSplit (a position in the line already broken once) break the lines
    // into separate boxes: each break replaces one boundary character by two.
    std::vector<CString> AddRow(int rowKind, int indent, int splitColumn, const std::vector<BoxCell>& cells,
                                int secondSplit = 0);

private:
    std::array<int, 8> m_boundaries{};
};
