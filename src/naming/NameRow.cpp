#include "naming/NameRow.h"

#include <algorithm>

namespace naming {

std::array<std::string, 8> NameRow::cells() const
{
    return {std::to_string(number),
            name,
            std::to_string(score.simplifiedTotal),
            std::to_string(score.grids.total),
            score.elements,
            numerology::GridsText(score.grids),
            score.threeTalentKey,
            std::to_string(score.score)};
}

NameRow MakeNameRow(int number, std::string fullName, numerology::NameScoreResult score)
{
    return {number, std::move(fullName), std::move(score)};
}

void FinishNameList(std::vector<NameRow>& rows)
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
    int number = 1;
    for (NameRow& row : rows)
        row.number = number++;
}

} // namespace naming
