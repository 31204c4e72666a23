// Shared main of the widget tests: offscreen platform unless a display is given, a private
// runtime folder (mode 0700) and private config and data folders, a fixed C locale, so that
// no test touches the user's files.
#include "support/privatedir.h"

#include <QApplication>
#include <QLocale>

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

using prismara::test::makePrivateDir;
using prismara::test::removePrivateDir;

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto runtime = makePrivateDir("runtime");
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    const auto config = makePrivateDir("config");
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    const auto dataHome = makePrivateDir("data");
    ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    ::setenv("QT_SCALE_FACTOR", "1", 0);
    ::setenv("LC_ALL", "C", 1);

    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    const int rc = RUN_ALL_TESTS();

    removePrivateDir(runtime);
    removePrivateDir(config);
    removePrivateDir(dataHome);
    return rc;
}
