// nestling-cli report: the files the name detail window shows, and the name's evaluation row.
#include "app/Evaluation.h"
#include "cli/Verbs.h"
#include "reports/NameDetail.h"
#include "reports/ReportFiles.h"
#include "text/NameInput.h"

#include <ostream>

namespace cli {

int runReport(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 2) {
        err << "用法: nestling-cli report SURNAME GIVEN [--dir DIR]\n";
        return 2;
    }
    const std::string surname = text::trimName(args.positional[0]);
    const std::string given = text::trimName(args.positional[1]);
    // The checks of the evaluation page; a refused name writes nothing.
    if (const auto refused = app::refuseEvaluation(surname, given)) {
        err << app::evaluationMessage(*refused) << '\n';
        return 2;
    }
    const std::filesystem::path folder = args.option("dir").value_or(context.programFolder.string());
    std::error_code ec;
    std::filesystem::create_directories(reports::dataFolder(folder), ec);
    const reports::NameDetail detail =
        reports::writeNameDetail(context.store, folder, surname, given, &context.scoring.checker());
    if (!detail.written) {
        err << "无法写入报告文件: " << reports::dataFolder(folder).string() << '\n';
        return 1;
    }
    reports::ListCells row = app::evaluationRow(1, surname, given, detail.report);
    row[1] = surname + given; // one line per name on the command line
    for (size_t i = 1; i < row.size(); ++i)
        out << (i > 1 ? "\t" : "") << row[i];
    out << '\n';
    return 0;
}

} // namespace cli
