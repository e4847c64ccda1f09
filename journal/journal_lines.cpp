#include "journal_lines.h"

#include "../core/amount_sum.h"

#include "../core/sentence_words.h"
#include "../core/sjis_text.h"
#include "../core/entry_check.h"

#include "../core/amount_arithmetic.h"
#include "../core/amount_format.h"
#include "../core/column_text.h"
#include "../core/connect_words.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int kResultBranch = 8;
// Room for a whole list line with its other accounts, descriptions and remark.
constexpr size_t kLineBytes = 256;

std::string Key(const CString& text)
{
    return std::string(static_cast<LPCTSTR>(text), static_cast<size_t>(text.GetLength()));
}

// Appends text as PadToWidth writes it, without a padded copy when it fits.
void AppendPadded(std::string& line, const CString& text, int width, int align)
{
    const int missing = width - text.GetLength();
    if (missing < 0 || (align != kAlignLeft && align != kAlignRight)) {
        line += PadToWidth(text, width, align).view();
        return;
    }
    if (align == kAlignRight)
        line.append(static_cast<size_t>(missing), ' ');
    line += text.view();
    if (align == kAlignLeft)
        line.append(static_cast<size_t>(missing), ' ');
}

// The sum of the entry's cause amounts as AddSubAmounts writes it; the list adds
// these for every entry. Amounts of other forms than plain ones are added in the
// order the text arithmetic always added them.
CString CauseAmountSum(const CMyObject2& entry)
{
    AmountSum total;
    for (const CString* amount : {&entry.m_strCauseAmount1, &entry.m_strCauseAmount2, &entry.m_strCauseAmount3})
        total.Add(*amount);
    if (total.Exact())
        return total.Text();
    return AddSubAmounts(AddSubAmounts(entry.m_strCauseAmount1, entry.m_strCauseAmount2, 1), entry.m_strCauseAmount3,
                         1);
}

}  // namespace

JournalLineFormatter::JournalLineFormatter(const Dictionary& dictionary) : m_dictionary(dictionary)
{
    const int size = dictionary.GetSize();
    if (size <= kResultBranch)
        return;
    // The class side as the line reads it: from the first child of class 1 up to
    // the first child of the result branch.
    const int first = dictionary.GetAt(1)->m_nFirstChild;
    const int end = std::min(dictionary.GetAt(kResultBranch)->m_nFirstChild, size);
    for (int i = std::max(first, 1); first > 0 && i < end; ++i)
        m_causeNodes.emplace(Key(dictionary.GetAt(i)->m_strName), i);
    const CKiso* branch = dictionary.GetAt(kResultBranch);
    if (branch->m_nFirstChild > 0)
        for (int i = branch->m_nFirstChild; i < std::min(branch->m_nFirstChild + branch->m_nChildCount, size); ++i)
            m_resultNodes.emplace(Key(dictionary.GetAt(i)->m_strName), i);
}

CString ShortenedPhrase(const CString& word)
{
    if (word.GetLength() < 15)
        return word;
    const CString part = word.Left(14);
    CString head;
    for (int i = 0; i < part.GetLength();) {
        const CString one = FirstChar(part.Mid(i));
        head += one == "　" ? CString("  ") : one;
        i += one.GetLength();
    }
    head.TrimRight(' ');
    return head + " " + word.Mid(14);
}

CString AgreedPhrase(const CString& connectWord, const CString& phrase)
{
    // The "受" rule of the first phrase, then the "支" rule of the second, on one phrase.
    CString agreed = phrase;
    CString unused;
    AgreeParticles(connectWord, agreed, unused);
    unused.Empty();
    AgreeParticles(connectWord, unused, agreed);
    return agreed;
}

const CString& JournalLineFormatter::ResultPhrase(const CString& connectWord, const CString& word) const
{
    std::string key = Key(connectWord);
    key += '\x01';
    key += word.view();
    const auto known = m_resultPhrases.find(key);
    if (known != m_resultPhrases.end())
        return known->second;
    return m_resultPhrases.emplace(std::move(key), AgreedPhrase(connectWord, ShortenedPhrase(word))).first->second;
}

