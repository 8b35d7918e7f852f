#include "numerology/SplitCharacters.h"

#include "text/Gbk.h"

namespace numerology {
namespace {

bool onlyBlanks(std::string_view gbk)
{
    for (size_t i = 0; i < gbk.size(); ++i) {
        if (gbk[i] == ' ')
            continue;
        if (i + 1 < gbk.size() && static_cast<unsigned char>(gbk[i]) == 0xA1 &&
            static_cast<unsigned char>(gbk[i + 1]) == 0xA1) {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

} // namespace

std::vector<std::string> splitGbkCharacters(std::string_view gbk)
{
    std::vector<std::string> out;
    if (onlyBlanks(gbk))
        return out;
    for (size_t p = 0; p < gbk.size();) {
        const size_t length = static_cast<unsigned char>(gbk[p]) >= 123 && p + 1 < gbk.size() ? 2 : 1;
        out.emplace_back(gbk.substr(p, length));
        p += length;
    }
    return out;
}

std::vector<std::string> SplitCharacters(std::string_view utf8)
{
    std::vector<std::string> out = splitGbkCharacters(text::toGbk(utf8));
    for (std::string& piece : out)
        piece = text::fromGbk(piece);
    return out;
}

} // namespace numerology
