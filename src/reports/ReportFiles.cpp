#include "reports/ReportFiles.h"

#include "store/Folders.h"
#include "text/Files.h"
#include "text/Gbk.h"

#include <system_error>

namespace reports {

std::filesystem::path dataFolder(const std::filesystem::path& programFolder)
{
    return store::writeFolder(programFolder);
}

std::filesystem::path reportFile(const std::filesystem::path& programFolder)
{
    return dataFolder(programFolder) / "temp.html";
}

std::filesystem::path characterPageFile(const std::filesystem::path& programFolder, int page)
{
    return dataFolder(programFolder) / ("temp" + std::to_string(page) + ".html");
}

std::filesystem::path surnamePageFile(const std::filesystem::path& programFolder)
{
    return characterPageFile(programFolder, 5);
}

text::WriteResult writeGbkOutput(const std::filesystem::path& file, std::string_view utf8)
{
    std::error_code ec;
    // The data folder beside the program may be missing on a fresh installation; deeper folders are
    // not made up.
    if (file.has_parent_path())
        std::filesystem::create_directory(file.parent_path(), ec);
    return text::writeOutput(file, text::toGbk(utf8));
}

bool writeGbkFile(const std::filesystem::path& file, std::string_view utf8)
{
    return writeGbkOutput(file, utf8).ok();
}

std::string htmlEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace reports
