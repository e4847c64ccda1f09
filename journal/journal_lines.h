// The journal list's lines and the computations behind the list: one fixed-width
// line per journal entry, the class code taken apart, the book words that showing
// an entry leaves in the document, and the sort of the journal by date.
#pragma once

#include "entry_lists.h"

#include "../core/class_code.h"

#include <array>
#include <string>
#include <unordered_map>

// Formats the lines of one dictionary: the account lookups are made once, so that
// a list of many entries costs one dictionary walk in all.
class JournalLineFormatter {
public:
    explicit JournalLineFormatter(const Dictionary& dictionary);

    // The line of entry with connecting-word choice connectIndex. When the first
    // cause account stands on the class side, word1 and word2 (when given)
    // receive its two connecting words.
    CString Line(const CMyObject2& entry, int connectIndex, CString* word1 = nullptr, CString* word2 = nullptr) const;

private:
    // The increase/decrease phrase of a result account's word after the connecting
    // word, made once per pair: a year repeats few of them.
    const CString& ResultPhrase(const CString& connectWord, const CString& word) const;

    const Dictionary& m_dictionary;
    std::unordered_map<std::string, int> m_causeNodes;   // first class-side node of a name
    std::unordered_map<std::string, int> m_resultNodes;  // first result-branch node of a name
    mutable std::unordered_map<std::string, CString> m_resultPhrases;  // connecting word, 0x01, word
};

// The increase/decrease phrase as the line shows it: a word of 15 bytes or more
// is its first 14 bytes (full-width blanks made two blanks, trailing blanks
// removed), one blank and the rest.
CString ShortenedPhrase(const CString& word);

// The phrase made to agree with the connecting word on its first particle.
CString AgreedPhrase(const CString& connectWord, const CString& phrase);

// The book words of a shown entry: the book codes ("3" per 現金, "5" per 売上, "6"
// per 仕入, "4" when it has an expense account) and the expense account.
struct EntryBookWords {
    CString bookCodes;
    CString expenseAccount;
};
EntryBookWords BookWordsOf(const CMyObject2& entry);

// The key the date sort orders by: the year's last two digits, month and day.
int DateSortKey(const CString& date);

// Sorts the journal by ascending date key, keeping the order of equal keys.
void SortJournalByDate(JournalArray& journal);
