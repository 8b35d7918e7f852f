#pragma once

#include "quality/NameQuality.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {
class NamingStore;
}

namespace quality {

// Every line of the Tang poems (the text between "，" and "。") and every sentence of the classics of
// XW_经典 (the text up to "。"), indexed by the characters it holds, so the source of a name is found by
// merging two short lists instead of reading 80 000 poems. Lines are ranked 诗经 first, then 楚辞, then
// the Tang poems by their poet's place in XW_Poet (the poets with most poems first), then the other
// classics; within a rank by poem.
class PoemIndex
{
public:
    PoemIndex() = default;
    static PoemIndex build(const store::NamingStore& store);

    // A line holding the given name's characters: both in order if a line has them so, else in any
    // order; for a one-character name a line holding it. None when no line has them.
    std::optional<SourceLine> find(std::string_view given) const;
    // The best-ranked Tang line holding a two-character given name's characters side by side, in
    // order; none for any other name or when no line has them so. (The classical pairs that support a
    // name are counted in the Tang poems, so their example is a Tang line too.)
    std::optional<SourceLine> findPair(std::string_view given) const;

    size_t lineCount() const { return m_lines.size(); }

    // Adds one poem; `rank` orders the lines of different poems (lower first). A poem of a classic
    // `book` is indexed by sentence. For the builder and tests: call finish() after the last poem.
    void addPoem(std::string title, std::string poet, std::string_view text, std::uint32_t rank,
                 std::string book = {});
    void finish();

private:
    struct Poem
    {
        std::string title;
        std::string poet;
        std::uint32_t rank = 0;
        std::string book;
    };
    struct Line
    {
        std::uint32_t poem = 0;
        std::uint32_t start = 0; // in m_text
        std::uint32_t length = 0;
    };

    std::string_view lineText(std::uint32_t line) const;
    SourceLine sourceOf(std::uint32_t line) const;
    const std::vector<std::uint32_t>* postings(std::string_view character) const;
    void addClassics(const store::NamingStore& store);

    std::vector<Poem> m_poems;
    std::vector<Line> m_lines;
    std::string m_text;
    std::vector<std::vector<std::uint32_t>> m_postings; // by code point (BMP), line numbers ascending
};

} // namespace quality
