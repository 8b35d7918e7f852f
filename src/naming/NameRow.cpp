#include "naming/NameRow.h"

#include "text/Utf8.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace naming {

std::array<std::string, 8> NameRow::cells() const
{
    return {std::to_string(number),
            name,
            std::to_string(score.simplifiedTotal),
            std::to_string(score.grids.total),
            score.elements,
            numerology::gridsText(score.grids),
            score.threeTalentKey,
            std::to_string(score.score)};
}

NameRow makeNameRow(int number, std::string fullName, numerology::NameScoreResult score)
{
    return {number, std::move(fullName), std::move(score)};
}

namespace {

// The first character of the given name, the key that takes turns.
std::string_view firstGiven(const NameRow& row, size_t surnameBytes)
{
    return text::firstUtf8Character(
        std::string_view(row.name).substr(std::min(surnameBytes, row.name.size())));
}

// Reorders rows [first, last) of one score: unmarked before marked, then higher fit before lower,
// each tier round robin by the first given character. Within the names of one first character, a
// last character not yet met in the tier goes before one met already, so a round of the turns
// also shows different last characters.
void interleave(std::vector<NameRow>& rows, size_t first, size_t last, size_t surnameBytes)
{
    if (last - first < 2)
        return;
    // The tier of each row, read once: the sort below compares them often, the rows are large.
    std::vector<int> tiers(last - first);
    for (size_t i = first; i < last; ++i)
        tiers[i - first] = (rows[i].marks != 0 ? 256 : 0) + (255 - rows[i].fit);
    const auto tier = [&tiers, first](size_t i) { return tiers[i - first]; };
    std::vector<size_t> byTier(last - first);
    std::iota(byTier.begin(), byTier.end(), first);
    std::stable_sort(byTier.begin(), byTier.end(), [&](size_t a, size_t b) { return tier(a) < tier(b); });
    std::vector<NameRow> ordered;
    ordered.reserve(last - first);
    std::vector<size_t> metBefore(last - first); // earlier names of the tier with the same last character
    for (auto begin = byTier.begin(); begin != byTier.end();) {
        const auto end = std::find_if(begin, byTier.end(), [&](size_t i) { return tier(i) != tier(*begin); });
        std::vector<std::vector<size_t>> groups;
        std::unordered_map<std::string_view, size_t> groupOf;
        std::unordered_map<std::string_view, size_t> lastMet;
        for (auto at = begin; at != end; ++at) {
            const size_t i = *at;
            metBefore[i - first] = lastMet[text::lastUtf8Character(rows[i].name)]++;
            const auto [it, added] = groupOf.emplace(firstGiven(rows[i], surnameBytes), groups.size());
            if (added)
                groups.emplace_back();
            groups[it->second].push_back(i);
        }
        for (std::vector<size_t>& group : groups)
            std::stable_sort(group.begin(), group.end(),
                             [&](size_t a, size_t b) { return metBefore[a - first] < metBefore[b - first]; });
        for (size_t round = 0, placed = 1; placed != 0; ++round) {
            placed = 0;
            for (const std::vector<size_t>& group : groups)
                if (round < group.size()) {
                    ordered.push_back(std::move(rows[group[round]]));
                    ++placed;
                }
        }
        begin = end;
    }
    std::move(ordered.begin(), ordered.end(), rows.begin() + static_cast<std::ptrdiff_t>(first));
}

} // namespace

void FinishNameList(std::vector<NameRow>& rows, size_t surnameBytes)
{
    // Scores are 0..100: a counting sort by score, highest first, keeps equal scores in their order.
    // It gives each row its place, then the rows are put there in place, by cycles of swaps, so no
    // second list of rows is made.
    constexpr int kScores = 101;
    const bool inRange = std::all_of(rows.begin(), rows.end(), [](const NameRow& row) {
        return row.score.score >= 0 && row.score.score < kScores;
    });
    if (!inRange) {
        std::stable_sort(rows.begin(), rows.end(),
                         [](const NameRow& a, const NameRow& b) { return a.score.score > b.score.score; });
    } else {
        const auto key = [](const NameRow& row) {
            return static_cast<size_t>(kScores - 1 - row.score.score);
        };
        std::array<size_t, kScores + 1> start{};
        for (const NameRow& row : rows)
            ++start[key(row) + 1];
        for (size_t i = 1; i < start.size(); ++i)
            start[i] += start[i - 1];
        std::vector<size_t> place(rows.size());
        for (size_t i = 0; i < rows.size(); ++i)
            place[i] = start[key(rows[i])]++;
        for (size_t i = 0; i < rows.size(); ++i)
            while (place[i] != i) {
                const size_t target = place[i];
                std::swap(rows[i], rows[target]);
                std::swap(place[i], place[target]);
            }
    }
    for (size_t first = 0; first < rows.size();) {
        size_t last = first + 1;
        while (last < rows.size() && rows[last].score.score == rows[first].score.score)
            ++last;
        interleave(rows, first, last, surnameBytes);
        first = last;
    }
    int number = 1;
    for (NameRow& row : rows)
        row.number = number++;
}

} // namespace naming
