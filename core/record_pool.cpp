#include "record_pool.h"

#include <algorithm>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define ZIRERE_POOLS_ACTIVE 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZIRERE_POOLS_ACTIVE 0
#endif
#endif
#ifndef ZIRERE_POOLS_ACTIVE
#define ZIRERE_POOLS_ACTIVE 1
#endif

namespace {
constexpr std::size_t kAlign = alignof(std::max_align_t);
}

bool RecordPoolsActive()
{
    return ZIRERE_POOLS_ACTIVE != 0;
}

RecordPool::RecordPool(std::size_t size, std::size_t blockRecords)
    : m_size((std::max(size, sizeof(FreeRecord)) + kAlign - 1) / kAlign * kAlign), m_blockRecords(blockRecords)
{
}

void* RecordPool::Take()
{
    if (!RecordPoolsActive())
        return ::operator new(m_size);
    if (!m_free) {
        // A new block, its records chained in order so that records made one after
        // another lie one after another.
        std::unique_ptr<std::byte[]> block(new std::byte[m_size * m_blockRecords]);
        FreeRecord* next = nullptr;
        for (std::size_t i = m_blockRecords; i-- > 0;) {
            auto* record = new (block.get() + i * m_size) FreeRecord{next};
            next = record;
        }
        m_free = next;
        m_blocks.push_back(std::move(block));
    }
    FreeRecord* record = m_free;
    m_free = record->next;
    return record;
}

void RecordPool::Give(void* record) noexcept
{
    if (!record)
        return;
    if (!RecordPoolsActive()) {
        ::operator delete(record);
        return;
    }
    m_free = new (record) FreeRecord{m_free};
}
