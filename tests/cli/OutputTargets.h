#pragma once

// The table of output targets every command that writes a file is run against: the node keeps its
// kind, the exit status and the message say what happened, and the bytes arrive where they should.
#include "CliRun.h"
#include "support/Fixture.h"
#include "support/SpecialFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>

inline void checkOutputTargets(const std::function<CliResult(const std::filesystem::path&)>& run,
                               const std::string& prefix)
{
    namespace fs = std::filesystem;
    using testing_support::readFile;
    testing_support::TempDir dir;
    std::future<std::string> reader;
    const auto old = [&](const char* name) {
        std::ofstream(dir.path() / name) << "old";
        return dir.path() / name;
    };
    const struct Case
    {
        const char* what;
        std::function<fs::path()> make;        // makes the target, returns the name given
        const char* refusal;                   // part of the message, or nullptr when it succeeds
        fs::file_type after;                   // of the name itself afterwards
        std::function<std::string()> received; // the bytes the file behind the name holds
    } cases[] = {
        {"regular file", [&] { return old("old.out"); }, nullptr, fs::file_type::regular,
         [&] { return readFile(dir.path() / "old.out"); }},
        {"link to a file",
         [&] {
             fs::create_symlink(old("real.out"), dir.path() / "link.out");
             return dir.path() / "link.out";
         },
         nullptr, fs::file_type::symlink, [&] { return readFile(dir.path() / "real.out"); }},
        {"dangling link",
         [&] {
             fs::create_symlink("named.out", dir.path() / "dangling.out");
             return dir.path() / "dangling.out";
         },
         nullptr, fs::file_type::symlink, [&] { return readFile(dir.path() / "named.out"); }},
        {"FIFO read by another thread",
         [&] {
             reader = testing_support::readFifo(dir.path() / "fifo");
             return dir.path() / "fifo";
         },
         nullptr, fs::file_type::fifo, [&] { return reader.get(); }},
        {"null device", [&] { return testing_support::characterDevice(dir.path(), "null", 3); }, nullptr,
         fs::file_type::character, nullptr},
        {"full device", [&] { return testing_support::characterDevice(dir.path(), "full", 7); },
         "设备上没有剩余空间", fs::file_type::character, nullptr},
        {"folder",
         [&] {
             fs::create_directory(dir.path() / "folder.out");
             return dir.path() / "folder.out";
         },
         "文件夹", fs::file_type::directory, nullptr},
        {"read-only file",
         [&] {
             const fs::path file = old("ro.out");
             fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
             return file;
         },
         "只读", fs::file_type::regular, [&] { return readFile(dir.path() / "ro.out"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path target = c.make();
        const CliResult r = run(target);
        if (c.refusal) {
            EXPECT_EQ(r.status, 1);
            EXPECT_NE(r.err.find(c.refusal), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(target.string()), std::string::npos) << r.err;
        } else {
            EXPECT_EQ(r.status, 0) << r.err;
        }
        EXPECT_EQ(fs::symlink_status(target).type(), c.after);
        if (c.received) {
            const std::string bytes = c.received();
            EXPECT_EQ(bytes.substr(0, c.refusal ? 3 : prefix.size()), c.refusal ? "old" : prefix);
        }
    }
}
