#pragma once

#include "store/NamingStore.h"

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace numerology {

// The most strokes a stored count may have; the largest character in any dictionary has 64.
inline constexpr int kMaxStrokes = 200;

// What the numerology knows of one character. A character without a dictionary row has both counts 0
// and empty texts.
struct CharacterRecord
{
    std::string character;
    int simplifiedStrokes = 0;   // 0..kMaxStrokes
    int traditionalStrokes = 0;  // Kangxi count of the traditional form: the count every grid uses
    std::string element;         // 金 木 水 火 土, or empty
    std::string traditionalForm; // filled only for reports
    std::string pinyin;          // filled only for reports
};

enum class LookupDetail
{
    Numerology, // counts and element
    Report,     // also the traditional form and the reading
};

// Reads the character's row of XW_CNWord. No row, or a count outside 0..kMaxStrokes: zeros and empty
// texts.
CharacterRecord LookupCharacter(const store::NamingStore& store, std::string_view character,
                                LookupDetail detail = LookupDetail::Numerology);

// The records of many characters in a few queries (the first row of each, as LookupCharacter reads
// it), in the order asked; repeats allowed.
std::vector<CharacterRecord> lookupCharacters(const store::NamingStore& store,
                                              std::span<const std::string> characters);

// The first character of `name` that the dictionary cannot score: no row, or no stroke count. Empty
// when every character has both. A score made of zero strokes would be a number with no meaning, so
// every place that scores a typed name asks this first.
std::string unscorableCharacter(const store::NamingStore& store, std::string_view name);

// "字典中没有“X”，无法评分"
std::string unscorableMessage(std::string_view character);

// A character may be used in names when it has an element and a simplified count.
constexpr bool IsUsable(const CharacterRecord& record) noexcept
{
    return !record.element.empty() && record.simplifiedStrokes != 0;
}

// The records one naming run looks up before it scores. Entries may repeat; a search returns the
// first entry with that character, as a linear scan would, through an index built as entries arrive.
class CharacterCache
{
public:
    void add(CharacterRecord record);
    void clear();

    // The first entry whose character equals `character`, or nullptr.
    const CharacterRecord* FindCharacter(std::string_view character) const;

    size_t size() const noexcept { return m_records.size(); }
    const CharacterRecord& operator[](size_t index) const { return m_records[index]; }
    const std::vector<CharacterRecord>& records() const noexcept { return m_records; }

private:
    std::vector<CharacterRecord> m_records;
    std::unordered_map<std::string, size_t> m_first;
};

} // namespace numerology