CString JournalLineFormatter::Line(const CMyObject2& entry, int connectIndex, CString* word1, CString* word2) const
{
    CString connectWord;
    const auto cause = m_causeNodes.find(Key(entry.m_strCause1));
    if (cause != m_causeNodes.end()) {
        const CKiso* node = m_dictionary.GetAt(cause->second);
        if (word1)
            *word1 = node->m_strWord1;
        if (word2)
            *word2 = node->m_strWord2;
        std::array<CString, 4> phrases;
        if (connectIndex >= 2 && connectIndex <= 5)
            phrases = ConnectWordCandidates(entry.m_strCause1);
        connectWord = ConnectChoiceText(connectIndex, node->m_strWord1, node->m_strWord2, phrases);
    }
    CString phrase;
    const auto result = m_resultNodes.find(Key(entry.m_strResult1));
    if (result != m_resultNodes.end()) {
        const CKiso* node = m_dictionary.GetAt(result->second);
        static const CString kNoWord;
        const CString& word =
            entry.m_nDirection == 1 ? node->m_strWord1 : (entry.m_nDirection == 0 ? node->m_strWord2 : kNoWord);
        phrase = ResultPhrase(connectWord, word);
    }

    std::string line;
    line.reserve(kLineBytes);
    line += ' ';
    line += entry.m_strDate.view();
    line += " |";
    AppendPadded(line, entry.m_strCause1, 16, kAlignRight);
    line += ' ';
    AppendPadded(line, connectWord, 10, kAlignLeft);
    line += ' ';
    AppendPadded(line, entry.m_strResult1, 16, kAlignRight);
    line += ' ';
    AppendPadded(line, phrase, 24, kAlignLeft);
    line += " |";
    line += FormatAmount(CauseAmountSum(entry), 20).str();
    line += "| ";

    for (const CString* other : {&entry.m_strCause2, &entry.m_strCause3, &entry.m_strResult2, &entry.m_strResult3})
        if (!other->IsEmpty()) {
            line += other->str();
            line += ' ';
        }
    CString descriptions;
    for (const CString* d : {&entry.m_strCauseDesc1, &entry.m_strCauseDesc2, &entry.m_strCauseDesc3})
        if (!d->IsEmpty())
            descriptions += *d + " ";
    for (const CString* d : {&entry.m_strResultDesc1, &entry.m_strResultDesc2, &entry.m_strResultDesc3})
        if (!d->IsEmpty() && FindWholeChars(descriptions, *d) < 0)
            descriptions += *d + " ";
    if (!descriptions.IsEmpty()) {
        line += ':';
        line += descriptions.view();
    }
    const CString remark = RemarkText(entry.m_strRemark);
    if (!remark.IsEmpty()) {
        line += ' ';
        line += remark.view();
    }
    return CString(line);
}

bool JournalLineFormatter::CauseWords(const CMyObject2& entry, CString& word1, CString& word2) const
{
    const auto cause = m_causeNodes.find(Key(entry.m_strCause1));
    if (cause == m_causeNodes.end())
        return false;
    const CKiso* node = m_dictionary.GetAt(cause->second);
    word1 = node->m_strWord1;
    word2 = node->m_strWord2;
    return true;
}

JournalListLines::JournalListLines(const JournalArray& journal, const Dictionary& dictionary)
    : m_journal(journal), m_dictionary(dictionary)
{
    m_entries.reserve(static_cast<size_t>(journal.GetSize()));
    int connectIndex = 0;
    for (int i = 0; i < journal.GetSize(); ++i) {
        const CMyObject2* entry = journal.GetAt(i);
        const ClassCode code = DecodeClassCode(entry->m_nClassCode);
        if (code.known) {
            m_lastCode = code;
            connectIndex = code.connectChoice;
        }
        m_entries.push_back({entry, connectIndex});
    }
    m_formatter = std::make_unique<JournalLineFormatter>(dictionary);
    m_formatterNodes = dictionary.GetSize();
    for (int i = journal.GetSize() - 1; i >= 0 && !m_wordsFound; --i)
        m_wordsFound = m_formatter->CauseWords(*journal.GetAt(i), m_word1, m_word2);
}

