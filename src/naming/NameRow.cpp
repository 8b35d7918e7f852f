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
    std::stable_sort(rows.begin(), rows.end(),
                     [](const NameRow& a, const NameRow& b) { return a.score.score > b.score.score; });
    int number = 1;
    for (NameRow& row : rows)
        row.number = number++;
}

} // namespace naming
