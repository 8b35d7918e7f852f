// One batch line of nestling-cli: split, parsed and checked against every verb's options.
#include "FuzzCheck.h"
#include "cli/Arguments.h"
#include "cli/Verbs.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> words = cli::splitWords(line);
    for (const std::string& word : words)
        FUZZ_CHECK(!word.empty() && word.find_first_of(" \t\r\n") == std::string::npos);
    std::string error;
    const auto args = cli::parseArguments(words, error);
    if (!args) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    for (const cli::Verb& verb : cli::allVerbs())
        cli::unknownOption(*args, verb.usage);
    return 0;
}
