// The dictionary CSV file: written line by line as the nodes stand, read back into
// the same nodes, and refused whole when it does not hold the dictionary's tree.
#include "dictionary_fixture.h"

#include "core/dictionary_csv.h"

namespace {

// The root, the seven classes and the result branch, as bare lines.
const std::string kNineNodes =
    "1,8,根,,\r\n0,0,収益,,\r\n0,0,費用1,,\r\n0,0,費用2,,\r\n0,0,負債,,\r\n0,0,資産1,,\r\n0,0,資産2,,\r\n0,0,資本,,\r\n";

class DictionaryCsvTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        DeleteRecords(m_nodes);
        DeleteRecords(m_read);
    }
    DictionaryNodes m_nodes;
    DictionaryNodes m_read;
};

TEST_F(DictionaryCsvTest, WritesOneBareLinePerNodeAndReadsTheSameNodesBack)
{
    MakeDictionary(SmallDictionary(), m_nodes);
    const CString text = DictionaryCsvText(m_nodes);
    EXPECT_EQ(0, text.Find("1,8,科目辞書,,\r\n9,2,収益,,\r\n11,1,費用(仕入.給与.税),,\r\n"));
    EXPECT_NE(-1, text.Find("\r\n23,1,売上,について,として\r\n0,0,雑収入,について,として\r\n"));
    EXPECT_EQ(-1, text.Find("\""));
    CsvProblem problem;
    ASSERT_TRUE(ReadDictionaryCsv(text.str(), m_read, problem)) << problem.Text().str();
    EXPECT_EQ(NodeLines(m_nodes), NodeLines(m_read));
}

TEST_F(DictionaryCsvTest, CommasQuotesAndLineBreaksSurviveTheRoundTrip)
{
    MakeDictionary(SmallDictionary(), m_nodes);
    m_nodes[9]->m_strWord1 = "について,で";      // a comma in a word travels as "'"
    m_nodes[10]->m_strName = "雑,収入";          // names and other fields are quoted
    m_nodes[11]->m_strWord2 = "it's";
    m_nodes[12]->m_strName = "通信\"費\"";
    m_nodes[13]->m_strWord1 = "行1\r\n行2";
    const CString text = DictionaryCsvText(m_nodes);
    EXPECT_NE(-1, text.Find("23,1,売上,について'で,として\r\n"));
    EXPECT_NE(-1, text.Find("0,0,\"雑,収入\",について,として\r\n"));
    EXPECT_NE(-1, text.Find(",\"it's\"\r\n"));
    EXPECT_NE(-1, text.Find(",\"通信\"\"費\"\"\","));
    CsvProblem problem;
    ASSERT_TRUE(ReadDictionaryCsv(text.str(), m_read, problem)) << problem.Text().str();
    EXPECT_EQ(NodeLines(m_nodes), NodeLines(m_read));
}

