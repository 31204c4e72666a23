// cachedpanelstyle.h - a style for text boxes whose text changes on every colour: the box's
// frame and background are drawn once per size and state and then copied, so a new text costs
// the text alone.
#pragma once

#include <QPixmap>
#include <QProxyStyle>

#include <vector>

namespace prismara {

class CachedPanelStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // A proxy of the application's style (a separate instance of it).
    CachedPanelStyle();

    // The text-box panel comes from the cache; every other element is drawn as the base style draws it.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

    // The style the main window's colour text boxes share (owned by the application).
    static CachedPanelStyle* shared();

private:
    // What can change a panel's look.
    struct PanelKey
    {
        QSize size;
        qreal ratio = 1;
        int state = 0;
        int lineWidth = 0;
        qint64 palette = 0;
        int direction = 0;
        bool operator==(const PanelKey&) const = default;
    };
    struct Panel
    {
        PanelKey key;
        QPixmap pixmap;
    };

    mutable std::vector<Panel> panels_;
};

} // namespace prismara
