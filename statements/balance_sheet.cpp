#include "statement_pages.h"

#include <vector>

namespace {

const char* const kFixedAssetLines[] = {
    "現金", "当座預金", "定期預金", "普通預金", "受取手形", "売掛金", "有価証券",
    "棚卸資産", "前払金", "貸付金", "建物", "建物付属設備", "機械装置", "車両運搬具",
};

// The capital-side lines that keep their rows at the bottom of column 2, counted
// from the end of the account rows: 貸倒引当金 five up, 事業主借 three, 元入金 two.
struct ReservedLine {
    const char* name;
    int fromEnd;
};
const ReservedLine kReservedLines[] = {{"貸倒引当金", 5}, {"事業主借", 3}, {"元入金", 2}};

struct SideLine {
    CString name, opening, closing;
};

}  // namespace

BalanceSheetPage ComputeBalanceSheet(const AccountTotals& totals, int amountWidth)
{
    BalanceSheetPage page;
    StatementTable table(1, amountWidth);
    CString openingAssets = "0", closingAssets = "0", openingOther = "0", closingOther = "0";

    for (const auto& [name, total] : totals.asset) {
        const CString balance = SubtractAmounts(total.debit, total.credit);
        if (name == "現金過不足") {
            if (IsZeroAmount(balance))
                continue;
            page.cashUnsettled = true;
        }
        CString opening = "0";
        if (const AccountTotal* start = totals.openingCapital.Find(name)) {
            opening = start->debit;
            openingAssets = AddAmounts(openingAssets, opening);
        }
        closingAssets = AddAmounts(closingAssets, balance);
        table.AddRow(kAppend, name, opening, balance, "", "0", "0");
    }
    for (int i = 0; i < 4; ++i)
        table.AddRow(kAppend, "", "0", "0", "", "0", "0");
    int index = 0;
    for (const char* line : kFixedAssetLines)
        table.PlaceRow(index++, line, "");
    table.PlaceRow(kAppend, "事業主貸", "");

    // Column 2: the liabilities and then the capital accounts from the top, the
    // reserved lines at their places at the bottom whatever the number of accounts.
    std::vector<SideLine> lines;
    std::vector<SideLine> reserved(std::size(kReservedLines));
    for (std::size_t i = 0; i < reserved.size(); ++i)
        reserved[i] = {kReservedLines[i].name, "0", "0"};
    auto take = [&](const SideLine& line) {
        for (std::size_t i = 0; i < reserved.size(); ++i) {
            if (line.name == kReservedLines[i].name) {
                reserved[i] = line;
                return;
            }
        }
        lines.push_back(line);
    };
    for (const auto& [name, total] : totals.liability) {
        const CString balance = SubtractAmounts(total.credit, total.debit);
        CString opening = "0";
        if (const AccountTotal* start = totals.openingCapital.Find(name)) {
            opening = start->debit;
            openingOther = AddAmounts(openingOther, opening);
        }
        closingOther = AddAmounts(closingOther, balance);
        take({name, opening, balance});
    }
    for (const auto& [name, total] : totals.capital) {
        const CString balance = SubtractAmounts(total.credit, total.debit);
        CString opening = "0";
        if (name == "元入金") {
            opening = balance;
            openingOther = AddAmounts(openingOther, balance);
        }
        closingOther = AddAmounts(closingOther, balance);
        take({name, opening, balance});
    }

    // Rows above the reserved five are added in front of the last five rows, so
    // column 1 keeps its four empty rows and 事業主貸 at the bottom.
    while (table.Count() < static_cast<int>(lines.size()) + 5)
        table.AddRow(kBeforeLastFive, "", "0", "0", "", "0", "0");
    std::vector<KessanRow>& rows = table.Rows();
    const int count = table.Count();
    auto write = [&](int at, const SideLine& line) {
        KessanRow& row = rows[static_cast<std::size_t>(at)];
        row[6] = line.name;
        row[3] = table.Amount(line.opening);
        row[4] = table.Amount(line.closing);
    };
    for (std::size_t i = 0; i < lines.size(); ++i)
        write(static_cast<int>(i), lines[i]);
    for (std::size_t i = 0; i < reserved.size(); ++i)
        write(count - kReservedLines[i].fromEnd, reserved[i]);

    CString revenue = "0", expense = "0";
    for (const auto& [name, total] : totals.revenue)
        revenue = AddAmounts(revenue, SubtractAmounts(total.credit, total.debit));
    for (const auto& [name, total] : totals.expense)
        expense = AddAmounts(expense, SubtractAmounts(total.debit, total.credit));
    page.income = SubtractAmounts(revenue, expense);
    closingOther = AddAmounts(closingOther, page.income);
    KessanRow& last = rows.back();
    last[6] = "青申特別控除前所得";
    last[3] = table.BlankAmount();
    last[4] = table.Amount(page.income);

    table.AddRow(kAppend, "   合   計", openingAssets, closingAssets, "   合   計", openingOther, closingOther);
    page.rows = std::move(table.Rows());
    return page;
}
