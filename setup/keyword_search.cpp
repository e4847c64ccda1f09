#include "keyword_search.h"

#include "../core/sjis_text.h"

namespace {

CString IntText(int n)
{
    CString text;
    text.Format("%d", n);
    return text;
}

}  // namespace

CString RemarkBeforeMarks(const CString& remark)
{
    const int marks = remark.Find("[]");
    return marks < 0 ? remark : remark.Left(marks);
}

CString StripDeleteMark(const CString& keyword)
{
    CString result = keyword;
    const int mark = FindWholeChars(result, "(消)");
    if (mark >= 0)
        result.Delete(mark, CString("(消)").GetLength());
    return result;
}

int KeywordFieldOf(const CMyObject2& e, const CString& keyword)
{
    if (keyword.IsEmpty())
        return kKeywordNone;
    const struct {
        const CString* field;
        int code;
    } fields[] = {
        {&e.m_strDate, kKeywordDate},
        {&e.m_strCause1, kKeywordCause1},
        {&e.m_strCause2, kKeywordCause2},
        {&e.m_strCause3, kKeywordCause3},
        {&e.m_strResult1, kKeywordResult1},
        {&e.m_strResult2, kKeywordResult2},
        {&e.m_strResult3, kKeywordResult3},
        {&e.m_strCauseDesc1, kKeywordCauseDesc1},
        {&e.m_strResultDesc1, kKeywordResultDesc1},
        {&e.m_strCauseDesc2, kKeywordCauseDesc2},
        {&e.m_strResultDesc2, kKeywordResultDesc2},
        {&e.m_strCauseDesc3, kKeywordCauseDesc3},
        {&e.m_strResultDesc3, kKeywordResultDesc3},
    };
    int code = kKeywordNone;
    for (const auto& f : fields)
        if (ContainsWholeChars(*f.field, keyword))
            code = f.code;
    if (ContainsWholeChars(RemarkBeforeMarks(e.m_strRemark), keyword))
        code = kKeywordRemark;
    return code;
}

int KeywordCauseRow(int fieldCode)
{
    switch (fieldCode) {
    case kKeywordCause2:
    case kKeywordCauseDesc2:
        return 2;
    case kKeywordCause3:
    case kKeywordCauseDesc3:
        return 3;
    default:
        return 1;
    }
}

int KeywordResultRow(int fieldCode)
{
    switch (fieldCode) {
    case kKeywordResult2:
    case kKeywordResultDesc2:
        return 2;
    case kKeywordResult3:
    case kKeywordResultDesc3:
        return 3;
    default:
        return 1;
    }
}

KeywordSearchResult SearchJournalKeyword(const JournalArray& journal, const CString& keyword, int start)
{
    KeywordSearchResult r;
    // The emptiness test comes after the mark is removed, so that a keyword of
    // only "(消)" does not match every field.
    r.keyword = StripDeleteMark(keyword);
    if (r.keyword.IsEmpty()) {
        r.emptyKeyword = true;
        r.resultLine = "検索語句が入力されていません。";
        r.positionLine = "0番目";
        return r;
    }
    for (int i = 0; i < journal.GetSize(); ++i) {
        const CMyObject2* entry = journal.GetAt(i);
        if (entry == nullptr)
            continue;
        const int code = KeywordFieldOf(*entry, r.keyword);
        if (code > 0) {
            r.hitEntry.push_back(i);
            r.hitField.push_back(code);
        }
    }
    const int n = static_cast<int>(r.hitEntry.size());
    if (n == 0) {
        r.resultLine = "  <" + r.keyword + "  [" + r.keyword + "] の 語句を含む取引は　ありません。";
        r.positionLine = "0番目";
        return r;
    }
    r.resultLine = "  [" + r.keyword + "] の 語句を含む取引が " + IntText(n) + " 件 あります。";
    int p = 0;
    if (n > 1)
        p = (start >= 0 && start < n) ? start : n - 1;
    r.position = p;
    r.positionLine = IntText(p + 1) + " 件目を表示中";
    r.storedWord = r.keyword;
    r.storedHit = p;
    return r;
}

CString SteppedPositionText(int position)
{
    return IntText(position + 1) + "　件目を表示中";
}

CString GroupThousands(const CString& amount)
{
    if (amount.IsEmpty())
        return amount;
    CString text = amount;
    const bool negative = text.Left(1) == "-";
    if (negative)
        text = text.Mid(1);
    const int dot = text.Find('.');
    CString whole = dot < 0 ? text : text.Left(dot);
    const CString fraction = dot < 0 ? CString() : text.Mid(dot);
    int n = whole.GetLength();
    for (int group : {3, 7, 11}) {
        if (n > group) {
            whole.Insert(n - group, ',');
            ++n;
        }
    }
    return (negative ? CString("-") : CString()) + whole + fraction;
}
