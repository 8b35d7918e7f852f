#pragma once

#include "store/NamingStore.h"
#include "support/Fixture.h"
#include "text/Gbk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// The 81 numbers and the 125 configurations with a text in every column, a few characters with every
// column filled, two surnames; and a program folder to write into.
class ReportFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto file = m_dir.path() / "report.db";
        testing_support::makeDatabase(file, {"numerology-rows.sql", "report-texts.sql", "report-chars.sql"});
        ASSERT_TRUE(m_store.Open(file.string()));
        std::filesystem::create_directory(m_program);
    }

    // A written file, back in UTF-8.
    std::string readPage(const std::filesystem::path& file) const
    {
        return text::fromGbk(testing_support::readFile(file));
    }

    testing_support::TempDir m_dir;
    store::NamingStore m_store;
    std::filesystem::path m_program = m_dir.path() / "program"; // known before anything is built on it
};
