// The input-hint dialog's portable part: the topics and how they split, the
// keyword search with its narrowing and result texts, the field codes and the
// rows they select, the amounts and the class code.
#include "journal/hint_search.h"

#include "journal/dictionary_fixture.h"
#include "support/entry_builder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SampleFields {
    const char* explanation;
    std::array<const char*, 3> causes;
    std::array<const char*, 3> results;
    std::array<const char*, 3> causeDescs = {"", "", ""};
    std::array<const char*, 3> resultDescs = {"", "", ""};
    const char* remark = "";
};

class Samples {
public:
    Samples(std::initializer_list<SampleFields> samples)
    {
        for (const SampleFields& sample : samples) {
            // The explanation stands where an entry has its date; amounts are never searched.
            EntryBuilder s(sample.explanation);
            for (size_t i = 0; i < 3; ++i)
                s.Cause(sample.causes[i], i == 0 ? "現金" : "", sample.causeDescs[i]);
            for (size_t i = 0; i < 3; ++i)
                s.Result(sample.results[i], "", sample.resultDescs[i]);
            list.Add(s.Remark(sample.remark).New());
        }
    }
    ~Samples()
    {
        for (int i = 0; i < list.GetSize(); ++i)
            delete list.GetAt(i);
    }
    Samples(const Samples&) = delete;
    Samples& operator=(const Samples&) = delete;

    JournalArray list;
};

TEST(HintTopics, SplitIntoShownTextNarrowingWordAndKeyword)
{
    struct Case {
        const char* topic;
        const char* shown;
        const char* narrow;
        const char* keyword;
    } const cases[] = {
        {"----[年初(期首)の記帳]--", "----[年初(期首)の記帳]--", "", "---[年初(期首)の記帳]-"},
        {"---------[売上]---------", "---------[売上]---------", "", "---[売上]-"},
        {"-----[金券,カード等]-----", "-----[金券,カード等]-----", "", "---[金券,カード等]-"},
        {"期首棚卸資産", "棚卸資産", "期首", "棚卸資産"},
        {"売上売上", "売上", "売上", "売上"},
        {"    事業主貸", "事業主貸", "", "事業主貸"},
        {"    ﾌﾟﾘﾍﾟｲﾄﾞｶｰﾄﾞ", "ﾌﾟﾘﾍﾟｲﾄﾞｶｰﾄﾞ", "", "ﾌﾟﾘﾍﾟｲﾄﾞｶｰﾄﾞ"},
    };
    for (const Case& c : cases) {
        const HintTopic topic = SplitTopic(c.topic);
        EXPECT_EQ(c.shown, topic.shown) << c.topic;
        EXPECT_EQ(c.narrow, topic.narrowWord) << c.topic;
        EXPECT_EQ(c.keyword, topic.keyword) << c.topic;
    }
}

TEST(HintTopics, SeventyThreeTopicsWithTheTenHeadingsInPlace)
{
    const auto& topics = HintTopics();
    std::vector<int> headings;
    for (size_t i = 0; i < topics.size(); ++i)
        if (CString(topics[i]).Find("[") >= 0)
            headings.push_back(static_cast<int>(i) + 1);
    EXPECT_EQ((std::vector<int>{1, 6, 9, 15, 21, 27, 33, 38, 43, 48}), headings);
    EXPECT_EQ(CString("    雑損"), topics.back());
    EXPECT_EQ(CString("    貸倒金"), topics[60]);
}

TEST(HintTopics, HeadingCutOfATypedKeywordStaysInsideTheText)
{
    struct Case {
        const char* typed;
        const char* keyword;
    } const cases[] = {
        {"[売上]", "[売上]"},           // "[" at the start: nothing in front to take
        {"ab[売上]", "ab[売上]"},
        {"-----[仕入]----", "---[仕入]-"},
        {"---[売上", "---[売上"},       // no "]": up to the end
        {"x]--[売上", "]-"},            // a "]" in front of the "[" ends the cut there
        {"]]]]]][", ""},                // ... and leaves nothing, never a negative length
        {"[", "["},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.keyword, HeadingKeyword(c.typed)) << c.typed;
}

