// What the journal view checks before a typed sentence becomes a journal entry:
// the form of the typed amounts, the sentence checks in their fixed order, the
// apportionment written in the remark, the owner's drawings of a fixed asset, and
// the class code built from the rows' classes. Every function answers the refusal
// text to show (empty when the entry may go on); the view shows it.
#pragma once

#include "my_object2.h"
#include "remark_items.h"
#include "../framework/cstring.h"

#include <array>

// The entry fields as the commit reads them. Amounts are the typed texts until
// NormalizeEntryAmounts has turned them into stored amounts.
struct EntryFields {
    CString date;
    std::array<CString, 3> cause;
    std::array<CString, 3> result;
    std::array<CString, 3> causeAmount;
    std::array<CString, 3> resultAmount;
    CString remark;     // as typed
    int direction = -1; // 1 first phrase, 0 second phrase, -1 none
};

// Checks the six typed amounts (cause 1 to 3, result 1 to 3) by the journal's
// amount rule (amount_check.h) and, when all are amounts, turns every non-empty one
// into its stored form. Answers the refusal of the first amount that is none; the
// fields are then left as typed.
CString NormalizeEntryAmounts(EntryFields& fields);

// Whether an apportionment applies: the remark (after the half-width conversion)
// holds "料金()×" or "料金×", a "×" and then a "%" (or "％"), and the text between
// "×" and "%" is a rate of 0 to 100 in digits. rate receives it.
bool ApportionmentRequested(const CString& remark, int* rate = nullptr);

// The sentence checks 1 to 21 in their order, on normalised amounts; after check 1
// the date must be a day of the calendar (calendar_date.h). The amount
// checks 15 to 21 are left to the apportionment only when the typed remark holds
// "料金×" and convertedRemark asks for an apportionment that can be applied.
// phrase1 and phrase2 are the texts of the two phrase choices (for the question
// when neither is chosen).
CString CheckEntryFields(const EntryFields& fields, const CString& convertedRemark, const CString& phrase1,
                         const CString& phrase2);

// The balance and size of the entry, whatever the remark says: the cause sum and
// the result sum must be equal as numbers, and the sum may have at most 18
// integer digits.
CString CheckBalance(const EntryFields& fields);

// The outcome of the apportionment.
struct Apportionment {
    bool applied = false;      // a case applied: amounts and remark changed
    CString refusal;           // not empty: the entry is refused and the help topic shown
    bool rewroteCause2 = false;  // cases 1 and 2 rewrite cause amount 2 as well
    CString remark;            // the remark with the total written in (when applied)
};

// Applies the apportionment asked by remark (the half-width text) to the amounts,
// with the rows' class indexes (0 to 6, -1 none). Nothing happens when none is asked.
Apportionment ApplyApportionment(EntryFields& fields, const std::array<int, 6>& classIndex, const CString& remark);

// The owner's drawings of a fixed asset: a row whose account is "事業主借" without a
// description, in an entry with an account of class 資産(固定), is refused.
CString CheckOwnerDrawingsDescription(const EntryFields& fields, const std::array<CString, 6>& descriptions,
                                      const std::array<int, 6>& classIndex);

// The class code: the class digits of the six rows (class index + 1, 0 for none)
// and the connecting-word choice, read as one decimal number.
int ClassCodeOf(const std::array<int, 6>& classIndex, int connectIndex);

// The stored date of a picked date text: a "yy/MM/dd" text gets "20" in front.
CString StoredDate(const CString& dateText);

// Fills the record from checked fields: descriptions of the six rows, the remark
// (processed) followed by the item breakdown the record's old remark kept.
void FillEntryRecord(CMyObject2& record, const EntryFields& fields, const std::array<CString, 6>& descriptions,
                     const CString& remark, int classCode);

// The checks of the journal view that a stored entry must pass, whatever wrote
// it (the record CSV import, the shipped files' converter, the benchmark's
// generated year): the date as stored, the amount forms, the sentence checks on
// the part of the remark before "[]", and the balance. A stored direction of -1
// counts as 1 (no phrase is asked for). Answers the refusal text; empty when the
// journal accepts the entry.
CString CheckStoredEntry(const CMyObject2& entry);
