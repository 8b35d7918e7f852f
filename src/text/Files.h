#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace text {

// How writeFileReplacing treats a file it creates.
enum class FileAccess
{
    Shared,  // a new file gets the usual permissions (0666 less the umask)
    Private, // a new file is readable by its owner only (0600), and the bytes reach the disk first
};

// Writes the bytes to `file`, replacing it. They go to a temporary file of its own in the same folder
// first (a unique name per write, so two writers of one file never mix their bytes), which is then
// renamed over the old one: a failed write (a full disk, a folder without write access) leaves the
// old file as it was. A symbolic link is followed and its target replaced; an existing file keeps its
// permissions; a file the user may not write is not replaced. False when it failed.
bool writeFileReplacing(const std::filesystem::path& file, std::string_view bytes,
                        FileAccess access = FileAccess::Shared);

// Reads the whole file into `bytes`; false when it cannot be opened or read (a folder, no permission).
bool readWholeFile(const std::filesystem::path& file, std::string& bytes);

} // namespace text
