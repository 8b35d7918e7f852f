// nestling-cli report: the files the name detail window shows, and the name's evaluation row.
#include "app/Evaluation.h"
#include "cli/Verbs.h"
#include "reports/NameDetail.h"
#include "reports/ReportFiles.h"
#include "text/Files.h"
#include "text/NameInput.h"

#include <unistd.h>

#include <cerrno>
#include <optional>
#include <ostream>

namespace cli {
namespace {

// Why the pages cannot go to the data folder of `dir` (made when missing), or nothing.
std::string refuseFolder(const std::filesystem::path& dir)
{
    const std::filesystem::path data = dir / "data";
    std::error_code ec;
    std::filesystem::create_directories(data, ec);
    int error = ec.value();
    if (!ec && ::access(data.c_str(), W_OK | X_OK) != 0)
        error = errno;
    if (!ec && error == 0 && reports::dataFolder(dir) != data)
        error = EACCES;
    if (error == 0)
        return {};
    return "无法写入报告文件: " + data.string() + "（" + text::writeErrorReason(error) + "）";
}

} // namespace

int runReport(Context& context, const Arguments& args, std::ostream& out, std::ostream& err)
{
    if (args.positional.size() != 2) {
        err << "用法: nestling-cli report SURNAME GIVEN [--dir DIR]\n";
        return 2;
    }
    const std::string surname = text::trimName(args.positional[0]);
    const std::string given = text::trimName(args.positional[1]);
    // The checks of the evaluation page; a refused name writes nothing.
    if (const auto refused = app::refuseEvaluation(context.store, surname, given)) {
        err << app::evaluationMessage(*refused, context.store, surname, given) << '\n';
        return 2;
    }
    const std::optional<std::string> dir = args.option("dir");
    const std::filesystem::path folder = dir.value_or(context.programFolder.string());
    if (dir) {
        // The pages go where asked or nowhere: a folder that cannot be written is said, never
        // replaced by the per-user folder.
        if (const std::string refused = refuseFolder(*dir); !refused.empty()) {
            err << refused << '\n';
            return 1;
        }
    } else {
        std::error_code ec;
        std::filesystem::create_directories(reports::dataFolder(folder), ec);
    }
    const reports::NameDetail detail =
        reports::writeNameDetail(context.store, folder, surname, given, &context.scoring.checker());
    if (!detail.written) {
        err << "无法写入报告文件: " << reports::dataFolder(folder).string() << "（" << detail.failure
            << "）\n";
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
