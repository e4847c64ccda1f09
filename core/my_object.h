// CMyObject: one journal entry of the old data files, with whole-yen amounts.
// It is only read, and then converted into CMyObject2.
#pragma once

#include "../framework/cstring.h"
#include "../framework/object.h"

class CMyObject : public CObject {
    DECLARE_SERIAL(CMyObject)
public:
    CMyObject() = default;

    void Serialize(CArchive& ar) override;

    CString m_strDate;
    CString m_strCause1, m_strCause2, m_strCause3;
    CString m_strResult1, m_strResult2, m_strResult3;
    int m_lCauseAmount1 = 0, m_lCauseAmount2 = 0, m_lCauseAmount3 = 0;
    int m_lResultAmount1 = 0, m_lResultAmount2 = 0, m_lResultAmount3 = 0;
    CString m_strCauseDesc1, m_strCauseDesc2, m_strCauseDesc3;
    CString m_strResultDesc1, m_strResultDesc2, m_strResultDesc3;
    CString m_strRemark;
    int m_nDirection = -1;
    int m_nClassCode = 0;
};
