#include "app/ControlNames.h"
#include "app/Shell.h"
#include "app/testing/FakeHost.h"
#include "store/LoadNamingDatabase.h"
#include "store/NamingStore.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

namespace app {
namespace {

using testing::FakeHost;

// The database load at the end of start-up as the program runs it: LoadNamingDatabase on a thread of its own.
TEST(StartUpLoad, LoadsTheDatabaseBesideTheProgramOnItsOwnThread)
{
    testing_support::TempDir temp;
    std::filesystem::create_directories(temp.path() / "program" / "data");
    testing_support::makeNamingFixture(store::defaultDatabaseFile(temp.path() / "program"));
    FakeHost host;
    store::NamingStore store;
    Shell shell(host, store, {temp.path() / "program", temp.path() / "config", temp.path() / "lock"});
    ASSERT_TRUE(shell.startUp());
    EXPECT_TRUE(host.mainShown()) << "the window shows before the load ends";
    shell.waitForDatabaseLoad();
    EXPECT_EQ(store.loadState(), store::LoadState::Ready);
    host.runPosted();
    EXPECT_TRUE(host.messages().empty());
}

TEST(StartUpLoad, AFailedLoadIsShownOnTheWindowThreadAndTheWindowStaysUsable)
{
    testing_support::TempDir temp;
    FakeHost host;
    store::NamingStore store;
    Shell shell(host, store, {temp.path() / "program", temp.path() / "config", temp.path() / "lock"});
    ASSERT_TRUE(shell.startUp());
    shell.waitForDatabaseLoad();
    EXPECT_EQ(store.loadState(), store::LoadState::Failed);
    EXPECT_TRUE(host.messages().empty()) << "nothing is shown from the loader thread itself";
    EXPECT_GE(host.runPosted(), 1);
    ASSERT_FALSE(host.messages().empty());
    EXPECT_EQ(host.messages()[0].caption, store::kLoadCaption);
    EXPECT_EQ(host.messages()[0].icon, core::MessageIcon::Stop);
    shell.ShowPage(kToolEvaluation);
    EXPECT_EQ(host.main().currentPage(names::高级选择夹1), kPageEvaluation);
}

} // namespace
} // namespace app
