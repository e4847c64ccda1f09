// Ranked suggestions, offered result lists, dictionary lookups and insertions,
// description labels.
#include "dictionary_fixture.h"

#include "core/sjis_text.h"

#include <gtest/gtest.h>

namespace {

std::vector<CString> Names(const std::vector<RankedAccount>& ranked)
{
    std::vector<CString> names;
    for (const RankedAccount& a : ranked)
        names.push_back(a.name);
    return names;
}

std::vector<int> Counts(const std::vector<RankedAccount>& ranked)
{
    std::vector<int> counts;
    for (const RankedAccount& a : ranked)
        counts.push_back(a.count);
    return counts;
}

const auto kResults = {&CMyObject2::m_strResult1, &CMyObject2::m_strResult2, &CMyObject2::m_strResult3};

TEST(RankCandidates, CountsHintsThenJournalAndRanksByBandsKeepingFirstAppearance)
{
    Entries hints;
    Entries journal;
    hints.Repeat(12, "売上", "現金");      // band 11..30
    hints.Repeat(2, "売上", "売掛金");     // band 2, first met before 普通預金
    journal.Repeat(25, "売上", "普通預金"); // band 11..30, after 現金
    journal.Repeat(31, "売上", "当座預金"); // more than 30
    journal.Repeat(1, "売上", "受取手形");
    journal.Repeat(7, "仕入", "買掛金");    // another cause: not counted
    const auto ranked = RankCandidates("売上", hints.list, journal.list, kResults);
    EXPECT_EQ((std::vector<CString>{"当座預金", "現金", "普通預金", "売掛金", "受取手形"}), Names(ranked));
    EXPECT_EQ((std::vector<int>{31, 12, 25, 2, 1}), Counts(ranked));
}

TEST(RankCandidates, BandEdges)
{
    struct Case {
        int count;
        int band;  // position among the seven bands
    };
    // One account per band, listed from the lowest band up: the ranking must turn it round.
    Entries journal;
    const Case cases[] = {{1, 6}, {2, 5}, {3, 4}, {4, 3}, {6, 3}, {7, 2}, {10, 2}, {11, 1}, {30, 1}, {31, 0}};
    std::vector<std::string> names;
    for (const Case& c : cases) {
        names.push_back("科目" + std::to_string(c.count));
        for (int i = 0; i < c.count; ++i)
            journal.Add("現金", {}, {names.back().c_str()});
    }
    Entries none;
    const auto ranked = RankCandidates("現金", none.list, journal.list, kResults);
    EXPECT_EQ((std::vector<CString>{"科目31", "科目11", "科目30", "科目7", "科目10", "科目4", "科目6", "科目3",
                                    "科目2", "科目1"}),
              Names(ranked));
}

TEST(RankCandidates, ComparesWholeNamesNotPartsOfEarlierOnes)
{
    Entries journal;
    journal.Add("売上", {}, {"普通預金"});
    journal.Add("売上", {}, {"預金"});
    journal.Add("売上", {}, {"預金"});
    // Two long names that share their first 20 bytes stay two accounts and keep their whole names.
    journal.Add("売上", {}, {"とても長い名前の普通預金口座Ａ"});
    journal.Add("売上", {}, {"とても長い名前の普通預金口座Ｂ"});
    journal.Add("売上", {}, {"とても長い名前の普通預金口座Ａ"});
    Entries none;
    const auto ranked = RankCandidates("売上", none.list, journal.list, kResults);
    EXPECT_EQ((std::vector<CString>{"預金", "とても長い名前の普通預金口座Ａ", "普通預金", "とても長い名前の普通預金口座Ｂ"}),
              Names(ranked));
    EXPECT_EQ((std::vector<int>{2, 2, 1, 1}), Counts(ranked));
}

TEST(RankCandidates, CauseIsFoundInsideLongerFirstCauseAccountsAndBlanksAreDropped)
{
    Entries journal;
    journal.Add("現金過不足", {}, {"雑 損 失"});
    journal.Add("預金", {"現金", ""}, {"現金"});  // 現金 only as second cause: not counted
    Entries none;
    const auto ranked = RankCandidates("現金", none.list, journal.list, kResults);
    EXPECT_EQ(std::vector<CString>{"雑損失"}, Names(ranked));
    EXPECT_TRUE(RankCandidates("現金", none.list, none.list, kResults).empty());
}

TEST(OfferedResultList, RankedPartThenEveryOtherResultAccountOnce)
{
    DictionaryFixture d({{1, "売上"}, {5, "現金"}, {5, "普通預金"}, {8, "現金"}, {8, "普通預金"}, {8, "売掛金"}});
    Entries hints;
    Entries journal;
    journal.Add("売上", {}, {"普通預金"});
    EXPECT_EQ((std::vector<CString>{kRankedHeader, "普通預金", kOtherAccountsHeader, "現金", "売掛金"}),
              OfferedResultList("売上", d.dict, hints.list, journal.list));
    // No candidate: no ranked header, the whole result branch.
    EXPECT_EQ((std::vector<CString>{kOtherAccountsHeader, "現金", "普通預金", "売掛金"}),
              OfferedResultList("仕入", d.dict, hints.list, journal.list));
}

TEST(OfferedResultList, StartsAtTheResultBranchEvenWhenTheLastClassHasNoAccounts)
{
    // Class 7 (資本) has no account: the result branch must still be read from its own first child.
    DictionaryFixture d({{1, "売上"}, {5, "現金"}, {8, "現金"}, {8, "売上"}});
    Entries none;
    EXPECT_EQ((std::vector<CString>{kOtherAccountsHeader, "現金", "売上"}),
              OfferedResultList("売上", d.dict, none.list, none.list));
}

TEST(DictionaryLookups, ClassSideResultBranchAndChildren)
{
    DictionaryFixture d({{1, "雑収入"}, {4, "未払金"}, {5, "未払金"}, {5, "現金"}, {8, "現金"}, {8, "未払金"},
                         {12, "小口"}});
    const int later = 11;  // 未払金 under 資産(流動)
    ASSERT_EQ("未払金", d.dict.GetAt(later)->m_strName);
    EXPECT_EQ(later, FindClassSideAccount(d.dict, "未払金"));
    EXPECT_EQ(4, ClassIndexOfNode(d.dict, later));
    EXPECT_EQ(-1, ClassIndexOfNode(d.dict, 3));  // a class node belongs to no class's run
    EXPECT_EQ(-1, FindClassSideAccount(d.dict, "売掛金"));
    EXPECT_EQ(10, FindRowAccount(d.dict, 0, "未払金"));  // the first one on the class side
    EXPECT_EQ(14, FindRowAccount(d.dict, 1, "未払金"));
    EXPECT_EQ(-1, FindRowAccount(d.dict, 1, "雑収入"));
    EXPECT_EQ(-1, FindChildNode(d.dict, 8, ""));
    EXPECT_EQ(-2, FindChildNode(d.dict, 8, "雑収入"));
    EXPECT_EQ(std::vector<CString>{"小口"}, ChildNames(d.dict, 12));
    EXPECT_EQ((std::vector<CString>{"現金", "未払金"}), ChildNames(d.dict, 8));
}

TEST(DictionaryInsert, KeepsRunsContiguousAndMovesLaterFirstChildren)
{
    DictionaryFixture d({{1, "売上"}, {5, "現金"}, {8, "現金"}, {9, "店頭"}, {11, "小口"}});
    const int position = InsertDictionaryNodeWords(d.dict, 1, "雑収入", "について", "として");
    EXPECT_EQ(10, position);
    EXPECT_EQ((std::vector<CString>{"売上", "雑収入"}), ChildNames(d.dict, 1));
    EXPECT_EQ(std::vector<CString>{"現金"}, ChildNames(d.dict, 5));
    EXPECT_EQ(std::vector<CString>{"現金"}, ChildNames(d.dict, 8));
    EXPECT_EQ(std::vector<CString>{"店頭"}, ChildNames(d.dict, 9));
    EXPECT_EQ(std::vector<CString>{"小口"}, ChildNames(d.dict, 12));
    EXPECT_EQ("について", d.dict.GetAt(position)->m_strWord1);
    // A node without children gets its first run at the end when no later node has one.
    const int last = InsertDictionaryNodeWords(d.dict, 13, "窓口", "", "");
    EXPECT_EQ(d.dict.GetSize() - 1, last);
    EXPECT_EQ(std::vector<CString>{"窓口"}, ChildNames(d.dict, 13));
}

TEST(EnsureDictionaryAccount, AddsWhatIsMissingOnceOnBothSides)
{
    DictionaryFixture d({{1, "売上"}, {4, "未払金"}, {5, "現金"}, {8, "現金"}, {8, "売上"}});
    EXPECT_TRUE(EnsureDictionaryAccount(d.dict, 0, "貸倒回収益", "", "について", "として", "", "で収益の計上"));
    EXPECT_TRUE(EnsureDictionaryAccount(d.dict, 3, "事業主借", "譲渡益", "として", "について", "", "で事業主が借り"));
    const int size = d.dict.GetSize();
    EXPECT_FALSE(EnsureDictionaryAccount(d.dict, 0, "貸倒回収益", "", "について", "として", "", "で収益の計上"));
    EXPECT_FALSE(EnsureDictionaryAccount(d.dict, 3, "事業主借", "譲渡益", "として", "について", "", "で事業主が借り"));
    EXPECT_EQ(size, d.dict.GetSize());

    EXPECT_EQ((std::vector<CString>{"売上", "貸倒回収益"}), ChildNames(d.dict, 1));
    EXPECT_EQ((std::vector<CString>{"未払金", "事業主借"}), ChildNames(d.dict, 4));
    EXPECT_EQ((std::vector<CString>{"現金", "売上", "貸倒回収益", "事業主借"}), ChildNames(d.dict, 8));
    const int causeNode = FindClassSideAccount(d.dict, "事業主借");
    const int branchNode = FindChildNode(d.dict, 8, "事業主借");
    EXPECT_EQ(std::vector<CString>{"譲渡益"}, ChildNames(d.dict, causeNode));
    EXPECT_EQ(std::vector<CString>{"譲渡益"}, ChildNames(d.dict, branchNode));
    EXPECT_EQ("として", d.dict.GetAt(causeNode)->m_strWord1);
    EXPECT_EQ("で事業主が借り", d.dict.GetAt(branchNode)->m_strWord2);
    EXPECT_EQ("", d.dict.GetAt(branchNode)->m_strWord1);
}

TEST(EnsureDictionaryAccount, AccountOnTheClassSideOnlyGetsItsResultNodeAndDescription)
{
    DictionaryFixture d({{4, "事業主借", "として", "について"}, {5, "現金"}, {8, "現金"}});
    EXPECT_TRUE(EnsureDictionaryAccount(d.dict, 3, "事業主借", "譲渡益", "として", "について", "", "で事業主が借り"));
    EXPECT_EQ(std::vector<CString>{"事業主借"}, ChildNames(d.dict, 4));
    EXPECT_EQ(std::vector<CString>{"譲渡益"}, ChildNames(d.dict, FindClassSideAccount(d.dict, "事業主借")));
    EXPECT_EQ(std::vector<CString>{"譲渡益"}, ChildNames(d.dict, FindChildNode(d.dict, 8, "事業主借")));
}

TEST(DescriptionLabel, PartnerAccountsAndRowLabels)
{
    struct Case {
        int side;
        int row;
        const char* account;
        const char* label;
    } cases[] = {
        {0, 1, "売上", "取引先"},      {1, 2, "買掛金", "取引先"},    {0, 3, "普通預金", "取引先"},
        {1, 1, "定期預金", "取引先"},  {0, 2, "現金", "2段目摘要1"}, {1, 3, "売上高", "3段目摘要2"},
        {0, 1, "", "1段目摘要1"},      {1, 1, "預", "1段目摘要2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.label, DescriptionLabel(c.side, c.row, c.account)) << c.account;
}

TEST(WholeCharacters, ASearchNeverStartsOnATrailByte)
{
    // "ア" is 83 41 and "A" is 41: "A" is not in "ア", "ア" is.
    EXPECT_EQ(-1, FindWholeChars("ア", "A"));
    EXPECT_EQ(2, FindWholeChars("xアA", "ア") + 1);
    EXPECT_EQ(3, FindWholeChars("xアA", "A"));
    EXPECT_EQ("を", LastChar("について。を"));
    EXPECT_EQ("て", LastChar("として"));
    EXPECT_EQ("", LastChar(""));
}

}  // namespace
