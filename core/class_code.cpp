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
    // Read as text, character by character from the left, like every reader of the code.
    const std::string digits = std::to_string(value);
    for (std::size_t i = 0; i < 6 && i < digits.size(); ++i)
        code.rowClass[i] = digits[i] - '0';
    if (digits.size() > 6)
        code.connectChoice = digits[6] - '0';
    return code;
}
