// The journal list's lines byte for byte, the class code taken apart, the book
// words of a shown entry and the stable sort by date.
#include "../support/journal_fixtures.h"
#include "dictionary_fixture.h"

#include "journal/journal_lines.h"

#include "core/amount_arithmetic.h"
#include "core/amount_format.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

DictionaryFixture Dict()
{
    return DictionaryFixture{{1, "売上", "について", "として"},
                             {5, "売掛金", "を", "について"},
                             {5, "現金", "について", "として"},
                             {8, "現金", "で受取り", "で支払い"},
                             {8, "長期", "へ振替え　　　です", ""}};
}

TEST(JournalLine, FixedColumnsByteForByte)
{
    DictionaryFixture d = Dict();
    const JournalLineFormatter formatter(d.dict);

    // A known sale; the phrase agrees with the connecting word ending in "て".
    CString word1;
    CString word2;
    EXPECT_EQ(" 2024/01/05 |            売上 について               現金 を受取り                 |            1,000   | ",
              formatter.Line(*OneRowEntry("2024/01/05", "売上", "現金", "1000", 1, 0).Owned(), 0, &word1, &word2));
    EXPECT_EQ("について", word1);
    EXPECT_EQ("として", word2);

    // Unknown cause account, direction -1, other accounts, descriptions shown once,
    // the remark before "[]" with its own trailing blank.
    const auto entry = EntryBuilder("2024/02/29")
                           .Cause("謎", "1000.50", "A社")
                           .Cause("雑費", "200")
                           .Result("現金", "1000.50", "A社")
                           .Result("普通預金", "", "B")
                           .Direction(-1)
                           .Remark("メモ " + RemarkItem("item"))
                           .Owned();
    const CMyObject2& e = *entry;
    EXPECT_EQ(" 2024/02/29 |              謎                        現金                          |"
              "            1,200.50| 雑費 普通預金 :A社 B  メモ ",
              formatter.Line(e, 0));

    // A 17-byte name whose 16th byte begins a character ends in "."; a phrase of
    // 15 bytes or more loses its full-width blanks at byte 14.
    EXPECT_EQ(" 2024/03/01 |Aあいうえおかき.                        長期 へ振替え です            |"
              "       12,345,678   | ",
              formatter.Line(*OneRowEntry("2024/03/01", "Aあいうえおかきく", "長期", "12345678", 1, 0).Owned(), 0));

    // A candidate phrase of the cause account as the connecting word; a remark
    // that begins with "[]" adds nothing.
    const auto sale = OneRowEntry("2024/04/01", "売掛金", "現金", "5", 1, 0).Owned();
    CMyObject2& c = *sale;
    c.m_strRemark = RemarkItem("x");
    EXPECT_EQ(" 2024/04/01 |          売掛金 を回収して             現金 を受取り                 |"
              "                5   | ",
              formatter.Line(c, 2));
    // The second phrase for direction 0, made to agree in the same way.
    EXPECT_EQ(" 2024/05/01 |            売上 について               現金 を支払い                 |"
              "                5   | ",
              formatter.Line(*OneRowEntry("2024/05/01", "売上", "現金", "5", 0, 0).Owned(), 0));
    // The first word "を" turns "を受…" into "で受…" only; the stored words stay.
    EXPECT_EQ("で受取り", AgreedPhrase("を", "を受取り"));
    EXPECT_EQ("を支払い", AgreedPhrase("について", "で支払い"));
    EXPECT_EQ("で受取り", d.dict.GetAt(d.IndexOf("売掛金") + 2)->m_strWord1);
}

// The amount column of a line: the sum of the three cause amounts.
CString AmountColumn(const CString& line)
{
    const int bar = line.Find('|', line.Find('|') + 1);
    return line.Mid(bar + 1, 20);
}

