#include "naming/CombinationNames.h"

#include "naming/NamingRun.h"
#include "text/Gbk.h"

#include <limits>

namespace naming {

std::vector<std::string> combinationCharacters(std::string_view typed, std::string_view surname)
{
    // The rule is one of GBK bytes: a byte below 0x80 is a piece of its own, any other byte starts a
    // two-byte piece, and only the pieces that are GB2312 Chinese characters stay.
    // The surname is looked for in the typed text as characters (UTF-8), not as GBK bytes, where
    // two neighbours can hold its bytes across their boundary.
    std::string gbk = text::toGbk(typed);
    if (typed.find(surname) == std::string_view::npos)
        gbk += text::toGbk(surname);
    std::vector<std::string> out;
    for (size_t p = 0; p < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[p]);
        if (lead < 0x80 || p + 1 >= gbk.size()) {
            ++p;
            continue;
        }
        if (text::isGb2312Hanzi(lead, static_cast<unsigned char>(gbk[p + 1])))
            out.push_back(text::fromGbk(gbk.substr(p, 2)));
        p += 2;
    }
    return out;
}

RunOutcome NamingRun::runCombination()
{
    for (std::string& character : combinationCharacters(m_request.combinationText, m_request.surname))
        m_candidates.add(std::move(character));
    if (!formCandidateNames())
        return RunOutcome::Stopped;
    return listFormedNames({0, std::numeric_limits<size_t>::max()});
}

} // namespace naming
