#include "quality/PoemIndex.h"

#include "store/NamingStore.h"
#include "store/TableLayouts.h"
#include "text/Utf8.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace quality {
namespace {

constexpr char32_t kPlaneSize = 0x10000;

// The code point of one UTF-8 character of the Basic Multilingual Plane; 0 for anything else.
char32_t codePoint(std::string_view c)
{
    if (c.size() == 3) {
        const auto b0 = static_cast<unsigned char>(c[0]), b1 = static_cast<unsigned char>(c[1]),
                   b2 = static_cast<unsigned char>(c[2]);
        return static_cast<char32_t>(((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu));
    }
    return 0;
}

// A Tang poem's lines end at either mark; a classic's sentences at "。" alone.
bool isBreak(std::string_view c, bool sentences)
{
    return c == "。" || (!sentences && c == "，");
}

// The ranks of the classics around the Tang poets' places (1, 2, ... in XW_Poet; unknown poets last).
constexpr std::uint32_t kClassicFirst = 0;        // 诗经 0, 楚辞 1
constexpr std::uint32_t kTangOffset = 2;          // a Tang poet's place + 2
constexpr std::uint32_t kClassicLater = 1u << 31; // every other book, after every Tang poet

// The lines both postings hold, in ascending order (the best ranked first), until `take` accepts one:
// that line, or none.
template <typename Take>
std::optional<std::uint32_t> firstSharedLine(const std::vector<std::uint32_t>& first,
                                             const std::vector<std::uint32_t>& second, Take take)
{
    auto a = first.begin();
    auto b = second.begin();
    while (a != first.end() && b != second.end()) {
        if (*a < *b) {
            ++a;
        } else if (*b < *a) {
            ++b;
        } else {
            if (take(*a))
                return *a;
            ++a;
            ++b;
        }
    }
    return std::nullopt;
}

} // namespace

PoemIndex PoemIndex::build(const store::NamingStore& store)
{
    std::unordered_map<std::string, std::uint32_t> poetRank;
    static const std::string poets =
        store::selectSql(store::kPoetTable, {store::poet::kPoet, store::poet::kOrder}, "");
    store::StoreQuery p = store.Query(poets);
    while (store.hasRow(p)) {
        poetRank.emplace(store.ColumnText(p, store::poet::kPoet),
                         static_cast<std::uint32_t>(std::max(store.ColumnInt(p, store::poet::kOrder), 0)));
        store.Step(p);
    }

    PoemIndex index;
    namespace col = store::poem;
    static const std::string poems =
        store::selectSql(store::kPoemTable, {col::kTitle, col::kAuthor, col::kText}, "");
    store::StoreQuery q = store.Query(poems);
    while (store.hasRow(q)) {
        std::string poet = store.ColumnText(q, col::kAuthor);
        const auto rank = poetRank.find(poet);
        index.addPoem(store.ColumnText(q, col::kTitle), std::move(poet), store.ColumnText(q, col::kText),
                      rank == poetRank.end() ? UINT32_MAX : rank->second + kTangOffset);
        store.Step(q);
    }
    index.addClassics(store);
    index.finish();
    return index;
}

void PoemIndex::addClassics(const store::NamingStore& store)
{
    namespace col = store::classic;
    static const std::string sql =
        store::selectSql(store::kClassicTable, {col::kBook, col::kTitle, col::kAuthor, col::kText}, "");
    store::StoreQuery q = store.Query(sql);
    while (store.hasRow(q)) {
        std::string book = store.ColumnText(q, col::kBook);
        const std::uint32_t rank = book == "诗经"   ? kClassicFirst
                                   : book == "楚辞" ? kClassicFirst + 1
                                                    : kClassicLater;
        addPoem(store.ColumnText(q, col::kTitle), store.ColumnText(q, col::kAuthor),
                store.ColumnText(q, col::kText), rank, std::move(book));
        store.Step(q);
    }
}

void PoemIndex::addPoem(std::string title, std::string poet, std::string_view text, std::uint32_t rank,
                        std::string book)
{
    const auto poem = static_cast<std::uint32_t>(m_poems.size());
    const bool sentences = !book.empty();
    m_poems.push_back({std::move(title), std::move(poet), rank, std::move(book)});
    size_t start = 0;
    size_t i = 0;
    const auto endLine = [&](size_t end) {
        if (end > start)
            m_lines.push_back(
                {poem, static_cast<std::uint32_t>(m_text.size()), static_cast<std::uint32_t>(end - start)});
        m_text.append(text.substr(start, end - start));
    };
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = std::min(text.size() - i, lead < 0x80    ? size_t{1}
                                                        : lead >= 0xF0 ? 4
                                                        : lead >= 0xE0 ? 3
                                                                       : 2);
        if (isBreak(text.substr(i, length), sentences)) {
            endLine(i);
            start = i + length;
        }
        i += length;
    }
    endLine(text.size());
}

