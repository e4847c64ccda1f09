// The hint examples and the sample journal: every entry as the journal would
// accept it, and the sample journal as a whole year of a small shop that shows
// every book and statement without a warning.
#include "entry_checks.h"
#include "shipped_data.h"
#include "shipped_files.h"

#include "core/calendar_date.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <string>

namespace {

using Entries = std::vector<std::unique_ptr<CMyObject2>>;

void ExpectEveryEntryPasses(const Entries& entries, const ShippedDictionary& dictionary)
{
    ASSERT_FALSE(entries.empty());
    for (std::size_t i = 0; i < entries.size(); ++i)
        for (const std::string& fault : EntryFaults(*entries[i], dictionary))
            ADD_FAILURE() << "entry " << i << " (" << entries[i]->m_strDate.Left(20).str() << "): " << fault;
}

bool HasRow(const CMyObject2& entry, const std::function<bool(const EntryRow&)>& test)
{
    for (const EntryRow& row : RowsOf(entry))
        if (!row.account.IsEmpty() && test(row))
            return true;
    return false;
}

// An entry of the accounts in row 1 on either side, the first with the given phrase.
bool IsEntryOf(const CMyObject2& entry, const char* cause, const char* result, int direction)
{
    return entry.m_strCause1 == cause && entry.m_strResult1 == result && entry.m_nDirection == direction;
}

// The rows named in an explanation's line "（借方）A 1,000 B 500 ／（貸方）C 1,500".
using StatedRows = std::multiset<std::pair<std::string, long long>>;

bool ReadStatedSide(const CString& part, StatedRows& rows)
{
    CString rest = part;
    rest.TrimLeft();
    rest.TrimRight();
    while (!rest.IsEmpty()) {
        const int accountEnd = rest.Find(' ');
        if (accountEnd < 0)
            return false;
        const CString account = rest.Left(accountEnd);
        rest = rest.Mid(accountEnd + 1);
        const int amountEnd = rest.Find(' ');
        CString amount = amountEnd < 0 ? rest : rest.Left(amountEnd);
        rest = amountEnd < 0 ? CString() : rest.Mid(amountEnd + 1);
        amount.Remove(',');
        if (WholeYen(amount) < 0)
            return false;
        rows.insert({account.str(), WholeYen(amount)});
    }
    return true;
}

class ShippedEntriesTest : public ::testing::Test {
protected:
    ShippedDictionary dictionary;
    Entries hints = LoadShippedEntries(kHintExamples);
    Entries journal = LoadShippedEntries(SHIPPED_SAMPLE_JOURNAL);
};

TEST_F(ShippedEntriesTest, EveryHintExamplePassesTheJournalsChecks)
{
    ExpectEveryEntryPasses(hints, dictionary);
}

TEST_F(ShippedEntriesTest, HintExplanationsBreakLinesWithCrLf)
{
    for (std::size_t i = 0; i < hints.size(); ++i) {
        const CString& text = hints[i]->m_strDate;
        for (int p = 0; p < text.GetLength(); ++p) {
            if (text[p] == '\n') {
                EXPECT_TRUE(p > 0 && text[p - 1] == '\r') << "hint " << i;
            }
            if (text[p] == '\r') {
                EXPECT_TRUE(p + 1 < text.GetLength() && text[p + 1] == '\n') << "hint " << i;
            }
        }
        EXPECT_GE(text.Find("\r\n"), 0) << "hint " << i << " has a one-line explanation";
    }
}

TEST_F(ShippedEntriesTest, HintExplanationsStateTheDebitAndCreditOfTheirEntry)
{
    for (std::size_t i = 0; i < hints.size(); ++i) {
        const CMyObject2& hint = *hints[i];
        const CString& text = hint.m_strDate;
        const int marker = CString("（借方）").GetLength();
        const int debit = text.Find("（借方）");
        const int slash = debit < 0 ? -1 : text.Find("／", debit);
        const int credit = slash < 0 ? -1 : text.Find("（貸方）", slash);
        ASSERT_GE(credit, 0) << "hint " << i << " states no debit and credit";
        int end = text.Find("\r\n", credit);
        if (end < 0)
            end = text.GetLength();
        StatedRows statedDebit, statedCredit, debitRows, creditRows;
        ASSERT_TRUE(ReadStatedSide(text.Mid(debit + marker, slash - debit - marker), statedDebit)) << "hint " << i;
        ASSERT_TRUE(ReadStatedSide(text.Mid(credit + marker, end - credit - marker), statedCredit)) << "hint " << i;
        for (const EntryRow& row : RowsOf(hint))
            if (!row.account.IsEmpty())
                (RowIsDebit(hint, row) ? debitRows : creditRows).insert({row.account.str(), WholeYen(row.amount)});
        EXPECT_EQ(statedDebit, debitRows) << "hint " << i;
        EXPECT_EQ(statedCredit, creditRows) << "hint " << i;
    }
}

TEST_F(ShippedEntriesTest, HintExamplesShowTheCasesTheJournalPointsTo)
{
    const auto classOf = [this](const CString& name) { return dictionary.ClassOf(name); };
    struct Case {
        const char* what;
        std::function<bool(const CMyObject2&)> shows;
    } cases[] = {
        {"an apportionment asked for in the remark as 按分:料金×NN%",
         [](const CMyObject2& e) {
             const CString& r = e.m_strRemark;
             return r.Left(11) == "按分:料金×" && r.Right(1) == "%" &&
                    r.GetLength() > 12 && std::atoi(r.Mid(11)) > 0;
         }},
        {"元入金 against a liability",
         [&](const CMyObject2& e) { return e.m_strResult1 == "元入金" && classOf(e.m_strCause1) == 4; }},
        {"元入金 against an asset",
         [&](const CMyObject2& e) {
             return e.m_strResult1 == "元入金" && (classOf(e.m_strCause1) == 5 || classOf(e.m_strCause1) == 6);
         }},
        {"the opening inventory", [](const CMyObject2& e) { return IsEntryOf(e, "棚卸資産", "元入金", 0); }},
        {"the opening inventory moved into purchases",
         [](const CMyObject2& e) { return IsEntryOf(e, "棚卸資産", "仕入", 1); }},
        {"the closing inventory taken out of purchases",
         [](const CMyObject2& e) { return IsEntryOf(e, "棚卸資産", "仕入", 0); }},
        {"事業主借 with the description 譲渡益",
         [](const CMyObject2& e) {
             return HasRow(e, [](const EntryRow& row) {
                 return row.account == "事業主借" && row.description == "譲渡益";
             });
         }},
    };
    for (const Case& c : cases) {
        bool found = false;
        for (const auto& hint : hints)
            found = found || c.shows(*hint);
        EXPECT_TRUE(found) << c.what;
    }
}

TEST_F(ShippedEntriesTest, EverySampleJournalEntryPassesTheJournalsChecks)
{
    ExpectEveryEntryPasses(journal, dictionary);
}

TEST_F(ShippedEntriesTest, SampleJournalDatesAreDaysOfOneYearInOrder)
{
    ASSERT_FALSE(journal.empty());
    const CString year = journal.front()->m_strDate.Left(4);
    CString previous;
    for (std::size_t i = 0; i < journal.size(); ++i) {
        const CString& date = journal[i]->m_strDate;
        EXPECT_TRUE(IsCalendarDate(date)) << i << " " << date;
        EXPECT_EQ(year, date.Left(4)) << i;
        EXPECT_LE(previous, date) << "entry " << i << " is out of date order";
        previous = date;
    }
}

TEST_F(ShippedEntriesTest, SampleItemBreakdownsAddUpToTheirSaleOrPurchase)
{
    int withItems = 0;
    for (std::size_t i = 0; i < journal.size(); ++i) {
        const CMyObject2& entry = *journal[i];
        const int start = entry.m_strRemark.Find("[]");
        if (start < 0)
            continue;
        ++withItems;
        const int length = entry.m_strRemark.GetLength() - start;
        ASSERT_EQ(0, length % 84) << "entry " << i << ": items are 84 bytes each";
        long long total = 0;
        for (int item = start; item < entry.m_strRemark.GetLength(); item += 84) {
            EXPECT_EQ(CString("[]"), entry.m_strRemark.Mid(item, 2)) << i;
            CString quantity = entry.m_strRemark.Mid(item + 44, 15);
            CString price = entry.m_strRemark.Mid(item + 65, 15);
            quantity.TrimRight();
            price.TrimRight();
            ASSERT_GE(WholeYen(quantity), 0) << i;
            ASSERT_GE(WholeYen(price), 0) << i;
            total += WholeYen(quantity) * WholeYen(price);
        }
        // The book shows the entry on the last row that holds its account.
        CString amount;
        for (const EntryRow& row : RowsOf(entry))
            if (row.account == "売上" || row.account == "仕入")
                amount = row.amount;
        EXPECT_EQ(WholeYen(amount), total) << "entry " << i;
    }
    EXPECT_GT(withItems, 0);
}

TEST_F(ShippedEntriesTest, SampleJournalGivesTheStatementsNoWarning)
{
    long long inventoryCode = 0;
    long long cashDiscrepancy = 0;
    for (const auto& entry : journal) {
        for (const EntryRow& row : RowsOf(*entry)) {
            if (row.account.IsEmpty())
                continue;
            const int digit = dictionary.ClassOf(row.account);
            if (digit == 1 && row.account.Find("売上") >= 0) {
                EXPECT_EQ(CString("売上"), row.account) << "a second sales account";
            }
            if ((digit == 2 || digit == 3) && row.account.Find("仕入") >= 0) {
                EXPECT_EQ(CString("仕入"), row.account) << "a second purchases account";
            }
            if (row.account == "現金過不足")
                cashDiscrepancy += (RowIsDebit(*entry, row) ? 1 : -1) * WholeYen(row.amount);
        }
        // The trial balance's inventory check: 9 is one opening balance, one
        // transfer into purchases and one transfer out of them.
        const CString& cause = entry->m_strCause1;
        const CString& result = entry->m_strResult1;
        const int d = entry->m_nDirection;
        const bool causeStock = cause.Find("棚卸") >= 0;
        const bool resultStock = result.Find("棚卸") >= 0;
        if ((causeStock && result == "元入金" && d == 0) || (cause == "元入金" && resultStock && d == 1))
            inventoryCode += 1;
        if ((causeStock && result == "仕入" && d == 0) || (cause == "仕入" && resultStock && d == 1))
            inventoryCode += 5;
        if ((causeStock && result == "仕入" && d == 1) || (cause == "仕入" && resultStock && d == 0))
            inventoryCode += 3;
    }
    EXPECT_EQ(9, inventoryCode);
    EXPECT_EQ(0, cashDiscrepancy) << "an unsettled cash discrepancy";
}

TEST_F(ShippedEntriesTest, SampleBalancesStayOnTheirNaturalSide)
{
    // Cash and the bank accounts never go below zero during the year, and at the
    // end every account's balance lies on the side on which its class grows: a
    // reversed phrase would show as a negative balance or a credited expense.
    std::map<std::string, long long> balances;  // debit minus credit
    for (std::size_t i = 0; i < journal.size(); ++i) {
        for (const EntryRow& row : RowsOf(*journal[i])) {
            if (row.account.IsEmpty())
                continue;
            long long& balance = balances[row.account.str()];
            balance += (RowIsDebit(*journal[i], row) ? 1 : -1) * WholeYen(row.amount);
            if (row.account == "現金" || row.account == "普通預金" || row.account == "当座預金" ||
                row.account == "定期預金") {
                EXPECT_GE(balance, 0) << "entry " << i;
            }
            // Revenues are credited and expenses debited; only purchases are also
            // credited, by a return and by the closing inventory.
            const int digit = dictionary.ClassOf(row.account);
            if (digit == 1) {
                EXPECT_FALSE(RowIsDebit(*journal[i], row)) << "entry " << i;
            }
            if ((digit == 2 || digit == 3) && row.account != "仕入") {
                EXPECT_TRUE(RowIsDebit(*journal[i], row)) << "entry " << i;
            }
        }
    }
    for (const auto& [account, balance] : balances) {
        const int digit = dictionary.ClassOf(account.c_str());
        const bool debitNature = digit == 2 || digit == 3 || digit == 5 || digit == 6;
        EXPECT_GE(debitNature ? balance : -balance, 0) << account;
    }
    for (const char* account : {"現金", "普通預金", "当座預金", "定期預金"})
        EXPECT_EQ(1u, balances.count(account)) << account;
}


TEST_F(ShippedEntriesTest, SamplePartnersOweAndAreOwedNoLessThanNothing)
{
    // Each partner's payable and receivable, followed in date order through the
    // ledger of its account: a return or a discount is taken off a later payment,
    // so no running balance turns negative, and the year ends owing each
    // supplier exactly its December invoice.
    struct Side {
        const char* account;
        bool growsOnDebit;
    } sides[] = {{"買掛金", false}, {"売掛金", true}};
    for (const Side& side : sides) {
        SCOPED_TRACE(side.account);
        std::map<std::string, long long> balances;
        std::set<std::string> negative;  // each partner reported once, at its first negative balance
        for (std::size_t i = 0; i < journal.size(); ++i) {
            for (const EntryRow& row : RowsOf(*journal[i])) {
                if (row.account != side.account)
                    continue;
                long long& balance = balances[row.description.str()];
                balance += (RowIsDebit(*journal[i], row) == side.growsOnDebit ? 1 : -1) * WholeYen(row.amount);
                if (balance < 0 && negative.insert(row.description.str()).second)
                    ADD_FAILURE() << row.description.str() << " stands at " << balance << " after entry " << i
                                  << " (" << journal[i]->m_strDate.str() << ")";
            }
        }
        EXPECT_GE(balances.size(), 2u);
    }

    std::map<std::string, long long> payables, decemberInvoices;
    for (const auto& entry : journal) {
        for (const EntryRow& row : RowsOf(*entry)) {
            if (row.account != "買掛金")
                continue;
            const long long amount = WholeYen(row.amount);
            payables[row.description.str()] += RowIsDebit(*entry, row) ? -amount : amount;
            if (!RowIsDebit(*entry, row) && entry->m_strDate.Mid(5, 2) == "12")
                decemberInvoices[row.description.str()] += amount;
        }
    }
    ASSERT_FALSE(decemberInvoices.empty());
    for (const auto& [partner, balance] : payables)
        EXPECT_EQ(decemberInvoices[partner], balance) << partner;
}

TEST_F(ShippedEntriesTest, RemarksAreKeptHalfWidthAsTheJournalStoresThem)
{
    // The journal turns a typed remark into half-width characters before it keeps
    // it, so a stored remark holds no full-width character that has a half-width
    // form: katakana and the long vowel mark, the full-width blank and Latin
    // letters, digits and signs, and the Japanese punctuation marks. The item
    // breakdown after "[]" is written by the books and is not converted.
    auto fullWidthAt = [](const CString& remark) {
        const auto* text = reinterpret_cast<const unsigned char*>(static_cast<const char*>(remark));
        const int length = remark.Find("[]") < 0 ? remark.GetLength() : remark.Find("[]");
        static const std::set<unsigned> signs = {
            0x8140, 0x8141, 0x8142, 0x8143, 0x8144, 0x8145, 0x8146, 0x8147, 0x8148, 0x8149, 0x814A,
            0x814B, 0x814D, 0x814F, 0x8151, 0x815B, 0x815E, 0x815F, 0x8162, 0x8166, 0x8168, 0x8169,
            0x816A, 0x816D, 0x816E, 0x816F, 0x8170, 0x8175, 0x8176, 0x817B, 0x817C, 0x8181, 0x8183,
            0x8184, 0x8190, 0x8193, 0x8194, 0x8195, 0x8196, 0x8197};
        for (int i = 0; i < length; ++i) {
            const unsigned lead = text[i];
            if (!((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) || i + 1 >= length)
                continue;
            const unsigned code = lead << 8 | text[i + 1];
            const bool katakana = code >= 0x8340 && code <= 0x8394;
            const bool latin = code >= 0x824F && code <= 0x829A;
            if (katakana || latin || signs.count(code))
                return i;
            ++i;
        }
        return -1;
    };
    for (const Entries* entries : {&hints, &journal}) {
        for (std::size_t i = 0; i < entries->size(); ++i) {
            const CString& remark = (*entries)[i]->m_strRemark;
            EXPECT_EQ(-1, fullWidthAt(remark))
                << (entries == &hints ? "hint example " : "sample entry ") << i << ": " << remark.str();
        }
    }
}
TEST_F(ShippedEntriesTest, SampleJournalFillsEveryBookAndStatement)
{
    std::set<std::string> customers, suppliers, expenseAccounts;
    std::set<int> months;
    bool salesItems = false, purchaseItems = false;
    int openingEntries = 0;
    for (const auto& entry : journal) {
        const CMyObject2& e = *entry;
        months.insert(std::atoi(e.m_strDate.Mid(5, 2)));
        if (e.m_strDate.Right(5) == "01/01" && e.m_strResult1 == "元入金")
            ++openingEntries;
        for (const EntryRow& row : RowsOf(e)) {
            if (row.account == "売上" && row.description != "家事消費")
                customers.insert(row.description.str());
            if (row.account == "仕入")
                suppliers.insert(row.description.str());
            const int digit = dictionary.ClassOf(row.account);
            if ((digit == 2 || digit == 3) && row.account != "仕入")
                expenseAccounts.insert(row.account.str());
        }
        const bool items = e.m_strRemark.Find("[]") >= 0;
        salesItems = salesItems || (items && (e.m_strCause1 == "売上" || e.m_strResult1 == "売上"));
        purchaseItems = purchaseItems || (items && (e.m_strCause1 == "仕入" || e.m_strResult1 == "仕入"));
    }
    EXPECT_EQ(12u, months.size());
    EXPECT_GE(openingEntries, 6) << "opening balances";
    EXPECT_GE(customers.size(), 2u);
    EXPECT_GE(suppliers.size(), 2u);
    EXPECT_TRUE(salesItems);
    EXPECT_TRUE(purchaseItems);
    EXPECT_GE(expenseAccounts.size(), 15u) << "expenses across the profit-and-loss lines";

    struct Case {
        const char* what;
        std::function<bool(const CMyObject2&)> shows;
    } cases[] = {
        {"owner's drawings",
         [](const CMyObject2& e) {
             return HasRow(e, [&e](const EntryRow& r) { return r.account == "事業主貸" && RowIsDebit(e, r); });
         }},
        {"own consumption of goods", [](const CMyObject2& e) { return IsEntryOf(e, "事業主貸", "売上", 0); }},
        {"an apportionment", [](const CMyObject2& e) { return e.m_strRemark.Find("料金(") >= 0; }},
        {"the closing inventory", [](const CMyObject2& e) { return IsEntryOf(e, "棚卸資産", "仕入", 0); }},
        {"the bad-debt allowance of the year",
         [](const CMyObject2& e) { return IsEntryOf(e, "貸倒引当金", "貸倒引当金繰入額", 1); }},
        {"the reversal of last year's allowance",
         [](const CMyObject2& e) { return IsEntryOf(e, "貸倒引当金", "貸倒引当金繰戻額", 0); }},
        {"depreciation",
         [](const CMyObject2& e) {
             return HasRow(e, [](const EntryRow& r) { return r.account == "減価償却費"; });
         }},
        {"a family employee's salary",
         [](const CMyObject2& e) {
             return HasRow(e, [](const EntryRow& r) { return r.account == "専従者給与"; });
         }},
    };
    for (const Case& c : cases) {
        bool found = false;
        for (const auto& entry : journal)
            found = found || c.shows(*entry);
        EXPECT_TRUE(found) << c.what;
    }
}

}  // namespace
