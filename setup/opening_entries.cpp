#include "opening_entries.h"

#include "aid_amounts.h"

#include "../core/amount_check.h"
#include "../core/amount_format.h"

const char* const kTotalRowDesc = "合計";
const char* const kRemainderRowDesc = "未設定の合計";

namespace {

bool WritesBalance(const CKishuZandakaItem& row)
{
    return row.m_nStatus == CKishuZandakaItem::kNew || row.m_nStatus == CKishuZandakaItem::kChanged ||
           row.m_nStatus == CKishuZandakaItem::kFromPrevYear;
}

void DeleteEntryAt(JournalArray& journal, int index)
{
    delete journal[index];
    journal.RemoveAt(index);
}

}  // namespace

CMyObject2* NewOpeningEntry(const CKishuZandakaItem& row, const CString& year)
{
    const CString balance = NormalizeAmount(row.m_strBalance);
    auto* entry = new CMyObject2;
    entry->m_strDate = year + "/01/01";
    entry->m_strCause1 = row.m_strAccount;
    entry->m_strResult1 = kCapitalAccount;
    entry->m_strCauseAmount1 = balance;
    entry->m_strResultAmount1 = balance;
    entry->m_strCauseAmount2 = entry->m_strCauseAmount3 = "0";
    entry->m_strResultAmount2 = entry->m_strResultAmount3 = "0";
    if (row.m_strDesc != kRemainderRowDesc && row.m_strDesc != kTotalRowDesc)
        entry->m_strCauseDesc1 = row.m_strDesc;
    entry->m_nDirection = row.m_nKind == 4 ? 1 : 0;
    // A capital account keeps its own class digit 7, as in every other entry that
    // names it, so that the statements file it under one class only.
    const int classDigit = row.m_nClassDigit != 0 ? row.m_nClassDigit : row.m_nKind;
    entry->m_nClassCode = classDigit * 1000000 + 7000;
    return entry;
}

OpeningOutcome ApplyOpeningBalances(JournalArray& journal, const BalanceRows& rows, const CString& year,
                                    int currentEntry)
{
    OpeningOutcome outcome;
    outcome.currentEntry = currentEntry;

    // Nothing changes unless every balance to be written is an amount, and every
    // changed row still points at an entry of the journal.
    for (int r = 0; r < rows.GetSize(); ++r) {
        const CKishuZandakaItem* row = rows[r];
        if (!WritesBalance(*row))
            continue;
        outcome.refusal = AmountRefusal(row->m_strBalance, OpeningBalanceFieldName(row->m_strAccount), kJournalAmount);
        if (outcome.refusal.IsEmpty() && row->m_strBalance.IsEmpty())
            outcome.refusal = "[ " + row->m_strAccount + " ] の期首残高が空です。";
        if (outcome.refusal.IsEmpty() && row->m_nStatus == CKishuZandakaItem::kChanged &&
            (row->m_nEntry < 0 || row->m_nEntry >= journal.GetSize()))
            outcome.refusal = "[ " + row->m_strAccount + " ] の期首残高の仕訳が見つかりません。";
        if (!outcome.refusal.IsEmpty())
            return outcome;
    }

    bool carried = false;
    for (int r = 0; r < rows.GetSize(); ++r) {
        const CKishuZandakaItem* row = rows[r];
        if (row->m_nStatus == CKishuZandakaItem::kFromPrevYear)
            carried = true;
        if (row->m_nStatus != CKishuZandakaItem::kChanged)
            continue;
        CMyObject2* entry = journal[row->m_nEntry];
        if (!IsOpeningEntry(*entry, year)) {
            // The row's entry is no opening entry (any more): it stays as it is,
            // and the balance gets an opening entry of its own.
            journal.InsertAt(0, NewOpeningEntry(*row, year));
            outcome.currentEntry = 0;
            outcome.changed = true;
            continue;
        }
        entry->m_strCauseAmount1 = entry->m_strResultAmount1 = NormalizeAmount(row->m_strBalance);
        outcome.currentEntry = row->m_nEntry;
        outcome.changed = true;
    }

    if (carried) {
        for (int i = journal.GetSize() - 1; i >= 0; --i)
            if (IsOpeningEntry(*journal[i], year))
                DeleteEntryAt(journal, i);
        for (int r = 0; r < rows.GetSize(); ++r) {
        const CKishuZandakaItem* row = rows[r];
            if (row->m_nStatus != CKishuZandakaItem::kFromPrevYear || row->m_strDesc == kTotalRowDesc ||
                row->m_strBalance == "0")
                continue;
            journal.InsertAt(0, NewOpeningEntry(*row, year));
            outcome.currentEntry = 0;
        }
        outcome.changed = true;
    }

    for (int r = 0; r < rows.GetSize(); ++r) {
        const CKishuZandakaItem* row = rows[r];
        if (row->m_nStatus != CKishuZandakaItem::kNew)
            continue;
        journal.InsertAt(0, NewOpeningEntry(*row, year));
        outcome.currentEntry = 0;
        outcome.changed = true;
    }

    for (int r = 0; r < rows.GetSize(); ++r) {
        const CKishuZandakaItem* row = rows[r];
        if (row->m_nStatus != CKishuZandakaItem::kDeleted)
            continue;
        const CString desc = row->m_strDesc == kRemainderRowDesc ? CString() : row->m_strDesc;
        const int sizeBefore = journal.GetSize();
        for (int i = journal.GetSize() - 1; i >= 0; --i) {
            const CMyObject2& e = *journal[i];
            // Only opening entries go: an entry of another day against 元入金 is the user's own.
            if (!IsOpeningEntry(e, year))
                continue;
            const bool causeSide =
                e.m_strCause1 == row->m_strAccount && e.m_strResult1 == kCapitalAccount && e.m_strCauseDesc1 == desc;
            const bool resultSide =
                e.m_strResult1 == row->m_strAccount && e.m_strCause1 == kCapitalAccount && e.m_strResultDesc1 == desc;
            if (!causeSide && !resultSide)
                continue;
            DeleteEntryAt(journal, i);
            outcome.currentEntry = i - 1;
            if (outcome.currentEntry == -1 && sizeBefore > 1)
                outcome.currentEntry = 0;
            outcome.changed = true;
        }
    }
    if (outcome.currentEntry >= journal.GetSize())
        outcome.currentEntry = journal.GetSize() - 1;
    return outcome;
}
