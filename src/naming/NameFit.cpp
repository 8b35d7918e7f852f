// NameLikeness: how name-like a given name is, from real given names.
#include "naming/CharacterLists.h"
#include "naming/NameLikeness.h"
#include "store/NamingStore.h"
#include "store/TableLayouts.h"
#include "text/Utf8.h"

#include <vector>

namespace naming {
namespace {

constexpr std::string_view kNameKind = "常见名";
constexpr std::string_view kFirstKind = "名首字";
constexpr std::string_view kLastKind = "名末字";

} // namespace

void NameLikeness::addName(std::string_view given, int count)
{
    m_names[std::string(given)] += count;
}

void NameLikeness::addPlace(std::string_view character, bool first, int count)
{
    (first ? m_first : m_last)[std::string(character)] += count;
}

int NameLikeness::countOf(const Counts& counts, std::string_view key)
{
    const auto it = counts.find(key);
    return it == counts.end() ? 0 : it->second;
}

int NameLikeness::realNames(std::string_view given) const
{
    return countOf(m_names, given);
}

int NameLikeness::namesUsing(std::string_view character) const
{
    return countOf(m_first, character) + countOf(m_last, character);
}

std::uint8_t NameLikeness::fit(std::string_view given) const
{
    const std::string_view first = text::firstUtf8Character(given);
    const std::string_view second = text::firstUtf8Character(given.substr(first.size()));
    if (second.empty())
        return countOf(m_first, first) >= kCommonAtPlace || countOf(m_last, first) >= kCommonAtPlace
                   ? kCommonCharacters
                   : kUnsupported;
    if (realNames(given) >= kRealNameWitnesses)
        return kRealName;
    return countOf(m_first, first) >= kCommonAtPlace && countOf(m_last, second) >= kCommonAtPlace
               ? kCommonCharacters
               : kUnsupported;
}

NameLikeness NameLikeness::fromClassicLists()
{
    NameLikeness model;
    for (const std::string_view list : {classicTwoCharacterBoys(), classicTwoCharacterGirls()})
        for (const std::string& entry : text::splitText(list, ",")) {
            const std::vector<std::string> name = text::utf8Characters(entry);
            if (name.size() != 2 || model.realNames(entry) > 0)
                continue;
            model.addName(entry, kRealNameWitnesses);
            model.addPlace(name[0], true, 1);
            model.addPlace(name[1], false, 1);
        }
    return model;
}

NameLikeness NameLikeness::load(const store::NamingStore& store)
{
    namespace col = store::namecheck;
    static const std::string sql =
        store::selectSql(store::kNameCheckTable, {col::kKind, col::kWord, col::kLevel},
                         "where " + std::string(col::kKind.name) + " in ('常见名', '名首字', '名末字')");
    NameLikeness model;
    store::StoreQuery q = store.Query(sql);
    while (store.hasRow(q)) {
        const std::string kind = store.ColumnText(q, col::kKind);
        const std::string word = store.ColumnText(q, col::kWord);
        const int count = static_cast<int>(store.ColumnInt(q, col::kLevel));
        if (kind == kNameKind)
            model.addName(word, count);
        else if (kind == kFirstKind || kind == kLastKind)
            model.addPlace(word, kind == kFirstKind, count);
        store.Step(q);
    }
    return model.empty() ? fromClassicLists() : model;
}

} // namespace naming
