// compare: names of one surname side by side, as the shortlist page shows them.
#include "calendar/BirthChart.h"
#include "calendar/ChartAnalysis.h"
#include "cli/DateArgument.h"
#include "cli/Verbs.h"
#include "reports/Comparison.h"
#include "text/NameInput.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {
namespace {

// --from-chart YYYY-M-D H: the chart's favourable elements (喜用神) for the column 合喜用, all of them
// joined; "" without the option; nullopt, said on `err`, for a date that gives no chart.
std::optional<std::string> favourableOption(const Arguments& args, std::ostream& err)
{
    const auto value = args.option("from-chart");
    if (!value)
        return args.has("late-zi") ? (err << "--late-zi 只与 --from-chart 同用\n", std::nullopt)
                                   : std::optional<std::string>("");
    const auto lateZi = lateZiOption(args, err);
    if (!lateZi)
        return std::nullopt;
    const auto birth = parseChartDateTime(*value);
    const auto analysis =
        birth ? calendar::analyseBirth(birth->year, birth->month, birth->day, birth->hour, *lateZi)
              : std::nullopt;
    if (!analysis) {
        err << "--from-chart " << *value << ": " << calendar::kInvalidDateMessage << '\n';
        return std::nullopt;
    }
    std::string favourable;
    for (std::string_view element : analysis->favourable)
        favourable += element;
    return favourable;
}

} // namespace

int runCompare(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() < 2) {
        err << "用法: " << findVerb(args.verb)->usage << '\n';
        return 2;
    }
    const std::string surname = text::trimName(args.positional[0]);
    if (const text::NameProblem problem = text::checkName(surname); problem != text::NameProblem::None) {
        err << text::nameProblemMessage(problem, true) << '\n';
        return 2;
    }
    const std::optional<std::string> favourable = favourableOption(args, err);
    if (!favourable)
        return 2;
    std::vector<std::vector<std::string>> rows;
    for (size_t i = 1; i < args.positional.size(); ++i) {
        const std::string given = text::trimName(args.positional[i]);
        if (const text::NameProblem problem = text::checkName(given); problem != text::NameProblem::None) {
            err << args.positional[i] << ": " << text::nameProblemMessage(problem, false) << '\n';
            return 2;
        }
        if (!scorable(context, surname + given, err))
            return 1;
        rows.push_back(reports::comparisonRow(context.store, context.scoring.checker(), static_cast<int>(i),
                                              surname, given, *favourable));
    }
    const auto line = [&out](const std::vector<std::string>& cells) {
        for (size_t i = 0; i < cells.size(); ++i)
            out << (i ? "\t" : "") << cells[i];
        out << '\n';
    };
    line(reports::comparisonHeaders());
    for (const auto& row : rows)
        line(row);
    return 0;
}

} // namespace cli
