#include "amount_sum.h"

#include "amount_arithmetic.h"

#include <cstdint>
#include <string>

namespace {

template <class Number>
constexpr Number PowerOfTen(int n)
{
    Number value = 1;
    for (int i = 0; i < n; ++i)
        value *= 10;
    return value;
}

// Reads an amount of plain digits, ",", " ", "-" and at most one "." as
// SplitAmount reads it: separators dropped, any "-" makes it negative, only the
// first two decimals count (one decimal is tens of hundredths). False for any
// other text and for an integer part of integerLimit or more.
template <class Number>
bool ReadPlainAmount(const CString& amount, Number integerLimit, Number& hundredths, bool& point)
{
    bool negative = false;
    Number integer = 0;
    int fraction = 0;
    int decimals = 0;
    point = false;
    for (const char ch : amount.view()) {
        if (ch == ',' || ch == ' ')
            continue;
        if (ch == '-') {
            negative = true;
        } else if (ch == '.') {
            if (point)
                return false;
            point = true;
        } else if (ch < '0' || ch > '9') {
            return false;
        } else if (!point) {
            if (integer >= integerLimit)
                return false;
            integer = integer * 10 + (ch - '0');
        } else if (decimals < 2) {
            fraction = fraction * 10 + (ch - '0');
            ++decimals;
        }
    }
    if (decimals == 1)
        fraction *= 10;
    hundredths = integer * 100 + fraction;
    if (negative)
        hundredths = -hundredths;
    return true;
}

}  // namespace

void AmountSum::Book(const CString& amount, int op)
{
    if (m_exact) {
        // An amount below a thousandth of the limit added to a total within the
        // limit cannot overflow the number.
        constexpr int kTotalDigits = sizeof(Hundredths) > 8 ? 37 : 18;
        constexpr Hundredths kTotalLimit = PowerOfTen<Hundredths>(kTotalDigits);
        constexpr Hundredths kIntegerLimit = PowerOfTen<Hundredths>(kTotalDigits - 3);
        Hundredths value = 0;
        bool point = false;
        if (ReadPlainAmount(amount, kIntegerLimit, value, point)) {
            const Hundredths sum = op == 1 ? m_hundredths + value : m_hundredths - value;
            if (sum < kTotalLimit && sum > -kTotalLimit) {
                m_hundredths = sum;
                m_point = m_point || point;
                return;
            }
        }
        // From here on the total is carried as text, from the text it has reached.
        m_text = Text();
        m_exact = false;
    }
    m_text = AddSubAmounts(m_text, amount, op);
}

CString AmountSum::Text() const
{
    if (!m_exact)
        return m_text;
    Hundredths magnitude = m_hundredths < 0 ? -m_hundredths : m_hundredths;
    const int fraction = static_cast<int>(magnitude % 100);
    Hundredths integer = magnitude / 100;
    char digits[64];
    int at = sizeof digits;
    digits[--at] = '\0';
    if (m_point) {
        digits[--at] = static_cast<char>('0' + fraction % 10);
        digits[--at] = static_cast<char>('0' + fraction / 10);
        digits[--at] = '.';
    }
    // The wide number's division is slow: the digits that fit a 64-bit number are written with it.
    if constexpr (sizeof(Hundredths) > sizeof(std::uint64_t)) {
        while (integer > static_cast<Hundredths>(UINT64_MAX)) {
            digits[--at] = static_cast<char>('0' + static_cast<int>(integer % 10));
            integer /= 10;
        }
    }
    auto rest = static_cast<std::uint64_t>(integer);
    do {
        digits[--at] = static_cast<char>('0' + static_cast<int>(rest % 10));
        rest /= 10;
    } while (rest != 0);
    if (m_hundredths < 0)
        digits[--at] = '-';
    return CString(digits + at);
}
