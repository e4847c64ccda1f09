// How a sentence is shown as a diagram: the control framed red for each field of
// a hit, the connecting word and phrases taken from the dictionary, and how the
// two phrase radios read.
#include "core/sentence_diagram.h"

#include "journal/dictionary_fixture.h"

#include <gtest/gtest.h>

namespace {

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
            PhraseRadiosFor(HintClassesOf(DecodeClassCode(c.classCode)), c.result1, c.phrase1, c.phrase2, c.direction);
        EXPECT_EQ(CString(c.caption1), radios.caption1);
        EXPECT_EQ(CString(c.caption2), radios.caption2);
        EXPECT_EQ(c.firstChecked, radios.firstChecked);
    }
}

}  // namespace
