// RecordPool: the memory of records of one size, taken from the system in
// blocks of many records and kept once taken. A busy year's twenty thousand
// entries are then a few dozen allocations instead of twenty thousand, and a
// journal loaded again (another file opened, the figures computed afresh) is
// made in the memory the last one left, not in fresh pages the system must
// first hand out, which on a loaded machine costs more than reading the file.
//
// A record given back is reused by the next one made; blocks are never
// returned. Under the address sanitizer every record is an allocation of its
// own, so that a use after delete is still caught.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

class RecordPool {
public:
    // Records of size bytes, blockRecords to a block.
    RecordPool(std::size_t size, std::size_t blockRecords);
    RecordPool(const RecordPool&) = delete;
    RecordPool& operator=(const RecordPool&) = delete;

    void* Take();
    void Give(void* record) noexcept;

    // The blocks taken so far.
    std::size_t BlockCount() const { return m_blocks.size(); }

private:
    struct FreeRecord {
        FreeRecord* next;
    };

    std::size_t m_size;
    std::size_t m_blockRecords;
    FreeRecord* m_free = nullptr;
    std::vector<std::unique_ptr<std::byte[]>> m_blocks;
};

// Whether the pools hand out memory of their own (not under the address sanitizer).
bool RecordPoolsActive();
