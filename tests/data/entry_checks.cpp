#include "entry_checks.h"

#include "core/connect_words.h"

#include "core/class_code.h"

#include <cstdlib>

namespace {

bool Contains(const CString& text, const char* part)
{
    return text.Find(part) >= 0;
}

bool IsEmptyAmount(const CString& amount)
{
    return amount.IsEmpty() || amount == "0";
}

CString Joined(const CString& a, const CString& b, const CString& c)
{
    return a + b + c;
}

// The rate of a remark "按分:料金×NN%" as the commit reads it;
// false when the remark does not ask for an apportionment.
bool ApportionmentRate(const CString& remark, long long& rate)
{
    const int times = remark.Find("×");
    int percent = remark.Find("%");
    if (percent < 0)
        percent = remark.Find("％");
    const bool fee = remark.Find("料金()×") >= 0 || remark.Find("料金×") >= 0;
    if (times < 0 || percent < 0 || !fee)
        return false;
    rate = std::atol(remark.Mid(times + 2, percent - times - 2));
    return true;
}

// "料金(10,000)×30%", as the commit leaves a remark after the apportionment: the
// total it wrote and the rate.
bool MadeApportionment(const CString& remark, CString& total, long long& rate)
{
    const int open = remark.Find("料金(");
    const int close = open < 0 ? -1 : remark.Find(")×", open);
    const int percent = close < 0 ? -1 : remark.Find("%", close);
    if (percent < 0)
        return false;
    total = remark.Mid(open + 5, close - open - 5);
    rate = std::atol(remark.Mid(close + 3, percent - close - 3));
    return true;
}

// The amounts that the commit's apportionment gives the rows, as the three cases
// of the journal decide them; false when no case applies (the commit refuses).
bool ApportionedAmounts(const CMyObject2& entry, const ShippedDictionary& dictionary, long long rate,
                        std::array<long long, 3>& causeAmounts, long long& resultAmount)
{
    const long long total = WholeYen(entry.m_strResultAmount1);
    const long long business = total * rate / 100;
    auto isExpense = [&dictionary](const CString& account) {
        const int digit = dictionary.ClassOf(account);
        return digit == 2 || digit == 3;
    };
    const int resultClass = dictionary.ClassOf(entry.m_strResult1);
    const bool paidFromAssets = resultClass == 5 || resultClass == 6 || Contains(entry.m_strResult1, "未払");
    bool applied = false;
    causeAmounts = {WholeYen(entry.m_strCauseAmount1), WholeYen(entry.m_strCauseAmount2),
                    WholeYen(entry.m_strCauseAmount3)};
    resultAmount = total;
    if (isExpense(entry.m_strCause1) && Contains(entry.m_strCause2, "事業主貸") && paidFromAssets) {
        causeAmounts[0] = business;
        causeAmounts[1] = total - business;
        applied = true;
    }
    if (isExpense(entry.m_strCause2) && Contains(entry.m_strCause1, "事業主貸") && paidFromAssets) {
        causeAmounts[1] = business;
        causeAmounts[0] = total - business;
        applied = true;
    }
    if (isExpense(entry.m_strCause1) && Contains(entry.m_strResult1, "事業主借")) {
        resultAmount = business;
        causeAmounts[0] = business;
        applied = true;
    }
    return applied;
}

CString WithSeparators(long long value)
{
    CString digits;
    digits.Format("%lld", value);
    CString text;
    for (int i = 0; i < digits.GetLength(); ++i) {
        if (i > 0 && (digits.GetLength() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

// The two phrases of result account 1 as the entry shows them, with the fixed
// cases that empty one of them; empty texts when the result branch lacks it.
std::array<CString, 2> ShownPhrases(const CMyObject2& entry, const ShippedDictionary& dictionary)
{
    const int node = dictionary.ResultNode(entry.m_strResult1);
    if (node < 0)
        return {};
    std::array<CString, 2> phrases = {dictionary.Node(node).m_strWord1, dictionary.Node(node).m_strWord2};
    const int causeClass = dictionary.ClassOf(entry.m_strCause1);
    const CString& result = entry.m_strResult1;
    const CString monthDay = entry.m_strDate.GetLength() >= 5 ? entry.m_strDate.Right(5) : CString();
    if (causeClass == 4 && result == "元入金")
        phrases[1].Empty();
    if ((causeClass == 5 || causeClass == 6) && result == "元入金")
        phrases[0].Empty();
    if (causeClass == 4 && result == "仕入")
        phrases[0].Empty();
    if (monthDay == "01/01" && entry.m_strCause1 == "棚卸資産" && result == "仕入")
        phrases[1].Empty();
    if (monthDay == "12/31" && entry.m_strCause1 == "棚卸資産" && result == "仕入")
        phrases[0].Empty();
    return phrases;
}

void CheckAmounts(const CMyObject2& entry, const ShippedDictionary& dictionary, std::vector<std::string>& faults)
{
    const auto rows = RowsOf(entry);
    for (const EntryRow& row : rows) {
        const std::string name = std::string(row.cause ? "cause" : "result") + " row " + std::to_string(row.number);
        if (!row.amount.IsEmpty() && WholeYen(row.amount) < 0)
            faults.push_back(name + ": the amount is not whole yen without separators");
        if (row.account.IsEmpty() && !IsEmptyAmount(row.amount))
            faults.push_back(name + ": an amount without an account");
        if (row.account.IsEmpty() && !row.description.IsEmpty())
            faults.push_back(name + ": a description without an account");
    }
    if (IsEmptyAmount(entry.m_strResultAmount1))
        faults.push_back("result row 1 has no amount");

    long long rate = 0;
    if (entry.m_strRemark.Find("料金×") >= 0) {
        // The commit computes the amounts itself; they must be what it computes.
        std::array<long long, 3> causeAmounts;
        long long resultAmount;
        if (!ApportionmentRate(entry.m_strRemark, rate) ||
            !ApportionedAmounts(entry, dictionary, rate, causeAmounts, resultAmount))
            faults.push_back("the remark asks for an apportionment that the entry's accounts do not allow");
        else if (causeAmounts[0] != WholeYen(entry.m_strCauseAmount1) ||
                 causeAmounts[1] != WholeYen(entry.m_strCauseAmount2) ||
                 resultAmount != WholeYen(entry.m_strResultAmount1))
            faults.push_back("the amounts differ from the apportionment that the remark asks for");
    } else {
        for (const EntryRow& row : rows)
            if (!row.account.IsEmpty() && IsEmptyAmount(row.amount))
                faults.push_back(std::string(row.cause ? "cause" : "result") + " row " + std::to_string(row.number) +
                                 ": an account without an amount");
    }
    CString writtenTotal;
    if (MadeApportionment(entry.m_strRemark, writtenTotal, rate)) {
        // An apportionment that the commit has made: the total it wrote and its amounts.
        std::array<long long, 3> causeAmounts;
        long long resultAmount;
        if (writtenTotal != WithSeparators(WholeYen(entry.m_strResultAmount1)))
            faults.push_back("the apportioned total in the remark is not the amount of result row 1");
        else if (!ApportionedAmounts(entry, dictionary, rate, causeAmounts, resultAmount) ||
                 causeAmounts[0] != WholeYen(entry.m_strCauseAmount1) ||
                 causeAmounts[1] != WholeYen(entry.m_strCauseAmount2) ||
                 resultAmount != WholeYen(entry.m_strResultAmount1))
            faults.push_back("the amounts differ from the apportionment written in the remark");
    }

    long long causeSum = 0;
    long long resultSum = 0;
    for (const EntryRow& row : rows)
        (row.cause ? causeSum : resultSum) += row.amount.IsEmpty() ? 0 : WholeYen(row.amount);
    if (causeSum != resultSum)
        faults.push_back("the cause amounts " + std::to_string(causeSum) + " and the result amounts " +
                         std::to_string(resultSum) + " differ");
    if (std::to_string(resultSum).size() > 18)
        faults.push_back("more than 18 integer digits");
}

void CheckOwnerAccounts(const CMyObject2& entry, const ShippedDictionary& dictionary,
                        std::vector<std::string>& faults)
{
    const CString causes = Joined(entry.m_strCause1, entry.m_strCause2, entry.m_strCause3);
    const CString results = Joined(entry.m_strResult1, entry.m_strResult2, entry.m_strResult3);
    for (const char* owner : {"事業主貸", "事業主借"})
        if ((Contains(causes, owner) && Contains(results, "元入金")) ||
            (Contains(results, owner) && Contains(causes, "元入金")))
            faults.push_back("an owner's account against 元入金 (the owner's accounts are not carried forward)");

    bool ownerLoanWithoutDescription = false;
    bool fixedAsset = false;
    for (const EntryRow& row : RowsOf(entry)) {
        if (row.account == "事業主借" && row.description.IsEmpty())
            ownerLoanWithoutDescription = true;
        if (!row.account.IsEmpty() && dictionary.ClassOf(row.account) == 6)
            fixedAsset = true;
    }
    if (ownerLoanWithoutDescription && fixedAsset)
        faults.push_back("事業主借 beside a fixed asset needs the description 譲渡益");
}

void CheckDictionary(const CMyObject2& entry, const ShippedDictionary& dictionary, std::vector<std::string>& faults)
{
    ClassCode expected;
    const auto rows = RowsOf(entry);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const EntryRow& row = rows[i];
        if (row.account.IsEmpty())
            continue;
        const std::string name = std::string(row.cause ? "cause" : "result") + " row " + std::to_string(row.number);
        expected.rowClass[i] = dictionary.ClassOf(row.account);
        if (expected.rowClass[i] == 0)
            faults.push_back(name + ": an account that the dictionary's classes do not hold");
        if (!row.cause && dictionary.ResultNode(row.account) < 0)
            faults.push_back(name + ": an account that the dictionary's result branch does not hold");
    }
    if (entry.m_nClassCode <= 999999 || entry.m_nClassCode > 9999999) {
        faults.push_back("the class code does not have seven digits");
        return;
    }
    const ClassCode stored = DecodeClassCode(entry.m_nClassCode);
    if (stored.rowClass != expected.rowClass)
        faults.push_back("the class code's digits are not the dictionary's classes of the accounts");
    if (stored.connectChoice > 5) {
        faults.push_back("the connecting-word choice is above 5");
        return;
    }
    const int causeNode = dictionary.ClassSideNode(entry.m_strCause1);
    if (causeNode < 0)
        return;
    const CKiso& cause = dictionary.Node(causeNode);
    const CString word = stored.connectChoice == 0   ? cause.m_strWord1
                         : stored.connectChoice == 1 ? cause.m_strWord2
                                                     : ConnectWordCandidates(entry.m_strCause1)[stored.connectChoice - 2];
    if (word.IsEmpty())
        faults.push_back("the connecting-word choice names an empty word");
}

}  // namespace

std::array<EntryRow, 6> RowsOf(const CMyObject2& e)
{
    return {{
        {true, 1, e.m_strCause1, e.m_strCauseAmount1, e.m_strCauseDesc1},
        {true, 2, e.m_strCause2, e.m_strCauseAmount2, e.m_strCauseDesc2},
        {true, 3, e.m_strCause3, e.m_strCauseAmount3, e.m_strCauseDesc3},
        {false, 1, e.m_strResult1, e.m_strResultAmount1, e.m_strResultDesc1},
        {false, 2, e.m_strResult2, e.m_strResultAmount2, e.m_strResultDesc2},
        {false, 3, e.m_strResult3, e.m_strResultAmount3, e.m_strResultDesc3},
    }};
}

bool RowIsDebit(const CMyObject2& entry, const EntryRow& row)
{
    return row.cause == entry.CauseIsDebit();
}

long long WholeYen(const CString& amount)
{
    if (amount.IsEmpty() || amount.GetLength() > 18)
        return -1;
    long long value = 0;
    for (int i = 0; i < amount.GetLength(); ++i) {
        if (amount[i] < '0' || amount[i] > '9')
            return -1;
        value = value * 10 + (amount[i] - '0');
    }
    return value;
}


std::vector<std::string> EntryFaults(const CMyObject2& entry, const ShippedDictionary& dictionary)
{
    std::vector<std::string> faults;
    if (entry.m_strDate.IsEmpty())
        faults.push_back("no date (no explanation)");
    if (entry.m_strCause1.IsEmpty())
        faults.push_back("no cause account");
    if (entry.m_strResult1.IsEmpty())
        faults.push_back("no result account");
    for (const CString* result : {&entry.m_strResult1, &entry.m_strResult2, &entry.m_strResult3})
        if (result->Left(2) == "*=")
            faults.push_back("a result account that is a heading of the account lists");
    CheckOwnerAccounts(entry, dictionary, faults);
    if (entry.m_nDirection != 0 && entry.m_nDirection != 1) {
        faults.push_back("no increase/decrease phrase chosen");
    } else {
        const std::array<CString, 2> phrases = ShownPhrases(entry, dictionary);
        if (phrases[entry.m_nDirection == 1 ? 0 : 1].IsEmpty())
            faults.push_back("the chosen increase/decrease phrase is empty for this sentence");
    }
    CheckAmounts(entry, dictionary, faults);
    CheckDictionary(entry, dictionary, faults);
    return faults;
}
