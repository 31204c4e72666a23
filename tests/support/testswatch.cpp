// testswatch.cpp - a window of one known colour for the end-to-end tests, on any Qt platform.
//   prismara_test_swatch '#3366CC' [TITLE]
#include <QGuiApplication>
#include <QPainter>
#include <QRasterWindow>

namespace {
class Swatch : public QRasterWindow
{
public:
    explicit Swatch(const QColor& color) : color_(color) {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(QRect(QPoint(0, 0), size()), color_); }

private:
    QColor color_;
};
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    Swatch window(QColor(args.value(1, QStringLiteral("#3366CC"))));
    window.setTitle(args.value(2, QStringLiteral("swatch")));
    window.resize(400, 300);
    window.show();
    return QGuiApplication::exec();
}
