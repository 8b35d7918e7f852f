#include "numerology/CharacterRecord.h"

#include "store/TableLayouts.h"

namespace numerology {

CharacterRecord LookupCharacter(const store::NamingStore& store, std::string_view character,
                                LookupDetail detail)
{
    namespace col = store::cnword;
    CharacterRecord record;
    record.character = std::string(character);
    store::StoreQuery query = store.Query("select * from XW_CNWord where 汉字=?", {record.character});
    record.simplifiedStrokes = store.ColumnInt(query, col::kSimplifiedStrokes);
    record.traditionalStrokes = store.ColumnInt(query, col::kTraditionalStrokes);
    record.element = store.ColumnText(query, col::kElement);
    // A count no character has (a damaged or hand-edited database) would overflow the grid sums: such a
    // row is read as no row, and the character is unusable.
    const auto plausible = [](int strokes) { return strokes >= 0 && strokes <= kMaxStrokes; };
    if (!plausible(record.simplifiedStrokes) || !plausible(record.traditionalStrokes)) {
        record.simplifiedStrokes = 0;
        record.traditionalStrokes = 0;
        record.element.clear();
    }
    if (detail == LookupDetail::Report) {
        record.traditionalForm = store.ColumnText(query, col::kTraditional);
        record.pinyin = store.ColumnText(query, col::kPinyin);
    }
    store.Finalize(query);
    return record;
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
