#include "naming/Nicknames.h"

#include "naming/CharacterLists.h"
#include "naming/NamingRun.h"
#include "numerology/SplitCharacters.h"

#include <limits>

namespace naming {
namespace {

// The character the style puts before (or after) A; empty for A+A.
std::string_view affixOf(NicknameStyle style)
{
    switch (style) {
    case NicknameStyle::XiaoPrefix:
        return "小";
    case NicknameStyle::ErSuffix:
        return "儿";
    case NicknameStyle::APrefix:
        return "阿";
    case NicknameStyle::Doubled:
        break;
    }
    return {};
}

} // namespace

std::vector<std::string> nicknameCharacters(std::string_view surname)
{
    std::string source(boysCharacters());
    source += girlsCharacters();
    if (source.find(surname) == std::string::npos)
        source += surname;
    return numerology::SplitCharacters(source);
}

FormedNames formNicknames(const store::NamingStore& store, Candidates& candidates, NicknameStyle style,
                          RunControl& control, const ProgressSink& progress)
{
    // One-character forming looks every candidate up and keeps each usable one once, in order; the
    // style then makes the nickname of each.
    FormedNames formed = FormNames(store, candidates, 1, {}, control, progress);
    const std::string_view affix = affixOf(style);
    for (FormedName& name : formed.names) {
        if (style == NicknameStyle::Doubled)
            name.second = name.first;
        else if (style == NicknameStyle::ErSuffix)
            name.second = FormedName::kFixed;
        else
            name = {FormedName::kFixed, name.first};
    }
    if (!affix.empty()) {
        formed.fixedCharacter = affix;
        // Behind every candidate, as the generation character is, so no candidate's entry changes.
        candidates.cache.add(numerology::LookupCharacter(store, formed.fixedCharacter));
    }
    return formed;
}

RunOutcome NamingRun::runNickname()
{
    for (std::string& character : nicknameCharacters(m_request.surname))
        m_candidates.add(std::move(character));
    m_formed = formNicknames(m_store, m_candidates, m_request.nicknameStyle, m_control,
                             [this](size_t done, size_t total) { progress(done, total); });
    if (m_control.stopped())
        return RunOutcome::Stopped;
    return listFormedNames({0, std::numeric_limits<size_t>::max(), false});
}

} // namespace naming
