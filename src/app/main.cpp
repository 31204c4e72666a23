// main.cpp - entry routine.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setObjectName("frmshowcolor");
    window.setWindowTitle("Prismara 4.6");
    window.show();
    return app.exec();
}
