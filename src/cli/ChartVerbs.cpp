// The calendar verbs: chart, lunar and pillars. They need no database.
#include "calendar/BirthChart.h"
#include "calendar/ChartAnalysis.h"
#include "calendar/ChartTables.h"
#include "calendar/CycleNames.h"
#include "calendar/FourPillars.h"
#include "calendar/LunarCalendar.h"
#include "cli/DateArgument.h"
#include "cli/Verbs.h"

#include <cmath>
#include <cstdio>
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

// A share with four decimals, trailing zeros dropped (0.2706).
std::string shareText(double share)
{
    return calendar::formatDecimal(share, 4);
}

std::string jsonList(const std::vector<std::string_view>& items)
{
    std::string text = "[";
    for (size_t i = 0; i < items.size(); ++i)
        text += (i ? "," : "") + jsonString(items[i]);
    return text + "]";
}

// The chart's analysis as one JSON object: every figure the verdict rests on, so that it can be checked.
void printChartJson(const calendar::DateTime& birth, calendar::LateZi lateZi,
                    const calendar::BirthChartText& chart, std::ostream& out)
{
    const calendar::PillarIndexes p = calendar::FourPillars(birth, lateZi);
    const auto a = calendar::analyseChart(p);
    if (!a)
        return;
    out << "{\"pillars\":"
        << jsonList({calendar::CycleText(p.year), calendar::CycleText(p.month), calendar::CycleText(p.day),
                     calendar::CycleText(p.hour)})
        << ",\"missing\":" << jsonString(chart.missingLabel) << ",\"dayMaster\":" << jsonString(a->dayMaster)
        << ",\"dayMasterElement\":" << jsonString(a->dayMasterElement) << ",\"weights\":{";
    for (size_t i = 0; i < calendar::kElements.size(); ++i)
        out << (i ? "," : "") << jsonString(calendar::kElements[i]) << ':'
            << calendar::formatWeight(a->weights[i]);
    out << "},\"total\":" << calendar::formatWeight(a->total)
        << ",\"producingElement\":" << jsonString(a->producingElement)
        << ",\"supportWeight\":" << calendar::formatWeight(a->supportWeight)
        << ",\"support\":" << shareText(a->support)
        << ",\"bounds\":{\"weakBelow\":" << shareText(a->weakBelow)
        << ",\"strongAbove\":" << shareText(a->strongAbove)
        << "},\"strength\":" << jsonString(calendar::strengthName(a->strength))
        << ",\"favourable\":" << jsonList(a->favourable) << ",\"favourableMain\":" << a->mainCount
        << ",\"climate\":" << jsonList(a->climate) << ",\"method\":" << jsonString(a->method)
        << ",\"explanation\":" << jsonString(calendar::analysisExplanation(*a)) << "}\n";
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
    if (args.has("json")) {
        printChartJson(*birth, *lateZi, *chart, out);
        return 0;
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
