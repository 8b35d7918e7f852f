#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace text {

// Splits UTF-8 text into its characters (each a UTF-8 string). A malformed byte stands alone.
std::vector<std::string> utf8Characters(std::string_view s);

// The text with every byte that starts no well-formed UTF-8 character (a stray continuation byte, a
// cut-off or overlong sequence, a surrogate) replaced by U+FFFD.
std::string validUtf8(std::string_view s);

// Number of characters of UTF-8 text, counted as utf8Characters does.
size_t utf8Length(std::string_view s);

// The first and the last character of UTF-8 text as utf8Characters splits it, without copying;
// empty for an empty text.
std::string_view firstUtf8Character(std::string_view s);
std::string_view lastUtf8Character(std::string_view s);

// True when `character` (one UTF-8 character) is a CJK ideograph: the unified ideographs with their
// extensions and the compatibility ideographs.
bool isHanzi(std::string_view character);

// Removes ASCII blanks (space, tab, CR, LF) at both ends.
std::string_view trimBlanks(std::string_view s);

// Splits at every occurrence of the separator; an empty text gives one empty field.
std::vector<std::string> splitText(std::string_view s, std::string_view separator);

// Replaces every occurrence of `from` by `to`.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

} // namespace text
