// The keyword search over a small journal: which entries hit and in which field,
// the position kept between openings, the texts shown and the amounts.
#include "setup/keyword_search.h"

#include "support/entry_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

namespace {

struct JournalRow {
    const char* date;
    std::array<const char*, 3> causes;
    std::array<const char*, 3> results;
    std::array<const char*, 3> causeDescs = {"", "", ""};
    std::array<const char*, 3> resultDescs = {"", "", ""};
    const char* remark = "";
    std::array<const char*, 2> amounts = {"0", "0"};
};

class Journal {
public:
    Journal(std::initializer_list<JournalRow> rows)
    {
        for (const JournalRow& s : rows) {
            EntryBuilder e(s.date);
            e.Cause(s.causes[0], s.amounts[0], s.causeDescs[0]).Cause(s.causes[1], "", s.causeDescs[1]);
            e.Cause(s.causes[2], "", s.causeDescs[2]);
            e.Result(s.results[0], s.amounts[1], s.resultDescs[0]).Result(s.results[1], "", s.resultDescs[1]);
            e.Result(s.results[2], "", s.resultDescs[2]);
            entries.Add(e.Remark(s.remark).New());
        }
    }
    ~Journal()
    {
        for (int i = 0; i < entries.GetSize(); ++i)
            delete entries.GetAt(i);
    }
    JournalArray entries;
};

std::string S(const CString& text) { return std::string(static_cast<LPCTSTR>(text)); }

// Each entry has the keyword "鉛筆" in one field (the last of the search order
// wins), "12345" only as an amount, and "表" in a remark after its "[]".
Journal Fixture()
{
    return Journal{
        {"1月5日", {"鉛筆", "", ""}, {"現金", "", ""}},
        {"1月6日", {"消耗品費", "", ""}, {"現金", "", ""}, {"鉛筆", "", ""}, {"", "", ""}, "", {"12345", "12345"}},
        {"1月7日", {"消耗品費", "鉛筆", ""}, {"現金", "", ""}, {"", "", ""}, {"", "", ""}, "鉛筆と紙[]表"},
        {"1月8日", {"売上", "", ""}, {"普通預金", "", "鉛筆"}},
        {"1月9日", {"売上", "", ""}, {"普通預金", "", ""}, {"", "", ""}, {"", "", "鉛筆屋"}},
        {"2月1日", {"地代家賃", "", ""}, {"現金", "", ""}, {"", "", ""}, {"", "", ""}, "予備[]鉛筆"},
    };
}

TEST(KeywordSearch, HitsCarryTheFieldOfTheLastMatchingFieldOnePerEntry)
{
    Journal j = Fixture();
    KeywordSearchResult r = SearchJournalKeyword(j.entries, "鉛筆", 0);
    EXPECT_EQ(r.hitEntry, (std::vector<int>{0, 1, 2, 3, 4}));
    // Entry 2 holds the word as cause 2 and in its remark: the remark comes last.
    EXPECT_EQ(r.hitField, (std::vector<int>{kKeywordCause1, kKeywordCauseDesc1, kKeywordRemark,
                                            kKeywordResult3, kKeywordResultDesc3}));
    EXPECT_EQ(S(r.resultLine), "  [鉛筆] の 語句を含む取引が 5 件 あります。");
    EXPECT_EQ(S(r.positionLine), "1 件目を表示中");
    EXPECT_EQ(S(r.storedWord), "鉛筆");
    EXPECT_EQ(r.storedHit, 0);
}

TEST(KeywordSearch, FieldCodesAndTheRowsTheyJoin)
{
    struct Case {
        JournalRow entry;
        int code;
        int causeRow;
        int resultRow;
    } cases[] = {
        {{"鍵", {"", "", ""}, {"", "", ""}}, kKeywordDate, 1, 1},
        {{"", {"", "鍵", ""}, {"", "", ""}}, kKeywordCause2, 2, 1},
        {{"", {"", "", "鍵"}, {"", "", ""}}, kKeywordCause3, 3, 1},
        {{"", {"", "", ""}, {"鍵", "", ""}}, kKeywordResult1, 1, 1},
        {{"", {"", "", ""}, {"", "鍵", ""}}, kKeywordResult2, 1, 2},
        {{"", {"", "", ""}, {"", "", ""}, {"", "鍵", ""}}, kKeywordCauseDesc2, 2, 1},
        {{"", {"", "", ""}, {"", "", ""}, {"", "", "鍵"}}, kKeywordCauseDesc3, 3, 1},
        {{"", {"", "", ""}, {"", "", ""}, {"", "", ""}, {"", "鍵", ""}}, kKeywordResultDesc2, 1, 2},
        // A result description 1 beats a cause description 1 (searched after it),
        // and a cause description 2 beats both.
        {{"", {"", "", ""}, {"", "", ""}, {"鍵", "鍵", ""}, {"鍵", "", ""}}, kKeywordCauseDesc2, 2, 1},
    };
    for (const Case& c : cases) {
        Journal j{c.entry};
        EXPECT_EQ(KeywordFieldOf(*j.entries.GetAt(0), "鍵"), c.code);
        EXPECT_EQ(KeywordCauseRow(c.code), c.causeRow) << c.code;
        EXPECT_EQ(KeywordResultRow(c.code), c.resultRow) << c.code;
    }
}

TEST(KeywordSearch, AmountsAndTheRemarkAfterItsMarksAreNotSearched)
{
    Journal j = Fixture();
    EXPECT_TRUE(SearchJournalKeyword(j.entries, "12345", 0).hitEntry.empty());
    EXPECT_TRUE(SearchJournalKeyword(j.entries, "表", 0).hitEntry.empty());
    EXPECT_TRUE(SearchJournalKeyword(j.entries, "予備", 0).hitEntry.size() == 1);
}

TEST(KeywordSearch, MatchesBeginOnCharacterBoundaries)
{
    // The second byte of 表 is the byte of "\"; 構 followed by 造 has
    // neighbouring bytes that spell no other character.
    Journal j{{"", {"表計算", "", ""}, {"", "", ""}}};
    EXPECT_TRUE(SearchJournalKeyword(j.entries, "\\", 0).hitEntry.empty());
    EXPECT_EQ(SearchJournalKeyword(j.entries, "計", 0).hitEntry.size(), 1u);
}

TEST(KeywordSearch, DeleteMarkIsRemovedBeforeTheEmptinessTest)
{
    Journal j = Fixture();
    KeywordSearchResult onlyMark = SearchJournalKeyword(j.entries, "(消)", 0);
    EXPECT_TRUE(onlyMark.emptyKeyword);
    EXPECT_TRUE(onlyMark.hitEntry.empty());
    EXPECT_EQ(S(onlyMark.resultLine), "検索語句が入力されていません。");
    EXPECT_EQ(S(onlyMark.positionLine), "0番目");
    EXPECT_EQ(onlyMark.storedHit, -1);

    KeywordSearchResult marked = SearchJournalKeyword(j.entries, "(消)鉛筆", 0);
    EXPECT_EQ(S(marked.keyword), "鉛筆");
    EXPECT_EQ(marked.hitEntry.size(), 5u);
    EXPECT_EQ(S(StripDeleteMark("(消)a(消)")), "a(消)");
}

TEST(KeywordSearch, NoHitsClearsWhatTheDocumentKeeps)
{
    Journal j = Fixture();
    KeywordSearchResult r = SearchJournalKeyword(j.entries, "机", 3);
    EXPECT_EQ(S(r.resultLine), "  <机  [机] の 語句を含む取引は　ありません。");
    EXPECT_EQ(S(r.positionLine), "0番目");
    EXPECT_EQ(r.position, -1);
    EXPECT_EQ(S(r.storedWord), "");
    EXPECT_EQ(r.storedHit, -1);
}

TEST(KeywordSearch, StartPositionIsKeptOrClamped)
{
    Journal j = Fixture();
    struct Case {
        const char* word;
        int start;
        int position;
        const char* line;
    } cases[] = {
        {"鉛筆", 2, 2, "3 件目を表示中"},  // the position kept from the last opening
        {"鉛筆", 9, 4, "5 件目を表示中"},  // the journal shrank: the last hit
        {"地代", 4, 0, "1 件目を表示中"},  // a single hit is always the first
    };
    for (const Case& c : cases) {
        KeywordSearchResult r = SearchJournalKeyword(j.entries, c.word, c.start);
        EXPECT_EQ(r.position, c.position) << c.word << c.start;
        EXPECT_EQ(r.storedHit, c.position);
        EXPECT_EQ(S(r.positionLine), c.line);
    }
    EXPECT_EQ(S(SteppedPositionText(1)), "2　件目を表示中");
}

TEST(KeywordSearch, GroupThousandsGroupsTheIntegerPartOnly)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""},
        {"0", "0"},
        {"999", "999"},
        {"1234", "1,234"},
        {"1234.50", "1,234.50"},
        {"-1234567", "-1,234,567"},
        {"123456789012", "123,456,789,012"},
        {"1234567890123", "1234,567,890,123"},
        {"-0.5", "-0.5"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(S(GroupThousands(in)), out) << in;
}

}  // namespace
