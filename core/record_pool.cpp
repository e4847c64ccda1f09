#include "record_pool.h"

#include <algorithm>
#include <functional>
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
    : m_size((std::max(size, sizeof(FreeRecord)) + kAlign - 1) / kAlign * kAlign),
      m_blockRecords(std::max<std::size_t>(blockRecords, 1))
{
}

std::size_t RecordPool::NewBlock()
{
    Block block;
    block.bytes.reset(new std::byte[m_size * m_blockRecords]);
    // Chained in order, so that records made one after another lie one after another.
    FreeRecord* next = nullptr;
    for (std::size_t i = m_blockRecords; i-- > 0;)
        next = new (block.bytes.get() + i * m_size) FreeRecord{next};
    block.free = next;
    const auto at = std::upper_bound(m_blocks.begin(), m_blocks.end(), block.bytes.get(),
                                     [](const std::byte* bytes, const Block& b) {
                                         return std::less<const std::byte*>()(bytes, b.bytes.get());
                                     });
    const auto index = static_cast<std::size_t>(at - m_blocks.begin());
    m_blocks.insert(at, std::move(block));
    return index;
}

std::size_t RecordPool::BlockOf(const void* record) const
{
    const auto* bytes = static_cast<const std::byte*>(record);
    const auto after = std::upper_bound(m_blocks.begin(), m_blocks.end(), bytes,
                                        [](const std::byte* b, const Block& block) {
                                            return std::less<const std::byte*>()(b, block.bytes.get());
                                        });
    return static_cast<std::size_t>(after - m_blocks.begin()) - 1;
}

void* RecordPool::Take()
{
    if (!RecordPoolsActive())
        return ::operator new(m_size);
    if (m_current >= m_blocks.size() || !m_blocks[m_current].free) {
        const auto withFree = std::find_if(m_blocks.begin(), m_blocks.end(), [](const Block& b) { return b.free; });
        m_current = withFree != m_blocks.end() ? static_cast<std::size_t>(withFree - m_blocks.begin()) : NewBlock();
    }
    Block& block = m_blocks[m_current];
    FreeRecord* record = block.free;
    block.free = record->next;
    ++block.live;
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
    Block& block = m_blocks[BlockOf(record)];
    block.free = new (record) FreeRecord{block.free};
    --block.live;
}

bool RecordPool::ReleaseEmptyBlocks()
{
    const std::size_t before = m_blocks.size();
    bool reserveKept = false;
    std::vector<Block> kept;
    kept.reserve(before);
    for (Block& block : m_blocks) {
        if (block.live == 0 && reserveKept)
            continue;
        reserveKept = reserveKept || block.live == 0;
        kept.push_back(std::move(block));
    }
    m_blocks = std::move(kept);
    m_current = m_blocks.size();
    return m_blocks.size() != before;
}
