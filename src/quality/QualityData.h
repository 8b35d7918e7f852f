#pragma once

#include "quality/NameQuality.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace store {
class NamingStore;
}

namespace quality {

// The rows of XW_名字品鉴 by 类别: 谐音 (an unlucky word, its reading with tone digits, the reason),
// 字级 (a character, its name reading with tone marks, its level in the 通用规范汉字表), 忌用字 (a
// character poor in a name, with the reason) and 名人 (the full name of a well-known person).
// The unlucky words, the characters' readings and levels and the characters poor in a name, read once
// from the store. A database without the name check's table gives readings from XW_CNWord and no
// levels: nothing is then called rare.
class QualityData
{
public:
    QualityData() = default;
    static QualityData load(const store::NamingStore& store);

    // Readings, levels and warnings of surname + given name (no source line).
    NameQuality check(std::string_view surname, std::string_view given) const;
    // The marks of a name list row, without building the texts: the same findings as check().
    std::uint8_t marks(std::string_view surname, std::string_view given) const;

    bool hasLevels() const { return m_hasLevels; }
    bool hasNameUses() const { return m_hasNameUses; }
    size_t wordCount() const { return m_wordCount; }

    // A word heard in a name (not written as it) must be this common (its count in the word
    // frequencies) to be warned of; a word only near the name's sound, more common still.
    static constexpr std::uint32_t kHeardWordCount = 20;
    static constexpr std::uint32_t kNearWordCount = 50;

    // Building blocks, for the loader and for tests.
    void addCharacter(std::string character, std::string_view markedPinyin, int level);
    // `count`: how common the word is; a word below kHeardWordCount is warned of only where the
    // given name is written as it.
    void addWord(std::string_view word, std::string_view numberedPinyin, std::string reason,
                 std::uint32_t count = 1000);
    void addPoorCharacter(std::string_view character, std::string reason);
    // The full name (surname and given name) of a well-known person.
    // heardInLonger: a longer name starting with it brings the person to mind too (赵薇 in 赵薇雅).
    void addNamesake(std::string_view fullName, bool heardInLonger = false);
    // How many real given names use the character (first and last place together).
    void addNameUses(std::string_view character, int uses);
    // How a surname is read where it differs from its characters' common readings (曾 zēng, 尉迟
    // yù chí): syllables with tone marks, separated by blanks, one per character. Add it after the
    // characters, whose levels it keeps.
    void addSurnameReading(std::string_view surname, std::string_view markedSyllables);
    // Every line of a table of surname, reading and note (tab-separated; '#' starts a comment).
    void addSurnameReadings(std::string_view table);
    // A given name that is a word read otherwise than its characters (长乐 cháng lè); as above.
    void addWordReading(std::string_view given, std::string_view markedSyllables);
    // A given name not warned of for its characters or the words inside it (若愚), and a table of
    // them (given name, reason; '#' starts a comment).
    void addExemption(std::string_view given);
    void addExemptions(std::string_view table);

private:
    struct CharacterInfo
    {
        std::string pinyin; // with tone mark
        std::uint16_t syllable = 0;
        std::uint8_t tone = 0;
        std::uint16_t folded = 0;   // the syllable with the everyday confusions folded
        std::int8_t level = -1;     // -1 unknown
        std::int32_t poor = -1;     // index into m_poorReasons
        std::int32_t nameUses = -1; // real given names using it; -1 unknown
    };
    struct Word
    {
        std::string text;
        std::vector<std::uint16_t> syllables;
        std::vector<std::uint8_t> tones;
        std::string reason;
        std::uint32_t count = 0;
    };
    struct Hash
    {
        using is_transparent = void;
        size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    using Finding = std::function<bool(WarningKind, const std::string& word, const std::string& reason)>;

    using Infos = std::array<const CharacterInfo*, 8>;

    std::uint16_t syllableId(const std::string& plain);
    void setReading(CharacterInfo& info, std::string_view markedSyllable);
    std::vector<CharacterInfo> readingsOf(std::string_view text, std::string_view markedSyllables);
    // Whether the name's window starting at `infos` is heard as (or written as) `word`.
    std::optional<WarningKind> matchWord(const Word& word, std::span<const std::string_view> window,
                                         const CharacterInfo* const* infos, bool wholeGiven,
                                         bool insideGiven) const;
    bool isRare(const CharacterInfo* info) const;
    const CharacterInfo* info(std::string_view character) const;
    bool isNamesake(std::string_view surname, std::string_view given) const;
    // The information of each character of a name, the surname's characters read as a surname.
    Infos infosOf(std::span<const std::string_view> characters, size_t surnameCount) const;
    // Calls `found` for every finding until it returns false; returns false when stopped.
    bool scan(std::span<const std::string_view> characters, const Infos& infos, size_t surnameCount,
              const Finding& found) const;
    bool scanWindows(std::span<const std::string_view> characters, const Infos& infos, size_t surnameCount,
                     const Finding& found) const;

    std::unordered_map<std::string, CharacterInfo, Hash, std::equal_to<>> m_characters;
    std::unordered_map<std::string, std::uint16_t> m_syllables;
    // The surnames read otherwise than their characters, one entry per character; the same for
    // given names that are words.
    std::unordered_map<std::string, std::vector<CharacterInfo>, Hash, std::equal_to<>> m_surnames;
    std::unordered_map<std::string, std::vector<CharacterInfo>, Hash, std::equal_to<>> m_wordReadings;
    std::unordered_set<std::string, Hash, std::equal_to<>> m_exemptions;
    std::unordered_map<std::uint64_t, std::vector<Word>> m_words; // by the folded readings
    std::vector<std::string> m_poorReasons;
    std::unordered_set<std::string, Hash, std::equal_to<>> m_namesakes;
    std::unordered_set<std::string, Hash, std::equal_to<>> m_heardInLonger;
    size_t m_wordCount = 0;
    bool m_hasLevels = false;
    bool m_hasNameUses = false;
};

} // namespace quality
