#include "text/Gbk.h"

#include <cerrno>
#include <iconv.h>

namespace text {
namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";
constexpr std::string_view kReplacementGb18030 = "\x84\x31\xA4\x37";

// One iconv descriptor per direction and thread: opening one costs far more than a short conversion.
class Converter
{
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != invalidDescriptor())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; on a bad or cut-off sequence writes the replacement and skips
    // `skipOnError` bytes (1 for GBK input; for UTF-8 input the whole broken sequence).
    std::string convert(std::string_view in, std::string_view replacement, bool utf8Input) const
    {
        std::string out;
        if (m_cd == invalidDescriptor())
            return std::string(in);
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        out.reserve(in.size() * 2 + 8);
        char buffer[4096];
        auto* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<size_t>(dst - buffer));
            if (rc != static_cast<size_t>(-1))
                continue;
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL: a byte sequence that is no character of the source encoding.
            out.append(replacement);
            const size_t skip = utf8Input ? brokenUtf8Length(src, srcLeft) : 1;
            src += skip;
            srcLeft -= skip;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    static iconv_t invalidDescriptor() { return reinterpret_cast<iconv_t>(-1); }

    static size_t brokenUtf8Length(const char* p, size_t left)
    {
        size_t n = 1;
        while (n < left && n < 4 && (static_cast<unsigned char>(p[n]) & 0xC0) == 0x80)
            ++n;
        return n;
    }

    iconv_t m_cd;
};

const Converter& toGbkConverter()
{
    thread_local const Converter converter("GB18030", "UTF-8");
    return converter;
}

const Converter& fromGbkConverter()
{
    thread_local const Converter converter("UTF-8", "GB18030");
    return converter;
}

bool isAscii(std::string_view s)
{
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string toGbk(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    return toGbkConverter().convert(utf8, kReplacementGb18030, true);
}

std::string fromGbk(std::string_view gbk)
{
    if (isAscii(gbk))
        return std::string(gbk);
    return fromGbkConverter().convert(gbk, kReplacementUtf8, false);
}

bool isGbkEncodable(std::string_view utf8)
{
    const std::string gbk = toGbk(utf8);
    for (size_t i = 0; i < gbk.size(); ++i) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead < 0x80)
            continue;
        if (i + 1 >= gbk.size())
            return false;
        const auto second = static_cast<unsigned char>(gbk[i + 1]);
        if (second >= 0x30 && second <= 0x39)
            return false; // four-byte GB18030 form
        ++i;
    }
    return fromGbk(gbk) == utf8;
}

} // namespace text
