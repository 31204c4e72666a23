// cachedpanelstyle.cpp - text-box panels drawn once per size, state and palette, then copied.
#include "widgets/cachedpanelstyle.h"

#include <QApplication>
#include <algorithm>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace prismara {

namespace {
// What can change a panel's look.
constexpr QStyle::State kPanelStates = QStyle::State_Enabled | QStyle::State_HasFocus | QStyle::State_MouseOver |
                                       QStyle::State_ReadOnly | QStyle::State_Sunken | QStyle::State_Active;
constexpr std::size_t kMaxPanels = 32;
} // namespace

CachedPanelStyle::CachedPanelStyle() = default;

CachedPanelStyle* CachedPanelStyle::shared()
{
    static QPointer<CachedPanelStyle> style;
    if (!style) {
        style = new CachedPanelStyle;
        style->setParent(qApp);
    }
    return style;
}

void CachedPanelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || !frame || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const PanelKey key{option->rect.size(),
                       painter->device()->devicePixelRatioF(),
                       int(option->state & kPanelStates),
                       frame->lineWidth,
                       option->palette.cacheKey(),
                       int(option->direction)};
    auto found = std::find_if(panels_.begin(), panels_.end(), [&](const Panel& p) { return p.key == key; });
    if (found == panels_.end()) {
        QPixmap panel((QSizeF(key.size) * key.ratio).toSize());
        panel.setDevicePixelRatio(key.ratio);
        panel.fill(Qt::transparent);
        QStyleOptionFrame at = *frame;
        at.rect.moveTo(0, 0);
        QPainter p(&panel);
        QProxyStyle::drawPrimitive(element, &at, &p, widget);
        p.end();
        if (panels_.size() >= kMaxPanels)
            panels_.clear();
        panels_.push_back({key, panel});
        found = panels_.end() - 1;
    }
    painter->drawPixmap(option->rect.topLeft(), found->pixmap);
}

} // namespace prismara
