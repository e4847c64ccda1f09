// CMyObject2: one journal entry, as stored in the journal file and the hint example file.
#pragma once

#include "entry_side.h"

#include "../framework/cstring.h"
#include "../framework/object.h"

#include <cstddef>

class CMyObject2 : public CObject {
    DECLARE_SERIAL(CMyObject2)
public:
    CMyObject2() = default;

    void Serialize(CArchive& ar) override;

    // Entries are made in the blocks of one pool (record_pool.h): a year loaded
    // is a few dozen allocations instead of one per entry, and a year loaded
    // right after another is made in the memory the last one left.
    static void* operator new(std::size_t size);
    static void operator delete(void* entry, std::size_t size) noexcept;
    // Gives the pool's empty blocks back to the system, but one (the program's
    // idle work); TRUE when there were any.
    static bool ReleaseUnusedMemory();

    // Whether the cause rows are the debit side (the rule in entry_side.h).
    bool CauseIsDebit() const { return CauseRowsAreDebit(m_nDirection); }

    CString m_strDate;
    CString m_strCause1, m_strCause2, m_strCause3;
    CString m_strResult1, m_strResult2, m_strResult3;
    CString m_strCauseAmount1, m_strCauseAmount2, m_strCauseAmount3;
    CString m_strResultAmount1, m_strResultAmount2, m_strResultAmount3;
    CString m_strCauseDesc1, m_strCauseDesc2, m_strCauseDesc3;
    CString m_strResultDesc1, m_strResultDesc2, m_strResultDesc3;
    CString m_strRemark;
    int m_nDirection = -1;
    int m_nClassCode = 0;
};

// Copies every field of the entry from into to.
void CopyEntryFields(const CMyObject2& from, CMyObject2& to);
