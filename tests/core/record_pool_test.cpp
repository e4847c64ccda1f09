// The pool the journal's entries are made in: records of a block are handed out
// one by one and reused once given back; empty blocks go back when asked, one
// kept; entries made and deleted through it keep their fields as any other object.
#include "core/my_object2.h"
#include "core/record_pool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <vector>

namespace {

TEST(RecordPool, RecordsOfABlockAreReusedOnceGivenBack)
{
    RecordPool pool(40, 4);
    std::vector<void*> first;
    for (int i = 0; i < 10; ++i) {
        void* record = pool.Take();
        ASSERT_NE(nullptr, record);
        EXPECT_EQ(0u, reinterpret_cast<std::uintptr_t>(record) % alignof(std::max_align_t));
        std::memset(record, i, 40);  // the whole record is the caller's
        first.push_back(record);
    }
    EXPECT_EQ(10u, std::set<void*>(first.begin(), first.end()).size());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(static_cast<unsigned char>(i), static_cast<unsigned char*>(first[static_cast<size_t>(i)])[39]);
    for (void* record : first)
        pool.Give(record);
    if (!RecordPoolsActive()) {
        // Under the address sanitizer every record is an allocation of its own.
        EXPECT_EQ(0u, pool.BlockCount());
        EXPECT_FALSE(pool.ReleaseEmptyBlocks());
        return;
    }
    // Records made one after another lie one after another in their block.
    EXPECT_EQ(static_cast<std::byte*>(first[0]) + 48, first[1]);
    // Made again in the memory given back: twelve records' room, no block added.
    EXPECT_EQ(3u, pool.BlockCount());
    std::vector<void*> again;
    for (int i = 0; i < 12; ++i)
        again.push_back(pool.Take());
    EXPECT_EQ(12u, std::set<void*>(again.begin(), again.end()).size());
    EXPECT_EQ(3u, pool.BlockCount());
    // A block still in use stays; the empty ones go.
    void* held = again.front();
    for (void* record : again)
        if (record != held)
            pool.Give(record);
    EXPECT_TRUE(pool.ReleaseEmptyBlocks());
    EXPECT_EQ(1u, pool.BlockCount());
    EXPECT_FALSE(pool.ReleaseEmptyBlocks());
    // The block kept serves the next records before a block is added.
    std::vector<void*> next;
    for (int i = 0; i < 3; ++i)
        next.push_back(pool.Take());
    EXPECT_EQ(1u, pool.BlockCount());
    next.push_back(pool.Take());
    EXPECT_EQ(2u, pool.BlockCount());
    for (void* record : next)
        pool.Give(record);
    pool.Give(held);
    EXPECT_TRUE(pool.ReleaseEmptyBlocks());
    EXPECT_EQ(0u, pool.BlockCount());
    // And a pool left with no block makes one again.
    void* last = pool.Take();
    EXPECT_EQ(1u, pool.BlockCount());
    pool.Give(last);
}

TEST(RecordPool, EntriesMadeInThePoolKeepTheirFields)
{
    std::vector<std::unique_ptr<CMyObject2>> entries;
    for (int i = 0; i < 1500; ++i) {
        entries.push_back(std::make_unique<CMyObject2>());
        entries.back()->m_strRemark.Format("entry %d with a remark longer than fifteen bytes", i);
        entries.back()->m_nClassCode = i;
    }
    // Every other one deleted, then as many made again in their place.
    for (std::size_t i = 0; i < entries.size(); i += 2)
        entries[i].reset();
    for (std::size_t i = 0; i < entries.size(); i += 2) {
        entries[i] = std::make_unique<CMyObject2>();
        entries[i]->m_strDate = "2024/01/01";
        entries[i]->m_nClassCode = -static_cast<int>(i);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i % 2 == 0) {
            EXPECT_EQ("2024/01/01", entries[i]->m_strDate);
            EXPECT_TRUE(entries[i]->m_strRemark.IsEmpty());
            EXPECT_EQ(-static_cast<int>(i), entries[i]->m_nClassCode);
        } else {
            CString remark;
            remark.Format("entry %d with a remark longer than fifteen bytes", static_cast<int>(i));
            EXPECT_EQ(remark, entries[i]->m_strRemark);
            EXPECT_EQ(static_cast<int>(i), entries[i]->m_nClassCode);
        }
    }
    // Made through the run-time class, as the file reader makes them.
    std::unique_ptr<CObject> made(RUNTIME_CLASS(CMyObject2)->CreateObject());
    ASSERT_TRUE(made->IsKindOf(RUNTIME_CLASS(CMyObject2)));
    EXPECT_EQ(-1, static_cast<CMyObject2*>(made.get())->m_nDirection);
}

}  // namespace
