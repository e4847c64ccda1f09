#include "shift_jis_text.h"

#include <iconv.h>
#include <stdexcept>

namespace {

// One conversion descriptor per direction for the converter's whole run.
class Conversion {
public:
    Conversion(const char* to, const char* from) : m_cd(iconv_open(to, from))
    {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " into " + to + " on this machine");
    }
    ~Conversion() { iconv_close(m_cd); }
    Conversion(const Conversion&) = delete;
    Conversion& operator=(const Conversion&) = delete;

    std::string Convert(const std::string& text)
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string in = text;
        std::string out(in.size() * 2 + 1, '\0');  // either way at most twice as long
        char* src = in.data();
        size_t srcLeft = in.size();
        char* dst = out.data();
        size_t dstLeft = out.size();
        if (iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1))
            throw std::runtime_error("no conversion for \"" + text + "\"");
        out.resize(out.size() - dstLeft);
        return out;
    }

private:
    iconv_t m_cd;
};

}  // namespace

CString ToShiftJis(const std::string& utf8)
{
    static Conversion converter("CP932", "UTF-8");
    return CString(converter.Convert(utf8));
}

std::string FromShiftJis(const CString& text)
{
    static Conversion converter("UTF-8", "CP932");
    return converter.Convert(text.str());
}
