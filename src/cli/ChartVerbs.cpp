// The calendar verbs: chart, lunar and pillars. They need no database.
#include "calendar/BirthChart.h"
#include "calendar/FourPillars.h"
#include "calendar/LunarCalendar.h"
#include "cli/Verbs.h"

#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace cli {
namespace {

// Splits `text` at `separator` into at most `maxFields` decimal numbers; nullopt for anything else.
std::optional<std::vector<int>> parseNumbers(std::string_view text, char separator, size_t minFields,
                                             size_t maxFields)
{
    std::vector<int> numbers;
    while (true) {
        const size_t end = text.find(separator);
        const std::string_view field = text.substr(0, end);
        int value = 0;
        const auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (field.empty() || ec != std::errc() || ptr != field.data() + field.size() || value < 0)
            return std::nullopt;
        numbers.push_back(value);
        if (numbers.size() > maxFields)
            return std::nullopt;
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    if (numbers.size() < minFields)
        return std::nullopt;
    return numbers;
}

// `YYYY-M-D` and an optional `H[:MI[:SS]]` into a date-time; the values are not checked for validity.
std::optional<calendar::DateTime> parseDateTime(std::string_view date, std::optional<std::string_view> time)
{
    const auto ymd = parseNumbers(date, '-', 3, 3);
    if (!ymd)
        return std::nullopt;
    calendar::DateTime dateTime{(*ymd)[0], (*ymd)[1], (*ymd)[2]};
    if (time) {
        const auto hms = parseNumbers(*time, ':', 1, 3);
        if (!hms)
            return std::nullopt;
        dateTime.hour = (*hms)[0];
        dateTime.minute = hms->size() > 1 ? (*hms)[1] : 0;
        dateTime.second = hms->size() > 2 ? (*hms)[2] : 0;
    }
    return dateTime;
}

int usage(std::string_view verb, std::ostream& err)
{
    const Verb* entry = findVerb(verb);
    err << "用法: " << (entry ? entry->usage : verb) << '\n';
    return 2;
}

constexpr std::string_view kOutOfRange = "日期超出历表范围（1901-02-19 至 2048-12-31）";

} // namespace

int runChart(Context& /*context*/, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 2)
        return usage(args.verb, err);
    const auto birth = parseDateTime(args.positional[0], args.positional[1]);
    if (!birth || args.positional[1].find(':') != std::string::npos)
        return usage(args.verb, err);
    if (!calendar::isValidDateTime(*birth)) {
        err << calendar::kInvalidDateMessage << '\n';
        return 1;
    }
    const auto chart = calendar::BuildBirthChartText(birth->year, birth->month, birth->day, birth->hour);
    if (!chart) {
        err << kOutOfRange << '\n';
        return 1;
    }
    // The page's CR LF line breaks as plain line feeds.
    for (size_t i = 0; i < chart->text.size(); ++i)
        if (!(chart->text[i] == '\r' && i + 1 < chart->text.size() && chart->text[i + 1] == '\n'))
            out << chart->text[i];
    out << '\n';
    return 0;
}

int runLunar(Context& /*context*/, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 1)
        return usage(args.verb, err);
    const auto date = parseDateTime(args.positional[0], std::nullopt);
    if (!date)
        return usage(args.verb, err);
    if (!calendar::isValidDateTime(*date)) {
        err << "日期无效: " << args.positional[0] << '\n';
        return 1;
    }
    out << calendar::FormatLunarDate(*date, args.option("format").value_or("")) << '\n';
    return 0;
}

int runPillars(Context& /*context*/, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 2)
        return usage(args.verb, err);
    const auto birth = parseDateTime(args.positional[0], args.positional[1]);
    if (!birth)
        return usage(args.verb, err);
    const auto texts = calendar::FourPillarTexts(*birth);
    if (!texts) {
        err << "日期时间无效或早于 1901 年: " << args.positional[0] << ' ' << args.positional[1] << '\n';
        return 1;
    }
    if (!texts->year.empty())
        out << texts->year << ' ' << texts->month << ' ' << texts->day << ' ' << texts->hour;
    out << '\n';
    return 0;
}

} // namespace cli