TEST(JournalLine, AmountColumnIsTheExactSumOfTheCauseAmounts)
{
    DictionaryFixture d = Dict();
    const JournalLineFormatter formatter(d.dict);
    struct Case {
        const char* amounts[3];
        const char* column;  // nullptr: as the text arithmetic writes the sum
    };
    const Case cases[] = {
        {{"", "", ""}, "                0   "},
        {{"1000", "", ""}, "            1,000   "},
        {{"0012", "", "0.05"}, "               12.05"},
        {{".50", "1", ""}, "                1.50"},
        {{"1000.50", "200", ""}, "            1,200.50"},
        // Eighteen integer digits and two decimals, three times: past 64 bits in hundredths.
        {{"999999999999999999.99", "999999999999999999.99", "999999999999999999.99"}, "#,999,999,999,999.97"},
        {{"123456789012345678", "876543210987654322", ""}, "#,000,000,000,000   "},
        // Forms the list hands to the text arithmetic: signs, separators, other decimals, blanks.
        {{"-300", "100", ""}, nullptr},
        {{"100", "-100", ""}, nullptr},
        {{"1,000", "", "1"}, nullptr},
        {{"1.5", "", ""}, nullptr},
        {{"1.", "2", ""}, nullptr},
        {{"1.234", "", ""}, nullptr},
        {{"12 ", "", ""}, nullptr},
        {{"123456789012345678901234567890", "1", ""}, nullptr},
        {{"1234567890123456789012345678901", "1", ""}, nullptr},
    };
    for (const Case& c : cases) {
        const auto entry = EntryBuilder("2024/01/05")
                               .Cause("売上", c.amounts[0])
                               .Cause("", c.amounts[1])
                               .Cause("", c.amounts[2])
                               .Result("現金")
                               .Direction(1)
                               .Owned();
        const CString sum = AddSubAmounts(AddSubAmounts(c.amounts[0], c.amounts[1], 1), c.amounts[2], 1);
        const CString column = AmountColumn(formatter.Line(*entry, 0));
        SCOPED_TRACE(std::string(c.amounts[0]) + " + " + c.amounts[1] + " + " + c.amounts[2]);
        EXPECT_EQ(FormatAmount(sum, 20), column);
        if (c.column) {
            EXPECT_EQ(CString(c.column), column);
        }
    }
    // The sum of three 18-digit amounts, every digit kept.
    EXPECT_EQ("2999999999999999999.97",
              AddSubAmounts(AddSubAmounts("999999999999999999.99", "999999999999999999.99", 1),
                            "999999999999999999.99", 1));
}

// A formatter keeps the phrases it made: each line still gets the phrase of its
// own connecting word and direction, whatever lines came before it.
TEST(JournalLine, OneFormatterForManyLinesGivesEachLineItsOwnPhrase)
{
    DictionaryFixture d = Dict();
    const JournalLineFormatter shared(d.dict);
    struct Row {
        const char* cause;
        const char* result;
        int direction;
        int connectIndex;
    };
    const Row rows[] = {
        {"売上", "現金", 1, 0}, {"売掛金", "現金", 1, 2}, {"売上", "現金", 0, 0},   {"売掛金", "現金", 1, 0},
        {"売上", "長期", 1, 0}, {"売掛金", "現金", 0, 2}, {"売上", "現金", -1, 0}, {"売上", "現金", 1, 0},
    };
    for (const Row& row : rows) {
        const auto entry = OneRowEntry("2024/06/30", row.cause, row.result, "10", row.direction, 0).Owned();
        const JournalLineFormatter fresh(d.dict);
        EXPECT_EQ(fresh.Line(*entry, row.connectIndex), shared.Line(*entry, row.connectIndex))
            << row.cause << " " << row.direction << " " << row.connectIndex;
    }
}

TEST(JournalLine, BookWordsOfAnEntry)
{
    const auto cash = MakeEntry("2024/01/05", {{"現金", "1"}, {"売上"}}, {{"現金", "1"}, {"仕入"}}, 0, 5150000).Owned();
    const CMyObject2& e = *cash;
    EXPECT_EQ("3356", BookWordsOf(e).bookCodes);
    EXPECT_EQ("", BookWordsOf(e).expenseAccount);
    // Row 1 class 3, row 2 class 2: the 3 wins.
    const auto expense = MakeEntry("2024/01/05", {{"水道光熱費", "1"}, {"仕入"}}, {{"現金", "1"}}, 0, 3250000).Owned();
    const CMyObject2& x = *expense;
    const EntryBookWords words = BookWordsOf(x);
    EXPECT_EQ("水道光熱費", words.expenseAccount);
    EXPECT_EQ("364", words.bookCodes);
}

