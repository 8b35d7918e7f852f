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

// Runs nestling-cli in-process on the database `db`, into the caller's streams (emptied first).
inline int runCliOn(std::vector<std::string> words, const std::filesystem::path& db,
                    const std::filesystem::path& programFolder, std::ostringstream& out,
                    std::ostringstream& err, const std::string& input = "")
{
    words.emplace_back("--db");
    words.push_back(db.string());
    std::istringstream in(input);
    out.str({});
    err.str({});
    return cli::runCli(words, programFolder, in, out, err);
}
