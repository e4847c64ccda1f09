#include "core/era_year.h"

#include <gtest/gtest.h>

namespace {

TEST(EraYear, FirstYearIsGanAndTheCountRunsOn)
{
    struct Case {
        int year;
        const char* text;
    } cases[] = {
        {2000, "平成12"},
        {2018, "平成30"},
        {2019, "令和元"},
        {2020, "令和2"},
        {2099, "令和81"},
        // Outside 2000-2099 the count stays right instead of wrapping round.
        {1989, "平成元"},
        {1999, "平成11"},
        {2100, "令和82"},
        {2119, "令和101"},
        {1988, "昭和63"},
        {1926, "昭和元"},
        // Before the eras known here: the calendar year, never an era year of 0 or less.
        {1925, "1925"},
        {0, "0"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(EraYearText(c.year), c.text) << c.year;
}

TEST(EraYear, YearOfTextReadsTheLeadingFourDigits)
{
    struct Case {
        const char* text;
        int year;
    } cases[] = {
        {"2024/05/01", 2024},
        {"2019", 2019},
        {"0999", 999},
        {"201", 0},
        {"", 0},
        {"20a4/01/01", 0},
        {"令和元年", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(YearOfText(c.text), c.year) << c.text;
}

}  // namespace
