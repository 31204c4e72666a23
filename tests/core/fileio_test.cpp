// Tests of the data-file layer: atomic replacement and fault injection.
#include "core/files/fileio.h"
#include "support/tempdir.h"

#include <gtest/gtest.h>

using namespace prismara;

TEST(FileIo, ReplaceFileWritesCompletelyAndLeavesNoTemporary)
{
    test::TempDir dir;
    dir.write("a.txt", "old");
    dir.write("a.tmp", "stale records that must not survive");
    ASSERT_TRUE(replaceFile(dir / "a.txt", dir / "a.tmp", "new"));
    EXPECT_EQ(dir.read("a.txt"), "new");
    EXPECT_FALSE(dir.exists("a.tmp"));
}

TEST(FileIo, EveryFailingStepOfAReplaceLeavesTheOriginal)
{
    test::TempDir dir;
    for (int step = 1; step <= 4; ++step) {
        dir.write("a.txt", "old");
        FaultInjection::failAt(step);
        const bool ok = replaceFile(dir / "a.txt", dir / "a.tmp", "new");
        const int ops = FaultInjection::count();
        FaultInjection::reset();
        if (step <= ops) {
            EXPECT_FALSE(ok) << "step " << step;
            EXPECT_EQ(dir.read("a.txt"), "old") << "step " << step;
        } else {
            EXPECT_TRUE(ok);
        }
        EXPECT_FALSE(dir.exists("a.tmp")) << "step " << step;
    }
}

TEST(FileIo, AppendCreatesAndReadRangeStopsAtTheEnd)
{
    test::TempDir dir;
    ASSERT_TRUE(appendToFile(dir / "p.rgb", "FF0000"));
    ASSERT_TRUE(appendToFile(dir / "p.rgb", "00FF00"));
    EXPECT_EQ(fileSize(dir / "p.rgb"), 12u);
    EXPECT_EQ(readRange(dir / "p.rgb", 6, 6).value(), "00FF00");
    EXPECT_EQ(readRange(dir / "p.rgb", 9, 6).value(), "F00");
    EXPECT_FALSE(readRange(dir / "missing", 0, 6).has_value());
    EXPECT_EQ(fileSize(dir / "missing"), 0u);
    EXPECT_TRUE(removeFile(dir / "missing"));
}

TEST(FileIo, SplitLinesAcceptsEveryLineEnd)
{
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitLines("a\rb\r"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
}
