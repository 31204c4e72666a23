// Where the program keeps its data files: beside a writable executable (a build or an unpacked
// program folder), or, for an installed program, in a per-user folder filled from the installation.
#include "platform/qtplatform.h"

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
    for (const std::string& name : shippedNames())
        fs::copy_file(fs::path(PRISMARA_SHIPPED_DATA_DIR) / name, to / name);
}

std::string readAll(const fs::path& file)
{
    QFile f(QString::fromStdString(file.string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<missing>");
}

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

TEST(ProgramFolder, AWritableProgramFolderWithItsDataIsUsedAsItIs)
{
    test::TempDir root;
    copyShipped(root / "app");
    const QString folder = QtPlatform::resolveProgramFolder(q(root / "app"), q(root / "user"));
    EXPECT_EQ(folder, q(root / "app"));
    EXPECT_FALSE(fs::exists(root / "user")) << "a program folder of its own needs no per-user copy";
}

TEST(ProgramFolder, AnInstalledProgramFillsTheUserFolderOnceWithWritableCopies)
{
    Installed layout;
    fs::copy_file(fs::path(PRISMARA_SHIPPED_DATA_DIR) / "c1.rgb", layout.share / "help.chm");
    makeReadOnly(layout.share);

    EXPECT_EQ(layout.resolve(), q(layout.user));
    for (const std::string& name : shippedNames()) {
        EXPECT_EQ(readAll(layout.user / name), readAll(layout.share / name)) << name;
        const fs::perms perms = fs::status(layout.user / name).permissions();
        EXPECT_NE(perms & fs::perms::owner_write, fs::perms::none) << name << " must be writable by its owner";
    }
    EXPECT_EQ(readAll(layout.user / "help.chm"), readAll(layout.share / "help.chm"));

    // What the user changed stays: the next start copies nothing over it.
    QFile index(q(layout.user / "colorchart.cci"));
    ASSERT_TRUE(index.open(QIODevice::Append));
    index.write("c8.rgb\r\nMine\r\n1\r\n");
    index.close();
    fs::remove(layout.user / "c7.rgb");
    const std::string changed = readAll(layout.user / "colorchart.cci");
    EXPECT_EQ(layout.resolve(), q(layout.user));
    EXPECT_EQ(readAll(layout.user / "colorchart.cci"), changed);
    EXPECT_FALSE(fs::exists(layout.user / "c7.rgb")) << "a filled folder is not filled again";
}

TEST(ProgramFolder, AFillThatWasCutShortIsCompletedWithoutReplacingWhatIsThere)
{
    Installed layout;
    fs::create_directories(layout.user);
    // A fill stopped before the index: one palette copied, one of them already used.
    const std::string used = "FF0000";
    QFile c1(q(layout.user / "c1.rgb"));
    ASSERT_TRUE(c1.open(QIODevice::WriteOnly));
    c1.write(used.c_str());
    c1.close();

    EXPECT_EQ(layout.resolve(), q(layout.user));
    EXPECT_EQ(readAll(layout.user / "c1.rgb"), used);
    for (const std::string& name : shippedNames()) {
        if (name != "c1.rgb") {
            EXPECT_EQ(readAll(layout.user / name), readAll(layout.share / name)) << name;
        }
    }
}

TEST(ProgramFolder, TheHelpFileFollowsTheInstalledOne)
{
    Installed layout;
    const fs::path help = layout.share / "help.chm";
    QFile first(q(help));
    ASSERT_TRUE(first.open(QIODevice::WriteOnly));
    first.write("first help");
    first.close();
    layout.resolve();
    ASSERT_EQ(readAll(layout.user / "help.chm"), "first help");
    EXPECT_EQ(QFileInfo(q(layout.user / "help.chm")).lastModified(), QFileInfo(q(help)).lastModified());

    // An update of the installation brings a new help file; the user's data stays.
    QFile second(q(help));
    ASSERT_TRUE(second.open(QIODevice::WriteOnly | QIODevice::Truncate));
    second.write("second, longer help");
    second.close();
    layout.resolve();
    EXPECT_EQ(readAll(layout.user / "help.chm"), "second, longer help");
}

TEST(ProgramFolder, AnInstallationInTheUserFolderItselfIsUsedDirectly)
{
    // Installed with the prefix ~/.local: share/prismara is the per-user folder.
    test::TempDir root;
    copyShipped(root / "local/share/prismara");
    fs::create_directories(root / "local/bin");
    const QString folder =
        QtPlatform::resolveProgramFolder(q(root / "local/bin"), q(root / "local/share/prismara"));
    EXPECT_EQ(QDir(folder), QDir(q(root / "local/share/prismara")));
}

TEST(ProgramFolder, WithoutDataAnywhereTheProgramFolderIsTheExecutablesFolder)
{
    test::TempDir root;
    fs::create_directories(root / "bin");
    EXPECT_EQ(QtPlatform::resolveProgramFolder(q(root / "bin"), q(root / "user")), q(root / "bin"));
    EXPECT_FALSE(fs::exists(root / "user"));
}

TEST(ProgramFolder, AReadOnlyProgramFolderIsCopiedForTheUser)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop the superuser from writing";
    test::TempDir root;
    copyShipped(root / "app");
    makeReadOnly(root / "app");
    EXPECT_EQ(QtPlatform::resolveProgramFolder(q(root / "app"), q(root / "user")), q(root / "user"));
    EXPECT_TRUE(fs::exists(root / "user/colorchart.cci"));
    fs::permissions(root / "app", fs::perms::owner_all, fs::perm_options::add);
}
