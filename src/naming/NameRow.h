#pragma once

#include "numerology/NameScore.h"

#include <array>
#include <string>
#include <vector>

namespace naming {

// One row of a Chinese-name list: 编号, 姓名, 简体笔划, 繁体笔划, 五行, 五格, 三才, 评分.
struct NameRow
{
    int number = 0;
    std::string name; // surname + given name
    numerology::NameScoreResult score;

    std::array<std::string, 8> cells() const;
};

inline constexpr std::array<const char*, 8> kNameRowHeaders = {"编号", "姓名", "简体笔划", "繁体笔划",
                                                               "五行", "五格", "三才",     "评分"};

NameRow MakeNameRow(int number, std::string fullName, numerology::NameScoreResult score);

// Sorts by score, highest first (equal scores keep their order) and renumbers from 1.
void FinishNameList(std::vector<NameRow>& rows);

} // namespace naming
