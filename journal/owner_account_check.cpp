#include "owner_account_check.h"

OwnerAccountAdvice OwnerAccountAdviceFor(const CMyObject2& entry)
{
    const CString causes = entry.m_strCause1 + " " + entry.m_strCause2 + " " + entry.m_strCause3;
    const CString results = entry.m_strResult1 + " " + entry.m_strResult2 + " " + entry.m_strResult3;
    const bool causeIsDebit = entry.CauseIsDebit();
    const CString& debit = causeIsDebit ? causes : results;
    const CString& credit = causeIsDebit ? results : causes;
    const CString& debitFirst = causeIsDebit ? entry.m_strCause1 : entry.m_strResult1;
    const CString& creditFirst = causeIsDebit ? entry.m_strResult1 : entry.m_strCause1;

    OwnerAccountAdvice advice;
    if (debit.Find("事業主借") >= 0) {
        advice.owner = "事業主借";
        advice.hintResult = creditFirst;
    }
    if (credit.Find("事業主貸") >= 0) {
        advice.owner = "事業主貸";
        advice.hintResult = debitFirst;
    }
    if (advice.owner.IsEmpty())
        return advice;
    advice.hintCause = advice.owner;
    advice.question = "「　" + advice.owner + "　」が減少する仕訳が入力されました。\n\n[入力ヒント]ダイアログを表示します";
    return advice;
}
