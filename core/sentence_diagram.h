// How a transaction sentence is shown as a diagram, shared by the input-hint
// dialog and the keyword search: the field codes of a hit and the controls framed
// in red for them, the classes of an entry's rows, the connecting word and the two
// increase/decrease phrases taken from the dictionary, and how the phrase radios read.
#pragma once

#include "class_code.h"
#include "kiso.h"

#include "../framework/arrays.h"
#include "../framework/cstring.h"

#include <array>
#include <utility>

using HintDictionary = CTypedPtrArray<CObArray, CKiso*>;

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

// The class list indexes of a sample's six rows and its connecting-word index.
struct HintClasses {
    bool decoded = false;
    std::array<int, 6> classIndex{};  // -1 for an empty class
    int connectIndex = 0;
};
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
