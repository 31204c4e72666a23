// Shared main of the widget tests: offscreen platform unless a display is given, a private
// runtime folder (mode 0700) and private config and data folders, a fixed C locale, so that
// no test touches the user's files.
#include <QApplication>
#include <QLocale>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace {
std::string makePrivateDir(const char* tag)
{
    std::string templ = (std::filesystem::temp_directory_path() / (std::string("prismara-") + tag + "-XXXXXX")).string();
    if (char* made = ::mkdtemp(templ.data()))
        return made;
    return std::filesystem::temp_directory_path().string();
}
} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string runtime = makePrivateDir("runtime");
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const std::string config = makePrivateDir("config");
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    const std::string dataHome = makePrivateDir("data");
    ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    ::setenv("QT_SCALE_FACTOR", "1", 0);
    ::setenv("LC_ALL", "C", 1);

    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    const int rc = RUN_ALL_TESTS();

    std::error_code ec;
    std::filesystem::remove_all(runtime, ec);
    std::filesystem::remove_all(config, ec);
    std::filesystem::remove_all(dataHome, ec);
    return rc;
}
