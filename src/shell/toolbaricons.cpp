// toolbaricons.cpp - drawn fallback icons.
#include "shell/toolbaricons.h"

#include "platform/qtplatform.h"
#include "widgets/desktoppalette.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace prismara {

namespace {
constexpr int kSize = 32;

void drawWheel(QPainter& p, QRectF r)
{
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv(i * 30, 220, 240));
        p.drawPie(r, (90 - i * 30 - 15) * 16, 30 * 16);
    }
}

void drawArrow(QPainter& p, bool left)
{
    QPainterPath path;
    const qreal tip = left ? 6 : 26;
    const qreal base = left ? 20 : 12;
    path.moveTo(tip, 16);
    path.lineTo(base, 6);
    path.lineTo(base, 12);
    path.lineTo(left ? 27 : 5, 12);
    path.lineTo(left ? 27 : 5, 20);
    path.lineTo(base, 20);
    path.lineTo(base, 26);
    path.closeSubpath();
    p.setBrush(QColor(60, 110, 200));
    p.drawPath(path);
}

QPixmap drawIcon(const QString& tag, const QPalette& palette)
{
    QPixmap pix(kSize, kSize);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    // The outlines in ink that reads on the desktop's toolbar, light or dark.
    p.setPen(QPen(SchemeColor(palette, QColor(40, 40, 40), QColor(225, 225, 225)), 1.5));
    if (tag == "pickcolor") {
        p.setBrush(QColor(230, 230, 230));
        p.drawRect(QRectF(14, 4, 8, 12));
        p.drawLine(QPointF(18, 16), QPointF(8, 27));
        p.setBrush(QColor(220, 60, 60));
        p.drawEllipse(QPointF(7, 27), 3, 3);
    } else if (tag == "makewebsafe") {
        const QColor cells[] = {QColor(255, 0, 0), QColor(0, 153, 0), QColor(0, 102, 255), QColor(255, 204, 0)};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(cells[i]);
            p.drawRect(QRectF(4 + (i % 2) * 12, 4 + (i / 2) * 12, 12, 12));
        }
    } else if (tag == "showcolor") {
        p.setBrush(QColor(245, 245, 245));
        p.drawRect(QRectF(3, 5, 26, 22));
        QLinearGradient g(5, 0, 27, 0);
        g.setColorAt(0, Qt::red);
        g.setColorAt(0.5, Qt::green);
        g.setColorAt(1, Qt::blue);
        p.setBrush(g);
        p.drawRect(QRectF(6, 8, 20, 10));
        p.setBrush(QColor(255, 128, 0));
        p.drawRect(QRectF(6, 20, 8, 5));
    } else if (tag == "colorconversion") {
        for (int i = 0; i < 3; ++i) {
            p.drawLine(QPointF(4, 8 + i * 8), QPointF(28, 8 + i * 8));
            p.setBrush(QColor::fromHsv(i * 120, 200, 230));
            p.drawRect(QRectF(8 + i * 7, 5 + i * 8, 5, 6));
        }
    } else if (tag == "colorsquare") {
        for (int i = 0; i < 12; ++i) {
            const int col = i < 4 ? i : i < 7 ? 3 : i < 10 ? 9 - i : 0;
            const int row = i < 4 ? 0 : i < 7 ? i - 3 : i < 10 ? 3 : 12 - i;
            p.setBrush(QColor::fromHsv(i * 30, 220, 240));
            p.drawRect(QRectF(3 + col * 7, 3 + row * 7, 6, 6));
        }
    } else if (tag == "colorchart") {
        for (int i = 0; i < 9; ++i) {
            p.setBrush(QColor::fromHsv(i * 40, 180, 230));
            p.drawRect(QRectF(4 + (i % 3) * 8, 4 + (i / 3) * 8, 8, 8));
        }
    } else if (tag == "ontop") {
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(4, 12, 18, 14));
        p.setBrush(QColor(90, 150, 230));
        p.drawRect(QRectF(10, 5, 18, 14));
    } else if (tag == "addnew") {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 3, 18, 24));
        p.setPen(QPen(QColor(30, 150, 30), 3));
        p.drawLine(QPointF(22, 18), QPointF(22, 30));
        p.drawLine(QPointF(16, 24), QPointF(28, 24));
    } else if (tag == "prevpage" || tag == "nextpage") {
        drawArrow(p, tag == "prevpage");
    } else if (tag == "clearduplicate") {
        p.setBrush(QColor(0, 120, 220));
        p.drawRect(QRectF(4, 6, 11, 11));
        p.drawRect(QRectF(10, 12, 11, 11));
        p.setPen(QPen(QColor(210, 30, 30), 3));
        p.drawLine(QPointF(18, 18), QPointF(28, 28));
        p.drawLine(QPointF(28, 18), QPointF(18, 28));
    } else {
        drawWheel(p, QRectF(3, 3, 26, 26));
    }
    return pix;
}
} // namespace

QIcon ToolbarIcon(const QString& tag, const QString& themeName, const QPalette& palette)
{
    if (!themeName.isEmpty() && QtPlatform::hasIconTheme() && QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    return QIcon(drawIcon(tag, palette));
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QPixmap pix(size, size);
        pix.fill(Qt::transparent);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const qreal m = size / 16.0;
        drawWheel(p, QRectF(m, m, size - 2 * m, size - 2 * m));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(size / 2.0, size / 2.0), size * 0.18, size * 0.18);
        icon.addPixmap(pix);
    }
    return icon;
}

} // namespace prismara
