// Journal entries written one per line, as the sources of the hint examples and
// of the sample journal hold them:
//   head | cause rows | connecting word | result rows | phrase | remark
// head: the date (yyyy/mm/dd) in the sample journal; in the hint examples the
//       first line of the explanation, whose further lines follow indented.
// rows: up to three, separated by ";", each "account amount [description]";
//       amounts are whole yen without separators.
// connecting word: the choice 0 to 5 (the account's two words, then its four
//       candidate phrases).
// phrase: 1 for the first increase/decrease phrase (the result rows are the
//       debit side), 0 for the second (the cause rows are the debit side).
// remark: free text, then optionally the item breakdown of the sales and
//       purchases books, each item "[]name/quantity/unit/unit price/currency".
// The class code is made from the classes the dictionary gives the accounts.
#pragma once

#include "dictionary_source.h"
#include "source_lines.h"

#include "core/my_object2.h"

#include <memory>
#include <vector>

enum class EntrySourceKind { hintExamples, journal };

// Throws SourceError for a line that breaks the format or names an account that
// the dictionary does not hold (result accounts also in its result branch).
std::vector<std::unique_ptr<CMyObject2>> ParseEntries(const std::vector<SourceLine>& lines, EntrySourceKind kind,
                                                      const DictionarySource& dictionary);
