#pragma once

#include <string>
#include <string_view>

namespace text {

// Converts UTF-8 to the GBK bytes every file of the program is written in. A character outside GBK is
// written in its four-byte GB18030 form rather than lost; a malformed UTF-8 sequence becomes U+FFFD.
std::string toGbk(std::string_view utf8);

// Converts GBK (or GB18030) bytes to UTF-8. A byte that starts no valid character, or a final byte cut
// off from its pair, becomes U+FFFD so the rest of the text survives.
std::string fromGbk(std::string_view gbk);

// True when every character of the UTF-8 text has a one- or two-byte GBK form.
bool isGbkEncodable(std::string_view utf8);

// True for a two-byte GBK code inside the GB2312 area (both bytes 0xA1..0xFE).
constexpr bool isGb2312Pair(unsigned char lead, unsigned char trail) noexcept
{
    return lead >= 0xA1 && lead <= 0xFE && trail >= 0xA1 && trail <= 0xFE;
}

// True for a GB2312 Chinese character of levels 1 and 2: lead byte 0xB0..0xF7, trail byte 0xA1..0xFE.
constexpr bool isGb2312Hanzi(unsigned char lead, unsigned char trail) noexcept
{
    return lead >= 0xB0 && lead <= 0xF7 && trail > 0xA0 && trail != 0xFF;
}

} // namespace text
