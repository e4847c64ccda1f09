// The commit's checks on the typed sentence: the amounts' form, the sentence
// checks in their order with their texts, the balance compared as numbers, the
// apportionment of the remark, the owner's drawings of a fixed asset, the class
// code and the record filled from the fields.
#include "core/entry_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// A balanced sale: 売上 を 現金 で受取り, 1000 on both sides.
EntryFields Sale()
{
    EntryFields f;
    f.date = "2024/01/05";
    f.cause = {"売上", "", ""};
    f.result = {"現金", "", ""};
    f.causeAmount = {"1000", "", ""};
    f.resultAmount = {"1000", "", ""};
    f.direction = 1;
    return f;
}

CString Check(const EntryFields& f, const CString& converted = CString())
{
    return CheckEntryFields(f, converted.IsEmpty() ? f.remark : converted, "で受取り", "で支払い");
}

TEST(EntryCheck, EveryCheckRefusesInItsOrderWithItsText)
{
    struct Case {
        const char* what;
        std::function<void(EntryFields&)> change;
        const char* refusal;
    };
    const std::vector<Case> cases = {
        {"accepted", [](EntryFields&) {}, ""},
        {"1 date", [](EntryFields& f) { f.date.Empty(); f.cause[0].Empty(); }, "「取引日」が入力されていません。"},
        {"1 a day of the calendar", [](EntryFields& f) { f.date = "2024/02/30"; f.cause[0].Empty(); },
         "日付「2024/02/30」は暦にある日ではありません。\n\n日付は「年4桁/月2桁/日2桁」の暦にある日で書いてください。"},
        {"1 the picker's short year gets its century", [](EntryFields& f) { f.date = "24/02/29"; }, ""},
        {"2 cause 1", [](EntryFields& f) { f.cause[0].Empty(); f.result[0].Empty(); }, "「原因の科目」が入力されていません。"},
        {"3 result 1", [](EntryFields& f) { f.result[0].Empty(); }, "「結果の科目」が入力されていません。"},
        {"4 heading", [](EntryFields& f) { f.result[0] = "*======入力候補==*"; }, "「結果の科目」の 科目を選択してください。"},
        {"5 heading", [](EntryFields& f) { f.result[1] = "*=x"; }, "「結果の科目」の 科目を選択してください。"},
        {"6 heading", [](EntryFields& f) { f.result[2] = "*=x"; }, "「結果の科目」の 科目を選択してください。"},
        {"7 owner's drawings", [](EntryFields& f) { f.cause[1] = "事業主貸"; f.result[1] = "元入金"; },
         "事業主貸は繰越をしません。登録を中止します。"},
        {"7 reversed", [](EntryFields& f) { f.result[1] = "事業主貸"; f.cause[2] = "元入金"; },
         "事業主貸は繰越をしません。登録を中止します。"},
        {"8 owner's loans", [](EntryFields& f) { f.cause[0] = "事業主借"; f.result[0] = "元入金"; },
         "事業主借は繰越をしません。登録を中止します。"},
        {"9", [](EntryFields& f) { f.causeAmount[1] = "5"; f.direction = -1; },
         "原因科目２段目に金額が入力されていますが、科目名が入力されていません。"},
        {"9 zero passes", [](EntryFields& f) { f.causeAmount[1] = "0"; }, ""},
        {"10", [](EntryFields& f) { f.causeAmount[2] = "5"; },
         "原因科目３段目に金額が入力されていますが、科目名が入力されていません。"},
        {"11", [](EntryFields& f) { f.resultAmount[1] = "5"; },
         "結果科目２段目に金額が入力されていますが、科目名が入力されていません。"},
        {"12", [](EntryFields& f) { f.resultAmount[2] = "5"; },
         "結果科目３段目に金額が入力されていますが、科目名が入力されていません。"},
        {"13 no phrase", [](EntryFields& f) { f.direction = -1; f.resultAmount[0].Empty(); },
         "[で受取り] ですか？　\n\n[で支払い]  ですか？"},
        {"14", [](EntryFields& f) { f.resultAmount[0] = "0"; f.causeAmount[0].Empty(); }, "現金の金額が入力されていません。"},
        {"15", [](EntryFields& f) { f.causeAmount[0].Empty(); }, "売上の金額が入力されていません。"},
        {"16", [](EntryFields& f) { f.cause[1] = "雑収入"; }, "雑収入の金額が入力されていません。"},
        {"17", [](EntryFields& f) { f.cause[2] = "雑収入"; f.causeAmount[2] = "0"; }, "雑収入の金額が入力されていません。"},
        {"18", [](EntryFields& f) { f.result[1] = "普通預金"; }, "普通預金の金額が入力されていません。"},
        {"19", [](EntryFields& f) { f.result[2] = "普通預金"; }, "普通預金の金額が入力されていません。"},
        {"20", [](EntryFields& f) { f.causeAmount[0] = "999"; }, "原因科目金額　と　結果科目金額　が　相違しています。！"},
        {"20 numbers, not texts", [](EntryFields& f) { f.causeAmount[0] = "1000.00"; }, ""},
        {"21 18 digits pass", [](EntryFields& f) { f.causeAmount[0] = f.resultAmount[0] = "999999999999999999"; }, ""},
        {"21 19 digits", [](EntryFields& f) { f.causeAmount[0] = f.resultAmount[0] = "1000000000000000000"; },
         "入力金額の整数が上限の18桁を超えました！"},
        {"21 the sign counts", [](EntryFields& f) { f.causeAmount[0] = f.resultAmount[0] = "-100000000000000000.50"; },
         "入力金額の整数が上限の18桁を超えました！"},
    };
    for (const Case& c : cases) {
        EntryFields f = Sale();
        c.change(f);
        EXPECT_EQ(CString(c.refusal), Check(f)) << c.what;
    }
}

