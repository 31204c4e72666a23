// main.cpp - entry routine: one running copy, white as the current colour, the main window.
#include "app/frmshowcolor.h"
#include "app/toolbaricons.h"
#include "platform/qtplatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("prismara");
    QApplication::setDesktopFileName("prismara");
    QApplication::setWindowIcon(prismara::applicationIcon());

    prismara::QtPlatform platform;
    // A second copy ends at once: no window, nothing written.
    if (platform.previousInstance())
        return 0;

    prismara::curColor = prismara::kWhite;
    prismara::FrmShowColor window(platform);
    window.show();
    return app.exec();
}
