#include "naming/SuperAuspicious.h"

#include "naming/NamingRun.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"
#include "text/Gbk.h"

#include <algorithm>
#include <array>

namespace naming {
namespace {

constexpr const char* kAllElements = "金木水火土";
constexpr std::int32_t kCandidatesPerProgress = 50;

std::string positionSet(const ElementFilterRow& row)
{
    return row.limiter && !row.elements.empty() ? row.elements : kAllElements;
}

bool contains(const std::string& set, const std::string& element)
{
    return set.find(element) != std::string::npos;
}

} // namespace

ElementSets buildElementSets(const ElementFilter& filter)
{
    return {positionSet(filter.second), positionSet(filter.third), positionSet(filter.must),
            filter.mustNot.limiter ? filter.mustNot.elements : std::string()};
}

int superAuspiciousThreshold(std::string_view heavenFortune) noexcept
{
    return numerology::ScoreCeiling(heavenFortune).value_or(0);
}

FormedNames formSuperAuspiciousNames(const store::NamingStore& store, Candidates& candidates,
                                     const ElementFilter& filter, RunControl& control,
                                     const ProgressSink& progress)
{
    FormedNames formed;
    const ElementSets sets = buildElementSets(filter);
    const bool byPosition = filter.second.limiter || filter.third.limiter;
    const bool byAll = filter.must.limiter || filter.mustNot.limiter;
    std::vector<std::int32_t> secondChars, thirdChars, allChars;
    const auto count = static_cast<std::int32_t>(candidates.size());
    candidates.cache.clear();
    candidates.usable.assign(candidates.size(), false);
    std::vector<numerology::CharacterRecord> records =
        numerology::lookupCharacters(store, candidates.characters);
    for (std::int32_t c = 0; c < count; ++c) {
        const auto index = static_cast<size_t>(c);
        candidates.cache.add(std::move(records[index]));
        const numerology::CharacterRecord& record = candidates.cache[index];
        candidates.usable[index] = numerology::IsUsable(record);
        if (candidates.usable[index]) {
            const std::string& e = record.element;
            if (byPosition && contains(sets.second, e))
                secondChars.push_back(c);
            if (byPosition && contains(sets.third, e))
                thirdChars.push_back(c);
            if (byAll && contains(sets.must, e) && !contains(sets.mustNot, e))
                allChars.push_back(c);
        }
        if (progress && ((c + 1) % kCandidatesPerProgress == 0 || c + 1 == count))
            progress(index + 1, candidates.size());
        if (!control.checkpoint())
            return formed;
    }
    const size_t pairs = (byPosition ? secondChars.size() * thirdChars.size() : 0) +
                         (byAll ? allChars.size() * allChars.size() : 0);
    formed.names.resize(pairs);
    FormedName* out = formed.names.data();
    const auto pairUp = [&](const std::vector<std::int32_t>& firsts,
                            const std::vector<std::int32_t>& seconds) {
        for (std::int32_t a : firsts) {
            for (std::int32_t b : seconds)
                *out++ = {a, b};
            if (!control.checkpoint()) {
                formed.names.resize(static_cast<size_t>(out - formed.names.data()));
                return false;
            }
        }
        return true;
    };
    if (byPosition && !pairUp(secondChars, thirdChars))
        return formed;
    if (byAll)
        pairUp(allChars, allChars);
    return formed;
}

std::vector<NameRow> listSuperAuspiciousNames(const Candidates& candidates, const FormedNames& formed,
                                              const std::string& surname, const ListingLimits& limits,
                                              const numerology::FortuneTables& fortunes, RunControl& control,
                                              const RowBatchSink& sink, const ProgressSink& progress,
                                              ListingStats* stats, std::string_view avoid)
{
    return ListScoredNames(candidates, formed, surname, limits, fortunes, control, sink, progress, stats,
                           avoid);
}

RunOutcome NamingRun::runSuperAuspicious()
{
    // Only 男 and 女 have a list; any other sex leaves the surname as the only candidate.
    std::vector<std::string> list;
    if (m_request.sex == "男" || m_request.sex == "女")
        list = characterListFor(m_request.sex);
    ShuffleList(list, m_seeder);
    for (std::string& character : list)
        m_candidates.add(std::move(character));
    for (std::string& character : numerology::SplitCharacters(m_request.surname))
        m_candidates.add(std::move(character));
    const auto progress = [this](size_t done, size_t total) { m_observer.progress(done, total); };
    m_formed = formSuperAuspiciousNames(m_store, m_candidates, m_request.elements, m_control, progress);
    if (m_control.stopped())
        return RunOutcome::Stopped;

    numerology::FortuneTables fortunes(m_store);
    ListingLimits limits{superAuspiciousThreshold(numerology::SurnameHeavenFortune(
                             fortunes, m_request.surname, m_candidates.cache)),
                         kSuperAuspiciousRows};
    limits.keeps = keepsRow();
    m_rows = listSuperAuspiciousNames(
        m_candidates, m_formed, m_request.surname, limits, fortunes, m_control,
        [this](std::span<NameRow> batch) { deliverRows(batch); }, progress, &m_stats, m_request.avoid);
    return finishList();
}

} // namespace naming