int JournalListLines::CurrentIndex(const CMyObject2* entry, int index) const
{
    if (index >= 0 && index < m_journal.GetSize() && m_journal.GetAt(index) == entry)
        return index;
    // Rows were inserted or deleted before it since: its place is looked for,
    // comparing addresses only.
    for (int i = 0; i < m_journal.GetSize(); ++i)
        if (m_journal.GetAt(i) == entry)
            return i;
    return -1;
}

CString JournalListLines::Text(int index) const
{
    if (index < 0 || index >= Count())
        return CString();
    const Shown& shown = m_entries[static_cast<size_t>(index)];
    const int current = CurrentIndex(shown.entry, index);
    if (current < 0)
        return CString();
    // Committing an entry may add accounts to the dictionary, which moves its nodes.
    if (m_dictionary.GetSize() != m_formatterNodes) {
        m_formatter = std::make_unique<JournalLineFormatter>(m_dictionary);
        m_formatterNodes = m_dictionary.GetSize();
    }
    return m_formatter->Line(*m_journal.GetAt(current), shown.connectIndex);
}

EntryBookWords BookWordsOf(const CMyObject2& entry)
{
    const std::array<const CString*, 6> accounts = {&entry.m_strCause1,  &entry.m_strCause2,  &entry.m_strCause3,
                                                    &entry.m_strResult1, &entry.m_strResult2, &entry.m_strResult3};
    EntryBookWords words;
    for (const auto& [name, code] : {std::pair{"現金", "3"}, std::pair{"売上", "5"}, std::pair{"仕入", "6"}})
        for (const CString* account : accounts)
            if (*account == name)
                words.bookCodes += code;
    const ClassCode code = DecodeClassCode(entry.m_nClassCode);
    for (int digit : {2, 3}) {
        const auto at = std::find(code.rowClass.begin(), code.rowClass.end(), digit);
        if (code.known && at != code.rowClass.end())
            words.expenseAccount = *accounts[static_cast<size_t>(at - code.rowClass.begin())];
    }
    if (!words.expenseAccount.IsEmpty())
        words.bookCodes += "4";
    return words;
}

namespace {

// The number atoi reads from the (up to) two bytes of date at first: blanks, a
// sign, then digits; 0 when there are none. Read in place: a year's sort reads
// sixty thousand of them.
int TwoByteNumber(std::string_view date, std::size_t first)
{
    if (first >= date.size())
        return 0;
    const std::string_view part = date.substr(first, 2);
    std::size_t i = 0;
    while (i < part.size() && std::isspace(static_cast<unsigned char>(part[i])))
        ++i;
    bool negative = false;
    if (i < part.size() && (part[i] == '+' || part[i] == '-'))
        negative = part[i++] == '-';
    int value = 0;
    for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i)
        value = value * 10 + (part[i] - '0');
    return negative ? -value : value;
}

}  // namespace

int DateSortKey(const CString& date)
{
    const std::string_view bytes = date.view();
    return TwoByteNumber(bytes, 2) * 10000 + TwoByteNumber(bytes, 5) * 100 + TwoByteNumber(bytes, 8);
}

void SortJournalByDate(JournalArray& journal)
{
    std::vector<std::pair<int, CMyObject2*>> keyed;
    keyed.reserve(static_cast<size_t>(journal.GetSize()));
    for (int i = 0; i < journal.GetSize(); ++i)
        keyed.emplace_back(DateSortKey(journal.GetAt(i)->m_strDate), journal.GetAt(i));
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        journal.SetAt(static_cast<int>(i), keyed[i].second);
}
