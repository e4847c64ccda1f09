#include "amount_check.h"

#include "column_text.h"

namespace {

// What one pass over the text found.
struct AmountShape {
    bool readable = true;   // only digits, separators, one "." and one leading "-"
    bool digits = false;    // at least one digit
    bool sign = false;      // a "-" in front of the digits
    int integerDigits = 0;  // without leading zeros
    int decimals = 0;
};

AmountShape ShapeOf(CString text)
{
    text.TrimLeft(' ');
    text.TrimRight(' ');
    AmountShape shape;
    bool point = false;
    bool leading = true;  // still in the leading zeros
    for (int i = 0; i < text.GetLength() && shape.readable; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            shape.digits = true;
            if (point) {
                ++shape.decimals;
            } else if (c != '0' || !leading) {
                leading = false;
                ++shape.integerDigits;
            }
        } else if (c == ',' || c == ' ') {
            shape.readable = !point;
        } else if (c == '-') {
            shape.readable = !shape.sign && !shape.digits && !point;
            shape.sign = true;
        } else if (c == '.') {
            shape.readable = !point;
            point = true;
        } else {
            shape.readable = false;
        }
    }
    shape.readable = shape.readable && shape.digits;
    return shape;
}

CString Quoted(const CString& field, const CString& text)
{
    return field + "「" + text + "」";
}

}  // namespace

bool IsBlankAmount(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] != ' ')
            return false;
    return true;
}

CString AmountRefusal(const CString& text, const CString& field, const AmountLimits& limits)
{
    if (IsBlankAmount(text) && limits.emptyAllowed)
        return CString();
    const AmountShape shape = ShapeOf(text);
    const bool decimalsFit = limits.decimals < 0 || shape.decimals <= limits.decimals;
    if (!shape.readable || !decimalsFit) {
        const CString decimals = limits.decimals < 0 ? CString("、小数点")
                                                     : "、小数点以下" + IntToText(limits.decimals) + "桁までの小数";
        return Quoted(field, text) + "は数字として読めません。\n\n数字とカンマ" + decimals + "で入力してください。";
    }
    if (shape.sign && !limits.signAllowed)
        return Quoted(field, text) + "にはマイナスの符号を付けられません。";
    if (shape.integerDigits > limits.integerDigits)
        return "入力金額の整数が上限の" + IntToText(limits.integerDigits) + "桁を超えました！\n\n" + Quoted(field, text);
    if (limits.maxBytes > 0 && text.GetLength() > limits.maxBytes)
        return Quoted(field, text) + "は" + IntToText(limits.maxBytes) + "文字までで入力してください。";
    return CString();
}
