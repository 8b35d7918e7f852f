#include "cli/ElementOptions.h"

#include "calendar/BirthChart.h"
#include "calendar/ChartAnalysis.h"
#include "cli/DateArgument.h"
#include "naming/FavourableElementsFilter.h"
#include "naming/MissingElementsFilter.h"
#include "text/Utf8.h"

#include <array>
#include <optional>

namespace cli {
namespace {

constexpr std::array<std::string_view, 5> kElements = {"金", "木", "水", "火", "土"};

// The checked boxes of a row as the panel reads them: each named element once, in the order 金木水火土.
bool readRow(const Arguments& args, std::string_view option, naming::ElementFilterRow& row, std::ostream& err)
{
    const auto value = args.option(option);
    if (!value)
        return true;
    std::array<bool, 5> checked{};
    for (const std::string& character : text::utf8Characters(*value)) {
        size_t i = 0;
        while (i < kElements.size() && kElements[i] != character)
            ++i;
        if (i == kElements.size()) {
            err << "--" << option << " 只能由 金木水火土 组成: " << *value << '\n';
            return false;
        }
        checked[i] = true;
    }
    row.limiter = true;
    row.elements.clear();
    for (size_t i = 0; i < kElements.size(); ++i)
        if (checked[i])
            row.elements += kElements[i];
    return true;
}

// The options a filter of the panel amounts to, as they would be typed.
std::string optionsText(const naming::ElementFilter& filter)
{
    std::string out;
    const std::pair<const char*, const naming::ElementFilterRow*> rows[] = {{"--second", &filter.second},
                                                                            {"--third", &filter.third},
                                                                            {"--must", &filter.must},
                                                                            {"--must-not", &filter.mustNot}};
    for (const auto& [option, row] : rows)
        if (row->limiter)
            out += (out.empty() ? "" : " ") + std::string(option) + " " + row->elements;
    return out;
}

// The elements a chart asks for: what it lacks (缺五行标签), or its main favourable elements (喜用神).
enum class ChartElements
{
    Missing,
    Favourable,
};

std::optional<ChartElements> byOption(const Arguments& args, std::ostream& err)
{
    const std::string by = args.option("by").value_or("missing");
    if (by == "missing")
        return ChartElements::Missing;
    if (by == "favourable")
        return ChartElements::Favourable;
    err << "--by 只能是 missing（所缺五行）或 favourable（喜用神）: " << by << '\n';
    return std::nullopt;
}

void setFromFavourable(const calendar::ChartAnalysis& analysis, naming::ElementFilter& filter,
                       std::ostream& err)
{
    const std::string favourable = calendar::mainFavourable(analysis);
    filter = naming::filterForFavourableElements(favourable);
    err << "日主" << analysis.dayMaster << analysis.dayMasterElement
        << calendar::strengthName(analysis.strength) << "，"
        << naming::favourableElementsFilterMessage(favourable) << "（" << optionsText(filter) << "）\n";
}

bool filterFromChart(std::string_view value, calendar::LateZi lateZi, ChartElements by,
                     naming::ElementFilter& filter, std::ostream& err)
{
    const auto birth = parseChartDateTime(value);
    if (!birth) {
        err << "--from-chart 的格式是 YYYY-M-D H，例如 --from-chart 2013-2-4 0: " << value << '\n';
        return false;
    }
    if (!calendar::isValidDateTime(*birth)) {
        err << "--from-chart " << value << ": " << calendar::kInvalidDateMessage << '\n';
        return false;
    }
    const auto chart =
        calendar::buildBirthChartText(birth->year, birth->month, birth->day, birth->hour, lateZi);
    const auto analysis = calendar::analyseBirth(birth->year, birth->month, birth->day, birth->hour, lateZi);
    if (!chart || !analysis) {
        err << "--from-chart " << value << ": " << kOutOfRange << '\n';
        return false;
    }
    if (by == ChartElements::Favourable) {
        setFromFavourable(*analysis, filter, err);
        return true;
    }
    filter = naming::filterForMissingElements(chart->missingLabel);
    if (chart->missingLabel.empty())
        err << "八字五行不缺，按默认筛选条件起名（" << optionsText(filter) << "）\n";
    else
        err << naming::missingElementsFilterMessage(chart->missingLabel) << "（" << optionsText(filter)
            << "）\n";
    return true;
}

} // namespace

bool parseElementOptions(const Arguments& args, naming::ElementFilter& filter, std::ostream& err)
{
    const bool explicitRows =
        args.has("second") || args.has("third") || args.has("must") || args.has("must-not");
    if (const auto chart = args.option("from-chart")) {
        if (explicitRows) {
            err << "--from-chart 不能与 --second、--third、--must、--must-not 同用\n";
            return false;
        }
        const auto lateZi = lateZiOption(args, err);
        const auto by = byOption(args, err);
        return lateZi && by && filterFromChart(*chart, *lateZi, *by, filter, err);
    }
    for (const char* option : {"late-zi", "by"})
        if (args.has(option)) {
            err << "--" << option << " 只与 --from-chart 同用\n";
            return false;
        }
    if (!explicitRows)
        return true;
    filter = {};
    filter.must = {};
    return readRow(args, "second", filter.second, err) && readRow(args, "third", filter.third, err) &&
           readRow(args, "must", filter.must, err) && readRow(args, "must-not", filter.mustNot, err);
}

} // namespace cli
