#include "ledger.h"

#include "../core/amount_arithmetic.h"
#include "../core/amount_format.h"
#include "../core/amount_sum.h"
#include "../core/opening_entry.h"
#include "../core/remark_items.h"
#include "../core/sjis_text.h"


const char* const kAllDescriptions = "すべて";

namespace {

// Widths of the line's cells, in bytes.
constexpr int kDescriptionWidth = 24;
constexpr int kAmountWidth = 26;
constexpr int kCounterWidth = 28;

CString AmountCell(const CString& amount)
{
    // An empty amount fills its cell with blanks, so the later columns stay in line.
    return PadToWidth(FormatAmount(amount, kAmountWidth), kAmountWidth, kAlignRight);
}

}  // namespace

CString CounterAccounts(const CMyObject2& entry, int entryRow)
{
    if (IsCauseRow(entryRow))
        return entry.m_strResult1 + " " + entry.m_strResult2 + " " + entry.m_strResult3;
    return entry.m_strCause1 + " " + entry.m_strCause2 + " " + entry.m_strCause3;
}

const CString& FirstCounterAccount(const CMyObject2& entry, int entryRow)
{
    return IsCauseRow(entryRow) ? entry.m_strResult1 : entry.m_strCause1;
}

CString FormatLedgerLine(const CMyObject2& entry, int entryRow, const CString& remark, const CString& balance,
                         int balanceWidth, ColumnFit fit)
{
    CString line = entry.m_strDate;
    line += " | ";
    line += FitToColumn(RowDescription(entry, entryRow) + " " + remark, kDescriptionWidth, kAlignLeft, fit);
    const CString amount = AmountCell(RowAmount(entry, entryRow));
    if (EntryRowIsDebit(entry, entryRow))
        line += "|" + amount + " " + FitToColumn("|", kAmountWidth, kAlignLeft);
    else
        line += FitToColumn("|", kAmountWidth + 1, kAlignLeft) + "|" + amount;
    line += " | ";
    line += FitToColumn(CounterAccounts(entry, entryRow), kCounterWidth, kAlignLeft, fit);
    line += "|";
    line += FormatAmount(balance, balanceWidth);
    return line;
}

bool FirstSeen(SeenTextSet& seen, const CString& text)
{
    if (seen.find(text.view()) != seen.end())
        return false;
    seen.insert(text.str());
    return true;
}

CString LineText(const JournalArray& journal, const LedgerLine& line, const LineLayout& layout)
{
    const CMyObject2* entry = line.entry >= 0 && line.entry < journal.GetSize() ? journal.GetAt(line.entry) : nullptr;
    if (!entry)
        return CString();
    return FormatLedgerLine(*entry, line.entryRow, RemarkText(entry->m_strRemark), line.balance, layout.balanceWidth, layout.fit);
}

CString CutFilter(const CString& filter, int descChars)
{
    return filter == kAllDescriptions ? filter : CutToBytes(filter, descChars);
}

bool FilterIsOpeningDescription(const Ledger& ledger, const CString& filter)
{
    for (const LedgerDescription& d : ledger.descriptions)
        if (d.text == filter)
            return d.opening;
    return false;
}

LedgerLine LedgerRun::Line(const CMyObject2& entry, int index, int entryRow)
{
    LedgerLine line;
    line.entry = index;
    line.entryRow = entryRow;
    line.debit = EntryRowIsDebit(entry, entryRow);
    line.amount = RowAmount(entry, entryRow);
    (line.debit ? m_debit : m_credit).Add(line.amount);
    if (line.debit == m_growsOnDebit)
        m_balance.Add(line.amount);
    else
        m_balance.Subtract(line.amount);
    line.balance = m_balance.Text();
    return line;
}

Ledger BuildLedger(const JournalArray& journal, const LedgerOptions& options)
{
    Ledger ledger;
    ledger.layout.balanceWidth = options.balanceWidth;
    ledger.layout.fit = options.fit;
    const CString filter = CutFilter(options.filter, options.descChars);
    LedgerRun run(!options.creditBalance);
    SeenTextSet seenDescriptions;
    for (int index = 0; index < journal.GetSize(); ++index) {
        const CMyObject2* entry = journal.GetAt(index);
        if (!entry)
            continue;
        bool gaveLine = false;
        for (int entryRow = 0; entryRow < kEntryRows; ++entryRow) {
            if (RowAccount(*entry, entryRow) != options.account)
                continue;
            const CString description = CutToBytes(RowDescription(*entry, entryRow), options.descChars);
            if (options.filtered && filter != kAllDescriptions && description != filter)
                continue;
            gaveLine = true;
            ledger.lines.push_back(run.Line(*entry, index, entryRow));

            if (!description.IsEmpty() && FirstSeen(seenDescriptions, description))
                ledger.descriptions.push_back({description, FirstCounterAccount(*entry, entryRow) == kCapitalAccount});
        }
        if (!gaveLine)
            continue;
        CString opening;
        bool isOpening = false;
        if (entry->m_strCause1 == kCapitalAccount && entry->m_strResult1 == options.account) {
            opening = entry->m_strCauseAmount1;
            isOpening = true;
        } else if (entry->m_strResult1 == kCapitalAccount && entry->m_strCause1 == options.account) {
            opening = entry->m_strResultAmount1;
            isOpening = true;
        }
        if (isOpening) {
            ledger.openingSum = AddSubAmounts(ledger.openingSum, opening, 1);
            ledger.openingMet = true;
        }
    }
    ledger.debitTotal = run.DebitTotal();
    ledger.creditTotal = run.CreditTotal();
    ledger.balance = run.Balance();
    return ledger;
}

AccountKind KindOfAccount(const CString& account)
{
    AccountKind kind = AccountKind::Ordinary;
    if (ContainsWholeChars(account, "事業主貸") || ContainsWholeChars(account, "事業主借") || account == "現金過不足")
        kind = AccountKind::NoCarryForward;
    for (const char* stock : {"棚卸", "商品", "材料", "原料"})
        if (ContainsWholeChars(account, stock))
            kind = AccountKind::Stock;
    return kind;
}

int FirstLineOfEntry(const std::vector<LedgerLine>& lines, int entry)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].entry == entry)
            return static_cast<int>(i);
    return -1;
}

RestoreMode DecideRestoreMode(int curBook, int prevBook, const CString& bookDigits, int ownBook, char ownDigit)
{
    if (curBook == 1 && prevBook == ownBook)
        return kRestoreFromJournal;
    if (bookDigits.Find(ownDigit) >= 0)
        return kRestoreBookDigit;
    return kRestoreNone;
}

int ChooseRestoreLine(const std::vector<LedgerLine>& lines, int currentEntry, RestoreMode mode, int rememberedLine)
{
    const int count = static_cast<int>(lines.size());
    if (count == 0 || mode == kRestoreNone)
        return -1;
    const int line = FirstLineOfEntry(lines, currentEntry);
    if (line >= 0)
        return line;
    if (mode == kRestoreFromJournal)
        return rememberedLine >= 0 && rememberedLine < count ? rememberedLine : count - 1;
    return 0;
}
