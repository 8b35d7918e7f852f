#include "naming/PoemNames.h"

#include "naming/CharacterLists.h"
#include "naming/NamingRun.h"
#include "store/TableLayouts.h"
#include "text/Utf8.h"

#include <algorithm>
#include <limits>
#include <set>
#include <unordered_map>

namespace naming {
namespace {

namespace col = store::poem;

// Every row of both tables has an Id, so its text tells a row from the end of the result.
bool onRow(const store::NamingStore& store, const store::StoreQuery& query, store::Column id = col::kId)
{
    return !store.ColumnText(query, id).empty();
}

Poem readPoem(const store::NamingStore& store, const store::StoreQuery& query)
{
    return {store.ColumnInt(query, col::kId), store.ColumnText(query, col::kTitle),
            store.ColumnText(query, col::kAuthor), store.ColumnText(query, col::kText),
            store.ColumnText(query, col::kMarked)};
}

// The poem's columns that readPoem reads, and the condition on the poet and title.
std::string poemSql(std::string_view where)
{
    return store::selectSql(store::kPoemTable,
                            {col::kId, col::kTitle, col::kAuthor, col::kText, col::kMarked},
                            "where " + std::string(where));
}

bool contains(std::string_view text, std::string_view part)
{
    return !part.empty() && text.find(part) != std::string_view::npos;
}

} // namespace

std::vector<std::string> loadPoetNames(const store::NamingStore& store)
{
    std::vector<std::string> poets;
    static const std::string sql =
        store::selectSql(store::kPoetTable, {store::poet::kId, store::poet::kPoet},
                         "order by " + std::string(store::poet::kOrder.name) + " ASC");
    store::StoreQuery query = store.Query(sql);
    for (bool more = onRow(store, query, store::poet::kId); more; more = store.Step(query))
        poets.push_back(store.ColumnText(query, store::poet::kPoet));
    return poets;
}

std::vector<PoemEntry> loadPoemEntries(const store::NamingStore& store, std::string_view poet)
{
    std::vector<PoemEntry> poems;
    static const std::string sql = store::selectSql(store::kPoemTable, {col::kId, col::kTitle},
                                                    "where " + col::kAuthor.equalsParameter());
    store::StoreQuery query = store.Query(sql, {std::string(poet)});
    for (bool more = onRow(store, query); more; more = store.Step(query))
        poems.push_back({store.ColumnInt(query, col::kId), store.ColumnText(query, col::kTitle)});
    return poems;
}

std::optional<Poem> findPoem(const store::NamingStore& store, std::string_view poet, std::string_view title,
                             std::optional<std::int64_t> id)
{
    static const std::string byPoet =
        poemSql(col::kAuthor.equalsParameter() + " and " + col::kTitle.equalsParameter());
    static const std::string byId =
        poemSql(col::kId.equalsParameter() + " and " + col::kAuthor.equalsParameter() + " and " +
                col::kTitle.equalsParameter());
    const store::StoreQuery query = id ? store.Query(byId, {*id, std::string(poet), std::string(title)})
                                       : store.Query(byPoet, {std::string(poet), std::string(title)});
    std::optional<Poem> poem;
    if (onRow(store, query))
        poem = readPoem(store, query);
    return poem;
}

std::vector<std::string> poemBoxCharacters(std::string_view text)
{
    // Split by UTF-8 characters: for a GBK text the same as the GBK byte rule, and a character
    // outside GBK stays one character instead of two meaningless halves.
    std::vector<std::string> characters = text::utf8Characters(text);
    std::erase_if(characters, [](const std::string& c) { return c == "，" || c == "。"; });
    return characters;
}

bool startsTicked(std::string_view character, std::string_view marked)
{
    return contains(marked, character);
}

std::string poemCandidateText(const std::vector<std::string>& ticked, const std::string& surname)
{
    std::string text;
    for (const std::string& character : ticked)
        if (!contains(text, character))
            text += character;
    if (!contains(text, surname))
        text += surname;
    return text;
}

bool isPoemFunctionWord(std::string_view character)
{
    // The list holds whole UTF-8 characters only, so a found character is one of them.
    return !character.empty() && text::firstUtf8Character(character).size() == character.size() &&
           poemFunctionWords().find(character) != std::string_view::npos;
}

std::vector<std::pair<std::string, std::string>> poemNeighbourPairs(std::string_view text,
                                                                    const std::vector<std::string>& ticked)
{
    const std::set<std::string, std::less<>> usable(ticked.begin(), ticked.end());
    std::set<std::pair<std::string, std::string>> seen;
    std::vector<std::pair<std::string, std::string>> pairs;
    const std::vector<std::string> characters = text::utf8Characters(text);
    for (size_t i = 0; i + 1 < characters.size(); ++i) {
        std::pair<std::string, std::string> pair{characters[i], characters[i + 1]};
        if (pair.first != pair.second && usable.contains(pair.first) && usable.contains(pair.second) &&
            seen.insert(pair).second)
            pairs.push_back(std::move(pair));
    }
    return pairs;
}

std::string poetEchoes(std::string_view author, std::string_view surname)
{
    if (surname.empty() || author.size() <= surname.size() || !author.starts_with(surname))
        return {};
    return std::string(author.substr(surname.size()));
}

std::vector<FormedName> NamingRun::poemPairs(const std::vector<std::string>& ticked) const
{
    std::unordered_map<std::string_view, std::int32_t> indexOf;
    for (size_t i = 0; i < m_candidates.size(); ++i)
        indexOf.emplace(m_candidates.characters[i], static_cast<std::int32_t>(i));
    std::set<std::pair<std::int32_t, std::int32_t>> seen;
    std::vector<FormedName> names;
    const auto add = [&](std::int32_t a, std::int32_t b) {
        if (m_candidates.usable[static_cast<size_t>(a)] && seen.emplace(a, b).second)
            names.push_back({a, b});
    };
    // Neighbours in the poem first, then the real given names its ticked characters make.
    for (const auto& [first, second] : poemNeighbourPairs(m_request.poemText, ticked))
        add(indexOf.at(first), indexOf.at(second));
    const auto n = static_cast<std::int32_t>(m_candidates.size());
    for (std::int32_t a = 0; a < n; ++a)
        for (std::int32_t b = 0; b < n; ++b)
            if (m_likeness.isRealName(m_candidates.characters[static_cast<size_t>(a)] +
                                      m_candidates.characters[static_cast<size_t>(b)]))
                add(a, b);
    return names;
}

RunOutcome NamingRun::runPoem()
{
    std::vector<std::string> ticked = m_request.poemCharacters;
    std::erase_if(ticked, [](const std::string& c) { return isPoemFunctionWord(c); });
    std::erase_if(ticked, [echoes = poetEchoes(m_request.poemAuthor, m_request.surname)](
                              const std::string& c) { return echoes.find(c) != std::string::npos; });
    for (std::string& character : text::utf8Characters(poemCandidateText(ticked, m_request.surname)))
        m_candidates.add(std::move(character));
    const bool pairs = m_request.givenLength == 2 && !m_request.generation.fixesSecond() &&
                       !m_request.generation.fixesThird();
    if (!pairs) {
        if (!formCandidateNames())
            return RunOutcome::Stopped;
    } else {
        // Looked up as for one-character names; then only pairs a parent would read as a name.
        m_formed = FormNames(m_store, m_candidates, 1, {}, m_control,
                             [this](size_t done, size_t total) { progress(done, total); });
        if (m_control.stopped())
            return RunOutcome::Stopped;
        m_formed.names = poemPairs(ticked);
    }
    // Every formed name without the surname is listed, whatever its score.
    return listFormedNames({0, std::numeric_limits<size_t>::max()});
}

} // namespace naming