// Texts a dictionary can hold but Shift-JIS cannot spell (a lone lead byte in
// front of a comma or a "'"): the export keeps its fields apart and the import
// refuses the file instead of splitting a word. A file saved as UTF-8 is refused
// for its encoding, and nothing is read.
TEST_F(DictionaryCsvTest, TextThatIsNotShiftJisIsRefusedAndNeverSplit)
{
    MakeDictionary(SmallDictionary(), m_nodes);
    for (const char* word : {"\x84,x", "\x84'x", "\x81\"", "a\x9f"}) {
        SCOPED_TRACE(word);
        m_nodes[9]->m_strWord1 = word;
        m_nodes[9]->m_strName = word;
        const CString text = DictionaryCsvText(m_nodes);
        CsvProblem problem;
        EXPECT_FALSE(ReadDictionaryCsv(text.str(), m_read, problem));
        EXPECT_EQ(0, m_read.GetSize());
        EXPECT_EQ(NotShiftJisProblem().what, problem.what);
    }

    // 科目 and 結果 in UTF-8, the other names plain letters: a tree the reader
    // would take if the encoding were not looked at first.
    std::string utf8 = "1,8,\xE7\xA7\x91\xE7\x9B\xAE,,\r\n";
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g"})
        utf8 += std::string("0,0,") + name + ",,\r\n";
    utf8 += "0,0,\xE7\xB5\x90\xE6\x9E\x9C,,\r\n";
    std::string marked = "\xEF\xBB\xBF" "1,8,r,,\r\n";
    for (int i = 0; i < 8; ++i)
        marked += "0,0,n,,\r\n";
    CsvProblem accepted;
    ASSERT_TRUE(ReadDictionaryCsv(marked.substr(3), m_read, accepted)) << accepted.Text().str();
    DeleteRecords(m_read);
    for (const std::string& file : {utf8, marked}) {
        CsvProblem problem;
        EXPECT_FALSE(ReadDictionaryCsv(file, m_read, problem));
        EXPECT_EQ(0, m_read.GetSize());
        EXPECT_EQ(NotShiftJisProblem().what, problem.what);
    }
}

TEST_F(DictionaryCsvTest, BareLinesAreCleanedAsTheWriterLeavesThem)
{
    struct Case {
        const char* rule;
        const char* line;  // the result branch's line
        const char* node;
    };
    const Case cases[] = {
        {"plain", "0,0,結果科目,で受取り,で支払い", "8: 0,0,結果科目,で受取り,で支払い"},
        {"apostrophes become commas", "0,0,結果,a'b,c'd", "8: 0,0,結果,a,b,c,d"},
        {"more than four commas stay in word 2", "0,0,結果,a,b,c,d", "8: 0,0,結果,a,b,c,d"},
        {"blanks on the writer's side go", " 0, 0 , 結果 ,a ,  b ", "8: 0,0,結果 ,a,b "},
        {"an empty count is 0", "0,,結果", "8: 0,0,結果,,"},
        {"missing fields are empty", "0", "8: 0,0,,,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        DeleteRecords(m_read);
        CsvProblem problem;
        ASSERT_TRUE(ReadDictionaryCsv(kNineNodes + c.line + "\r\n", m_read, problem)) << problem.Text().str();
        EXPECT_EQ(std::string(c.node), NodeLines(m_read)[8]);
    }
}

TEST_F(DictionaryCsvTest, AFileThatIsNoTreeIsRefusedWithItsLineAndField)
{
    struct Case {
        const char* fault;
        std::string file;
        int line;
        int field;
    };
    const Case cases[] = {
        {"eight lines", kNineNodes, 0, 0},
        {"an empty line", kNineNodes + "\r\n", 9, 1},
        {"letters for the first child", kNineNodes + "x,0,結果,,\r\n", 9, 1},
        {"letters for the count", kNineNodes + "0,2a,結果,,\r\n", 9, 2},
        {"a run past the end", kNineNodes + "9,3,結果,,\r\n0,0,現金,,\r\n", 9, 2},
        {"a run in front of its parent", kNineNodes + "9,1,結果,,\r\n1,0,現金,,\r\n", 10, 1},
        {"a quote never closed", kNineNodes + "0,0,\"結果,,\r\n", 9, 3},
        {"text after a quoted word 2", kNineNodes + "0,0,結果,a,\"b\",c\r\n", 9, 5},
        {"a line nobody's child", kNineNodes + "0,0,結果,,\r\n0,0,迷子,,\r\n", 10, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        DeleteRecords(m_read);
        CsvProblem problem;
        EXPECT_FALSE(ReadDictionaryCsv(c.file, m_read, problem));
        EXPECT_EQ(0, m_read.GetSize());
        EXPECT_EQ(c.line, problem.line);
        EXPECT_EQ(c.field, problem.field);
        EXPECT_FALSE(problem.what.IsEmpty());
    }
}

}  // namespace
