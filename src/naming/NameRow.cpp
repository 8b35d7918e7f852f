#include "naming/NameRow.h"

#include <algorithm>
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
    const std::string_view name = std::string_view(row.name).substr(std::min(surnameBytes, row.name.size()));
    if (name.empty())
        return name;
    const auto lead = static_cast<unsigned char>(name[0]);
    const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    return name.substr(0, std::min(length, name.size()));
}

// The last character of the name.
std::string_view lastCharacter(const NameRow& row)
{
    const std::string_view name = row.name;
    size_t start = name.size();
    while (start > 0 && (static_cast<unsigned char>(name[start - 1]) & 0xC0) == 0x80)
        --start;
    return name.substr(start > 0 ? start - 1 : 0);
}

// Reorders rows [first, last) of one score: unmarked before marked, then higher fit before lower,
// each tier round robin by the first given character. Within the names of one first character, a
// last character not yet met in the tier goes before one met already, so a round of the turns
// also shows different last characters.
void interleave(std::vector<NameRow>& rows, size_t first, size_t last, size_t surnameBytes)
{
    if (last - first < 2)
        return;
    std::vector<NameRow> ordered;
    ordered.reserve(last - first);
    const auto tier = [](const NameRow& row) { return (row.marks != 0 ? 256 : 0) + (255 - row.fit); };
    std::vector<int> tiers;
    for (size_t i = first; i < last; ++i)
        tiers.push_back(tier(rows[i]));
    std::sort(tiers.begin(), tiers.end());
    tiers.erase(std::unique(tiers.begin(), tiers.end()), tiers.end());
    std::vector<size_t> metBefore(last - first); // earlier names of the tier with the same last character
    for (const int current : tiers) {
        std::vector<std::vector<size_t>> groups;
        std::unordered_map<std::string_view, size_t> groupOf;
        std::unordered_map<std::string_view, size_t> lastMet;
        for (size_t i = first; i < last; ++i) {
            if (tier(rows[i]) != current)
                continue;
            metBefore[i - first] = lastMet[lastCharacter(rows[i])]++;
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
