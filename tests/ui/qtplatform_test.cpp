// The Qt desktop services that can be checked without a desktop: settings files, the single
// running copy, the window's z-order.
#include "platform/qtplatform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace prismara;

TEST(QtPlatform, SettingsLiveInAHumanReadableIniFilePerApplication)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QtPlatform platform;
    EXPECT_EQ(platform.getSetting("quorvel software", "Prismara 4.6", "colorsquare", "0"), "0");
    platform.saveSetting("quorvel software", "Prismara 4.6", "colorsquare", "1");
    platform.saveSetting("quorvel software", "Prismara 4.6", "autostop", "0");
    platform.saveSetting("quorvel software", "Prismara 4.6", "colorsquare", "0");
    platform.saveSetting("prismara", "Position", "X", "-300");

    QFile file(config.path() + "/quorvel software.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[Prismara 4.6]\ncolorsquare=0\nautostop=0\n");
    EXPECT_EQ(QtPlatform().getSetting("prismara", "Position", "X", ""), "-300");
    EXPECT_EQ(QtPlatform().getSetting("prismara", "Position", "Y", "none"), "none");
    EXPECT_FALSE(QFile::exists(config.path() + "/quorvel software.ini.tmp"));

    // A value saved again unchanged leaves the file alone; a changed one replaces it.
    const auto inode = [&] {
        struct stat st{};
        ::stat(QFile::encodeName(file.fileName()).constData(), &st);
        return st.st_ino;
    };
    const auto before = inode();
    platform.saveSetting("quorvel software", "Prismara 4.6", "autostop", "0");
    EXPECT_EQ(inode(), before);
    platform.saveSetting("quorvel software", "Prismara 4.6", "autostop", "1");
    EXPECT_NE(inode(), before);
}

TEST(QtPlatform, TopMostKeepsTheGeometry)
{
    QtPlatform platform;
    QWidget window;
    window.setGeometry(120, 140, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect before = window.geometry();
    platform.setTopMost(&window, true);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.geometry(), before);
    EXPECT_TRUE(window.isVisible());
    platform.setTopMost(&window, false);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window.geometry(), before);
}

namespace {
// A copy of the program folder of the build, so the real program can run without touching it.
QString copyProgramFolder(const QTemporaryDir& dir)
{
    const QDir from(PRISMARA_BIN_DIR);
    for (const QString& name : from.entryList(QDir::Files))
        if (name != "recent.rgb")
            QFile::copy(from.filePath(name), dir.filePath(name));
    return dir.filePath("prismara");
}

} // namespace

TEST(QtPlatform, OnlyOneCopyRunsAndAKilledCopyDoesNotBlockTheNext)
{
    QTemporaryDir folder, runtime, config;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString program = copyProgramFolder(folder);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("XDG_CONFIG_HOME", config.path());

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, {});
    ASSERT_TRUE(first.waitForStarted());
    // Wait until the first copy has claimed the instance (its recent colours file appears).
    for (int i = 0; i < 100 && !(QFile::exists(folder.filePath("recent.rgb")) && QFile::exists(runtime.filePath("prismara.lock"))); ++i)
        QTest::qWait(50);
    ASSERT_TRUE(QFile::exists(folder.filePath("recent.rgb")));

    QFile::remove(folder.filePath("recent.rgb"));
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, {});
    ASSERT_TRUE(second.waitForFinished(5000)) << "the second copy must end at once";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(folder.filePath("recent.rgb"))) << "the second copy writes nothing";
    EXPECT_TRUE(QDir(config.path()).entryList(QDir::Files).isEmpty());

    first.kill();
    first.waitForFinished();

    QProcess third;
    third.setProcessEnvironment(env);
    third.start(program, {});
    ASSERT_TRUE(third.waitForStarted());
    EXPECT_FALSE(third.waitForFinished(1500)) << "a lock left by a killed copy must not stop the next";
    third.terminate();
    third.waitForFinished();
}
