#include "kiso.h"

#include "../framework/archive.h"

#include <cstdint>

IMPLEMENT_SERIAL(CKiso, CObject, 0)

void CKiso::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<std::int32_t>(m_nFirstChild) << static_cast<std::int32_t>(m_nChildCount);
        ar << m_strName << m_strWord1 << m_strWord2;
        return;
    }
    std::int32_t firstChild, childCount;
    ar >> firstChild >> childCount;
    m_nFirstChild = firstChild;
    m_nChildCount = childCount;
    ar >> m_strName >> m_strWord1 >> m_strWord2;
}