TEST(EntryCheck, AmountsOfAnyOtherFormAreRefusedAndKeptAsTyped)
{
    // The amount rule itself has its table in amount_check_test; here the six
    // fields are named and left as typed.
    EntryFields f = Sale();
    f.resultAmount[1] = "10.999";
    const CString refusal = NormalizeEntryAmounts(f);
    EXPECT_EQ("結果科目2段目の金額「10.999」は数字として読めません。\n\n数字とカンマ、小数点以下2桁までの小数で入力してください。",
              refusal);
    EXPECT_EQ("1000", f.causeAmount[0]);
    EXPECT_EQ("10.999", f.resultAmount[1]);

    f = Sale();
    f.causeAmount[2] = "1234567890123456789";
    EXPECT_EQ("入力金額の整数が上限の18桁を超えました！\n\n原因科目3段目の金額「1234567890123456789」",
              NormalizeEntryAmounts(f));
    EXPECT_EQ("1234567890123456789", f.causeAmount[2]);

    // A sign is the journal's own: a negative amount is taken as it stands.
    f = Sale();
    f.causeAmount[0] = "-500";
    EXPECT_EQ(CString(), NormalizeEntryAmounts(f));
    EXPECT_EQ("-500", f.causeAmount[0]);

    f = Sale();
    f.causeAmount = {"1,000", "", "  "};
    f.resultAmount = {"1,000.5", "", ""};
    EXPECT_EQ(CString(), NormalizeEntryAmounts(f));
    EXPECT_EQ("1000", f.causeAmount[0]);
    EXPECT_EQ("", f.causeAmount[2]);
    EXPECT_EQ("1000.50", f.resultAmount[0]);
}

// 按分: an expense of class 費用(経費.損失) with 事業主貸 paid from 現金.
EntryFields Apportioned(const char* remark)
{
    EntryFields f = Sale();
    f.cause = {"水道光熱費", "事業主貸", ""};
    f.causeAmount = {"", "", ""};
    f.resultAmount[0] = "10000";
    f.remark = remark;
    f.direction = 0;
    return f;
}

TEST(EntryCheck, ApportionmentSplitsTheAmountAndWritesTheTotalIntoTheRemark)
{
    const std::array<int, 6> classes{2, 6, -1, 4, -1, -1};
    EntryFields f = Apportioned("按分:料金×30%");
    EXPECT_EQ(CString(), Check(f));
    const Apportionment a = ApplyApportionment(f, classes, f.remark);
    EXPECT_TRUE(a.applied);
    EXPECT_EQ("3000", f.causeAmount[0]);
    EXPECT_EQ("7000", f.causeAmount[1]);
    EXPECT_EQ("10000", f.resultAmount[0]);
    EXPECT_EQ("按分:料金(10,000)×30%", a.remark);
    EXPECT_EQ(CString(), CheckBalance(f));

    // The empty brackets take the total; the full-width percent sign counts.
    f = Apportioned("料金()×30％");
    EXPECT_EQ("料金(10,000)×30％", ApplyApportionment(f, classes, f.remark).remark);

    // Case 2: 事業主貸 first, the expense second.
    f = Apportioned("料金×25%");
    f.cause = {"事業主貸", "水道光熱費", ""};
    ApplyApportionment(f, {6, 2, -1, 4, -1, -1}, f.remark);
    EXPECT_EQ("7500", f.causeAmount[0]);
    EXPECT_EQ("2500", f.causeAmount[1]);

    // Case 3: paid by the owner.
    f = Apportioned("料金×40%");
    f.cause = {"水道光熱費", "", ""};
    f.result[0] = "事業主借";
    ApplyApportionment(f, {2, -1, -1, 3, -1, -1}, f.remark);
    EXPECT_EQ("4000", f.causeAmount[0]);
    EXPECT_EQ("4000", f.resultAmount[0]);

    // No case applies: refused with the help topic.
    f = Apportioned("料金×40%");
    f.cause = {"水道光熱費", "", ""};
    const Apportionment none = ApplyApportionment(f, {2, -1, -1, 4, -1, -1}, f.remark);
    EXPECT_FALSE(none.applied);
    EXPECT_EQ(0, none.refusal.Find("備考に按分率が入力されていますが"));
}

