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
#include <charconv>
#include <string>
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

int DateSortKey(const CString& date)
{
    return atoi(date.Mid(2, 2)) * 10000 + atoi(date.Mid(5, 2)) * 100 + atoi(date.Mid(8, 2));
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
