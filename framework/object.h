// CObject and run-time classes: a class that declares itself dynamic can be asked
// what it is; a creatable one can be made from its class name; a serialisable one
// is registered by name with a schema number so that an archive can recreate it.
#pragma once

#include "win_types.h"

class CArchive;
class CObject;

struct CRuntimeClass {
    using CreateFunction = CObject* (*)();

    // Registers the class by name when it is creatable (create is not null).
    CRuntimeClass(const char* className, UINT schema, CreateFunction create, const CRuntimeClass* base);
    CRuntimeClass(const CRuntimeClass&) = delete;
    CRuntimeClass& operator=(const CRuntimeClass&) = delete;

    // A new default-constructed object, or nullptr when the class is not creatable.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;

    // The creatable class registered under this name, or nullptr.
    static const CRuntimeClass* FromName(const char* className);

    static constexpr UINT kNotSerial = 0xFFFF;

    const char* m_lpszClassName;
    UINT m_wSchema;
    CreateFunction m_pfnCreateObject;
    const CRuntimeClass* m_pBaseClass;
};

class CObject {
public:
    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const { return &runtimeClass; }
    virtual void Serialize(CArchive&) {}
    bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

    static const CRuntimeClass runtimeClass;
};

#define RUNTIME_CLASS(cls) (&cls::runtimeClass)

// In the class body: the class knows its run-time class.
#define DECLARE_DYNAMIC(cls)                                                          \
public:                                                                               \
    static const CRuntimeClass runtimeClass;                                          \
    const CRuntimeClass* GetRuntimeClass() const override { return &runtimeClass; }

// Also creatable by name (views, documents, frames) and, with a schema, serialisable.
#define DECLARE_DYNCREATE(cls)                                                        \
    DECLARE_DYNAMIC(cls)                                                              \
    static CObject* CreateObject() { return new cls; }

#define DECLARE_SERIAL(cls) DECLARE_DYNCREATE(cls)

// In the source file.
#define IMPLEMENT_DYNAMIC(cls, base) \
    const CRuntimeClass cls::runtimeClass(#cls, CRuntimeClass::kNotSerial, nullptr, RUNTIME_CLASS(base));
#define IMPLEMENT_DYNCREATE(cls, base) \
    const CRuntimeClass cls::runtimeClass(#cls, CRuntimeClass::kNotSerial, &cls::CreateObject, RUNTIME_CLASS(base));
#define IMPLEMENT_SERIAL(cls, base, schema) \
    const CRuntimeClass cls::runtimeClass(#cls, schema, &cls::CreateObject, RUNTIME_CLASS(base));
