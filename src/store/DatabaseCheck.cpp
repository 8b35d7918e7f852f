#include "store/DatabaseCheck.h"

#include <algorithm>
#include <vector>

namespace store {
namespace {

// The most strokes a character has (𪚥 has 64).
constexpr int kMaxStrokes = 64;

// Characters whose counts no source disputes: simplified, then traditional (Kangxi) strokes.
struct KnownCharacter
{
    const char* character;
    int simplified;
    int traditional;
};
constexpr KnownCharacter kKnownCharacters[] = {
    {"王", 4, 4}, {"明", 8, 8}, {"李", 7, 7}, {"华", 6, 14}, {"张", 7, 11},
};

// The rows a full database holds of each table: far from the real counts on both sides, so that a
// rebuilt database passes and an emptied or runaway table does not.
struct RowBounds
{
    std::string_view table;
    long long least;
    long long most;
};
constexpr RowBounds kRowBounds[] = {
    {kCharacterTable, 3000, 200000},   {kThreeTalentTable, 125, 125}, {kNumberTable, 81, 81},
    {kEnglishNameTable, 1000, 200000}, {kPoetTable, 100, 100000},     {kPoemTable, 1000, 2000000},
    {kParentingTable, 1, 100000},      {kFortuneTable, 1, 100000},    {kSurnameTable, 100, 100000},
};

std::string damaged(std::string_view table, const std::string& why)
{
    return "数据库已损坏，表 " + std::string(table) + "：" + why;
}

long long countOf(const NamingStore& store, const std::string& sql,
                  std::initializer_list<QueryValue> values = {})
{
    const StoreQuery query = store.loaderQuery(sql, values);
    return store.ColumnInt(query, 0);
}

std::string quoted(std::string_view name)
{
    return "“" + std::string(name) + "”";
}

std::optional<std::string> checkRowCounts(const NamingStore& store)
{
    for (const RowBounds& bounds : kRowBounds) {
        const long long rows = countOf(store, "select count(*) from " + std::string(bounds.table));
        if (rows >= bounds.least && rows <= bounds.most)
            continue;
        const std::string wanted =
            bounds.least == bounds.most
                ? "应有 " + std::to_string(bounds.least) + " 行"
                : "应在 " + std::to_string(bounds.least) + " 到 " + std::to_string(bounds.most) + " 行之间";
        return damaged(bounds.table, "有 " + std::to_string(rows) + " 行，" + wanted);
    }
    return std::nullopt;
}

std::optional<std::string> checkNumbers(const NamingStore& store, bool sample)
{
    const std::string table(kNumberTable);
    const std::string id(number::kId.name);
    const long long rows = countOf(store, "select count(*) from " + table);
    const long long inRange = countOf(store, "select count(distinct " + id + ") from " + table + " where " +
                                                 id + " between 1 and 81");
    if (rows != inRange || (!sample && rows != 81))
        return damaged(table, "应正好是数理 1 到 81 各一行（现有 " + std::to_string(rows) + " 行，其中 " +
                                  std::to_string(inRange) + " 个不同的数在 1 到 81 之间）");
    return std::nullopt;
}

std::optional<std::string> checkStrokes(const NamingStore& store, bool sample)
{
    const std::string table(kCharacterTable);
    const std::string simplified(cnword::kSimplifiedStrokes.name);
    const std::string traditional(cnword::kTraditionalStrokes.name);
    const std::string range = " between 0 and " + std::to_string(kMaxStrokes);
    const long long outside =
        countOf(store, "select count(*) from " + table + " where not (ifnull(" + simplified + ",0)" + range +
                           " and ifnull(" + traditional + ",0)" + range + ")");
    if (outside > 0)
        return damaged(table, std::to_string(outside) + " 个字的笔画数不在 0 到 " +
                                  std::to_string(kMaxStrokes) + " 之间");
    const std::string lookup = "select " + simplified + ", " + traditional + " from " + table + " where " +
                               std::string(cnword::kCharacter.name) + "=?";
    for (const KnownCharacter& known : kKnownCharacters) {
        const StoreQuery query = store.loaderQuery(lookup, {std::string(known.character)});
        const bool found = store.hasRow(query);
        const int s = store.ColumnInt(query, cnword::kSimplifiedStrokes);
        const int t = store.ColumnInt(query, cnword::kTraditionalStrokes);
        // A sample may hold a character without its counts; a full database holds every one of these.
        if (sample && (!found || (s == 0 && t == 0)))
            continue;
        if (!found)
            return damaged(table, "没有" + quoted(known.character) + "字");
        if (s != known.simplified || t != known.traditional)
            return damaged(table, quoted(known.character) + "的笔画数是简体 " + std::to_string(s) +
                                      "、繁体 " + std::to_string(t) + "，应为简体 " +
                                      std::to_string(known.simplified) + "、繁体 " +
                                      std::to_string(known.traditional) + "（笔画数的列可能对调了）");
    }
    if (sample)
        return std::nullopt;
    // A traditional form never has fewer strokes, but for a handful of characters whose Kangxi radical is
    // counted short: a tenth of them with more simplified strokes means the columns are swapped.
    const long long rows = countOf(store, "select count(*) from " + table);
    const long long more =
        countOf(store, "select count(*) from " + table + " where " + simplified + " > " + traditional);
    if (more * 10 > rows)
        return damaged(table,
                       std::to_string(more) + " 个字的简体笔画数多于繁体（简体和繁体笔画数的列可能对调了）");
    return std::nullopt;
}

} // namespace

std::optional<std::string> checkFileColumns(const NamingStore& store, std::string_view alias,
                                            const TableLayout& layout)
{
    std::vector<std::string> columns;
    StoreQuery query = store.loaderQuery("select name from pragma_table_info(?, ?) order by cid",
                                         {std::string(layout.name), std::string(alias)});
    for (bool row = store.hasRow(query); row; row = store.Step(query))
        columns.push_back(store.ColumnText(query, 0));
    if (columns.empty())
        return std::nullopt;
    for (size_t i = 0; i < layout.columns.size(); ++i) {
        const std::string& wanted = layout.columns[i].name;
        if (std::find(columns.begin(), columns.end(), wanted) == columns.end())
            return damaged(layout.name, "缺少列" + quoted(wanted));
        if (i >= columns.size() || columns[i] != wanted)
            return damaged(layout.name, "第 " + std::to_string(i + 1) + " 列应为" + quoted(wanted) +
                                            "，文件中是" +
                                            quoted(i < columns.size() ? columns[i] : std::string()));
    }
    if (columns.size() > layout.columns.size())
        return damaged(layout.name, "有程序不认识的列" + quoted(columns[layout.columns.size()]));
    return std::nullopt;
}

bool isSampleDatabase(const NamingStore& store, std::string_view alias)
{
    const StoreQuery query = store.loaderQuery("PRAGMA " + std::string(alias) + ".application_id");
    return store.ColumnInt(query, 0) == kSampleDatabaseId;
}

std::optional<std::string> checkPlausibility(const NamingStore& store, bool sample)
{
    // The numbers first: their message says what the table must hold.
    if (auto why = checkNumbers(store, sample))
        return why;
    if (!sample)
        if (auto why = checkRowCounts(store))
            return why;
    return checkStrokes(store, sample);
}

} // namespace store
