#include "num_edit_keys.h"

#include "../framework/cp932.h"

namespace {

bool IsAmountCharacter(unsigned int ch)
{
    return (ch >= '0' && ch <= '9') || ch == ',' || ch == '.';
}

}  // namespace

bool IsAmountKey(unsigned int ch)
{
    return ch == 8 || ch == 9 || IsAmountCharacter(ch);
}

CString AmountCharactersOnly(const CString& text)
{
    const std::string_view bytes = text.view();
    std::string kept;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = cp932::CharLength(bytes.data(), i, bytes.size());
        if (length == 1 && IsAmountCharacter(static_cast<unsigned char>(bytes[i])))
            kept += bytes[i];
        i += length;
    }
    return CString(kept);
}
