#include "my_object.h"

#include "../framework/archive.h"

#include <cstdint>

IMPLEMENT_SERIAL(CMyObject, CObject, 0)

void CMyObject::Serialize(CArchive& ar)
{
    CString* accounts[] = {&m_strDate, &m_strCause1, &m_strCause2, &m_strCause3,
                           &m_strResult1, &m_strResult2, &m_strResult3};
    int* amounts[] = {&m_lCauseAmount1, &m_lCauseAmount2, &m_lCauseAmount3,
                      &m_lResultAmount1, &m_lResultAmount2, &m_lResultAmount3};
    CString* descriptions[] = {&m_strCauseDesc1, &m_strCauseDesc2, &m_strCauseDesc3,
                               &m_strResultDesc1, &m_strResultDesc2, &m_strResultDesc3, &m_strRemark};
    int* codes[] = {&m_nDirection, &m_nClassCode};

    if (ar.IsStoring()) {
        for (CString* text : accounts)
            ar << *text;
        for (int* value : amounts)
            ar << static_cast<std::int32_t>(*value);
        for (CString* text : descriptions)
            ar << *text;
        for (int* value : codes)
            ar << static_cast<std::int32_t>(*value);
        return;
    }
    std::int32_t number;
    for (CString* text : accounts)
        ar >> *text;
    for (int* value : amounts) {
        ar >> number;
        *value = number;
    }
    for (CString* text : descriptions)
        ar >> *text;
    for (int* value : codes) {
        ar >> number;
        *value = number;
    }
}
