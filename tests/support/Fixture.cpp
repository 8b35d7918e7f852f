#include "support/Fixture.h"

#include "store/DatabaseCheck.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sqlite3.h>
#include <sstream>

namespace testing_support {

TempDir::TempDir(const std::string& hint)
{
    std::random_device device;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / (hint + "-" + std::to_string(device()));
        if (std::filesystem::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    ADD_FAILURE() << "cannot create a temporary folder";
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

void makeDatabase(const std::filesystem::path& file, const std::vector<std::string>& sqlFiles)
{
    makeDatabase(file, store::namingTables(), sqlFiles);
}

void makeDatabase(const std::filesystem::path& file, const std::vector<store::TableLayout>& tables,
                  const std::vector<std::string>& sqlFiles)
{
    std::filesystem::create_directories(file.parent_path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
    const auto run = [db](const std::string& sql, const std::string& what) {
        char* message = nullptr;
        const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
        EXPECT_EQ(rc, SQLITE_OK) << what << ": " << (message ? message : "");
        sqlite3_free(message);
    };
    // A few rows per table: checked as a sample, not as a full database.
    run("PRAGMA application_id = " + std::to_string(store::kSampleDatabaseId), "application id");
    run("BEGIN", "begin");
    for (const store::TableLayout& table : tables)
        run(store::createTableSql(table.name, table.columns), std::string(table.name));
    for (const std::string& name : sqlFiles) {
        const std::string sql = readFile(std::filesystem::path(NESTLING_TEST_DATA_DIR) / name);
        EXPECT_FALSE(sql.empty()) << name;
        run(sql, name);
    }
    run("COMMIT", "commit");
    sqlite3_close(db);
}

std::vector<store::TableLayout> layoutsWithColumn(std::string_view table,
                                                  const store::ColumnDescriptor& extra, size_t position)
{
    std::vector<store::TableLayout> tables = store::namingTables();
    for (store::TableLayout& layout : tables)
        if (layout.name == table)
            layout.columns.insert(layout.columns.begin() + static_cast<std::ptrdiff_t>(position), extra);
    return tables;
}

std::vector<store::TableLayout> layoutsWithoutColumn(std::string_view table, store::Column column)
{
    std::vector<store::TableLayout> tables = store::namingTables();
    for (store::TableLayout& layout : tables)
        if (layout.name == table)
            std::erase_if(layout.columns,
                          [&](const store::ColumnDescriptor& c) { return c.name == column.name; });
    return tables;
}

void makeNamingFixture(const std::filesystem::path& file)
{
    makeDatabase(file, {"naming-rows.sql"});
}

} // namespace testing_support
