#include "old_journal.h"

#include "my_object.h"
#include "my_object2.h"

namespace {

CString AmountText(int amount)
{
    CString text;
    if (amount != 0)
        text.Format("%d", amount);
    return text;
}

}  // namespace

void ConvertOldEntries(const CObArray& oldRecords, CObArray& journal)
{
    for (CObject* object : oldRecords) {
        const auto* old = static_cast<const CMyObject*>(object);
        auto* entry = new CMyObject2;
        entry->m_strDate = old->m_strDate;
        entry->m_strCause1 = old->m_strCause1;
        entry->m_strCause2 = old->m_strCause2;
        entry->m_strCause3 = old->m_strCause3;
        entry->m_strResult1 = old->m_strResult1;
        entry->m_strResult2 = old->m_strResult2;
        entry->m_strResult3 = old->m_strResult3;
        entry->m_strCauseAmount1 = AmountText(old->m_lCauseAmount1);
        entry->m_strCauseAmount2 = AmountText(old->m_lCauseAmount2);
        entry->m_strCauseAmount3 = AmountText(old->m_lCauseAmount3);
        entry->m_strResultAmount1 = AmountText(old->m_lResultAmount1);
        entry->m_strResultAmount2 = AmountText(old->m_lResultAmount2);
        entry->m_strResultAmount3 = AmountText(old->m_lResultAmount3);
        entry->m_strCauseDesc1 = old->m_strCauseDesc1;
        entry->m_strCauseDesc2 = old->m_strCauseDesc2;
        entry->m_strCauseDesc3 = old->m_strCauseDesc3;
        entry->m_strResultDesc1 = old->m_strResultDesc1;
        entry->m_strResultDesc2 = old->m_strResultDesc2;
        entry->m_strResultDesc3 = old->m_strResultDesc3;
        entry->m_strRemark = old->m_strRemark;
        entry->m_nDirection = old->m_nDirection;
        entry->m_nClassCode = old->m_nClassCode;
        journal.Add(entry);
    }
}
