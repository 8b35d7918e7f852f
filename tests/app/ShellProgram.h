#pragma once

// One start of the program's shell on the fake window system, in a folder the test gives; the
// database load is replaced by a counter.
#include "app/Shell.h"
#include "app/testing/FakeHost.h"
#include "store/NamingStore.h"

#include <filesystem>
#include <string>

namespace app::testing {

struct ShellProgram
{
    explicit ShellProgram(const std::filesystem::path& root, const std::string& lockName = "nestling.lock")
        : shell(host, store, {root / "program", root / "config", root / lockName})
    {
        shell.hooks().startDatabaseLoad = [this] { ++loads; };
    }

    FakeHost host;
    store::NamingStore store;
    Shell shell;
    int loads = 0;
};

} // namespace app::testing
