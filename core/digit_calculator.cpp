#include "digit_calculator.h"

#include <algorithm>
#include <string>

namespace {

// A number read from an operand text: its sign, integer digits and fraction digits.
struct DecimalOperand {
    bool negative = false;
    std::string integer;
    std::string fraction;
};

// Reads an operand; false when it holds anything but separators, blanks, "-",
// digits and one ".". Every byte of a double-byte character is refused, so no
// trail byte is ever taken for a digit.
bool ReadOperand(const CString& text, DecimalOperand& operand)
{
    operand = DecimalOperand();
    bool seenPoint = false;
    for (char ch : text.view()) {
        if (ch == ',' || ch == ' ')
            continue;
        if (ch == '-') {
            operand.negative = true;
        } else if (ch == '.') {
            if (seenPoint)
                return false;
            seenPoint = true;
        } else if (ch >= '0' && ch <= '9') {
            (seenPoint ? operand.fraction : operand.integer) += ch;
        } else {
            return false;
        }
    }
    return true;
}

std::string WithoutSeparators(const CString& text)
{
    std::string out;
    for (char ch : text.view())
        if (ch != ',' && ch != ' ')
            out += ch;
    return out;
}

std::string PadFront(const std::string& digits, std::size_t width)
{
    return digits.size() < width ? std::string(width - digits.size(), '0') + digits : digits;
}

// The result text of a digit string that holds `decimals` fraction digits at its end.
CString ShapeResult(std::string digits, std::size_t decimals, bool negative)
{
    digits = PadFront(digits, decimals + 1);
    std::string integer = digits.substr(0, digits.size() - decimals);
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);

    std::string text;
    if (negative && digits.find_first_not_of('0') != std::string::npos)
        text = "-";
    text += integer;
    if (decimals > 0) {
        text += '.';
        text += digits.substr(digits.size() - decimals);
    }
    return CString(text);
}

int CompareEqualLength(const std::string& a, const std::string& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return a[i] > b[i] ? 1 : 2;
    }
    return 1;
}

// Adds digit into the product at position (0 at the left), carrying to the left.
void AddDigitAt(std::string& product, int digit, std::size_t position)
{
    int carry = digit;
    for (std::size_t pos = position + 1; carry > 0 && pos-- > 0;) {
        const int value = (product[pos] - '0') + carry;
        product[pos] = static_cast<char>('0' + value % 10);
        carry = value / 10;
    }
}

// Schoolbook product of digit strings a and b into a text of a.size() + b.size() digits.
std::string MultiplyDigitInto(const std::string& a, const std::string& b)
{
    std::string product(a.size() + b.size(), '0');
    for (std::size_t x = a.size(); x-- > 0;) {
        for (std::size_t y = b.size(); y-- > 0;) {
            const int c = (a[x] - '0') * (b[y] - '0');
            AddDigitAt(product, c % 10, x + y + 1);
            if (c >= 10)
                AddDigitAt(product, c / 10, x + y);
        }
    }
    return product;
}

}  // namespace

int CompareDigits(const CString& a, const CString& b)
{
    const std::size_t width = std::max(a.view().size(), b.view().size());
    return CompareEqualLength(PadFront(a.str(), width), PadFront(b.str(), width));
}

CString AddDigits(const CString& a, const CString& b)
{
    const std::size_t width = std::max(a.view().size(), b.view().size());
    const std::string x = PadFront(a.str(), width);
    const std::string y = PadFront(b.str(), width);
    std::string sum(width, '0');
    int carry = 0;
    for (std::size_t i = width; i-- > 0;) {
        const int value = (x[i] - '0') + (y[i] - '0') + carry;
        sum[i] = static_cast<char>('0' + value % 10);
        carry = value / 10;
    }
    if (carry)
        sum.insert(sum.begin(), '1');
    return CString(sum);
}

CString SubtractDigits(const CString& a, const CString& b, int direction)
{
    const std::size_t width = std::max(a.view().size(), b.view().size());
    const std::string x = PadFront(a.str(), width);
    const std::string y = PadFront(b.str(), width);
    const std::string& larger = direction == 1 ? x : y;
    const std::string& smaller = direction == 1 ? y : x;
    std::string difference(width, '0');
    int borrow = 0;
    for (std::size_t i = width; i-- > 0;) {
        int value = (larger[i] - '0') - (smaller[i] - '0') - borrow;
        borrow = value < 0 ? 1 : 0;
        if (value < 0)
            value += 10;
        difference[i] = static_cast<char>('0' + value);
    }
    return CString(difference);
}

CString PadDigits(const CString& text, int width, int side)
{
    const int missing = width - text.GetLength();
    if (missing <= 0 || (side != -1 && side != 1))
        return text;
    const CString zeros('0', missing);
    return side == -1 ? zeros + text : text + zeros;
}

CString MultiplyDigits(const CString& first, const CString& second)
{
    if (WithoutSeparators(first).empty() || WithoutSeparators(second).empty())
        return CString();
    DecimalOperand a, b;
    if (!ReadOperand(first, a) || !ReadOperand(second, b))
        return CString();

    // Leading zeros would only lengthen the product; an operand of no digits ("-"
    // or ".") is zero.
    auto digitsOf = [](const DecimalOperand& operand) {
        std::string digits = operand.integer + operand.fraction;
        const std::size_t firstNonZero = digits.find_first_not_of('0');
        return firstNonZero == std::string::npos ? std::string("0") : digits.substr(firstNonZero);
    };
    const std::string product = MultiplyDigitInto(digitsOf(a), digitsOf(b));
    return ShapeResult(product, a.fraction.size() + b.fraction.size(), a.negative != b.negative);
}

CString Calculate(const CString& first, const CString& second, const CString& op)
{
    if (op == "*")
        return MultiplyDigits(first, second);
    if (op != "+" && op != "-")
        return CString();

    DecimalOperand a, b;
    if (!ReadOperand(first, a) || !ReadOperand(second, b))
        return CString();

    const std::size_t integerWidth = std::max(a.integer.size(), b.integer.size());
    const std::size_t decimals = std::max(a.fraction.size(), b.fraction.size());
    auto alignedDigits = [&](const DecimalOperand& operand) {
        std::string fraction = operand.fraction;
        fraction.append(decimals - fraction.size(), '0');
        return CString(PadFront(operand.integer, integerWidth) + fraction);
    };
    const CString digitsA = alignedDigits(a);
    const CString digitsB = alignedDigits(b);

    const bool secondNegative = b.negative != (op == "-");
    CString digits;
    bool negative = a.negative;
    if (a.negative == secondNegative) {
        digits = AddDigits(digitsA, digitsB);
    } else if (CompareDigits(digitsA, digitsB) == 1) {
        digits = SubtractDigits(digitsA, digitsB, 1);
    } else {
        digits = SubtractDigits(digitsA, digitsB, -1);
        negative = !negative;
    }
    return ShapeResult(digits.str(), decimals, negative);
}

CString AddSubDecimals(const CString& first, const CString& second, int op)
{
    return Calculate(first, second, op == -1 ? "-" : "+");
}
