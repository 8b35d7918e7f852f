#pragma once

#include "naming/NameRow.h"
#include "naming/NamingRequest.h"
#include "naming/RunControl.h"
#include "numerology/CharacterRecord.h"
#include "numerology/FortuneTables.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace naming {

// The candidate characters of one run with their records, in the order the run took them.
struct Candidates
{
    std::vector<std::string> characters;
    numerology::CharacterCache cache;
    std::vector<bool> usable;

    void add(std::string character);
    size_t size() const { return characters.size(); }
};

// A formed given name, stored compactly as candidate indexes. kFixed stands for the generation
// character, kNone for the missing second character of a one-character name.
struct FormedName
{
    static constexpr std::int32_t kFixed = -1;
    static constexpr std::int32_t kNone = -2;
    std::int32_t first = kNone;
    std::int32_t second = kNone;
};

struct FormedNames
{
    std::vector<FormedName> names; // in forming order
    std::string fixedCharacter;    // the generation character, when one is used

    std::string givenName(const Candidates& candidates, const FormedName& name) const;
};

// Looks every candidate up once in the dictionary and forms the given names: for two characters
// every usable a with every candidate b, or the generation character with every usable candidate;
// for one character every usable candidate. Returns early, with what was formed, when stopped.
// `progress` (optional) hears how many candidates were looked up, now and then.
using ProgressSink = std::function<void(size_t done, size_t total)>;
FormedNames FormNames(const store::NamingStore& store, Candidates& candidates, int givenLength,
                      const GenerationSetting& generation, RunControl& control,
                      const ProgressSink& progress = {});

// Called with each batch of newly written rows, in order.
// The rows may still be changed by the sink (the run marks them for the name check).
using RowBatchSink = std::function<void(std::span<NameRow>)>;

struct ListingLimits
{
    int threshold = 90;
    size_t maxRows = 10000;
    // Formed names only: no given name repeats a character of the surname (欧阳鼎阳) or doubles one
    // (和和). The nicknames turn this off, since doubling is one of their styles.
    bool plainNamesOnly = true;
    // When set, a row the sink leaves failing it (a filtered list: only common names, no marked
    // ones) is dropped once the sink has seen it and does not count toward maxRows.
    std::function<bool(const NameRow&)> keeps = {};
};

// How far a listing went: the names looked at and, of those, the names scored (not holding the surname).
struct ListingStats
{
    size_t examined = 0;
    size_t scored = 0;
};

// Scores the formed names in order, skipping any that holds the surname or whose given name holds a
// taboo character of `avoid` (normalizedAvoided), and with limits.plainNamesOnly any whose candidate
// is a character of the surname or whose two pieces are equal; it keeps the
// rows reaching the threshold until maxRows are written. Rows are numbered as written; only written
// rows get their texts. Scoring works on numbers: for the run's surname the score of a name depends
// only on the Kangxi counts of its given-name characters, so every pair of counts is scored once and
// each name is a table lookup. `progress` (optional) hears how many names were looked at, out of all
// formed; `stats` (optional) receives the counts.
std::vector<NameRow> ListScoredNames(const Candidates& candidates, const FormedNames& formed,
                                     const std::string& surname, const ListingLimits& limits,
                                     const numerology::FortuneTables& fortunes, RunControl& control,
                                     const RowBatchSink& sink, const ProgressSink& progress = {},
                                     ListingStats* stats = nullptr, std::string_view avoid = {});

} // namespace naming