TEST(HintFields, TheAccountsWinOverExplanationRemarkAndDescriptions)
{
    struct Case {
        SampleFields sample;
        int code;
    } const cases[] = {
        {{"売掛金の回収", {"普通預金", "売掛金", ""}, {"売上", "", ""}}, kHitCause2},
        {{"x", {"現金", "", ""}, {"売上", "", ""}, {"", "売掛金A", ""}}, kHitCauseDesc2},
        {{"x", {"現金", "", ""}, {"売上", "", ""}, {"売掛金", "", ""}, {"", "", "売掛金B"}}, kHitResultDesc3},
        {{"x", {"現金", "", ""}, {"売上", "", ""}, {"売掛金", "", ""}, {"", "", ""}, "売掛金"}, kHitRemark},
        {{"売掛金の話", {"現金", "", ""}, {"売上", "", ""}, {"", "", ""}, {"", "", ""}, "売掛金"}, kHitExplanation},
        {{"売掛金", {"売掛金", "", ""}, {"売掛金", "", ""}}, kHitCause1},
        {{"", {"現金", "", ""}, {"売上", "売掛金", "売掛金"}}, kHitResult2},
        {{"", {"現金", "", "売掛金"}, {"売上", "", "売掛金"}}, kHitCause3},
        {{"", {"現金", "", ""}, {"売上", "", ""}}, kHitNone},
    };
    for (const Case& c : cases) {
        Samples samples({c.sample});
        EXPECT_EQ(c.code, HintFieldOf(*samples.list.GetAt(0), "売掛金")) << c.code;
    }
}

TEST(HintFields, RowsOfEachFieldCode)
{
    struct Case {
        int code;
        int causeRow;
        int resultRow;
    } const cases[] = {
        {kHitNone, 1, 1},        {kHitExplanation, 1, 1}, {kHitCause1, 1, 1},      {kHitCause2, 2, 1},
        {kHitCause3, 3, 1},      {kHitResult1, 1, 1},     {kHitResult2, 1, 2},     {kHitResult3, 1, 3},
        {kHitRemark, 1, 1},      {kHitCauseDesc1, 1, 1},  {kHitCauseDesc2, 2, 1},  {kHitCauseDesc3, 3, 1},
        {kHitResultDesc1, 1, 1}, {kHitResultDesc2, 1, 2}, {kHitResultDesc3, 1, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.causeRow, CauseRowOfHit(c.code)) << c.code;
        EXPECT_EQ(c.resultRow, ResultRowOfHit(c.code)) << c.code;
    }
}

class HintSearchTest : public ::testing::Test {
protected:
    Samples samples{
        {"売上を現金で受け取った", {"売上", "", ""}, {"現金", "", ""}},
        {"売掛金を回収した", {"売掛金", "", ""}, {"普通預金", "", ""}},
        {"現金を預け入れた", {"現金", "", ""}, {"普通預金", "", ""}},
        {"掛けで売った", {"売上", "", ""}, {"売掛金", "", ""}, {"", "", ""}, {"(消)A商店", "", ""}},
    };
};

TEST_F(HintSearchTest, NarrowingKeepsTheHitsThatAlsoHoldTheNarrowingWord)
{
    const HintSearchResult r = SearchHints(samples.list, "現金", "売上");
    EXPECT_TRUE(r.narrowed);
    EXPECT_EQ((std::vector<int>{0}), r.hitIndex);
    EXPECT_EQ((std::vector<int>{kHitResult1}), r.hitField);
    EXPECT_EQ("\n[ 現金 ] [ 売上 ] の 参考例が 1例 あります。\n【検索実行】を押すと[ 現金 ]のみについて拡張検索できます。",
              r.resultLine);
    EXPECT_EQ("1例目を表示中", r.positionLine);

    // The extended search: the same keyword without the narrowing word.
    const HintSearchResult all = SearchHints(samples.list, "現金", "");
    EXPECT_FALSE(all.narrowed);
    EXPECT_EQ((std::vector<int>{0, 2}), all.hitIndex);
    EXPECT_EQ((std::vector<int>{kHitResult1, kHitCause1}), all.hitField);
    EXPECT_EQ("\n[ 現金 ] の 参考例が 2例 あります。", all.resultLine);
}

