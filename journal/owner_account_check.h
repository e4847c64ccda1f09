// The advice about an entry that decreases one of the owner's accounts: 事業主借 on
// the debit side or 事業主貸 on the credit side. The journal view asks the question
// it gives and may then open the input-hint dialog; the entry itself is never
// refused for it.
#pragma once

#include "../core/my_object2.h"

struct OwnerAccountAdvice {
    CString owner;       // "事業主借", "事業主貸", or empty: nothing to advise
    CString question;    // the Yes/No question
    CString hintCause;   // the owner account
    CString hintResult;  // the first account of the side the owner account is taken against
};

OwnerAccountAdvice OwnerAccountAdviceFor(const CMyObject2& entry);
