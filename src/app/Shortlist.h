#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// The shortlist (名字收藏): the names the parents starred, to compare side by side.
struct ShortlistEntry
{
    std::string surname;
    std::string given;

    bool operator==(const ShortlistEntry&) const = default;
};

// Appends the name unless the list holds it already or a part is empty; true when it was added.
bool addToShortlist(std::vector<ShortlistEntry>& list, std::string_view surname, std::string_view given);
// Removes the name; true when it was there.
bool removeFromShortlist(std::vector<ShortlistEntry>& list, std::string_view surname, std::string_view given);
bool inShortlist(const std::vector<ShortlistEntry>& list, std::string_view surname, std::string_view given);
// The place of the name in the list, if it is there.
std::optional<size_t> shortlistIndex(const std::vector<ShortlistEntry>& list, std::string_view surname,
                                     std::string_view given);

// The settings value 名字收藏: per name the surname, ";", the given name, then "|" (李;明华|欧阳;华|).
// A ";", "|" or backslash inside a name is kept by a backslash in front of it, line breaks are dropped;
// the value is never cut, however many names it holds.
std::string saveShortlist(const std::vector<ShortlistEntry>& list);
// Reads such a value back: every "|"-ended piece with a surname and a given name is a name, pieces
// without one are skipped, a name held twice is kept once.
std::vector<ShortlistEntry> restoreShortlist(std::string_view value);

} // namespace app
