// ui_main.cpp - the main of the UI benchmarks: an application on the offscreen platform, with
// private runtime and configuration folders so no benchmark touches the user's files.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {
std::string privateDir(const char* tag)
{
    std::string templ = (std::filesystem::temp_directory_path() / (std::string("prismara-bench-") + tag + "-XXXXXX")).string();
    if (char* made = ::mkdtemp(templ.data()))
        return made;
    return std::filesystem::temp_directory_path().string();
}
} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string runtime = privateDir("runtime");
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const std::string config = privateDir("config");
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::error_code ec;
    std::filesystem::remove_all(runtime, ec);
    std::filesystem::remove_all(config, ec);
    return 0;
}
