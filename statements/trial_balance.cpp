#include "statement_pages.h"

#include "../core/inventory_account.h"

const char* const kCashUnsettledMessage =
    "[ 現金過不足 ] が未解決です。\n\n[ 雑益 ] か [ 雑損 ] で期末処理して下さい。";

namespace {

const char kCashDiscrepancy[] = "現金過不足";

bool Contains(const CString& text, const char* part)
{
    return text.Find(part) >= 0;
}

}  // namespace

int InventoryEntryCode(const Journal& journal)
{
    // Each kind of inventory entry weighs so that the sum tells which are there.
    int code = 0;
    for (const CMyObject2* entry : journal) {
        switch (InventoryEntryKindOf(*entry)) {
        case InventoryEntryKind::Opening: code += 1; break;
        case InventoryEntryKind::Transfer: code += 3; break;
        case InventoryEntryKind::Closing: code += 5; break;
        case InventoryEntryKind::None: break;
        }
    }
    return code;
}

CString InventoryMessage(const CString& account, int code)
{
    const CString& x = account;
    const CString tail = "\n\n売上原価を算出しない場合は、\n\n" + x + "に関係する記帳を すべて削除してください。";
    switch (code) {
    case 1:
        return "期首に行う「" + x + "」を「仕入」へ繰入れる記帳と、期末に行う「" + x +
               "」を「仕入」から繰戻す記帳が未解決です。" + tail;
    case 3:
        return "「" + x + "」の期首残高を設定する記帳と、期末に行う「" + x + "」を「仕入」から繰戻す記帳が未解決です。" +
               tail;
    case 4:
        return "期末に「仕入」から繰戻して、「" + x + "」の残高設定をする記帳が未解決です。" + tail;
    case 5:
        return "「" + x + "」の期首残高を設定する記帳と、期首に行う「" + x + "」を「仕入」への繰入れる記帳が未解決です。" +
               tail;
    case 6:
        return "期首に行う「" + x + "」を「仕入」への繰入れる記帳が未解決です。" + tail;
    case 8:
        return "「" + x + "」の期首残高を設定する記帳が未解決です。" + tail;
    default:
        if (code > 9 && code % 9 != 0)
            return x + "に関係する記帳が不適正と思われます。" + tail;
        return CString();
    }
}

TrialBalancePage ComputeTrialBalance(const AccountTotals& totals, const Journal& journal, int amountWidth)
{
    TrialBalancePage page;
    StatementTable table(0, amountWidth);
    CString td = "0", tc = "0", db = "0", cb = "0";
    CString salesNames, purchaseNames;

    auto debitSide = [&](const AccountMap& map, CString* names, const char* part) {
        for (const auto& [name, total] : map) {
            td = AddAmounts(td, total.debit);
            tc = AddAmounts(tc, total.credit);
            const CString balance = SubtractAmounts(total.debit, total.credit);
            db = AddAmounts(db, balance);
            if (name == kCashDiscrepancy && !IsZeroAmount(balance))
                page.cashUnsettled = true;
            if (names && Contains(name, part))
                *names += " , " + name;
            table.AddRow(kAppend, name, balance, total.debit, "", total.credit, "0");
        }
    };
    auto creditSide = [&](const AccountMap& map, CString* names, const char* part) {
        for (const auto& [name, total] : map) {
            td = AddAmounts(td, total.debit);
            tc = AddAmounts(tc, total.credit);
            const CString balance = SubtractAmounts(total.credit, total.debit);
            cb = AddAmounts(cb, balance);
            if (names && Contains(name, part))
                *names += " , " + name;
            table.AddRow(kAppend, name, "0", total.debit, "", total.credit, balance);
        }
    };
    debitSide(totals.asset, nullptr, nullptr);
    creditSide(totals.liability, nullptr, nullptr);
    creditSide(totals.capital, nullptr, nullptr);
    creditSide(totals.revenue, &salesNames, "売上");
    debitSide(totals.expense, &purchaseNames, "仕入");
    table.AddRow(kAppend, "    合   計", db, td, "", tc, cb);

    if (!salesNames.IsEmpty() && salesNames != " , 売上")
        page.messages.push_back("複数の売上科目 " + salesNames + " があります。「売上」に統合してください。");
    if (!purchaseNames.IsEmpty() && purchaseNames != " , 仕入")
        page.messages.push_back("複数の仕入科目 " + purchaseNames + " があります。「仕入」に統合してください。");
    for (const CString& name : totals.severalClasses)
        page.messages.push_back("科目 [ " + name + " ] が複数の区分で記帳されています。最初に記帳された区分で集計しました。" +
                                "区分を統一してください。");
    for (const auto& [name, total] : totals.asset) {
        (void)total;
        if (!IsInventoryAccount(name))
            continue;
        CString message = InventoryMessage(name, InventoryEntryCode(journal));
        if (!message.IsEmpty())
            page.messages.push_back(message);
    }
    page.rows = std::move(table.Rows());
    return page;
}
