#include "naming/PoemBooks.h"

#include "store/TableLayouts.h"

#include <algorithm>
#include <array>

namespace naming {
namespace {

namespace tang = store::poem;
namespace classic = store::classic;

// The classic books in the order the poem page offers them; a book not named here follows them.
constexpr std::array<std::string_view, 4> kClassicOrder = {"诗经", "楚辞", "宋词", "论语"};

std::string name(store::Column column)
{
    return std::string(column.name);
}

// Every row has an Id, so its text tells a row from the end of the result.
bool onRow(const store::NamingStore& store, const store::StoreQuery& query, store::Column id)
{
    return !store.ColumnText(query, id).empty();
}

std::string classicPoemSql(std::string_view where)
{
    return store::selectSql(
        store::kClassicTable,
        {classic::kId, classic::kTitle, classic::kAuthor, classic::kText, classic::kMarked},
        std::string(where) + " order by " + name(classic::kId) + " limit 1");
}

Poem readClassicPoem(const store::NamingStore& store, const store::StoreQuery& query)
{
    return {store.ColumnInt(query, classic::kId), store.ColumnText(query, classic::kTitle),
            store.ColumnText(query, classic::kAuthor), store.ColumnText(query, classic::kText),
            store.ColumnText(query, classic::kMarked)};
}

std::optional<Poem> firstClassicPoem(const store::NamingStore& store, const std::string& sql,
                                     std::initializer_list<store::QueryValue> values)
{
    const store::StoreQuery query = store.Query(sql, values);
    if (!onRow(store, query, classic::kId))
        return std::nullopt;
    return readClassicPoem(store, query);
}

// A LIKE pattern that finds `words` anywhere, with its own % _ and \ taken as they are.
std::string containsPattern(std::string_view words)
{
    std::string pattern = "%";
    for (const char c : words) {
        if (c == '%' || c == '_' || c == '\\')
            pattern += '\\';
        pattern += c;
    }
    return pattern + "%";
}

} // namespace

bool isTangBook(std::string_view book)
{
    return book.empty() || book == kTangBook;
}

std::vector<Book> loadBooks(const store::NamingStore& store)
{
    std::vector<Book> books;
    {
        const store::StoreQuery query = store.Query("select count(*) from " + std::string(store::kPoemTable));
        books.push_back({std::string(kTangBook), store.ColumnInt(query, 0)});
    }
    std::vector<Book> classics;
    static const std::string sql = "select " + name(classic::kBook) + ", count(*) from " +
                                   std::string(store::kClassicTable) + " group by " + name(classic::kBook) +
                                   " order by min(" + name(classic::kId) + ")";
    store::StoreQuery query = store.Query(sql);
    for (bool more = store.hasRow(query); more; more = store.Step(query))
        classics.push_back({store.ColumnText(query, 0), store.ColumnInt(query, 1)});
    const auto rank = [](const Book& book) {
        return std::find(kClassicOrder.begin(), kClassicOrder.end(), book.name) - kClassicOrder.begin();
    };
    std::stable_sort(classics.begin(), classics.end(),
                     [&](const Book& a, const Book& b) { return rank(a) < rank(b); });
    books.insert(books.end(), classics.begin(), classics.end());
    return books;
}

std::vector<std::string> loadBookGroups(const store::NamingStore& store, std::string_view book)
{
    if (isTangBook(book))
        return loadPoetNames(store);
    std::vector<std::string> groups;
    static const std::string sql = "select " + name(classic::kGroup) + " from " +
                                   std::string(store::kClassicTable) + " where " +
                                   classic::kBook.equalsParameter() + " group by " + name(classic::kGroup) +
                                   " order by min(" + name(classic::kId) + ")";
    store::StoreQuery query = store.Query(sql, {std::string(book)});
    for (bool more = store.hasRow(query); more; more = store.Step(query))
        groups.push_back(store.ColumnText(query, 0));
    return groups;
}

std::vector<PoemEntry> loadBookPoems(const store::NamingStore& store, std::string_view book,
                                     std::string_view group)
{
    if (isTangBook(book))
        return loadPoemEntries(store, group);
    std::vector<PoemEntry> poems;
    static const std::string sql =
        store::selectSql(store::kClassicTable, {classic::kId, classic::kTitle},
                         "where " + classic::kBook.equalsParameter() + " and " +
                             classic::kGroup.equalsParameter() + " order by " + name(classic::kId));
    store::StoreQuery query = store.Query(sql, {std::string(book), std::string(group)});
    for (bool more = onRow(store, query, classic::kId); more; more = store.Step(query))
        poems.push_back({store.ColumnInt(query, classic::kId), store.ColumnText(query, classic::kTitle)});
    return poems;
}

std::optional<Poem> findBookPoem(const store::NamingStore& store, std::string_view book,
                                 std::string_view title)
{
    if (isTangBook(book) || title.empty())
        return std::nullopt;
    const std::string where = "where " + classic::kBook.equalsParameter() + " and ";
    static const std::string exact = classicPoemSql(where + classic::kTitle.equalsParameter());
    static const std::string byEnd = classicPoemSql(where + name(classic::kTitle) + " like ? escape '\\'");
    const std::string bookText(book);
    if (auto poem = firstClassicPoem(store, exact, {bookText, std::string(title)}))
        return poem;
    // The last part of a title, then its first part: "·关雎" ends a 诗经 title, "水调歌头·" starts a ci's.
    const std::string pattern = containsPattern("·" + std::string(title));
    if (auto poem = firstClassicPoem(store, byEnd, {bookText, pattern.substr(0, pattern.size() - 1)}))
        return poem;
    const std::string start = containsPattern(std::string(title) + "·");
    return firstClassicPoem(store, byEnd, {bookText, start.substr(1)});
}

std::optional<Poem> bookPoemById(const store::NamingStore& store, std::string_view book, std::int64_t id)
{
    if (!isTangBook(book)) {
        static const std::string sql = classicPoemSql("where " + classic::kBook.equalsParameter() + " and " +
                                                      classic::kId.equalsParameter());
        return firstClassicPoem(store, sql, {std::string(book), id});
    }
    static const std::string sql = store::selectSql(
        store::kPoemTable, {tang::kId, tang::kTitle, tang::kAuthor, tang::kText, tang::kMarked},
        "where " + tang::kId.equalsParameter());
    const store::StoreQuery query = store.Query(sql, {id});
    if (!onRow(store, query, tang::kId))
        return std::nullopt;
    return Poem{store.ColumnInt(query, tang::kId), store.ColumnText(query, tang::kTitle),
                store.ColumnText(query, tang::kAuthor), store.ColumnText(query, tang::kText),
                store.ColumnText(query, tang::kMarked)};
}

std::vector<PoemMatch> searchBookPoems(const store::NamingStore& store, std::string_view book,
                                       std::string_view words, size_t limit)
{
    std::vector<PoemMatch> matches;
    if (words.empty())
        return matches;
    const bool tangBook = isTangBook(book);
    const std::string table(tangBook ? store::kPoemTable : store::kClassicTable);
    const store::Column id = tangBook ? tang::kId : classic::kId;
    const store::Column title = tangBook ? tang::kTitle : classic::kTitle;
    const store::Column group = tangBook ? tang::kAuthor : classic::kGroup;
    const store::Column text = tangBook ? tang::kText : classic::kText;
    const std::string like = " like ? escape '\\'";
    const std::string sql =
        "select " + name(id) + ", " + name(title) + ", " + name(group) + " from " + table + " where " +
        (tangBook ? std::string() : classic::kBook.equalsParameter() + " and ") + "(" + name(title) + like +
        " or " + name(text) + like + ") order by " + name(id) + " limit ?";
    const std::string pattern = containsPattern(words);
    std::vector<store::QueryValue> values;
    if (!tangBook)
        values.emplace_back(std::string(book));
    values.insert(values.end(), {pattern, pattern, static_cast<std::int64_t>(limit)});
    store::StoreQuery query = store.Query(sql, values);
    for (bool more = store.hasRow(query); more; more = store.Step(query))
        matches.push_back(
            {store.ColumnInt(query, 0), store.ColumnText(query, 1), store.ColumnText(query, 2)});
    return matches;
}

} // namespace naming
