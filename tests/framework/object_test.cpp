#include "framework/object.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CTestBase : public CObject {
    DECLARE_SERIAL(CTestBase)
};
IMPLEMENT_SERIAL(CTestBase, CObject, 3)

class CTestDerived : public CTestBase {
    DECLARE_DYNCREATE(CTestDerived)
public:
    int m_nValue = 7;
};
IMPLEMENT_DYNCREATE(CTestDerived, CTestBase)

class CTestDynamicOnly : public CObject {
    DECLARE_DYNAMIC(CTestDynamicOnly)
};
IMPLEMENT_DYNAMIC(CTestDynamicOnly, CObject)

TEST(RuntimeClass, CreatesRegisteredClassesByName)
{
    const CRuntimeClass* cls = CRuntimeClass::FromName("CTestDerived");
    ASSERT_EQ(RUNTIME_CLASS(CTestDerived), cls);
    std::unique_ptr<CObject> object(cls->CreateObject());
    ASSERT_TRUE(object);
    EXPECT_EQ(7, static_cast<CTestDerived*>(object.get())->m_nValue);
    EXPECT_EQ(3u, CRuntimeClass::FromName("CTestBase")->m_wSchema);
}

TEST(RuntimeClass, UnknownOrDynamicOnlyClassesAreNotCreatable)
{
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CNoSuchClass"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CTestDynamicOnly"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CObject"));
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CTestDynamicOnly)->CreateObject());
}

TEST(RuntimeClass, KnowsItsBaseClasses)
{
    CTestDerived derived;
    EXPECT_TRUE(derived.IsKindOf(RUNTIME_CLASS(CTestBase)));
    EXPECT_TRUE(derived.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(derived.IsKindOf(RUNTIME_CLASS(CTestDynamicOnly)));
    CTestBase base;
    EXPECT_FALSE(base.IsKindOf(RUNTIME_CLASS(CTestDerived)));
}

}  // namespace
