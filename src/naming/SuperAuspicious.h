#pragma once

// Super-auspicious naming (超吉起名): every two-character given name from the whole character list of
// the child's sex, under the element filters of the panel, listed when it reaches the best score the
// surname's 天格 allows.
#include "naming/NameForming.h"
#include "naming/NamingRequest.h"

#include <string>
#include <string_view>

namespace naming {

inline constexpr size_t kSuperAuspiciousRows = 100000;

// The element texts the forming tests characters against. A row's set is its checked elements, or
// all five when its limiter is off or none of its boxes is checked; the must-not set has no such
// fallback and stays empty unless its limiter is on.
struct ElementSets
{
    std::string second;
    std::string third;
    std::string must;
    std::string mustNot;
};
ElementSets buildElementSets(const ElementFilter& filter);

// The listing threshold for the fortune word of the surname's 天格: the best score such a surname can
// reach (大凶 96, 凶 98, 中 99, 吉 and 大吉 100); 0 for any other word or no row.
int superAuspiciousThreshold(std::string_view heavenFortune) noexcept;

// Looks every candidate up once and forms the names as index pairs: first characters of SecondChars
// with second characters of ThirdChars when a position limiter is on; every pair of AllChars (a may
// equal b) when an all-character limiter is on; nothing when no limiter is on. Returns early, with what
// was formed, when stopped. `progress` hears how many candidates were looked up.
FormedNames formSuperAuspiciousNames(const store::NamingStore& store, Candidates& candidates,
                                     const ElementFilter& filter, RunControl& control,
                                     const ProgressSink& progress = {});

// The listing of the super-auspicious mode: ListScoredNames with its threshold and row cap.
std::vector<NameRow> listSuperAuspiciousNames(const Candidates& candidates, const FormedNames& formed,
                                              const std::string& surname, const ListingLimits& limits,
                                              const numerology::FortuneTables& fortunes, RunControl& control,
                                              const RowBatchSink& sink, const ProgressSink& progress = {},
                                              ListingStats* stats = nullptr, std::string_view avoid = {});

} // namespace naming
