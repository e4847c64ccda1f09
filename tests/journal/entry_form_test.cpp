// Building an entry from the journal form's sentence: each refusal as a value with
// what the fields show by then, the dictionary's questions ending a build
// silently, and the entry built with its classes, descriptions, remark and the
// item breakdown of the entry it replaces.
#include "../support/journal_fixtures.h"
#include "dictionary_fixture.h"

#include "journal/entry_form.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

DictionaryFixture Dict()
{
    return DictionaryFixture{{1, "売上", "について", "として"},
                             {3, "水道光熱費", "について", "として"},
                             {4, "事業主借", "について", "として"},
                             {5, "現金", "について", "として"},
                             {6, "建物", "について", "として"},
                             {7, "事業主貸", "について", "として"},
                             {8, "現金", "で受取り", "で支払い"},
                             {8, "事業主借", "で借りて", "で返して"},
                             {15, "店頭"}};
}

// 売上 を 現金 で受取り, typed with separators.
EntryForm Sale()
{
    EntryForm form;
    form.fields.date = "2024/01/05";
    form.fields.cause = {"売上", "", ""};
    form.fields.result = {"現金", "", ""};
    form.fields.causeAmount = {"1,000", "", ""};
    form.fields.resultAmount = {"1,000", "", ""};
    form.fields.direction = 1;
    form.classIndex = {0, -1, -1, -1, -1, -1};
    form.phrase1 = "で受取り";
    form.phrase2 = "で支払い";
    return form;
}

// The questions of the dictionary's check, each answered No, and the field texts shown.
struct Committer {
    std::vector<CString> questions;
    std::vector<std::string> shown;
    RegistrationAnswers answers;

    Committer()
    {
        answers.yesNo = [this](const CString& text) {
            questions.push_back(text);
            return false;
        };
        answers.registerDescription = [this](const CString& account, const CString& description) {
            questions.push_back(DescriptionQuestion(account, description));
            return false;
        };
        answers.tell = [this](const CString& text) { questions.push_back(text); };
        answers.askClass = [this](const CString& account) {
            questions.push_back("class: " + account);
            return -1;
        };
    }

    EntryBuild Build(EntryForm& form, Dictionary& dictionary, const CMyObject2& base = CMyObject2())
    {
        return BuildEntry(form, dictionary, answers, base, [this](const FieldText& text) {
            shown.push_back(std::to_string(static_cast<int>(text.field)) + "=" +
                            static_cast<const char*>(text.text));
        });
    }
};

TEST(EntryForm, EachRefusalComesAsAValueWithWhatTheFieldsShowByThen)
{
    struct Case {
        const char* name;
        std::function<void(EntryForm&)> change;
        const char* refusalPart;  // null when the questions ended the build
        bool help;
        bool asked;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"an amount that is none", [](EntryForm& f) { f.fields.causeAmount[0] = "1,0a0"; }, "は数字として読めません",
         false, false, {}},
        {"no result account", [](EntryForm& f) { f.fields.result[0].Empty(); },
         "「結果の科目」が入力されていません。", false, false, {"0=1,000", "3=1,000"}},
        {"an unknown account not registered", [](EntryForm& f) { f.fields.cause[0] = "雑収入"; }, nullptr, false, true,
         {"0=1,000", "3=1,000"}},
        {"an apportionment without the owner",
         [](EntryForm& f) {
             f.fields.cause[0] = "水道光熱費";
             f.classIndex[0] = 2;
             f.fields.causeAmount[0].Empty();
             f.fields.direction = 0;
             f.fields.remark = f.halfWidthRemark = "料金×40%";
         },
         "備考に按分率が入力されていますが", true, false, {"3=1,000", "6=料金×40%"}},
        {"the owner's loan for a building without its description",
         [](EntryForm& f) {
             f.fields.cause[0] = "建物";
             f.classIndex[0] = 5;
             f.fields.result[0] = "事業主借";
         },
         "「事業主借」の摘要が入力されていません。", false, false, {"0=1,000", "3=1,000", "6="}},
    };
    for (const Case& c : cases) {
        DictionaryFixture d = Dict();
        EntryForm form = Sale();
        c.change(form);
        Committer run;
        const EntryBuild build = run.Build(form, d.dict);
        EXPECT_FALSE(build.Built()) << c.name;
        if (c.refusalPart)
            EXPECT_GE(build.refusal.Find(c.refusalPart), 0) << c.name << ": " << build.refusal;
        else
            EXPECT_TRUE(build.refusal.IsEmpty()) << c.name << ": " << build.refusal;
        EXPECT_EQ(c.help, build.apportionmentHelp) << c.name;
        EXPECT_EQ(c.asked, !run.questions.empty()) << c.name;
        EXPECT_EQ(c.shown, run.shown) << c.name;
    }
}

