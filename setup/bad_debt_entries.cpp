#include "bad_debt_entries.h"

#include "../core/amount_arithmetic.h"
#include "../core/amount_format.h"
#include "../core/class_code.h"
#include "../core/entry_rows.h"

#include <cstdlib>

namespace {

constexpr const char* kAllowance = "貸倒引当金";

bool Given(const CString& amount) { return !amount.IsEmpty() && amount != "0"; }

void Add(BadDebtFigures& f, int slot, int index, const CString& amount)
{
    f.others[slot] = f.entry[slot] < 0 ? CString("0") : f.total[slot];
    f.total[slot] = AddSubAmounts(f.total[slot], amount, 1);
    f.entry[slot] = index;
}

// Class digits 2, 3, 5 and 6 grow on the debit side.
bool GrowsOnDebit(int digit) { return digit == 2 || digit == 3 || digit == 5 || digit == 6; }

CMyObject2* NewAllowanceEntry(int slot, const CString& year, const CString& amount)
{
    auto* e = new CMyObject2;
    e->m_strDate = year + (slot == kAllowanceOpening ? "/01/01" : "/12/31");
    e->m_strCause1 = kAllowance;
    e->m_strResult1 = slot == kAllowanceOpening ? "元入金" : slot == kAllowanceReversal ? "貸倒引当金繰戻額" : "貸倒引当金繰入額";
    e->m_strCauseAmount1 = e->m_strResultAmount1 = NormalizeAmount(amount);
    e->m_strCauseAmount2 = e->m_strCauseAmount3 = "0";
    e->m_strResultAmount2 = e->m_strResultAmount3 = "0";
    e->m_nDirection = slot == kAllowanceReversal ? 0 : 1;
    e->m_nClassCode = slot == kAllowanceOpening ? 4007000 : slot == kAllowanceReversal ? 4001000 : 4003000;
    return e;
}

// An amount in hundredths of a yen (the journal keeps at most two decimals).
long long Hundredths(const CString& amount)
{
    CString text = NormalizeAmount(amount);
    const bool negative = text.Left(1) == "-";
    if (negative)
        text = text.Mid(1);
    const int dot = text.Find('.');
    const CString whole = dot < 0 ? text : text.Left(dot);
    CString fraction = dot < 0 ? CString("00") : text.Mid(dot + 1);
    long long value = std::atoll(whole.IsEmpty() ? "0" : static_cast<const char*>(whole)) * 100 +
                      std::atoll(fraction.IsEmpty() ? "0" : static_cast<const char*>(fraction));
    return negative ? -value : value;
}

}  // namespace

BadDebtFigures RecognizeBadDebt(const JournalArray& journal)
{
    BadDebtFigures f;
    // The class digits of the six rows; an entry without them keeps those of the
    // entry before. Before any entry has them, the receivables count as current
    // assets, which is what they are.
    std::array<int, 6> digits{5, 5, 5, 5, 5, 5};
    for (int i = 0; i < journal.GetSize(); ++i) {
        const CMyObject2* e = journal[i];
        if (e == nullptr)
            continue;
        const CString& cause = e->m_strCause1;
        const CString& result = e->m_strResult1;
        const int d = e->m_nDirection;
        if (cause == kAllowance && result == "元入金" && d == 1)
            Add(f, kAllowanceOpening, i, e->m_strCauseAmount1);
        else if (cause == "元入金" && result == kAllowance && d == 0)
            Add(f, kAllowanceOpening, i, e->m_strResultAmount1);
        else if (cause == kAllowance && result == "貸倒引当金繰戻額" && d == 0)
            Add(f, kAllowanceReversal, i, e->m_strCauseAmount1);
        else if (cause == "貸倒引当金繰戻額" && result == kAllowance && d == 1)
            Add(f, kAllowanceReversal, i, e->m_strResultAmount1);
        else if (cause == kAllowance && result == "貸倒引当金繰入額" && d == 1)
            Add(f, kAllowanceProvision, i, e->m_strCauseAmount1);
        else if (cause == "貸倒引当金繰入額" && result == kAllowance && d == 0)
            Add(f, kAllowanceProvision, i, e->m_strResultAmount1);

        const ClassCode code = DecodeClassCode(e->m_nClassCode);
        if (code.known)
            digits = code.rowClass;
        for (int r = 0; r < kEntryRows; ++r) {
            const CString& account = RowAccount(*e, r);
            if (account != "売掛金" && account != "受取手形")
                continue;
            const bool onCredit = !RowIsDebit(d, IsCauseRow(r));
            const bool grows = GrowsOnDebit(digits[r]) ? !onCredit : onCredit;
            f.receivables = AddSubAmounts(f.receivables, RowAmount(*e, r), grows ? 1 : -1);
        }
    }
    return f;
}

