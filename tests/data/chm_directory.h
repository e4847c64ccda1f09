// The names stored in a compiled help file (.chm), read from its directory the
// way the help viewer finds a topic: the file header points at the directory,
// whose listing chunks ("PMGL") hold one entry per stored name. Only what the
// tests need: the names and the language of the file; no content is decoded.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>

struct ChmDirectory {
    // "/0016.htm", "/#SYSTEM", ... as stored, with the leading slash.
    std::set<std::string> names;
    // The language id of the header (0x411 for Japanese).
    std::uint32_t language = 0;
};

namespace chm_detail {

inline std::uint64_t Little(const std::string& bytes, std::size_t at, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// A variable-length number: seven bits a byte, most significant first, the high
// bit set on every byte but the last.
inline bool EncodedNumber(const std::string& bytes, std::size_t& at, std::size_t end, std::uint64_t& value)
{
    value = 0;
    for (int count = 0; at < end && count < 9; ++count) {
        const unsigned char byte = static_cast<unsigned char>(bytes[at++]);
        value = value << 7 | (byte & 0x7F);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

}  // namespace chm_detail

// Empty when the bytes are not a compiled help file with a readable directory.
inline std::optional<ChmDirectory> ReadChmDirectory(const std::string& bytes)
{
    using chm_detail::EncodedNumber;
    using chm_detail::Little;
    if (bytes.size() < 0x60 || bytes.compare(0, 4, "ITSF") != 0)
        return std::nullopt;
    ChmDirectory directory;
    directory.language = static_cast<std::uint32_t>(Little(bytes, 20, 4));
    const std::uint64_t start = Little(bytes, 72, 8);
    const std::uint64_t length = Little(bytes, 80, 8);
    if (start + 0x54 > bytes.size() || length > bytes.size() - start || bytes.compare(start, 4, "ITSP") != 0)
        return std::nullopt;
    const std::uint64_t headerLength = Little(bytes, start + 8, 4);
    const std::uint64_t chunkSize = Little(bytes, start + 16, 4);
    const std::uint64_t chunkCount = Little(bytes, start + 44, 4);
    if (chunkSize < 20 || headerLength + chunkSize * chunkCount > length)
        return std::nullopt;
    for (std::uint64_t chunk = 0; chunk < chunkCount; ++chunk) {
        const std::size_t at = static_cast<std::size_t>(start + headerLength + chunk * chunkSize);
        if (bytes.compare(at, 4, "PMGL") != 0)
            continue;  // an index chunk
        const std::uint64_t freeSpace = Little(bytes, at + 4, 4);
        if (freeSpace > chunkSize - 20)
            return std::nullopt;
        const std::size_t end = static_cast<std::size_t>(at + chunkSize - freeSpace);
        std::size_t p = at + 20;
        while (p < end) {
            std::uint64_t nameLength = 0, section = 0, offset = 0, size = 0;
            if (!EncodedNumber(bytes, p, end, nameLength) || nameLength > end - p)
                return std::nullopt;
            directory.names.insert(bytes.substr(p, static_cast<std::size_t>(nameLength)));
            p += static_cast<std::size_t>(nameLength);
            if (!EncodedNumber(bytes, p, end, section) || !EncodedNumber(bytes, p, end, offset) ||
                !EncodedNumber(bytes, p, end, size))
                return std::nullopt;
        }
    }
    return directory;
}
