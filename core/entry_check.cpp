#include "entry_check.h"

#include "amount_arithmetic.h"
#include "amount_check.h"
#include "amount_format.h"
#include "calendar_date.h"
#include "class_code.h"
#include "column_text.h"
#include "sjis_text.h"

namespace {

const char* const kAmountMissing = "の金額が入力されていません。";
const char* const kPickResultAccount = "「結果の科目」の 科目を選択してください。";
const char* const kFee = "料金×";
const char* const kFeeWithTotal = "料金()×";
const char* const kTimes = "×";

bool IsZeroOrEmpty(const CString& amount)
{
    return amount.IsEmpty() || amount == "0";
}

bool IsZeroAmount(const CString& amount)
{
    return amount == "0" || amount == "0.00";
}

CString Sum3(const std::array<CString, 3>& amounts)
{
    return AddSubAmounts(AddSubAmounts(amounts[0], amounts[1], 1), amounts[2], 1);
}

CString JoinedAccounts(const std::array<CString, 3>& accounts)
{
    return accounts[0] + accounts[1] + accounts[2];
}

// The amount text between two byte positions: digits only, not empty.
bool ParseRate(const CString& text, int* rate)
{
    if (text.IsEmpty() || text.GetLength() > 3)
        return false;
    int value = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    if (value > 100)
        return false;
    if (rate)
        *rate = value;
    return true;
}

struct FeePositions {
    int times = -1;    // first "×"
    int percent = -1;  // first "%", else first "％"
    int fee = -1;      // first "料金()×", else first "料金×"
    bool withBrackets = false;
};

FeePositions FindFeePositions(const CString& remark)
{
    FeePositions p;
    p.times = FindWholeChars(remark, kTimes);
    p.percent = FindWholeChars(remark, "%");
    if (p.percent < 0)
        p.percent = FindWholeChars(remark, "％");
    p.fee = FindWholeChars(remark, kFeeWithTotal);
    p.withBrackets = p.fee >= 0;
    if (p.fee < 0)
        p.fee = FindWholeChars(remark, kFee);
    return p;
}

// The share of total at rate percent, cut to whole hundredths: for a whole amount
// the whole-yen part of total × rate / 100.
CString ShareOf(const CString& total, int rate)
{
    const CString product = MultiplyAmountByCount(total, rate);
    const int point = product.Find('.');
    CString digits = point < 0 ? product : product.Left(point);
    bool negative = false;
    if (!digits.IsEmpty() && digits[0] == '-') {
        negative = true;
        digits = digits.Mid(1);
    }
    while (digits.GetLength() < 3)
        digits = "0" + digits;
    CString share = point < 0 ? digits.Left(digits.GetLength() - 2)
                              : digits.Left(digits.GetLength() - 2) + "." + digits.Right(2);
    if (negative)
        share = "-" + share;
    return AddSubAmounts("0", share, 1);
}

bool IsExpenseClass(int classIndex)
{
    return classIndex == 1 || classIndex == 2;
}

}  // namespace

CString NormalizeEntryAmounts(EntryFields& fields)
{
    static const char* const names[6] = {"原因科目1段目の金額", "原因科目2段目の金額", "原因科目3段目の金額",
                                         "結果科目1段目の金額", "結果科目2段目の金額", "結果科目3段目の金額"};
    std::array<CString*, 6> amounts = {&fields.causeAmount[0],  &fields.causeAmount[1],  &fields.causeAmount[2],
                                       &fields.resultAmount[0], &fields.resultAmount[1], &fields.resultAmount[2]};
    for (size_t i = 0; i < amounts.size(); ++i) {
        const CString refusal = AmountRefusal(*amounts[i], names[i], kJournalAmount);
        if (!refusal.IsEmpty())
            return refusal;
    }
    for (CString* amount : amounts) {
        if (IsBlankAmount(*amount))
            amount->Empty();
        else
            *amount = AddSubAmounts("0", *amount, 1);
    }
    return CString();
}

bool ApportionmentRequested(const CString& remark, int* rate)
{
    const FeePositions p = FindFeePositions(remark);
    if (p.times < 0 || p.percent < 0 || p.fee < 0 || p.percent < p.times + 2)
        return false;
    return ParseRate(remark.Mid(p.times + 2, p.percent - p.times - 2), rate);
}

