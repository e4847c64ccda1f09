// Whether two dictionaries hold the same nodes, field by field.
#pragma once

#include "core/dictionary_tree.h"

inline bool SameNodes(const DictionaryNodes& a, const DictionaryNodes& b)
{
    if (a.GetSize() != b.GetSize())
        return false;
    for (int i = 0; i < a.GetSize(); ++i)
        if (a[i]->m_nFirstChild != b[i]->m_nFirstChild || a[i]->m_nChildCount != b[i]->m_nChildCount ||
            a[i]->m_strName != b[i]->m_strName || a[i]->m_strWord1 != b[i]->m_strWord1 ||
            a[i]->m_strWord2 != b[i]->m_strWord2)
            return false;
    return true;
}
