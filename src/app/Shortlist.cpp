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

std::optional<size_t> shortlistIndex(const std::vector<ShortlistEntry>& list, std::string_view surname,
                                     std::string_view given)
{
    const auto at = std::find_if(list.begin(), list.end(), [&](const ShortlistEntry& e) {
        return e.surname == surname && e.given == given;
    });
    if (at == list.end())
        return std::nullopt;
    return static_cast<size_t>(at - list.begin());
}

bool inShortlist(const std::vector<ShortlistEntry>& list, std::string_view surname, std::string_view given)
{
    return shortlistIndex(list, surname, given).has_value();
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
    const auto at = shortlistIndex(list, surname, given);
    if (!at)
        return false;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(*at)); // a name is held once
    return true;
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
