// The advice about an entry that decreases one of the owner's accounts.
#include "journal/owner_account_check.h"

#include "support/entry_builder.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* cause1;
    const char* result1;
    int direction;
    const char* cause2;
    const char* owner;
    const char* hintResult;
};

TEST(OwnerAccountCheck, DebitLoanOrCreditDrawingsAreAdvised)
{
    const Case cases[] = {
        {"事業主借", "現金", 0, "", "事業主借", "現金"},    // cause rows are debit
        {"事業主借", "現金", 1, "", "", ""},                // on the credit side: nothing
        {"現金", "事業主貸", 0, "", "事業主貸", "現金"},    // drawings on the credit side
        {"事業主借", "事業主貸", 0, "", "事業主貸", "事業主借"},  // both: 事業主貸 wins
        {"旧事業主借勘定", "現金", 0, "", "事業主借", "現金"},  // part of a longer name
        {"売上", "現金", 1, "事業主貸", "事業主貸", "現金"},
        {"売上", "現金", -1, "", "", ""},
    };
    for (const auto& c : cases) {
        CMyObject2 entry;
        EntryBuilder().Cause(c.cause1).Cause(c.cause2).Result(c.result1).Direction(c.direction).WriteTo(entry);
        const OwnerAccountAdvice advice = OwnerAccountAdviceFor(entry);
        EXPECT_EQ(c.owner, advice.owner) << c.cause1;
        EXPECT_EQ(c.hintResult, advice.hintResult) << c.cause1;
        if (*c.owner) {
            EXPECT_EQ(c.owner, advice.hintCause);
            EXPECT_EQ("「　" + CString(c.owner) + "　」が減少する仕訳が入力されました。\n\n[入力ヒント]ダイアログを表示します",
                      advice.question);
        }
    }
}

}  // namespace
