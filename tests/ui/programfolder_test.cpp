// Where the program keeps its data files: beside a writable executable (a build or an unpacked
// program folder), or, for an installed program, in a per-user folder filled from the installation.
#include "core/files/fileio.h"
#include "platform/qtplatform.h"
#include "support/fakeplatform.h"
#include "support/tempdir.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <gtest/gtest.h>

using namespace prismara;
namespace fs = std::filesystem;

namespace {
// The data files that ship with the program.
std::vector<std::string> shippedNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(PRISMARA_SHIPPED_DATA_DIR)) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".cci" || ext == ".rgb" || ext == ".hcs" || ext == ".dat")
            names.push_back(entry.path().filename().string());
    }
    return names;
}

void copyShipped(const fs::path& to)
{
    fs::create_directories(to);
    test::copyShippedData(QString::fromStdString(to.string()));
}

std::string readAll(const fs::path& file) { return ReadFile(file).value_or("<missing>"); }

void makeReadOnly(const fs::path& folder)
{
    for (const auto& entry : fs::directory_iterator(folder))
        fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
}

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

// An installed layout under a temporary prefix: <prefix>/bin and <prefix>/share/prismara.
struct Installed
{
    test::TempDir root;
    fs::path bin = root / "prefix/bin";
    fs::path share = root / "prefix/share/prismara";
    fs::path user = root / "home/.local/share/prismara";

    Installed()
    {
        fs::create_directories(bin);
        copyShipped(share);
    }
    ~Installed()
    {
        std::error_code ec;
        fs::permissions(share, fs::perms::owner_all, fs::perm_options::add, ec);
    }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

    QString resolve() const { return QtPlatform::resolveProgramFolder(q(bin), q(user)); }
};
} // namespace

TEST(ProgramFolder, AFolderWithItsDataOrWithoutAnyIsUsedAsItIs)
{
    test::TempDir root;
    copyShipped(root / "app");
    EXPECT_EQ(QtPlatform::resolveProgramFolder(q(root / "app"), q(root / "user")), q(root / "app"));
    fs::create_directories(root / "bin");
    EXPECT_EQ(QtPlatform::resolveProgramFolder(q(root / "bin"), q(root / "user")), q(root / "bin"));
    EXPECT_FALSE(fs::exists(root / "user")) << "neither needs a per-user copy";
    // Installed with the prefix ~/.local: share/prismara is the per-user folder.
    copyShipped(root / "local/share/prismara");
    fs::create_directories(root / "local/bin");
    EXPECT_EQ(QDir(QtPlatform::resolveProgramFolder(q(root / "local/bin"), q(root / "local/share/prismara"))),
              QDir(q(root / "local/share/prismara")));
    if (::geteuid() != 0) { // permission bits do not stop the superuser
        makeReadOnly(root / "app");
        EXPECT_EQ(QtPlatform::resolveProgramFolder(q(root / "app"), q(root / "user")), q(root / "user"));
        EXPECT_TRUE(fs::exists(root / "user/colorchart.cci"));
        fs::permissions(root / "app", fs::perms::owner_all, fs::perm_options::add);
    }
}

TEST(ProgramFolder, AnInstalledProgramFillsTheUserFolderOnceWithWritableCopies)
{
    Installed layout;
    fs::create_directories(layout.user);
    // A fill stopped before the index: one palette copied and already used.
    QFile c1(q(layout.user / "c1.rgb"));
    ASSERT_TRUE(c1.open(QIODevice::WriteOnly));
    c1.write("FF0000");
    c1.close();
    QFile help(q(layout.share / "help.chm"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("first help");
    help.close();
    makeReadOnly(layout.share);

    EXPECT_EQ(layout.resolve(), q(layout.user));
    EXPECT_EQ(readAll(layout.user / "c1.rgb"), "FF0000") << "what is there is not replaced";
    for (const std::string& name : shippedNames()) {
        if (name != "c1.rgb") {
            EXPECT_EQ(readAll(layout.user / name), readAll(layout.share / name)) << name;
        }
        EXPECT_NE(fs::status(layout.user / name).permissions() & fs::perms::owner_write, fs::perms::none) << name;
    }
    EXPECT_EQ(readAll(layout.user / "help.chm"), "first help");
    EXPECT_EQ(QFileInfo(q(layout.user / "help.chm")).lastModified(), QFileInfo(q(layout.share / "help.chm")).lastModified());

    // What the user changed stays; an update of the installation brings a new help file.
    fs::remove(layout.user / "c7.rgb");
    fs::permissions(layout.share, fs::perms::owner_all, fs::perm_options::add);
    fs::permissions(layout.share / "help.chm", fs::perms::owner_all, fs::perm_options::add);
    ASSERT_TRUE(help.open(QIODevice::WriteOnly | QIODevice::Truncate));
    help.write("second, longer help");
    help.close();
    EXPECT_EQ(layout.resolve(), q(layout.user));
    EXPECT_FALSE(fs::exists(layout.user / "c7.rgb")) << "a filled folder is not filled again";
    EXPECT_EQ(readAll(layout.user / "help.chm"), "second, longer help");
}
