#include "item_breakdown.h"

#include "decimal_product.h"
#include "sales_text.h"

#include "../core/amount_check.h"
#include "../core/amount_format.h"
#include "../core/column_text.h"
#include "../framework/cp932.h"

#include <algorithm>

const char* const kNoItemSelectedMessage = " 品名リストが選択されていません。";

namespace {

constexpr int kNameOffset = 2;
constexpr int kQuantityOffset = kNameOffset + kItemNameWidth;
constexpr int kUnitOffset = kQuantityOffset + kItemQuantityWidth;
constexpr int kPriceOffset = kUnitOffset + kItemUnitWidth;
constexpr int kCurrencyOffset = kPriceOffset + kItemPriceWidth;
static_assert(kCurrencyOffset + kItemCurrencyWidth == kItemLength);

CString Field(const CString& remark, int itemStart, int offset, int width)
{
    // A field written by this program ends on a character; one of a damaged remark
    // may end in the first byte of a character, which is left out.
    CString text = CutToBytes(remark.Mid(itemStart + offset, width), width);
    text.TrimRight(' ');
    return text;
}

// A quantity or unit price: an amount without a sign, with any number of
// decimals (the product is computed exactly), within the item's field.
AmountLimits ItemFigureLimits(int width)
{
    return AmountLimits{false, 18, -1, width, false};
}

}  // namespace

int CountItems(const CString& remark)
{
    const int start = FindItemsStart(remark);
    return start < 0 ? 0 : (remark.GetLength() - start) / kItemLength;
}

std::vector<SalesItem> ReadItems(const CString& remark)
{
    std::vector<SalesItem> items;
    const int start = FindItemsStart(remark);
    if (start < 0)
        return items;
    for (int at = start; at < remark.GetLength(); at += kItemLength) {
        items.push_back({Field(remark, at, kNameOffset, kItemNameWidth),
                         Field(remark, at, kQuantityOffset, kItemQuantityWidth),
                         Field(remark, at, kUnitOffset, kItemUnitWidth),
                         Field(remark, at, kPriceOffset, kItemPriceWidth),
                         Field(remark, at, kCurrencyOffset, kItemCurrencyWidth)});
    }
    return items;
}

CString BuildItem(const SalesItem& item)
{
    return CString("[]") + PadItemField(item.name, kItemNameWidth) +
           PadItemField(item.quantity, kItemQuantityWidth) + PadItemField(item.unit, kItemUnitWidth) +
           PadItemField(item.price, kItemPriceWidth) + PadItemField(item.currency, kItemCurrencyWidth);
}

CString ItemRefusal(const SalesItem& item)
{
    if (item.name.IsEmpty())
        return " 品名が入力されていません。";
    if (item.quantity.IsEmpty())
        return " 数量が入力されていません。";
    if (item.unit.IsEmpty())
        return " 単位が入力されていません。";
    if (item.price.IsEmpty())
        return " 単価が入力されていません。";
    const CString quantity = AmountRefusal(item.quantity, "数量", ItemFigureLimits(kItemQuantityWidth));
    if (!quantity.IsEmpty())
        return quantity;
    return AmountRefusal(item.price, "単価", ItemFigureLimits(kItemPriceWidth));
}

void AppendItem(CString& remark, const SalesItem& item)
{
    // A remark text ending in a lone lead byte would swallow the marker's "[".
    if (FindItemsStart(remark) < 0 && !remark.IsEmpty() &&
        cp932::IsLeadByte(static_cast<unsigned char>(remark[remark.GetLength() - 1])) &&
        !cp932::IsTrailByteAt(static_cast<const char*>(remark), static_cast<std::size_t>(remark.GetLength()),
                              static_cast<std::size_t>(remark.GetLength() - 1)))
        remark += ' ';
    remark += BuildItem(item);
}

bool ReplaceItem(CString& remark, int index, const SalesItem& item)
{
    if (index < 0 || index >= CountItems(remark))
        return false;
    const int at = FindItemsStart(remark) + index * kItemLength;
    remark = remark.Left(at) + BuildItem(item) + remark.Mid(at + kItemLength);
    return true;
}

bool RemoveItem(CString& remark, int index)
{
    if (index < 0 || index >= CountItems(remark))
        return false;
    const int at = FindItemsStart(remark) + index * kItemLength;
    remark.Delete(at, kItemLength);
    return true;
}

std::array<CString, 5> ItemRowTexts(const SalesItem& item)
{
    return {item.name,
            FitBookAmount(FormatAmount(item.quantity, 0), 12, 1),
            CString(" ") + item.unit,
            FitBookAmount(FormatAmount(item.price, 0), 10, 1),
            FitBookAmount(FormatAmount(MultiplyDecimals(item.quantity, item.price), 0), 17, 1)};
}

bool IsOwnEntry(int currentEntry, const std::vector<int>& ledgerEntries)
{
    return currentEntry >= 0 &&
           std::find(ledgerEntries.begin(), ledgerEntries.end(), currentEntry) != ledgerEntries.end();
}

void BreakdownEditor::ShowEntry(int entry)
{
    m_entry = entry;
    m_selected = -1;
}

bool BreakdownEditor::Pick(int k, const CString& remark)
{
    m_selected = (m_entry >= 0 && k >= 0 && k < CountItems(remark)) ? k : -1;
    return m_selected >= 0;
}

bool BreakdownEditor::Owns(int currentEntry, const std::vector<int>& ownLines) const
{
    return currentEntry == m_entry && IsOwnEntry(currentEntry, ownLines);
}

BreakdownEditor::Result BreakdownEditor::Add(CString& remark, int currentEntry, const std::vector<int>& ownLines,
                                             const SalesItem& item)
{
    if (!Owns(currentEntry, ownLines))
        return {};
    const CString refusal = ItemRefusal(item);
    if (!refusal.IsEmpty())
        return {Outcome::Refused, refusal};
    AppendItem(remark, item);
    return {Outcome::Done, CString()};
}

BreakdownEditor::Result BreakdownEditor::Change(CString& remark, int currentEntry, const std::vector<int>& ownLines,
                                                const SalesItem& item)
{
    if (!Owns(currentEntry, ownLines) || CountItems(remark) == 0)
        return {};
    if (m_selected < 0 || m_selected >= CountItems(remark))
        return {Outcome::NotSelected, kNoItemSelectedMessage};
    const CString refusal = ItemRefusal(item);
    if (!refusal.IsEmpty())
        return {Outcome::Refused, refusal};
    ReplaceItem(remark, m_selected, item);
    return {Outcome::Done, CString()};
}

BreakdownEditor::Result BreakdownEditor::Delete(CString& remark, int currentEntry, const std::vector<int>& ownLines)
{
    if (!Owns(currentEntry, ownLines) || CountItems(remark) == 0)
        return {};
    if (m_selected < 0 || m_selected >= CountItems(remark))
        return {Outcome::NotSelected, kNoItemSelectedMessage};
    RemoveItem(remark, m_selected);
    m_selected = -1;
    return {Outcome::Done, CString()};
}
