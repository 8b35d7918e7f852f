#include "text/Files.h"
#include "support/Fixture.h"
#include "support/SpecialFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using testing_support::characterDevice;
using testing_support::isRoot;
using testing_support::makeSocket;
using testing_support::readFifo;

TEST(Files, EveryKindOfTargetIsWrittenAsWhatItIsOrRefused)
{
    testing_support::TempDir dir;
    const std::string bytes(100000, 'x'); // more than a pipe holds at once
    std::future<std::string> reader;
    const struct Case
    {
        const char* what;
        std::function<fs::path()> make; // makes the target, returns the name written to
        const char* refusal;            // part of the message, or nullptr when the write succeeds
        fs::file_type after;            // of the name itself afterwards
        std::function<std::string(const fs::path&)> written; // the bytes the target received
    } cases[] = {
        {"regular file",
         [&] {
             std::ofstream(dir.path() / "old.wav") << "old";
             return dir.path() / "old.wav";
         },
         nullptr, fs::file_type::regular, testing_support::readFile},
        {"new file", [&] { return dir.path() / "new.wav"; }, nullptr, fs::file_type::regular,
         testing_support::readFile},
        {"link to a file",
         [&] {
             std::ofstream(dir.path() / "real.wav") << "old";
             fs::create_symlink("real.wav", dir.path() / "link.wav");
             return dir.path() / "link.wav";
         },
         nullptr, fs::file_type::symlink,
         [&](const fs::path&) { return testing_support::readFile(dir.path() / "real.wav"); }},
        {"dangling link: the file it names is made",
         [&] {
             fs::create_symlink("named.wav", dir.path() / "dangling.wav");
             return dir.path() / "dangling.wav";
         },
         nullptr, fs::file_type::symlink,
         [&](const fs::path&) { return testing_support::readFile(dir.path() / "named.wav"); }},
        {"FIFO read by another thread",
         [&] {
             reader = readFifo(dir.path() / "fifo");
             return dir.path() / "fifo";
         },
         nullptr, fs::file_type::fifo, [&](const fs::path&) { return reader.get(); }},
        {"FIFO whose reader closes early",
         [&] {
             reader = readFifo(dir.path() / "short-fifo", false);
             return dir.path() / "short-fifo";
         },
         "读取的一方已关闭管道", fs::file_type::fifo, nullptr},
        {"null device", [&] { return characterDevice(dir.path(), "null", 3); }, nullptr,
         fs::file_type::character, nullptr},
        {"full device", [&] { return characterDevice(dir.path(), "full", 7); }, "设备上没有剩余空间",
         fs::file_type::character, nullptr},
        {"link to the null device",
         [&] {
             fs::create_symlink(characterDevice(dir.path(), "null2", 3), dir.path() / "to-null");
             return dir.path() / "to-null";
         },
         nullptr, fs::file_type::symlink, nullptr},
        {"folder",
         [&] {
             fs::create_directory(dir.path() / "folder.wav");
             return dir.path() / "folder.wav";
         },
         "文件夹", fs::file_type::directory, nullptr},
        {"socket",
         [&] {
             makeSocket(dir.path() / "sock");
             return dir.path() / "sock";
         },
         "套接字", fs::file_type::socket, nullptr},
        {"read-only file",
         [&] {
             std::ofstream(dir.path() / "ro.wav") << "old";
             fs::permissions(dir.path() / "ro.wav", fs::perms::owner_read | fs::perms::group_read);
             return dir.path() / "ro.wav";
         },
         "只读", fs::file_type::regular, testing_support::readFile},
        {"missing folder", [&] { return dir.path() / "no-folder" / "x.wav"; }, "文件夹不存在",
         fs::file_type::not_found, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path target = c.make();
        const text::WriteResult result = text::writeOutput(target, bytes);
        if (c.refusal) {
            EXPECT_NE(result.error.find(c.refusal), std::string::npos) << result.error;
            EXPECT_NE(result.error.find(target.string()), std::string::npos) << result.error;
        } else {
            EXPECT_TRUE(result.ok()) << result.error;
        }
        if (reader.valid() && !c.written)
            reader.get();
        EXPECT_EQ(fs::symlink_status(target).type(), c.after);
        if (c.written) {
            const std::string received = c.written(target);
            EXPECT_TRUE(received == (c.refusal ? "old" : bytes)) << received.size() << " bytes received";
        }
    }
    // Nothing but the targets themselves is left in the folder: no temporary file.
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos) << entry.path();
}

TEST(Files, ALinkAnotherUserPlantedInASharedFolderIsNotFollowed)
{
    if (!isRoot())
        GTEST_SKIP() << "needs root to give a link to another user";
    testing_support::TempDir dir;
    const fs::path shared = dir.path() / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    std::ofstream(dir.path() / "victim.txt") << "mine";
    fs::create_symlink(dir.path() / "victim.txt", shared / "hello.wav");
    ASSERT_EQ(::lchown((shared / "hello.wav").c_str(), 65534, 65534), 0);

    const text::WriteResult result = text::writeOutput(shared / "hello.wav", "voice");
    EXPECT_NE(result.error.find("符号链接"), std::string::npos) << result.error;
    EXPECT_EQ(testing_support::readFile(dir.path() / "victim.txt"), "mine");
}

TEST(Files, ConcurrentWritersOfOneFileNeverMixTheirBytes)
{
    // Two writers of one page (the command line and the window, two reports): every read sees one
    // writer's bytes whole, and no temporary file is left.
    testing_support::TempDir dir;
    const auto file = dir.path() / "temp.html";
    const std::string first(200000, 'a');
    const std::string second(150000, 'b');
    std::vector<std::thread> writers;
    for (int w = 0; w < 4; ++w)
        writers.emplace_back([&, w] {
            for (int i = 0; i < 100; ++i)
                EXPECT_TRUE(text::writeFileReplacing(file, w % 2 ? first : second));
        });
    for (int i = 0; i < 200; ++i) {
        std::string bytes;
        if (text::readWholeFile(file, bytes)) {
            EXPECT_TRUE(bytes == first || bytes == second) << "a mixed file of " << bytes.size() << " bytes";
        }
    }
    for (std::thread& writer : writers)
        writer.join();
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST(Files, APrivateFolderIsTheUsersAloneAndGoesWithEverythingInIt)
{
    fs::path kept;
    {
        const text::PrivateFolder folder;
        ASSERT_FALSE(folder.path().empty());
        EXPECT_EQ(fs::status(folder.path()).permissions() & fs::perms::all, fs::perms::owner_all);
        std::ofstream(folder.path() / "name.txt") << "Alice";
        kept = folder.path();
    }
    EXPECT_FALSE(fs::exists(kept));
}

TEST(Files, WritersOfOneFolderTakeTurnsUnderItsLock)
{
    testing_support::TempDir dir;
    std::atomic<bool> firstDone{false};
    std::atomic<bool> secondSawFirstDone{false};
    std::optional<text::FolderLock> first(std::in_place, dir.path(), "pages.lock");
    ASSERT_TRUE(first->held());
    std::thread second([&] {
        const text::FolderLock lock(dir.path(), "pages.lock");
        secondSawFirstDone = lock.held() && firstDone.load();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    firstDone = true;
    first.reset();
    second.join();
    EXPECT_TRUE(secondSawFirstDone);
    EXPECT_FALSE(text::FolderLock(dir.path() / "missing", "pages.lock").held());
}

} // namespace
