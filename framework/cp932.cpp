#include "cp932.h"

namespace cp932 {

bool IsTrailByteAt(const char* text, std::size_t n, std::size_t i)
{
    std::size_t pos = 0;
    while (pos < n) {
        std::size_t len = CharLength(text, pos, n);
        if (i < pos + len)
            return i != pos;
        pos += len;
    }
    return false;
}

}  // namespace cp932
