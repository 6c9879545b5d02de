#pragma once
// world_fixture.h - a fresh stand-in world per test: a temporary root folder, removed afterwards.

#include <filesystem>
#include <gtest/gtest.h>

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path m_root;
};
