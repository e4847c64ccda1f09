#include "byte_text.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <stdexcept>

namespace {

constexpr std::size_t kLongest = 0x7FFFFFFE;

void RequireLength(std::size_t count)
{
    if (count > kLongest)
        throw std::length_error("a text longer than 2 GB");
}

}  // namespace

static_assert(sizeof(ByteText) == 16, "a text takes sixteen bytes");

ByteText::ByteText(const char* bytes, std::size_t count) : ByteText()
{
    assign(bytes, count);
}

ByteText::ByteText(const ByteText& other) : ByteText()
{
    assign(other.data(), other.size());
}

ByteText::ByteText(ByteText&& other) noexcept
{
    std::memcpy(m_raw, other.m_raw, sizeof m_raw);
    other.SetInPlaceSize(0);
}

ByteText& ByteText::operator=(const ByteText& other)
{
    if (this != &other)
        assign(other.data(), other.size());
    return *this;
}

ByteText& ByteText::operator=(ByteText&& other) noexcept
{
    if (this != &other) {
        Release();
        std::memcpy(m_raw, other.m_raw, sizeof m_raw);
        other.SetInPlaceSize(0);
    }
    return *this;
}

ByteText::~ByteText()
{
    Release();
}

char* ByteText::HeapBytes() const noexcept
{
    char* bytes;
    std::memcpy(&bytes, m_raw, sizeof bytes);
    return bytes;
}

std::size_t ByteText::HeapSize() const noexcept
{
    std::uint32_t count;
    std::memcpy(&count, m_raw + 8, sizeof count);
    return count;
}

std::size_t ByteText::Capacity() const noexcept
{
    if (!OnHeap())
        return kInPlace;
    std::uint32_t capacity;
    std::memcpy(&capacity, m_raw + 12, sizeof capacity);
    return capacity & ~kHeapMark;
}

void ByteText::SetInPlaceSize(std::size_t count) noexcept
{
    // At 15 bytes the closing 0 byte is the size byte itself.
    m_raw[std::min(count, kInPlace)] = 0;
    m_raw[kInPlace] = static_cast<unsigned char>(kInPlace - count);
}

void ByteText::SetSize(std::size_t count) noexcept
{
    if (!OnHeap()) {
        SetInPlaceSize(count);
        return;
    }
    const auto stored = static_cast<std::uint32_t>(count);
    std::memcpy(m_raw + 8, &stored, sizeof stored);
    HeapBytes()[count] = 0;
}

void ByteText::Reserve(std::size_t count, std::size_t keep)
{
    if (count <= Capacity())
        return;
    RequireLength(count);
    char* block = new char[count + 1];
    std::memcpy(block, data(), keep);
    block[keep] = 0;
    Release();
    const auto stored = static_cast<std::uint32_t>(keep);
    const std::uint32_t marked = static_cast<std::uint32_t>(count) | kHeapMark;
    std::memcpy(m_raw, &block, sizeof block);
    std::memcpy(m_raw + 8, &stored, sizeof stored);
    std::memcpy(m_raw + 12, &marked, sizeof marked);
}

void ByteText::Release() noexcept
{
    if (OnHeap()) {
        delete[] HeapBytes();
        SetInPlaceSize(0);
    }
}

void ByteText::resize(std::size_t count)
{
    const std::size_t old = size();
    if (count > old) {
        Reserve(count, old);
        std::memset(data() + old, 0, count - old);
    }
    SetSize(count);
}

void ByteText::assign(const char* bytes, std::size_t count)
{
    if (count > Capacity()) {
        // Copied from a text of this one's own block: keep it until copied.
        ByteText fresh;
        fresh.Reserve(count, 0);
        std::memcpy(fresh.data(), bytes, count);
        fresh.SetSize(count);
        swap(fresh);
        return;
    }
    if (count > 0)
        std::memmove(data(), bytes, count);
    SetSize(count);
}

void ByteText::assign(std::size_t count, char ch)
{
    Reserve(count, 0);
    std::memset(data(), ch, count);
    SetSize(count);
}

void ByteText::append(const char* bytes, std::size_t count)
{
    insert(size(), bytes, count);
}

void ByteText::insert(std::size_t pos, const char* bytes, std::size_t count)
{
    const std::size_t old = size();
    if (pos > old)
        throw std::out_of_range("an insertion beyond the end of a text");
    if (count == 0)
        return;
    RequireLength(old + count);
    const std::size_t total = old + count;
    const std::less<const char*> before;
    const bool fromHere = !before(bytes, data()) && before(bytes, data() + old);
    if (total <= Capacity() && !fromHere) {
        char* at = data() + pos;
        std::memmove(at + count, at, old - pos);
        std::memcpy(at, bytes, count);
        SetSize(total);
        return;
    }
    // Built apart, with room to grow by half again, so that a text built byte by
    // byte is copied few times; the new bytes may come from this text itself.
    ByteText joined;
    joined.Reserve(total <= kInPlace ? total : std::min(kLongest, std::max(total, Capacity() + Capacity() / 2)), 0);
    char* out = joined.data();
    std::memcpy(out, data(), pos);
    std::memcpy(out + pos, bytes, count);
    std::memcpy(out + pos + count, data() + pos, old - pos);
    joined.SetSize(total);
    swap(joined);
}

void ByteText::erase(std::size_t pos, std::size_t count)
{
    const std::size_t old = size();
    if (pos > old)
        throw std::out_of_range("an erasure beyond the end of a text");
    count = std::min(count, old - pos);
    char* at = data() + pos;
    std::memmove(at, at + count, old - pos - count);
    SetSize(old - count);
}

void ByteText::swap(ByteText& other) noexcept
{
    unsigned char held[sizeof m_raw];
    std::memcpy(held, m_raw, sizeof m_raw);
    std::memcpy(m_raw, other.m_raw, sizeof m_raw);
    std::memcpy(other.m_raw, held, sizeof m_raw);
}
