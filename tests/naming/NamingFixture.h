#pragma once

#include "store/NamingStore.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

// A store with the 81 numbers, all 125 configurations and every character of the built-in lists with
// made-up but fixed counts and elements; a few characters are unusable.
class NamingFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    // Adds the poets and poems of tests/data/poem-rows.sql.
    void addPoemRows();
    testing_support::TempDir m_dir;
    store::NamingStore m_store;
};

// The built database: NESTLING_DB, or data/namedata.db beside the test program.
std::filesystem::path realDatabaseFile();
// Loads it into `into`; false when there is none (the caller skips).
bool loadRealDatabase(store::NamingStore& into);
