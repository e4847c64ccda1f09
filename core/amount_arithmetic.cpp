#include "amount_arithmetic.h"

#include "digit_calculator.h"

#include <string>

namespace {

CString WithoutSeparators(const CString& text)
{
    CString out = text;
    out.Remove(',');
    out.Remove(' ');
    return out;
}

// The leading run of digits of a text; empty when it does not begin with one.
CString LeadingDigits(const CString& text)
{
    return text.SpanIncluding("0123456789");
}

// The magnitude of split parts in hundredths, as a digit string of any length:
// (high * 10^9 + low) * 100 + fraction. Nothing is held in a machine integer, so
// running totals beyond eighteen digits stay exact.
CString Hundredths(const CString& high, const CString& low, const CString& fraction)
{
    CString fractionDigits = fraction;
    fractionDigits.Remove('.');
    const CString integer = AddDigits(LeadingDigits(high) + "000000000", LeadingDigits(low));
    return AddDigits(integer + "00", LeadingDigits(fractionDigits));
}

bool HasPoint(const CString& fractionA, const CString& fractionB)
{
    return fractionA.Find('.') >= 0 || fractionB.Find('.') >= 0;
}

// The result form of a magnitude in hundredths.
CString FormatHundredths(const CString& hundredths, bool withFraction)
{
    const CString digits = PadDigits(hundredths, 3, -1);
    CString integer = digits.Left(digits.GetLength() - 2);
    integer.TrimLeft('0');
    if (integer.IsEmpty())
        integer = "0";
    return withFraction ? integer + "." + digits.Right(2) : integer;
}

bool IsZero(const CString& magnitude)
{
    return magnitude.SpanIncluding("0.") == magnitude;
}

}  // namespace

AmountParts SplitAmount(const CString& amount)
{
    AmountParts parts;
    CString text = WithoutSeparators(amount);
    if (text.IsEmpty())
        return parts;
    parts.negative = text.Remove('-') > 0;

    const int point = text.Find('.');
    if (point < 0) {
        const int length = text.GetLength();
        parts.low = text.Right(9);
        parts.high = length > 9 ? text.Left(length - 9) : CString();
        return parts;
    }

    parts.fraction = "." + text.Mid(point + 1, 2);
    if (parts.fraction.GetLength() == 2)
        parts.fraction += "0";
    if (point >= 10) {
        parts.low = text.Mid(point - 9, 9);
        parts.high = text.Left(point - 9);
    } else {
        parts.low = text.Left(point);
    }
    return parts;
}

int CompareAmountParts(const CString& highA, const CString& lowA, const CString& fractionA,
                       const CString& highB, const CString& lowB, const CString& fractionB)
{
    return CompareDigits(Hundredths(highA, lowA, fractionA), Hundredths(highB, lowB, fractionB));
}

CString AddAmountParts(const CString& highA, const CString& lowA, const CString& fractionA,
                       const CString& highB, const CString& lowB, const CString& fractionB)
{
    const CString sum = AddDigits(Hundredths(highA, lowA, fractionA), Hundredths(highB, lowB, fractionB));
    return FormatHundredths(sum, HasPoint(fractionA, fractionB));
}

CString SubtractAmountParts(const CString& highA, const CString& lowA, const CString& fractionA,
                            const CString& highB, const CString& lowB, const CString& fractionB)
{
    const CString a = Hundredths(highA, lowA, fractionA);
    const CString b = Hundredths(highB, lowB, fractionB);
    const bool withFraction = HasPoint(fractionA, fractionB);
    if (CompareDigits(a, b) == 1)
        return FormatHundredths(SubtractDigits(a, b, 1), withFraction);
    return "-" + FormatHundredths(SubtractDigits(a, b, -1), withFraction);
}

CString AddSubAmounts(const CString& first, const CString& second, int op)
{
    if (op != 1 && op != -1)
        return CString();
    const AmountParts a = SplitAmount(first);
    const AmountParts b = SplitAmount(second);
    const bool secondNegative = b.negative != (op == -1);

    CString magnitude;
    bool negative = a.negative;
    if (a.negative == secondNegative) {
        magnitude = AddAmountParts(a.high, a.low, a.fraction, b.high, b.low, b.fraction);
    } else if (CompareAmountParts(a.high, a.low, a.fraction, b.high, b.low, b.fraction) == 1) {
        magnitude = SubtractAmountParts(a.high, a.low, a.fraction, b.high, b.low, b.fraction);
    } else {
        magnitude = SubtractAmountParts(b.high, b.low, b.fraction, a.high, a.low, a.fraction);
        negative = !negative;
    }
    return negative && !IsZero(magnitude) ? "-" + magnitude : magnitude;
}

CString AddSubAmountsKeepingEmpty(const CString& first, const CString& second, int op)
{
    if (first.IsEmpty() && second.IsEmpty())
        return CString();
    return AddSubAmounts(first, second, op);
}

CString MultiplyAmountByCount(const CString& amount, int count)
{
    if (count <= 0)
        return "0";
    // The amount in its result form holds only digits, a "-" and a ".", so the
    // exact product cannot be refused.
    const CString normal = AddSubAmounts("0", amount, 1);
    return Calculate(normal, CString(std::to_string(count)), "*");
}
