// The class code of a journal entry: seven decimal digits c1 c2 c3 r1 r2 r3 p, the
// class digits of the three cause and three result rows and the connecting-word choice.
#pragma once

#include <array>

struct ClassCode {
    std::array<int, 6> rowClass{};  // cause rows 1-3, then result rows 1-3; 0 = none
    int connectChoice = 0;          // 0 to 5
};

// The stored number: c1 * 1000000 + ... + p.
int EncodeClassCode(const ClassCode& code);

// The digits of a stored number, the one reading of every book, statement and
// aid: six digits are seven with a leading zero (cause row 1 without a class); a
// value of 99999 or less carries none (all zero).
ClassCode DecodeClassCode(int value);
