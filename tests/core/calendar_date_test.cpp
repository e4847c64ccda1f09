// What a date is: one table for the journal, the record CSV import and the converter.
#include "core/calendar_date.h"

#include <gtest/gtest.h>

namespace {

TEST(CalendarDate, OneTableOfCases)
{
    struct Case {
        const char* text;
        bool day;
    } cases[] = {
        {"2024/01/01", true},
        {"2024/12/31", true},
        {"2024/02/29", true},   // a leap year
        {"2000/02/29", true},   // every 400 years
        {"2023/02/29", false},
        {"1900/02/29", false},  // not every 100 years
        {"2024/02/30", false},
        {"2024/04/31", false},
        {"2024/06/31", false},
        {"2024/09/31", false},
        {"2024/11/31", false},
        {"2024/13/01", false},
        {"2024/00/10", false},
        {"2024/01/00", false},
        {"0000/01/01", false},
        {"2024/1/05", false},
        {"24/01/05", false},    // the journal stores the year with four digits
        {"2024-01-05", false},
        {" 2024/01/05", false},
        {"2024/01/05 ", false},
        {"2024/01/0a", false},
        {"２０２４/01/05", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.day, IsCalendarDate(c.text)) << c.text;
        EXPECT_EQ(c.day, DateRefusal(c.text).IsEmpty()) << c.text;
    }
    EXPECT_EQ("日付「2024/02/30」は暦にある日ではありません。\n\n日付は「年4桁/月2桁/日2桁」の暦にある日で書いてください。",
              DateRefusal("2024/02/30"));
}

}  // namespace
