#include "object.h"

#include <cstring>
#include <map>
#include <string>

namespace {

std::map<std::string, const CRuntimeClass*>& Registry()
{
    static std::map<std::string, const CRuntimeClass*> registry;
    return registry;
}

}  // namespace

const CRuntimeClass CObject::runtimeClass("CObject", CRuntimeClass::kNotSerial, nullptr, nullptr);

CRuntimeClass::CRuntimeClass(const char* className, UINT schema, CreateFunction create, const CRuntimeClass* base)
    : m_lpszClassName(className), m_wSchema(schema), m_pfnCreateObject(create), m_pBaseClass(base)
{
    if (create)
        Registry()[className] = this;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* cls = this; cls; cls = cls->m_pBaseClass)
        if (cls == base)
            return true;
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className)
{
    auto it = Registry().find(className);
    return it == Registry().end() ? nullptr : it->second;
}
