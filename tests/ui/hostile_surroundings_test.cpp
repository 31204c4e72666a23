// hostile_surroundings_test.cpp - the window in hostile surroundings: files that cannot be used
// are told once at start, the single-instance lock never locks the user out, failed writes say
// why, a full disk leaves no empty help file, and the colour page fits a short screen.
#include "core/files/fileio.h"
#include "platform/instancelock.h"
#include "platform/qtplatform.h"
#include "platform/screencapture.h"
#include "support/tempdir.h"
#include "support/windowfixture.h"
#include "ui/colorpage/frmpreview.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <filesystem>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::TempDir;
using prismara::test::WindowFixture;
namespace fs = std::filesystem;

TEST(HostileSurroundings, FilesThatCannotBeUsedAreToldOnceWhenTheWindowOpens)
{
    WindowFixture w(false);
    for (const char* name : {"recent.rgb", "c2.rgb", "shapes.hcs"}) {
        fs::remove(ToPath(w.path(name)));
        ::mkfifo(ToPath(w.path(name)).c_str(), 0644);
    }
    w.platform.errorsShown.clear();
    w.open();
    QTest::qWait(20);
    ASSERT_EQ(w.platform.errorsShown.size(), 1) << w.platform.errorsShown.join("\n").toStdString();
    for (const char* name : {"recent.rgb", "c2.rgb", "shapes.hcs"})
        EXPECT_TRUE(w.platform.errorsShown[0].contains(QString(name) + ": not a regular file (a FIFO)"))
            << name;
    w.window->close();
    EXPECT_TRUE(fs::is_fifo(ToPath(w.path("recent.rgb")))) << "Exit leaves it as it is";
}

TEST(HostileSurroundings, OnlyALiveCopyHoldsTheLockAndAnyOtherFailureIsTold)
{
    TempDir dir;
    const fs::path file = dir / "prismara.lock";
    {
        InstanceLock first(file);
        EXPECT_EQ(first.state(), InstanceLock::State::Held);
        EXPECT_EQ(InstanceLock(file).state(), InstanceLock::State::HeldByOtherCopy);
    }
    EXPECT_EQ(InstanceLock(file).state(), InstanceLock::State::Held) << "a copy that is gone holds nothing";

    fs::create_directory(dir / "folder.lock");
    dir.write("file", "");
    for (const fs::path& unusable : {dir / "folder.lock", dir / "file" / "prismara.lock"}) {
        const InstanceLock lock(unusable);
        EXPECT_EQ(lock.state(), InstanceLock::State::Failed) << unusable;
        EXPECT_FALSE(lock.reason().empty()) << unusable;
    }

    // The runtime folder when it is the user's own, else the user's cache; never a shared one.
    fs::create_directories(dir / "shared");
    fs::permissions(dir / "shared", fs::perms::all | fs::perms::sticky_bit);
    fs::create_directories(dir / "own");
    fs::permissions(dir / "own", fs::perms::owner_all);
    const std::string cache = (dir / "cache").string();
    EXPECT_EQ(InstanceLock::lockFile("prismara", (dir / "own").string(), cache), dir / "own/prismara.lock");
    EXPECT_EQ(InstanceLock::lockFile("prismara", (dir / "shared").string(), cache),
              dir / "cache/prismara/prismara.lock");
    EXPECT_EQ(InstanceLock::lockFile("prismara", "", cache), dir / "cache/prismara/prismara.lock");

    // The platform tells the user, and the program is not taken for a second copy.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString((dir / "own").string()));
    QtPlatform platform;
    fs::create_directory(ToPath(platform.lockFile()));
    EXPECT_FALSE(platform.previousInstance());
    const QStringList told = platform.startupProblems();
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(platform.lockFile() + " could not be used")) << told[0].toStdString();
    qputenv("XDG_RUNTIME_DIR", runtime);
}

TEST(HostileSurroundings, AFailedWriteNamesTheFileAndTheReason)
{
    WindowFixture w;
    FaultInjection::failAt(1, ENOSPC);
    w.window->action("mnuAddChart0")->trigger();
    FaultInjection::reset();
    ASSERT_EQ(w.platform.errorsShown.size(), 1);
    EXPECT_TRUE(w.platform.errorsShown[0].endsWith("c1.rgb could not be written: No space left on device."))
        << w.platform.errorsShown[0].toStdString();
}

TEST(HostileSurroundings, AHelpCopyThatDoesNotFitLeavesNoEmptyFile)
{
    TempDir root;
    const fs::path share = root / "share/prismara";
    const fs::path user = root / "user";
    fs::create_directories(share);
    fs::create_directories(user);
    for (const char* name : {"colorchart.cci", "c1.rgb"})
        fs::copy_file(fs::path(PRISMARA_SHIPPED_DATA_DIR) / name, share / name);
    root.write("share/prismara/help.chm", std::string(256 << 10, 'h'));
    if (::geteuid() != 0 || ::mount("tmpfs", user.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0)
        GTEST_SKIP() << "no small disk can be mounted here";
    const QString folder = QtPlatform::resolveProgramFolder(PathToQString(root / "bin"), PathToQString(user));
    const bool help = fs::exists(user / "help.chm");
    const bool temp = fs::exists(user / "help.chm.tmp");
    const bool index = fs::exists(user / "colorchart.cci");
    ::umount2(user.c_str(), MNT_DETACH);
    EXPECT_EQ(folder, PathToQString(user));
    EXPECT_TRUE(index) << "the data fits";
    EXPECT_FALSE(help) << "a help file that does not fit is not left empty";
    EXPECT_FALSE(temp);
}

TEST(HostileSurroundings, ACancelledWaitForThePortalEndsTheCapture)
{
    QImage black(8, 8, QImage::Format_RGB32);
    black.fill(Qt::black);
    ScreenCapture cancelled;
    cancelled.cancelled = true;
    const ScreenCapture result = ChooseCapture(
        false, false,
        [&] {
            return ScreenCapture{black, {}, {}};
        },
        [&] { return cancelled; });
    EXPECT_TRUE(result.image.isNull()) << "a black grab does not stand in for a cancelled wait";
    EXPECT_TRUE(result.cancelled);
}

TEST(HostileSurroundings, TheColourPageShowsEveryValueOnAShortScreen)
{
    for (const QSize screen : {QSize(1920, 1080), QSize(960, 540), QSize(800, 420)}) {
        WindowFixture w;
        w.platform.screenSize = screen;
        FrmPreview page(*w.window, w.window.get());
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        for (const QLineEdit* box : page.findChildren<QLineEdit*>()) {
            const QRect at(box->mapTo(&page, QPoint(0, 0)), box->size());
            EXPECT_LE(at.bottom(), screen.height())
                << box->objectName().toStdString() << " on a screen " << screen.height() << " high";
        }
    }
}
