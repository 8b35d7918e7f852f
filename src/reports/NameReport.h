#pragma once

#include "numerology/FiveGrids.h"
#include "quality/NameChecker.h"
#include "reports/NameSupport.h"
#include "store/NamingStore.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace reports {

// One character position of the report: surname 1, surname 2, given 1, given 2.
struct ReportCharacter
{
    bool present = false;        // the name has this position; an absent one shows empty cells, no "0"
    std::string character;       // as typed: shown even when the dictionary has no usable row
    std::string traditionalForm; // the rest only from a usable row
    std::string pinyin;
    int simplifiedStrokes = 0;
    int traditionalStrokes = 0;
    std::string element;
};

// What the report shows of one grid number.
struct GridReading
{
    int number = 0;
    std::string element;
    std::string fortune;
    std::string summary;
    std::string explanation;
    std::string hint;
};

struct ThreeTalentReading
{
    std::string key;
    std::string fortune;
    std::string summary;
    std::string explanation;
    std::string basis;     // 基础运
    std::string success;   // 成功运
    std::string relations; // 人际关系
    std::string temper;    // 性格
};

inline constexpr size_t kSurname1 = 0, kSurname2 = 1, kGiven1 = 2, kGiven2 = 3;

struct NameReport
{
    std::array<ReportCharacter, 4> characters;
    numerology::FiveGrids grids;
    std::array<GridReading, 5> gridReadings; // 天格, 人格, 地格, 总格, 外格
    ThreeTalentReading threeTalents;
    int weightedHundredths = 0; // the weighted sum of the six fortunes, in hundredths
    int score = 0;              // its integer part
    std::string comment;
    // The 名字品鉴 section (readings, tones, warnings, rare characters, source); none leaves it out.
    std::optional<quality::NameQuality> quality;
    // What supports the given name as one people give (a real name, a classical pair, common characters),
    // shown in the 名字品鉴 section; none leaves the row out.
    std::optional<SupportReading> support;

    int simplifiedTotal() const;
    std::string elements() const; // the characters' elements, surname first
};

// The report's own computation for surname + given name, read straight from the database. It gives the
// numbers ScoreName gives except that a character without a usable row counts 0, and that the
// traditional count of the one-character surname 于 is its simplified count. A surname or given name
// of more than two characters is read by its first two, as the score reads it.
NameReport computeNameReport(const store::NamingStore& store, std::string_view surname,
                             std::string_view given);

// The comment under the score: five bands, 90 and above down to below 60.
std::string_view ScoreComment(int score) noexcept;

// The name check of surname + given name for the report, with the source line. `checker` keeps its
// data between reports; without one the check reads its own (the poem index takes a moment).
quality::NameQuality checkNameForReport(const store::NamingStore& store, const quality::NameChecker* checker,
                                        std::string_view surname, std::string_view given);

// The support of the given name for a child of either sex, for the report; `checker` as above.
SupportReading supportForReport(const store::NamingStore& store, const quality::NameChecker* checker,
                                std::string_view surname, std::string_view given);

// Computes the report with its name check, fills the 名字评分 template and writes data/temp.html (a
// failed write is not reported: the window then shows whatever the file held). Returns the report;
// its score is `score`.
NameReport BuildNameReport(const store::NamingStore& store, const std::filesystem::path& programFolder,
                           std::string_view surname, std::string_view given,
                           const quality::NameChecker* checker = nullptr);

} // namespace reports
