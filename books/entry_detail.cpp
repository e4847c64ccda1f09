#include "entry_detail.h"

#include "../core/amount_format.h"
#include "../core/class_code.h"
#include "../core/connect_words.h"
#include "../core/sentence_words.h"

CString BookDigits(const CMyObject2& entry)
{
    CString digits;
    for (const auto& [name, digit] : {std::pair<const char*, char>{"現金", '3'}, {"売上", '5'}, {"仕入", '6'}})
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot)
            if (SlotAccount(entry, slot) == name)
                digits += digit;
    if (ExpenseRowOf(entry).slot != 0)
        digits += '4';
    return digits;
}

ExpenseRow ExpenseRowOf(const CMyObject2& entry)
{
    ExpenseRow row;
    const ClassCode code = DecodeClassCode(entry.m_nClassCode);
    for (int wanted : {3, 2}) {
        for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
            if (code.rowClass[slot - kFirstSlot] == wanted) {
                row.slot = slot;
                row.account = SlotAccount(entry, slot);
                row.description = SlotDescription(entry, slot);
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
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        detail.accounts[slot - kFirstSlot] = SlotAccount(entry, slot);
        detail.amounts[slot - kFirstSlot] = FormatAmount(SlotAmount(entry, slot), 0);
    }
    detail.causeDescription = entry.m_strCauseDesc1;
    detail.resultDescription = entry.m_strResultDesc1;

    detail.accountRow = previousRow;
    for (int slot = kFirstSlot; slot <= kLastSlot; ++slot) {
        if (SlotAccount(entry, slot) != account)
            continue;
        detail.accountRow = slot;
        if (slot == 3 || slot == 4)
            detail.causeDescription = SlotDescription(entry, slot);
        else if (slot == 6 || slot == 7)
            detail.resultDescription = SlotDescription(entry, slot);
    }

    if (!filter.IsEmpty()) {
        if (detail.accountRow < 5 && (filter == entry.m_strCauseDesc1 || filter == entry.m_strCauseDesc2 ||
                                      filter == entry.m_strCauseDesc3))
            detail.filterSide = 1;
        if (detail.accountRow > 4 && (filter == entry.m_strResultDesc1 || filter == entry.m_strResultDesc2 ||
                                      filter == entry.m_strResultDesc3))
            detail.filterSide = 2;
    }

    if (const ClassCode code = DecodeClassCode(entry.m_nClassCode); code.known) {
        const int causeRow = detail.accountRow == 3 ? 1 : detail.accountRow == 4 ? 2 : 0;
        detail.classSelection = code.rowClass[causeRow] - 1;
        detail.connectIndex = code.connectChoice;
    }

    detail.resultAccount = detail.accountRow == 6   ? entry.m_strResult2
                           : detail.accountRow == 7 ? entry.m_strResult3
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
