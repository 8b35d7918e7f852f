#include "store/Folders.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(Folders, ProgramFolderIsBesideTheExecutableOrInTheInstalledShareFolder)
{
    TempDir dir;
    const fs::path build = dir.path() / "build" / "bin";
    fs::create_directories(build / "data");
    EXPECT_EQ(store::programFolderOf(build), build);

    const fs::path prefix = dir.path() / "prefix";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "share" / "nestling" / "data");
    EXPECT_EQ(store::programFolderOf(prefix / "bin"), prefix / "share" / "nestling");
    EXPECT_TRUE(store::isInstalledTree(store::programFolderOf(prefix / "bin")));

    // Neither: the executable's folder, where a missing database is then reported.
    const fs::path bare = dir.path() / "bare";
    fs::create_directories(bare);
    EXPECT_EQ(store::programFolderOf(bare), bare);
    EXPECT_FALSE(store::isInstalledTree(bare));
}

TEST(Folders, UserDataFolderFollowsXdgDataHome)
{
    const ScopedEnv home("HOME", "someone-home");
    {
        const ScopedEnv xdg("XDG_DATA_HOME", "/var/xdg");
        EXPECT_EQ(store::userDataFolder(), fs::path("/var/xdg/nestling"));
    }
    // Unset, empty or relative: the default under the home folder.
    for (const char* value : {static_cast<const char*>(nullptr), "", "relative/path"}) {
        const ScopedEnv xdg("XDG_DATA_HOME", value);
        EXPECT_EQ(store::userDataFolder(), fs::path("someone-home/.local/share/nestling"));
    }
}

TEST(Folders, WrittenFilesGoToTheBuildsDataFolderElseToTheUsersFolder)
{
    TempDir dir;
    const ScopedEnv xdg("XDG_DATA_HOME", (dir.path() / "xdg").c_str());
    const fs::path user = dir.path() / "xdg" / "nestling";

    // A build: data/ beside the executable, writable (also before data/ exists).
    const fs::path build = dir.path() / "build";
    fs::create_directories(build);
    EXPECT_EQ(store::writeFolder(build), build / "data");
    EXPECT_EQ(store::writeFolder(build / "not" / "made"), build / "not" / "made" / "data");
    EXPECT_FALSE(fs::exists(user));

    // An installed tree is never written into, even when it could be; the user's folder is made.
    const fs::path installed = dir.path() / "usr" / "share" / "nestling";
    fs::create_directories(installed / "data");
    EXPECT_EQ(store::writeFolder(installed), user);
    EXPECT_TRUE(fs::is_directory(user));

    // A build folder the user cannot write to (the permission does not stop root).
    if (::geteuid() != 0) {
        const fs::path locked = dir.path() / "locked";
        fs::create_directories(locked / "data");
        fs::permissions(locked / "data", fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(store::writeFolder(locked), user);
        fs::permissions(locked / "data", fs::perms::owner_all);
    }
}

} // namespace
