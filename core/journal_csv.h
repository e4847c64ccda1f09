// The journal's CSV forms. Two are written for a spreadsheet: the one-line form
// (a header, then one line of fifteen columns per entry, debit side first) and the
// three-line form (per entry a header, three account lines and a remark line, seven
// columns). One is read: the record form, one line of the twenty-two fields of an
// entry in record order. Lines end with CR LF; a field holding a comma, a double
// quote or a line break is quoted as spreadsheets quote it, every other field is
// written bare.
#pragma once

#include "csv_cells.h"
#include "journal_array.h"
#include "my_object2.h"

#include "../framework/arrays.h"

#include <memory>
#include <string>
#include <vector>

// What the forms export of a remark: the text in front of its first "[]" (the
// sales and purchases books keep the item breakdown behind it).
CString ExportedRemark(const CString& remark);

// The whole file of the journal in the one-line form (form 1) or the three-line
// form (any other value). An empty journal gives the header alone in the one-line
// form and nothing in the three-line form.
CString JournalCsvText(const JournalArray& journal, int form);

// One field of a bare record line: the text between the separators at from and
// to (exclusive of both; from is -1 for the first field, to the line's length for
// the last), white space trimmed on both sides, every "'" turned into ",".
CString RecordCsvField(const CString& line, int from, int to);

// Before a bare record line is split, a comma inside its first parenthesised part
// (not directly after the "(") is removed: the first such, and only when both
// parentheses stand after the start of the line.
CString RemoveParenthesisComma(const CString& line);

// The entries of a file in the record form, one per line (lines without any
// text between their separators skipped).
// Fields may be bare (the rules above) or quoted (taken literally). Lines may be
// short: missing fields are empty, and 0 for the two numbers. Each line is
// checked before anything is taken: at most 22 fields, a day of the calendar
// "yyyy/mm/dd" (calendar_date.h), amounts as the journal takes them
// (amount_check.h), a direction of -1, 0 or 1, a class code of up to seven digits,
// and then the entry as a whole by the checks of a commit (CheckStoredEntry).
// FALSE with problem set, and entries empty, for the first line that breaks a rule
// or for a file without any entry.
bool ReadRecordCsv(const std::string& bytes, std::vector<std::unique_ptr<CMyObject2>>& entries, CsvProblem& problem);
