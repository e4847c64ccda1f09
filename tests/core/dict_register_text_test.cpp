// The dictionary auto-registration dialog's questions and its answers to the caller.
#include "core/dict_register_text.h"

#include <gtest/gtest.h>

namespace {

TEST(DictRegisterQuestion, OneQuestionPerKind)
{
    EXPECT_EQ("取引に入力されている ＜雑収入＞　は 「科目辞書」に未登録です。\n\n"
              "取引に使用される科目は、必ず「科目辞書」に登録してください。\n\n"
              "この科目の分類 は 【収益】で取引が入力されています。\n\n"
              "＜雑収入＞ を 【収益】 として「科目辞書」に登録しますか？",
              DictRegisterQuestion(kRegisterAccount, "雑収入", "収益"));
    EXPECT_EQ("取引に入力されている ＜定期預金＞　は 「科目辞書」の「結果科目」に未登録です。\n\n\n"
              "＜定期預金＞ を 【資産(流動)】 として「結果科目」に登録しますか？",
              DictRegisterQuestion(kRegisterResultAccount, "定期預金", "資産(流動)"));
    // No blank between the opening words and the description.
    EXPECT_EQ("取引に入力されている現金売上　は、＜売上＞の新しい摘要です。\n\n\n"
              "現金売上 を、＜売上＞の摘要 として「科目辞書」に登録しますか？",
              DictRegisterQuestion(kRegisterDescription, "現金売上", "売上"));
    EXPECT_EQ("", DictRegisterQuestion(3, "現金売上", "売上"));
    EXPECT_EQ("", DictRegisterQuestion(-1, "現金売上", "売上"));
}

TEST(DictRegisterAnswer, TheChoiceAfterOkAndASkipOtherwise)
{
    for (int choice : {kRegisterThis, kRegisterAll, kRegisterResetAll, kRegisterSkipAll}) {
        EXPECT_EQ(choice, DictRegisterAnswerOf(true, choice));
        EXPECT_EQ(kRegisterSkip, DictRegisterAnswerOf(false, choice));
    }
}

}  // namespace
