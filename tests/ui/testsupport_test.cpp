// The test support's private folders: one that cannot be made ends the process with a message, and
// nothing falls back to, writes into or deletes the working directory or TMPDIR.
#include "support/fakeplatform.h"
#include "support/tempdir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace prismara::test;

TEST(TestSupportDeathTest, AFolderThatCannotBeMadeEndsTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const TempDir scratch; // a file where TMPDIR expects a folder, and a missing folder
    scratch.write("file", "x");
    for (const std::string& tmp : {(scratch / "file").string(), (scratch / "missing").string()}) {
        EXPECT_DEATH(
            {
                ::setenv("TMPDIR", tmp.c_str(), 1);
                const TempDir dir;
            },
            "cannot create a private temporary folder")
            << tmp;
        EXPECT_DEATH(
            {
                ::setenv("TMPDIR", tmp.c_str(), 1);
                const FakePlatform platform;
            },
            "cannot create a private temporary folder")
            << tmp;
    }
    EXPECT_EQ(scratch.read("file"), "x");
}

TEST(TestSupport, TheScriptedPlatformKeepsItsDataInItsOwnFolderAndRemovesOnlyThat)
{
    const QString cwd = QDir::currentPath();
    QString folder;
    {
        FakePlatform platform;
        folder = platform.programFolder();
        EXPECT_NE(QDir(folder).canonicalPath(), QDir(cwd).canonicalPath());
        EXPECT_TRUE(QFile::exists(folder + "/colorchart.cci"));
    }
    EXPECT_FALSE(QDir(folder).exists());

    // Only folders of the support's own making are ever removed.
    const TempDir scratch;
    std::filesystem::create_directory(scratch / "kept");
    removePrivateDir(scratch / "kept");
    EXPECT_TRUE(scratch.exists("kept"));
}
