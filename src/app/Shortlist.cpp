#include "app/Shortlist.h"

#include <algorithm>

namespace app {
namespace {

std::string escapeField(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\r' || c == '\n')
            continue;
        if (c == ';' || c == '|' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

} // namespace

bool inShortlist(const std::vector<ShortlistEntry>& list, std::string_view surname, std::string_view given)
{
    return std::any_of(list.begin(), list.end(),
                       [&](const ShortlistEntry& e) { return e.surname == surname && e.given == given; });
}

bool addToShortlist(std::vector<ShortlistEntry>& list, std::string_view surname, std::string_view given)
{
    if (surname.empty() || given.empty() || inShortlist(list, surname, given))
        return false;
    list.push_back({std::string(surname), std::string(given)});
    return true;
}

bool removeFromShortlist(std::vector<ShortlistEntry>& list, std::string_view surname, std::string_view given)
{
    const auto before = list.size();
    std::erase_if(list, [&](const ShortlistEntry& e) { return e.surname == surname && e.given == given; });
    return list.size() != before;
}

std::string saveShortlist(const std::vector<ShortlistEntry>& list)
{
    std::string value;
    for (const ShortlistEntry& entry : list)
        value += escapeField(entry.surname) + ";" + escapeField(entry.given) + "|";
    return value;
}

std::vector<ShortlistEntry> restoreShortlist(std::string_view value)
{
    std::vector<ShortlistEntry> list;
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\\' && i + 1 < value.size()) {
            fields.back() += value[++i];
        } else if (c == ';') {
            fields.emplace_back();
        } else if (c == '|') {
            if (fields.size() == 2)
                addToShortlist(list, fields[0], fields[1]);
            fields.assign(1, std::string());
        } else {
            fields.back() += c;
        }
    }
    return list;
}

} // namespace app
