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
    // iconv says "no descriptor" with (iconv_t)-1.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
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

// Private-use code points that GBK (and GB18030-2000) give two-byte codes, which the system's
// GB18030 converter no longer accepts: they keep those codes instead of becoming U+FFFD.
struct PrivateUseCode
{
    char32_t code;
    char bytes[3];
};
constexpr PrivateUseCode kPrivateUseCodes[] = {
    {0xE78D, "\xA6\xD9"}, {0xE78E, "\xA6\xDA"}, {0xE78F, "\xA6\xDB"}, {0xE790, "\xA6\xDC"},
    {0xE791, "\xA6\xDD"}, {0xE792, "\xA6\xDE"}, {0xE793, "\xA6\xDF"}, {0xE794, "\xA6\xEC"},
    {0xE795, "\xA6\xED"}, {0xE796, "\xA6\xF3"}, {0xE816, "\xFE\x51"}, {0xE817, "\xFE\x52"},
    {0xE818, "\xFE\x53"}, {0xE81E, "\xFE\x59"}, {0xE826, "\xFE\x61"}, {0xE82B, "\xFE\x66"},
    {0xE82C, "\xFE\x67"}, {0xE831, "\xFE\x6C"}, {0xE832, "\xFE\x6D"}, {0xE83B, "\xFE\x76"},
    {0xE843, "\xFE\x7E"}, {0xE854, "\xFE\x90"}, {0xE855, "\xFE\x91"}, {0xE864, "\xFE\xA0"},
};

// The two GBK bytes of a private-use character at the start of `s` (three UTF-8 bytes EE xx xx), if
// it is one of the table.
const char* privateUseBytes(std::string_view s)
{
    if (s.size() < 3 || static_cast<unsigned char>(s[0]) != 0xEE)
        return nullptr;
    const auto b1 = static_cast<unsigned char>(s[1]);
    const auto b2 = static_cast<unsigned char>(s[2]);
    if ((b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80)
        return nullptr;
    const char32_t code = 0xE000 | static_cast<char32_t>((b1 & 0x3F) << 6) | (b2 & 0x3F);
    for (const PrivateUseCode& entry : kPrivateUseCodes)
        if (entry.code == code)
            return entry.bytes;
    return nullptr;
}

} // namespace

std::string toGbk(std::string_view utf8)
{
    if (isAscii(utf8))
        return std::string(utf8);
    if (utf8.find('\xEE') == std::string_view::npos)
        return toGbkConverter().convert(utf8, kReplacementGb18030, true);
    std::string out;
    size_t start = 0;
    for (size_t i = utf8.find('\xEE'); i != std::string_view::npos; i = utf8.find('\xEE', i + 1)) {
        const char* bytes = privateUseBytes(utf8.substr(i));
        if (!bytes)
            continue;
        out += toGbkConverter().convert(utf8.substr(start, i - start), kReplacementGb18030, true);
        out.append(bytes, 2);
        start = i + 3;
        i += 2;
    }
    out += toGbkConverter().convert(utf8.substr(start), kReplacementGb18030, true);
    return out;
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
