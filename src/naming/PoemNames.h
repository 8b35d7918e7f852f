#pragma once

// Poem naming: the poets and poems of XW_Poet and XW_全唐诗, the character boxes of a poem and the
// candidates a poem run takes from the ticked boxes. The run itself is NamingRun::runPoem.
#include "store/NamingStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace naming {

// One poem of XW_全唐诗.
struct Poem
{
    std::int64_t id = 0;
    std::string title;
    std::string author;
    std::string text;   // 内容, with its "，" and "。"
    std::string marked; // 首字母: the characters whose boxes start ticked
};

// A poem as the poem list shows it: the title, with the row id that tells poems of one title apart.
struct PoemEntry
{
    std::int64_t id = 0;
    std::string title;
};

// The poets, ordered by OrderId.
std::vector<std::string> loadPoetNames(const store::NamingStore& store);

// The poems of one poet, in table order.
std::vector<PoemEntry> loadPoemEntries(const store::NamingStore& store, std::string_view poet);

// The poem of that title by that poet. Several poems of one poet can share a title: `id` picks the
// row; without it the first of them is taken. Nothing when no such poem exists.
std::optional<Poem> findPoem(const store::NamingStore& store, std::string_view poet, std::string_view title,
                             std::optional<std::int64_t> id = std::nullopt);

// The captions of the character boxes of a poem: every character of the text, repeats included,
// without the "，" and "。" marks.
std::vector<std::string> poemBoxCharacters(std::string_view text);

// Whether a box of that character starts ticked: the character occurs in the poem's 首字母.
bool startsTicked(std::string_view character, std::string_view marked);

// Whether a character is one of the function words of verse (poemFunctionWords).
bool isPoemFunctionWord(std::string_view character);

// The pairs of ticked characters that stand next to each other in the poem's text, with no mark or
// line break between them, in order of first appearance, each once. `ticked` holds the characters
// that may be used (function words already taken out), so no pair crosses or holds one.
std::vector<std::pair<std::string, std::string>> poemNeighbourPairs(std::string_view text,
                                                                    const std::vector<std::string>& ticked);

// The characters a child of `surname` does not take from a poem of `author`: the poet's given name
// when the poet bears that surname (李 and 李白: 白), else none.
std::string poetEchoes(std::string_view author, std::string_view surname);

// The text a poem run takes its candidates from: each ticked character once, in order of first
// appearance, then the surname when it does not occur among them.
std::string poemCandidateText(const std::vector<std::string>& ticked, const std::string& surname);

} // namespace naming
