#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace text {

// Writes the bytes to `file`, replacing it. They go to a sibling file first, which is then renamed
// over the old one, so a failed write (a full disk, a folder without write access) leaves the old
// file as it was. False when it failed.
bool writeFileReplacing(const std::filesystem::path& file, std::string_view bytes);

// Reads the whole file into `bytes`; false when it cannot be opened.
bool readWholeFile(const std::filesystem::path& file, std::string& bytes);

} // namespace text
