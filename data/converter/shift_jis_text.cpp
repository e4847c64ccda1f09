#include "shift_jis_text.h"

#include <iconv.h>
#include <stdexcept>

namespace {

// One conversion descriptor for the converter's whole run.
class Utf8ToCp932 {
public:
    Utf8ToCp932() : m_cd(iconv_open("CP932", "UTF-8"))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert UTF-8 into CP932 on this machine");
    }
    ~Utf8ToCp932() { iconv_close(m_cd); }
    Utf8ToCp932(const Utf8ToCp932&) = delete;
    Utf8ToCp932& operator=(const Utf8ToCp932&) = delete;

    std::string Convert(const std::string& utf8)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string in = utf8;
        std::string out(in.size() * 2 + 1, '\0');  // never longer than the UTF-8 text
        char* src = in.data();
        size_t srcLeft = in.size();
        char* dst = out.data();
        size_t dstLeft = out.size();
        if (iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1))
            throw std::runtime_error("no Shift-JIS form for \"" + utf8 + "\"");
        out.resize(out.size() - dstLeft);
        return out;
    }

private:
    iconv_t m_cd;
};

}  // namespace

CString ToShiftJis(const std::string& utf8)
{
    static Utf8ToCp932 converter;
    return CString(converter.Convert(utf8));
}
