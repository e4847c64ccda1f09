// Replacing the account dictionary with the nodes of a dictionary CSV file: the
// file is read into a separate array and checked before anything is replaced, so
// that a refused file leaves the dictionary as it was.
#pragma once

#include "../core/dictionary_csv.h"

#include <string>

// TRUE when the file's nodes form the dictionary's tree: they then replace the
// nodes (the old ones are deleted). FALSE with problem set, nodes untouched.
bool ReplaceDictionaryFromCsv(const std::string& bytes, DictionaryNodes& nodes, CsvProblem& problem);
