#include "amount_format.h"

namespace {

constexpr int kDisplaySeparators = 6;

// A fraction (from its "." on) made exactly two decimals long.
CString TwoDecimalFraction(const CString& fraction)
{
    CString result = fraction.Left(3);
    if (result.GetLength() == 2)
        result += "0";
    else if (result.GetLength() == 1)
        result += "00";
    return result;
}

}  // namespace

CString InsertThousandsSeparators(const CString& digits, int maxSeparators)
{
    CString grouped = digits;
    // Each separator adds a byte, so the next one stands four bytes further from the end.
    for (int i = 0; i < maxSeparators; ++i) {
        const int distance = 3 + 4 * i;
        if (grouped.GetLength() <= distance)
            break;
        grouped.Insert(grouped.GetLength() - distance, ',');
    }
    return grouped;
}

CString FitAmountToWidth(const CString& text, int width)
{
    if (width <= 0)
        return text;
    const int length = text.GetLength();
    if (length > width) {
        // A negative amount keeps its sign in front of the mark of the cut.
        if (text.Find('-') >= 0)
            return width == 1 ? CString("-") : "-#" + text.Right(width - 2);
        return "#" + text.Right(width - 1);
    }
    if (length < width)
        return CString(' ', width - length) + text;
    return text;
}

bool IsCutAmount(const CString& shown)
{
    CString text = shown;
    text.TrimLeft();
    return text.Left(1) == "#" || text.Left(2) == "-#";
}

CString FormatAmount(const CString& amount, int width, int* amountFits)
{
    if (amount.IsEmpty())
        return amount;
    CString text = amount;
    text.Remove(',');
    const bool negative = text.Remove('-') > 0;

    const int point = text.Find('.');
    CString display;
    if (point >= 0)
        display = InsertThousandsSeparators(text.Left(point), kDisplaySeparators) +
                  TwoDecimalFraction(text.Mid(point));
    else
        display = InsertThousandsSeparators(text, kDisplaySeparators);
    if (point < 0 && width > 0)
        display += "   ";
    if (negative)
        display = "-" + display;

    if (width <= 0)
        return display;
    if (amountFits)
        *amountFits = display.GetLength() <= kAmountFitsBytes ? -1 : 0;
    return FitAmountToWidth(display, width);
}

CString FormatAmountIgnoringBlanks(const CString& amount, int width)
{
    CString text = amount;
    text.Remove(' ');
    return FormatAmount(text, width);
}

CString NormalizeAmount(const CString& amount)
{
    CString text = amount;
    text.Remove(',');
    text.Remove(' ');
    const int point = text.Find('.');
    if (point < 0)
        return text;
    return text.Left(point) + TwoDecimalFraction(text.Mid(point));
}
