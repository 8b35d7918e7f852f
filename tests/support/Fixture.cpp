#include "support/Fixture.h"

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
    std::filesystem::create_directories(file.parent_path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const std::string& name : sqlFiles) {
        const std::string sql = readFile(std::filesystem::path(NESTLING_TEST_DATA_DIR) / name);
        ASSERT_FALSE(sql.empty()) << name;
        char* message = nullptr;
        const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
        EXPECT_EQ(rc, SQLITE_OK) << name << ": " << (message ? message : "");
        sqlite3_free(message);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

void makeNamingFixture(const std::filesystem::path& file)
{
    makeDatabase(file, {"naming-schema.sql", "naming-rows.sql"});
}

} // namespace testing_support
