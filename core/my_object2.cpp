#include "my_object2.h"

#include "record_pool.h"

#include "../framework/archive.h"

#include <cstdint>

IMPLEMENT_SERIAL(CMyObject2, CObject, 0)

namespace {

// Some 1.4 MB a block: above the size from which the system's heap gives an
// allocation pages of its own, so that a block released goes back to the system
// whole instead of leaving a hole in the heap that keeps its pages. The pool
// lives as long as the program: entries may be deleted by the destructors of
// other objects that outlive any other static.
constexpr std::size_t kEntriesPerBlock = 4096;

RecordPool& EntryPool()
{
    static RecordPool* const pool = new RecordPool(sizeof(CMyObject2), kEntriesPerBlock);
    return *pool;
}

}  // namespace

void* CMyObject2::operator new(std::size_t size)
{
    // A class made from this one, larger, has memory of its own.
    return size == sizeof(CMyObject2) ? EntryPool().Take() : ::operator new(size);
}

void CMyObject2::operator delete(void* entry, std::size_t size) noexcept
{
    if (size == sizeof(CMyObject2))
        EntryPool().Give(entry);
    else
        ::operator delete(entry);
}

void CMyObject2::Serialize(CArchive& ar)
{
    CString* texts[] = {
        &m_strDate,
        &m_strCause1, &m_strCause2, &m_strCause3,
        &m_strResult1, &m_strResult2, &m_strResult3,
        &m_strCauseAmount1, &m_strCauseAmount2, &m_strCauseAmount3,
        &m_strResultAmount1, &m_strResultAmount2, &m_strResultAmount3,
        &m_strCauseDesc1, &m_strCauseDesc2, &m_strCauseDesc3,
        &m_strResultDesc1, &m_strResultDesc2, &m_strResultDesc3,
        &m_strRemark,
    };
    if (ar.IsStoring()) {
        for (CString* text : texts)
            ar << *text;
        ar << static_cast<std::int32_t>(m_nDirection) << static_cast<std::int32_t>(m_nClassCode);
    } else {
        for (CString* text : texts)
            ar >> *text;
        std::int32_t direction, classCode;
        ar >> direction >> classCode;
        m_nDirection = direction;
        m_nClassCode = classCode;
    }
}

bool CMyObject2::ReleaseUnusedMemory()
{
    return EntryPool().ReleaseEmptyBlocks();
}

void CopyEntryFields(const CMyObject2& from, CMyObject2& to)
{
    to.m_strDate = from.m_strDate;
    to.m_strCause1 = from.m_strCause1;
    to.m_strCause2 = from.m_strCause2;
    to.m_strCause3 = from.m_strCause3;
    to.m_strResult1 = from.m_strResult1;
    to.m_strResult2 = from.m_strResult2;
    to.m_strResult3 = from.m_strResult3;
    to.m_strCauseAmount1 = from.m_strCauseAmount1;
    to.m_strCauseAmount2 = from.m_strCauseAmount2;
    to.m_strCauseAmount3 = from.m_strCauseAmount3;
    to.m_strResultAmount1 = from.m_strResultAmount1;
    to.m_strResultAmount2 = from.m_strResultAmount2;
    to.m_strResultAmount3 = from.m_strResultAmount3;
    to.m_strCauseDesc1 = from.m_strCauseDesc1;
    to.m_strCauseDesc2 = from.m_strCauseDesc2;
    to.m_strCauseDesc3 = from.m_strCauseDesc3;
    to.m_strResultDesc1 = from.m_strResultDesc1;
    to.m_strResultDesc2 = from.m_strResultDesc2;
    to.m_strResultDesc3 = from.m_strResultDesc3;
    to.m_strRemark = from.m_strRemark;
    to.m_nDirection = from.m_nDirection;
    to.m_nClassCode = from.m_nClassCode;
}
