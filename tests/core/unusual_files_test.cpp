// unusual_files_test.cpp - data files in hostile shapes: a FIFO, a device or a folder in a data
// file's place, a file beyond the read limits, an index that is not text, a palette cut inside a
// record, and a scheme delete killed at every step by a real signal.
#include "core/app/datafilecheck.h"
#include "core/files/fileio.h"
#include "core/palette/chartindex.h"
#include "core/palette/palettefile.h"
#include "core/scheme/schemefiles.h"
#include "core/scheme/schemestyles.h"
#include "support/tempdir.h"

#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace prismara;
using prismara::test::TempDir;
namespace fs = std::filesystem;

namespace {

// Runs `body` in a child process that may take 2 seconds and 256 MiB of address space at most;
// true when it ended normally with `body` true. A read that blocks or grows without bound fails
// instead of hanging.
bool boundedRun(const std::function<bool()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(2);
#ifndef __SANITIZE_ADDRESS__ // the sanitizer's shadow memory alone exceeds any such limit
        const rlimit memory{256u << 20, 256u << 20};
        ::setrlimit(RLIMIT_AS, &memory);
#endif
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// What stands in a data file's place.
struct Special
{
    const char* name;
    std::function<void(const fs::path&)> make;
};

const Special kSpecials[] = {
    {"a FIFO", [](const fs::path& p) { ::mkfifo(p.c_str(), 0644); }},
    {"a link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
    {"a folder", [](const fs::path& p) { fs::create_directory(p); }},
};

// The index lists c1.rgb; the shapes style's files are the scheme files under attack.
const std::string kIndex = "c1.rgb\r\nOne\r\n0\r\nrecent.rgb\r\nRecent\r\n0\r\n";

// Every reader and writer of every data file; each must refuse the special file and return.
struct Use
{
    const char* file;
    const char* what;
    std::function<bool(const fs::path&)> refuses;
};

const Use kUses[] = {
    {"colorchart.cci", "index read", [](const fs::path& f) { return !ChartIndex(f).read().error.empty(); }},
    {"colorchart.cci", "index repair", [](const fs::path& f) { return !ChartIndex(f).RepairFile().ok(); }},
    {"colorchart.cci", "new palette",
     [](const fs::path& f) { return !ChartIndex(f).appendRecord("c9.rgb", "N").ok(); }},
    {"c1.rgb", "palette page",
     [](const fs::path& f) { return !PaletteFile(f, "c1.rgb").page(3, 1)[0].color; }},
    {"c1.rgb", "palette shown", [](const fs::path& f) { return !PaletteFile(f, "c1.rgb").create().ok(); }},
    {"c1.rgb", "colour added",
     [](const fs::path& f) { return !AppendChartColor(f, "c1.rgb", "#123456").ok(); }},
    {"c1.rgb", "colour deleted",
     [](const fs::path& f) { return !PaletteFile(f, "c1.rgb").removeRecord(1).ok(); }},
    {"c1.rgb", "palette cleared", [](const fs::path& f) { return !PaletteFile(f, "c1.rgb").clear().ok(); }},
    {"recent.rgb", "recent colour",
     [](const fs::path& f) { return !AppendChartColor(f, "recent.rgb", "#123456").ok(); }},
    {"shapes.hcs", "scheme list", [](const fs::path& f) { return SchemeFiles(f, 4).names().empty(); }},
    {"shapes.hcs", "scheme saved", [](const fs::path& f) { return !SchemeFiles(f, 4).save("x", {}).ok(); }},
    {"shapes.dat", "scheme loaded", [](const fs::path& f) { return !SchemeFiles(f, 4).readRecord(1); }},
    {"shapes.dat", "scheme saved", [](const fs::path& f) { return !SchemeFiles(f, 4).save("x", {}).ok(); }},
    {"shapes.dat", "scheme deleted", [](const fs::path& f) { return !SchemeFiles(f, 4).remove(1).ok(); }},
    {"settings.ini", "whole read", [](const fs::path& f) { return !ReadFile(f / "settings.ini"); }},
    {"settings.ini", "replaced",
     [](const fs::path& f) { return !ReplaceFile(f / "settings.ini", f / "s.tmp", "a=1"); }},
};

} // namespace

TEST(SpecialFiles, NoneIsReadWrittenOrWaitedOnAndEachIsReported)
{
    for (const Special& special : kSpecials) {
        for (const Use& use : kUses) {
            const std::string row = std::string(use.file) + " is " + special.name + ": " + use.what;
            TempDir dir;
            dir.write("colorchart.cci", kIndex);
            dir.write("shapes.hcs", "\"a\"\r\n\"b\"\r\n");
            dir.write("shapes.dat", std::string(36, '9'));
            dir.write("c1.rgb", "FF0000");
            fs::remove(dir / use.file);
            special.make(dir / use.file);
            struct stat before
            {
            };
            ::lstat((dir / use.file).c_str(), &before);

            EXPECT_TRUE(boundedRun([&] { return use.refuses(dir.path()); })) << row;
            struct stat after
            {
            };
            EXPECT_EQ(::lstat((dir / use.file).c_str(), &after), 0) << row << ": it is left in place";
            EXPECT_EQ(after.st_ino, before.st_ino) << row << ": it is not replaced";
            if (use.file != std::string("colorchart.cci") && use.file != std::string("settings.ini")) {
                const std::vector<std::string> told = UnusableDataFiles(dir.path());
                EXPECT_EQ(told.size(), 1u) << row;
                EXPECT_EQ(told.empty() ? "" : told.front().substr(0, told.front().find(':')), use.file)
                    << row;
            }
        }
    }
}

TEST(SpecialFiles, WholeFileReadsStopAtTheirLimit)
{
    TempDir dir;
    for (const char* name : {"colorchart.cci", "shapes.hcs"}) {
        dir.write(name, "");
        fs::resize_file(dir / name, kSmallFileLimit + 1);
    }
    const ChartList list = ChartIndex(dir.path()).read();
    EXPECT_NE(list.error.find("larger than 1 MiB"), std::string::npos) << list.error;
    EXPECT_TRUE(SchemeFiles(dir.path(), 4).names().empty());
    EXPECT_EQ(UnusableDataFiles(dir.path()).size(), 1u) << "the list too large to read is told";
    EXPECT_EQ(fs::file_size(dir / "colorchart.cci"), kSmallFileLimit + 1) << "left as it is";
}

TEST(SpecialFiles, AnIndexThatIsNotTextIsNeverRewritten)
{
    std::u16string wide = u"c1.rgb\r\nOne\r\n0\r\n\r\n";
    const std::string cases[] = {
        std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * 2),
        std::string("c1.rgb\r\n\r\nOne\r\n0\r\n\0\x01\x02\xff garbage\r\n", 31),
    };
    for (const std::string& bytes : cases) {
        TempDir dir;
        dir.write("colorchart.cci", bytes);
        const ChartIndex index(dir.path());
        EXPECT_FALSE(index.RepairFile().ok());
        const ChartList list = index.read();
        ASSERT_EQ(list.warnings.size(), 1u) << "one message";
        EXPECT_NE(list.warnings[0].find("not a text file"), std::string::npos) << list.warnings[0];
        EXPECT_FALSE(index.appendRecord("c9.rgb", "New").ok());
        EXPECT_FALSE(index.DeleteChart(1).ok());
        EXPECT_EQ(dir.read("colorchart.cci"), bytes) << "the file is left as it is";
        EXPECT_FALSE(dir.exists("colorchart.cct"));
    }
}

TEST(SpecialFiles, AnAppendAfterAPartialRecordTouchesOnlyTheTail)
{
    TempDir dir;
    // A sparse palette of 1 GiB and a few bytes: nothing but its tail may be read or copied.
    const fs::path palette = dir / "c4.rgb";
    const std::uintmax_t size = (std::uintmax_t{1} << 30) + 3;
    dir.write("c4.rgb", "");
    fs::resize_file(palette, size);
    ASSERT_NE(size % 6, 0u);
    struct stat before
    {
    };
    ::stat(palette.c_str(), &before);

    FaultInjection::failAt(1, ENOSPC);
    const StoreResult full = AppendChartColor(dir.path(), "c4.rgb", "#123456");
    FaultInjection::reset();
    EXPECT_EQ(full.message(), "c4.rgb could not be written: No space left on device");
    EXPECT_EQ(fs::file_size(palette), size) << "a failed append changes nothing";

    ASSERT_TRUE(boundedRun([&] { return AppendChartColor(dir.path(), "c4.rgb", "#123456").ok(); }));
    struct stat after
    {
    };
    ::stat(palette.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file is not copied";
    EXPECT_EQ(fs::file_size(palette), size - size % 6 + 6) << "the partial record is overwritten";
    EXPECT_EQ(PaletteFile(dir.path(), "c4.rgb").color(PaletteFile(dir.path(), "c4.rgb").count()), 0x563412);
    EXPECT_FALSE(dir.exists("c4.rgb.tmp"));
}

namespace {

// A shapes list of `n` schemes and its data, record k holding the colour k everywhere.
void writeShapes(const TempDir& dir, int n)
{
    std::string list;
    std::string data;
    for (int k = 1; k <= n; ++k) {
        list += "\"scheme " + std::to_string(k) + "\"\r\n";
        data += std::string(18, static_cast<char>('0' + k));
    }
    dir.write("shapes.hcs", list);
    dir.write("shapes.dat", data);
}

// True when every listed scheme of shapes still loads its own colours.
bool eachNameHasItsRecord(const fs::path& folder)
{
    const SchemeFiles files(folder, 4);
    const std::vector<std::string> names = files.names();
    for (std::size_t k = 0; k < names.size(); ++k) {
        const auto record = files.readRecord(k + 1);
        const char digit = names[k].back();
        if (!record || !(*record)[0] || BgrHex(*(*record)[0]) != std::string(6, digit))
            return false;
    }
    return true;
}

} // namespace

TEST(SpecialFiles, ASchemeDeleteKilledAtAnyStepIsWholeAtTheNextStart)
{
    // The process stops itself before each mutating step in turn and is killed there.
    int steps = 0;
    for (int step = 1;; ++step) {
        TempDir dir;
        writeShapes(dir, 4);
        dir.write("weblinks.hcs", "\"other\"\r\n");
        const pid_t child = ::fork();
        if (child == 0) {
            FaultInjection::stopAt(step);
            ::_exit(SchemeFiles(dir.path(), 4).remove(1).ok() ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, WUNTRACED);
        const bool stopped = WIFSTOPPED(status);
        if (stopped) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
        }
        const std::string row = "killed before step " + std::to_string(step);
        EXPECT_EQ(SchemeFiles::completeInterruptedDelete(dir.path()), "") << row;
        const std::vector<std::string> names = SchemeFiles(dir.path(), 4).names();
        EXPECT_TRUE(names.size() == 4 || names.size() == 3) << row;
        EXPECT_TRUE(eachNameHasItsRecord(dir.path())) << row << ": a name lost its colours";
        EXPECT_FALSE(dir.exists("set.hct") || dir.exists("colorset.dam")) << row;
        EXPECT_EQ(dir.read("weblinks.hcs"), "\"other\"\r\n") << row;
        if (!stopped) {
            EXPECT_EQ(names.size(), 3u) << "the delete runs to its end";
            break;
        }
        steps = step;
    }
    EXPECT_GE(steps, 4) << "two temporaries written, two renames";
}

TEST(SpecialFiles, AFinishedListNoSchemeListMatchesIsKeptAndTold)
{
    TempDir dir;
    writeShapes(dir, 2);
    dir.write("set.hct", "\"nothing like it\"\r\n\"at all\"\r\n\"here\"\r\n");
    const std::string told = SchemeFiles::completeInterruptedDelete(dir.path());
    EXPECT_NE(told.find("set.hct"), std::string::npos) << told;
    EXPECT_TRUE(dir.exists("set.hct"));
    EXPECT_EQ(SchemeFiles(dir.path(), 4).names().size(), 2u);
}

TEST(SpecialFiles, AFileLongerThanItsStatedSizeIsReadWholeAndBounded)
{
    // Files under /proc state a size of 0 and are longer.
    const auto maps = ReadFile("/proc/self/maps");
    ASSERT_TRUE(maps);
    EXPECT_GT(maps->size(), 4096u);
    EXPECT_EQ(maps->back(), '\n');
    std::string out;
    EXPECT_FALSE(ReadWholeFile("/proc/self/maps", out, 100));
    EXPECT_TRUE(out.empty());
}
