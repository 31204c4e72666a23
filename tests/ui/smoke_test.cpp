#include "support/fakeplatform.h"
#include <gtest/gtest.h>
TEST(Smoke, FakePlatformHasAProgramFolder)
{
    prismara::test::FakePlatform platform;
    EXPECT_FALSE(platform.programFolder().isEmpty());
}
