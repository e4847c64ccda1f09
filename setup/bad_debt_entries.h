// The bad-debt allowance aid without windows: the allowance entries and the
// receivables it reads from the journal, the limit of the year's provision, what
// the dialog hands over on OK and the entries written for it.
#pragma once

#include "../core/journal_array.h"
#include "../core/my_object2.h"
#include "../framework/arrays.h"
#include "../framework/cstring.h"

#include <array>

// Slots of the aid: 0 the opening allowance, 1 its reversal, 2 the provision.
enum BadDebtSlot : int { kAllowanceOpening = 0, kAllowanceReversal = 1, kAllowanceProvision = 2 };

struct BadDebtFigures {
    std::array<CString, 3> total{"0", "0", "0"};  // the sum of every matching entry
    std::array<int, 3> entry{-1, -1, -1};         // the last matching entry
    std::array<CString, 3> others{"0", "0", "0"};  // the sum of the matching entries before it
    CString receivables = "0";                     // (A): 売掛金 and 受取手形
};

BadDebtFigures RecognizeBadDebt(const JournalArray& journal);

// (A) x (B) cut to whole yen (toward zero); rateItem 0 is 5.5 %, any other 3.3 %.
CString BadDebtLimit(const CString& receivables, int rateItem);

// The reversal field as the dialog shows it on opening, and whether the reminder
// "貸倒引当金繰戻額が期末に未記帳です。" comes first. keep is the field's text so far.
struct ReversalDisplay {
    CString amount;
    bool remind = false;
    bool keep = false;  // the field keeps its text
};
ReversalDisplay ReversalShown(const BadDebtFigures& figures);

struct BadDebtHandOver {
    std::array<int, 3> entry{-1, -1, -1};
    std::array<CString, 3> amount;  // "-1": the entry stays as it is
    std::array<CString, 3> others{"0", "0", "0"};
};

// The hand-over on OK from the texts of the fields ① (opening), the reversal and
// ② (provision), separators and blanks already removed.
BadDebtHandOver BadDebtHandOverOf(const BadDebtFigures& figures, const CString& opening, const CString& reversal,
                                  const CString& provision);

struct BadDebtOutcome {
    bool changed = false;
    int currentEntry = 0;
};

// Writes the hand-over: the reversal, then the opening allowance, then the provision.
BadDebtOutcome ApplyBadDebt(JournalArray& journal, const BadDebtHandOver& handOver, const CString& year,
                            int currentEntry);
