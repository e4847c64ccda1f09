// The input-hint dialog's computations that need no window: its fixed topic
// list and how a topic splits into keyword and narrowing word, the keyword search
// over the sample entries with its result texts, the field codes of a hit and the
// rows they select, the amount display, the words of the shown sentence, and which
// field of the diagram is framed in red.
#pragma once

#include "../core/class_code.h"
#include "../core/journal_array.h"
#include "../core/kiso.h"
#include "../core/my_object2.h"
#include "../framework/arrays.h"
#include "../framework/cstring.h"

#include <array>
#include <utility>
#include <vector>

using HintDictionary = CTypedPtrArray<CObArray, CKiso*>;

// The 73 topics of the topic box, in the order shown.
constexpr int kHintTopicCount = 73;
const std::array<const char*, kHintTopicCount>& HintTopics();

struct HintTopic {
    CString shown;       // the text in the topic box
    CString narrowWord;  // empty for none
    CString keyword;
};

// A heading (a topic with "[") shows whole, has no narrowing word and searches
// the part from three bytes before its "[" to one byte after its "]"; any other
// topic is a four-byte narrowing word (four blanks for none) and the keyword.
HintTopic SplitTopic(const CString& topic);
// The heading cut of a text holding "[": from three bytes before the first "["
// to one byte after the first "]" (to the end when there is no "]"), clamped to
// the text. A "]" in front of the "[" gives an empty keyword, never a negative length.
CString HeadingKeyword(const CString& text);

// Where a keyword was found in a sample.
enum HintFieldCode : int {
    kHitNone = 0,
    kHitExplanation = 1,
    kHitCause1 = 2,
    kHitCause2 = 3,
    kHitCause3 = 4,
    kHitResult1 = 5,
    kHitResult2 = 6,
    kHitResult3 = 7,
    kHitRemark = 12,
    kHitCauseDesc1 = 101,
    kHitCauseDesc2 = 102,
    kHitCauseDesc3 = 103,
    kHitResultDesc1 = 111,
    kHitResultDesc2 = 112,
    kHitResultDesc3 = 113,
};

// The cause and result rows (1 to 3) a hit's field code shows.
int CauseRowOfHit(int fieldCode);
int ResultRowOfHit(int fieldCode);
// The field code of keyword in sample: the accounts win over the explanation and
// the remark, those over the descriptions; 0 when the keyword is nowhere.
int HintFieldOf(const CMyObject2& sample, const CString& keyword);

struct HintSearchResult {
    std::vector<int> hitIndex;  // index into the sample entries
    std::vector<int> hitField;  // field code of each hit
    bool narrowed = false;
    bool emptyKeyword = false;
    CString keyword;       // as searched, without its "(消)"
    CString resultLine;    // the result static's text
    CString positionLine;  // the position static's text for the first hit, or "0例"
};

// Searches every sample for keyword; when some hits also hold narrowWord, only
// those are kept.
HintSearchResult SearchHints(const JournalArray& hints, const CString& keyword, const CString& narrowWord);
// p + "例目を表示中" for the hit at index position (counted from 0).
CString HintPositionText(int position);

// An amount of a sample as shown: thousands separators (at most three), the sign
// kept, "0" shown empty.
CString FormatHintAmount(const CString& amount);

// The class list indexes of a sample's six rows and its connecting-word index.
struct HintClasses {
    bool decoded = false;
    std::array<int, 6> classIndex{};  // -1 for an empty class
    int connectIndex = 0;
};
// The samples of the hint file have their own reading of the class code: its
// decimal text from the left, six digits giving the six rows and choice 0. The
// shipped samples all carry seven digits, where it agrees with the journal's.
HintClasses DecodeHintClassCode(int classCode);
// The classes of a journal entry, read as every book reads them.
HintClasses HintClassesOf(const ClassCode& code);

// The connecting word of a cause account for the index 0 to 5: the account's two
// dictionary words or "につき" / "として" when it is not in the dictionary, then
// its four candidate phrases ("から" and three empty ones when it is not). Another
// index answers current.
CString HintConnectWord(const HintDictionary& dict, const CString& account, int index, const CString& current);
// The two increase/decrease phrases of a result account: its dictionary words,
// or "で受取り" / "で支払い" when the result branch does not hold it.
std::pair<CString, CString> HintResultPhrases(const HintDictionary& dict, const CString& account);
// After a connecting word ending in "を" a phrase beginning "を受" (first) or "を支"
// (second) takes "で"; after one ending in "て" or "ら" a phrase beginning "で受" or
// "で支" takes "を".
void AdjustPhrasesToConnectWord(const CString& connectWord, CString& phrase1, CString& phrase2);

// How the two phrase radios of a shown sentence read: their captions and
// whether the first is the checked one.
struct PhraseRadios {
    CString caption1;
    CString caption2;
    bool firstChecked = false;
};
// The direction checks the first phrase (1) or the second; opening balances and
// the owner's purchases read only one way, and a lone phrase is the one checked.
PhraseRadios PhraseRadiosFor(const HintClasses& classes, const CString& result1, const CString& phrase1,
                             const CString& phrase2, int direction);

// TRUE when the diagram frames control id in red for the hit's field code.
bool HitFrameIsRed(int controlId, int fieldCode);
// The controls the diagram frames, in drawing order (cause side, then result side).
const std::array<int, 10>& HitFramedControls();
