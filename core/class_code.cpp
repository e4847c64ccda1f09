#include "class_code.h"

#include <string>

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
    // Seven digits, the first one the class of cause row 1; a code of six digits
    // lost the leading zero of a cause row 1 without a class.
    std::string digits = std::to_string(value);
    if (digits.size() == 6)
        digits.insert(digits.begin(), '0');
    for (std::size_t i = 0; i < 6 && i < digits.size(); ++i)
        code.rowClass[i] = digits[i] - '0';
    if (digits.size() > 6)
        code.connectChoice = digits[6] - '0';
    return code;
}
