#include "framework/arrays.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(Arrays, IndexingOperations)
{
    CStringArray names;
    EXPECT_EQ(-1, names.GetUpperBound());
    EXPECT_EQ(0, names.Add("現金"));
    names.Add("売上");
    names.InsertAt(1, CString("仕入"));
    ASSERT_EQ(3, names.GetSize());
    EXPECT_EQ(CString("仕入"), names[1]);
    names.RemoveAt(0);
    EXPECT_EQ(CString("仕入"), names.GetAt(0));
    names.SetAt(1, "雑費");
    EXPECT_EQ(CString("雑費"), names[1]);
    names.InsertAt(4, CString("x"));
    EXPECT_EQ(5, names.GetSize());
    EXPECT_EQ(CString(""), names[3]);
    names.RemoveAll();
    EXPECT_TRUE(names.IsEmpty());
}

TEST(Arrays, OutOfRangeIsRefused)
{
    CUIntArray numbers;
    numbers.Add(1);
    EXPECT_THROW(numbers.GetAt(1), std::out_of_range);
    EXPECT_THROW(numbers.GetAt(-1), std::out_of_range);
    EXPECT_THROW(numbers.RemoveAt(0, 2), std::out_of_range);
    numbers.SetSize(3);
    EXPECT_EQ(0u, numbers[2]);
}

}  // namespace
