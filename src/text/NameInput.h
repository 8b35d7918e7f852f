#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

// The bounds of what a user may type where a name is asked for.
inline constexpr size_t kMaxNameCharacters = 2;          // a surname or a given name
inline constexpr size_t kMaxCombinationCharacters = 200; // the characters to combine

// The text with blanks at both ends removed: ASCII blanks and the ideographic space U+3000.
std::string trimName(std::string_view text);

enum class NameProblem
{
    None,
    Empty,      // nothing typed
    Blank,      // a blank inside the name
    TooLong,    // more than two characters
    NotChinese, // a character that is no Chinese character
};

// Checks a surname or a given name that was trimmed: one or two Chinese characters, no blank.
NameProblem checkName(std::string_view trimmed);

// The message for a problem of the surname (`surname` true) or of the given name.
std::string nameProblemMessage(NameProblem problem, bool surname);

} // namespace text
