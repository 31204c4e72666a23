// displayfilter.h - how colours are painted: as they are, or as seen with a colour-vision
// deficiency (View > Simulate Color Vision).
//
// The main window owns the one filter and hands it to the views that simulate (the wheel and
// square, the palette grid, the scheme mock-ups); they ask it for every colour they paint, at
// paint time, so a change of the choice only needs a repaint. Each simulated colour is worked out
// once and kept, so a large area of few colours costs no more than a small one.
#pragma once

#include "core/access/cvd.h"
#include "core/colour/colorvalue.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <optional>
#include <unordered_map>

class QWidget;

namespace prismara {

class DisplayFilter : public QObject
{
    Q_OBJECT
public:
    explicit DisplayFilter(QObject* parent = nullptr);

    // nullopt: normal vision, colours painted as they are.
    std::optional<Deficiency> deficiency() const { return deficiency_; }
    void setDeficiency(std::optional<Deficiency> deficiency);
    bool simulating() const { return deficiency_.has_value(); }

    // The colour to paint for `color`.
    ColorValue shown(ColorValue color) const;
    QColor qcolor(ColorValue color) const;

    // What the views say while simulating: "Simulation: Protanopia (no red cones)", or briefly
    // "Simulation: protanopia"; empty with normal vision.
    QString banner(bool brief = false) const;

signals:
    void changed();

private:
    std::optional<Deficiency> deficiency_;
    mutable std::unordered_map<ColorValue, ColorValue> cache_;
};

// The colour a view paints: through `filter` when it has one.
QColor PaintColor(const DisplayFilter* filter, ColorValue color);

// Makes `filter` the one `view` paints through (`held` is the view's member): the view repaints
// now and at every change of the choice, and no longer follows the filter it held before.
void UseDisplayFilter(QWidget* view, const DisplayFilter*& held, const DisplayFilter* filter);

} // namespace prismara
