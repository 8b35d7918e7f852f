#pragma once

#include "store/ColumnDescriptor.h"

#include <string_view>
#include <vector>

namespace store {

struct TableLayout
{
    std::string_view name;
    std::vector<ColumnDescriptor> columns;
};

inline constexpr std::string_view kCharacterTable = "XW_CNWord";
inline constexpr std::string_view kThreeTalentTable = "XW_三才配置";
inline constexpr std::string_view kNumberTable = "XW_八一灵动数";
inline constexpr std::string_view kEnglishNameTable = "XW_EName";
inline constexpr std::string_view kPoetTable = "XW_Poet";
inline constexpr std::string_view kPoemTable = "XW_全唐诗";
inline constexpr std::string_view kParentingTable = "XW_育儿百科";
inline constexpr std::string_view kFortuneTable = "XW_算命风水";
inline constexpr std::string_view kSurnameTable = "XW_百家姓";

// The nine naming tables in the order they are declared, copied and listed everywhere. Readers read
// columns by position, so the order and count of each layout's columns is part of the contract.
const std::vector<TableLayout>& namingTables();

// Column positions the readers use.
namespace cnword {
inline constexpr int kCharacter = 2, kTraditional = 4, kSimplifiedStrokes = 5, kTraditionalStrokes = 6,
                     kPinyinPlain = 7, kPinyin = 8, kInitial = 9, kFinal = 10, kRadical = 11, kElement = 12,
                     kWubi = 13, kBasic = 14, kDetail = 15;
}

} // namespace store
