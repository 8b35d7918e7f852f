#include "naming/SuperAuspicious.h"

#include "naming/NamingRun.h"
#include "numerology/NameScore.h"
#include "numerology/SplitCharacters.h"
#include "text/Gbk.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace naming {
namespace {

constexpr const char* kAllElements = "金木水火土";
constexpr size_t kBatchRows = 512;
// Names looked at between two checkpoints when none is written: pause answers within well under a
// millisecond even when hardly any name reaches the threshold.
constexpr size_t kNamesPerCheckpoint = 4096;
constexpr size_t kNamesPerProgress = 65536;
constexpr std::int32_t kCandidatesPerProgress = 50;

std::string positionSet(const ElementFilterRow& row)
{
    return row.limiter && !row.elements.empty() ? row.elements : kAllElements;
}

bool contains(const std::string& set, const std::string& element)
{
    return set.find(element) != std::string::npos;
}

// Whether the GBK bytes of a given name (two candidates side by side) contain the surname's bytes,
// without building a string per name: the pieces are short, so they go into a buffer on the stack.
class SurnameCheck
{
public:
    explicit SurnameCheck(std::string gbk) : m_surname(std::move(gbk)) {}

    bool within(const std::string& first, const std::string& second) const
    {
        if (m_surname.empty())
            return false;
        const size_t length = first.size() + second.size();
        if (length > m_buffer.size())
            return (first + second).find(m_surname) != std::string::npos;
        std::memcpy(m_buffer.data(), first.data(), first.size());
        std::memcpy(m_buffer.data() + first.size(), second.data(), second.size());
        return std::string_view(m_buffer.data(), length).find(m_surname) != std::string_view::npos;
    }

private:
    std::string m_surname;
    mutable std::array<char, 32> m_buffer{};
};

} // namespace

ElementSets BuildElementSets(const ElementFilter& filter)
{
    return {positionSet(filter.second), positionSet(filter.third), positionSet(filter.must),
            filter.mustNot.limiter ? filter.mustNot.elements : std::string()};
}

int SuperAuspiciousThreshold(std::string_view heavenFortune) noexcept
{
    return numerology::ScoreCeiling(heavenFortune).value_or(0);
}

FormedNames FormSuperAuspiciousNames(const store::NamingStore& store, Candidates& candidates,
                                     const ElementFilter& filter, RunControl& control,
                                     const ProgressSink& progress)
{
    FormedNames formed;
    const ElementSets sets = BuildElementSets(filter);
    const bool byPosition = filter.second.limiter || filter.third.limiter;
    const bool byAll = filter.must.limiter || filter.mustNot.limiter;
    std::vector<std::int32_t> secondChars, thirdChars, allChars;
    const auto count = static_cast<std::int32_t>(candidates.size());
    candidates.cache.clear();
    candidates.usable.assign(candidates.size(), false);
    for (std::int32_t c = 0; c < count; ++c) {
        const auto index = static_cast<size_t>(c);
        candidates.cache.add(numerology::LookupCharacter(store, candidates.characters[index]));
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
    formed.names.reserve(secondChars.size() * thirdChars.size() + allChars.size() * allChars.size());
    const auto pairUp = [&](const std::vector<std::int32_t>& firsts,
                            const std::vector<std::int32_t>& seconds) {
        for (std::int32_t a : firsts) {
            for (std::int32_t b : seconds)
                formed.names.push_back({a, b});
            if (!control.checkpoint())
                return false;
        }
        return true;
    };
    if (byPosition && !pairUp(secondChars, thirdChars))
        return formed;
    if (byAll)
        pairUp(allChars, allChars);
    return formed;
}

std::vector<NameRow> ListSuperAuspiciousNames(const Candidates& candidates, const FormedNames& formed,
                                              const std::string& surname, ListingLimits limits,
                                              numerology::FortuneSource& fortunes, RunControl& control,
                                              const RowBatchSink& sink, const ProgressSink& progress,
                                              ListingStats* stats)
{
    ListingStats counted;
    std::vector<NameRow> rows;
    const SurnameCheck surnameCheck(text::toGbk(surname));
    const std::vector<std::string> surnameParts = numerology::SplitCharacters(surname);
    const auto surnameRecord = [&](size_t i) {
        return i < surnameParts.size() ? candidates.cache.FindCharacter(surnameParts[i]) : nullptr;
    };
    const numerology::CharacterRecord* s1 = surnameRecord(0);
    const numerology::CharacterRecord* s2 = surnameRecord(1);
    const numerology::NameShape shape{surnameParts.size() >= 2 ? 2 : 1, 2};
    // The first of equal characters, as FindCharacter gives it, so a repeated candidate scores alike.
    std::vector<const numerology::CharacterRecord*> records(candidates.size());
    for (size_t i = 0; i < records.size(); ++i)
        records[i] = candidates.cache.FindCharacter(candidates.characters[i]);

    size_t delivered = 0;
    const auto deliver = [&] {
        if (sink && delivered < rows.size())
            sink(std::span<const NameRow>(rows).subspan(delivered));
        delivered = rows.size();
    };
    const size_t total = formed.names.size();
    for (size_t i = 0; i < total && rows.size() < limits.maxRows; ++i) {
        if ((i + 1) % kNamesPerCheckpoint == 0) {
            if (progress && (i + 1) % kNamesPerProgress == 0)
                progress(i + 1, total);
            if (!control.checkpoint())
                break;
        }
        ++counted.examined;
        const auto a = static_cast<size_t>(formed.names[i].first);
        const auto b = static_cast<size_t>(formed.names[i].second);
        if (surnameCheck.within(candidates.gbk[a], candidates.gbk[b]))
            continue;
        ++counted.scored;
        numerology::NameScoreResult score =
            numerology::ScoreName(s1, s2, records[a], records[b], shape, fortunes);
        if (score.score < limits.threshold)
            continue;
        rows.push_back(MakeNameRow(static_cast<int>(rows.size()) + 1,
                                   surname + candidates.characters[a] + candidates.characters[b],
                                   std::move(score)));
        // The first row goes out at once so the list shows something immediately; then in batches.
        if (rows.size() == 1 || rows.size() - delivered >= kBatchRows)
            deliver();
        if (!control.checkpoint())
            break;
    }
    deliver();
    if (progress)
        progress(total, total);
    if (stats)
        *stats = counted;
    return rows;
}

RunOutcome NamingRun::runSuperAuspicious()
{
    // Only 男 and 女 have a list; any other sex leaves the surname as the only candidate.
    std::vector<std::string> list;
    if (m_request.sex == "男" || m_request.sex == "女")
        list = CharacterListFor(m_request.sex);
    ShuffleList(list, m_seeder);
    for (std::string& character : list)
        m_candidates.add(std::move(character));
    for (std::string& character : numerology::SplitCharacters(m_request.surname))
        m_candidates.add(std::move(character));
    const auto progress = [this](size_t done, size_t total) { m_observer.progress(done, total); };
    m_formed = FormSuperAuspiciousNames(m_store, m_candidates, m_request.elements, m_control, progress);
    if (m_control.stopped())
        return RunOutcome::Stopped;

    numerology::CachedFortunes fortunes(m_store);
    const ListingLimits limits{SuperAuspiciousThreshold(numerology::SurnameHeavenFortune(
                                   fortunes, m_request.surname, m_candidates.cache)),
                               kSuperAuspiciousRows};
    m_rows = ListSuperAuspiciousNames(
        m_candidates, m_formed, m_request.surname, limits, fortunes, m_control,
        [this](std::span<const NameRow> batch) { m_observer.rowsWritten(batch); }, progress);
    return finishList();
}

} // namespace naming
