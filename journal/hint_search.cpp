#include "hint_search.h"

#include <algorithm>

namespace {

const std::array<const char*, kHintTopicCount> kTopics = {
    "----[年初(期首)の記帳]--", "期首資産", "期首負債", "期首資本", "期首棚卸資産",
    "----[年末(期末)の記帳]--", "決算棚卸資産", "決算減価償却",
    "---------[売上]---------", "売上売上", "売上返品", "売上値引", "売上割戻", "売上割引",
    "----------[仕入]---------", "仕入仕入", "仕入返品", "仕入値引", "仕入割戻", "仕入割引",
    "---------[手形]----------", "手形受取手形", "手形支払手形", "手形割引", "手形裏書", "手形不渡",
    "-------[事業主勘定]-------", "    事業主貸", "    事業主借", "    家事消費", "    家事関係費", "    按分",
    "----------[貸倒]----------", "    貸倒金", "    貸倒引当金", "    貸倒引当金繰入額", "    貸倒引当金繰戻額",
    "-----[金券,カード等]-----", "    商品券", "    ビール券", "    ﾌﾟﾘﾍﾟｲﾄﾞｶｰﾄﾞ", "    ｸﾚｼﾞｯﾄｶｰﾄﾞ",
    "---------[消費税]---------", "    貸倒損失", "    貸倒回収益", "    譲渡益", "    商品券販売",
    "--------[費用経費]--------", "    租税公課", "    水道光熱費", "    旅費交通費", "    通信費",
    "    広告宣伝費", "    接待交際費", "    修繕費", "    消耗品費", "    福利厚生費", "    外注工賃",
    "    地代家賃", "    利子割引料", "    貸倒金", "    支払手数料", "    給料賃金", "    賞与",
    "    専従者給与", "    法定福利費", "    源泉所得税", "    減価償却費", "    車両維持費", "    保険料",
    "    新聞図書費", "    雑費", "    雑損",
};

const char* const kDeletedMark = "(消)";

bool Holds(const CString& field, const CString& word)
{
    return field.Find(word) >= 0;
}

CString Number(size_t n)
{
    CString text;
    text.Format("%d", static_cast<int>(n));
    return text;
}

// Separators at three, seven and eleven bytes from the end, each counted on the
// text as lengthened by the ones before.
CString Separate(CString digits)
{
    for (int offset : {3, 7, 11})
        if (digits.GetLength() > offset)
            digits.Insert(digits.GetLength() - offset, ",");
    return digits;
}

}  // namespace

const std::array<const char*, kHintTopicCount>& HintTopics()
{
    return kTopics;
}

CString HeadingKeyword(const CString& text)
{
    const int open = text.Find("[");
    if (open < 0)
        return text;
    const int close = text.Find("]");
    const int first = std::max(0, open - 3);
    const int end = close < 0 ? text.GetLength() : std::min(text.GetLength(), close + 2);
    return end > first ? text.Mid(first, end - first) : CString();
}

HintTopic SplitTopic(const CString& topic)
{
    HintTopic split;
    if (topic.Find("[") >= 0) {
        split.shown = topic;
        split.keyword = HeadingKeyword(topic);
        return split;
    }
    const CString head = topic.Left(4);
    split.narrowWord = head == "    " ? CString() : head;
    split.keyword = topic.Mid(4);
    split.shown = split.keyword;
    return split;
}

int CauseRowOfHit(int fieldCode)
{
    switch (fieldCode) {
    case kHitCause2:
    case kHitCauseDesc2:
        return 2;
    case kHitCause3:
    case kHitCauseDesc3:
        return 3;
    default:
        return 1;
    }
}

int ResultRowOfHit(int fieldCode)
{
    switch (fieldCode) {
    case kHitResult2:
    case kHitResultDesc2:
        return 2;
    case kHitResult3:
    case kHitResultDesc3:
        return 3;
    default:
        return 1;
    }
}

