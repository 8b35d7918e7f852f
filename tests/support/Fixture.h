#pragma once

#include "core/Message.h"
#include "store/TableLayouts.h"

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

// Creates the nine naming tables of the program's layouts in a new database file, then runs the SQL
// files of tests/data (rows, in order) into it.
void makeDatabase(const std::filesystem::path& file, const std::vector<std::string>& sqlFiles);
// The same with other tables in place of the program's (a damaged file).
void makeDatabase(const std::filesystem::path& file, const std::vector<store::TableLayout>& tables,
                  const std::vector<std::string>& sqlFiles);

// The program's layouts with one column added to (`extra`) or dropped from (by its name) one table.
std::vector<store::TableLayout> layoutsWithColumn(std::string_view table,
                                                  const store::ColumnDescriptor& extra, size_t position);
std::vector<store::TableLayout> layoutsWithoutColumn(std::string_view table, store::Column column);

// The standard fixture: the nine tables with a few rows each.
void makeNamingFixture(const std::filesystem::path& file);

std::string readFile(const std::filesystem::path& file);

// Collects what would be shown to the user.
class RecordingSink : public core::MessageSink
{
public:
    void showMessage(const core::Message& message) override { messages.push_back(message); }
    std::vector<core::Message> messages;
};

} // namespace testing_support
