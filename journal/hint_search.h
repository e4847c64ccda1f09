// The input-hint dialog's computations that need no window: its fixed topic
// list and how a topic splits into keyword and narrowing word, the keyword search
// over the sample entries with its result texts, the field codes of a hit and the
// rows they select, the amount display, the words of the shown sentence, and which
// field of the diagram is framed in red.
#pragma once

#include "../core/class_code.h"
#include "../core/sentence_diagram.h"
#include "../core/journal_array.h"
#include "../core/kiso.h"
#include "../core/my_object2.h"
#include "../framework/arrays.h"
#include "../framework/cstring.h"

#include <array>
#include <utility>
#include <vector>

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

// The samples of the hint file have their own reading of the class code: its
// decimal text from the left, six digits giving the six rows and choice 0. The
// shipped samples all carry seven digits, where it agrees with the journal's.
HintClasses DecodeHintClassCode(int classCode);
