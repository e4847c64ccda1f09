// The journal's CSV forms: the one-line and three-line exports byte for byte, and
// the record form read back with its rules, its checks and its refusals.
#include "../support/journal_fixtures.h"
#include "core/journal_csv.h"
#include "core/record_file.h"

#include <gtest/gtest.h>

namespace {

class JournalCsvTest : public ::testing::Test {
protected:
    void TearDown() override { DeleteRecords(m_journal); }

    void Add(const EntryBuilder& entry) { m_journal.Add(entry.New()); }
    // A cash sale (result rows debit) and a purchase with a second cause row
    // (cause rows debit) whose remark is nothing but an item breakdown.
    void AddTwoEntries()
    {
        Add(EntryBuilder("2024/01/05")
                .Cause("売上", "1000", "A商店")
                .Result("現金", "1000")
                .Direction(1)
                .Remark("手渡し" + RemarkItem("品目A")));
        Add(EntryBuilder("2024/02/10")
                .Cause("仕入", "500", "B商事")
                .Cause("通信費", "300", "切手")
                .Result("現金", "800")
                .Direction(0)
                .Remark(RemarkItem("内訳")));
    }

    JournalArray m_journal;
};

TEST_F(JournalCsvTest, OneLineFormPutsTheDebitSideFirstAndCutsTheRemarkAtTheBreakdown)
{
    AddTwoEntries();
    Add(EntryBuilder("2024/03/01").Cause("雑収入").Direction(-1));  // no phrase: result rows are debit
    EXPECT_EQ(std::string("日付,1借方科目,金額,2借方科目,金額,3借方科目,金額,借方摘要,1貸方科目,金額,2貸方科目,金額,3貸方科目,金額,貸方摘要\r\n"
                          "2024/01/05,現金,1000,,,,,,売上,1000,,,,,A商店 手渡し\r\n"
                          "2024/02/10,仕入,500,通信費,300,,,B商事,現金,800,,,,, \r\n"
                          "2024/03/01,,,,,,,,雑収入,,,,,, \r\n"),
              JournalCsvText(m_journal, 1).str());
}

TEST_F(JournalCsvTest, ThreeLineFormWritesFiveLinesPerEntry)
{
    AddTwoEntries();
    EXPECT_EQ(std::string("日付,借方科目,金額,借方摘要,貸方科目,金額,貸方摘要\r\n"
                          "2024/01/05,現金,1000,,売上,1000,A商店 \r\n"
                          ",,,,,, \r\n"
                          ",,,,,, \r\n"
                          "備考,手渡し,,,,,\r\n"
                          "日付,借方科目,金額,借方摘要,貸方科目,金額,貸方摘要\r\n"
                          "2024/02/10,仕入,500,B商事,現金,800, \r\n"
                          ",通信費,300,切手,,, \r\n"
                          ",,,,,, \r\n"
                          "備考,,,,,,\r\n"),
              JournalCsvText(m_journal, 3).str());
}

TEST_F(JournalCsvTest, AnEmptyJournalGivesTheHeaderOrNothing)
{
    EXPECT_EQ(std::string("日付,1借方科目,金額,2借方科目,金額,3借方科目,金額,借方摘要,1貸方科目,金額,2貸方科目,金額,3貸方科目,金額,貸方摘要\r\n"),
              JournalCsvText(m_journal, 1).str());
    EXPECT_EQ(std::string(), JournalCsvText(m_journal, 3).str());
}

TEST_F(JournalCsvTest, FieldsWithCommasQuotesOrLineBreaksAreQuotedAndKeepTheirColumns)
{
    Add(EntryBuilder("2024/03/01")
            .Cause("売上", "100", "甲,乙")
            .Result("現金", "100", "\"特\"")
            .Direction(0)
            .Remark("行1\n行2"));
    const CString text = JournalCsvText(m_journal, 1);
    EXPECT_NE(std::string::npos,
              text.str().find("2024/03/01,売上,100,,,,,\"甲,乙\",現金,100,,,,,\"\"\"特\"\" 行1\n行2\"\r\n"));

    std::vector<CsvLine> lines;
    CsvProblem problem;
    ASSERT_TRUE(SplitCsvLines(text.str(), lines, problem));
    ASSERT_EQ(2u, lines.size());
    std::vector<CsvCell> cells;
    ASSERT_TRUE(SplitCsvCells(lines[1].text, 0, cells, problem));
    ASSERT_EQ(15u, cells.size());
    EXPECT_EQ(CString("甲,乙"), cells[7].text);
    EXPECT_EQ(CString("現金"), cells[8].text);
    EXPECT_EQ(CString("\"特\" 行1\n行2"), cells[14].text);

    // The three-line form quotes the same way.
    const CString three = JournalCsvText(m_journal, 3);
    EXPECT_NE(std::string::npos, three.str().find("2024/03/01,売上,100,\"甲,乙\",現金,100,\"\"\"特\"\" \"\r\n"));
    EXPECT_NE(std::string::npos, three.str().find("備考,\"行1\n行2\",,,,,\r\n"));
}

// The twenty strings and two numbers of an entry as one text, for comparing.
std::string Fields(const CMyObject2& e)
{
    std::string out;
    for (const CString* s : {&e.m_strDate, &e.m_strCause1, &e.m_strCause2, &e.m_strCause3, &e.m_strResult1,
                             &e.m_strResult2, &e.m_strResult3, &e.m_strCauseAmount1, &e.m_strCauseAmount2,
                             &e.m_strCauseAmount3, &e.m_strResultAmount1, &e.m_strResultAmount2,
                             &e.m_strResultAmount3, &e.m_strCauseDesc1, &e.m_strCauseDesc2, &e.m_strCauseDesc3,
                             &e.m_strResultDesc1, &e.m_strResultDesc2, &e.m_strResultDesc3, &e.m_strRemark})
        out += s->str() + "|";
    return out + std::to_string(e.m_nDirection) + "|" + std::to_string(e.m_nClassCode);
}

TEST(RecordCsv, ReadsEachLineAsTheTwentyTwoFieldsOfAnEntry)
{
    struct Case {
        const char* rule;
        const char* line;
        const char* fields;
    };
    const Case cases[] = {
        {"all fields, blanks trimmed", "2024/01/05, 売上 ,,,現金,,,1000,,,1000,,,A商店,,,,,,メモ,1,1005000",
         "2024/01/05|売上|||現金|||1000|||1000|||A商店||||||メモ|1|1005000"},
        {"apostrophe becomes a comma", "2024/01/05,売上,,,現金,,,1000,,,1000,,,A'B商店,,,,,,x'y,0,0",
         "2024/01/05|売上|||現金|||1000|||1000|||A,B商店||||||x,y|0|0"},
        {"comma inside the first parentheses removed", "2024/01/05,売上(東,京),,,現金,,,1000,,,1000",
         "2024/01/05|売上(東京)|||現金|||1000|||1000||||||||||0|0"},
        {"a second comma in them still splits", "2024/01/05,売上(東,京,都),,現金,,,600,400,,1000",
         "2024/01/05|売上(東京|都)||現金|||600|400||1000||||||||||0|0"},
        {"a comma right after the parenthesis splits", "2024/01/05,売上(,東),,現金,,,600,400,,1000",
         "2024/01/05|売上(|東)||現金|||600|400||1000||||||||||0|0"},
        {"short line", "2024/01/05,売上,,,現金,,,1000,,,1000",
         "2024/01/05|売上|||現金|||1000|||1000||||||||||0|0"},
        {"quoted fields taken literally",
         "2024/01/05,\"売上,特\",,,\"a\r\nb\",,,\"1,000\",,,\"1,000\",,,\"it's\",,,\"\"\"x\"\"\"",
         "2024/01/05|売上,特|||a\r\nb|||1,000|||1,000|||it's|||\"x\"||||0|0"},
        {"minus one and negative amounts with decimals", "2024/12/31,a,,,b,,,-12.5,,,-12.50,,,,,,,,,,-1,7000",
         "2024/12/31|a|||b|||-12.5|||-12.50||||||||||-1|7000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        std::vector<std::unique_ptr<CMyObject2>> entries;
        CsvProblem problem;
        ASSERT_TRUE(ReadRecordCsv(std::string(c.line) + "\r\n", entries, problem)) << problem.Text().str();
        ASSERT_EQ(1u, entries.size());
        EXPECT_EQ(std::string(c.fields), Fields(*entries[0]));
    }
}

TEST(RecordCsv, ReadsEveryLineInOrderAndSkipsEmptyRows)
{
    std::vector<std::unique_ptr<CMyObject2>> entries;
    CsvProblem problem;
    ASSERT_TRUE(ReadRecordCsv("2024/01/01,a,,,x,,,1,,,1\n\r\n2024/01/02,b,,,x,,,1,,,1\r\n,, ,,\n2024/01/03,c,,,x,,,1,,,1",
                              entries, problem));
    ASSERT_EQ(3u, entries.size());
    EXPECT_EQ(CString("a"), entries[0]->m_strCause1);
    EXPECT_EQ(CString("c"), entries[2]->m_strCause1);
    EXPECT_EQ(CString("2024/01/03"), entries[2]->m_strDate);
}

// A file an editor saved as UTF-8 (with or without its mark), or with bytes
// Shift-JIS does not have, is refused for its encoding before any line is read;
// the program's own Shift-JIS text is read.
TEST(RecordCsv, TextThatIsNotShiftJisIsRefusedForItsEncoding)
{
    const std::string sjis = "2024/01/05,\x94\x84\x8F\xE3,,,\x8C\xBB\x8B\xE0,,,1000,,,1000\r\n";  // 売上, 現金
    const std::string utf8 = "2024/01/05,\xE5\xA3\xB2\xE4\xB8\x8A,,,\xE7\x8F\xBE\xE9\x87\x91,,,1000,,,1000\r\n";
    const struct {
        const char* what;
        std::string file;
    } refused[] = {
        {"UTF-8", utf8},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + utf8},
        {"UTF-8 of two-byte characters", "2024/01/05,caf\xC3\xA9\r\n"},
        {"a lone lead byte", "2024/01/05,\x84,x\r\n"},
        {"a lead byte at the end", sjis + "\x94"},
        {"a byte Shift-JIS does not use", "2024/01/05,\xFF\r\n"},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.what);
        std::vector<std::unique_ptr<CMyObject2>> entries;
        CsvProblem problem;
        EXPECT_FALSE(ReadRecordCsv(c.file, entries, problem));
        EXPECT_TRUE(entries.empty());
        EXPECT_EQ(0, problem.line);
        EXPECT_EQ(0, problem.field);
        EXPECT_EQ(NotShiftJisProblem().what, problem.what);
    }
    std::vector<std::unique_ptr<CMyObject2>> entries;
    CsvProblem problem;
    ASSERT_TRUE(ReadRecordCsv(sjis + "2024/01/06,\xB1\xB2,,,x,,,1,,,1\r\n", entries, problem)) << problem.Text().str();
    EXPECT_EQ(CString("売上"), entries[0]->m_strCause1);
}

