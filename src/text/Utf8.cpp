#include "text/Utf8.h"

namespace text {
namespace {

size_t sequenceLength(std::string_view s, size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    size_t n = 1;
    if (lead >= 0xF0 && lead < 0xF8)
        n = 4;
    else if (lead >= 0xE0)
        n = 3;
    else if (lead >= 0xC0)
        n = 2;
    if (i + n > s.size())
        return 1;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 1;
    return n;
}

} // namespace

std::string validUtf8(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) {
        const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
        const unsigned char lead = byte(0);
        size_t n = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF; // the allowed range of the second byte
        if (lead < 0x80) {
            n = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            n = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            n = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            n = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        bool ok = n > 0 && i + n <= s.size();
        if (ok && n > 1)
            ok = byte(1) >= low && byte(1) <= high;
        for (size_t k = 2; ok && k < n; ++k)
            ok = (byte(k) & 0xC0) == 0x80;
        if (ok) {
            out.append(s.substr(i, n));
            i += n;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

std::vector<std::string> utf8Characters(std::string_view s)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        const size_t n = sequenceLength(s, i);
        out.emplace_back(s.substr(i, n));
        i += n;
    }
    return out;
}

size_t utf8Length(std::string_view s)
{
    size_t count = 0;
    for (size_t i = 0; i < s.size(); i += sequenceLength(s, i))
        ++count;
    return count;
}

std::string_view firstUtf8Character(std::string_view s)
{
    return s.empty() ? s : s.substr(0, sequenceLength(s, 0));
}

std::string_view lastUtf8Character(std::string_view s)
{
    // A character is at most four bytes: the last one starts at most three continuation bytes back,
    // and only if its lead byte spans exactly to the end; otherwise the last byte stands alone.
    for (size_t back = 2; back <= 4 && back <= s.size(); ++back) {
        const size_t start = s.size() - back;
        if ((static_cast<unsigned char>(s[start + 1]) & 0xC0) != 0x80)
            break;
        if ((static_cast<unsigned char>(s[start]) & 0xC0) != 0x80)
            return sequenceLength(s, start) == back ? s.substr(start) : s.substr(s.size() - 1);
    }
    return s.empty() ? s : s.substr(s.size() - 1);
}

bool isHanzi(std::string_view character)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(character[i]); };
    char32_t code = 0;
    if (character.size() == 3 && (byte(0) & 0xF0) == 0xE0)
        code = static_cast<char32_t>(((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F));
    else if (character.size() == 4 && (byte(0) & 0xF8) == 0xF0)
        code = static_cast<char32_t>(((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) |
                                     ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F));
    else
        return false;
    return (code >= 0x3400 && code <= 0x4DBF) || (code >= 0x4E00 && code <= 0x9FFF) ||
           (code >= 0xF900 && code <= 0xFAFF) || (code >= 0x20000 && code <= 0x3FFFF);
}

std::string_view trimBlanks(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::vector<std::string> splitText(std::string_view s, std::string_view separator)
{
    std::vector<std::string> out;
    if (separator.empty()) {
        out.emplace_back(s);
        return out;
    }
    size_t start = 0;
    for (size_t pos = s.find(separator); pos != std::string_view::npos; pos = s.find(separator, start)) {
        out.emplace_back(s.substr(start, pos - start));
        start = pos + separator.size();
    }
    out.emplace_back(s.substr(start));
    return out;
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to)
{
    if (from.empty())
        return std::string(s);
    std::string out;
    out.reserve(s.size());
    size_t start = 0;
    for (size_t pos = s.find(from); pos != std::string_view::npos; pos = s.find(from, start)) {
        out.append(s.substr(start, pos - start));
        out.append(to);
        start = pos + from.size();
    }
    out.append(s.substr(start));
    return out;
}

} // namespace text
