// Tests of the data-file layer (its rewrites under faults: rewrite_faults_test).
#include "core/files/fileio.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace prismara;

TEST(FileIo, AppendCreatesReadRangeStopsAtTheEndAndReplaceLeavesNoTemporary)
{
    test::TempDir dir;
    ASSERT_TRUE(appendToFile(dir / "p.rgb", "FF0000"));
    ASSERT_TRUE(appendToFile(dir / "p.rgb", "00FF00"));
    EXPECT_EQ(fileSize(dir / "p.rgb"), 12u);
    EXPECT_EQ(readRange(dir / "p.rgb", 9, 6).value(), "F00");
    EXPECT_FALSE(readRange(dir / "missing", 0, 6).has_value());
    EXPECT_EQ(fileSize(dir / "missing"), 0u);
    EXPECT_TRUE(removeFile(dir / "missing"));

    dir.write("p.tmp", "stale records that must not survive");
    ASSERT_TRUE(replaceFile(dir / "p.rgb", dir / "p.tmp", "new"));
    EXPECT_EQ(dir.read("p.rgb"), "new");
    EXPECT_FALSE(dir.exists("p.tmp"));
}

TEST(FileIo, SplitLinesAcceptsEveryLineEnd)
{
    EXPECT_EQ(splitLines("a\r\n\r\nb\nc\rd\r"), (std::vector<std::string>{"a", "", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a"), (std::vector<std::string>{"a"}));
    EXPECT_TRUE(splitLines("").empty());
}
