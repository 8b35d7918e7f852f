#include "cli/ElementOptions.h"

#include "text/Utf8.h"

#include <array>

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

} // namespace

bool parseElementOptions(const Arguments& args, naming::ElementFilter& filter, std::ostream& err)
{
    if (!args.has("second") && !args.has("third") && !args.has("must") && !args.has("must-not"))
        return true;
    filter = {};
    filter.must = {};
    return readRow(args, "second", filter.second, err) && readRow(args, "third", filter.third, err) &&
           readRow(args, "must", filter.must, err) && readRow(args, "must-not", filter.mustNot, err);
}

} // namespace cli
