#include "core/class_code.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassCode, EncodesSevenDigitsFromTheLeft)
{
    ClassCode code;
    code.rowClass = {5, 0, 0, 7, 0, 0};
    EXPECT_EQ(5007000, EncodeClassCode(code));
    code.rowClass = {3, 3, 0, 5, 4, 0};
    code.connectChoice = 5;
    EXPECT_EQ(3305405, EncodeClassCode(code));
    // A cause row 1 without a class: the number has six digits, and reads back.
    code.rowClass = {0, 5, 0, 0, 7, 0};
    code.connectChoice = 1;
    EXPECT_EQ(500701, EncodeClassCode(code));
    EXPECT_EQ(code.rowClass, DecodeClassCode(500701).rowClass);
}

TEST(ClassCode, DecodesOnlyValuesOverFiveDigits)
{
    struct Case {
        int value;
        bool known;
        std::array<int, 6> rows;
        int choice;
    } cases[] = {
        {5007000, true, {5, 0, 0, 7, 0, 0}, 0},
        {3305405, true, {3, 3, 0, 5, 4, 0}, 5},
        {99999, false, {0, 0, 0, 0, 0, 0}, 0},
        {0, false, {0, 0, 0, 0, 0, 0}, 0},
        {-5007000, false, {0, 0, 0, 0, 0, 0}, 0},
        // Six digits: cause row 1 had no class, its leading zero is not written.
        {100000, true, {0, 1, 0, 0, 0, 0}, 0},
        {500700, true, {0, 5, 0, 0, 7, 0}, 0},
        {500200, true, {0, 5, 0, 0, 2, 0}, 0},
        {705001, true, {0, 7, 0, 5, 0, 0}, 1},
        {999999, true, {0, 9, 9, 9, 9, 9}, 9},
        // Longer than any writer makes: read from the left.
        {2147483647, true, {2, 1, 4, 7, 4, 8}, 3},
    };
    for (const Case& c : cases) {
        const ClassCode code = DecodeClassCode(c.value);
        EXPECT_EQ(c.known, code.known) << c.value;
        EXPECT_EQ(c.rows, code.rowClass) << c.value;
        EXPECT_EQ(c.choice, code.connectChoice) << c.value;
    }
    const ClassCode code = DecodeClassCode(1005002);
    EXPECT_EQ((std::array<int, 6>{0, -1, -1, 4, -1, -1}), code.ClassIndexes());
    EXPECT_EQ(4, code.ClassIndex(3));
}

}  // namespace
