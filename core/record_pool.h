// RecordPool: the memory of records of one size, taken from the system in
// blocks of many records. A busy year's twenty thousand entries are then a
// handful of allocations instead of twenty thousand, each of which costs the
// heap's lock and search. Records given back are reused by the next ones made,
// so that a journal loaded again right after another is made in memory already
// at hand instead of fresh pages; the blocks left empty go back to the system when the
// program is idle (ReleaseEmptyBlocks). A block's records are handed out from
// its start, so a new block costs the system only the pages its records reach.
//
// Under the address sanitizer every record is an allocation of its own, so
// that a use after delete is still caught.
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
    // Returns the blocks no record is taken from to the system; TRUE when there
    // was any to return.
    bool ReleaseEmptyBlocks();

    // The blocks held now.
    std::size_t BlockCount() const { return m_blocks.size(); }

private:
    struct FreeRecord {
        FreeRecord* next;
    };
    // Records given back are chained in free; the ones never handed out yet
    // follow the first fresh one, untouched, so that pages of a block a small
    // journal never reaches are never written.
    struct Block {
        std::unique_ptr<std::byte[]> bytes;
        FreeRecord* free = nullptr;
        std::size_t fresh = 0;
        std::size_t live = 0;
    };

    // The block that holds record (blocks are kept in address order).
    std::size_t BlockOf(const void* record) const;
    bool HasRoom(const Block& block) const { return block.free || block.fresh < m_blockRecords; }
    std::size_t NewBlock();

    std::size_t m_size;
    std::size_t m_blockRecords;
    std::vector<Block> m_blocks;
    std::size_t m_current = 0;  // a block with free records, when there is one
};

// Whether the pools hand out memory of their own (not under the address sanitizer).
bool RecordPoolsActive();
