// The input-hint dialog offers a fixed list of topics; every topic but the
// headings must lead the user to at least one example, and the example that the
// dialog shows first must be about the topic.
#include "shipped_data.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The topics as the dialog holds them: the first four bytes are the narrowing
// word (four blanks for none), the rest is the keyword. The headings, which the
// dialog shows as tables of contents, are left out.
const char* const kTopics[] = {
    "期首資産", "期首負債", "期首資本", "期首棚卸資産",
    "決算棚卸資産", "決算減価償却",
    "売上売上", "売上返品", "売上値引", "売上割戻", "売上割引",
    "仕入仕入", "仕入返品", "仕入値引", "仕入割戻", "仕入割引",
    "手形受取手形", "手形支払手形", "手形割引", "手形裏書", "手形不渡",
    "    事業主貸", "    事業主借", "    家事消費", "    家事関係費", "    按分",
    "    貸倒金", "    貸倒引当金", "    貸倒引当金繰入額", "    貸倒引当金繰戻額",
    "    商品券", "    ビール券", "    ﾌﾟﾘﾍﾟｲﾄﾞｶｰﾄﾞ", "    ｸﾚｼﾞｯﾄｶｰﾄﾞ",
    "    貸倒損失", "    貸倒回収益", "    譲渡益", "    商品券販売",
    "    租税公課", "    水道光熱費", "    旅費交通費", "    通信費", "    広告宣伝費",
    "    接待交際費", "    修繕費", "    消耗品費", "    福利厚生費", "    外注工賃",
    "    地代家賃", "    利子割引料", "    貸倒金", "    支払手数料", "    給料賃金",
    "    賞与", "    専従者給与", "    法定福利費", "    源泉所得税", "    減価償却費",
    "    車両維持費", "    保険料", "    新聞図書費", "    雑費", "    雑損",
};

bool HoldsKeyword(const CMyObject2& hint, const CString& keyword)
{
    // The fields the dialog searches, amounts never.
    for (const CString* field : {&hint.m_strCauseDesc1, &hint.m_strResultDesc1, &hint.m_strCauseDesc2,
                                 &hint.m_strResultDesc2, &hint.m_strCauseDesc3, &hint.m_strResultDesc3,
                                 &hint.m_strRemark, &hint.m_strDate, &hint.m_strResult3, &hint.m_strResult2,
                                 &hint.m_strResult1, &hint.m_strCause3, &hint.m_strCause2, &hint.m_strCause1})
        if (field->Find(keyword) >= 0)
            return true;
    return false;
}

bool HoldsNarrowingWord(const CMyObject2& hint, const CString& word)
{
    for (const CString* field : {&hint.m_strDate, &hint.m_strCause1, &hint.m_strCause2, &hint.m_strCause3,
                                 &hint.m_strResult1, &hint.m_strResult2, &hint.m_strResult3, &hint.m_strCauseDesc1,
                                 &hint.m_strCauseDesc2, &hint.m_strCauseDesc3, &hint.m_strResultDesc1,
                                 &hint.m_strResultDesc2, &hint.m_strResultDesc3, &hint.m_strRemark})
        if (field->Find(word) >= 0)
            return true;
    return false;
}

TEST(HintTopics, EveryTopicOfTheHintDialogFindsAnExample)
{
    const auto hints = LoadShippedEntries(kHintExamples);
    ASSERT_EQ(63u, std::size(kTopics));
    for (const char* topic : kTopics) {
        const CString text(topic);
        CString narrowing = text.Left(4);
        const CString keyword = text.Mid(4);
        if (narrowing == "    ")
            narrowing.Empty();
        // With a narrowing word the dialog lists only the examples that also hold
        // it, so one example must hold both.
        bool found = false;
        for (const auto& hint : hints)
            found = found ||
                    (HoldsKeyword(*hint, keyword) && (narrowing.IsEmpty() || HoldsNarrowingWord(*hint, narrowing)));
        EXPECT_TRUE(found) << "no example for the topic " << keyword.str() << " / " << narrowing.str();
    }
}

// The explanation's title: its first line.
CString Title(const CMyObject2& hint)
{
    const int end = hint.m_strDate.Find("\r\n");
    return end < 0 ? hint.m_strDate : hint.m_strDate.Left(end);
}

// The examples that the dialog lists for a topic, in its order: every example
// that holds the keyword in a searched field, in file order; when some of them
// also hold the narrowing word, only those.
std::vector<const CMyObject2*> SearchHits(const std::vector<std::unique_ptr<CMyObject2>>& hints,
                                          const CString& keyword, const CString& narrowing)
{
    std::vector<const CMyObject2*> all, narrowed;
    for (const auto& hint : hints) {
        if (!HoldsKeyword(*hint, keyword))
            continue;
        all.push_back(hint.get());
        if (!narrowing.IsEmpty() && HoldsNarrowingWord(*hint, narrowing))
            narrowed.push_back(hint.get());
    }
    return narrowed.empty() ? all : narrowed;
}

// An example is about a keyword when the keyword stands in its title or in one
// of its entry's fields (an account, a description, the remark), not only in
// the body of its explanation.
bool IsAbout(const CMyObject2& hint, const CString& keyword)
{
    if (Title(hint).Find(keyword) >= 0)
        return true;
    for (const CString* field : {&hint.m_strCause1, &hint.m_strCause2, &hint.m_strCause3, &hint.m_strResult1,
                                 &hint.m_strResult2, &hint.m_strResult3, &hint.m_strCauseDesc1,
                                 &hint.m_strCauseDesc2, &hint.m_strCauseDesc3, &hint.m_strResultDesc1,
                                 &hint.m_strResultDesc2, &hint.m_strResultDesc3, &hint.m_strRemark})
        if (field->Find(keyword) >= 0)
            return true;
    return false;
}

TEST(HintTopics, EachTopicOpensOnAnExampleAboutIt)
{
    // The dialog shows the first hit of a topic's search: an example that only
    // mentions the keyword in passing would send the user to the wrong entry.
    const auto hints = LoadShippedEntries(kHintExamples);
    for (const char* topic : kTopics) {
        const CString text(topic);
        CString narrowing = text.Left(4);
        const CString keyword = text.Mid(4);
        if (narrowing == "    ")
            narrowing.Empty();
        const std::vector<const CMyObject2*> hits = SearchHits(hints, keyword, narrowing);
        ASSERT_FALSE(hits.empty()) << keyword.str();
        EXPECT_TRUE(IsAbout(*hits.front(), keyword))
            << "the topic " << keyword.str() << " / " << narrowing.str() << " opens on " << Title(*hits.front()).str();
        // With a narrowing word, the first example holds it as well: the topic 売上
        // of the group 売上 opens on a sale.
        if (!narrowing.IsEmpty()) {
            EXPECT_TRUE(IsAbout(*hits.front(), narrowing))
                << "the topic " << keyword.str() << " / " << narrowing.str() << " opens on "
                << Title(*hits.front()).str();
        }
    }
}

}  // namespace
