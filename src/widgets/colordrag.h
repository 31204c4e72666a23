// colordrag.h - colours and palette files dragged between the program's views and other programs.
//
// A colour travels as the desktop carries it: "application/x-color" (what QMimeData::setColorData
// writes) and "text/plain" with its HtmlHex, under a small swatch of the colour. A drop takes a
// colour from either, and palette files from "text/uri-list". Every view that drags or takes
// colours uses these pieces, so they all speak the same way:
//
//   ColorDragGesture gesture_;                     // in the view
//   mousePressEvent:  gesture_.press(*event);
//   mouseMoveEvent:   if (gesture_.moved(*event)) StartColorDrag(this, colorUnderPress);
//   constructor:      new ColorDropTarget(this, hub, take, refusal);
#pragma once

#include "core/colour/colorvalue.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QMimeData;
class QMouseEvent;
class QPixmap;
class QWidget;

namespace prismara {

class ColorHub;

// The drag data of a colour: application/x-color and text/plain "#RRGGBB".
QMimeData* ColorMimeData(ColorValue color);

// The colour a drag or drop carries: application/x-color first, else a text the colour-text reader
// understands ("#3366cc", "rgb(51 102 204)", "cornflowerblue"); nullopt when it carries none.
std::optional<ColorValue> ColorFromMimeData(const QMimeData* data);

// The local files a drag carries (text/uri-list), in its order; empty when it carries none.
QStringList FilesFromMimeData(const QMimeData* data);

// The picture under the pointer while a colour is dragged: a small swatch with a dark edge.
QPixmap ColorDragPixmap(ColorValue color);

// Drags `color` from `source` (a copy: the source keeps it) and returns when it is dropped or
// given up.
void StartColorDrag(QWidget* source, ColorValue color);

// For tests: while set, StartColorDrag hands the drag data to `hook` instead of running the
// desktop's drag; an empty function restores the real drag.
using ColorDragHook = std::function<void(QWidget* source, const QMimeData& data, const QPixmap& pixmap)>;
void SetColorDragHook(ColorDragHook hook);

// A press of the primary button that may become a drag: it does once the pointer has moved the
// desktop's drag distance away with the button held.
class ColorDragGesture
{
public:
    void press(const QMouseEvent& event);
    // True once when the press has become a drag (then the gesture is over).
    bool moved(const QMouseEvent& event);
    void reset() { pressed_ = false; }
    bool pressed() const { return pressed_; }
    // Where the press was, in the widget's coordinates.
    QPoint origin() const { return origin_; }

private:
    QPoint origin_;
    bool pressed_ = false;
};

// Lets a widget take dropped colours and palette files. A colour goes to `take` with the drop's
// place in the widget, unless `refusal` gives a reason not to take it there: then the drag is
// refused and the reason shows as a tool tip at the pointer. Palette files are imported through
// the hub, wherever they are dropped. Without `take` the widget takes only files.
class ColorDropTarget : public QObject
{
    Q_OBJECT
public:
    using Take = std::function<void(ColorValue color, QPoint pos)>;
    // Why a colour cannot be dropped at `pos` (from the drag's `source` widget, nullptr when the
    // drag comes from another program); empty when it can.
    using Refusal = std::function<QString(QPoint pos, const QObject* source)>;

    ColorDropTarget(QWidget* widget, ColorHub& hub, Take take = {}, Refusal refusal = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a drag brings: a colour or palette files (or neither).
    struct Payload
    {
        std::optional<ColorValue> color;
        QStringList files;
    };
    static Payload payload(const QMimeData* data);
    // True when the drag may drop at `pos`; shows or hides the reason when it may not.
    bool accepts(const Payload& what, QPoint pos, const QObject* source);

    QWidget* widget_;
    ColorHub& hub_;
    Take take_;
    Refusal refusal_;
};

} // namespace prismara
