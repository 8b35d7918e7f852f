#pragma once

#include <string_view>

namespace quality {

// The given names the name check does not warn of for one of their characters or a word inside them
// (data-src/quality/exemptions.tsv, compiled in): lines of given name and reason, tab-separated;
// lines starting with '#' are comments.
std::string_view exemptionTable();

} // namespace quality
