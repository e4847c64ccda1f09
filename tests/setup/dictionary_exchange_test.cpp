#include "setup/dictionary_exchange.h"

#include "core/dictionary_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Owned {
    DictionaryNodes nodes;
    ~Owned()
    {
        for (int i = 0; i < nodes.GetSize(); ++i)
            delete nodes[i];
    }
};

std::string Text(const DictionaryNodes& nodes)
{
    const CString text = DictionaryCsvText(nodes);
    return std::string(static_cast<LPCTSTR>(text), static_cast<size_t>(text.GetLength()));
}

}  // namespace

TEST(DictionaryExchange, ExportThenImportGivesTheSameArray)
{
    Owned source, target;
    MakeDictionary(SmallDictionary(), source.nodes);
    source.nodes[10]->m_strWord1 = "で収入とする  です";  // a padded two-line word
    MakeDictionary(FixtureDictionary{}, target.nodes);
    CsvProblem problem;
    ASSERT_TRUE(ReplaceDictionaryFromCsv(Text(source.nodes), target.nodes, problem)) << problem.Text();
    EXPECT_EQ(NodeLines(target.nodes), NodeLines(source.nodes));
    EXPECT_EQ(Text(target.nodes), Text(source.nodes));
}

TEST(DictionaryExchange, DamagedFilesLeaveTheDictionaryUnchanged)
{
    Owned d;
    MakeDictionary(SmallDictionary(), d.nodes);
    const auto before = NodeLines(d.nodes);
    const std::string good = Text(d.nodes);
    std::string outOfRange = good;
    outOfRange.replace(0, outOfRange.find(','), "9999");  // the root's run beyond the file
    const std::string damaged[] = {
        "",
        "1,8,root,,\r\n0,0,a,,\r\n",  // fewer than 9 nodes
        outOfRange,
        good.substr(0, good.size() / 2),  // cut off: the runs run past the end
        "x" + good,                       // a first-child index that is no number
    };
    for (const auto& bytes : damaged) {
        CsvProblem problem;
        EXPECT_FALSE(ReplaceDictionaryFromCsv(bytes, d.nodes, problem)) << bytes.substr(0, 40);
        EXPECT_FALSE(problem.Text().IsEmpty());
        EXPECT_EQ(NodeLines(d.nodes), before);
    }
}
