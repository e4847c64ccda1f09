// ByteText: the bytes of a text in sixteen bytes. A text of up to 15 bytes is
// kept in place; a longer one in a block of its own. A journal entry holds
// twenty texts, most of them empty or short, and a busy year twenty thousand
// entries: kept this way they take half the memory a standard string takes.
// Loading a year is mostly the first touch of that memory, so it is that much faster.
// The bytes are always followed by a 0 byte, so data() is also the C text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class ByteText {
public:
    ByteText() noexcept { SetInPlaceSize(0); }
    ByteText(const char* bytes, std::size_t count);
    ByteText(const ByteText& other);
    ByteText(ByteText&& other) noexcept;
    ByteText& operator=(const ByteText& other);
    ByteText& operator=(ByteText&& other) noexcept;
    ~ByteText();

    std::size_t size() const noexcept { return OnHeap() ? HeapSize() : kInPlace - m_raw[kInPlace]; }
    bool empty() const noexcept { return size() == 0; }
    const char* data() const noexcept { return OnHeap() ? HeapBytes() : reinterpret_cast<const char*>(m_raw); }
    char* data() noexcept { return OnHeap() ? HeapBytes() : reinterpret_cast<char*>(m_raw); }
    const char* c_str() const noexcept { return data(); }
    std::string_view view() const noexcept { return {data(), size()}; }
    char operator[](std::size_t index) const noexcept { return data()[index]; }
    char& operator[](std::size_t index) noexcept { return data()[index]; }

    void clear() noexcept { SetSize(0); }
    // New bytes are 0.
    void resize(std::size_t count);
    void assign(const char* bytes, std::size_t count);
    void assign(std::size_t count, char ch);
    void append(const char* bytes, std::size_t count);
    void push_back(char ch) { append(&ch, 1); }
    // pos at most size(); bytes may lie inside this text.
    void insert(std::size_t pos, const char* bytes, std::size_t count);
    // As the standard string: count is cut to the bytes from pos on.
    void erase(std::size_t pos, std::size_t count);
    void swap(ByteText& other) noexcept;

private:
    static constexpr std::size_t kInPlace = 15;
    // The last byte holds 15 less the size in place, so that a text of 15 bytes
    // ends in a 0 byte; on the heap it is the top byte of the capacity, marked.
    static constexpr std::uint32_t kHeapMark = 0x80000000u;

    bool OnHeap() const noexcept { return (m_raw[kInPlace] & 0x80) != 0; }
    char* HeapBytes() const noexcept;
    std::size_t HeapSize() const noexcept;
    std::size_t Capacity() const noexcept;
    void SetInPlaceSize(std::size_t count) noexcept;
    // Sets the size within the capacity and writes the closing 0 byte.
    void SetSize(std::size_t count) noexcept;
    // Room for exactly count bytes when there is less; the first keep bytes are kept.
    void Reserve(std::size_t count, std::size_t keep);
    void Release() noexcept;

    alignas(8) unsigned char m_raw[16];
};
