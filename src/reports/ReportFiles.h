#pragma once

#include "text/Files.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace reports {

// The files the reports and pages are written to, all in the folder for written files (data/ in the
// program folder of a build, else the per-user folder: store::writeFolder): temp.html (the name
// report, also a queried character's page), temp1.html to temp4.html (the characters of a name) and
// temp5.html (the surname).
std::filesystem::path dataFolder(const std::filesystem::path& programFolder);
std::filesystem::path reportFile(const std::filesystem::path& programFolder);
std::filesystem::path characterPageFile(const std::filesystem::path& programFolder, int page);
std::filesystem::path surnamePageFile(const std::filesystem::path& programFolder);

// Writes UTF-8 text as GBK bytes (GB18030 for characters outside GBK), no byte-order mark, by the
// rule of every written file (text::writeOutput): a regular file is replaced through a sibling
// temporary file, so a failed write leaves the previous file as it was; a device or FIFO receives the
// bytes as a stream; a folder is refused. Creates the file's folder (one level) when it is missing.
text::WriteResult writeGbkOutput(const std::filesystem::path& file, std::string_view utf8);
// The same, for callers that only need to know whether it worked.
bool writeGbkFile(const std::filesystem::path& file, std::string_view utf8);

// Escapes & < > " ' so that text a user typed shows as typed inside a page.
std::string htmlEscape(std::string_view text);

} // namespace reports
