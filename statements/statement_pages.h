// The four statement pages computed from the account totals (and, for the monthly
// page and the inventory check, from the journal): their rows and what their checks
// found. Nothing here shows anything; the view shows the messages and the rows.
#pragma once

#include "account_totals.h"
#include "statement_rows.h"

#include <vector>

// Page codes of the statements view.
constexpr int kPageTrialBalance = 0;
constexpr int kPageProfitLoss = 1;
constexpr int kPageMonthly = 2;
constexpr int kPageBalanceSheet = 3;

// The message of a balance left on 現金過不足.
extern const char* const kCashUnsettledMessage;

struct TrialBalancePage {
    std::vector<KessanRow> rows;
    bool cashUnsettled = false;
    // The checks' messages, in the order they are shown.
    std::vector<CString> messages;
};

// Rows: assets, liabilities, capital, revenue, expenses, then the total row; cells
// 1 debit balance, 2 debit total, 3 credit total, 4 credit balance, 5 the name.
TrialBalancePage ComputeTrialBalance(const AccountTotals& totals, const Journal& journal, int amountWidth);

// The inventory entry code: the sum over every entry's row 1 of 1 (opening balance),
// 3 (opening transfer into 仕入) and 5 (year-end transfer out of 仕入); 9 is a
// complete year.
int InventoryEntryCode(const Journal& journal);
// The message that an inventory code calls for; empty when none.
CString InventoryMessage(const CString& account, int code);

// The items of the blue-return deduction, in the order of the choice.
const std::vector<CString>& DeductionItems();
// The item of a stored choice; a choice outside the items falls back to the first.
int ValidDeductionChoice(int choice);

struct ProfitLossPage {
    std::vector<KessanRow> rows;
    CString line46;     // amount text of (46), before the deduction
    CString deduction;  // amount text of (47)
    CString income;     // amount text of (48)
};

// Three column groups: cells 5/1 lines (1) to (7), cells 6/2 the expense lines with
// (33) and (34), cells 4/3 reversals, provisions and (39) to (48). deductionText is
// the chosen item's text ("  650,000").
ProfitLossPage ComputeProfitLoss(const AccountTotals& totals, const CString& deductionText, int amountWidth);

// Fifteen rows: the twelve months, 家事消費, 雑収入 and the total; cells 1 sales,
// 2 purchases, 5 the month number right-aligned in four bytes, 6 "月" or the caption.
// The sales side counts the revenue accounts of the totals, each amount once, so
// that its total is the profit-and-loss statement's line (1).
std::vector<KessanRow> ComputeMonthly(const AccountTotals& totals, const Journal& journal, int amountWidth);

struct BalanceSheetPage {
    std::vector<KessanRow> rows;
    bool cashUnsettled = false;
    CString income;  // 青申特別控除前所得
};

// Two column groups: cells 5/1/2 assets (name, opening, closing), cells 6/3/4
// liabilities and capital, the last row the totals.
BalanceSheetPage ComputeBalanceSheet(const AccountTotals& totals, int amountWidth);

// The list lines of a page as the view shows them: a blank line or three, then the
// box-drawn heading and rows. nameWidth and amountWidth are the cell widths.
std::vector<CString> StatementLines(int pageCode, const std::vector<KessanRow>& rows, int nameWidth, int amountWidth);
