// The calendar verbs: chart, lunar and pillars. They need no database.
#include "calendar/BirthChart.h"
#include "calendar/FourPillars.h"
#include "calendar/LunarCalendar.h"
#include "cli/DateArgument.h"
#include "cli/Verbs.h"

#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace cli {
namespace {

int usage(std::string_view verb, std::ostream& err)
{
    const Verb* entry = findVerb(verb);
    err << "用法: " << (entry ? entry->usage : verb) << '\n';
    return 2;
}

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
    const auto lateZi = lateZiOption(args, err);
    if (!lateZi)
        return 2;
    const auto chart =
        calendar::buildBirthChartText(birth->year, birth->month, birth->day, birth->hour, *lateZi);
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
    const std::string lunar = calendar::FormatLunarDate(*date, args.option("format").value_or(""));
    if (lunar.empty()) {
        err << kOutOfRange << '\n';
        return 1;
    }
    out << lunar << '\n';
    return 0;
}

int runPillars(Context& /*context*/, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 2)
        return usage(args.verb, err);
    const auto birth = parseDateTime(args.positional[0], args.positional[1]);
    if (!birth)
        return usage(args.verb, err);
    const auto lateZi = lateZiOption(args, err);
    if (!lateZi)
        return 2;
    const auto texts = calendar::FourPillarTexts(*birth, *lateZi);
    if (!texts) {
        err << "日期时间无效或早于 1901 年: " << args.positional[0] << ' ' << args.positional[1] << '\n';
        return 1;
    }
    if (texts->year.empty()) {
        err << kOutOfRange << '\n';
        return 1;
    }
    out << texts->year << ' ' << texts->month << ' ' << texts->day << ' ' << texts->hour << '\n';
    return 0;
}

} // namespace cli
