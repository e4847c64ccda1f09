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
    if (m_current >= m_blocks.size() || !HasRoom(m_blocks[m_current])) {
        const auto withRoom =
            std::find_if(m_blocks.begin(), m_blocks.end(), [this](const Block& b) { return HasRoom(b); });
        m_current = withRoom != m_blocks.end() ? static_cast<std::size_t>(withRoom - m_blocks.begin()) : NewBlock();
    }
    Block& block = m_blocks[m_current];
    ++block.live;
    if (FreeRecord* record = block.free) {
        block.free = record->next;
        return record;
    }
    // Records made one after another lie one after another.
    return block.bytes.get() + block.fresh++ * m_size;
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
    std::erase_if(m_blocks, [](const Block& block) { return block.live == 0; });
    m_current = m_blocks.size();
    return m_blocks.size() != before;
}
