#include "text/Files.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>
#include <vector>

namespace {

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
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST(Files, AFailedWriteIsSaidAndKeepsTheOldFile)
{
    testing_support::TempDir dir;
    EXPECT_FALSE(text::writeFileReplacing(dir.path() / "no-folder" / "temp.html", "x"));
    std::filesystem::create_directory(dir.path() / "folder.html");
    EXPECT_FALSE(text::writeFileReplacing(dir.path() / "folder.html", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.html"));
}

} // namespace
