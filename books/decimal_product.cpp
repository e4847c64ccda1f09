#include "decimal_product.h"

#include "../core/amount_arithmetic.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int kGroupDigits = 4;

// The decimal places of an operand whose "," and " " are gone, and the operand's
// digits without any ".".
int TakeDecimalPlaces(CString& operand)
{
    const int point = operand.Find('.');
    if (point < 0)
        return 0;
    const int places = operand.GetLength() - point - 1;
    operand.Remove('.');
    return places;
}

// The groups of four digits from the right, lowest first; a top group of what is
// left (possibly empty) follows the whole groups of a text of four or more digits.
std::vector<CString> CutIntoGroups(const CString& digits)
{
    const int n = digits.GetLength();
    if (n < kGroupDigits)
        return {digits};
    std::vector<CString> groups;
    for (int end = n; end - kGroupDigits >= 0; end -= kGroupDigits)
        groups.push_back(digits.Mid(end - kGroupDigits, kGroupDigits));
    groups.push_back(digits.Left(n % kGroupDigits));
    return groups;
}

// The value of a group of up to four characters, read digit by digit; anything
// that is not a digit counts as 0.
std::int32_t GroupValue(const CString& group)
{
    std::int32_t value = 0;
    for (int i = 0; i < group.GetLength(); ++i) {
        const char c = group[i];
        value = value * 10 + ((c >= '0' && c <= '9') ? c - '0' : 0);
    }
    return value;
}

}  // namespace

CString MakeZeros(int n)
{
    CString zeros;
    for (int i = 0; i < n; ++i)
        zeros += '0';
    return zeros;
}

CString MultiplyDecimals(CString a, CString b)
{
    a.Remove(',');
    a.Remove(' ');
    b.Remove(',');
    b.Remove(' ');
    const int places = TakeDecimalPlaces(a) + TakeDecimalPlaces(b);

    const std::vector<CString> groupsA = CutIntoGroups(a);
    const std::vector<CString> groupsB = CutIntoGroups(b);
    // The sum stays without a "." so the core's addition keeps every digit.
    CString sum = "0";
    for (std::size_t i = 0; i < groupsA.size(); ++i) {
        for (std::size_t j = 0; j < groupsB.size(); ++j) {
            // At most 9999 * 9999, which fits 32 bits.
            const std::int32_t product = GroupValue(groupsA[i]) * GroupValue(groupsB[j]);
            CString partial;
            partial.Format("%ld", static_cast<long>(product));
            partial += MakeZeros(kGroupDigits * static_cast<int>(i));
            partial += MakeZeros(kGroupDigits * static_cast<int>(j));
            sum = AddSubAmounts(sum, partial, 1);
        }
    }
    if (places <= 0)
        return sum;
    while (sum.GetLength() < places)
        sum = "0" + sum;
    const int whole = sum.GetLength() - places;
    CString integer = sum.Left(whole);
    // A zero integer part is left out: ".05", not "0.05".
    if (integer == "0")
        integer.Empty();
    return integer + "." + sum.Right(places);
}