// The list's lines written when shown are the lines a rebuild wrote: an entry
// without class digits takes the choice of the nearest earlier one; a line whose
// entry left the journal is empty, the others are found where they moved; a
// dictionary that grew is read afresh.
TEST(JournalListLines, WrittenWhenShownAsEveryLineWrittenAtOnce)
{
    DictionaryFixture d = Dict();
    JournalArray journal;
    std::vector<std::unique_ptr<CMyObject2>> kept;
    auto add = [&](std::unique_ptr<CMyObject2> entry, int classCode) {
        entry->m_nClassCode = classCode;
        journal.Add(entry.get());
        kept.push_back(std::move(entry));
    };
    add(OneRowEntry("2024/01/05", "売掛金", "現金", "5", 1, 0).Owned(), 5150002);  // choice 2: a candidate phrase
    add(OneRowEntry("2024/01/06", "売掛金", "現金", "6", 1, 0).Owned(), 0);        // no class digits: choice 2 carried
    add(OneRowEntry("2024/01/07", "売上", "現金", "7", 0, 0).Owned(), 1150000);
    add(OneRowEntry("2024/01/08", "謎", "預り金", "8", 1, 0).Owned(), 0);          // no account of the dictionary

    const JournalListLines lines(journal, d.dict);
    const JournalLineFormatter formatter(d.dict);
    ASSERT_EQ(4, lines.Count());
    const int choices[] = {2, 2, 0, 0};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(formatter.Line(*journal.GetAt(i), choices[i]), lines.Text(i)) << i;
    EXPECT_NE(formatter.Line(*journal.GetAt(1), 0), lines.Text(1));
    EXPECT_EQ(CString(), lines.Text(4));
    // What the rebuild leaves: the last class code, the words of the last cause on the class side.
    EXPECT_EQ(1150000, EncodeClassCode(lines.LastClassCode()));
    ASSERT_TRUE(lines.LastWordsFound());
    EXPECT_EQ("について", lines.LastWord1());
    EXPECT_EQ("として", lines.LastWord2());

    // The second entry deleted: its line is empty, the later ones are found one place up.
    const CString third = lines.Text(2);
    journal.RemoveAt(1);
    kept[1].reset();
    EXPECT_EQ(CString(), lines.Text(1));
    EXPECT_EQ(third, lines.Text(2));

    // 預り金 added to the result branch: the fourth line now shows its phrase.
    const CString before = lines.Text(3);
    InsertDictionaryNodeWords(d.dict, 8, "預り金", "を預り", "を返し");
    EXPECT_NE(before, lines.Text(3));
    EXPECT_EQ(JournalLineFormatter(d.dict).Line(*journal.GetAt(2), 0), lines.Text(3));
}

TEST(JournalSort, StableByYearsLastDigitsMonthAndDay)
{
    EXPECT_EQ(130510, DateSortKey("2013/05/10"));
    // Each field read as atoi reads its two bytes: blanks and a sign first, up to a non-digit.
    for (const char* date : {"2024/1/05", "2024/ 1/-5", "24", "", "2024/12/3", "20+4/0x/1a", "あい/うえ/お"}) {
        const CString text = date;
        EXPECT_EQ(atoi(text.Mid(2, 2)) * 10000 + atoi(text.Mid(5, 2)) * 100 + atoi(text.Mid(8, 2)), DateSortKey(text))
            << date;
    }
    Entries journal;
    const char* dates[] = {"2024/12/31", "2024/01/01", "2024/03/05", "2024/01/01", "2024/03/05", "2024/02/01"};
    for (int i = 0; i < 6; ++i) {
        CMyObject2& e = journal.Add("売上");
        e.m_strDate = dates[i];
        e.m_strRemark.Format("%d", i);
    }
    SortJournalByDate(journal.list);
    CString order;
    for (int i = 0; i < journal.list.GetSize(); ++i)
        order += journal.list.GetAt(i)->m_strRemark;
    EXPECT_EQ("135240", order);
}

}  // namespace
