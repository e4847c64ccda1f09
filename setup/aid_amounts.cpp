#include "aid_amounts.h"

#include "../core/amount_arithmetic.h"
#include "../core/amount_check.h"
#include "../core/amount_format.h"

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

CString OpeningBalanceFieldName(const CString& account)
{
    return "[ " + account + " ] の期首残高";
}

CString CheckFieldAmounts(std::initializer_list<AmountField> fields)
{
    for (const AmountField& field : fields) {
        if (IsCutAmount(StripSeparators(field.text)))
            continue;
        const CString refusal = AmountRefusal(field.text, field.name, kUnsignedAmount);
        if (!refusal.IsEmpty())
            return refusal;
    }
    return CString();
}

CString CheckAidAmount(const CString& typed, const CString& account, int width)
{
    CString refusal = AmountRefusal(typed, OpeningBalanceFieldName(account), kJournalAmount);
    if (!refusal.IsEmpty())
        return refusal;
    if (!AidAmountFits(typed, width))
        return "[ " + account + " ] の金額が長すぎて表示できません。";
    return CString();
}
