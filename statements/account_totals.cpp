#include "account_totals.h"

#include "../core/amount_sum.h"

#include "../core/amount_arithmetic.h"
#include "../core/column_text.h"
#include "../core/fiscal_year.h"
#include "../core/opening_entry.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

const char* const kTaxMark = "(消)";

AccountTotal& AccountMap::File(const CString& name)
{
    auto found = m_index.find(name.str());
    if (found != m_index.end())
        return m_entries[found->second].second;
    m_index.emplace(name.str(), m_entries.size());
    m_entries.emplace_back(name, AccountTotal{});
    return m_entries.back().second;
}

AccountTotal* AccountMap::Find(const CString& name)
{
    const int index = IndexOf(name);
    return index < 0 ? nullptr : &m_entries[static_cast<std::size_t>(index)].second;
}

const AccountTotal* AccountMap::Find(const CString& name) const
{
    const int index = IndexOf(name);
    return index < 0 ? nullptr : &m_entries[static_cast<std::size_t>(index)].second;
}

int AccountMap::IndexOf(const CString& name) const
{
    auto found = m_index.find(name.str());
    return found == m_index.end() ? -1 : static_cast<int>(found->second);
}

CString AddAmounts(const CString& a, const CString& b)
{
    return AddSubAmountsKeepingEmpty(a, b, 1);
}

CString SubtractAmounts(const CString& a, const CString& b)
{
    return AddSubAmountsKeepingEmpty(a, b, -1);
}

bool IsZeroAmount(const CString& amount)
{
    for (char ch : amount.view()) {
        if (ch != '0' && ch != '.' && ch != '-' && ch != ',' && ch != ' ')
            return false;
    }
    return true;
}

bool IsNegativeAmount(const CString& amount)
{
    return amount.Find('-') >= 0 && !IsZeroAmount(amount);
}

std::array<EntryRow, 6> RowsOf(const CMyObject2& entry)
{
    return {{
        {&entry.m_strCause1, &entry.m_strCauseAmount1, true},
        {&entry.m_strCause2, &entry.m_strCauseAmount2, true},
        {&entry.m_strCause3, &entry.m_strCauseAmount3, true},
        {&entry.m_strResult1, &entry.m_strResultAmount1, false},
        {&entry.m_strResult2, &entry.m_strResultAmount2, false},
        {&entry.m_strResult3, &entry.m_strResultAmount3, false},
    }};
}

namespace {

// The map of a class digit and the key it files a name under; null for the empty
// class and digits beyond the seven classes.
struct ClassMap {
    AccountMap* map;
    bool keepsMark;  // liabilities and capital keep the name as it is
};

ClassMap MapOfClass(AccountTotals& totals, int digit)
{
    switch (digit) {
    case 1: return {&totals.revenue, false};
    case 2:
    case 3: return {&totals.expense, false};
    case 4: return {&totals.liability, true};
    case 5:
    case 6: return {&totals.asset, false};
    case 7: return {&totals.capital, true};
    default: return {nullptr, false};
    }
}

CString KeyOf(const CString& name, bool keepsMark)
{
    return keepsMark ? name : RemoveMark(name, kTaxMark);
}

// The class digits of the five maps, one digit per map.
constexpr std::array<int, 5> kMapDigits = {1, 2, 4, 5, 7};

// The account names of the journal's rows, each numbered once in the order met.
// A busy year repeats a few dozen names over a hundred thousand rows: the rows
// are read once into their numbers, and everything after works on the numbers.
// The names are views of the entries' own texts, which outlive the computation.
class AccountNumbers {
public:
    int NumberOf(const CString& name)
    {
        const auto [found, added] = m_numbers.try_emplace(name.view(), static_cast<int>(m_names.size()));
        if (added)
            m_names.push_back(&name);
        return found->second;
    }
    const CString& Name(int number) const { return *m_names[static_cast<std::size_t>(number)]; }
    int Count() const { return static_cast<int>(m_names.size()); }

private:
    std::unordered_map<std::string_view, int> m_numbers;
    std::vector<const CString*> m_names;
};

// Files every account name under the class map of its rows. A name keeps the map
// of the first row that files it: an account booked under two classes is counted
// once, in its first class, and is listed for the check message.
class Filing {
public:
    Filing(AccountTotals& totals, const AccountNumbers& names) : m_totals(totals), m_names(names) {}

    void File(int number, int digit)
    {
        const ClassMap target = MapOfClass(m_totals, digit);
        if (!target.map)
            return;
        Grow();
        Home& home = m_homes[static_cast<std::size_t>(number)];
        const CString& account = m_names.Name(number);
        if (!home.map) {
            home.map = target.map;
            target.map->File(KeyOf(account, target.keepsMark));
            return;
        }
        if (home.map != target.map && !home.reported) {
            home.reported = true;
            m_totals.severalClasses.push_back(account);
        }
    }

    // The map in which the name was filed; null for a name that no row filed.
    const AccountMap* HomeOf(int number) const
    {
        const auto index = static_cast<std::size_t>(number);
        return index < m_homes.size() ? m_homes[index].map : nullptr;
    }

private:
    struct Home {
        const AccountMap* map = nullptr;
        bool reported = false;
    };
    void Grow()
    {
        if (m_homes.size() < static_cast<std::size_t>(m_names.Count()))
            m_homes.resize(static_cast<std::size_t>(m_names.Count()));
    }

