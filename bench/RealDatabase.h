#pragma once

// The real database of the benchmarks: NESTLING_DB, or data/namedata.db beside the executable, loaded
// once per process.
#include "store/Folders.h"
#include "store/LoadNamingDatabase.h"

#include <cstdlib>

namespace bench {

class NullSink : public core::MessageSink
{
public:
    void showMessage(const core::Message&) override {}
};

// The loaded store, or null when there is no database to load.
inline const store::NamingStore* loadedStore()
{
    static store::NamingStore namingStore;
    static const bool ready = [] {
        const char* env = std::getenv("NESTLING_DB");
        const auto file =
            env ? std::filesystem::path(env) : store::defaultDatabaseFile(store::programFolder());
        NullSink sink;
        return store::LoadNamingDatabase(namingStore, file, sink) == store::LoadState::Ready;
    }();
    return ready ? &namingStore : nullptr;
}

} // namespace bench
