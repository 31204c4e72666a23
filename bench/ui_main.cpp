// ui_main.cpp - the main of the UI benchmarks: an application on the offscreen platform, with
// private runtime and configuration folders so no benchmark touches the user's files.
#include "support/privatedir.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

using prismara::test::makePrivateDir;
using prismara::test::removePrivateDir;

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto runtime = makePrivateDir("bench-runtime");
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const auto config = makePrivateDir("bench-config");
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    removePrivateDir(runtime);
    removePrivateDir(config);
    return 0;
}
