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
    ASSERT_TRUE(ReplaceFile(dir / "a.txt", dir / "a.tmp", "new"));
    EXPECT_EQ(dir.read("a.txt"), "new");
    EXPECT_FALSE(dir.exists("a.tmp"));
}

TEST(FileIo, EveryFailingStepOfAReplaceLeavesTheOriginal)
{
    test::TempDir dir;
    for (int step = 1; step <= 4; ++step) {
        dir.write("a.txt", "old");
        FaultInjection::failAt(step);
        const bool ok = ReplaceFile(dir / "a.txt", dir / "a.tmp", "new");
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
    ASSERT_TRUE(AppendToFile(dir / "p.rgb", "FF0000"));
    ASSERT_TRUE(AppendToFile(dir / "p.rgb", "00FF00"));
    EXPECT_EQ(FileSize(dir / "p.rgb"), 12u);
    EXPECT_EQ(ReadRange(dir / "p.rgb", 6, 6).value(), "00FF00");
    EXPECT_EQ(ReadRange(dir / "p.rgb", 9, 6).value(), "F00");
    EXPECT_FALSE(ReadRange(dir / "missing", 0, 6).has_value());
    EXPECT_EQ(FileSize(dir / "missing"), 0u);
    EXPECT_TRUE(RemoveFile(dir / "missing"));
}

TEST(FileIo, SplitLinesAcceptsEveryLineEnd)
{
    EXPECT_EQ(SplitLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitLines("a\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitLines("a\rb\r"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitLines("").empty());
}
