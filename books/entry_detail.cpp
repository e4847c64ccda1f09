#include "entry_detail.h"

#include "../core/amount_format.h"
#include "../core/class_code.h"
#include "../core/connect_words.h"
#include "../core/sentence_words.h"

CString BookDigits(const CMyObject2& entry)
{
    CString digits;
    for (const auto& [name, digit] : {std::pair<const char*, char>{"現金", '3'}, {"売上", '5'}, {"仕入", '6'}})
        for (int entryRow = 0; entryRow < kEntryRows; ++entryRow)
            if (RowAccount(entry, entryRow) == name)
                digits += digit;
    if (ExpenseRowOf(entry).entryRow >= 0)
        digits += '4';
    return digits;
}

ExpenseRow ExpenseRowOf(const CMyObject2& entry)
{
    ExpenseRow row;
    const ClassCode code = DecodeClassCode(entry.m_nClassCode);
    for (int wanted : {3, 2}) {
        for (int entryRow = 0; entryRow < kEntryRows; ++entryRow) {
            if (code.rowClass[entryRow] == wanted) {
                row.entryRow = entryRow;
                row.account = RowAccount(entry, entryRow);
                row.description = RowDescription(entry, entryRow);
                return row;
            }
        }
    }
    return row;
}

EntryDetail DescribeEntry(const CMyObject2& entry, const CString& account, const CString& filter, int previousRow)
{
    EntryDetail detail;
    detail.date = " " + entry.m_strDate;
    for (int entryRow = 0; entryRow < kEntryRows; ++entryRow) {
        detail.accounts[entryRow] = RowAccount(entry, entryRow);
        detail.amounts[entryRow] = FormatAmount(RowAmount(entry, entryRow), 0);
    }
    detail.causeDescription = entry.m_strCauseDesc1;
    detail.resultDescription = entry.m_strResultDesc1;

    detail.accountRow = previousRow;
    for (int entryRow = 0; entryRow < kEntryRows; ++entryRow) {
        if (RowAccount(entry, entryRow) != account)
            continue;
        detail.accountRow = entryRow;
        if (entryRow == 1 || entryRow == 2)
            detail.causeDescription = RowDescription(entry, entryRow);
        else if (entryRow == 4 || entryRow == 5)
            detail.resultDescription = RowDescription(entry, entryRow);
    }

    if (!filter.IsEmpty()) {
        if (detail.accountRow < 3 && (filter == entry.m_strCauseDesc1 || filter == entry.m_strCauseDesc2 ||
                                      filter == entry.m_strCauseDesc3))
            detail.filterSide = 1;
        if (detail.accountRow >= 3 && (filter == entry.m_strResultDesc1 || filter == entry.m_strResultDesc2 ||
                                      filter == entry.m_strResultDesc3))
            detail.filterSide = 2;
    }

    if (const ClassCode code = DecodeClassCode(entry.m_nClassCode); code.known) {
        const int causeRow = detail.accountRow == 1 || detail.accountRow == 2 ? detail.accountRow : 0;
        detail.classSelection = code.rowClass[causeRow] - 1;
        detail.connectIndex = code.connectChoice;
    }

    detail.resultAccount = detail.accountRow == 4   ? entry.m_strResult2
                           : detail.accountRow == 5 ? entry.m_strResult3
                                                    : entry.m_strResult1;
    detail.remark = RemarkText(entry.m_strRemark);
    detail.firstPhrase = entry.m_nDirection == 1;
    return detail;
}

PanelWords LookupPanelWords(const Dictionary& dictionary, const CString& causeAccount, const CString& resultAccount,
                            int connectIndex)
{
    PanelWords words;
    words.increasePhrase = "で受取り";
    words.decreasePhrase = "で支払い";
    const int size = dictionary.GetSize();
    int firstResult = size;
    int resultCount = 0;
    if (size > 8 && dictionary.GetAt(8)) {
        firstResult = dictionary.GetAt(8)->m_nFirstChild;
        resultCount = dictionary.GetAt(8)->m_nChildCount;
    }
    if (firstResult <= 8 || firstResult > size)
        firstResult = size, resultCount = 0;
    for (int node = firstResult; node < firstResult + resultCount && node < size; ++node) {
        const CKiso* kiso = dictionary.GetAt(node);
        if (kiso && kiso->m_strName == resultAccount) {
            words.increasePhrase = kiso->m_strWord1;
            words.decreasePhrase = kiso->m_strWord2;
            break;
        }
    }
    for (int node = 9; node < firstResult; ++node) {
        const CKiso* kiso = dictionary.GetAt(node);
        if (!kiso || kiso->m_strName != causeAccount)
            continue;
        words.causeFound = true;
        words.candidates = ConnectWordCandidates(causeAccount);
        words.connectWord = ConnectChoiceText(connectIndex, kiso->m_strWord1, kiso->m_strWord2, words.candidates);
        break;
    }
    AgreeParticles(words.connectWord, words.increasePhrase, words.decreasePhrase);
    return words;
}
