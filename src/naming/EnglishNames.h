#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace store {
class NamingStore;
}

namespace naming {

// Gender codes of the English page's styles, as stored in XW_EName.Sex.
inline constexpr int kEnglishMale = 1;    // 男性化
inline constexpr int kEnglishFemale = 2;  // 女性化
inline constexpr int kEnglishNeutral = 3; // 中性化

// One row of 超级列表框_英文列表: 编号, 英文名, 中文读音, 相关含义.
struct EnglishNameRow
{
    int number = 0;
    std::string name;
    std::string reading; // Cnword
    std::string meaning; // Mean

    std::array<std::string, 4> cells() const;
};

inline constexpr std::array<const char*, 4> kEnglishRowHeaders = {"编号", "英文名", "中文读音", "相关含义"};

// The English initial searched for the initial of a Chinese reading: a→i, c→s, j→g, k→ch, o→a,
// q→ch, x→sh, y→e, z→th; any other initial is kept. Applied once: a mapped initial is not mapped again.
std::string mapReadingInitial(std::string_view readingInitial);

// The reading initial of a character: its 声母 in lower case, else the first letter of its 拼音1; empty
// when the dictionary has no row for it.
std::string readingInitial(const store::NamingStore& store, const std::string& character);

// The English names for the first character of `givenName` and a gender code: every XW_EName row whose
// index (EIndex2, or EIndex when that is empty) equals the mapped initial and whose Sex equals the
// code, in table order, numbered from 1. A given name without a first character (empty, blanks) or
// whose first character has no reading lists nothing.
std::vector<EnglishNameRow> FindEnglishNames(const store::NamingStore& store, std::string_view givenName,
                                             int genderCode);

// The English page's 名字长度 boxes and `english --length`: letters an English name may have.
struct EnglishLength
{
    int min = 3;
    int max = 20;
};

// The letters of an English name (A to Z, a to z); blanks, hyphens and apostrophes do not count.
int englishLetterCount(std::string_view name);

// The rows whose name has from `length.min` to `length.max` letters, in their order, numbered from 1.
std::vector<EnglishNameRow> keepEnglishLength(std::vector<EnglishNameRow> rows, EnglishLength length);

} // namespace naming