TEST(RecordCsv, RefusesAForeignFileNamingTheLineAndField)
{
    const std::string header =
        "日付,1借方科目,金額,2借方科目,金額,3借方科目,金額,借方摘要,1貸方科目,金額,2貸方科目,金額,3貸方科目,金額,貸方摘要\r\n";
    const std::string good = "2024/01/05,売上,,,現金,,,1000,,,1000\r\n";
    struct Case {
        const char* fault;
        std::string file;
        int line;
        int field;
    };
    const Case cases[] = {
        {"the one-line export", header + "2024/01/05,現金,1000,,,,,,売上,1000,,,,,A商店 \r\n", 1, 1},
        {"the three-line export", "日付,借方科目,金額,借方摘要,貸方科目,金額,貸方摘要\r\n", 1, 1},
        {"a month 13", "2024/13/01,a\r\n", 1, 1},
        {"letters in an amount", good + "2024/01/05,売上,,,,,,12x\r\n", 2, 8},
        {"three decimals", good + good + "2024/01/05,a,,,,,,,,,,,1.234\r\n", 3, 13},
        {"nineteen integer digits", "2024/01/05,a,,,,,,,,,1234567890123456789\r\n", 1, 11},
        {"a direction of 2", "2024/01/05,a,,,,,,,,,,,,,,,,,,,2,0\r\n", 1, 21},
        {"letters in the class code", "2024/01/05,a,,,,,,,,,,,,,,,,,,,1,12a\r\n", 1, 22},
        {"twenty-three fields", "2024/01/05,a,,,,,,,,,,,,,,,,,,,1,1005000,x\r\n", 1, 23},
        {"a quote never closed", good + good + "2024/01/05,\"a\r\n", 3, 2},
        {"text after a closing quote", "2024/01/05,\"a\"b\r\n", 1, 2},
        {"no such day", good + "2024/02/30,売上,,,現金,,,1000,,,1000\r\n", 2, 1},
        {"an empty file", "", 0, 0},
        {"nothing but empty rows", "\r\n,,,\r\n", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        std::vector<std::unique_ptr<CMyObject2>> entries;
        CsvProblem problem;
        EXPECT_FALSE(ReadRecordCsv(c.file, entries, problem));
        EXPECT_TRUE(entries.empty());
        EXPECT_EQ(c.line, problem.line);
        EXPECT_EQ(c.field, problem.field);
        EXPECT_FALSE(problem.what.IsEmpty());
    }
    std::vector<std::unique_ptr<CMyObject2>> entries;
    CsvProblem problem;
    // One field left out in the middle of a whole line: the count is what is
    // wrong, not the description that now stands where an amount belongs.
    const std::string whole = "2024/01/05,売上,,,現金,,,1000,,,1000,,,A商店,,,,,,,1,1005000\r\n";
    ASSERT_TRUE(ReadRecordCsv(whole, entries, problem)) << problem.Text().str();
    std::string missing = whole;
    missing.erase(missing.find(",,,1000,,,A"), 1);
    EXPECT_FALSE(ReadRecordCsv(missing, entries, problem));
    EXPECT_EQ(std::string("1行目：項目の数が足りません（21項目）。途中の項目が抜けていないか確かめてください"),
              problem.Text().str());
    ReadRecordCsv(good + "2024/01/05,売上,,,,,,12x\r\n", entries, problem);
    EXPECT_EQ(std::string("2行目の8番目の項目（原因金額1）：金額「12x」は数字として読めません。\n\n"
                          "数字とカンマ、小数点以下2桁までの小数で入力してください。"),
              problem.Text().str());
}

// Each line is taken only when the journal view would commit its entry: the
// same check, and the whole file refused on the first entry it refuses.
TEST(RecordCsv, RefusesAnEntryTheJournalWouldNotCommit)
{
    const std::string good = "2024/01/05,売上,,,現金,,,1000,,,1000,,,,,,,,,,1,1005000\r\n";
    struct Case {
        const char* fault;
        std::string line;
        const char* text;
    };
    const Case cases[] = {
        {"the sides differ", "2024/01/05,売上,,,現金,,,999,,,10000,,,,,,,,,,1,1005000",
         "3行目：原因科目金額　と　結果科目金額　が　相違しています。！"},
        {"no first cause account, yet amounts", "2024/01/05,,,,現金,,,1000,,,1000,,,,,,,,,,1,1005000",
         "3行目：「原因の科目」が入力されていません。"},
        {"an amount on a row without its account", "2024/01/05,売上,,,現金,,,1000,5,,1005,,,,,,,,,,1,1005000",
         "3行目：原因科目２段目に金額が入力されていますが、科目名が入力されていません。"},
        {"no such day", "2024/02/30,売上,,,現金,,,1000,,,1000,,,,,,,,,,1,1005000",
         "3行目の1番目の項目（日付）：日付「2024/02/30」は暦にある日ではありません。\n\n"
         "日付は「年4桁/月2桁/日2桁」の暦にある日で書いてください。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        std::vector<std::unique_ptr<CMyObject2>> entries;
        CsvProblem problem;
        EXPECT_FALSE(ReadRecordCsv(good + good + c.line + "\r\n" + good, entries, problem));
        EXPECT_TRUE(entries.empty());
        EXPECT_EQ(std::string(c.text), problem.Text().str());
    }
}

}  // namespace
