#include "sales_text.h"

#include "../core/column_text.h"

CString FitBookText(const CString& text, int width, int align)
{
    return FitToColumn(text, width, align, ColumnFit::AsGiven);
}

CString FitBookAmount(const CString& amount, int width, int align)
{
    return FitToColumn(amount, width, align, ColumnFit::WidenForPoint);
}

CString PadItemField(const CString& text, int width)
{
    return PadToWidth(text, width, kAlignLeft, PadCut::FillWithBlanks);
}
