#pragma once

#include "naming/NameLikeness.h"
#include "quality/NameChecker.h"

#include <optional>
#include <string>
#include <string_view>

namespace reports {

// What supports a given name as a name people would give, as the report and `score --json` tell it.
struct SupportReading
{
    std::string given;
    naming::Support support;
    // A classical pair: the best-known line of verse that holds its two characters side by side.
    std::optional<quality::SourceLine> line;
    // The name check warns of its sound or sense: such a name has no support, however real it is.
    bool warned = false;
};

// The support of surname + given for a child of `sex` ("男", "女", empty: either), as the naming lists
// judge it (a warned name or one of the other sex has none).
SupportReading readSupport(const naming::NameLikeness& likeness, const quality::NameChecker& checker,
                           std::string_view surname, std::string_view given, std::string_view sex = {});

// The report's sentence for it, HTML-escaped: "真实人名：N 人同名", "古典出处：…", "常见名字用字：…" or
// why nothing supports the name.
std::string supportHtml(const SupportReading& reading);

} // namespace reports
