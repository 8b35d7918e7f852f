#pragma once

#include "quality/PoemIndex.h"
#include "quality/QualityData.h"

#include <memory>
#include <mutex>

namespace store {
class NamingStore;
}

namespace quality {

// The name check over one store: the word and character data and the poem index are read on first
// use (the index takes a moment, so lists that never ask for a source never build it) and kept. Safe
// to use from the window thread and a naming worker at once. Nothing is kept while the store is not
// open yet, so an early call does not leave the check empty for good.
class NameChecker
{
public:
    explicit NameChecker(const store::NamingStore& store) : m_store(store) {}
    NameChecker(const NameChecker&) = delete;
    NameChecker& operator=(const NameChecker&) = delete;

    const QualityData& data() const;
    const PoemIndex& poems() const;

    // Everything about surname + given name, with the source line when `withSource`.
    NameQuality check(std::string_view surname, std::string_view given, bool withSource = true) const;
    std::uint8_t marks(std::string_view surname, std::string_view given) const
    {
        return data().marks(surname, given);
    }

private:
    const store::NamingStore& m_store;
    mutable std::mutex m_mutex;
    mutable std::shared_ptr<const QualityData> m_data;
    mutable std::shared_ptr<const PoemIndex> m_poems;
};

} // namespace quality
