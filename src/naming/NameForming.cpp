#include "naming/NameForming.h"

#include "numerology/SplitCharacters.h"
#include "text/Gbk.h"

namespace naming {
namespace {

constexpr size_t kBatchRows = 256;
constexpr std::int32_t kProgressStep = 50;

const numerology::CharacterRecord* recordOf(const Candidates& candidates, const FormedNames& formed,
                                            std::int32_t index)
{
    if (index >= 0)
        return candidates.cache.FindCharacter(candidates.characters[static_cast<size_t>(index)]);
    if (index == FormedName::kFixed)
        return candidates.cache.FindCharacter(formed.fixedCharacter);
    return nullptr;
}

const std::string& gbkOf(const Candidates& candidates, const FormedNames& formed, std::int32_t index)
{
    static const std::string empty;
    if (index >= 0)
        return candidates.gbk[static_cast<size_t>(index)];
    return index == FormedName::kFixed ? formed.fixedGbk : empty;
}

} // namespace

void Candidates::add(std::string character)
{
    gbk.push_back(text::toGbk(character));
    characters.push_back(std::move(character));
}

std::string FormedNames::givenName(const Candidates& candidates, const FormedName& name) const
{
    std::string out;
    for (std::int32_t index : {name.first, name.second}) {
        if (index >= 0)
            out += candidates.characters[static_cast<size_t>(index)];
        else if (index == FormedName::kFixed)
            out += fixedCharacter;
    }
    return out;
}

FormedNames FormNames(const store::NamingStore& store, Candidates& candidates, int givenLength,
                      const GenerationSetting& generation, RunControl& control, const ProgressSink& progress)
{
    FormedNames formed;
    const auto count = static_cast<std::int32_t>(candidates.size());
    candidates.cache.clear();
    candidates.usable.assign(candidates.size(), false);
    const bool twoCharacters = givenLength == 2;
    const bool fixSecond = twoCharacters && generation.fixesSecond();
    const bool fixThird = twoCharacters && generation.fixesThird();
    if (fixSecond || fixThird) {
        formed.fixedCharacter = fixSecond ? generation.secondChar : generation.thirdChar;
        formed.fixedGbk = text::toGbk(formed.fixedCharacter);
    }
    for (std::int32_t a = 0; a < count; ++a) {
        const auto index = static_cast<size_t>(a);
        candidates.cache.add(numerology::LookupCharacter(store, candidates.characters[index]));
        candidates.usable[index] = numerology::IsUsable(candidates.cache[index]);
        if (candidates.usable[index]) {
            if (fixSecond)
                formed.names.push_back({FormedName::kFixed, a});
            else if (fixThird)
                formed.names.push_back({a, FormedName::kFixed});
            else if (!twoCharacters)
                formed.names.push_back({a, FormedName::kNone});
            else
                for (std::int32_t b = 0; b < count; ++b)
                    formed.names.push_back({a, b});
        }
        if (progress && (a + 1) % kProgressStep == 0)
            progress(index + 1, candidates.size());
        if (!control.checkpoint())
            return formed;
    }
    // The generation character is never a candidate, but its strokes belong in the score: it goes
    // into the cache behind every candidate, so no candidate's first entry changes.
    if (!formed.fixedCharacter.empty())
        for (const std::string& part : numerology::SplitCharacters(formed.fixedCharacter))
            candidates.cache.add(numerology::LookupCharacter(store, part));
    return formed;
}

std::vector<NameRow> ListScoredNames(const Candidates& candidates, const FormedNames& formed,
                                     const std::string& surname, ListingLimits limits,
                                     numerology::FortuneSource& fortunes, RunControl& control,
                                     const RowBatchSink& sink)
{
    std::vector<NameRow> rows;
    const std::string surnameGbk = text::toGbk(surname);
    const std::vector<std::string> surnameParts = numerology::SplitCharacters(surname);
    const numerology::NameShape shapeBase{surnameParts.size() >= 2 ? 2 : 1, 1};
    const auto surnameRecord = [&](size_t i) {
        return i < surnameParts.size() ? candidates.cache.FindCharacter(surnameParts[i]) : nullptr;
    };
    const numerology::CharacterRecord* s1 = surnameRecord(0);
    const numerology::CharacterRecord* s2 = surnameRecord(1);
    size_t delivered = 0;
    const auto deliver = [&] {
        if (sink && delivered < rows.size())
            sink(std::span<const NameRow>(rows).subspan(delivered));
        delivered = rows.size();
    };

    // A generation character typed as several characters is scored through the text, as typed.
    const bool fixedIsOneCharacter = numerology::SplitCharacters(formed.fixedCharacter).size() <= 1;

    std::string given;
    for (const FormedName& name : formed.names) {
        if (rows.size() >= limits.maxRows)
            break;
        given = gbkOf(candidates, formed, name.first);
        given += gbkOf(candidates, formed, name.second);
        if (!surnameGbk.empty() && given.find(surnameGbk) != std::string::npos)
            continue;
        numerology::NameShape shape = shapeBase;
        shape.given = name.second == FormedName::kNone ? 1 : 2;
        const bool usesFixed = name.first == FormedName::kFixed || name.second == FormedName::kFixed;
        numerology::NameScoreResult score =
            usesFixed && !fixedIsOneCharacter
                ? numerology::ScoreName(surname, formed.givenName(candidates, name), candidates.cache,
                                        fortunes)
                : numerology::ScoreName(s1, s2, recordOf(candidates, formed, name.first),
                                        recordOf(candidates, formed, name.second), shape, fortunes);
        if (score.score < limits.threshold)
            continue;
        rows.push_back(MakeNameRow(static_cast<int>(rows.size()) + 1,
                                   surname + formed.givenName(candidates, name), std::move(score)));
        // The first row goes out at once so the list shows something immediately; then in batches.
        if (rows.size() == 1 || rows.size() - delivered >= kBatchRows)
            deliver();
        if (!control.checkpoint())
            break;
    }
    deliver();
    return rows;
}

} // namespace naming