void PoemIndex::finish()
{
    // Lines in rank order, so the first line of a merge is the best one.
    std::vector<std::uint32_t> order(m_lines.size());
    std::iota(order.begin(), order.end(), 0u);
    std::stable_sort(order.begin(), order.end(), [this](std::uint32_t a, std::uint32_t b) {
        return m_poems[m_lines[a].poem].rank < m_poems[m_lines[b].poem].rank;
    });
    std::vector<Line> lines;
    lines.reserve(m_lines.size());
    for (std::uint32_t i : order)
        lines.push_back(m_lines[i]);
    m_lines = std::move(lines);

    m_postings.assign(kPlaneSize, {});
    for (std::uint32_t line = 0; line < m_lines.size(); ++line) {
        const std::string_view text = lineText(line);
        for (size_t i = 0; i + 3 <= text.size();) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
            if (const char32_t cp = codePoint(text.substr(i, length)); cp != 0) {
                std::vector<std::uint32_t>& list = m_postings[cp];
                if (list.empty() || list.back() != line)
                    list.push_back(line);
            }
            i += length;
        }
    }
}

std::string_view PoemIndex::lineText(std::uint32_t line) const
{
    const Line& l = m_lines[line];
    return std::string_view(m_text).substr(l.start, l.length);
}

SourceLine PoemIndex::sourceOf(std::uint32_t line) const
{
    const Poem& poem = m_poems[m_lines[line].poem];
    return {poem.poet, poem.title, std::string(lineText(line)), poem.book};
}

const std::vector<std::uint32_t>* PoemIndex::postings(std::string_view character) const
{
    const char32_t cp = codePoint(character);
    if (cp == 0 || m_postings.empty() || m_postings[cp].empty())
        return nullptr;
    return &m_postings[cp];
}

std::optional<SourceLine> PoemIndex::find(std::string_view given) const
{
    const std::vector<std::string> characters = text::utf8Characters(given);
    if (characters.empty())
        return std::nullopt;
    const std::vector<std::uint32_t>* first = postings(characters[0]);
    if (!first)
        return std::nullopt;
    if (characters.size() == 1)
        return sourceOf(first->front());
    const std::vector<std::uint32_t>* second = postings(characters[1]);
    if (!second)
        return std::nullopt;
    // The best-ranked line holding the name as written (明月), else one holding its characters in
    // order, else in any order: a book ranked first may hold them apart where a later one holds both.
    std::optional<std::uint32_t> inOrder;
    std::optional<std::uint32_t> anyOrder;
    const std::optional<std::uint32_t> asWritten = firstSharedLine(*first, *second, [&](std::uint32_t line) {
        const std::string_view text = lineText(line);
        if (text.find(given) != std::string_view::npos)
            return true;
        const size_t at = text.find(characters[0]);
        if (text.find(characters[1], at + characters[0].size()) != std::string_view::npos) {
            if (!inOrder)
                inOrder = line;
        } else if (characters[0] != characters[1] && !anyOrder) {
            anyOrder = line;
        }
        return false;
    });
    for (const std::optional<std::uint32_t>& line : {asWritten, inOrder, anyOrder})
        if (line)
            return sourceOf(*line);
    return std::nullopt;
}

std::optional<SourceLine> PoemIndex::findPair(std::string_view given) const
{
    const std::vector<std::string> characters = text::utf8Characters(given);
    if (characters.size() != 2)
        return std::nullopt;
    const std::vector<std::uint32_t>* first = postings(characters[0]);
    const std::vector<std::uint32_t>* second = postings(characters[1]);
    if (!first || !second)
        return std::nullopt;
    const std::optional<std::uint32_t> line = firstSharedLine(*first, *second, [&](std::uint32_t l) {
        return m_poems[m_lines[l].poem].book.empty() && lineText(l).find(given) != std::string_view::npos;
    });
    if (line)
        return sourceOf(*line);
    return std::nullopt;
}

} // namespace quality
