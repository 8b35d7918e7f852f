#include "reports/Placeholders.h"

namespace reports {

std::string fillPlaceholders(std::string_view templateText, const Placeholders& values)
{
    std::string out;
    out.reserve(templateText.size() * 2);
    size_t p = 0;
    while (p < templateText.size()) {
        const size_t open = templateText.find('{', p);
        if (open == std::string_view::npos) {
            out.append(templateText.substr(p));
            break;
        }
        out.append(templateText.substr(p, open - p));
        const size_t close = templateText.find('}', open + 1);
        if (close != std::string_view::npos) {
            const auto it = values.find(templateText.substr(open, close - open + 1));
            if (it != values.end()) {
                out += it->second;
                p = close + 1;
                continue;
            }
        }
        out += '{';
        p = open + 1;
    }
    return out;
}

} // namespace reports