TEST_F(HintSearchTest, ANarrowingWordThatNoHitHoldsListsEveryHit)
{
    const HintSearchResult r = SearchHints(samples.list, "売掛金", "期首");
    EXPECT_FALSE(r.narrowed);
    EXPECT_EQ((std::vector<int>{1, 3}), r.hitIndex);
    EXPECT_EQ((std::vector<int>{kHitCause1, kHitResult1}), r.hitField);
    EXPECT_EQ("\n[ 売掛金 ] の 参考例が 2例 あります。", r.resultLine);
}

TEST_F(HintSearchTest, NoHitsHeadingsAndTheEmptyKeywordAreToldInTheResultLine)
{
    struct Case {
        const char* keyword;
        const char* narrow;
        const char* line;
    } const cases[] = {
        {"給料賃金", "", "\n[ 給料賃金 ]は 該当する例がありませんでした。"},
        {"給料賃金", "売上", "\n[ 給料賃金 ]は 該当する例がありませんでした。"},
        {"---[売上]-", "", "\n[ ---[売上]- ]> は 目次です。細目を選択してください。"},
        {"", "売上", "ヒント対象語句が入力されていません。"},
    };
    for (const Case& c : cases) {
        const HintSearchResult r = SearchHints(samples.list, c.keyword, c.narrow);
        EXPECT_TRUE(r.hitIndex.empty()) << c.keyword;
        EXPECT_EQ(c.line, r.resultLine) << c.keyword;
        EXPECT_EQ("0例", r.positionLine) << c.keyword;
        EXPECT_EQ(*c.keyword == 0, r.emptyKeyword) << c.keyword;
    }
    // An empty list of samples simply finds nothing.
    const JournalArray none;
    EXPECT_TRUE(SearchHints(none, "現金", "").hitIndex.empty());
}

TEST_F(HintSearchTest, TheDeletedMarkIsNotSearched)
{
    const HintSearchResult r = SearchHints(samples.list, "(消)A商店", "");
    EXPECT_EQ("A商店", r.keyword);
    EXPECT_EQ((std::vector<int>{3}), r.hitIndex);
    EXPECT_EQ((std::vector<int>{kHitResultDesc1}), r.hitField);
    EXPECT_EQ("\n[ A商店 ] の 参考例が 1例 あります。", r.resultLine);
    EXPECT_EQ("12例目を表示中", HintPositionText(11));
}

TEST(HintAmounts, SeparatorsSignAndTheEmptyZero)
{
    struct Case {
        const char* amount;
        const char* shown;
    } const cases[] = {
        {"", ""},
        {"0", ""},
        {"5", "5"},
        {"123", "123"},
        {"1234", "1,234"},
        {"1234567", "1,234,567"},
        {"-1234567", "-1,234,567"},
        {"-500", "-500"},
        {"123456789012", "123,456,789,012"},
        // At most three separators.
        {"12345678901234", "12345,678,901,234"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shown, FormatHintAmount(c.amount)) << c.amount;
}

TEST(HintClassCode, SixOrSevenDigitsGiveClassesAndTheConnectingWordIndex)
{
    const HintClasses seven = DecodeHintClassCode(3501045);
    ASSERT_TRUE(seven.decoded);
    EXPECT_EQ((std::array<int, 6>{2, 4, -1, 0, -1, 3}), seven.classIndex);
    EXPECT_EQ(5, seven.connectIndex);
    const HintClasses six = DecodeHintClassCode(500200);
    ASSERT_TRUE(six.decoded);
    EXPECT_EQ((std::array<int, 6>{4, -1, -1, 1, -1, -1}), six.classIndex);
    EXPECT_EQ(0, six.connectIndex);
    EXPECT_FALSE(DecodeHintClassCode(99999).decoded);
    EXPECT_FALSE(DecodeHintClassCode(0).decoded);
    EXPECT_FALSE(DecodeHintClassCode(-5002000).decoded);
}

}  // namespace
