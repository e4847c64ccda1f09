// The ledger lines of the general ledger, the cash book and the expense book,
// computed from the journal without any window: which rows of which entries
// belong to an account, the side of each row, the running totals and balance,
// the text of each list line, the opening balances found in the journal, the
// descriptions of the lines and the line a reopened book selects again.
#pragma once

#include "../core/amount_sum.h"
#include "../core/column_text.h"
#include "../core/entry_rows.h"
#include "../core/journal_array.h"
#include "../core/my_object2.h"
#include "../core/remark_items.h"
#include "../framework/arrays.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// The three accounts of the other side of the row, joined by one blank each
// ("元入金  " for a lone 元入金).
CString CounterAccounts(const CMyObject2& entry, int entryRow);
// The first account of the other side of the row.
const CString& FirstCounterAccount(const CMyObject2& entry, int entryRow);

// One line of a ledger list: date | description and remark | debit | credit |
// counter accounts | balance, in fixed byte widths (an empty amount still fills
// its cell). remark is the entry's remark as the book shows it. balanceWidth is
// 26 in the general ledger and 27 in the other books; fit says whether the
// description and counter texts lose their leading blanks first (general
// ledger) or are measured as they are.
CString FormatLedgerLine(const CMyObject2& entry, int entryRow, const CString& remark, const CString& balance,
                         int balanceWidth, ColumnFit fit);

// How a book writes its lines (see FormatLedgerLine): the width of the balance
// and the fit of the text cells.
struct LineLayout {
    int balanceWidth = 26;
    ColumnFit fit = ColumnFit::TrimFirst;
};

// What to build.
struct LedgerOptions {
    CString account;
    bool creditBalance = false;  // the balance is credit minus debit (liabilities, capital, revenue)
    int balanceWidth = 26;
    ColumnFit fit = ColumnFit::TrimFirst;
    bool filtered = false;       // keep only rows whose cut description equals filter ("すべて" keeps all)
    CString filter;
    int descChars = 16;          // bytes to which descriptions are cut for the list and the filter
};

// A line knows its entry and its figures; its text is written only when it is
// shown (LineText), so that a book of thousands of lines writes the few in view.
struct LedgerLine {
    int entry = 0;  // journal index
    int entryRow = 0;   // row of the entry
    bool debit = false;
    CString amount;
    CString balance;  // after this line
};

// The running totals of a book while its lines are gathered: the debit and credit
// totals and the balance, which grows on the side the book's account grows on.
class LedgerRun {
public:
    explicit LedgerRun(bool growsOnDebit) : m_growsOnDebit(growsOnDebit) {}
    // The line of the entry's row, counted into the totals.
    LedgerLine Line(const CMyObject2& entry, int index, int entryRow);
    CString DebitTotal() const { return m_debit.Text(); }
    CString CreditTotal() const { return m_credit.Text(); }
    CString Balance() const { return m_balance.Text(); }

private:
    // The totals run as numbers; the balance is written out once per line.
    AmountSum m_debit;
    AmountSum m_credit;
    AmountSum m_balance;
    bool m_growsOnDebit;
};

// Texts met so far (descriptions, partners, product names), looked up by their
// bytes without a copy: a busy book's thousands of lines repeat a few hundred.
struct TextBytesHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const noexcept { return std::hash<std::string_view>()(text); }
};
using SeenTextSet = std::unordered_set<std::string, TextBytesHash, std::equal_to<>>;
// Whether text is met for the first time; it is counted as met.
bool FirstSeen(SeenTextSet& seen, const CString& text);

// The text of a line in a book of that layout; empty when the journal no longer holds its entry.
CString LineText(const JournalArray& journal, const LedgerLine& line, const LineLayout& layout);

// A description of the ledger's lines, cut to the list's width; opening when the
// first line that carried it was an opening-balance line (its first counter
// account 元入金).
struct LedgerDescription {
    CString text;
    bool opening = false;
};

struct Ledger {
    std::vector<LedgerLine> lines;
    LineLayout layout;
    CString debitTotal = "0";
    CString creditTotal = "0";
    CString balance = "0";
    // Entries of the account against 元入金 in the first rows among the entries
    // that gave a line: their sum and whether one was met.
    CString openingSum = "0";
    bool openingMet = false;
    std::vector<LedgerDescription> descriptions;
};

// One line per row that names the account, in journal order and row order, in
// every book: an entry that names the account in two rows gives two lines.
Ledger BuildLedger(const JournalArray& journal, const LedgerOptions& options);

// The filter text of the lists: "すべて" for every line.
extern const char* const kAllDescriptions;
// A filter handed over from another book, cut to the bytes of the list's items,
// so that it can match an item of the list.
CString CutFilter(const CString& filter, int descChars);
// Whether the cut filter names an opening-balance description of the ledger.
bool FilterIsOpeningDescription(const Ledger& ledger, const CString& filter);

// What kind of account the general ledger shows, for its opening-balance field.
enum class AccountKind {
    Ordinary,
    NoCarryForward,  // the owner's accounts and 現金過不足: never carried from the year before
    Stock,           // stock and material accounts: no opening balance per description
};
AccountKind KindOfAccount(const CString& account);

// The line of entry (its first), or -1.
int FirstLineOfEntry(const std::vector<LedgerLine>& lines, int entry);

// How a book that reopens finds its line again.
enum RestoreMode : int {
    kRestoreNone = 0,
    kRestoreFromJournal = 1,  // the journal was opened from this book and the user came straight back
    kRestoreBookDigit = 2,    // the current entry belongs to this book
};
RestoreMode DecideRestoreMode(int curBook, int prevBook, const CString& bookDigits, int ownBook, char ownDigit);
// The line to select after a build: the current entry's line in either restore
// mode; back from the journal without it, the remembered line kept within the
// last line; from the book digit without it, line 0. -1: select nothing (no
// lines, or no restore).
int ChooseRestoreLine(const std::vector<LedgerLine>& lines, int currentEntry, RestoreMode mode, int rememberedLine);
