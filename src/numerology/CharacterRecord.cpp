#include "numerology/CharacterRecord.h"

#include "store/TableLayouts.h"
#include "text/Utf8.h"

#include <algorithm>

namespace numerology {
namespace {

// A count no character has (a damaged or hand-edited database) would overflow the grid sums: such a
// row is read as no row, and the character is unusable.
void dropImplausibleCounts(CharacterRecord& record)
{
    const auto plausible = [](int strokes) { return strokes >= 0 && strokes <= kMaxStrokes; };
    if (!plausible(record.simplifiedStrokes) || !plausible(record.traditionalStrokes)) {
        record.simplifiedStrokes = 0;
        record.traditionalStrokes = 0;
        record.element.clear();
    }
}

} // namespace

CharacterRecord LookupCharacter(const store::NamingStore& store, std::string_view character,
                                LookupDetail detail)
{
    namespace col = store::cnword;
    CharacterRecord record;
    record.character = std::string(character);
    static const std::string sql = store::selectSql(
        store::kCharacterTable,
        {col::kSimplifiedStrokes, col::kTraditionalStrokes, col::kElement, col::kTraditional, col::kPinyin},
        "where " + col::kCharacter.equalsParameter());
    store::StoreQuery query = store.Query(sql, {record.character});
    record.simplifiedStrokes = store.ColumnInt(query, col::kSimplifiedStrokes);
    record.traditionalStrokes = store.ColumnInt(query, col::kTraditionalStrokes);
    record.element = store.ColumnText(query, col::kElement);
    dropImplausibleCounts(record);
    if (detail == LookupDetail::Report) {
        record.traditionalForm = store.ColumnText(query, col::kTraditional);
        record.pinyin = store.ColumnText(query, col::kPinyin);
    }
    return record;
}

std::string unscorableCharacter(const store::NamingStore& store, std::string_view name)
{
    for (const std::string& character : text::utf8Characters(name)) {
        const CharacterRecord record = LookupCharacter(store, character);
        if (record.simplifiedStrokes == 0 || record.traditionalStrokes == 0)
            return character;
    }
    return {};
}

std::string unscorableMessage(std::string_view character)
{
    return "字典中没有“" + std::string(character) + "”，无法评分";
}

std::vector<CharacterRecord> lookupCharacters(const store::NamingStore& store,
                                              std::span<const std::string> characters)
{
    namespace col = store::cnword;
    // Fixed-size chunks keep the statement text the same, so it is prepared once; the last chunk is
    // padded by repeating a character. Rows come in table order, so the first row of a character is
    // the one its own lookup would find.
    constexpr size_t kChunk = 128;
    static const std::string sql = [] {
        std::string where = "where " + std::string(col::kCharacter.name) + " in (?";
        for (size_t i = 1; i < kChunk; ++i)
            where += ",?";
        return store::selectSql(
            store::kCharacterTable,
            {col::kCharacter, col::kSimplifiedStrokes, col::kTraditionalStrokes, col::kElement},
            where + ") order by rowid");
    }();
    std::unordered_map<std::string, CharacterRecord> found;
    std::vector<store::QueryValue> values;
    for (size_t start = 0; start < characters.size(); start += kChunk) {
        values.clear();
        for (size_t i = 0; i < kChunk; ++i)
            values.emplace_back(characters[std::min(start + i, characters.size() - 1)]);
        store::StoreQuery query = store.Query(sql, values);
        for (bool row = store.hasRow(query); row; row = store.Step(query)) {
            CharacterRecord record;
            record.character = store.ColumnText(query, col::kCharacter);
            if (found.contains(record.character))
                continue;
            record.simplifiedStrokes = store.ColumnInt(query, col::kSimplifiedStrokes);
            record.traditionalStrokes = store.ColumnInt(query, col::kTraditionalStrokes);
            record.element = store.ColumnText(query, col::kElement);
            dropImplausibleCounts(record);
            found.emplace(record.character, std::move(record));
        }
    }
    std::vector<CharacterRecord> out;
    out.reserve(characters.size());
    for (const std::string& character : characters) {
        const auto it = found.find(character);
        if (it != found.end()) {
            out.push_back(it->second);
        } else {
            CharacterRecord none;
            none.character = character;
            out.push_back(std::move(none));
        }
    }
    return out;
}

void CharacterCache::add(CharacterRecord record)
{
    m_first.try_emplace(record.character, m_records.size());
    m_records.push_back(std::move(record));
}

void CharacterCache::clear()
{
    m_records.clear();
    m_first.clear();
}

const CharacterRecord* CharacterCache::FindCharacter(std::string_view character) const
{
    const auto it = m_first.find(std::string(character));
    return it == m_first.end() ? nullptr : &m_records[it->second];
}

} // namespace numerology
