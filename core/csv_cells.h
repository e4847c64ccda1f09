// What the program's CSV readers and writers share: fields quoted as spreadsheets
// quote them (the field in double quotes, a quote inside it doubled), only when a
// field holds a comma, a double quote or a line break, so that every other field
// is written bare; the split of a file into lines, where a line break inside a
// quoted field belongs to the field; and the problem a reader reports, naming the
// line and the field that was wrong.
#pragma once

#include "../framework/cstring.h"

#include <string>
#include <vector>

// The whole file at path as bytes (shared for reading). Throws CFileException.
std::string ReadCsvFile(const CString& path);

// Whether the field must be quoted: it holds a comma, a double quote or a line break.
bool CsvNeedsQuotes(const CString& field);
// The field in double quotes with its quotes doubled.
CString CsvQuote(const CString& field);
// The field quoted when it needs quotes, else as it is.
CString CsvText(const CString& field);

// Why a file was refused: its line (counted from 1; 0 for the file as a whole),
// the field (counted from 1; 0 for the line as a whole) and what was wrong.
struct CsvProblem {
    int line = 0;
    int field = 0;
    CString fieldName;
    CString what;

    // "N行目の M番目の項目（名前）: what", or less where line or field is 0.
    CString Text() const;
};

// Whether the bytes are Shift-JIS text as the program writes it: no UTF-8
// byte-order mark, every two-byte character whole (a lead byte followed by a
// trail byte), no byte that Shift-JIS does not use, and not text that reads
// as UTF-8 characters of two or more bytes (a file an editor saved as UTF-8).
bool IsShiftJisText(const std::string& bytes);
// The problem of a file that is not Shift-JIS text.
CsvProblem NotShiftJisProblem();

// One line of a file: its text without the line end (line breaks inside quoted
// fields kept), and the number of the file line it starts on.
struct CsvLine {
    CString text;
    int number = 0;
    // Whether some field of the line starts with a double quote.
    bool quoted = false;
};

// The file's lines. A line ends with LF or CR LF outside quotes; the end of the
// file ends the last line (a file that ends with a line end has no empty line
// after it). FALSE with problem set when a quoted field is never closed or text
// follows its closing quote.
bool SplitCsvLines(const std::string& bytes, std::vector<CsvLine>& lines, CsvProblem& problem);

// One field of a line as the line holds it.
struct CsvCell {
    // A quoted field: its text with the quotes removed and doubled quotes made
    // single. A bare field: its bytes as they stand, blanks included.
    CString text;
    bool quoted = false;
};

// The fields of one line (as SplitCsvLines gave it). With maxCells above 0 the
// last field takes the rest of the line, commas included, unless it is quoted.
// FALSE with problem.field and problem.what set for a malformed quoted field.
bool SplitCsvCells(const CString& line, int maxCells, std::vector<CsvCell>& cells, CsvProblem& problem);
