#include "app/DateLists.h"

namespace app {
namespace {

std::string numberList(int first, int last)
{
    std::string text;
    for (int i = first; i <= last; ++i) {
        if (i != first)
            text += ',';
        text += std::to_string(i);
    }
    return text;
}

} // namespace

std::vector<std::string> splitComma(std::string_view text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            if (start < text.size())
                parts.emplace_back(text.substr(start));
            break;
        }
        parts.emplace_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return parts;
}

const std::vector<std::string>& yearItems()
{
    static const std::vector<std::string> items = splitComma(numberList(1970, 2030));
    return items;
}

const std::vector<std::string>& monthItems()
{
    static const std::vector<std::string> items = splitComma(numberList(1, 12));
    return items;
}

const std::vector<std::string>& dayItems()
{
    static const std::vector<std::string> items = splitComma(numberList(1, 31));
    return items;
}

const std::vector<std::string>& hourItems()
{
    static const std::vector<std::string> items = splitComma(numberList(0, 23));
    return items;
}

const std::vector<std::string>& minuteItems()
{
    static const std::vector<std::string> items = splitComma(numberList(0, 59));
    return items;
}

} // namespace app
