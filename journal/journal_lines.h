// The journal list's lines and the computations behind the list: one fixed-width
// line per journal entry, the class code taken apart, the book words that showing
// an entry leaves in the document, and the sort of the journal by date.
#pragma once

#include "entry_lists.h"

#include "../core/class_code.h"

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// Formats the lines of one dictionary: the account lookups are made once, so that
// a list of many entries costs one dictionary walk in all.
class JournalLineFormatter {
public:
    explicit JournalLineFormatter(const Dictionary& dictionary);

    // The line of entry with connecting-word choice connectIndex. When the first
    // cause account stands on the class side, word1 and word2 (when given)
    // receive its two connecting words.
    CString Line(const CMyObject2& entry, int connectIndex, CString* word1 = nullptr, CString* word2 = nullptr) const;
    // Whether the first cause account stands on the class side; word1 and word2
    // then receive its two connecting words.
    bool CauseWords(const CMyObject2& entry, CString& word1, CString& word2) const;

private:
    // The increase/decrease phrase of a result account's word after the connecting
    // word, made once per pair: a year repeats few of them.
    const CString& ResultPhrase(const CString& connectWord, const CString& word) const;

    const Dictionary& m_dictionary;
    std::unordered_map<std::string, int> m_causeNodes;   // first class-side node of a name
    std::unordered_map<std::string, int> m_resultNodes;  // first result-branch node of a name
    mutable std::unordered_map<std::string, CString> m_resultPhrases;  // connecting word, 0x01, word
};

// The journal list's lines, written when they are shown: what a rebuild of the
// list keeps is each entry with the connecting-word choice its line uses (an
// entry without class digits takes the choice of the nearest earlier one), and
// a line is formatted only when the list draws it or its text is asked for.
// The entries are looked up in the journal before they are read, so that a
// line whose entry left the journal is empty, never read from freed memory;
// the formatter is made again when the dictionary grew.
class JournalListLines {
public:
    JournalListLines(const JournalArray& journal, const Dictionary& dictionary);

    int Count() const { return static_cast<int>(m_entries.size()); }
    // The line of the entry that stood at index when the lines were taken; empty
    // when it is no longer in the journal.
    CString Text(int index) const;

    // What the last entries leave behind, as a rebuild that writes every line
    // leaves it: the class indexes and choice of the last entry with class
    // digits, and the connecting words of the last one whose first cause account
    // stands on the class side.
    const ClassCode& LastClassCode() const { return m_lastCode; }
    bool LastWordsFound() const { return m_wordsFound; }
    const CString& LastWord1() const { return m_word1; }
    const CString& LastWord2() const { return m_word2; }

private:
    struct Shown {
        const CMyObject2* entry;
        int connectIndex;
    };
    // Where entry stands in the journal now, starting with index; -1 when gone.
    int CurrentIndex(const CMyObject2* entry, int index) const;

    const JournalArray& m_journal;
    const Dictionary& m_dictionary;
    std::vector<Shown> m_entries;
    mutable std::unique_ptr<JournalLineFormatter> m_formatter;
    mutable int m_formatterNodes = 0;
    ClassCode m_lastCode;
    bool m_wordsFound = false;
    CString m_word1;
    CString m_word2;
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
