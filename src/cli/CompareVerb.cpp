// compare: names of one surname side by side, as the shortlist page shows them.
#include "cli/Verbs.h"
#include "reports/Comparison.h"
#include "text/NameInput.h"

#include <ostream>
#include <string>
#include <vector>

namespace cli {

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
                                              surname, given));
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
