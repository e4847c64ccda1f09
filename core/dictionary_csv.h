// The dictionary CSV file (*.sft): one line per node of the account dictionary in
// array order, five fields: first-child index, child count, name, word 1, word 2.
// A comma in a word travels as "'" and comes back as a comma. A name that holds a
// comma, a double quote or a line break, and a word that holds a double quote, a
// line break or a "'" of its own, is quoted as spreadsheets quote it (taken
// literally on reading), and so is a field with white space on the side the reader
// trims; every other field is written bare, so that a dictionary
// without such characters gives the plain five-field lines.
#pragma once

#include "csv_cells.h"
#include "dictionary_tree.h"

#include <string>

// The whole file, lines ending with CR LF.
CString DictionaryCsvText(const DictionaryNodes& nodes);

// Reads the file into nodes (which must be empty; the caller owns what is added).
// Bare fields are cleaned as the writer leaves them: the child count and word 1
// lose trailing white space, the name and word 2 leading white space, and a word's
// "'" becomes ","; the fifth field runs to the end of the line. FALSE with problem
// set, and nodes left empty, when a number is no number or the nodes do not form
// the dictionary's tree (IsDictionaryTree).
bool ReadDictionaryCsv(const std::string& bytes, DictionaryNodes& nodes, CsvProblem& problem);
