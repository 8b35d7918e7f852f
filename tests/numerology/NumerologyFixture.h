#pragma once

#include "store/NamingStore.h"
#include "support/Fixture.h"

#include <gtest/gtest.h>

// The nine tables with the 81 numbers, all 125 configurations and a handful of characters.
class NumerologyFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const auto file = m_dir.path() / "numerology.db";
        testing_support::makeDatabase(file, {"numerology-rows.sql", "numerology-chars.sql"});
        ASSERT_TRUE(m_store.Open(file.string()));
    }
    testing_support::TempDir m_dir;
    store::NamingStore m_store;
};
