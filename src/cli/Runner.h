#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// The whole command line: `nestling-cli VERB ARGS... [--db FILE] [--batch]`. Returns the exit status.
int runCli(const std::vector<std::string>& words, const std::filesystem::path& programFolder,
           std::istream& in, std::ostream& out, std::ostream& err);

} // namespace cli
