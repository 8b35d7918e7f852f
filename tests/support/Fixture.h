#pragma once

#include "store/MessageSink.h"

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// A fresh temporary folder, removed with everything in it when the object goes.
class TempDir
{
public:
    explicit TempDir(const std::string& hint = "nestling");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Runs the SQL files of tests/data (in order) into a new database file.
void makeDatabase(const std::filesystem::path& file, const std::vector<std::string>& sqlFiles);

// The standard fixture: the nine tables with a few rows each.
void makeNamingFixture(const std::filesystem::path& file);

std::string readFile(const std::filesystem::path& file);

// Collects what would be shown to the user.
class RecordingSink : public store::MessageSink
{
public:
    void showMessage(const store::Message& message) override { messages.push_back(message); }
    std::vector<store::Message> messages;
};

} // namespace testing_support
