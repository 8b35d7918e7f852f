#pragma once

#include "app/ControlNames.h"
#include "app/testing/FakeHost.h"
#include "store/NamingStore.h"
#include "support/Fixture.h"
#include "text/Gbk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// The fake window system over a store holding the 81 numbers, the 125 configurations, a few
// characters (李 明 华 欧 阳 于 ...) and the surnames 李 and 欧阳; a program folder to write into.
class ReportWindowFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto file = m_dir.path() / "report.db";
        testing_support::makeDatabase(
            file, {"naming-schema.sql", "numerology-rows.sql", "report-texts.sql", "report-chars.sql"});
        ASSERT_TRUE(m_store.Open(file.string()));
        std::filesystem::create_directory(m_program);
    }

    app::testing::FakeWindow& main() { return m_host.main(); }

    // A row of a name list: number, name cell, then fixed cells 2 to 7.
    static app::ListRow nameRow(const std::string& number, const std::string& name)
    {
        return {{number, name, "21", "29", "木火水", "8,15,22,29,15", "金土木", "86"}, 0};
    }

    // A written file, back in UTF-8.
    static std::string readGbk(const std::filesystem::path& file)
    {
        return text::fromGbk(testing_support::readFile(file));
    }

    testing_support::TempDir m_dir;
    store::NamingStore m_store;
    std::filesystem::path m_program = m_dir.path() / "program"; // known before the controllers are made
    app::testing::FakeHost m_host;
};