CString CheckBalance(const EntryFields& fields)
{
    const CString causeSum = Sum3(fields.causeAmount);
    const CString resultSum = Sum3(fields.resultAmount);
    if (!IsZeroAmount(AddSubAmounts(causeSum, resultSum, -1)))
        return "原因科目金額　と　結果科目金額　が　相違しています。！";
    const int point = resultSum.Find('.');
    const CString integer = point < 0 ? resultSum : resultSum.Left(point);
    if (integer.GetLength() > 18)
        return "入力金額の整数が上限の18桁を超えました！";
    return CString();
}

CString CheckEntryFields(const EntryFields& f, const CString& convertedRemark, const CString& phrase1,
                         const CString& phrase2)
{
    if (f.date.IsEmpty())
        return "「取引日」が入力されていません。";
    const CString date = DateRefusal(StoredDate(f.date));
    if (!date.IsEmpty())
        return date;
    if (f.cause[0].IsEmpty())
        return "「原因の科目」が入力されていません。";
    if (f.result[0].IsEmpty())
        return "「結果の科目」が入力されていません。";
    for (const CString& result : f.result)
        if (result.Left(2) == "*=")
            return kPickResultAccount;
    const CString causes = JoinedAccounts(f.cause);
    const CString results = JoinedAccounts(f.result);
    for (const char* owner : {"事業主貸", "事業主借"}) {
        if ((ContainsWholeChars(causes, owner) && ContainsWholeChars(results, "元入金")) ||
            (ContainsWholeChars(results, owner) && ContainsWholeChars(causes, "元入金")))
            return CString(owner) + "は繰越をしません。登録を中止します。";
    }
    static const char* const rowNames[] = {"原因科目２段目", "原因科目３段目", "結果科目２段目", "結果科目３段目"};
    const std::array<const CString*, 4> accounts = {&f.cause[1], &f.cause[2], &f.result[1], &f.result[2]};
    const std::array<const CString*, 4> amounts = {&f.causeAmount[1], &f.causeAmount[2], &f.resultAmount[1],
                                                   &f.resultAmount[2]};
    for (size_t i = 0; i < accounts.size(); ++i)
        if (accounts[i]->IsEmpty() && !IsZeroOrEmpty(*amounts[i]))
            return CString(rowNames[i]) + "に金額が入力されていますが、科目名が入力されていません。";
    if (f.direction != 0 && f.direction != 1)
        return "[" + phrase1 + "] ですか？　\n\n[" + phrase2 + "]  ですか？";
    if (IsZeroOrEmpty(f.resultAmount[0]))
        return f.result[0] + kAmountMissing;

    // The amounts are left to the apportionment only when it can be applied; its
    // result is checked for balance afterwards.
    if (ContainsWholeChars(f.remark, kFee) && ApportionmentRequested(convertedRemark))
        return CString();
    for (size_t i = 0; i < 3; ++i)
        if (!f.cause[i].IsEmpty() && IsZeroOrEmpty(f.causeAmount[i]))
            return f.cause[i] + kAmountMissing;
    for (size_t i = 1; i < 3; ++i)
        if (!f.result[i].IsEmpty() && IsZeroOrEmpty(f.resultAmount[i]))
            return f.result[i] + kAmountMissing;
    return CheckBalance(f);
}

Apportionment ApplyApportionment(EntryFields& f, const std::array<int, 6>& classIndex, const CString& remark)
{
    Apportionment outcome;
    outcome.remark = remark;
    int rate = 0;
    if (!ApportionmentRequested(remark, &rate))
        return outcome;
    const FeePositions p = FindFeePositions(remark);
    const CString total = f.resultAmount[0];
    const CString business = ShareOf(total, rate);
    const bool resultHoldsIt = classIndex[3] == 4 || classIndex[3] == 5 || ContainsWholeChars(f.result[0], "未払");
    if (IsExpenseClass(classIndex[0]) && ContainsWholeChars(f.cause[1], "事業主貸") && resultHoldsIt) {
        f.causeAmount[0] = business;
        f.causeAmount[1] = AddSubAmounts(total, business, -1);
        outcome.applied = outcome.rewroteCause2 = true;
    }
    if (IsExpenseClass(classIndex[1]) && ContainsWholeChars(f.cause[0], "事業主貸") && resultHoldsIt) {
        f.causeAmount[1] = business;
        f.causeAmount[0] = AddSubAmounts(total, business, -1);
        outcome.applied = outcome.rewroteCause2 = true;
    }
    if (IsExpenseClass(classIndex[0]) && ContainsWholeChars(f.result[0], "事業主借")) {
        f.resultAmount[0] = business;
        f.causeAmount[0] = business;
        outcome.applied = true;
    }
    if (!outcome.applied) {
        outcome.refusal = "備考に按分率が入力されていますが、「事業主貸」または「事業主借」が入力されていません。\n\n"
                          "登録を中止し、按分説明のヘルプファイルを表示します。";
        return outcome;
    }
    const CString shown = FormatAmount(total, 0);
    if (p.withBrackets)
        outcome.remark = remark.Left(p.times - 1) + shown + remark.Mid(p.times - 1);
    else
        outcome.remark = remark.Left(p.times) + "(" + shown + ")" + remark.Mid(p.times);
    return outcome;
}

