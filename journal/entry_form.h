// The journal form's sentence as the commit reads it, and the entry built from
// it: the typed amounts put in their stored form, the sentence checks, the
// dictionary's check of each row (its questions answered by the caller), the
// apportionment the remark asks for and the owner's drawings. Building answers
// the entry or the refusal as a value; the view shows either.
#pragma once

#include "dictionary_check.h"

#include "../core/entry_check.h"

#include <array>
#include <functional>
#include <memory>

// The sentence being typed. Rows are numbered 0 to 5: cause rows 1 to 3, then
// result rows 1 to 3.
struct EntryForm {
    EntryFields fields;                      // date, accounts, typed amounts and remark, direction
    std::array<CString, 6> descriptions;     // the rows' descriptions
    std::array<int, 6> classIndex{-1, -1, -1, -1, -1, -1};  // the rows' classes, 0 to 6, -1 none
    int connectIndex = 0;                    // the connecting word's choice
    CString halfWidthRemark;                 // the remark in half-width characters
    CString phrase1;                         // the texts of the two phrase choices, for the question
    CString phrase2;                         // when neither is chosen
};

// A field of the form whose text the build changes.
enum class EntryFormField {
    CauseAmount1, CauseAmount2, CauseAmount3,
    ResultAmount1, ResultAmount2, ResultAmount3,
    Remark,
};

struct FieldText {
    EntryFormField field;
    CString text;
};

// What building the sentence gave.
struct EntryBuild {
    std::unique_ptr<CMyObject2> entry;  // the entry, unless refused
    CString refusal;                    // the refusal to show; empty when the dictionary's questions ended it
    bool apportionmentHelp = false;     // the apportionment's help topic goes with the refusal

    // What the dictionary's check changed, built or not.
    bool causeWordsChanged = false;     // a class-side account was added: its words follow
    CString causeWord1;
    CString causeWord2;
    bool resultBranchAdded = false;     // the result lists are out of date
    bool refillResultLists = false;     // an unknown result account was registered: offer it at once

    bool Built() const { return entry != nullptr; }
};

// Builds the entry of the sentence. base is the entry the sentence replaces (its
// item breakdown stays with the remark); a new sentence passes an empty entry.
// show is handed each field text the build changes, as soon as it changes, so
// that the fields show it before a question or refusal that follows: the amounts
// in their stored form, the remark in half-width characters, an apportionment's
// amounts and remark. The form keeps what the build changed in it: descriptions
// of emptied rows go, the rows' classes are those the dictionary gave.
EntryBuild BuildEntry(EntryForm& form, Dictionary& dictionary, const RegistrationAnswers& answers,
                      const CMyObject2& base, const std::function<void(const FieldText&)>& show);
