// Shift-JIS (code page 932) character boundaries, decided by the code page's own
// byte ranges so that the result never depends on the system code page.
#pragma once

#include <cstddef>

namespace cp932 {

// A byte that starts a two-byte character: 81-9F or E0-FC.
constexpr bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Length in bytes of the character starting at text[i] of a text of n bytes:
// 2 for a lead byte followed by another byte, otherwise 1.
inline std::size_t CharLength(const char* text, std::size_t i, std::size_t n)
{
    return (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < n) ? 2 : 1;
}

// True when byte i is the second byte of a two-byte character, scanning from the start.
bool IsTrailByteAt(const char* text, std::size_t n, std::size_t i);

}  // namespace cp932
