#include "naming/PoemNames.h"

#include "naming/NamingRun.h"
#include "text/Utf8.h"

#include <limits>

namespace naming {
namespace {

// Columns of XW_全唐诗 and XW_Poet.
constexpr int kIdColumn = 0;
constexpr int kTitleColumn = 1;
constexpr int kAuthorColumn = 2;
constexpr int kTextColumn = 3;
constexpr int kMarkedColumn = 4;
constexpr int kPoetColumn = 1;

// Every row of both tables has an Id, so its text tells a row from the end of the result.
bool onRow(const store::NamingStore& store, const store::StoreQuery& query)
{
    return !store.ColumnText(query, kIdColumn).empty();
}

Poem readPoem(const store::NamingStore& store, const store::StoreQuery& query)
{
    return {store.ColumnInt(query, kIdColumn), store.ColumnText(query, kTitleColumn),
            store.ColumnText(query, kAuthorColumn), store.ColumnText(query, kTextColumn),
            store.ColumnText(query, kMarkedColumn)};
}

bool contains(std::string_view text, std::string_view part)
{
    return !part.empty() && text.find(part) != std::string_view::npos;
}

} // namespace

std::vector<std::string> LoadPoetNames(const store::NamingStore& store)
{
    std::vector<std::string> poets;
    store::StoreQuery query = store.Query("select * from XW_Poet order by OrderId ASC");
    for (bool more = onRow(store, query); more; more = store.Step(query))
        poets.push_back(store.ColumnText(query, kPoetColumn));
    store.Finalize(query);
    return poets;
}

std::vector<PoemEntry> LoadPoemEntries(const store::NamingStore& store, std::string_view poet)
{
    std::vector<PoemEntry> poems;
    store::StoreQuery query = store.Query("select * from XW_全唐诗 where 作者=?", {std::string(poet)});
    for (bool more = onRow(store, query); more; more = store.Step(query))
        poems.push_back({store.ColumnInt(query, kIdColumn), store.ColumnText(query, kTitleColumn)});
    store.Finalize(query);
    return poems;
}

std::optional<Poem> FindPoem(const store::NamingStore& store, std::string_view poet, std::string_view title,
                             std::optional<std::int64_t> id)
{
    store::StoreQuery query = id ? store.Query("select * from XW_全唐诗 where Id=? and 作者=? and 标题=?",
                                               {*id, std::string(poet), std::string(title)})
                                 : store.Query("select * from XW_全唐诗 where 作者=? and 标题=?",
                                               {std::string(poet), std::string(title)});
    std::optional<Poem> poem;
    if (onRow(store, query))
        poem = readPoem(store, query);
    store.Finalize(query);
    return poem;
}

std::vector<std::string> PoemBoxCharacters(std::string_view text)
{
    // Split by UTF-8 characters: for a GBK text the same as the GBK byte rule, and a character
    // outside GBK stays one character instead of two meaningless halves.
    std::vector<std::string> characters = text::utf8Characters(text);
    std::erase_if(characters, [](const std::string& c) { return c == "，" || c == "。"; });
    return characters;
}

bool StartsTicked(std::string_view character, std::string_view marked)
{
    return contains(marked, character);
}

std::string PoemCandidateText(const std::vector<std::string>& ticked, const std::string& surname)
{
    std::string text;
    for (const std::string& character : ticked)
        if (!contains(text, character))
            text += character;
    if (!contains(text, surname))
        text += surname;
    return text;
}

RunOutcome NamingRun::runPoem()
{
    for (std::string& character :
         text::utf8Characters(PoemCandidateText(m_request.poemCharacters, m_request.surname)))
        m_candidates.add(std::move(character));
    if (!formCandidateNames())
        return RunOutcome::Stopped;
    // Every formed name without the surname is listed, whatever its score.
    return listFormedNames({0, std::numeric_limits<size_t>::max()});
}

} // namespace naming
