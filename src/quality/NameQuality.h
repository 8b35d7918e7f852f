#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quality {

enum class WarningKind
{
    Homophone, // the name, read aloud, sounds like an unlucky word
    Meaning,   // the name or a part of it is an unlucky word as written
    Character, // a character that reads badly in a child's name
};

// The English word of a kind, as the command line's JSON gives it.
std::string_view kindName(WarningKind kind) noexcept;

struct Warning
{
    WarningKind kind = WarningKind::Homophone;
    std::string word;   // the unlucky word, or the character
    std::string reason; // why it is unlucky: 骂人话, 病痛, ... or the character's own reason

    // What a parent reads: 读音近似“饭桶”（骂人话）, 字面即“流产”（病痛）, “奴”：本义是奴仆.
    std::string text() const;
    bool operator==(const Warning&) const = default;
};

// Levels of the 通用规范汉字表: 1 up to 3 500, 2 up to 6 500, 3 beyond; 0 for a character it lacks.
inline constexpr int kNotListed = 0;
inline constexpr int kUnknownLevel = -1; // a database without the level table
inline constexpr int kRareLevel = 3;
// A level 3 character, or one the table lacks, is a 生僻字: hard to read and type, unless real given
// names use it (晖, 翀: level 3 is largely a list of name characters).
constexpr bool isRareLevel(int level) noexcept
{
    return level == kNotListed || level >= kRareLevel;
}
// "一级字", "二级字", "三级字", "规范字表外" or, for an unknown level, "字级不详".
std::string_view levelText(int level) noexcept;

struct CharacterReading
{
    std::string character;
    std::string pinyin; // the name reading with its tone mark; empty when the dictionary has none
    int tone = 0;       // 1 to 4, 5 neutral, 0 unknown
    int level = kNotListed;
    bool given = false; // a character of the given name (not of the surname)
    int nameUses = -1;  // how many real given names use it; -1 unknown
    bool rare = false;  // a given-name character hard to read and type that names do not use

    // A level 2 or 3 character (or one beyond the table) that few real given names use.
    bool seldom() const noexcept;
};

struct SourceLine
{
    std::string poet; // empty for a classic without an author (诗经, 论语)
    std::string title;
    std::string line;
    std::string book; // a classic's book (诗经, 楚辞, 宋词, 论语); empty for a Tang poem
};

// Where a source line stands: 李白《静夜思》, 《诗经·小雅·鹿鸣》, 屈原《楚辞·九歌·湘夫人》.
std::string sourceTitle(const SourceLine& source);

// Marks of a name in a naming list.
enum NameMark : std::uint8_t
{
    kNoMark = 0,
    kWarned = 1,
    kRare = 2,
    kNamesake = 4, // the full name of a well-known person: a note, not a warning
};

// The note of a name that a well-known person bears.
inline constexpr std::string_view kNamesakeNote = "与知名人物同名";

// What a careful parent checks besides the score: the reading and its tones, unlucky sounds and
// meanings, rare characters and a classical source. It never changes a score.
struct NameQuality
{
    std::vector<CharacterReading> characters; // surname first, then the given name
    std::vector<Warning> warnings;
    std::optional<SourceLine> source;
    bool namesake = false; // a well-known person bears the full name

    // Notes that are no warning ("与知名人物同名", "“翀”较少用作名字"), one a line.
    std::vector<std::string> notes() const;

    // One 平 or 仄 per character ("平仄平"); a character without a reading counts as 仄.
    std::string pingze() const;
    // A short hint when the whole name has one tone or three 仄 in a row; empty otherwise.
    std::string toneHint() const;
    // The given-name characters that are rare: level 3 or not in the table, and no real given name
    // uses them.
    std::vector<const CharacterReading*> rare() const;
    std::uint8_t marks() const;
    // Why a name list marks the name: its warnings, rare characters and notes, one a line.
    std::vector<std::string> markLines() const;
    std::string markText() const;
};

} // namespace quality
