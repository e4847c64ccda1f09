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
}

TEST(ClassCode, DecodesOnlyValuesOverFiveDigits)
{
    struct Case {
        int value;
        std::array<int, 6> rows;
        int choice;
    } cases[] = {
        {5007000, {5, 0, 0, 7, 0, 0}, 0},
        {3305405, {3, 3, 0, 5, 4, 0}, 5},
        {99999, {0, 0, 0, 0, 0, 0}, 0},
        {0, {0, 0, 0, 0, 0, 0}, 0},
        {-5007000, {0, 0, 0, 0, 0, 0}, 0},
        // Six digits: cause row 1 had no class, its leading zero is not written.
        {100000, {0, 1, 0, 0, 0, 0}, 0},
        {500700, {0, 5, 0, 0, 7, 0}, 0},
        {705001, {0, 7, 0, 5, 0, 0}, 1},
    };
    for (const Case& c : cases) {
        ClassCode code = DecodeClassCode(c.value);
        EXPECT_EQ(c.rows, code.rowClass) << c.value;
        EXPECT_EQ(c.choice, code.connectChoice) << c.value;
    }
}

}  // namespace
