#include "quality/NameChecker.h"

#include "store/NamingStore.h"

namespace quality {
namespace {

// Reads the value from an open store (a lookup made while the store loads waits for the load); before
// the store is opened an empty value stands in and nothing is kept, so a later call reads the tables.
template <typename T, typename Make>
const T& loadOnce(std::mutex& mutex, std::shared_ptr<const T>& slot, const store::NamingStore& store,
                  Make make)
{
    static const T kEmpty;
    std::lock_guard lock(mutex);
    if (slot)
        return *slot;
    if (!store.isOpen())
        return kEmpty;
    slot = std::make_shared<const T>(make(store));
    return *slot;
}

} // namespace

const QualityData& NameChecker::data() const
{
    return loadOnce(m_mutex, m_data, m_store, &QualityData::load);
}

const PoemIndex& NameChecker::poems() const
{
    return loadOnce(m_mutex, m_poems, m_store, &PoemIndex::build);
}

NameQuality NameChecker::check(std::string_view surname, std::string_view given, bool withSource) const
{
    NameQuality out = data().check(surname, given);
    // A line is the name's source only when it holds the name as written: characters far apart in
    // a line (长子建谋兴大逆 for 建兴) are no source.
    if (withSource)
        if (std::optional<SourceLine> line = poems().find(given);
            line && line->line.find(given) != std::string::npos)
            out.source = std::move(line);
    return out;
}

} // namespace quality
