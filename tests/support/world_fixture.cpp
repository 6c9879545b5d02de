// world_fixture.cpp - a fresh stand-in world per test.
#include "support/world_fixture.h"
#include "host/world.h"

#include <cstdlib>
#include <string>

void WorldTest::SetUp()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/qnworld.XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    m_root = pattern;
    host::CreateWorld(m_root);
}

void WorldTest::TearDown()
{
    std::error_code ec;
    std::filesystem::remove_all(m_root, ec);
}
