#include "aid_amounts.h"

#include "../core/amount_arithmetic.h"
#include "../core/amount_format.h"
#include "../journal/entry_check.h"

CString StripSeparators(const CString& text)
{
    CString result = text;
    result.Remove(',');
    result.Remove(' ');
    return result;
}

CString StripCommas(const CString& text)
{
    CString result = text;
    result.Remove(',');
    return result;
}

CString AidFormatAmount(const CString& text, int width)
{
    return FormatAmountIgnoringBlanks(text, width);
}

CString AidCalculate(const CString& a, const CString& b, int op)
{
    return AddSubAmounts(StripSeparators(a), StripSeparators(b), op == -1 ? -1 : 1);
}

bool AidAmountFits(const CString& text, int width)
{
    const CString shown = AidFormatAmount(text, 0);
    CString check = shown;
    // The whole-amount form carries three blanks after its digits at any width.
    if (check.Find('.') < 0 && !check.IsEmpty())
        check += "   ";
    return width <= 0 || check.GetLength() <= width;
}

CString CheckFieldAmounts(std::initializer_list<AmountField> fields)
{
    for (const AmountField& field : fields) {
        const CString text = StripSeparators(field.text);
        const CString refusal = IsCutAmount(text) ? CString() : CheckAmountForm(text, field.name);
        if (!refusal.IsEmpty())
            return refusal;
    }
    return CString();
}

CString CheckAidAmount(const CString& typed, const CString& field, int width)
{
    CString refusal = CheckAmountForm(typed, field);
    if (!refusal.IsEmpty())
        return refusal;
    if (!AidAmountFits(typed, width))
        return "[ " + field + " ] の金額が長すぎて表示できません。";
    return CString();
}
