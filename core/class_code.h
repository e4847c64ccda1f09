// The class code of a journal entry: seven decimal digits c1 c2 c3 r1 r2 r3 p, the
// class digits of the three cause and three result rows and the connecting-word choice.
#pragma once

#include <array>

struct ClassCode {
    bool known = false;             // the stored number carried class digits
    std::array<int, 6> rowClass{};  // cause rows 1-3, then result rows 1-3; 0 = none
    int connectChoice = 0;          // 0 to 5

    // The class list index of a row (class digit - 1; -1 for none), and of all six.
    int ClassIndex(int row) const { return rowClass[static_cast<std::size_t>(row)] - 1; }
    std::array<int, 6> ClassIndexes() const
    {
        std::array<int, 6> index;
        for (std::size_t row = 0; row < 6; ++row)
            index[row] = rowClass[row] - 1;
        return index;
    }
};

// The stored number: c1 * 1000000 + ... + p.
int EncodeClassCode(const ClassCode& code);

// The digits of a stored number, the one reading of every book, statement, aid and
// of the journal itself: a value of 99999 or less carries none (not known, all
// zero); a value of six digits is seven with a leading zero, the code of an entry
// whose cause row 1 had no class, so that every digit stays with its own row.
ClassCode DecodeClassCode(int value);
