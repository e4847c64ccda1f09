#include "era_year.h"

#include "column_text.h"

namespace {

struct Era {
    int firstYear;
    const char* name;
};

// Latest first: the first era that has begun by the year is its era.
constexpr Era kEras[] = {
    {2019, "令和"},
    {1989, "平成"},
    {1926, "昭和"},
};

}  // namespace

CString EraYearText(int year)
{
    for (const Era& era : kEras) {
        if (year >= era.firstYear) {
            int inEra = year - era.firstYear + 1;
            return CString(era.name) + (inEra == 1 ? CString("元") : IntToText(inEra));
        }
    }
    return IntToText(year);
}

int YearOfText(const CString& text)
{
    if (text.GetLength() < 4)
        return 0;
    int year = 0;
    for (int i = 0; i < 4; ++i) {
        char c = text[i];
        if (c < '0' || c > '9')
            return 0;
        year = year * 10 + (c - '0');
    }
    return year;
}
