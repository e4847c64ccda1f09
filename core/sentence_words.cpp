#include "sentence_words.h"

#include "../core/sjis_text.h"

CString ConnectChoiceText(int index, const CString& word1, const CString& word2,
                          const std::array<CString, 4>& phrases)
{
    if (index == 0)
        return word1;
    if (index == 1)
        return word2;
    if (index >= 2 && index <= 5)
        return phrases[static_cast<size_t>(index - 2)];
    return CString();
}

int NextConnectIndex(int index, const std::array<CString, 4>& phrases)
{
    if (index >= 2 && index <= 4 && phrases[static_cast<size_t>(index - 1)].IsEmpty())
        return 0;
    return index < 5 && index >= 0 ? index + 1 : 0;
}

namespace {

// phrase with its first character replaced by to, when its first two characters
// are from followed by second.
void Replace(CString& phrase, const char* from, const char* second, const char* to)
{
    if (FirstChar(phrase) != from)
        return;
    const CString rest = AfterFirstChar(phrase);
    if (FirstChar(rest) == second)
        phrase = CString(to) + rest;
}

}  // namespace

void AgreeParticles(const CString& connectWord, CString& first, CString& second)
{
    const CString last = LastChar(connectWord);
    if (last == "を") {
        Replace(first, "を", "受", "で");
        Replace(second, "を", "支", "で");
    } else if (last == "て" || last == "ら") {
        Replace(first, "で", "受", "を");
        Replace(second, "で", "支", "を");
    }
}

FixedPhraseCase FixedPhraseCases(int causeClass, const CString& monthDay, const CString& cause,
                                 const CString& result, const CString& phrase1, const CString& phrase2)
{
    FixedPhraseCase effect;
    auto apply = [&effect](bool emptyFirst, int radio) {
        if (emptyFirst)
            effect.emptyFirst = true;
        else
            effect.emptySecond = true;
        effect.radio = radio;
    };
    if (causeClass == 3 && result == "元入金")
        apply(false, 1);
    if ((causeClass == 4 || causeClass == 5) && result == "元入金")
        apply(true, 2);
    if (causeClass == 3 && result == "仕入")
        apply(true, 2);
    if (monthDay == "01/01" && cause == "棚卸資産" && result == "仕入")
        apply(false, 1);
    if (monthDay == "12/31" && cause == "棚卸資産" && result == "仕入")
        apply(true, 2);
    if (phrase1.IsEmpty() && !phrase2.IsEmpty())
        effect.radio = 2;
    if (phrase2.IsEmpty() && !phrase1.IsEmpty())
        effect.radio = 1;
    return effect;
}
