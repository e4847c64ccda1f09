// CTorihikisaki: one trading partner of the partner dialog (never stored in a file).
#pragma once

#include "../framework/cstring.h"
#include "../framework/object.h"

class CTorihikisaki : public CObject {
public:
    enum Kind { kSupplier = 0, kCustomer = 1, kBank = 2 };
    enum Status { kFromDictionary = 0, kAdded = 1, kChanged = 2 };

    int m_nKind = kSupplier;
    int m_nSource = -1;  // dictionary node the name was found under; -1 typed in; 0 changed
    int m_nStatus = kFromDictionary;
    CString m_strName;
};
