#pragma once

#include "cli/Runner.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

struct CliResult
{
    int status;
    std::string out;
    std::string err;
};

// Runs nestling-cli in-process. The program folder holds no database unless a test says --db.
inline CliResult runCliWords(const std::vector<std::string>& words, const std::string& input = "",
                             const std::filesystem::path& programFolder = "no-such-program-folder")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(words, programFolder, in, out, err);
    return {status, out.str(), err.str()};
}
