#include "cli/Verbs.h"

#include <array>

namespace cli {

std::span<const Verb> allVerbs()
{
    // clang-format off
    static const std::array kVerbs = {
        Verb{"tables", "nestling-cli tables", true, false, &runTables},
    };
    // clang-format on
    return kVerbs;
}

const Verb* findVerb(std::string_view name)
{
    for (const Verb& verb : allVerbs())
        if (verb.name == name)
            return &verb;
    return nullptr;
}

} // namespace cli