int HintFieldOf(const CMyObject2& s, const CString& keyword)
{
    // From the lowest priority to the highest: the last field that holds the
    // keyword gives the code.
    const std::pair<const CString*, int> order[] = {
        {&s.m_strCauseDesc1, kHitCauseDesc1}, {&s.m_strResultDesc1, kHitResultDesc1},
        {&s.m_strCauseDesc2, kHitCauseDesc2}, {&s.m_strResultDesc2, kHitResultDesc2},
        {&s.m_strCauseDesc3, kHitCauseDesc3}, {&s.m_strResultDesc3, kHitResultDesc3},
        {&s.m_strRemark, kHitRemark},         {&s.m_strDate, kHitExplanation},
        {&s.m_strResult3, kHitResult3},       {&s.m_strResult2, kHitResult2},
        {&s.m_strResult1, kHitResult1},       {&s.m_strCause3, kHitCause3},
        {&s.m_strCause2, kHitCause2},         {&s.m_strCause1, kHitCause1},
    };
    int code = kHitNone;
    for (const auto& [field, fieldCode] : order)
        if (Holds(*field, keyword))
            code = fieldCode;
    return code;
}

namespace {

bool HoldsNarrowWord(const CMyObject2& s, const CString& word)
{
    for (const CString* field : {&s.m_strDate, &s.m_strCause1, &s.m_strCause2, &s.m_strCause3, &s.m_strResult1,
                                 &s.m_strResult2, &s.m_strResult3, &s.m_strCauseDesc1, &s.m_strCauseDesc2,
                                 &s.m_strCauseDesc3, &s.m_strResultDesc1, &s.m_strResultDesc2, &s.m_strResultDesc3,
                                 &s.m_strRemark})
        if (Holds(*field, word))
            return true;
    return false;
}

}  // namespace

HintSearchResult SearchHints(const JournalArray& hints, const CString& keyword, const CString& narrowWord)
{
    HintSearchResult result;
    if (keyword.IsEmpty()) {
        result.emptyKeyword = true;
        result.resultLine = "ヒント対象語句が入力されていません。";
        result.positionLine = "0例";
        return result;
    }
    CString k = keyword;
    if (const int mark = k.Find(kDeletedMark); mark >= 0)
        k.Delete(mark, 4);
    result.keyword = k;

    struct Found {
        int index;
        int field;
        bool narrowed;
    };
    std::vector<Found> found;
    bool anyNarrowed = false;
    for (int i = 0; i < hints.GetSize(); ++i) {
        const CMyObject2* sample = hints.GetAt(i);
        if (!sample)
            continue;
        const int code = HintFieldOf(*sample, k);
        if (code == kHitNone)
            continue;
        const bool narrowed = !narrowWord.IsEmpty() && HoldsNarrowWord(*sample, narrowWord);
        anyNarrowed = anyNarrowed || narrowed;
        found.push_back({i, code, narrowed});
    }
    result.narrowed = anyNarrowed;
    for (const Found& hit : found)
        if (!anyNarrowed || hit.narrowed) {
            result.hitIndex.push_back(hit.index);
            result.hitField.push_back(hit.field);
        }

    const CString head = anyNarrowed ? "\n[ " + k + " ] [ " + narrowWord + " ]" : "\n[ " + k + " ]";
    const size_t n = result.hitIndex.size();
    if (n == 0) {
        result.resultLine = head + (k.Find("[") >= 0 ? "> は 目次です。細目を選択してください。"
                                                      : "は 該当する例がありませんでした。");
        result.positionLine = "0例";
        return result;
    }
    result.resultLine = head + " の 参考例が " + Number(n) + "例 あります。";
    if (anyNarrowed)
        result.resultLine += "\n【検索実行】を押すと[ " + k + " ]のみについて拡張検索できます。";
    result.positionLine = HintPositionText(0);
    return result;
}

CString HintPositionText(int position)
{
    return Number(static_cast<size_t>(position + 1)) + "例目を表示中";
}

CString FormatHintAmount(const CString& amount)
{
    if (amount.IsEmpty())
        return amount;
    const CString shown = amount.Left(1) == "-" ? "-" + Separate(amount.Mid(1)) : Separate(amount);
    return shown == "0" ? CString() : shown;
}

HintClasses DecodeHintClassCode(int classCode)
{
    HintClasses classes;
    if (classCode <= 99999)
        return classes;
    CString digits;
    digits.Format("%d", classCode);
    classes.decoded = true;
    for (size_t i = 0; i < classes.classIndex.size(); ++i)
        classes.classIndex[i] = (digits[static_cast<int>(i)] - '0') - 1;
    classes.connectIndex = digits.GetLength() > 6 ? digits[6] - '0' : 0;
    return classes;
}
