// The connecting word and the increase/decrease phrases of a transaction sentence:
// which word each of the six choices shows, the next choice of a click, the
// agreement of a phrase's first particle with the connecting word, and the fixed
// cases in which the account pair decides the phrase.
#pragma once

#include "../framework/cstring.h"

#include <array>

// The text of connecting-word choice index: 0 and 1 the cause account's two words,
// 2 to 5 its four candidate phrases; any other index the empty text.
CString ConnectChoiceText(int index, const CString& word1, const CString& word2,
                          const std::array<CString, 4>& phrases);

// The choice after index for a click: 0, 1, 2, then on through the candidate
// phrases while the next is not empty, then back to 0.
int NextConnectIndex(int index, const std::array<CString, 4>& phrases);

// The two phrases made to agree with the connecting word: after a word ending in
// "を" the particle "を" of "を受…" / "を支…" becomes "で"; after a word ending in
// "て" or "ら" the particle "で" of "で受…" / "で支…" becomes "を". Characters are
// compared whole.
void AgreeParticles(const CString& connectWord, CString& first, CString& second);

// What the fixed cases do to the phrase choice.
struct FixedPhraseCase {
    bool emptyFirst = false;   // the first phrase's text is emptied
    bool emptySecond = false;  // the second phrase's text is emptied
    int radio = 0;             // 1 first phrase checked, 2 second, 0 left as it is
};

// The fixed cases for result account 1 named result, tested in order, a later one
// overriding an earlier one's radio: causeClass is the class list index of cause row
// 1, monthDay the entry's "MM/dd", cause the text of cause account 1, phrase1 and
// phrase2 the result account's two phrases after agreement.
FixedPhraseCase FixedPhraseCases(int causeClass, const CString& monthDay, const CString& cause,
                                 const CString& result, const CString& phrase1, const CString& phrase2);
