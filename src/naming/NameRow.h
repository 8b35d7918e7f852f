#pragma once

#include "numerology/NameScore.h"

#include <cstdint>

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
    // The name check's marks (quality::NameMark: a warning, a rare character); they never change
    // the score, only the order of equal scores and whether a filtered list shows the row.
    std::uint8_t marks = 0;
    // NameLikeness::fit of the given name: more name-like names come first among equal scores.
    std::uint8_t fit = 0;

    std::array<std::string, 8> cells() const;
};

inline constexpr std::array<const char*, 8> kNameRowHeaders = {"编号", "姓名", "简体笔划", "繁体笔划",
                                                               "五行", "五格", "三才",     "评分"};

NameRow makeNameRow(int number, std::string fullName, numerology::NameScoreResult score);

// Sorts by score, highest first, and renumbers from 1. Within one score the rows without marks come
// first, among those and among the marked ones the more name-like (higher fit) first, and within
// each of these tiers the names' first given-name characters take turns (the first name of each
// character in the order they first appear, then the second of each, ...), so a screenful shows many
// different names; otherwise equal scores keep their order. `surnameBytes` is the length of the surname in
// front of every name (0: the first character of the whole name takes turns).
void FinishNameList(std::vector<NameRow>& rows, size_t surnameBytes = 0);

} // namespace naming