CString BadDebtLimit(const CString& receivables, int rateItem)
{
    const long long thousandths = rateItem == 0 ? 55 : 33;
    // hundredths x thousandths / 100000 is the whole yen, cut toward zero.
    const long long yen = Hundredths(receivables) * thousandths / 100000;
    CString text;
    text.Format("%lld", yen);
    return text;
}

ReversalDisplay ReversalShown(const BadDebtFigures& f)
{
    ReversalDisplay shown;
    const bool opening = f.total[kAllowanceOpening] != "0";
    const bool reversal = f.total[kAllowanceReversal] != "0";
    if (!opening && !reversal)
        shown.amount = "";
    else if (opening && !reversal) {
        shown.remind = true;
        shown.amount = f.total[kAllowanceOpening];
    } else if (reversal && opening)
        shown.amount = f.total[kAllowanceReversal];
    else
        shown.keep = true;
    return shown;
}

BadDebtHandOver BadDebtHandOverOf(const BadDebtFigures& f, const CString& opening, const CString& reversal,
                                  const CString& provision)
{
    BadDebtHandOver h;
    h.entry = f.entry;
    h.others = f.others;
    h.amount[kAllowanceOpening] = opening == f.total[kAllowanceOpening] ? CString("-1") : opening;
    h.amount[kAllowanceProvision] = provision == f.total[kAllowanceProvision] ? CString("-1") : provision;
    h.amount[kAllowanceReversal] = reversal == f.total[kAllowanceReversal] ? CString("-1") : reversal;
    if (h.amount[kAllowanceOpening].IsEmpty())
        h.amount[kAllowanceReversal] = "";
    return h;
}

BadDebtOutcome ApplyBadDebt(JournalArray& journal, const BadDebtHandOver& handOver, const CString& year,
                            int currentEntry)
{
    BadDebtOutcome out;
    out.currentEntry = currentEntry;
    std::array<int, 3> entry = handOver.entry;
    auto shiftAfterInsert = [&](int at) {
        for (int& e : entry)
            if (e >= at)
                ++e;
    };
    auto shiftAfterRemoval = [&](int removed) {
        for (int& e : entry)
            if (e > removed)
                --e;
    };
    for (int slot : {kAllowanceReversal, kAllowanceOpening, kAllowanceProvision}) {
        const CString& a = handOver.amount[slot];
        if (a == "-1")
            continue;
        const int e = entry[slot];
        if (e >= 0 && Given(a)) {
            // The last of several matching entries carries what the others do not.
            const CString own = AddSubAmounts(NormalizeAmount(a), handOver.others[slot], -1);
            journal[e]->m_strCauseAmount1 = journal[e]->m_strResultAmount1 = NormalizeAmount(own);
            out.changed = true;
        } else if (e < 0 && Given(a)) {
            CMyObject2* created = NewAllowanceEntry(slot, year, a);
            int at = journal.GetSize();
            if (slot == kAllowanceOpening)
                at = 0;
            else if (slot == kAllowanceReversal && entry[kAllowanceProvision] >= 0)
                at = entry[kAllowanceProvision];
            journal.InsertAt(at, created);
            shiftAfterInsert(at);
            entry[slot] = at;
            out.currentEntry = at;
            out.changed = true;
        } else if (e >= 0) {
            const int sizeBefore = journal.GetSize();
            delete journal[e];
            journal.RemoveAt(e);
            entry[slot] = -1;
            shiftAfterRemoval(e);
            out.currentEntry = (e - 1 == -1 && sizeBefore > 1) ? 0 : e - 1;
            out.changed = true;
        }
    }
    return out;
}