CString CheckOwnerDrawingsDescription(const EntryFields& f, const std::array<CString, 6>& descriptions,
                                      const std::array<int, 6>& classIndex)
{
    bool noted = false;
    CString fixedAsset;
    for (size_t i = 0; i < 6; ++i) {
        const CString& account = i < 3 ? f.cause[i] : f.result[i - 3];
        if (account == "事業主借" && descriptions[i].IsEmpty())
            noted = true;
        if (classIndex[i] == 5)
            fixedAsset = account;
    }
    if (!noted || fixedAsset.IsEmpty())
        return CString();
    return "「事業主借」の摘要が入力されていません。\n\n固定資産(" + fixedAsset +
           ")の売却による譲渡益である場合は、必ず、摘要欄のプルダウンリストから\n\n「譲渡益」を選んで入力してください。";
}

int ClassCodeOf(const std::array<int, 6>& classIndex, int connectIndex)
{
    ClassCode code;
    for (std::size_t row = 0; row < 6; ++row)
        code.rowClass[row] = classIndex[row] >= 0 && classIndex[row] <= 6 ? classIndex[row] + 1 : 0;
    code.connectChoice = connectIndex >= 0 && connectIndex <= 9 ? connectIndex : 0;
    return EncodeClassCode(code);
}

CString StoredDate(const CString& dateText)
{
    return dateText.GetLength() == 8 ? "20" + dateText : dateText;
}

void FillEntryRecord(CMyObject2& record, const EntryFields& f, const std::array<CString, 6>& descriptions,
                     const CString& remark, int classCode)
{
    const CString tail = RemarkItems(record.m_strRemark);
    record.m_strDate = StoredDate(f.date);
    record.m_strCause1 = f.cause[0];
    record.m_strCause2 = f.cause[1];
    record.m_strCause3 = f.cause[2];
    record.m_strResult1 = f.result[0];
    record.m_strResult2 = f.result[1];
    record.m_strResult3 = f.result[2];
    record.m_strCauseAmount1 = f.causeAmount[0];
    record.m_strCauseAmount2 = f.causeAmount[1];
    record.m_strCauseAmount3 = f.causeAmount[2];
    record.m_strResultAmount1 = f.resultAmount[0];
    record.m_strResultAmount2 = f.resultAmount[1];
    record.m_strResultAmount3 = f.resultAmount[2];
    record.m_strCauseDesc1 = descriptions[0];
    record.m_strCauseDesc2 = descriptions[1];
    record.m_strCauseDesc3 = descriptions[2];
    record.m_strResultDesc1 = descriptions[3];
    record.m_strResultDesc2 = descriptions[4];
    record.m_strResultDesc3 = descriptions[5];
    record.m_strRemark = remark + tail;
    record.m_nDirection = f.direction;
    record.m_nClassCode = classCode;
}

CString CheckStoredEntry(const CMyObject2& entry)
{
    // A stored date is kept with its four-digit year: it is checked as it stands.
    if (!entry.m_strDate.IsEmpty() && !IsCalendarDate(entry.m_strDate))
        return DateRefusal(entry.m_strDate);
    EntryFields fields;
    fields.date = entry.m_strDate;
    fields.cause = {entry.m_strCause1, entry.m_strCause2, entry.m_strCause3};
    fields.result = {entry.m_strResult1, entry.m_strResult2, entry.m_strResult3};
    fields.causeAmount = {entry.m_strCauseAmount1, entry.m_strCauseAmount2, entry.m_strCauseAmount3};
    fields.resultAmount = {entry.m_strResultAmount1, entry.m_strResultAmount2, entry.m_strResultAmount3};
    fields.remark = RemarkText(entry.m_strRemark);
    // A stored entry has no phrase to ask about: -1 books its result rows on the
    // debit side, as 1 does.
    fields.direction = CauseRowsAreDebit(entry.m_nDirection) ? 0 : 1;
    CString refusal = NormalizeEntryAmounts(fields);
    if (refusal.IsEmpty())
        refusal = CheckEntryFields(fields, fields.remark, "", "");
    if (refusal.IsEmpty())
        refusal = CheckBalance(fields);
    return refusal;
}
