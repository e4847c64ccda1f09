#include "ledger_journal.h"

#include "utf8_text.h"

#include <stdexcept>

namespace {

// Amount text ("-1,234.5") in hundredths; throws on anything else.
long long Hundredths(const std::string& text)
{
    long long whole = 0;
    long long fraction = 0;
    int decimals = -1;
    bool negative = false;
    bool digits = false;
    for (char ch : text) {
        if (ch == '-' && !digits && !negative) {
            negative = true;
        } else if (ch == ',' || ch == ' ') {
            continue;
        } else if (ch == '.' && decimals < 0) {
            decimals = 0;
        } else if (ch >= '0' && ch <= '9' && decimals < 2) {
            digits = true;
            if (decimals < 0) {
                whole = whole * 10 + (ch - '0');
            } else {
                fraction = fraction * 10 + (ch - '0');
                ++decimals;
            }
        } else {
            throw std::runtime_error("not an amount: \"" + text + "\"");
        }
    }
    if (!digits)
        throw std::runtime_error("not an amount: \"" + text + "\"");
    if (decimals == 1)
        fraction *= 10;
    const long long value = whole * 100 + fraction;
    return negative ? -value : value;
}

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \r\n") - first + 1);
}

std::string AmountOf(const CString& amount, bool debit)
{
    std::string text;
    for (char ch : amount.view())
        if (ch != ',' && ch != ' ')
            text += ch;
    if (debit)
        return text;
    return text[0] == '-' ? text.substr(1) : "-" + text;
}

}  // namespace

const char* const kLedgerBalanceArguments = "balance --flat --no-total --balance-format \"%(account)\\t%(display_total)\\n\"";

std::string LedgerJournalText(const Journal& journal)
{
    std::string text;
    text.reserve(journal.size() * 160);
    int number = 0;
    for (const CMyObject2* entry : journal) {
        ++number;
        text += entry->m_strDate.str() + " #" + std::to_string(number) + "\n";
        for (const EntryRow& row : RowsOf(*entry)) {
            if (row.account->IsEmpty())
                continue;
            text += "    " + Utf8OfShiftJis(*row.account) + "  " +
                    AmountOf(*row.amount, RowIsDebit(entry->m_nDirection, row.causeRow)) + "\n";
        }
        text += "\n";
    }
    return text;
}

AccountBalances ParseLedgerBalances(const std::string& printed)
{
    AccountBalances balances;
    std::size_t start = 0;
    while (start < printed.size()) {
        std::size_t end = printed.find('\n', start);
        if (end == std::string::npos)
            end = printed.size();
        const std::string line = printed.substr(start, end - start);
        start = end + 1;
        if (Trimmed(line).empty())
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos)
            throw std::runtime_error("a balance line without a tab: \"" + line + "\"");
        const long long balance = Hundredths(Trimmed(line.substr(tab + 1)));
        if (balance != 0)
            balances[Trimmed(line.substr(0, tab))] += balance;
    }
    return balances;
}

AccountBalances BalancesOfTotals(const AccountTotals& totals)
{
    AccountBalances balances;
    for (const AccountMap* map : {&totals.revenue, &totals.expense, &totals.liability, &totals.asset, &totals.capital})
        for (const auto& [name, total] : *map)
            balances[Utf8OfShiftJis(name)] += Hundredths(total.debit.str()) - Hundredths(total.credit.str());
    for (auto it = balances.begin(); it != balances.end();)
        it = it->second == 0 ? balances.erase(it) : std::next(it);
    return balances;
}

std::string BalancesText(const AccountBalances& balances)
{
    std::string text;
    for (const auto& [name, balance] : balances) {
        const long long magnitude = balance < 0 ? -balance : balance;
        std::string amount = balance < 0 ? "-" : "";
        amount += std::to_string(magnitude / 100);
        if (magnitude % 100 != 0)
            amount += (magnitude % 100 < 10 ? ".0" : ".") + std::to_string(magnitude % 100);
        text += name + "\t" + amount + "\n";
    }
    return text;
}

std::vector<std::string> BalanceDifferences(const AccountBalances& ours, const AccountBalances& ledger)
{
    std::vector<std::string> differences;
    auto show = [](const AccountBalances& balances, const std::string& name) {
        const auto found = balances.find(name);
        return found == balances.end() ? std::string("none") : std::to_string(found->second);
    };
    AccountBalances names = ours;
    names.insert(ledger.begin(), ledger.end());
    for (const auto& [name, ignored] : names) {
        const std::string a = show(ours, name);
        const std::string b = show(ledger, name);
        if (a != b)
            differences.push_back(name + ": ours " + a + ", ledger " + b);
    }
    return differences;
}