TEST(EntryCheck, ARemarkWithoutAUsableRateIsCheckedLikeAnyOther)
{
    for (const char* remark : {"料金×", "料金×30", "料金×abc%", "料金×%", "料金×150%", "料金(10,000)×30%"}) {
        EntryFields f = Apportioned(remark);
        EXPECT_FALSE(ApportionmentRequested(f.remark)) << remark;
        EXPECT_EQ("水道光熱費の金額が入力されていません。", Check(f)) << remark;
        // Unbalanced amounts are refused too.
        f.causeAmount = {"100", "200", ""};
        EXPECT_EQ("原因科目金額　と　結果科目金額　が　相違しています。！", Check(f)) << remark;
        EXPECT_FALSE(ApplyApportionment(f, {2, 6, -1, 4, -1, -1}, f.remark).applied) << remark;
    }
}

TEST(EntryCheck, AnApportionedDecimalAmountIsCutToHundredths)
{
    EntryFields f = Apportioned("料金×30%");
    f.resultAmount[0] = "1000.55";
    ApplyApportionment(f, {2, 6, -1, 4, -1, -1}, f.remark);
    EXPECT_EQ("300.16", f.causeAmount[0]);
    EXPECT_EQ("700.39", f.causeAmount[1]);
    EXPECT_EQ(CString(), CheckBalance(f));
}

TEST(EntryCheck, OwnerLoanWithoutDescriptionBesideAFixedAssetIsRefused)
{
    EntryFields f = Sale();
    f.cause = {"車両運搬具", "", ""};
    f.result = {"事業主借", "", ""};
    std::array<CString, 6> descs;
    EXPECT_EQ("「事業主借」の摘要が入力されていません。\n\n固定資産(車両運搬具)の売却による譲渡益である場合は、必ず、"
              "摘要欄のプルダウンリストから\n\n「譲渡益」を選んで入力してください。",
              CheckOwnerDrawingsDescription(f, descs, {5, -1, -1, 3, -1, -1}));
    descs[3] = "譲渡益";
    EXPECT_EQ(CString(), CheckOwnerDrawingsDescription(f, descs, {5, -1, -1, 3, -1, -1}));
    descs[3].Empty();
    EXPECT_EQ(CString(), CheckOwnerDrawingsDescription(f, descs, {4, -1, -1, 3, -1, -1}));
}

TEST(EntryCheck, ClassCodeDateAndTheRecordKeepTheItems)
{
    EXPECT_EQ(1005002, ClassCodeOf({0, -1, -1, 4, -1, -1}, 2));
    EXPECT_EQ(55100, ClassCodeOf({-1, -1, 4, 4, 0, -1}, 0));
    EXPECT_EQ("2024/01/05", StoredDate("24/01/05"));
    EXPECT_EQ("2024/01/05", StoredDate("2024/01/05"));

    const CString item = CString("[]") + CString(std::string(kItemLength - 2, 'i').c_str());
    CMyObject2 record;
    record.m_strRemark = "old" + item;
    EntryFields f = Sale();
    FillEntryRecord(record, f, {"a", "", "", "b", "", ""}, "new", 1005000);
    EXPECT_EQ("new" + item, record.m_strRemark);
    // A "[]" that opens no whole item is remark text, and is replaced with it.
    record.m_strRemark = "old[]x,1";
    FillEntryRecord(record, f, {"a", "", "", "b", "", ""}, "new", 1005000);
    EXPECT_EQ("new", record.m_strRemark);
    EXPECT_EQ("a", record.m_strCauseDesc1);
    EXPECT_EQ("b", record.m_strResultDesc1);
    EXPECT_EQ(1, record.m_nDirection);
    EXPECT_EQ(1005000, record.m_nClassCode);
    CMyObject2 fresh;
    FillEntryRecord(fresh, f, {}, "new", 0);
    EXPECT_EQ("new", fresh.m_strRemark);
}

}  // namespace
