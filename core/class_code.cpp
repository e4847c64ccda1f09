#include "class_code.h"

#include <charconv>

int EncodeClassCode(const ClassCode& code)
{
    int value = 0;
    for (int digit : code.rowClass)
        value = value * 10 + digit;
    return value * 10 + code.connectChoice;
}

ClassCode DecodeClassCode(int value)
{
    ClassCode code;
    if (value <= 99999)
        return code;
    code.known = true;
    // The decimal text from the left; six digits lost the leading zero of a cause
    // row 1 without a class. A longer text (no writer makes one) is read from its
    // left as well.
    char text[16] = {'0'};
    char* const start = text + 1;
    const char* const end = std::to_chars(start, text + sizeof text, value).ptr;
    const char* digit = end - start == 6 ? text : start;
    for (std::size_t row = 0; row < 6; ++row)
        code.rowClass[row] = *digit++ - '0';
    code.connectChoice = *digit - '0';
    return code;
}
