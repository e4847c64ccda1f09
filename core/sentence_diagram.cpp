#include "sentence_diagram.h"

#include "connect_words.h"

#include <algorithm>

HintClasses HintClassesOf(const ClassCode& code)
{
    return {code.known, code.ClassIndexes(), code.connectChoice};
}

CString HintConnectWord(const HintDictionary& dict, const CString& account, int index, const CString& current)
{
    CString word1 = "につき";
    CString word2 = "として";
    std::array<CString, 4> candidates = {"から", "", "", ""};
    // The cause-side nodes lie between the result branch and its first child.
    const int end = dict.GetSize() > 8 ? std::min(dict.GetAt(8)->m_nFirstChild, static_cast<int>(dict.GetSize())) : 0;
    for (int i = 9; i < end; ++i) {
        const CKiso* node = dict.GetAt(i);
        if (node && node->m_strName == account) {
            word1 = node->m_strWord1;
            word2 = node->m_strWord2;
            candidates = ConnectWordCandidates(account);
            break;
        }
    }
    switch (index) {
    case 0:
        return word1;
    case 1:
        return word2;
    case 2:
    case 3:
    case 4:
    case 5:
        return candidates[static_cast<size_t>(index - 2)];
    default:
        return current;
    }
}

std::pair<CString, CString> HintResultPhrases(const HintDictionary& dict, const CString& account)
{
    std::pair<CString, CString> phrases{"で受取り", "で支払い"};
    if (dict.GetSize() <= 8)
        return phrases;
    const CKiso* branch = dict.GetAt(8);
    const int first = branch->m_nFirstChild;
    for (int i = first; first > 0 && i < first + branch->m_nChildCount && i < dict.GetSize(); ++i) {
        const CKiso* node = dict.GetAt(i);
        if (node && node->m_strName == account) {
            phrases = {node->m_strWord1, node->m_strWord2};
            break;
        }
    }
    return phrases;
}

PhraseRadios PhraseRadiosFor(const HintClasses& classes, const CString& result1, const CString& phrase1,
                             const CString& phrase2, int direction)
{
    PhraseRadios radios{phrase1, phrase2, direction == 1};
    if (classes.decoded) {
        const int k1 = classes.classIndex[0];
        if (k1 == 3 && result1 == "元入金") {
            radios.caption2.Empty();
            radios.firstChecked = true;
        } else if ((k1 == 4 || k1 == 5) && result1 == "元入金") {
            radios.caption1.Empty();
            radios.firstChecked = false;
        } else if (k1 == 3 && result1 == "仕入") {
            radios.caption1.Empty();
            radios.firstChecked = false;
        }
    }
    if (phrase1.IsEmpty() && !phrase2.IsEmpty())
        radios.firstChecked = false;
    else if (phrase2.IsEmpty() && !phrase1.IsEmpty())
        radios.firstChecked = true;
    return radios;
}

const std::array<int, 10>& HitFramedControls()
{
    static const std::array<int, 10> controls = {1024, 1025, 1026, 1032, 1008, 1033, 1042, 1027, 1009, 1011};
    return controls;
}

bool HitFrameIsRed(int controlId, int c)
{
    switch (controlId) {
    case 1024:
        return c == kHitExplanation;
    case 1025:
        return c == kHitCause1;
    case 1026:
        return c == kHitCause2;
    case 1032:
        return c == kHitCause3;
    case 1008:
        return c >= kHitCauseDesc1 && c <= kHitCauseDesc3;
    case 1033:
        return c == kHitResult1;
    case 1042:
        return c == kHitResult2;
    case 1027:
        return c == kHitResult3;
    case 1009:
        return c >= kHitResultDesc1 && c <= kHitResultDesc3;
    case 1011:
        return c == kHitRemark;
    default:
        return false;
    }
}
