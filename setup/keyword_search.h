// The keyword search dialog's computations that need no window: which entries of
// the journal hold a keyword and in which field, the position kept between
// openings, the texts of the result and position statics, and the amounts shown.
#pragma once

#include "../core/journal_array.h"
#include "../core/my_object2.h"
#include "../framework/arrays.h"
#include "../framework/cstring.h"

#include <vector>

// Field codes of a hit (the same codes as the input-hint dialog's; 1 is the date).
enum KeywordField : int {
    kKeywordNone = 0,
    kKeywordDate = 1,
    kKeywordCause1 = 2,
    kKeywordCause2 = 3,
    kKeywordCause3 = 4,
    kKeywordResult1 = 5,
    kKeywordResult2 = 6,
    kKeywordResult3 = 7,
    kKeywordRemark = 12,
    kKeywordCauseDesc1 = 101,
    kKeywordCauseDesc2 = 102,
    kKeywordCauseDesc3 = 103,
    kKeywordResultDesc1 = 111,
    kKeywordResultDesc2 = 112,
    kKeywordResultDesc3 = 113,
};

// The remark as searched and shown: the part before its first "[]".
CString RemarkBeforeMarks(const CString& remark);

// The keyword with its first "(消)" removed.
CString StripDeleteMark(const CString& keyword);

// The field code of the last field of entry (in the search order) that holds
// keyword on Shift-JIS character boundaries; 0 when none does. Amounts, the
// direction and the class code are never searched.
int KeywordFieldOf(const CMyObject2& entry, const CString& keyword);

// The cause and result rows (1 to 3) that the diagram joins for a field code.
int KeywordCauseRow(int fieldCode);
int KeywordResultRow(int fieldCode);

struct KeywordSearchResult {
    bool emptyKeyword = false;  // nothing left to search for
    CString keyword;            // as searched, without its "(消)"
    std::vector<int> hitEntry;  // journal index of each hit, in journal order
    std::vector<int> hitField;  // field code of each hit
    int position = -1;          // the hit shown, -1 when none
    CString resultLine;         // text of the result static
    CString positionLine;       // text of the position static
    // What the document keeps for the next opening.
    CString storedWord;
    int storedHit = -1;
};

// Runs the search for keyword over the journal and picks the hit at start
// (clamped to the last hit). An empty keyword, or one that is only "(消)", gives
// the empty state.
KeywordSearchResult SearchJournalKeyword(const JournalArray& journal, const CString& keyword, int start);

// The position static after a step with "前へ" or "次へ" (a full-width blank
// before 件, as the step buttons write it).
CString SteppedPositionText(int position);

// An amount for display: thousands separators in the integer part only (at most
// three), a leading "-" kept, the fraction left as it is.
CString GroupThousands(const CString& amount);