TEST(EntryForm, ABuiltEntryTakesTheSentenceAndTheReplacedEntrysBreakdown)
{
    DictionaryFixture d = Dict();
    EntryForm form = Sale();
    form.fields.remark = form.halfWidthRemark = "1月分入金";
    form.descriptions = {"", "残る", "", "店頭", "", "消える"};
    form.fields.date = "24/01/06";
    CMyObject2 base;
    base.m_strRemark = "古い備考" + RemarkItem("品名");
    Committer run;
    const EntryBuild build = run.Build(form, d.dict, base);
    ASSERT_TRUE(build.Built()) << build.refusal;
    EXPECT_TRUE(run.questions.empty());
    const CMyObject2& e = *build.entry;
    EXPECT_EQ(CString("2024/01/06"), e.m_strDate);
    EXPECT_EQ(CString("売上"), e.m_strCause1);
    EXPECT_EQ(CString("現金"), e.m_strResult1);
    EXPECT_EQ(CString("1000"), e.m_strCauseAmount1);
    EXPECT_EQ(CString("1000"), e.m_strResultAmount1);
    EXPECT_EQ(CString("店頭"), e.m_strResultDesc1);
    // The descriptions of rows left empty go, in the entry and in the form.
    EXPECT_EQ(CString(), e.m_strCauseDesc2);
    EXPECT_EQ(CString(), e.m_strResultDesc3);
    EXPECT_EQ(CString(), form.descriptions[1]);
    EXPECT_EQ(1, e.m_nDirection);
    // 収益 against the class of 現金 (資産(流動)), the first connecting word.
    EXPECT_EQ(1005000, e.m_nClassCode);
    EXPECT_EQ(4, form.classIndex[3]);
    EXPECT_EQ(CString("1月分入金") + RemarkItem("品名"), e.m_strRemark);
    EXPECT_EQ((std::vector<std::string>{"0=1,000", "3=1,000", "6=1月分入金"}), run.shown);
}

TEST(EntryForm, AnApportionedEntryShowsItsSharesAndTheTotalInTheRemark)
{
    DictionaryFixture d = Dict();
    EntryForm form = Sale();
    form.fields.cause = {"水道光熱費", "事業主貸", ""};
    form.fields.causeAmount = {"", "", ""};
    form.fields.resultAmount[0] = "10000";
    form.fields.direction = 0;
    form.fields.remark = form.halfWidthRemark = "按分:料金×30%";
    form.classIndex = {2, 6, -1, -1, -1, -1};
    Committer run;
    const EntryBuild build = run.Build(form, d.dict);
    ASSERT_TRUE(build.Built()) << build.refusal;
    EXPECT_EQ(CString("3000"), build.entry->m_strCauseAmount1);
    EXPECT_EQ(CString("7000"), build.entry->m_strCauseAmount2);
    EXPECT_EQ(CString("按分:料金(10,000)×30%"), build.entry->m_strRemark);
    EXPECT_EQ((std::vector<std::string>{"3=10,000", "6=按分:料金×30%", "0=3,000", "1=7,000", "3=10,000",
                                        "6=按分:料金(10,000)×30%"}),
              run.shown);
}

}  // namespace
