// AmountSum: a running total of amount texts, written as AddSubAmounts would
// write the total after the same additions one by one from "0": no separators,
// "." and two decimals once any operand had a ".", "-" in front of a total below
// zero. The books, the statements and the journal add up tens of thousands of
// amounts, so the total is held as a number of hundredths and turned into text
// only when asked.
//
// Amounts of plain digits, separators, signs and one "." are added as numbers;
// any other text, and a total too large for the number, carry on with the text
// arithmetic, so the result stays exact whatever the amounts.
#pragma once

#include "../framework/cstring.h"

class AmountSum {
public:
    // A total of "0".
    AmountSum() = default;

    void Add(const CString& amount) { Book(amount, 1); }
    void Subtract(const CString& amount) { Book(amount, -1); }

    CString Text() const;
    // Every amount so far was added as a number (none went on as text).
    bool Exact() const { return m_exact; }

private:
    void Book(const CString& amount, int op);

#if defined(__SIZEOF_INT128__)
    using Hundredths = __int128;
#else
    using Hundredths = long long;
#endif

    bool m_exact = true;   // the total is m_hundredths; otherwise m_text
    bool m_point = false;  // an operand had a "."
    Hundredths m_hundredths = 0;
    CString m_text;
};
