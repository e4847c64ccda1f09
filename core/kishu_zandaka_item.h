// CKishuZandakaItem: one row of the opening-balance dialog (never stored in a file).
#pragma once

#include "../framework/cstring.h"
#include "../framework/object.h"

class CKishuZandakaItem : public CObject {
public:
    enum Status { kBuilt = 0, kNew = 1, kChanged = 2, kDeleted = 3, kFromPrevYear = 4 };

    int m_nKind = 0;     // 4 liabilities and capital, 5 current assets, 6 fixed assets
    int m_nClassDigit = 0;  // class of the account (7 for capital); 0: the kind's class
    int m_nStatus = kBuilt;
    int m_nEntry = -1;   // journal index of the opening entry holding the row
    CString m_strAccount;
    CString m_strDesc;
    CString m_strBalance;
};
