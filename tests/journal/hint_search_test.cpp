// The input-hint dialog's portable part: the topics and how they split, the
// keyword search with its narrowing and result texts, the field codes and the
// rows and frames they select, the amounts, the class code and the sentence words.
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

TEST(HintFields, OnlyTheFieldOfTheHitIsFramedRed)
{
    struct Case {
        int code;
        int red;  // 0: none
    } const cases[] = {
        {kHitNone, 0},          {kHitExplanation, 1024}, {kHitCause1, 1025},      {kHitCause2, 1026},
        {kHitCause3, 1032},     {kHitResult1, 1033},     {kHitResult2, 1042},     {kHitResult3, 1027},
        {kHitRemark, 1011},     {kHitCauseDesc1, 1008},  {kHitCauseDesc2, 1008},  {kHitCauseDesc3, 1008},
        {kHitResultDesc1, 1009}, {kHitResultDesc2, 1009}, {kHitResultDesc3, 1009},
    };
    for (const Case& c : cases)
        for (int id : HitFramedControls())
            EXPECT_EQ(id == c.red, HitFrameIsRed(id, c.code)) << "code " << c.code << " control " << id;
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

TEST(HintWords, ConnectingWordFromTheDictionaryOrTheDefaults)
{
    DictionaryFixture f({{1, "売上", "を", "として"},
                         {5, "売掛金", "を", "について"},
                         {8, "現金", "で受取り", "で支払い"},
                         {8, "普通預金", "に預入れ", "から引出し"}});
    struct Case {
        const char* account;
        int index;
        const char* word;
    } const cases[] = {
        {"売掛金", 0, "を"},       {"売掛金", 1, "について"}, {"売掛金", 2, "を回収して"},
        {"売掛金", 3, "を割引して"}, {"売掛金", 4, ""},         {"売上", 2, "が返品され"},
        // Not on the cause side (a result account is not looked at there).
        {"現金", 0, "につき"},     {"未知", 1, "として"},     {"未知", 2, "から"},
        {"未知", 3, ""},           {"未知", 6, "今の語"},     {"未知", -1, "今の語"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.word, HintConnectWord(f.dict, c.account, c.index, "今の語")) << c.account << " " << c.index;
}

TEST(HintWords, ResultPhrasesFromTheResultBranchOrTheDefaults)
{
    DictionaryFixture f({{1, "普通預金"}, {8, "現金", "で受取り", "で支払い"}, {8, "普通預金", "に預入れ", "から引出し"}});
    EXPECT_EQ(std::make_pair(CString("に預入れ"), CString("から引出し")), HintResultPhrases(f.dict, "普通預金"));
    EXPECT_EQ(std::make_pair(CString("で受取り"), CString("で支払い")), HintResultPhrases(f.dict, "未知"));
    const HintDictionary empty;
    EXPECT_EQ(std::make_pair(CString("で受取り"), CString("で支払い")), HintResultPhrases(empty, "現金"));
    EXPECT_EQ("x", HintConnectWord(empty, "現金", 7, "x"));
    EXPECT_EQ("につき", HintConnectWord(empty, "現金", 0, "x"));
}

TEST(HintWords, PhrasesAgreeWithTheConnectingWord)
{
    struct Case {
        const char* connect;
        const char* p1;
        const char* p2;
        const char* shown1;
        const char* shown2;
    } const cases[] = {
        {"を", "を受取り", "を支払い", "で受取り", "で支払い"},
        {"を", "で受取り", "を借入れ", "で受取り", "を借入れ"},
        {"として", "で受取り", "で支払い", "を受取り", "を支払い"},
        {"から", "で受取り", "で支払い", "を受取り", "を支払い"},
        {"につき", "を受取り", "で支払い", "を受取り", "で支払い"},
        {"", "を受取り", "で支払い", "を受取り", "で支払い"},
    };
    for (const Case& c : cases) {
        CString p1 = c.p1;
        CString p2 = c.p2;
        AdjustPhrasesToConnectWord(c.connect, p1, p2);
        EXPECT_EQ(c.shown1, p1) << c.connect;
        EXPECT_EQ(c.shown2, p2) << c.connect;
    }
}

TEST(PhraseRadios, TheDirectionChecksAndOneWayEntriesAndLonePhrasesOverride)
{
    const struct {
        int classCode;
        const char* result1;
        const char* phrase1;
        const char* phrase2;
        int direction;
        const char* caption1;
        const char* caption2;
        bool firstChecked;
    } cases[] = {
        {1005000, "現金", "で受取り", "で支払い", 1, "で受取り", "で支払い", true},
        {1005000, "現金", "で受取り", "で支払い", 0, "で受取り", "で支払い", false},
        {1005000, "現金", "で受取り", "で支払い", -1, "で受取り", "で支払い", false},
        // A liability against 元入金 reads with the first phrase only.
        {4007000, "元入金", "で受取り", "で支払い", 0, "で受取り", "", true},
        // An asset against 元入金, and a liability against 仕入, with the second only.
        {5007000, "元入金", "で受取り", "で支払い", 1, "", "で支払い", false},
        {6007000, "元入金", "で受取り", "で支払い", 1, "", "で支払い", false},
        {4002000, "仕入", "で受取り", "で支払い", 1, "", "で支払い", false},
        // Without class digits no account reads one way.
        {0, "元入金", "で受取り", "で支払い", 1, "で受取り", "で支払い", true},
        // A lone phrase is the one checked.
        {1005000, "現金", "", "で支払い", 1, "", "で支払い", false},
        {1005000, "現金", "で受取り", "", 0, "で受取り", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.classCode);
        const PhraseRadios radios =
            PhraseRadiosFor(DecodeHintClassCode(c.classCode), c.result1, c.phrase1, c.phrase2, c.direction);
        EXPECT_EQ(CString(c.caption1), radios.caption1);
        EXPECT_EQ(CString(c.caption2), radios.caption2);
        EXPECT_EQ(c.firstChecked, radios.firstChecked);
    }
}

}  // namespace
