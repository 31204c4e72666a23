// badgelabel.h - a label in white on a rounded patch of colour (contrast marks, the simulation
// banners), painted directly rather than through a style sheet.
#pragma once

#include <QColor>
#include <QLabel>

namespace prismara {

class BadgeLabel : public QLabel
{
    Q_OBJECT
public:
    // `padding`: room between the patch's edge and the text, left and right / top and bottom.
    explicit BadgeLabel(QWidget* parent = nullptr, QSize padding = QSize(3, 0));

    QColor badgeColor() const { return color_; }
    void setBadgeColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};

} // namespace prismara
