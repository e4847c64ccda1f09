// CKiso: one node of the account dictionary: the root, a class, the result
// branch, an account or a description. Children lie in one contiguous run.
#pragma once

#include "../framework/cstring.h"
#include "../framework/object.h"

class CKiso : public CObject {
    DECLARE_SERIAL(CKiso)
public:
    CKiso() = default;

    void Serialize(CArchive& ar) override;

    // A node whose first child is 0 has no children, whatever its count says.
    bool HasChildren() const { return m_nFirstChild != 0 && m_nChildCount > 0; }

    int m_nFirstChild = 0;
    int m_nChildCount = 0;
    CString m_strName;
    CString m_strWord1;
    CString m_strWord2;
};