    AccountTotals& m_totals;
    const AccountNumbers& m_names;
    std::vector<Home> m_homes;
};

// Posts the amounts of the rows into running sums of every filed account and
// writes the sums into the totals at the end. A name is posted into the map it
// was filed in, asked with the key that map files names under, so a marked
// liability or capital name finds its own entry; a name no row filed goes to the
// first map that holds its key. An account name's entry is found once and kept.
class Posting {
public:
    Posting(AccountTotals& totals, const Filing& filing, const AccountNumbers& names)
        : m_totals(totals), m_filing(filing), m_names(names), m_targets(static_cast<std::size_t>(names.Count()))
    {
        for (std::size_t i = 0; i < kMapDigits.size(); ++i)
            m_sums[i].resize(static_cast<std::size_t>(MapOfClass(totals, kMapDigits[i]).map->Count()));
    }

    void Post(int number, const CString& amount, bool debit)
    {
        SideSums* sums = TargetOf(number);
        if (!sums)
            return;
        if (debit)
            sums->debit.Add(amount);
        else
            sums->credit.Add(amount);
    }

    void WriteTotals()
    {
        for (std::size_t i = 0; i < kMapDigits.size(); ++i) {
            AccountMap& map = *MapOfClass(m_totals, kMapDigits[i]).map;
            for (int index = 0; index < map.Count(); ++index) {
                const SideSums& sums = m_sums[i][static_cast<std::size_t>(index)];
                map.At(index).debit = sums.debit.Text();
                map.At(index).credit = sums.credit.Text();
            }
        }
    }

private:
    struct SideSums {
        AmountSum debit, credit;
    };
    struct Target {
        bool found = false;
        SideSums* sums = nullptr;
    };

    SideSums* TargetOf(int number)
    {
        const auto slot = static_cast<std::size_t>(number);
        if (slot >= m_targets.size())
            m_targets.resize(slot + 1);
        Target& target = m_targets[slot];
        if (target.found)
            return target.sums;
        target.found = true;
        const CString& account = m_names.Name(number);
        const AccountMap* home = m_filing.HomeOf(number);
        for (std::size_t i = 0; i < kMapDigits.size() && !target.sums; ++i) {
            const ClassMap map = MapOfClass(m_totals, kMapDigits[i]);
            if (home && home != map.map)
                continue;
            const int index = map.map->IndexOf(KeyOf(account, map.keepsMark));
            if (index >= 0)
                target.sums = &m_sums[i][static_cast<std::size_t>(index)];
        }
        return target.sums;
    }

    AccountTotals& m_totals;
    const Filing& m_filing;
    const AccountNumbers& m_names;
    std::array<std::vector<SideSums>, kMapDigits.size()> m_sums;
    std::vector<Target> m_targets;
};

// Per account, the running sum of the 元入金 amounts opposite it in row 1, kept
// exact as the other totals are and written into the totals at the end.
class OpeningCapitalSums {
public:
    explicit OpeningCapitalSums(AccountMap& map) : m_map(map) {}

    void Add(const CString& counterAccount, const CString& amount)
    {
        int index = m_map.IndexOf(counterAccount);
        if (index < 0) {
            m_map.File(counterAccount);
            index = m_map.Count() - 1;
            m_sums.emplace_back();
        }
        m_sums[static_cast<std::size_t>(index)].Add(amount);
    }

    void WriteTotals()
    {
        for (int index = 0; index < m_map.Count(); ++index)
            m_map.At(index).debit = m_sums[static_cast<std::size_t>(index)].Text();
    }

private:
    AccountMap& m_map;
    std::vector<AmountSum> m_sums;
};

}  // namespace

AccountTotals CollectAccountTotals(const Journal& journal)
{
    AccountTotals totals;
    totals.fiscalYear = FiscalYearOf(journal);

    // Every account name numbered once, then filed: the class digits carry over
    // to entries whose code holds none.
    AccountNumbers names;
    Filing filing(totals, names);
    ClassCode classes;
    for (const CMyObject2* entry : journal) {
        const auto rows = RowsOf(*entry);
        std::array<int, std::tuple_size_v<decltype(rows)>> numbers;
        for (std::size_t i = 0; i < rows.size(); ++i)
            numbers[i] = rows[i].account->IsEmpty() ? -1 : names.NumberOf(*rows[i].account);
        const ClassCode own = DecodeClassCode(entry->m_nClassCode);
        if (own.known)
            classes = own;
        if (!classes.known)
            continue;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (numbers[i] >= 0)
                filing.File(numbers[i], classes.rowClass[i]);
        }
    }

    // The amounts, row by row; a name's number is asked again rather than kept
    // per row, which for a busy year would be a block of half a megabyte.
    Posting posting(totals, filing, names);
    OpeningCapitalSums openingCapital(totals.openingCapital);
    for (const CMyObject2* entry : journal) {
        const auto rows = RowsOf(*entry);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].account->IsEmpty())
                continue;
            if (rows[i].account == &entry->m_strCause1 && entry->m_strCause1 == kCapitalAccount)
                openingCapital.Add(entry->m_strResult1, entry->m_strCauseAmount1);
            if (rows[i].account == &entry->m_strResult1 && entry->m_strResult1 == kCapitalAccount)
                openingCapital.Add(entry->m_strCause1, entry->m_strResultAmount1);
            posting.Post(names.NumberOf(*rows[i].account), *rows[i].amount,
                         RowIsDebit(entry->m_nDirection, rows[i].causeRow));
        }
    }
    posting.WriteTotals();
    openingCapital.WriteTotals();
    return totals;
}
