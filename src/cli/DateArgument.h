#pragma once

#include "calendar/CivilDate.h"
#include "calendar/FourPillars.h"
#include "cli/Arguments.h"

#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace cli {

inline constexpr std::string_view kOutOfRange = "日期超出历表范围（1901-02-19 至 2048-12-31）";

// Splits `text` at `separator` into at most `maxFields` decimal numbers; nullopt for anything else.
std::optional<std::vector<int>> parseNumbers(std::string_view text, char separator, size_t minFields,
                                             size_t maxFields);

// `YYYY-M-D` and an optional `H[:MI[:SS]]` into a date-time; the values are not checked for validity.
std::optional<calendar::DateTime> parseDateTime(std::string_view date, std::optional<std::string_view> time);

// A birth date and whole hour as the chart takes them, `YYYY-M-D H` (one blank between); the values
// are not checked for validity.
std::optional<calendar::DateTime> parseChartDateTime(std::string_view text);

// --late-zi next-day (the default: from 23:00 the day pillar is the next day's) or same-day (晚子时: the
// civil day's until midnight). nullopt, said on `err`, for any other value.
std::optional<calendar::LateZi> lateZiOption(const Arguments& args, std::ostream& err);

} // namespace cli
