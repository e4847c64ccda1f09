// The benchmark's busy year: the shape of a shop's year, made the same way on
// every run, every entry as the journal accepts it; and its plain-text journal,
// which the command-line accounting tool `ledger` must read into the very
// balances that the program's account totals give.
#include "bench/busy_year.h"
#include "bench/ledger_journal.h"
#include "bench/utf8_text.h"
#ifndef _WIN32
#include "bench/ledger_run.h"
#endif
#include "core/class_code.h"
#include "core/record_file.h"
#include "core/entry_check.h"
#include "shipped_files.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>

namespace {

class BusyYearTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadRecordFile(CString(SHIPPED_DATA_FOLDER) + kSeparator + "zuvavodi.sdn", m_dictionary);
        ASSERT_GT(m_dictionary.GetSize(), 9);
    }
    void TearDown() override
    {
        DeleteRecords(m_year);
        DeleteRecords(m_dictionary);
    }

    void Make(int entries, std::uint32_t startValue = 20240101)
    {
        DeleteRecords(m_year);
        MakeBusyYear(m_dictionary, {entries, startValue}, m_year);
    }

    Journal Entries() const
    {
        Journal journal;
        for (int i = 0; i < m_year.GetSize(); ++i)
            journal.push_back(m_year.GetAt(i));
        return journal;
    }

    // The class digit the dictionary gives an account on its class side; 0 for none.
    int ClassOf(const CString& account) const
    {
        for (int digit = 1; digit <= 7; ++digit) {
            const CKiso& node = *m_dictionary.GetAt(digit);
            for (int i = node.m_nFirstChild; i < node.m_nFirstChild + node.m_nChildCount; ++i)
                if (m_dictionary.GetAt(i)->m_strName == account)
                    return digit;
        }
        return 0;
    }

#ifdef _WIN32
    static constexpr const char* kSeparator = "\\";
#else
    static constexpr const char* kSeparator = "/";
#endif

    DictionaryNodes m_dictionary;
    JournalArray m_year;
    TempFolder m_folder;
};

TEST_F(BusyYearTest, AYearOfTheShopInDateOrderThatTheJournalAccepts)
{
    Make(1200);
    ASSERT_EQ(1200, m_year.GetSize());
    // Stored and read back as the program reads a journal file.
    SaveRecordFile(m_folder.Path("year.siz"), m_year);
    JournalArray loaded;
    LoadRecordFile(m_folder.Path("year.siz"), loaded);
    ASSERT_EQ(m_year.GetSize(), loaded.GetSize());

    std::map<std::string, int> kinds;
    for (int i = 0; i < loaded.GetSize(); ++i) {
        const CMyObject2& entry = *loaded.GetAt(i);
        EXPECT_EQ("", CheckStoredEntry(entry).str()) << "entry " << i;
        EXPECT_EQ(0, entry.m_strDate.Find("2024/")) << i;
        if (i > 0) {
            ASSERT_LE(loaded.GetAt(i - 1)->m_strDate.str(), entry.m_strDate.str()) << i;
        }
        // The class code holds the dictionary's class of every row.
        const ClassCode code = DecodeClassCode(entry.m_nClassCode);
        const CString* accounts[6] = {&entry.m_strCause1,  &entry.m_strCause2,  &entry.m_strCause3,
                                      &entry.m_strResult1, &entry.m_strResult2, &entry.m_strResult3};
        for (int row = 0; row < 6; ++row)
            EXPECT_EQ(accounts[row]->IsEmpty() ? 0 : ClassOf(*accounts[row]), code.rowClass[static_cast<std::size_t>(row)])
                << "entry " << i << " row " << row;
        if (entry.m_strRemark.Find("[]") >= 0)
            ++kinds[entry.m_strCause1 == "売上" ? "sales breakdown" : "purchases breakdown"];
        if (entry.m_strRemark.Find("按分:料金(") == 0)
            ++kinds["apportioned"];
        if (entry.m_strCause1 == "事業主貸" && entry.m_strCauseDesc1 == "生活費")
            ++kinds["drawings"];
        if (entry.m_strResult1 == "元入金" && entry.m_strDate == "2024/01/01")
            ++kinds["opening"];
        if (entry.m_strCause1 == "棚卸資産" && entry.m_strResult1 == "仕入" && entry.m_strDate == "2024/12/31")
            ++kinds["closing inventory"];
        if (entry.m_strCause1 == "現金" && entry.m_strResult1 == "普通預金")
            ++kinds["deposit"];
    }
    DeleteRecords(loaded);
    const int breakdowns = kinds["sales breakdown"] + kinds["purchases breakdown"];
    EXPECT_GT(breakdowns, 1200 / 20) << "about one entry in ten carries an item breakdown";
    EXPECT_LT(breakdowns, 1200 / 6);
    EXPECT_GT(kinds["sales breakdown"], 0);
    EXPECT_GT(kinds["purchases breakdown"], 0);
    EXPECT_GT(kinds["apportioned"], 0);
    EXPECT_GT(kinds["drawings"], 0);
    EXPECT_GT(kinds["deposit"], 0);
    EXPECT_EQ(15, kinds["opening"]);
    EXPECT_EQ(1, kinds["closing inventory"]);
    EXPECT_EQ("2024/01/01", m_year.GetAt(0)->m_strDate);
    EXPECT_EQ("2024/12/31", m_year.GetAt(m_year.GetSize() - 1)->m_strDate);
}

