#include "arrays.h"

#include "archive.h"

void CObArray::Serialize(CArchive& ar, const CRuntimeClass* expected)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<std::uint32_t>(GetSize()));
        for (CObject* object : *this)
            ar.WriteObject(object);
        return;
    }
    // Records are appended one by one as they are read, so a damaged count cannot
    // make the array reserve room for records the file does not hold.
    const std::uint32_t count = ar.ReadCount();
    for (std::uint32_t i = 0; i < count; ++i)
        Add(ar.ReadObject(expected));
}
