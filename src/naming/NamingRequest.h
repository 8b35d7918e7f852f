#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace naming {

enum class Mode
{
    Classic,
    HighScore,
    Poem,
    Combination,
    Nickname,
    English,
    SuperAuspicious,
};

// The generation character (辈份): the second or the third character of the full name fixed.
struct GenerationSetting
{
    bool enabled = false;
    bool fixSecond = false;
    std::string secondChar;
    bool fixThird = false;
    std::string thirdChar;

    bool fixesSecond() const { return enabled && fixSecond; }
    bool fixesThird() const { return enabled && !fixSecond && fixThird; }
    // The character that is fixed, or empty when none is.
    const std::string& fixedCharacter() const
    {
        static const std::string none;
        return fixesSecond() ? secondChar : fixesThird() ? thirdChar : none;
    }
};

// One row of the element filter panel of the super-auspicious page: its limiter box and the
// captions of its checked element boxes, in the order 金 木 水 火 土.
struct ElementFilterRow
{
    bool limiter = false;
    std::string elements;
};

// The four rows as the window opens them: all characters must carry one of the five elements.
struct ElementFilter
{
    ElementFilterRow second;                   // 第二个字五行限定
    ElementFilterRow third;                    // 第三个字五行限定
    ElementFilterRow must{true, "金木水火土"}; // 所有字必带五行
    ElementFilterRow mustNot;                  // 所有字不能带五行
};

// The nickname patterns for a character A: A+A, 小+A, A+儿, 阿+A.
enum class NicknameStyle
{
    Doubled,
    XiaoPrefix,
    ErSuffix,
    APrefix,
};

// Everything a run reads from the window, read once on the window thread before the run starts.
struct NamingRequest
{
    Mode mode = Mode::HighScore;
    std::string surname;
    std::string sex = "男"; // "男" takes the boys' list, anything else the girls'
    int givenLength = 2;
    GenerationSetting generation;
    std::optional<std::uint64_t> seed; // fixed shuffles; the clock when absent
    // The taboo characters (normalizedAvoided): no listed given name holds one. Empty: none left out.
    std::string avoid;
    ElementFilter elements; // super-auspicious mode only
    // English mode: the Chinese given name (编辑框_英文名字) and the style's gender code (1, 2, 3).
    std::string englishGivenName;
    int englishGender = 1;
    std::string combinationText; // the characters typed for combination naming
    NicknameStyle nicknameStyle = NicknameStyle::Doubled;
    // Poem mode: the captions of the ticked character boxes, in poem order.
    std::vector<std::string> poemCharacters;
    // Poem mode: the poem's text with its punctuation; two-character names are pairs of ticked
    // characters next to each other in it, or real given names of ticked characters.
    std::string poemText;
    // Poem mode: the poem's author. A child of the poet's surname gets no character of the poet's
    // given name (李白雪 and 李少白 from a poem of 李白 read as the poet's name).
    std::string poemAuthor;
    // 过滤生僻字和不雅谐音: names the name check marks are left out of the list.
    bool hideMarked = false;
    // 只列常见名字: names without support (NameLikeness::fit 0: no real name, no classical pair, no
    // characters common at their place, the other sex's, or warned by the name check) are left out.
    bool commonOnly = false;
};

} // namespace naming
