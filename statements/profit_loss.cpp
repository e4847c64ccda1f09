#include "statement_cells.h"
#include "statement_pages.h"

#include <algorithm>
#include <utility>

namespace {

bool Contains(const CString& text, const char* part)
{
    return text.Find(part) >= 0;
}

// The expense lines of the form, in their order; 雑費 closes the list.
const char* const kFixedExpenseLines[] = {
    "租税公課", "荷造運賃", "水道光熱費", "旅費交通費", "通信費",   "広告宣伝費", "接待交際費", "損害保険料", "修繕費",
    "消耗品費", "減価償却費", "福利厚生費", "給料賃金", "外注工賃", "利子割引料", "地代家賃",   "貸倒金",
};

CString WithoutSeparators(CString text)
{
    text.Remove(',');
    text.Remove(' ');
    return text;
}

}  // namespace

const std::vector<CString>& DeductionItems()
{
    static const std::vector<CString> items = {"  650,000", "  100,000", "        0"};
    return items;
}

int ValidDeductionChoice(int choice)
{
    return choice >= 0 && choice < static_cast<int>(DeductionItems().size()) ? choice : 0;
}

ProfitLossPage ComputeProfitLoss(const AccountTotals& totals, const CString& deductionText, int amountWidth)
{
    StatementTable table(1, amountWidth);
    CString revenue = "0", expenses = "0", reversals = "0", provisions = "0", purchases = "0";
    std::vector<std::pair<CString, CString>> reversalRows, provisionRows;
    bool salaryFound = false;
    std::pair<CString, CString> salaryRow;

    for (const auto& [name, total] : totals.expense) {
        const CString net = SubtractAmounts(total.debit, total.credit);
        bool matched = false;
        if (name == "専従者給与") {
            provisions = AddAmounts(provisions, net);
            salaryFound = true;
            salaryRow = {name, net};
            matched = true;
        }
        if (Contains(name, "準備金繰入")) {
            provisions = AddAmounts(provisions, net);
            provisionRows.emplace_back(name, net);
            matched = true;
        }
        if (Contains(name, "引当金繰入")) {
            provisions = AddAmounts(provisions, net);
            provisionRows.emplace_back(name, net);
            matched = true;
        }
        if (Contains(name, "仕入")) {
            // Every purchases account counts, so that (46) always equals the
            // balance sheet's income.
            purchases = AddAmounts(purchases, net);
            matched = true;
        }
        if (!matched) {
            expenses = AddAmounts(expenses, net);
            table.AddRow(kAppend, name, net, "0", "", "0", "0");
        }
    }

    int index = 0;
    for (const char* line : kFixedExpenseLines)
        table.PlaceRow(index++, line, "");
    table.PlaceRow(kAppend, "雑費", "");

    for (KessanRow& row : table.Rows()) {
        row[6] = row[5];
        row[2] = row[1];
        row[5] = "";
        row[1] = table.BlankAmount();
        row[4] = "";
    }

    for (const auto& [name, total] : totals.revenue) {
        const CString net = SubtractAmounts(total.credit, total.debit);
        if (Contains(name, "準備金繰戻") || Contains(name, "引当金繰戻")) {
            reversals = AddAmounts(reversals, net);
            reversalRows.emplace_back(name, net);
        } else {
            revenue = AddAmounts(revenue, net);
        }
    }

    // Column 3 needs its reversal rows (at least one), its provision rows and eight
    // more; the statement grows above its two closing rows when it is shorter.
    const int thirdColumnRows = static_cast<int>(std::max<std::size_t>(reversalRows.size(), 1) + provisionRows.size() +
                                                 (salaryFound ? 1 : 0)) + 8;
    while (table.Count() + 3 < thirdColumnRows)
        table.AddRow(kAppend, "", "0", "0", "", "0", "0");
    for (int i = 0; i < 3; ++i)
        table.AddRow(kAppend, "", "0", "0", "", "0", "0");
    for (KessanRow& added : table.Rows())
        added[4] = "";
    std::vector<KessanRow>& rows = table.Rows();
    const std::size_t last = rows.size() - 1;
    rows[last - 1][6] = "      計      (33)";
    rows[last - 1][2] = table.Amount(expenses);

    CString openingStock = "0", closingStock = "0";
    for (const auto& [name, total] : totals.openingCapital)
        if (Contains(name, "棚卸"))
            openingStock = AddAmounts(openingStock, total.debit);
    for (const auto& [name, total] : totals.asset)
        if (Contains(name, "棚卸"))
            closingStock = AddAmounts(closingStock, SubtractAmounts(total.debit, total.credit));

    const CString line34 = SubtractAmounts(SubtractAmounts(revenue, purchases), expenses);
    const std::pair<const char*, CString> firstColumn[] = {
        {"売上(雑収含) (1)", revenue},
        {"期首棚卸高   (2)", openingStock},
        {"仕入金額     (3)", AddAmounts(SubtractAmounts(purchases, openingStock), closingStock)},
        {" 小　計  2+3 (4)", AddAmounts(purchases, closingStock)},
        {"期末棚卸高   (5)", closingStock},
        {"差引原価 4-5 (6)", purchases},
        {"差引金額 1-6 (7)", SubtractAmounts(revenue, purchases)},
    };
    for (std::size_t i = 0; i < std::size(firstColumn); ++i) {
        rows[i][5] = firstColumn[i].first;
        rows[i][1] = table.Amount(firstColumn[i].second);
    }
    rows[last][6] = "差引金額 7-33 (34)";
    rows[last][2] = table.Amount(line34);

    ProfitLossPage page;
    page.line46 = SubtractAmounts(AddAmounts(line34, reversals), provisions);
    if (IsZeroAmount(page.line46) || IsNegativeAmount(page.line46)) {
        page.deduction = "0";
    } else {
        CString chosen = WithoutSeparators(deductionText);
        if (chosen.IsEmpty())
            chosen = "0";
        page.deduction = IsNegativeAmount(SubtractAmounts(page.line46, chosen)) ? page.line46 : chosen;
    }
    page.income = SubtractAmounts(page.line46, page.deduction);

    std::size_t row = 0;
    auto third = [&](const CString& label, const CString& amountCell) {
        rows[row][4] = label;
        rows[row][3] = amountCell;
        ++row;
    };
    if (reversalRows.empty())
        third("貸倒引当金繰戻額", table.BlankAmount());
    for (const auto& [name, net] : reversalRows)
        third(name, table.Amount(net));
    third("      計      (39)", table.Amount(reversals));
    ++row;
    if (salaryFound)
        third(salaryRow.first, table.Amount(salaryRow.second));
    for (const auto& [name, net] : provisionRows)
        third(name, table.Amount(net));
    third("      計      (45)", table.Amount(provisions));
    ++row;
    third("青申控除前金額    ", table.BlankAmount());
    third("   34+39-45   (46)", table.Amount(page.line46));
    third("青色申告控除額(47)", FormatAmountCellKeepZero(page.deduction, amountWidth));
    third("所得金額46-47 (48)", FormatAmountCellKeepZero(page.income, amountWidth));

    page.rows = std::move(rows);
    return page;
}
