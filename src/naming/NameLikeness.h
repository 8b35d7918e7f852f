#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace store {
class NamingStore;
}

namespace naming {

// How name-like a given name is, from the names real people bear: how many real full names bear a
// two-character given name, and how many different real given names have a character first or last.
// Among names of one score the list shows real names first, then pairs whose characters are each
// common at their place, then the rest.
class NameLikeness
{
public:
    // The fit of a name: a real given name, a pair of characters each common at its place, anything else.
    static constexpr std::uint8_t kRealName = 2;
    static constexpr std::uint8_t kCommonCharacters = 1;
    static constexpr std::uint8_t kUnsupported = 0;
    // Different real given names a character must start (or end) to count as common at that place:
    // high enough that a character of a few old names (举 of 鹏举) is not common.
    static constexpr int kCommonAtPlace = 50;
    // Real full names that must bear a given name for it to count as real: one entry of the
    // dictionary is too often a piece of running text (老总, 君制); a classic list name counts two.
    static constexpr int kRealNameWitnesses = 2;

    // The counts of the database (XW_名字品鉴, kinds 常见名, 名首字, 名末字); a database without them
    // gives the counts of the classic two-character lists.
    static NameLikeness load(const store::NamingStore& store);
    // The classic two-character lists of both sexes, each name counted once.
    static NameLikeness fromClassicLists();

    void addName(std::string_view given, int count);
    void addPlace(std::string_view character, bool first, int count);
    bool empty() const { return m_names.empty(); }

    int realNames(std::string_view given) const;
    // How many different real given names hold the character, first or last.
    int namesUsing(std::string_view character) const;
    // kRealName, kCommonCharacters or kUnsupported; a one-character name is kCommonCharacters when
    // the character is common at either place.
    std::uint8_t fit(std::string_view given) const;

private:
    struct Hash
    {
        using is_transparent = void;
        size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    using Counts = std::unordered_map<std::string, int, Hash, std::equal_to<>>;
    static int countOf(const Counts& counts, std::string_view key);

    Counts m_names;
    Counts m_first;
    Counts m_last;
};

} // namespace naming
