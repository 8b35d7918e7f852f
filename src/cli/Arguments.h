#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// A parsed request: `VERB ARGS... [--option VALUE] [--flag]`.
struct Arguments
{
    std::string verb;
    std::vector<std::string> positional;
    std::map<std::string, std::string, std::less<>> options; // flags map to "1"

    bool has(std::string_view name) const { return options.find(name) != options.end(); }
    std::optional<std::string> option(std::string_view name) const;
};

// Options that take no value; every other `--name` takes the next word as its value.
bool isFlag(std::string_view name);

// Options whose value is a date and an hour, two words (`--from-chart 2013-2-4 0`): the value holds
// both, joined by one blank. A single word that holds the blank itself reads the same.
bool takesDateAndHour(std::string_view name);

// Parses the words after the program name. Returns nullopt with `error` set for a malformed line
// (an option missing its value, a value given to a flag: --json=0).
std::optional<Arguments> parseArguments(const std::vector<std::string>& words, std::string& error);

// The first option the verb does not take (its usage line names every option it takes; --db, --batch
// and --help go with every verb), or none.
std::optional<std::string> unknownOption(const Arguments& args, std::string_view usage);

// Splits a batch line into words at blanks.
std::vector<std::string> splitWords(std::string_view line);

} // namespace cli
