#include "core/connect_words.h"

#include <gtest/gtest.h>

namespace {

TEST(ConnectWordCandidates, FixedPhrasesPerAccount)
{
    struct Case {
        const char* account;
        std::array<const char*, 4> phrases;
    } cases[] = {
        {"受取手形", {"を取立して", "を割引して", "を買戻して", "を回収して"}},
        {"支払手形", {"を決済して", "", "", ""}},
        {"買掛金", {"を決済して", "が割引され", "", ""}},
        {"未払金", {"を決済して", "が割引され", "", ""}},
        {"売掛金", {"を回収して", "を割引して", "", ""}},
        {"借入金", {"を返済して", "を借入して", "", ""}},
        {"短期借入金", {"を返済して", "を借入して", "", ""}},
        {"長期借入金", {"を返済して", "を借入して", "", ""}},
        {"仮払金", {"が返金され", "", "", ""}},
        {"前受金", {"を返金して", "", "", ""}},
        {"前渡金", {"が返金され", "", "", ""}},
        {"前払金", {"が返金され", "", "", ""}},
        {"建物", {"を購入して", "を売却して", "を修繕して", "を修理して"}},
        {"土地", {"を購入して", "を売却して", "を修繕して", "を修理して"}},
        {"土地建物", {"を購入して", "を売却して", "を修繕して", "を修理して"}},
        {"建物附属設備", {"を購入して", "を売却して", "を修繕して", "を修理して"}},
        {"機械装置", {"を購入して", "を売却して", "を修繕して", "を修理して"}},
        {"車両運搬具", {"を購入して", "を売却して", "を修繕して", "を修理して"}},
        {"工具器具備品", {"を購入して", "を売却して", "を修繕して", "を修理して"}},
        {"什器備品", {"を購入して", "を売却して", "を修繕して", "を修理して"}},
        {"有価証券", {"を購入して", "を売却して", "を評価して", ""}},
        {"社債", {"を発行して", "", "", ""}},
        {"売上", {"が返品され", "を値引して", "を割戻して", ""}},
        {"仕入", {"を返品して", "が値引され", "が割戻され", ""}},
        // Names the table does not know, compared whole and exactly.
        {"現金", {"から", "", "", ""}},
        {"普通預金", {"から", "", "", ""}},
        {"", {"から", "", "", ""}},
        {"売上高", {"から", "", "", ""}},
        {"建物 ", {"から", "", "", ""}},
        {"借入", {"から", "", "", ""}},
    };
    for (const auto& c : cases) {
        const std::array<CString, 4> phrases = ConnectWordCandidates(c.account);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(CString(c.phrases[i]), phrases[i]) << "account row " << (&c - cases) << ", phrase " << i + 1;
    }
}

TEST(ConnectWordCandidates, EachCallGivesAllFourAfresh)
{
    EXPECT_EQ(ConnectWordCandidates("受取手形"), ConnectWordCandidates("受取手形"));
    const std::array<CString, 4> afterNotes = ConnectWordCandidates("受取手形");
    const std::array<CString, 4> afterCash = ConnectWordCandidates("現金");
    EXPECT_NE(afterNotes, afterCash);
    EXPECT_EQ(CString(), afterCash[3]);
}

}  // namespace
