// displayfilter.cpp - the colour-vision simulation of the painted views, cached per colour.
#include "widgets/displayfilter.h"

#include "platform/qtconvert.h"
#include "widgets/colorswatch.h"

#include <QWidget>

namespace prismara {

namespace {
// Enough for every colour of a window many times over; beyond it the cache starts afresh.
constexpr std::size_t kCacheLimit = 1 << 16;
} // namespace

DisplayFilter::DisplayFilter(QObject* parent) : QObject(parent) {}

void DisplayFilter::setDeficiency(std::optional<Deficiency> deficiency)
{
    if (deficiency == deficiency_)
        return;
    deficiency_ = deficiency;
    cache_.clear();
    emit changed();
}

ColorValue DisplayFilter::shown(ColorValue color) const
{
    if (!deficiency_)
        return color;
    const auto found = cache_.find(color);
    if (found != cache_.end())
        return found->second;
    if (cache_.size() >= kCacheLimit)
        cache_.clear();
    const ColorValue simulated = SimulateDeficiency(color, *deficiency_);
    cache_.emplace(color, simulated);
    return simulated;
}

QColor DisplayFilter::qcolor(ColorValue color) const { return ToQColor(shown(color)); }

QString DisplayFilter::banner(bool brief) const
{
    if (!deficiency_)
        return {};
    const DeficiencyInfo& info = Deficiencies()[static_cast<std::size_t>(*deficiency_)];
    return "Simulation: " + ToQString(brief ? info.key : info.caption);
}

QColor PaintColor(const DisplayFilter* filter, ColorValue color)
{
    return filter ? filter->qcolor(color) : ToQColor(color);
}

void UseDisplayFilter(QWidget* view, const DisplayFilter*& held, const DisplayFilter* filter)
{
    if (held)
        QObject::disconnect(held, nullptr, view, nullptr);
    held = filter;
    if (held)
        QObject::connect(held, &DisplayFilter::changed, view, qOverload<>(&QWidget::update));
    view->update();
}

} // namespace prismara
