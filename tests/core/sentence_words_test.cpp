// Connecting-word choices and clicks, particle agreement, the fixed phrase cases.
#include "core/sentence_words.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<CString> Clicks(const CString& w1, const CString& w2, const std::array<CString, 4>& phrases, int count)
{
    std::vector<CString> shown;
    int index = 0;
    for (int i = 0; i < count; ++i) {
        index = NextConnectIndex(index, phrases);
        shown.push_back(ConnectChoiceText(index, w1, w2, phrases));
    }
    return shown;
}

TEST(ConnectWord, ClicksRunThroughTheWordsAndTheCandidatesThatExist)
{
    EXPECT_EQ((std::vector<CString>{"として", "を回収して", "を割引して", "について"}),
              Clicks("について", "として", {"を回収して", "を割引して", "", ""}, 4));
    EXPECT_EQ((std::vector<CString>{"として", "から", "について"}),
              Clicks("について", "として", {"から", "", "", ""}, 3));
    EXPECT_EQ((std::vector<CString>{"b", "1", "2", "3", "4", "a", "b"}),
              Clicks("a", "b", {"1", "2", "3", "4"}, 7));
    // An empty second word is shown; the next click goes on to the candidates.
    EXPECT_EQ((std::vector<CString>{"", "から", "について"}), Clicks("について", "", {"から", "", "", ""}, 3));
    EXPECT_EQ("", ConnectChoiceText(6, "a", "b", {"1", "2", "3", "4"}));
    EXPECT_EQ("", ConnectChoiceText(-1, "a", "b", {"1", "2", "3", "4"}));
}

TEST(ConnectWord, ParticleAgreementCases)
{
    struct Case {
        const char* word;
        const char* first;
        const char* second;
        const char* wantFirst;
        const char* wantSecond;
    } cases[] = {
        {"について", "で受取り", "で支払い", "を受取り", "を支払い"},
        {"として", "で受取り", "で支払い", "を受取り", "を支払い"},
        {"を回収して", "で受取り", "で支払い", "を受取り", "を支払い"},
        {"から", "で受取り", "で支払い", "を受取り", "を支払い"},
        {"を", "を受取り", "を支払い", "で受取り", "で支払い"},
        {"が返品され", "で受取り", "で支払い", "で受取り", "で支払い"},
        {"について", "で収益の計上", "", "で収益の計上", ""},
        {"", "で受取り", "で支払い", "で受取り", "で支払い"},
        // Only whole characters count: "ら" ends "から", but a word whose last byte
        // merely equals a byte of "て" or "を" does not agree.
        {"ｦ", "を受取り", "を支払い", "を受取り", "を支払い"},
        {"\x88\x82\xF0", "を受取り", "を支払い", "を受取り", "を支払い"},
        // "を支" opens only the second phrase's case and "を受" only the first's.
        {"を", "を支払い", "を受取り", "を支払い", "を受取り"},
        // Each phrase changes on its own; a word that ends otherwise leaves both.
        {"を", "で受取り", "を借入れ", "で受取り", "を借入れ"},
        {"につき", "を受取り", "で支払い", "を受取り", "で支払い"},
    };
    for (const Case& c : cases) {
        CString first = c.first;
        CString second = c.second;
        AgreeParticles(c.word, first, second);
        EXPECT_EQ(c.wantFirst, first) << c.word << " " << c.first;
        EXPECT_EQ(c.wantSecond, second) << c.word << " " << c.second;
    }
}

TEST(ConnectWord, FixedPhraseCases)
{
    struct Case {
        int causeClass;
        const char* monthDay;
        const char* cause;
        const char* result;
        const char* p1;
        const char* p2;
        bool emptyFirst;
        bool emptySecond;
        int radio;
    } cases[] = {
        {3, "05/01", "借入金", "元入金", "で受取り", "で支払い", false, true, 1},
        {4, "05/01", "現金", "元入金", "で受取り", "で支払い", true, false, 2},
        {5, "05/01", "車両", "元入金", "で受取り", "で支払い", true, false, 2},
        {3, "05/01", "買掛金", "仕入", "で受取り", "で支払い", true, false, 2},
        {4, "01/01", "棚卸資産", "仕入", "で受取り", "で支払い", false, true, 1},
        {4, "12/31", "棚卸資産", "仕入", "で受取り", "で支払い", true, false, 2},
        {4, "06/30", "棚卸資産", "仕入", "で受取り", "で支払い", false, false, 0},
        {0, "06/30", "売上", "現金", "", "で支払い", false, false, 2},
        {0, "06/30", "売上", "現金", "で受取り", "", false, false, 1},
        // A later case overrides the radio of an earlier one; both texts were emptied.
        {3, "12/31", "棚卸資産", "仕入", "で受取り", "", true, false, 1},
    };
    for (const Case& c : cases) {
        const FixedPhraseCase f = FixedPhraseCases(c.causeClass, c.monthDay, c.cause, c.result, c.p1, c.p2);
        EXPECT_EQ(c.emptyFirst, f.emptyFirst) << c.cause << c.result << c.monthDay;
        EXPECT_EQ(c.emptySecond, f.emptySecond) << c.cause << c.result << c.monthDay;
        EXPECT_EQ(c.radio, f.radio) << c.cause << c.result << c.monthDay;
    }
}

}  // namespace
