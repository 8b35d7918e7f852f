#pragma once

#include <cstdint>
#include <optional>
#include <string>

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
    std::string combinationText;       // the characters typed for combination naming
    NicknameStyle nicknameStyle = NicknameStyle::Doubled;
};

} // namespace naming
