#include "calendar_date.h"

namespace {

bool DigitsAt(const CString& text, int from, int count)
{
    for (int i = from; i < from + count; ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

int NumberAt(const CString& text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

int DaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

}  // namespace

bool IsCalendarDate(const CString& text)
{
    if (text.GetLength() != 10 || text[4] != '/' || text[7] != '/' || !DigitsAt(text, 0, 4) ||
        !DigitsAt(text, 5, 2) || !DigitsAt(text, 8, 2))
        return false;
    const int year = NumberAt(text, 0, 4);
    const int month = NumberAt(text, 5, 2);
    const int day = NumberAt(text, 8, 2);
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

CString DateRefusal(const CString& text)
{
    if (IsCalendarDate(text))
        return CString();
    return "日付「" + text + "」は暦にある日ではありません。\n\n日付は「年4桁/月2桁/日2桁」の暦にある日で書いてください。";
}
