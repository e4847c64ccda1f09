// The same transactions as a plain-text journal of the command-line accounting
// tool `ledger`, and the account balances of both, to check that they agree.
#pragma once

#include "statements/account_totals.h"

#include <map>
#include <string>
#include <vector>

// Account name (UTF-8) -> balance in hundredths of a yen, debit positive; accounts
// whose balance is zero are left out.
using AccountBalances = std::map<std::string, long long>;

// One transaction per entry: its date, its number as the payee, and one posting
// per row, debit rows positive and credit rows negative (the tool's sign rule).
std::string LedgerJournalText(const Journal& journal);

// The arguments after `ledger -f FILE` that print one line per account:
// the account, a tab, its balance.
extern const char* const kLedgerBalanceArguments;

// The lines printed with kLedgerBalanceArguments. Throws std::runtime_error on a
// line of another form.
AccountBalances ParseLedgerBalances(const std::string& printed);

// The program's own balances: debit total minus credit total of every account of
// the account totals.
AccountBalances BalancesOfTotals(const AccountTotals& totals);

// The balances as the lines of kLedgerBalanceArguments print them, by account name.
std::string BalancesText(const AccountBalances& balances);

// One line per account whose balances differ ("name: ours X, ledger Y"); empty
// when they agree.
std::vector<std::string> BalanceDifferences(const AccountBalances& ours, const AccountBalances& ledger);
