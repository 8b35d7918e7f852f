#include "naming/ClassicNames.h"

#include "naming/AvoidedCharacters.h"
#include "naming/CharacterLists.h"
#include "naming/NamingRun.h"
#include "numerology/SplitCharacters.h"

namespace naming {
namespace {

std::vector<std::string> splitCommas(std::string_view list)
{
    std::vector<std::string> entries;
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string_view entry = list.substr(0, comma);
        if (!entry.empty())
            entries.emplace_back(entry);
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
    }
    return entries;
}

} // namespace

std::vector<std::string> classicEntries(std::string_view sex, int givenLength)
{
    const bool boys = sex == "男";
    if (!boys && sex != "女")
        return {};
    if (givenLength == 2)
        return splitCommas(boys ? classicTwoCharacterBoys() : classicTwoCharacterGirls());
    return numerology::SplitCharacters(boys ? classicOneCharacterBoys() : classicOneCharacterGirls());
}

std::string classicText(std::string_view surname, const std::vector<std::string>& entries, int givenLength)
{
    const bool two = givenLength == 2;
    const std::string_view gap = two ? "  " : "   ";
    const size_t perLine = two ? 14 : 16;
    std::string text;
    text.reserve(entries.size() * (surname.size() + 6 + gap.size()) + entries.size() / perLine * 4);
    for (size_t i = 1; i <= entries.size(); ++i) {
        text += surname;
        text += entries[i - 1];
        text += gap;
        if (i % perLine == 0)
            text += "\r\n\r\n";
    }
    return text;
}

RunOutcome NamingRun::runClassic()
{
    std::vector<std::string> entries = classicEntries(m_request.sex, m_request.givenLength);
    std::erase_if(entries, [this](const std::string& given) { return holdsAvoided(given, m_request.avoid); });
    ShuffleList(entries, m_seeder);
    if (m_request.hideMarked)
        std::erase_if(entries, [this](const std::string& given) {
            return m_checker->marks(m_request.surname, given) != 0;
        });
    m_text = classicText(m_request.surname, entries, m_request.givenLength);
    if (!m_control.checkpoint())
        return RunOutcome::Stopped;
    m_observer.textWritten(m_text);
    return RunOutcome::Finished;
}

} // namespace naming