TEST_F(BusyYearTest, TheSameStartValueMakesTheSameFileAnotherMakesAnother)
{
    Make(500);
    SaveRecordFile(m_folder.Path("first.siz"), m_year);
    Make(500);
    SaveRecordFile(m_folder.Path("again.siz"), m_year);
    Make(500, 7);
    SaveRecordFile(m_folder.Path("other.siz"), m_year);
    const std::string first = ReadFileBytes(m_folder.Path("first.siz"));
    EXPECT_EQ(first, ReadFileBytes(m_folder.Path("again.siz")));
    EXPECT_NE(first, ReadFileBytes(m_folder.Path("other.siz")));
    EXPECT_EQ(LedgerJournalText(Entries()), LedgerJournalText(Entries()));
}

TEST_F(BusyYearTest, TooFewEntriesForTheFixedOnesAreRefused)
{
    EXPECT_THROW(Make(kBusyYearFixedEntries - 1), std::runtime_error);
    Make(kBusyYearFixedEntries);
    EXPECT_EQ(kBusyYearFixedEntries, m_year.GetSize());
}

#ifndef _WIN32
// The tool is a Linux program: run natively; under Wine scripts/bench.sh runs it.
TEST_F(BusyYearTest, LedgerReadsThePlainTextJournalIntoTheProgramsBalances)
{
    Make(800);
    const Journal journal = Entries();
    const std::string text = LedgerJournalText(journal);
    WriteFileBytes(m_folder.Path("year.ledger"), text);
    const LedgerRun run = RunLedger(m_folder.Path("year.ledger"), kLedgerBalanceArguments, m_folder.Path("out.txt"));
    ASSERT_TRUE(run.ran) << run.failure;

    const AccountBalances ours = BalancesOfTotals(CollectAccountTotals(journal));
    const AccountBalances ledger = ParseLedgerBalances(run.printed);
    EXPECT_EQ(std::vector<std::string>{}, BalanceDifferences(ours, ledger));
    // Sales are a credit balance, the sum of every sales row; cash is a debit one.
    long long sales = 0;
    for (const CMyObject2* entry : journal)
        for (const EntryRow& row : RowsOf(*entry))
            if (*row.account == "売上")
                sales += std::stoll(row.amount->str()) * 100;
    ASSERT_TRUE(ledger.count(Utf8OfShiftJis("売上")));
    EXPECT_EQ(-sales, ledger.at(Utf8OfShiftJis("売上")));
    ASSERT_TRUE(ledger.count(Utf8OfShiftJis("現金")));
    EXPECT_GT(ledger.at(Utf8OfShiftJis("現金")), 0);
    EXPECT_GT(ledger.size(), 30u);
}
#endif

TEST(LedgerBalancesTest, LinesAreReadAndEveryDifferenceIsNamed)
{
    const AccountBalances read = ParseLedgerBalances("現金\t1,234.5\n売上\t-700\n\n雑費\t0\n");
    EXPECT_EQ((AccountBalances{{"現金", 123450}, {"売上", -70000}}), read);
    EXPECT_THROW(ParseLedgerBalances("現金 100\n"), std::runtime_error);
    EXPECT_THROW(ParseLedgerBalances("現金\t10 JPY\n"), std::runtime_error);

    struct Case {
        AccountBalances ledger;
        std::vector<std::string> differences;
    } cases[] = {
        {{{"現金", 123450}, {"売上", -70000}}, {}},
        {{{"現金", 123451}, {"売上", -70000}}, {"現金: ours 123450, ledger 123451"}},
        {{{"現金", 123450}}, {"売上: ours -70000, ledger none"}},
        {{{"現金", 123450}, {"売上", -70000}, {"雑益", -5}}, {"雑益: ours none, ledger -5"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.differences, BalanceDifferences(read, c.ledger));
}

}  // namespace
